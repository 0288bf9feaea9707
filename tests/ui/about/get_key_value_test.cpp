#include "reader_cases.h"
#include "recording_registry.h"
#include "ui/about/get_key_value.h"
#include "ui/about/memory_registry.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace sysinfo::test {
namespace {

const std::string keyPath = "SOFTWARE\\Kestrow\\Test";

class ReaderOnMemoryRegistry : public testing::TestWithParam<ReaderCase> {
protected:
    MemoryRegistry memory;
    RecordingRegistry registry{memory};
};

TEST_P(ReaderOnMemoryRegistry, ReadsValueAsText) {
    const ReaderCase& row = GetParam();
    if (row.stored == Stored::keyWithoutValue) {
        memory.addKey(hkeyLocalMachine, keyPath);
    } else if (row.stored == Stored::value) {
        memory.setValue(hkeyLocalMachine, keyPath, "Value", row.type, row.data);
    }

    std::u16string text = callerText;
    EXPECT_EQ(GetKeyValue(registry, hkeyLocalMachine, keyPath, "Value", text), row.expectedResult);
    EXPECT_EQ(text, row.expectedText);

    // Opened for reading only, read into a clear buffer of 1024 bytes, closed if and only if
    // it was opened.
    EXPECT_EQ(registry.requestedAccess, std::vector<AccessMask>{0x20019});
    EXPECT_EQ(registry.sizesOnEntry, std::vector<std::uint32_t>(registry.openedKeys.size(), 1024));
    EXPECT_TRUE(registry.everyBufferClearOnEntry);
    EXPECT_EQ(registry.closedKeys, registry.openedKeys);
    EXPECT_EQ(memory.openKeyCount(), 0U);
}

INSTANTIATE_TEST_SUITE_P(Rows, ReaderOnMemoryRegistry, testing::ValuesIn(readerCases()),
                         [](const auto& info) { return info.param.name; });

struct RightsCase {
    std::string name;
    AccessMask grantedRights;
    bool expectedResult;
    std::u16string expectedText;
};

void PrintTo(const RightsCase& row, std::ostream* out) {
    *out << row.name;
}

class ReaderRights : public testing::TestWithParam<RightsCase> {};

TEST_P(ReaderRights, ReadsOnlyWhereReadingIsGranted) {
    const RightsCase& row = GetParam();
    MemoryRegistry memory;
    memory.setValue(hkeyLocalMachine, keyPath, "Value", regSz, terminated("C:\\Tools"));
    memory.addKey(hkeyLocalMachine, keyPath, row.grantedRights);
    RecordingRegistry registry(memory);

    std::u16string text = callerText;
    EXPECT_EQ(GetKeyValue(registry, hkeyLocalMachine, keyPath, "Value", text), row.expectedResult);
    EXPECT_EQ(text, row.expectedText);
    EXPECT_EQ(registry.closedKeys, registry.openedKeys);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReaderRights,
    testing::Values(
        // A standard user on HKEY_LOCAL_MACHINE: reading works without asking for more.
        RightsCase{"ReadOnlyKey", 0x20019, true, u"C:\\Tools"},
        RightsCase{"FullAccessKey", 0xF003F, true, u"C:\\Tools"},
        RightsCase{"QueryWithoutEnumerate", 0x20001, false, u""},
        RightsCase{"NoRights", 0, false, u""}),
    [](const auto& info) { return info.param.name; });

TEST(Reader, ReadsFromTheRootItWasGiven) {
    constexpr RootKey currentUser = 0x80000001;
    MemoryRegistry memory;
    memory.setValue(currentUser, keyPath, "Value", regSz, terminated("C:\\Tools"));

    std::u16string text = callerText;
    EXPECT_FALSE(GetKeyValue(memory, hkeyLocalMachine, keyPath, "Value", text));
    EXPECT_TRUE(GetKeyValue(memory, currentUser, keyPath, "Value", text));
    EXPECT_EQ(text, u"C:\\Tools");
}

TEST(Reader, ClosesTheKeyWhenTheReadThrows) {
    MemoryRegistry memory;
    memory.setValue(hkeyLocalMachine, keyPath, "Value", regSz, terminated("C:\\Tools"));
    RecordingRegistry registry(memory);
    registry.throwOnQuery = true;

    std::u16string text;
    EXPECT_THROW(GetKeyValue(registry, hkeyLocalMachine, keyPath, "Value", text),
                 std::runtime_error);
    EXPECT_EQ(registry.openedKeys.size(), 1U);
    EXPECT_EQ(registry.closedKeys, registry.openedKeys);
}

} // namespace
} // namespace sysinfo::test
