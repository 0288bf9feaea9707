// The registry value reader and the Windows lookup of the viewer, on the in-memory registry.
#include "sysinfo/get_key_value.h"
#include "sysinfo/viewer.h"
#include "tests/support/memory_registry.h"

#include <gtest/gtest.h>
#include <optional>

using namespace sysinfo;
using namespace support;
using namespace std::string_literals;

struct ReaderRow {
    const char* name;
    const char* valueName; // the one value of the key "SOFTWARE\Kestrow"; no key if none
    std::pair<ValueType, std::string> value; // its type and bytes as the registry holds them
    std::optional<std::u16string> expected;  // the text read from "Value", or none: false, text ""
};

const ReaderRow readerRows[] = {
    {"MissingKey", nullptr, {regSz, ""}, std::nullopt},
    {"MissingValue", "Other", {regSz, ""}, std::nullopt},
    {"Fits1024NotTerminated", "Value", {regSz, std::string(1024, 'x')}, std::u16string(1024, 'x')},
    {"Over1024", "Value", {regSz, std::string(1024, 'x') + '\0'}, std::nullopt},
    // A byte that cannot follow a lead byte, and a lead byte at the end: U+FFFD, the next one kept.
    {"Cp936", "Value", {regSz, "\xCF\xB5\xCD\xB3\x81 \xCF\0"s}, u"系统\uFFFD \uFFFD"},
    {"OtherTypeLeavesText", "Value", {regExpandSz, "%SystemRoot%\0"s}, u"abc"},
    {"DwordOneZeroDropped", "Value", {regDword, "\xEF\xCD\x0B\0"s}, u"&h0BCDEF"},
};

TEST(SysInfoReader, ReadsValueAsText) {
    for (const ReaderRow& row : readerRows) {
        SCOPED_TRACE(row.name);
        MemoryRegistry registry;
        if (row.valueName) {
            registry.keys["SOFTWARE\\Kestrow"][row.valueName] = row.value;
        }
        std::u16string text = u"abc";
        EXPECT_EQ(GetKeyValue(registry, hkeyLocalMachine, "SOFTWARE\\Kestrow", "Value", text),
                  row.expected.has_value());
        EXPECT_EQ(text, row.expected.value_or(u""));
        EXPECT_TRUE(registry.open.empty());
    }
}

// Only C:\Bin holds the viewer.
struct FakePrograms : Programs {
    bool isPlainFile(const std::u16string& f) override { return f == u"C:\\Bin\\\\MSINFO32.EXE"; }
    void start(const std::u16string&) override {}
};

TEST(SysInfoRegisteredViewer, PathValueUncheckedElseViewerInFolderValue) {
    MemoryRegistry registry;
    FakePrograms programs;
    auto& folder = registry.keys["SOFTWARE\\Microsoft\\Shared Tools Location"]["MSINFO"];
    folder = {regSz, "C:\\Empty\0"s};
    EXPECT_EQ(registeredViewer(registry, programs), std::nullopt);
    folder = {regSz, "C:\\Bin\\\0"s}; // joined as it is
    EXPECT_EQ(registeredViewer(registry, programs), u"C:\\Bin\\\\MSINFO32.EXE");
    registry.keys["SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"]["PATH"] = {regSz, "C:\\Gone.exe\0"s};
    EXPECT_EQ(registeredViewer(registry, programs), u"C:\\Gone.exe");
}
