// The launcher on a system without a registry, finding our fake viewers planted in the two folders
// of a search path of our own: "a b" and the one that holds it. Besides each row's viewers there
// are, to be skipped, a folder "a b/kinfocenter" and a file "a b/hardinfo2" that may not be run,
// and a decoy "a" that a shell would start for anything in "a b". A viewer notes the path it was
// started as.
#include "sysinfo/start_sys_info.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <unistd.h>

using namespace sysinfo;
namespace fs = std::filesystem;

// Each row: its name, the two viewers planted, the one started.
const char* const desktopRows[][4] = {
    {"ListOrderBeforePathOrder", "a b/hardinfo", "hardinfo2", "hardinfo2"},
    {"KinfocenterFirst", "hardinfo2", "kinfocenter", "kinfocenter"},
    {"FirstFolderOfPath", "a b/hardinfo", "hardinfo", "a b/hardinfo"},
};

TEST(SysInfoOnDesktops, StartsTheFirstViewerFoundByItsWholePath) {
    const fs::path root = fs::temp_directory_path() / ("quarnest-" + std::to_string(getpid()));
    const fs::path note = root / "started.txt";
    setenv("QUARNEST_VIEWER_NOTE", note.c_str(), 1);
    for (const auto& [name, viewer, otherViewer, expectedStart] : desktopRows) {
        SCOPED_TRACE(name);
        fs::create_directories(root / "a b/kinfocenter");
        std::ofstream(root / "a b/hardinfo2") << "may not be run\n";
        for (const char* program : {"a", viewer, otherViewer}) {
            fs::copy_file(FAKE_VIEWER, root / program);
        }
        StartSysInfo([&] { return desktopViewer((root / "a b").string() + ":" + root.string()); },
                     platform::systemPrograms(),
                     [](std::u16string_view) { ADD_FAILURE() << "showed a message"; });
        for (int i = 0; i < 600 && !fs::exists(note); ++i) {
            usleep(50'000);
        }
        std::string startedAs;
        std::getline(std::ifstream(note), startedAs);
        EXPECT_EQ(startedAs, (root / expectedStart).string());
        fs::current_path(root); // where every row has a viewer for a relative folder to find
        EXPECT_EQ(desktopViewer(":.:a b"), std::nullopt);
        fs::remove_all(root);
    }
}

// No viewer, one that cannot be started, and a lookup that fails: each gets the message.
TEST(SysInfoOnDesktops, FailuresGetTheMessage) {
    const FindViewer failures[] = {[] { return desktopViewer("/nonexistent"); },
                                   [] { return u"/nonexistent/kinfocenter"; },
                                   []() -> ViewerPath { throw std::runtime_error("no PATH"); }};
    for (const FindViewer& findViewer : failures) {
        std::u16string message;
        StartSysInfo(findViewer, platform::systemPrograms(),
                     [&message](std::u16string_view shown) { message = shown; });
        EXPECT_EQ(message, u"此时系统信息不可用");
    }
}
