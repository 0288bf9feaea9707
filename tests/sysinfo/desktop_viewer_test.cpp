// The launcher on a system without a registry, starting programs of our own planted in two
// folders of a search path of our own. A planted viewer notes the path it was started with.
#include "sysinfo/start_sys_info.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace sysinfo {
namespace {

namespace fs = std::filesystem;

enum Kind { viewer, notExecutable, folder, notAProgram };

struct Planted {
    const char* path; // below the test's folder: "a/..." or "b/..."
    Kind kind;
};

struct DesktopRow {
    const char* name;
    std::vector<Planted> planted;
    const char* expectedStart; // the planted viewer started, or none for the message
};

const DesktopRow desktopRows[] = {
    {"ListOrderBeforePathOrder",
     {{"a/hardinfo", viewer}, {"b/kinfocenter", viewer}},
     "b/kinfocenter"},
    {"FirstFolderOfPath", {{"a/hardinfo2", viewer}, {"b/hardinfo2", viewer}}, "a/hardinfo2"},
    {"NotExecutableSkipped",
     {{"a/kinfocenter", notExecutable}, {"b/hardinfo", viewer}},
     "b/hardinfo"},
    {"FolderSkipped", {{"a/kinfocenter", folder}, {"b/kinfocenter", viewer}}, "b/kinfocenter"},
    {"NoneFound", {{"a/msinfo32", viewer}}, nullptr},
    {"StartFails", {{"a/kinfocenter", notAProgram}, {"b/hardinfo", viewer}}, nullptr},
};

class SysInfoOnDesktops : public testing::TestWithParam<DesktopRow> {
protected:
    void TearDown() override { fs::remove_all(root); }

    void plant(const Planted& planted) const {
        const fs::path file = root / planted.path;
        fs::create_directories(file.parent_path());
        if (planted.kind == folder) {
            fs::create_directory(file);
        } else if (planted.kind == notAProgram) {
            std::ofstream(file) << "no program\n";
        } else {
            fs::copy_file(FAKE_VIEWER, file);
        }
        fs::permissions(file, planted.kind == notExecutable ? fs::perms(0644) : fs::perms(0755));
    }

    const fs::path root = fs::temp_directory_path() /
                          ("quarnest-viewers-" + std::to_string(getpid()) + "-" + GetParam().name);
    const fs::path note = root / "started.txt";
};

TEST_P(SysInfoOnDesktops, StartsTheFirstViewerFound) {
    const DesktopRow& row = GetParam();
    for (const Planted& planted : row.planted) {
        plant(planted);
    }
    setenv("QUARNEST_VIEWER_NOTE", note.c_str(), 1);
    const std::string searchPath = (root / "a").string() + ":" + (root / "b").string();
    std::vector<std::u16string> messages;

    StartSysInfo([&] { return desktopViewer(searchPath); }, platform::systemPrograms(),
                 [&messages](std::u16string_view message) { messages.emplace_back(message); });

    const std::vector<std::u16string> unavailable{u"此时系统信息不可用"};
    ASSERT_EQ(messages, row.expectedStart ? std::vector<std::u16string>{} : unavailable);
    if (!row.expectedStart) {
        EXPECT_FALSE(fs::exists(note));
        return;
    }
    for (int i = 0; i < 600 && !fs::exists(note); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::string startedAs;
    std::getline(std::ifstream(note), startedAs);
    EXPECT_EQ(startedAs, (root / row.expectedStart).string());
}

INSTANTIATE_TEST_SUITE_P(Rows, SysInfoOnDesktops, testing::ValuesIn(desktopRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SysInfoWithoutRegistry, FindsNoRegisteredViewer) {
    EXPECT_EQ(registeredViewer(platform::systemRegistry(), platform::systemPrograms()),
              std::nullopt);
}

} // namespace
} // namespace sysinfo
