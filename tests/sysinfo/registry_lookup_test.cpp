// The registry value reader, and the launcher with the Windows lookup of the viewer, on the
// in-memory registry, whose keys grant reading only, as HKEY_LOCAL_MACHINE does to a standard user.
#include "sysinfo/get_key_value.h"
#include "sysinfo/start_sys_info.h"
#include "tests/support/memory_registry.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace sysinfo {
namespace {

using namespace platform;
using support::MemoryRegistry;

using namespace std::string_literals;
const auto rowName = [](const auto& info) { return std::string(info.param.name); };

enum Stored { noKey, keyOnly, lockedKey, withValue };

struct ReaderRow {
    const char* name;
    Stored stored;
    ValueType type;
    std::string data; // the value's bytes as the registry holds them
    bool expectedResult;
    std::u16string expectedText; // after a call with "abc"
};

const ReaderRow readerRows[] = {
    {"MissingKey", noKey, regSz, "", false, u""},
    {"MissingValue", keyOnly, regSz, "", false, u""},
    {"RefusedOpen", lockedKey, regSz, "", false, u""},
    {"TextWithoutTerminator", withValue, regSz, "C:\\Tools", true, u"C:\\Tools"},
    {"NoData", withValue, regSz, "", true, u""},
    {"Cp936Text", withValue, regSz, "\xCF\xB5\xCD\xB3\xB9\xA4\xBE\xDF\0"s, true, u"系统工具"},
    {"Fits1024", withValue, regSz, std::string(1023, 'x') + '\0', true, std::u16string(1023, 'x')},
    {"Over1024", withValue, regSz, std::string(1024, 'x') + '\0', false, u""},
    {"ExpandText", withValue, regExpandSz, "%SystemRoot%\0"s, true, u"abc"},
    {"DwordOnlyOneZeroDropped", withValue, regDword, "\xEF\xCD\x0B\0"s, true, u"&h0BCDEF"},
};

using SysInfoReader = testing::TestWithParam<ReaderRow>;
TEST_P(SysInfoReader, ReadsValueAsText) {
    const ReaderRow& row = GetParam();
    const std::string key = "SOFTWARE\\Kestrow reader test";
    MemoryRegistry registry;
    if (row.stored == withValue) {
        registry.setValue(hkeyLocalMachine, key, "Value", row.type, row.data);
    } else if (row.stored != noKey) {
        registry.addKey(hkeyLocalMachine, key, row.stored == lockedKey ? 0 : keyRead);
    }
    std::u16string text = u"abc";
    EXPECT_EQ(GetKeyValue(registry, hkeyLocalMachine, key, "Value", text), row.expectedResult);
    EXPECT_EQ(text, row.expectedText);
    EXPECT_EQ(registry.openKeyCount(), 0U);
}

INSTANTIATE_TEST_SUITE_P(Rows, SysInfoReader, testing::ValuesIn(readerRows), rowName);

struct LauncherRow {
    const char* name;
    const char* pathValue;   // "PATH", the viewer's full path, if set; started unchecked
    const char* folderValue; // "MSINFO", the folder that holds it; read only without "PATH"
    std::u16string expected; // each program started or tried, then the message if any
};

const std::u16string unavailable = u"此时系统信息不可用";
const LauncherRow launcherRows[] = {
    {"PathValueStarts", "C:\\Viewer\\v.exe", nullptr, u"C:\\Viewer\\v.exe;"},
    {"PathValueFailsToStart", "C:\\Gone.exe", "C:\\Viewer", u"C:\\Gone.exe;" + unavailable},
    {"NoValues", nullptr, nullptr, unavailable},
    {"FolderWithoutViewer", nullptr, "C:\\Empty", unavailable},
    {"FolderEndingInBackslashStarts", nullptr, "C:\\Viewer\\", u"C:\\Viewer\\\\MSINFO32.EXE;"},
    {"FolderViewerFailsToStart", nullptr, "C:\\Locked", u"C:\\Locked\\MSINFO32.EXE;" + unavailable},
    {"LookThrows", nullptr, "X:", unavailable},
};

// C:\Viewer holds programs that start, C:\Locked ones that may not; every look at X: fails.
struct SysInfoLauncher : testing::TestWithParam<LauncherRow>, Programs {
    bool isPlainFile(const std::u16string& path) override {
        if (path.starts_with(u"X:")) {
            throw std::runtime_error("drive unavailable");
        }
        return path.starts_with(u"C:\\Viewer\\") || path.starts_with(u"C:\\Locked\\");
    }
    void start(const std::u16string& path) override {
        log += path + u';';
        if (!path.starts_with(u"C:\\Viewer\\")) {
            throw std::runtime_error("start refused");
        }
    }
    std::u16string log;
};

TEST_P(SysInfoLauncher, FollowsTheDecisionTable) {
    MemoryRegistry registry;
    const auto store = [&](const char* key, const char* name, const char* path) {
        if (path) { // text as the registry holds it, with its terminator
            registry.setValue(hkeyLocalMachine, key, name, regSz, path + "\0"s);
        }
    };
    store("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", GetParam().pathValue);
    store("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", GetParam().folderValue);
    StartSysInfo([&] { return registeredViewer(registry, *this); }, *this,
                 [this](std::u16string_view message) { log += message; });
    EXPECT_EQ(log, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, SysInfoLauncher, testing::ValuesIn(launcherRows), rowName);

} // namespace
} // namespace sysinfo
