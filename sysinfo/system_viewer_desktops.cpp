#include "sysinfo/viewer.h"

#include <cstdlib>

namespace sysinfo {

ViewerPath systemViewer() {
    const char* searchPath = std::getenv("PATH");
    return desktopViewer(searchPath ? searchPath : "");
}

} // namespace sysinfo
