#include "app/application.h"
#include "app/window_system.h"
#include "ui/pin/pin.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QMetaEnum>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>

// The application shell under the program's own application object.
class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    // The dialog font 宋体 resolves to an installed face that has the Chinese characters.
    void dialogFontShowsChinese() {
        QCOMPARE(QApplication::font().family(), QStringLiteral("宋体"));
        const QString face = QFontInfo(QApplication::font()).family();
        QVERIFY2(QFontDatabase::writingSystems(face).contains(QFontDatabase::SimplifiedChinese),
                 qPrintable(face));
    }

    // Style 0: OK only, no icon. Style 16 shows with an untrapped error, in its own program.
    void messageBoxCarriesTheTitleAndOkOnly() {
        QStringList seen;
        // Runs in the box's own event loop, which has shown it.
        QTimer::singleShot(0, qApp, [&seen] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen << box->windowTitle()
                     << QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon())
                     << QMetaEnum::fromType<QMessageBox::StandardButtons>().valueToKey(
                            box->standardButtons().toInt())
                     << box->text();
            }
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        app::showMessage(QStringLiteral("此时系统信息不可用"), app::MessageStyle::OkOnly);
        QCOMPARE(seen, (QStringList{"Tovrel", "NoIcon", "Ok", "此时系统信息不可用"}));
    }

    // Last, as closing the window ends the run.
    void startUpShowsTheMainWindowAloneAndClosingItEndsWithStatusZero() {
        ui::Pin pin;
        app::showStartupWindow(pin);
        QTRY_COMPARE(QApplication::focusWidget(), pin.findChild<QWidget*>(QStringLiteral("Text1")));
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible), 1);
        QCOMPARE(pin.windowTitle(), QStringLiteral("Quarnest－Tovrel"));
        // The gear: transparent corner, opaque metal on the rim.
        const QImage gear = pin.windowIcon().pixmap(32).toImage();
        QVERIFY(qAlpha(gear.pixel(0, 0)) == 0 && qAlpha(gear.pixel(16, 5)) > 0);
        const QPoint screenCentre = pin.screen()->availableGeometry().center();
        QVERIFY((pin.frameGeometry().center() - screenCentre).manhattanLength() <= 2);
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
