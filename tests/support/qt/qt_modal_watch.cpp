#include "app/identity.h"
#include "tests/support/qt/qt_window_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

ModalWatch::ModalWatch(std::function<void(QWidget&)> whileOpen) {
    // A window manager may give the focus a while after it has shown the window: up to 5 s.
    timer_.callOnTimeout([this, whileOpen = std::move(whileOpen), ticksWithoutFocus = 0]() mutable {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (!modal || (!modal->isAncestorOf(qApp->focusWidget()) && ++ticksWithoutFocus < 500)) {
            return;
        }
        timer_.stop();
        description = QStringList{modal->metaObject()->className(), modal->windowTitle()};
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            description << QVariant::fromValue(box->icon()).toString();
            for (const QAbstractButton* button : box->buttons()) {
                description << button->text();
            }
            description << box->text();
        }
        whileOpen(*modal);
        if (modal && modal->isVisible()) {
            QTest::keyClick(modal.data(), Qt::Key_Escape);
        }
    });
    timer_.start(10);
}

void pressKeys(const QString& keys) {
    for (const QString& key : keys.split(", ")) {
        QTest::keySequence(qApp->focusWidget(), QKeySequence(key));
    }
}

void typeKeys(const QString& typed) {
    for (const QChar c : typed) {
        QTest::keyClick(qApp->focusWidget(), c == u'|' ? '\t' : c.toLatin1());
    }
}

QString applicationTitle() {
    return QStringView(app::identity::title).toString();
}
