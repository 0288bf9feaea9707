#include "app/application.h"
#include "app/window_system.h"
#include "ui/pin/pin.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QScreen>
#include <QTest>
#include <QTimer>

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
};

int main(int argc, char** argv) {
    app::Application application(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
