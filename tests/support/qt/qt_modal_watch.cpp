#include "tests/support/qt/qt_modal_watch.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPointer>
#include <QTest>

ModalWatch::ModalWatch(std::function<void(QWidget&)> whileOpen) : whileOpen_(std::move(whileOpen)) {
    timer_.callOnTimeout([this] { poll(); });
    timer_.start(10);
}

void ModalWatch::poll() {
    // A window manager may give the focus a while after it has shown the window: up to 5 s.
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    if (!modal || (!modal->isAncestorOf(qApp->focusWidget()) && ++ticksWithoutFocus_ < 500)) {
        return;
    }
    timer_.stop();
    description_ = QStringList{modal->metaObject()->className(), modal->windowTitle()};
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        description_ << QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon())
                     << QMetaEnum::fromType<QMessageBox::StandardButtons>().valueToKey(
                            box->standardButtons().toInt())
                     << box->text();
    }
    if (whileOpen_) {
        whileOpen_(*modal);
    }
    if (modal && modal->isVisible()) {
        QTest::keyClick(qApp->focusWidget() ? qApp->focusWidget() : modal.data(), Qt::Key_Escape);
    }
}

void pressKeys(const QString& keys) {
    const QKeySequence sequence(keys);
    for (int i = 0; i < sequence.count(); ++i) {
        QTest::keyClick(qApp->focusWidget(), sequence[i].key(), sequence[i].keyboardModifiers());
    }
}
