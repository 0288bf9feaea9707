// Outside Windows there is no registry, and no value names the System Information viewer.
#include "ui/about/memory_registry.h"

namespace sysinfo {

Registry& systemRegistry() {
    static MemoryRegistry emptyRegistry;
    return emptyRegistry;
}

} // namespace sysinfo
