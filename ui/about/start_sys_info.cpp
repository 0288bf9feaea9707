#include "ui/about/start_sys_info.h"

#include "ui/about/get_key_value.h"

#include <string>
#include <utility>

namespace sysinfo {

namespace {

constexpr std::u16string_view sysInfoUnavailableMessage = u"此时系统信息不可用";

bool tryStartSysInfo(Registry& registry, Programs& programs) {
    std::u16string viewerPath;
    // The full path of the viewer, started as it is, without looking for the file first.
    if (!GetKeyValue(registry, hkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                     "PATH", viewerPath)) {
        // Else the folder that holds the viewer.
        if (!GetKeyValue(registry, hkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                         "MSINFO", viewerPath)) {
            return false;
        }
        std::u16string viewerInFolder = viewerPath + u"\\MSINFO32.EXE";
        if (!programs.isPlainFile(viewerInFolder)) {
            return false;
        }
        viewerPath = std::move(viewerInFolder);
    }
    programs.start(viewerPath);
    return true;
}

} // namespace

void StartSysInfo(Registry& registry, Programs& programs, const ShowMessage& showMessage) {
    bool started = false;
    try {
        started = tryStartSysInfo(registry, programs);
    } catch (...) {
        // Every failure, whatever raised it, gets the same answer below.
    }
    if (!started) {
        showMessage(sysInfoUnavailableMessage);
    }
}

} // namespace sysinfo
