// The program's start: the main window alone, with its title and the gear, and its end.
#include "tests/support/qt/qt_window_test.h"
#include "ui/pin/pin.h"
#include "ui/shell/window_system.h"

#include <QTest>
#include <QTimer>
#include <algorithm>

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void mainWindowShowsAloneAndClosingItEndsWithStatusZero() {
        ui::Pin pin;
        ui::shell::showStartupWindow(pin);
        QTRY_COMPARE(QApplication::focusWidget(), pin.findChild<QWidget*>(QStringLiteral("Text1")));
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible), 1);
        QCOMPARE(pin.windowTitle(), QStringLiteral("Quarnest－Tovrel"));
        // The gear, also at 200 %: transparent corner, opaque metal on the rim.
        for (const qreal ratio : {1.0, 2.0}) {
            const QImage gear = pin.windowIcon().pixmap(QSize(32, 32), ratio).toImage();
            QCOMPARE(gear.size(), QSize(32, 32) * ratio);
            QVERIFY(qAlpha(gear.pixel(0, 0)) == 0 && qAlpha(gear.pixel(gear.width() / 2, 5)) > 0);
        }
        QTimer::singleShot(0, &pin, &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
    }
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<StartupTest>();
}

#include "startup_test.moc"
