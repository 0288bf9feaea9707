#pragma once

#include <QString>

class QDialog;
class QWidget;

// The few window-system operations whose behaviour the program relies on beyond what Qt says
// plainly: how windows are first placed, how a modal window is shown over its owner, and the
// message box that always carries the application title.
namespace app {

// Values of the message-box style the handlers pass.
enum class MessageStyle {
    OkOnly = 0,   // OK button, no icon
    Critical = 16 // stop icon, OK button
};

// The application title as a QString, the caption of every message box.
QString applicationTitle();

// Shows a modal message box captioned with the application title over the active window and
// returns when the user has dismissed it.
void showMessage(const QString& prompt, MessageStyle style);

// Shows the start-up window centred on its screen, modeless, with the focus on the first control
// of its tab chain that takes the focus.
void showStartupWindow(QWidget& window);

// Shows the dialog modally over its owner, centred over the owner wherever it stands now, and
// returns once the dialog has been closed. The owner takes no input meanwhile.
void showModal(QDialog& dialog, QWidget& owner);

} // namespace app
