#pragma once

#include "ui/about/programs.h"
#include "ui/about/registry.h"

#include <functional>
#include <string_view>

namespace sysinfo {

// Shows a message to the user and returns when it has been dismissed.
using ShowMessage = std::function<void(std::u16string_view message)>;

// Starts the System Information viewer found through the registry, without waiting for it, or
// shows "此时系统信息不可用" when it cannot, whatever the reason.
void StartSysInfo(Registry& registry, Programs& programs, const ShowMessage& showMessage);

} // namespace sysinfo
