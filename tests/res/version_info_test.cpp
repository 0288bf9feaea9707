// Reads the version block and the icon of an executable built with Quarnest.exe's resource script
// through the Win32 calls that Explorer and the shell use. Usage: res_version_info_test EXECUTABLE

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>
#include <windows.h>

namespace {

std::wstring executable;

std::vector<std::byte> versionInfo() {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(executable.c_str(), &ignored);
    std::vector<std::byte> data(size);
    if (size == 0 || !GetFileVersionInfoW(executable.c_str(), 0, size, data.data())) {
        ADD_FAILURE() << "no version block, error " << GetLastError();
        data.clear();
    }
    return data;
}

// The value VerQueryValueW finds under subBlock, as bytes; empty if there is none.
std::vector<std::byte> queryValue(const std::vector<std::byte>& info,
                                  const std::wstring& subBlock) {
    void* value = nullptr;
    UINT length = 0;
    if (info.empty() || !VerQueryValueW(info.data(), subBlock.c_str(), &value, &length)) {
        return {};
    }
    // String values report their length in characters, the others in bytes.
    const bool isText = subBlock.starts_with(L"\\StringFileInfo\\");
    const auto* bytes = static_cast<const std::byte*>(value);
    return {bytes, bytes + length * (isText ? sizeof(wchar_t) : 1)};
}

std::wstring queryText(const std::vector<std::byte>& info, const std::wstring& subBlock) {
    const std::vector<std::byte> bytes = queryValue(info, subBlock);
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    // VerQueryValueW counts the terminating null with the characters.
    while (!text.empty() && text.back() == L'\0') {
        text.pop_back();
    }
    return text;
}

TEST(VersionInfo, FixedPartIsVersion1000OfAnApplication) {
    const std::vector<std::byte> info = versionInfo();
    const std::vector<std::byte> bytes = queryValue(info, L"\\");
    ASSERT_EQ(bytes.size(), sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed{};
    std::memcpy(&fixed, bytes.data(), sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed.dwFileVersionLS, 0u);
    EXPECT_EQ(fixed.dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed.dwProductVersionLS, 0u);
    EXPECT_EQ(fixed.dwFileFlagsMask, 0u);
    EXPECT_EQ(fixed.dwFileFlags, 0u);
    EXPECT_EQ(fixed.dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed.dwFileSubtype, 0u);
}

TEST(VersionInfo, OneTranslationChinesePrcUnicode) {
    const std::vector<std::byte> bytes = queryValue(versionInfo(), L"\\VarFileInfo\\Translation");
    ASSERT_EQ(bytes.size(), 2 * sizeof(WORD));
    WORD translation[2] = {};
    std::memcpy(translation, bytes.data(), sizeof translation);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);
}

struct VersionString {
    const wchar_t* key;
    const wchar_t* value;
};

void PrintTo(const VersionString& row, std::ostream* out) {
    *out << testing::PrintToString(row.key) << " = " << testing::PrintToString(row.value);
}

class VersionStrings : public testing::TestWithParam<VersionString> {};

TEST_P(VersionStrings, ReadsBackFromTheChineseUnicodeTable) {
    const std::wstring subBlock = std::wstring(L"\\StringFileInfo\\080404B0\\") + GetParam().key;
    EXPECT_EQ(queryText(versionInfo(), subBlock), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, VersionStrings,
                         testing::Values(VersionString{L"CompanyName", L"Kestrow"},
                                         VersionString{L"ProductName", L"Tovrel"},
                                         VersionString{L"FileVersion", L"1.00"},
                                         VersionString{L"ProductVersion", L"1.00"},
                                         VersionString{L"InternalName", L"Quarnest"},
                                         VersionString{L"OriginalFilename", L"Quarnest.exe"}));

// The executable loaded as data, so that its resources can be found and decoded.
class IconResources : public testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(executable.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << "error " << GetLastError();
    }
    void TearDown() override {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }

    // The raw bytes of a resource, or nothing.
    std::vector<std::byte> resource(int id, LPCWSTR type) const {
        HRSRC found = FindResourceExW(module_, type, MAKEINTRESOURCEW(id),
                                      MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
        if (found == nullptr) {
            return {};
        }
        const auto* bytes =
            static_cast<const std::byte*>(LockResource(LoadResource(module_, found)));
        return {bytes, bytes + SizeofResource(module_, found)};
    }

    HMODULE module_ = nullptr;
};

struct IconChoice {
    int size;
    int imageId;
};

void PrintTo(const IconChoice& row, std::ostream* out) {
    *out << row.size << " px -> " << row.imageId;
}

class IconChoices : public IconResources, public testing::WithParamInterface<IconChoice> {};

// Windows picks the true-colour image of the asked size from group 1.
TEST_P(IconChoices, GroupOfferedTheSizeGivesItsTrueColourImage) {
    std::vector<std::byte> group = resource(1, MAKEINTRESOURCEW(14));
    ASSERT_FALSE(group.empty());
    const int size = GetParam().size;
    const int id = LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(group.data()), TRUE, size,
                                               size, LR_DEFAULTCOLOR);
    EXPECT_EQ(id, GetParam().imageId);
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconChoices,
                         testing::Values(IconChoice{128, 30003}, IconChoice{48, 30004},
                                         IconChoice{32, 30005}, IconChoice{16, 30006}));

struct IconImage {
    int imageId;
    int size;
};

void PrintTo(const IconImage& row, std::ostream* out) {
    *out << row.imageId << " (" << row.size << " px)";
}

class IconImages : public IconResources, public testing::WithParamInterface<IconImage> {};

TEST_P(IconImages, DecodesToAnIconOfItsSize) {
    std::vector<std::byte> image = resource(GetParam().imageId, MAKEINTRESOURCEW(3));
    ASSERT_FALSE(image.empty());
    const int size = GetParam().size;
    HICON icon = CreateIconFromResourceEx(reinterpret_cast<PBYTE>(image.data()),
                                          static_cast<DWORD>(image.size()), TRUE, 0x00030000, size,
                                          size, LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr) << "error " << GetLastError();
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, size);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    DestroyIcon(icon);
}

INSTANTIATE_TEST_SUITE_P(AllSix, IconImages,
                         testing::Values(IconImage{30001, 32}, IconImage{30002, 16},
                                         IconImage{30003, 128}, IconImage{30004, 48},
                                         IconImage{30005, 32}, IconImage{30006, 16}));

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: res_version_info_test EXECUTABLE\n");
        return 2;
    }
    executable = std::filesystem::path(argv[1]).wstring();
    return RUN_ALL_TESTS();
}
