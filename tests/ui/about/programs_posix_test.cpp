#include "reader_cases.h"
#include "ui/about/memory_registry.h"
#include "ui/about/programs.h"
#include "ui/about/start_sys_info.h"
#include "wait_for_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <system_error>

namespace sysinfo::test {
namespace {

namespace fs = std::filesystem;

class PosixProgramsTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "sysinfo-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    static void createFile(const fs::path& file) { std::ofstream(file) << "x"; }

    // The viewer in a folder whose name means something to a shell.
    fs::path placeViewer() {
        const fs::path tools = folder / "My Tools $(touch pwned) & x";
        fs::create_directory(tools);
        fs::copy_file(FAKE_VIEWER, tools / "MSINFO32.EXE");
        return tools / "MSINFO32.EXE";
    }

    fs::path folder;
};

TEST_F(PosixProgramsTest, CountsOnlyRegularFilesWhoseNameIsNotHidden) {
    createFile(folder / "MSINFO32.EXE");
    createFile(folder / ".MSINFO32.EXE");
    fs::create_directory(folder / "Folder.EXE");
    fs::create_directory(folder / ".tools");
    createFile(folder / ".tools" / "MSINFO32.EXE");
    fs::create_symlink(folder / "MSINFO32.EXE", folder / "Link.EXE");

    Programs& programs = systemPrograms();
    EXPECT_TRUE(programs.isPlainFile((folder / "MSINFO32.EXE").u16string()));
    EXPECT_TRUE(programs.isPlainFile((folder / ".tools" / "MSINFO32.EXE").u16string()));
    EXPECT_TRUE(programs.isPlainFile((folder / "Link.EXE").u16string()));
    EXPECT_FALSE(programs.isPlainFile((folder / ".MSINFO32.EXE").u16string()));
    EXPECT_FALSE(programs.isPlainFile((folder / "Folder.EXE").u16string()));
    EXPECT_FALSE(programs.isPlainFile((folder / "Missing.EXE").u16string()));
    EXPECT_FALSE(programs.isPlainFile(u""));
}

TEST_F(PosixProgramsTest, FailsToStartWhatIsNoProgram) {
    createFile(folder / "NotExecutable.EXE");

    Programs& programs = systemPrograms();
    EXPECT_THROW(programs.start((folder / "Missing.EXE").u16string()), std::system_error);
    EXPECT_THROW(programs.start((folder / "NotExecutable.EXE").u16string()), std::system_error);
    EXPECT_THROW(programs.start(u""), std::system_error);
}

TEST_F(PosixProgramsTest, StartsExactlyTheNamedProgram) {
    const fs::path viewer = placeViewer();

    systemPrograms().start(viewer.u16string());

    EXPECT_EQ(waitForFile(viewer.parent_path() / "started.txt"), viewer.string());
    EXPECT_FALSE(fs::exists("pwned"));
}

TEST_F(PosixProgramsTest, LauncherStartsTheViewerFromThePathValue) {
    const fs::path viewer = placeViewer();
    MemoryRegistry registry;
    registry.setValue(hkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", regSz,
                      terminated(viewer.string()));
    std::vector<std::u16string> messages;

    StartSysInfo(registry, systemPrograms(),
                 [&messages](std::u16string_view message) { messages.emplace_back(message); });

    EXPECT_EQ(waitForFile(viewer.parent_path() / "started.txt"), viewer.string());
    EXPECT_TRUE(messages.empty());
}

TEST(SystemRegistry, HoldsNoViewerOutsideWindows) {
    std::vector<std::u16string> messages;

    StartSysInfo(systemRegistry(), systemPrograms(),
                 [&messages](std::u16string_view message) { messages.emplace_back(message); });

    EXPECT_EQ(messages, std::vector<std::u16string>{u"此时系统信息不可用"});
}

} // namespace
} // namespace sysinfo::test
