#pragma once

#include "platform/programs.h"
#include "platform/registry.h"

#include <optional>
#include <string>
#include <string_view>

namespace sysinfo {

// Where the System Information viewer is: the program file to start, or nothing when the system
// names none. A lookup may throw; the launcher answers that as it answers a missing viewer.
using ViewerPath = std::optional<std::u16string>;

// Windows names the viewer in the registry: the "PATH" value of its key, taken as read without
// looking for the file; else the folder in the "MSINFO" value followed by "\MSINFO32.EXE", when
// that is a plain file.
ViewerPath registeredViewer(platform::Registry& registry, platform::Programs& programs);

// On other systems each desktop brings its own viewer: the first of them, in a fixed order, that
// is an executable file in an absolute folder of `searchPath` (folders separated by ':', as in
// PATH). Built for those systems only.
ViewerPath desktopViewer(std::string_view searchPath);

// The lookup of the system the program is built for.
ViewerPath systemViewer();

} // namespace sysinfo
