#include "app/application.h"
#include "app/window_system.h"
#include "ui/pin/pin.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <stdexcept>

// Runs against the program's own QApplication, as the program does at start.
class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void identityIsSetOnTheApplication() {
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Quarnest"));
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.0.0"));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("com.kestrow.Quarnest"));
        QCOMPARE(app::applicationTitle(), QStringLiteral("Tovrel"));
    }

    void windowIconHasEveryShippedSize() {
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(!icon.isNull());
        for (int size : {16, 32, 48, 128}) {
            const QImage image = icon.pixmap(size, size).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            // Transparent corner, opaque metal in the middle of a tooth ring.
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QVERIFY(qAlpha(image.pixel(size / 2, size / 6)) > 0 ||
                    qAlpha(image.pixel(size / 6, size / 2)) > 0);
        }
    }

    void songFaceResolvesToAnInstalledChineseFont() {
        const QFontInfo song(QFont(QStringLiteral("宋体"), 9, QFont::Bold));
        QVERIFY2(
            QFontDatabase::writingSystems(song.family()).contains(QFontDatabase::SimplifiedChinese),
            qPrintable(song.family()));
        const QFont dialogFont = QApplication::font();
        QCOMPARE(dialogFont.family(), QStringLiteral("宋体"));
        QCOMPARE(dialogFont.pointSize(), 9);
    }

    void startUpShowsOnlyTheMainWindowCentredAndClosingItEndsWithStatusZero() {
        ui::Pin pin;
        app::showStartupWindow(pin);
        QVERIFY(QTest::qWaitForWindowExposed(&pin));

        QWidgetList shown;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                shown << w;
            }
        }
        QCOMPARE(shown, QWidgetList{&pin});
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(pin.windowTitle(), QStringLiteral("Quarnest－Tovrel"));
        QCOMPARE(pin.size(), QSize(689, 379));
        QVERIFY(!pin.windowIcon().isNull());
        const QRect available = pin.screen()->availableGeometry();
        QVERIFY((pin.frameGeometry().center() - available.center()).manhattanLength() <= 3);

        QTimer::singleShot(0, &pin, &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
    }

    // Must stay last: a reported error ends the application's event loops for good.
    void exceptionFromAHandlerIsReportedAndEndsTheProgram() {
        QPushButton button(QStringLiteral("go"));
        connect(&button, &QPushButton::clicked, this,
                [] { throw std::runtime_error("disk full"); });
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));

        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        QTimer::singleShot(0, &button, [&] { QTest::mouseClick(&button, Qt::LeftButton); });
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [&, poll] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                poll->stop();
                caption = box->windowTitle();
                text = box->text();
                icon = box->icon();
                buttons = box->buttons().size();
                box->accept();
            }
        });
        poll->start(10);

        QCOMPARE(QApplication::exec(), app::Application::untrappedErrorExitStatus);
        QCOMPARE(caption, QStringLiteral("Tovrel"));
        QVERIFY2(text.contains(QStringLiteral("disk full")), qPrintable(text));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, 1);
    }
};

int main(int argc, char** argv) {
    app::Application application(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
