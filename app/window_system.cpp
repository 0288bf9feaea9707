#include "app/window_system.h"

#include "app/identity.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>

namespace app {

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

QMessageBox::Icon iconOf(MessageStyle style) {
    return style == MessageStyle::Critical ? QMessageBox::Critical : QMessageBox::NoIcon;
}

} // namespace

QString applicationTitle() {
    return QStringView(identity::title).toString();
}

void showMessage(const QString& prompt, MessageStyle style) {
    QMessageBox box(iconOf(style), applicationTitle(), prompt, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void showStartupWindow(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           screen->availableGeometry()));
    window.show();
    if (QWidget* first = firstFocusableControl(window)) {
        first->setFocus(Qt::OtherFocusReason);
    }
}

void showModal(QDialog& dialog, QWidget& owner) {
    if (dialog.parentWidget() != &owner) {
        dialog.setParent(&owner, dialog.windowFlags());
    }
    // The dialog's frame is not known before it is shown; the owner's frame is the best guess
    // of its size, as both are windows of the same program.
    const QSize frameExtra = owner.frameGeometry().size() - owner.size();
    QRect frame(QPoint(), dialog.size() + frameExtra);
    frame.moveCenter(owner.frameGeometry().center());
    dialog.move(frame.topLeft());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}

} // namespace app
