#include "sysinfo/start_sys_info.h"

namespace sysinfo {

namespace {

constexpr std::u16string_view sysInfoUnavailableMessage = u"此时系统信息不可用";

bool tryStartSysInfo(const FindViewer& findViewer, platform::Programs& programs) {
    const ViewerPath viewer = findViewer();
    if (!viewer) {
        return false;
    }
    programs.start(*viewer);
    return true;
}

} // namespace

void StartSysInfo(const FindViewer& findViewer, platform::Programs& programs,
                  const ShowMessage& showMessage) {
    bool started = false;
    try {
        started = tryStartSysInfo(findViewer, programs);
    } catch (...) {
        // Every failure, whatever raised it, gets the same answer below.
    }
    if (!started) {
        showMessage(sysInfoUnavailableMessage);
    }
}

} // namespace sysinfo
