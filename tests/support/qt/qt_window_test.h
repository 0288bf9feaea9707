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

    // Class and caption and, for a message box, icon, the buttons' words and text, of the window
    // that came up; empty while none has.
    QStringList description;

private:
    QTimer timer_;
};

// The application title from the program's identity, which captions its windows and message boxes.
QString applicationTitle();

// Presses the keys of a sequence such as "Tab, Return", each where the focus is at that moment.
void pressKeys(const QString& keys);

// Types each character where the focus is at that moment, '|' as Tab and '\r' as Enter:
// "12|+0.018|0\r".
void typeKeys(const QString& typed);

// Defined by each window test program: its Qt Test object, which the shared main runs.
std::unique_ptr<QObject> makeWindowTest();

// Turns Qt's accessibility on, as a screen reader's first request does, and notes every event Qt
// sends a screen reader while it lives: the event's type, the role of its object and its name or,
// for a value change, the value.
class HeardEvents {
public:
    HeardEvents();
    ~HeardEvents();

    static inline QStringList heard;
};

// How a screen reader knows the control `name` of `window`: role, name, description and, after
// "|", the name of the first caption that labels it.
QString accessibleSummary(const QWidget& window, const char* name);
