#include "ui/shell/window_system.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWindow>

namespace ui::shell {

namespace {

QWidget* firstFocusableControl(QWidget& window) {
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (window.isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(&window)) {
            return w;
        }
    }
    return nullptr;
}

// Places the window so that its frame, as far as the window system knows it now, stands centred
// on its screen. The place is given for the client area: a window manager that has just framed
// the window may still be telling Qt where the frame is.
void centreFrameOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QMargins margins = window.windowHandle()->frameMargins();
    QRect frame(QPoint(), window.size().grownBy(margins));
    frame.moveCenter(screen->availableGeometry().center());
    window.setGeometry(frame.marginsRemoved(margins));
}

// Where a window manager draws the frame, its size is known only once the window has been
// framed, which is before its first exposure: centres the window again then, once.
class CentreWhenFramed : public QObject {
public:
    explicit CentreWhenFramed(QWidget& window) : QObject(&window), window_(window) {
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            centreFrameOnScreen(window_);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};

QMessageBox::Icon iconOf(MessageStyle style) {
    return style == MessageStyle::Critical ? QMessageBox::Critical : QMessageBox::NoIcon;
}

} // namespace

QString withApplicationTitle(const QString& designed) {
    return designed.arg(QCoreApplication::applicationName());
}

void showMessage(const QString& prompt, MessageStyle style) {
    QMessageBox box(iconOf(style), QCoreApplication::applicationName(), prompt, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void showStartupWindow(QWidget& window) {
    // Windows knows the frame as soon as the native window exists.
    window.winId();
    centreFrameOnScreen(window);
    new CentreWhenFramed(window);
    window.show();
    if (QWidget* first = firstFocusableControl(window)) {
        first->setFocus(Qt::OtherFocusReason);
    }
}

void showModal(QDialog& dialog, QWidget& owner) {
    if (dialog.parentWidget() != &owner) {
        dialog.setParent(&owner, dialog.windowFlags());
    }
    // Elsewhere the dialog's frame is known only once it is shown, and the owner's frame is the
    // best guess of it. Windows knows it as soon as the native window exists, and frames a dialog
    // unlike its owner.
    QMargins margins = owner.window()->windowHandle()->frameMargins();
    if (QGuiApplication::platformName() == QLatin1String("windows")) {
        dialog.winId();
        margins = dialog.windowHandle()->frameMargins();
    }
    QRect frame(QPoint(), dialog.size().grownBy(margins));
    frame.moveCenter(owner.window()->frameGeometry().center());
    dialog.move(frame.topLeft());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}

bool isEnterKeyPress(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void useEtchedFrames(QWidget& window, std::initializer_list<QWidget*> frames) {
    QStyle* frameStyle = QStyleFactory::create(QStringLiteral("Windows"));
    if (frameStyle == nullptr) {
        return;
    }
    frameStyle->setParent(&window);
    for (QWidget* frame : frames) {
        frame->setStyle(frameStyle);
    }
}

} // namespace ui::shell
