#include "sysinfo/get_key_value.h"
#include "sysinfo/viewer.h"

namespace sysinfo {

ViewerPath registeredViewer(platform::Registry& registry, platform::Programs& programs) {
    std::u16string viewerPath;
    if (GetKeyValue(registry, platform::hkeyLocalMachine,
                    "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", viewerPath)) {
        return viewerPath;
    }
    if (!GetKeyValue(registry, platform::hkeyLocalMachine,
                     "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", viewerPath)) {
        return std::nullopt;
    }
    // Joined as it is, so a folder that ends in a backslash gives two of them.
    std::u16string viewerInFolder = viewerPath + u"\\MSINFO32.EXE";
    if (!programs.isPlainFile(viewerInFolder)) {
        return std::nullopt;
    }
    return viewerInFolder;
}

} // namespace sysinfo
