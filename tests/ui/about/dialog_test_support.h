#pragma once

#include "app/application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <memory>

// Runs the test object under the program's own QApplication, so that the dialog gets the
// program's fonts and icon.
#define DIALOG_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char** argv) {                                                              \
        app::Application application(argc, argv);                                                  \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

namespace dialog_test {

// The control `name` of `dialog`; a missing one ends the test run with its name.
template <typename Control = QWidget>
Control& control(QWidget& dialog, const char* name) {
    auto* found = dialog.findChild<Control*>(QLatin1String(name));
    if (!found) {
        qFatal("no control %s of kind %s", name, Control::staticMetaObject.className());
    }
    return *found;
}

// Calls `action` with the next modal window, other than `beneath`, once it is up and active.
// Schedule it before the call that opens the window: that call returns only when the window has
// closed. Whatever the action leaves open is closed afterwards, and a window that never comes up
// is given up after a few seconds, so that a failing test ends instead of hanging.
inline void whenModalOpens(std::function<void(QWidget&)> action, const QWidget* beneath = nullptr) {
    constexpr int giveUpAfterMs = 5000;
    auto* poll = new QTimer(qApp);
    auto waited = std::make_shared<QElapsedTimer>();
    waited->start();
    QObject::connect(poll, &QTimer::timeout, poll, [=, action = std::move(action)] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        const bool up = modal && modal != beneath && modal->isActiveWindow();
        if (!up && waited->elapsed() < giveUpAfterMs) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        if (up) {
            action(*modal);
        }
        if (modal && modal != beneath && modal->isVisible()) {
            modal->close();
        }
    });
    poll->start(10);
}

} // namespace dialog_test
