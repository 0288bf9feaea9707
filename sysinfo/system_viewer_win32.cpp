#include "sysinfo/viewer.h"

namespace sysinfo {

ViewerPath systemViewer() {
    return registeredViewer(platform::systemRegistry(), platform::systemPrograms());
}

} // namespace sysinfo
