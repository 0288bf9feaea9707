#pragma once

#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

// Arm it before what opens a modal window. In that window's own event loop it waits until the
// window is up with the keyboard focus inside it, as a user waits before typing, then notes what
// the user sees, runs `whileOpen` on it and, if it is still open, closes it with Esc.
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(QWidget&)> whileOpen = [](QWidget&) {});

    // Class and caption and, for a message box, icon, buttons and text, of the window that came
    // up; empty while none has.
    QStringList description;

private:
    QTimer timer_;
};

// The application title from the program's identity, which captions its windows and message boxes.
QString applicationTitle();

// Presses the keys of a sequence such as "Tab, Return", each where the focus is at that moment.
void pressKeys(const QString& keys);

// Defined by each window test program: its Qt Test object, which the shared main runs.
std::unique_ptr<QObject> makeWindowTest();
