// The window-system operations every window relies on: the message box and where the start-up
// window stands. Also run under a real window manager, which draws a title bar of its own.
#include "tests/support/qt/qt_modal_watch.h"
#include "tests/support/qt/qt_window_test.h"
#include "ui/shell/window_system.h"

#include <QLineEdit>
#include <QScreen>
#include <QTest>

class WindowSystemTest : public QObject {
    Q_OBJECT

private slots:
    // Style 0: OK only, no icon. Style 16 shows with the main window's rejections.
    void messageBoxCarriesTheTitleAndOkOnly() {
        const ModalWatch watch;
        ui::shell::showMessage(QStringLiteral("此时系统信息不可用"),
                               ui::shell::MessageStyle::OkOnly);
        QCOMPARE(watch.description(),
                 (QStringList{"QMessageBox", "Tovrel", "NoIcon", "Ok", "此时系统信息不可用"}));
    }

    void startUpWindowStandsCentredByItsWholeFrame() {
        QWidget window;
        window.setFixedSize(689, 379);
        (new QWidget(&window))->setFocusPolicy(Qt::NoFocus);
        auto* first = new QLineEdit(&window);
        new QLineEdit(&window);
        ui::shell::showStartupWindow(window);
        QTRY_COMPARE(QApplication::focusWidget(), first);
        const QPoint screenCentre = window.screen()->availableGeometry().center();
        QTRY_VERIFY2((window.frameGeometry().center() - screenCentre).manhattanLength() <= 1,
                     qPrintable(QStringLiteral("frame %1,%2 %3x%4, title bar %5 px high")
                                    .arg(window.frameGeometry().x())
                                    .arg(window.frameGeometry().y())
                                    .arg(window.frameGeometry().width())
                                    .arg(window.frameGeometry().height())
                                    .arg(window.geometry().y() - window.frameGeometry().y())));
    }
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<WindowSystemTest>();
}

#include "window_system_test.moc"
