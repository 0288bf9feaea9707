#include "ui/about/start_sys_info.h"

#include "ui/about/get_key_value.h"

#include <string>
#include <utility>

namespace sysinfo {

namespace {

constexpr std::u16string_view sysInfoUnavailableMessage = u"此时系统信息不可用";

bool tryStartSysInfo(Registry& registry, Programs& programs) {
    std::u16string SysInfoPath;
    // The full path of the viewer, started as it is, without looking for the file first.
    if (!GetKeyValue(registry, hkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                     "PATH", SysInfoPath)) {
        // Else the folder that holds the viewer.
        if (!GetKeyValue(registry, hkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                         "MSINFO", SysInfoPath)) {
            return false;
        }
        std::u16string viewer = SysInfoPath + u"\\MSINFO32.EXE";
        if (!programs.isPlainFile(viewer)) {
            return false;
        }
        SysInfoPath = std::move(viewer);
    }
    programs.start(SysInfoPath);
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
