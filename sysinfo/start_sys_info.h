#pragma once

#include "platform/programs.h"
#include "sysinfo/viewer.h"

#include <functional>
#include <string_view>

namespace sysinfo {

// Finds the System Information viewer; systemViewer in the program.
using FindViewer = std::function<ViewerPath()>;

// Shows a message to the user and returns when it has been dismissed.
using ShowMessage = std::function<void(std::u16string_view message)>;

// Starts the viewer that `findViewer` names, by its exact path and without waiting for it, or
// shows "此时系统信息不可用" when there is none or it cannot be started, whatever the reason.
void StartSysInfo(const FindViewer& findViewer, platform::Programs& programs,
                  const ShowMessage& showMessage);

} // namespace sysinfo
