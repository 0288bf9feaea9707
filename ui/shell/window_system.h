#pragma once

#include <QString>
#include <Qt>
#include <initializer_list>

class QDialog;
class QEvent;
class QWidget;

// The few window-system operations whose behaviour the program relies on beyond what Qt says
// plainly: how windows are first placed, how a modal window is shown over its owner, and the
// message box that always carries the application title.
namespace ui::shell {

// The flags of the program's top-level windows: a title bar with system menu, close and minimize
// buttons and no maximize button; on Windows a fixed border that does not size.
inline constexpr Qt::WindowFlags fixedWindowFlags =
    Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
    Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// Draws the window's group frames as plain etched frames, alike on every platform, on whose
// background the opaque labels inside sit without showing their boxes. The controls inside keep
// the platform's style.
void useEtchedFrames(QWidget& window, std::initializer_list<QWidget*> frames);

// Whether the event is a press of Enter, on the main keyboard or the keypad, whatever the
// modifiers.
bool isEnterKeyPress(const QEvent* event);

// Values of the message-box style the handlers pass.
enum class MessageStyle {
    OkOnly = 0,   // OK button, no icon
    Critical = 16 // stop icon, OK button
};

// The designed text with the application title, the application's name as the start-up set it, in
// place of its "%1": the windows' captions name the program as its message boxes do.
QString withApplicationTitle(const QString& designed);

// Shows a modal message box over the active window and returns when the user has dismissed it.
// Its caption is the application title, the application's name as the start-up set it.
void showMessage(const QString& prompt, MessageStyle style);

// Shows the start-up window centred on its screen by its whole frame, title bar included,
// modeless, with the focus on the first control of its tab chain that takes the focus.
void showStartupWindow(QWidget& window);

// Shows the dialog modally over its owner, centred over the owner wherever it stands now, and
// returns once the dialog has been closed. The owner takes no input meanwhile.
void showModal(QDialog& dialog, QWidget& owner);

} // namespace ui::shell
