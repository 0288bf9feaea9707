// The reader against the Windows registry itself (run under Wine in the cross build).
#include "reader_cases.h"
#include "ui/about/get_key_value.h"

#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace sysinfo::test {
namespace {

class ReaderOnWindowsRegistry : public testing::TestWithParam<ReaderCase> {
protected:
    // A key of this test's own, removed with everything in it afterwards.
    void SetUp() override {
        keyPath = "SOFTWARE\\Quarnest tests\\sysinfo " + std::to_string(GetCurrentProcessId());
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, keyPath.c_str());
        // Gone only when no other test process still has a key in it.
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quarnest tests");
    }

    std::string keyPath;
    HKEY key = nullptr;
};

TEST_P(ReaderOnWindowsRegistry, ReadsValueAsText) {
    const ReaderCase& row = GetParam();
    // Text goes through the ANSI code page, which must be that of Simplified Chinese here.
    ASSERT_EQ(GetACP(), 936U) << "run with LC_ALL=zh_CN.UTF-8 (locale generated)";
    if (row.stored == Stored::value) {
        // Text followed by a NUL byte just past the given size would be stored with that
        // terminator: a byte that is none keeps the value exactly as given.
        Bytes padded = row.data;
        padded.push_back(std::byte{'x'});
        ASSERT_EQ(RegSetValueExA(key, "Value", 0, row.type,
                                 reinterpret_cast<const BYTE*>(padded.data()),
                                 static_cast<DWORD>(row.data.size())),
                  ERROR_SUCCESS);
    }
    const std::string readPath = row.stored == Stored::noKey ? keyPath + "\\Missing" : keyPath;

    std::u16string text = callerText;
    EXPECT_EQ(GetKeyValue(systemRegistry(), hkeyLocalMachine, readPath, "Value", text),
              row.expectedResult);
    EXPECT_EQ(text, row.expectedText);
}

INSTANTIATE_TEST_SUITE_P(Rows, ReaderOnWindowsRegistry, testing::ValuesIn(readerCases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace sysinfo::test
