#pragma once

class QGuiApplication;

namespace app {

// Gives the application object the program's identity: its title, which captions every message
// box, its version, which the About dialog shows, its desktop name and the gear icon of both
// windows.
void applyIdentity(QGuiApplication& application);

} // namespace app
