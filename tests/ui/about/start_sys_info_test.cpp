#include "fake_programs.h"
#include "reader_cases.h"
#include "recording_registry.h"
#include "ui/about/memory_registry.h"
#include "ui/about/start_sys_info.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace sysinfo::test {
namespace {

const std::string viewerPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string viewerFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::u16string unavailable = u"此时系统信息不可用";

const std::u16string viewerPath =
    u"C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
const std::u16string viewerFolder = u"C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::u16string viewerInFolder = viewerFolder + u"\\MSINFO32.EXE";

struct Lookup {
    ValueType type;
    std::u16string text; // ASCII only, stored as ANSI text
};

Lookup text(const std::u16string& value) {
    return {regSz, value};
}

Bytes ansiBytes(const Lookup& value) {
    std::string ansi(value.text.begin(), value.text.end());
    return terminated(ansi);
}

struct LauncherCase {
    std::string name;
    std::optional<Lookup> pathValue;   // "PATH", the full path of the viewer
    std::optional<Lookup> folderValue; // "MSINFO", its folder
    std::set<std::u16string> plainFiles;
    std::set<std::u16string> startablePrograms;
    std::vector<std::u16string> expectedLooks;
    std::vector<std::u16string> expectedStarts;
    bool expectedMessage;
};

void PrintTo(const LauncherCase& row, std::ostream* out) {
    *out << row.name;
}

class LauncherTest : public testing::Test {
protected:
    MemoryRegistry registry;
    FakePrograms programs;
    std::vector<std::u16string> messages;
    ShowMessage showMessage = [this](std::u16string_view message) {
        messages.emplace_back(message);
    };

    std::vector<std::u16string> expectedMessages(bool shown) const {
        return shown ? std::vector{unavailable} : std::vector<std::u16string>{};
    }
};

class LauncherTable : public LauncherTest, public testing::WithParamInterface<LauncherCase> {
protected:
    void storeValues(const LauncherCase& row) {
        if (row.pathValue) {
            registry.setValue(hkeyLocalMachine, viewerPathKey, "PATH", row.pathValue->type,
                              ansiBytes(*row.pathValue));
        }
        if (row.folderValue) {
            registry.setValue(hkeyLocalMachine, viewerFolderKey, "MSINFO", row.folderValue->type,
                              ansiBytes(*row.folderValue));
        }
        programs.plainFiles = row.plainFiles;
        programs.startablePrograms = row.startablePrograms;
    }
};

TEST_P(LauncherTable, FollowsTheDecisionTable) {
    const LauncherCase& row = GetParam();
    storeValues(row);

    StartSysInfo(registry, programs, showMessage);

    EXPECT_EQ(programs.looked, row.expectedLooks);
    EXPECT_EQ(programs.started, row.expectedStarts);
    EXPECT_EQ(messages, expectedMessages(row.expectedMessage));
    EXPECT_EQ(registry.openKeyCount(), 0U);
}

const std::u16string toolsFolder = u"D:\\My Tools\\";

INSTANTIATE_TEST_SUITE_P(
    Rows, LauncherTable,
    testing::Values(
        LauncherCase{
            "PathValueStarts", text(viewerPath), {}, {}, {viewerPath}, {}, {viewerPath}, false},
        LauncherCase{"PathValueFailsToStart", text(viewerPath), {}, {}, {}, {}, {viewerPath}, true},
        LauncherCase{"NoValues", {}, {}, {viewerInFolder}, {viewerInFolder}, {}, {}, true},
        LauncherCase{"FolderWithoutViewer",
                     {},
                     text(viewerFolder),
                     {},
                     {viewerInFolder},
                     {viewerInFolder},
                     {},
                     true},
        LauncherCase{"FolderWithViewerStarts",
                     {},
                     text(viewerFolder),
                     {viewerInFolder},
                     {viewerInFolder},
                     {viewerInFolder},
                     {viewerInFolder},
                     false},
        LauncherCase{"FolderWithViewerFailsToStart",
                     {},
                     text(viewerFolder),
                     {viewerInFolder},
                     {},
                     {viewerInFolder},
                     {viewerInFolder},
                     true},
        // The first value is trusted: a wrong one is not made good by the second.
        LauncherCase{"WrongPathValueHidesGoodFolder",
                     text(u"C:\\Gone\\msinfo32.exe"),
                     text(viewerFolder),
                     {viewerInFolder},
                     {viewerInFolder},
                     {},
                     {u"C:\\Gone\\msinfo32.exe"},
                     true},
        // A path value of another type is read, but gives no text to start.
        LauncherCase{"PathValueOfOtherType",
                     Lookup{regExpandSz, viewerPath},
                     text(viewerFolder),
                     {viewerInFolder},
                     {viewerInFolder},
                     {},
                     {u""},
                     true},
        LauncherCase{"FolderEndingInBackslash",
                     {},
                     text(toolsFolder),
                     {toolsFolder + u"\\MSINFO32.EXE"},
                     {toolsFolder + u"\\MSINFO32.EXE"},
                     {u"D:\\My Tools\\\\MSINFO32.EXE"},
                     {u"D:\\My Tools\\\\MSINFO32.EXE"},
                     false}),
    [](const auto& info) { return info.param.name; });

TEST_F(LauncherTest, ShowsTheMessageWhereNeitherKeyMayBeRead) {
    registry.setValue(hkeyLocalMachine, viewerPathKey, "PATH", regSz, terminated("C:\\v.exe"));
    registry.setValue(hkeyLocalMachine, viewerFolderKey, "MSINFO", regSz, terminated("C:\\Tools"));
    registry.addKey(hkeyLocalMachine, viewerPathKey, 0);
    registry.addKey(hkeyLocalMachine, viewerFolderKey, 0);
    programs.plainFiles = programs.startablePrograms = {u"C:\\v.exe", u"C:\\Tools\\MSINFO32.EXE"};

    StartSysInfo(registry, programs, showMessage);

    EXPECT_TRUE(programs.looked.empty());
    EXPECT_TRUE(programs.started.empty());
    EXPECT_EQ(messages, std::vector{unavailable});
}

TEST_F(LauncherTest, StartsTheViewerAgainOnEveryPress) {
    registry.setValue(hkeyLocalMachine, viewerFolderKey, "MSINFO", regSz,
                      ansiBytes(text(viewerFolder)));
    programs.plainFiles = programs.startablePrograms = {viewerInFolder};

    StartSysInfo(registry, programs, showMessage);
    StartSysInfo(registry, programs, showMessage);

    EXPECT_EQ(programs.started, (std::vector{viewerInFolder, viewerInFolder}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(LauncherTest, ShowsTheMessageAgainOnEveryPress) {
    StartSysInfo(registry, programs, showMessage);
    StartSysInfo(registry, programs, showMessage);

    EXPECT_EQ(messages, (std::vector{unavailable, unavailable}));
}

TEST_F(LauncherTest, LeavesAFailureOfTheMessageItselfToTheCaller) {
    int shown = 0;
    const ShowMessage failingBox = [&shown](std::u16string_view) {
        ++shown;
        throw std::runtime_error("no window system");
    };

    EXPECT_THROW(StartSysInfo(registry, programs, failingBox), std::runtime_error);
    EXPECT_EQ(shown, 1);
}

enum class Fault { registryOpen, registryRead, fileLook, programStart };

struct FaultCase {
    std::string name;
    Fault fault;
};

void PrintTo(const FaultCase& row, std::ostream* out) {
    *out << row.name;
}

class LauncherFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(LauncherFaults, EndInTheMessage) {
    MemoryRegistry memory;
    memory.setValue(hkeyLocalMachine, viewerFolderKey, "MSINFO", regSz,
                    ansiBytes(text(viewerFolder)));
    RecordingRegistry registry(memory);
    FakePrograms programs;
    programs.plainFiles = programs.startablePrograms = {viewerInFolder};
    switch (GetParam().fault) {
    case Fault::registryOpen:
        registry.throwOnOpen = true;
        break;
    case Fault::registryRead:
        registry.throwOnQuery = true;
        break;
    case Fault::fileLook:
        programs.throwOnLook = true;
        break;
    case Fault::programStart:
        programs.outOfMemoryOnStart = true;
        break;
    }
    std::vector<std::u16string> messages;

    StartSysInfo(registry, programs,
                 [&messages](std::u16string_view message) { messages.emplace_back(message); });

    EXPECT_EQ(messages, std::vector{unavailable});
    EXPECT_EQ(registry.closedKeys, registry.openedKeys);
}

INSTANTIATE_TEST_SUITE_P(Rows, LauncherFaults,
                         testing::Values(FaultCase{"RegistryOpenThrows", Fault::registryOpen},
                                         FaultCase{"RegistryReadThrows", Fault::registryRead},
                                         FaultCase{"FileLookThrows", Fault::fileLook},
                                         FaultCase{"StartRunsOutOfMemory", Fault::programStart}),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace sysinfo::test
