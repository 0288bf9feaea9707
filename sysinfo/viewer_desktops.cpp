#include "sysinfo/viewer.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace sysinfo {

namespace {

namespace fs = std::filesystem;

// The programs that open straight onto the system's information when started without arguments:
// KDE's Info Center, then HardInfo2 and the older HardInfo that it carries on, which run on any
// desktop. GNOME's and Cinnamon's pages are panels of their settings programs that need an
// argument to be chosen, and the viewer is started with none.
constexpr std::array<std::string_view, 3> desktopViewers = {"kinfocenter", "hardinfo2", "hardinfo"};

bool isExecutableFile(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    constexpr fs::perms executable =
        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return fs::is_regular_file(status) && (status.permissions() & executable) != fs::perms::none;
}

} // namespace

ViewerPath desktopViewer(std::string_view searchPath) {
    for (const std::string_view name : desktopViewers) {
        for (std::size_t start = 0; start <= searchPath.size();) {
            const std::size_t end = std::min(searchPath.find(':', start), searchPath.size());
            const fs::path folder(searchPath.substr(start, end - start));
            start = end + 1;
            // A relative folder, the empty one included, would make the choice depend on the
            // current folder.
            if (folder.is_absolute() && isExecutableFile(folder / name)) {
                return (folder / name).u16string();
            }
        }
    }
    return std::nullopt;
}

} // namespace sysinfo
