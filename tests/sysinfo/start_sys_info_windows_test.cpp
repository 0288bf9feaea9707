// The launcher from end to end on Windows, under Wine in the cross build's own prefix, where it
// sets and deletes the launcher's two registry values. Our fake viewer stands as MSINFO32.EXE in a
// folder whose name holds a blank and Chinese text, which the registry hands back in code page
// 936; a decoy "My.exe" stands where an unquoted command line would be searched first.
#include "sysinfo/start_sys_info.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <windows.h>

namespace sysinfo {
namespace {

namespace fs = std::filesystem;

const wchar_t* const pathKey = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const wchar_t* const folderKey = L"SOFTWARE\\Microsoft\\Shared Tools Location";

struct EndToEndRow {
    const char* name;
    const wchar_t* registeredIn; // the key whose value names the viewer, or its folder; or none
    bool hidden;
    bool expectedStart;
};

// Wine's ntdll says so; Windows' own does not have this function.
bool runsUnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

class SysInfoOnWindows : public testing::TestWithParam<EndToEndRow> {
protected:
    // The test overwrites and deletes the machine's own launcher values: never on a real system.
    void SetUp() override {
        if (!underWine) {
            GTEST_SKIP() << "changes HKEY_LOCAL_MACHINE; runs only in a Wine prefix of the build";
        }
    }

    void TearDown() override {
        if (!underWine) {
            return;
        }
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, pathKey, L"PATH");
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, folderKey, L"MSINFO");
        // A program that has just run may hold its file for a moment.
        std::error_code error;
        for (int i = 0; i < 100 && fs::remove_all(folder, error) == std::uintmax_t(-1); ++i) {
            Sleep(100);
        }
        EXPECT_FALSE(error) << "could not remove " << folder;
    }

    const bool underWine = runsUnderWine();
    const fs::path folder =
        fs::temp_directory_path() / ("quarnest-sysinfo-" + std::to_string(GetCurrentProcessId()));
    const fs::path viewer = folder / L"My 工具" / "MSINFO32.EXE";
    const fs::path note = folder / "started.txt"; // where the started program notes its path
};

TEST_P(SysInfoOnWindows, StartsOnlyTheRegisteredViewer) {
    const EndToEndRow& row = GetParam();
    ASSERT_EQ(GetACP(), 936U) << "run with LC_ALL=zh_CN.UTF-8 (locale generated)";
    // The decoy must be the first place an unquoted command line is searched.
    ASSERT_EQ(folder.wstring().find(L' '), std::wstring::npos) << folder;
    fs::create_directories(viewer.parent_path());
    fs::copy_file(FAKE_VIEWER, viewer);
    fs::copy_file(FAKE_VIEWER, folder / "My.exe");
    SetEnvironmentVariableW(L"QUARNEST_VIEWER_NOTE", note.c_str());
    if (row.registeredIn) {
        const bool asPath = row.registeredIn == pathKey;
        const std::wstring path = asPath ? viewer : viewer.parent_path();
        ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, row.registeredIn,
                                  asPath ? L"PATH" : L"MSINFO", REG_SZ, path.c_str(),
                                  static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    if (row.hidden) {
        ASSERT_TRUE(SetFileAttributesW(viewer.c_str(), FILE_ATTRIBUTE_HIDDEN));
    }
    std::vector<std::u16string> messages;

    StartSysInfo(systemViewer, platform::systemPrograms(),
                 [&messages](std::u16string_view message) { messages.emplace_back(message); });

    EXPECT_EQ(messages, row.expectedStart ? std::vector<std::u16string>{}
                                          : std::vector<std::u16string>{u"此时系统信息不可用"});
    if (row.expectedStart) {
        for (int i = 0; i < 600 && !fs::exists(note); ++i) {
            Sleep(50);
        }
        std::string startedAs;
        std::getline(std::ifstream(note), startedAs);
        // The decoy, or the viewer under an unquoted command line, notes ...\My.
        EXPECT_TRUE(startedAs.ends_with("\\MSINFO32.EXE")) << startedAs;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SysInfoOnWindows,
                         testing::Values(EndToEndRow{"FoundThroughPathValue", pathKey, false, true},
                                         EndToEndRow{"FoundInFolderValue", folderKey, false, true},
                                         EndToEndRow{"HiddenNotFound", folderKey, true, false},
                                         EndToEndRow{"NothingRegistered", nullptr, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace sysinfo
