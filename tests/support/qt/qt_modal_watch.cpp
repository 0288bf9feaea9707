#include "tests/support/qt/qt_modal_watch.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPointer>
#include <QTest>

namespace {

// A window manager may give the focus a while after it has shown the window.
constexpr int pollMilliseconds = 10;
constexpr int ticksToWaitForFocus = 500;

template <typename Enum>
QString keyOf(int value) {
    return QString::fromLatin1(QMetaEnum::fromType<Enum>().valueToKey(value));
}

} // namespace

ModalWatch::ModalWatch(std::function<void(QWidget&)> whileOpen) : whileOpen_(std::move(whileOpen)) {
    timer_.callOnTimeout([this] { poll(); });
    timer_.start(pollMilliseconds);
}

void ModalWatch::poll() {
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    if (!modal || !description_.isEmpty()) {
        return;
    }
    const bool focused = modal->isActiveWindow() && modal->isAncestorOf(qApp->focusWidget());
    if (!focused && ++ticksWithoutFocus_ < ticksToWaitForFocus) {
        return;
    }
    description_ = QStringList{modal->metaObject()->className(), modal->windowTitle()};
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        description_ << keyOf<QMessageBox::Icon>(box->icon())
                     << keyOf<QMessageBox::StandardButtons>(box->standardButtons().toInt())
                     << box->text();
    }
    if (!focused) {
        description_ << QStringLiteral("(the focus never came into it)");
    }
    timer_.stop();
    if (whileOpen_) {
        whileOpen_(*modal);
    }
    if (modal && modal->isVisible()) {
        QTest::keyClick(qApp->focusWidget() ? qApp->focusWidget() : modal.data(), Qt::Key_Escape);
    }
}
