// The registry value reader and the System Information launcher on the in-memory registry: the
// reader on every kind of value, its size limit and a refused open; the launcher through its
// decision table, the test standing in for the file system and the program starts.
#include "ui/about/get_key_value.h"
#include "ui/about/memory_registry.h"
#include "ui/about/start_sys_info.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace sysinfo {
namespace {

using namespace std::string_literals;

enum class Stored { nothing, keyOnly, value, lockedValue };

struct ReaderRow {
    const char* name;
    Stored stored;
    ValueType type;
    std::string data; // the value's bytes as the registry holds them
    bool expectedResult;
    std::u16string expectedText; // after a call with "abc"
};

const ReaderRow readerRows[] = {
    {"MissingKey", Stored::nothing, regSz, "", false, u""},
    {"MissingValue", Stored::keyOnly, regSz, "", false, u""},
    {"RefusedOpen", Stored::lockedValue, regSz, "C:\\Tools\0"s, false, u""},
    {"TextWithTerminator", Stored::value, regSz, "C:\\Tools\0"s, true, u"C:\\Tools"},
    {"TextWithoutTerminator", Stored::value, regSz, "C:\\Tools", true, u"C:\\Tools"},
    {"OnlyTerminator", Stored::value, regSz, "\0"s, true, u""},
    {"NoData", Stored::value, regSz, "", true, u""},
    {"OneTerminatorDropped", Stored::value, regSz, "ab\0\0"s, true, u"ab\0"s},
    // "C:\系统工具" in code page 936.
    {"ChineseText", Stored::value, regSz, "C:\\\xCF\xB5\xCD\xB3\xB9\xA4\xBE\xDF\0"s, true,
     u"C:\\系统工具"},
    {"Text1024Bytes", Stored::value, regSz, std::string(1023, 'x') + '\0', true,
     std::u16string(1023, u'x')},
    {"Text1025Bytes", Stored::value, regSz, std::string(1024, 'x') + '\0', false, u""},
    {"ExpandText", Stored::value, regExpandSz, "%SystemRoot%\0"s, true, u"abc"},
    {"Binary", Stored::value, regBinary, "\x01\x02"s, true, u"abc"},
    {"MultiText", Stored::value, regMultiSz, "a\0b\0\0"s, true, u"abc"},
    {"Dword12345678", Stored::value, regDword, "\x78\x56\x34\x12"s, true, u"&h12345678"},
    {"Dword102", Stored::value, regDword, "\x02\x01\0\0"s, true, u"&h000102"},
    {"Dword12", Stored::value, regDword, "\x12\0\0\0"s, true, u"&h000012"},
    {"Dword0", Stored::value, regDword, "\0\0\0\0"s, true, u"&h000000"},
};

const std::string keyPath = "SOFTWARE\\Kestrow reader test";

class SysInfoReader : public testing::TestWithParam<ReaderRow> {};

TEST_P(SysInfoReader, ReadsValueAsText) {
    const ReaderRow& row = GetParam();
    MemoryRegistry registry;
    if (row.stored != Stored::nothing) {
        // What a standard user may do on HKEY_LOCAL_MACHINE: read, nothing more.
        registry.addKey(hkeyLocalMachine, keyPath, row.stored == Stored::lockedValue ? 0 : keyRead);
    }
    if (row.stored >= Stored::value) {
        const auto* bytes = reinterpret_cast<const std::byte*>(row.data.data());
        registry.setValue(hkeyLocalMachine, keyPath, "Value", row.type,
                          {bytes, bytes + row.data.size()});
    }

    std::u16string text = u"abc";
    EXPECT_EQ(GetKeyValue(registry, hkeyLocalMachine, keyPath, "Value", text), row.expectedResult);
    EXPECT_EQ(text, row.expectedText);
    EXPECT_EQ(registry.openKeyCount(), 0U);
}

INSTANTIATE_TEST_SUITE_P(Rows, SysInfoReader, testing::ValuesIn(readerRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct LauncherRow {
    const char* name;
    std::optional<std::u16string> pathValue;   // "PATH", the viewer's full path
    std::optional<std::u16string> folderValue; // "MSINFO", the folder that holds it
    std::u16string existingFile;               // the one plain file there is
    bool startWorks;
    bool lookThrows;
    std::vector<std::u16string> expectedEvents; // programs started or tried, and messages
};

const std::u16string viewer = u"C:\\Program Files\\MSInfo\\msinfo32.exe";
const std::u16string folder = u"C:\\Program Files\\MSInfo";
const std::u16string inFolder = u"C:\\Program Files\\MSInfo\\MSINFO32.EXE";
const std::u16string gone = u"C:\\Gone\\msinfo32.exe";
const std::u16string slashed = u"D:\\My\\\\MSINFO32.EXE";
const std::u16string unavailable = u"此时系统信息不可用";

const LauncherRow launcherRows[] = {
    // The first value is started as it is, unchecked, and a good second one does not replace it.
    {"PathValueStarts", viewer, {}, u"", true, false, {viewer}},
    {"PathValueFailsToStart", gone, folder, inFolder, false, false, {gone, unavailable}},
    {"NoValues", {}, {}, inFolder, true, false, {unavailable}},
    {"FolderWithoutViewer", {}, folder, u"", true, false, {unavailable}},
    // The folder is joined as it is, even where it ends in a backslash.
    {"FolderWithViewerStarts", {}, u"D:\\My\\", slashed, true, false, {slashed}},
    {"FolderWithViewerFailsToStart", {}, folder, inFolder, false, false, {inFolder, unavailable}},
    {"LookThrows", {}, folder, inFolder, true, true, {unavailable}},
};

class SysInfoLauncher : public testing::TestWithParam<LauncherRow>, public Programs {
protected:
    bool isPlainFile(const std::u16string& path) override {
        if (GetParam().lookThrows) {
            throw std::runtime_error("file system unavailable");
        }
        return path == GetParam().existingFile;
    }

    void start(const std::u16string& path) override {
        events.push_back(path);
        if (!GetParam().startWorks) {
            throw std::system_error(std::make_error_code(std::errc::permission_denied));
        }
    }

    // Stores an ASCII path as the registry holds text: a byte a character, then a NUL.
    void store(const char* key, const char* name, const std::optional<std::u16string>& path) {
        if (path) {
            std::vector<std::byte> bytes(path->size() + 1);
            std::ranges::transform(*path, bytes.begin(), [](char16_t c) { return std::byte(c); });
            registry.setValue(hkeyLocalMachine, key, name, regSz, std::move(bytes));
        }
    }

    MemoryRegistry registry;
    std::vector<std::u16string> events;
};

TEST_P(SysInfoLauncher, FollowsTheDecisionTable) {
    const LauncherRow& row = GetParam();
    store("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", row.pathValue);
    store("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", row.folderValue);

    StartSysInfo(registry, *this,
                 [this](std::u16string_view message) { events.emplace_back(message); });

    EXPECT_EQ(events, row.expectedEvents);
}

INSTANTIATE_TEST_SUITE_P(Rows, SysInfoLauncher, testing::ValuesIn(launcherRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace sysinfo
