// The Windows lookup of the viewer on the real registry and file system, under Wine in the cross
// build's own prefix only, as it sets and deletes the machine's launcher values. Here the viewer
// is found through the "MSINFO" folder value, which names a folder in Chinese that the registry
// hands back in code page 936. The "PATH" value, and starting the viewer by its whole path, are
// left to tests/windows/end_to_end.sh, which runs the whole program.
#include "sysinfo/viewer.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <windows.h>

namespace fs = std::filesystem;

TEST(SysInfoOnWindows, FindsOnlyAPlainViewerInTheRegisteredFolder) {
    // Wine's ntdll has this function, Windows' own does not: never change a real machine's values.
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) {
        GTEST_SKIP() << "changes HKEY_LOCAL_MACHINE; runs only in a Wine prefix of the build";
    }
    ASSERT_EQ(GetACP(), 936U) << "run with LC_ALL=zh_CN.UTF-8 (locale generated)";
    const fs::path folder =
        fs::temp_directory_path() / (L"quarnest-工具" + std::to_wstring(GetCurrentProcessId()));
    const fs::path viewer = folder / "MSINFO32.EXE";
    fs::create_directory(folder);
    fs::copy_file(FAKE_VIEWER, viewer);
    const auto folderKey = L"SOFTWARE\\Microsoft\\Shared Tools Location";
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH");
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, folderKey, L"MSINFO", REG_SZ, folder.c_str(),
                    static_cast<DWORD>((folder.native().size() + 1) * sizeof(wchar_t)));
    for (DWORD attributes : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_NORMAL}) {
        SCOPED_TRACE(attributes);
        SetFileAttributesW(viewer.c_str(), attributes);
        EXPECT_EQ(sysinfo::systemViewer(), attributes == FILE_ATTRIBUTE_NORMAL
                                               ? sysinfo::ViewerPath(viewer.u16string())
                                               : std::nullopt);
    }
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, folderKey, L"MSINFO");
    fs::remove_all(folder);
}
