#include "reader_cases.h"
#include "ui/about/memory_registry.h"

#include <gtest/gtest.h>

namespace sysinfo::test {
namespace {

class MemoryRegistryTest : public testing::Test {
protected:
    MemoryRegistry registry;
    KeyHandle key{};
    ValueType type{};
    ValueBuffer buffer{};
    std::uint32_t size = 1024;
};

TEST_F(MemoryRegistryTest, MatchesKeysAndValuesWithoutRegardToCase) {
    registry.setValue(hkeyLocalMachine, "Software\\Microsoft\\Shared Tools\\MSInfo", "Path", regSz,
                      terminated("C:\\x.exe"));

    ASSERT_EQ(registry.openKey(hkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                               keyRead, key),
              regSuccess);
    EXPECT_EQ(registry.queryValue(key, "PATH", type, buffer, size), regSuccess);
    EXPECT_EQ(type, regSz);
    EXPECT_EQ(size, 9U);
    EXPECT_EQ(registry.closeKey(key), regSuccess);
}

TEST_F(MemoryRegistryTest, RefusesRightsBeyondThoseGranted) {
    registry.addKey(hkeyLocalMachine, "SOFTWARE\\Locked", keyRead);

    EXPECT_EQ(registry.openKey(hkeyLocalMachine, "SOFTWARE\\Locked", 0x2003F, key),
              regAccessDenied);
    EXPECT_EQ(registry.openKeyCount(), 0U);
    EXPECT_EQ(registry.openKey(hkeyLocalMachine, "SOFTWARE\\Locked", keyRead, key), regSuccess);
    EXPECT_EQ(registry.openKeyCount(), 1U);
}

TEST_F(MemoryRegistryTest, RefusesAReadThroughAKeyOpenedWithoutQueryRights) {
    registry.setValue(hkeyLocalMachine, "SOFTWARE\\Kestrow", "Value", regSz, terminated("x"));
    constexpr AccessMask keyEnumerateSubKeys = 0x0008;
    ASSERT_EQ(registry.openKey(hkeyLocalMachine, "SOFTWARE\\Kestrow", keyEnumerateSubKeys, key),
              regSuccess);

    EXPECT_EQ(registry.queryValue(key, "Value", type, buffer, size), regAccessDenied);
}

TEST_F(MemoryRegistryTest, ReportsMissingKeysAndValues) {
    registry.addKey(hkeyLocalMachine, "SOFTWARE\\Kestrow");

    EXPECT_EQ(registry.openKey(hkeyLocalMachine, "SOFTWARE\\Other", keyRead, key), regFileNotFound);
    ASSERT_EQ(registry.openKey(hkeyLocalMachine, "SOFTWARE\\Kestrow", keyRead, key), regSuccess);
    EXPECT_EQ(registry.queryValue(key, "Value", type, buffer, size), regFileNotFound);
}

TEST_F(MemoryRegistryTest, TellsTheSizeNeededWhenDataDoNotFit) {
    registry.setValue(hkeyLocalMachine, "SOFTWARE\\Kestrow", "Value", regBinary, Bytes(10));
    ASSERT_EQ(registry.openKey(hkeyLocalMachine, "SOFTWARE\\Kestrow", keyRead, key), regSuccess);

    size = 9;
    EXPECT_EQ(registry.queryValue(key, "Value", type, buffer, size), regMoreData);
    EXPECT_EQ(size, 10U);
    EXPECT_EQ(registry.queryValue(key, "Value", type, buffer, size), regSuccess);
}

TEST_F(MemoryRegistryTest, RefusesUnknownAndClosedHandles) {
    registry.addKey(hkeyLocalMachine, "SOFTWARE\\Kestrow");
    ASSERT_EQ(registry.openKey(hkeyLocalMachine, "SOFTWARE\\Kestrow", keyRead, key), regSuccess);

    EXPECT_EQ(registry.closeKey(key + 1), regInvalidHandle);
    EXPECT_EQ(registry.closeKey(key), regSuccess);
    EXPECT_EQ(registry.closeKey(key), regInvalidHandle);
    EXPECT_EQ(registry.queryValue(key, "Value", type, buffer, size), regInvalidHandle);
}

} // namespace
} // namespace sysinfo::test
