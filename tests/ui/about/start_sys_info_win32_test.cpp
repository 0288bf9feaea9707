// The launcher from end to end on Windows (run under Wine in the cross build): the registry
// values it looks for, a viewer of our own that notes how it was started, and a decoy where an
// unquoted command line would be searched first.
#include "saved_registry_value.h"
#include "ui/about/start_sys_info.h"
#include "wait_for_file.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <thread>
#include <vector>
#include <windows.h>

namespace sysinfo::test {
namespace {

namespace fs = std::filesystem;

fs::path ownFolder() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return fs::path(path).parent_path();
}

// How the viewer finds its command line when started with its path quoted.
std::string quotedCommandLine(const std::wstring& path) {
    std::string line = fs::path(path).string();
    line.insert(line.begin(), '"');
    line.push_back('"');
    return line;
}

class LauncherOnWindows : public testing::Test {
protected:
    void SetUp() override {
        fs::path temp = fs::temp_directory_path();
        // The decoy below must be the first place an unquoted search looks.
        ASSERT_EQ(temp.wstring().find(L' '), std::wstring::npos) << temp;
        folder = temp / ("quarnest-sysinfo-" + std::to_string(GetCurrentProcessId()));
        tools = folder / "My Tools";
        viewer = tools.wstring() + L"\\MSINFO32.EXE";
        fs::remove_all(folder);
        fs::create_directories(tools);
        fs::copy_file(ownFolder() / "fake_viewer.exe", viewer);
        fs::copy_file(ownFolder() / "fake_viewer.exe", folder / "My.exe");

        pathValue.emplace(L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH");
        folderValue.emplace(L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO");
        pathValue->remove();
        folderValue->remove();
    }

    void TearDown() override {
        pathValue.reset();
        folderValue.reset();
        removeFolder();
    }

    // A viewer that was just started may still hold its file for a moment.
    void removeFolder() const {
        using namespace std::chrono_literals;
        std::error_code error;
        for (int attempt = 0; attempt < 100; ++attempt) {
            fs::remove_all(folder, error);
            if (!fs::exists(folder)) {
                return;
            }
            std::this_thread::sleep_for(100ms);
        }
        ADD_FAILURE() << "could not remove " << folder;
    }

    void startSysInfo() {
        StartSysInfo(systemRegistry(), systemPrograms(),
                     [this](std::u16string_view message) { messages.emplace_back(message); });
    }

    std::optional<std::string> viewerStart() const { return waitForFile(tools / "started.txt"); }
    bool decoyStarted() const { return fs::exists(folder / "started.txt"); }
    std::vector<std::u16string> unavailable() const { return {u"此时系统信息不可用"}; }

    fs::path folder;
    fs::path tools;
    std::wstring viewer;
    std::optional<SavedRegistryValue> pathValue;
    std::optional<SavedRegistryValue> folderValue;
    std::vector<std::u16string> messages;
};

TEST_F(LauncherOnWindows, StartsTheViewerNamedByThePathValue) {
    ASSERT_TRUE(pathValue->setText(viewer));

    startSysInfo();

    EXPECT_EQ(viewerStart(), quotedCommandLine(viewer));
    EXPECT_FALSE(decoyStarted());
    EXPECT_TRUE(messages.empty());
}

TEST_F(LauncherOnWindows, StartsTheViewerInTheFolderValue) {
    ASSERT_TRUE(folderValue->setText(tools.wstring()));

    startSysInfo();

    EXPECT_EQ(viewerStart(), quotedCommandLine(viewer));
    EXPECT_FALSE(decoyStarted());
    EXPECT_TRUE(messages.empty());
}

TEST_F(LauncherOnWindows, StartsTheViewerInAFolderValueEndingInABackslash) {
    ASSERT_TRUE(folderValue->setText(tools.wstring() + L"\\"));

    startSysInfo();

    EXPECT_EQ(viewerStart(), quotedCommandLine(tools.wstring() + L"\\\\MSINFO32.EXE"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(LauncherOnWindows, DoesNotFindAHiddenOrSystemViewer) {
    ASSERT_TRUE(folderValue->setText(tools.wstring()));
    for (const DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        SCOPED_TRACE(attribute);
        ASSERT_TRUE(SetFileAttributesW(viewer.c_str(), attribute));
        messages.clear();

        startSysInfo();

        EXPECT_EQ(messages, unavailable());
    }
    EXPECT_FALSE(fs::exists(tools / "started.txt"));
}

TEST_F(LauncherOnWindows, ShowsTheMessageWithoutEitherValue) {
    startSysInfo();

    EXPECT_EQ(messages, unavailable());
}

TEST_F(LauncherOnWindows, ShowsTheMessageWhenThePathValueNamesNoFile) {
    ASSERT_TRUE(pathValue->setText(tools.wstring() + L"\\Missing.exe"));
    ASSERT_TRUE(folderValue->setText(tools.wstring()));

    startSysInfo();

    EXPECT_EQ(messages, unavailable());
    EXPECT_FALSE(decoyStarted());
}

// The hole the launcher avoids: the same path as an unquoted command line starts the decoy.
TEST_F(LauncherOnWindows, DecoyLiesWhereAnUnquotedCommandLineIsSearched) {
    std::wstring commandLine = viewer;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    EXPECT_TRUE(decoyStarted());
    EXPECT_FALSE(fs::exists(tools / "started.txt"));
}

} // namespace
} // namespace sysinfo::test
