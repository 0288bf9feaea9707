#pragma once

#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

// Arm it before what opens a modal window. In that window's own event loop it waits until the
// window is up with the keyboard focus inside it, as a user waits before typing, then notes what
// the user sees, runs `whileOpen` on it and, if it is still open, closes it with Esc.
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(QWidget&)> whileOpen = {});

    // Class and caption and, for a message box, icon, buttons and text, of the window that came
    // up; empty while none has.
    const QStringList& description() const { return description_; }

private:
    void poll();

    std::function<void(QWidget&)> whileOpen_;
    QStringList description_;
    QTimer timer_;
    int ticksWithoutFocus_ = 0;
};

// Presses the keys of a sequence such as "Tab, Return", each where the focus is at that moment.
void pressKeys(const QString& keys);
