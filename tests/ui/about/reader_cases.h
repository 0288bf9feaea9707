#pragma once

// Values as the registry holds them, and what the reader makes of them. The same rows run on
// the in-memory registry and, in the Windows build, on the real registry.

#include "ui/about/registry.h"

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace sysinfo::test {

using Bytes = std::vector<std::byte>;

inline Bytes bytesOf(std::string_view text) {
    Bytes bytes;
    for (const char c : text) {
        bytes.push_back(static_cast<std::byte>(c));
    }
    return bytes;
}

// Text stored with its terminating NUL, as Windows stores it.
inline Bytes terminated(std::string_view text) {
    Bytes bytes = bytesOf(text);
    bytes.push_back(std::byte{0});
    return bytes;
}

inline Bytes littleEndian(std::uint32_t value) {
    return {std::byte(value & 0xFF), std::byte((value >> 8) & 0xFF),
            std::byte((value >> 16) & 0xFF), std::byte(value >> 24)};
}

// What the caller's text holds before each read.
inline const std::u16string callerText = u"abc";

enum class Stored { noKey, keyWithoutValue, value };

struct ReaderCase {
    std::string name;
    Stored stored;
    ValueType type;
    Bytes data;
    bool expectedResult;
    std::u16string expectedText;
};

inline void PrintTo(const ReaderCase& row, std::ostream* out) {
    *out << row.name;
}

inline std::vector<ReaderCase> readerCases() {
    // "C:\系统工具\信息" in code page 936.
    const std::string chinesePath = "C:\\\xCF\xB5\xCD\xB3\xB9\xA4\xBE\xDF\\\xD0\xC5\xCF\xA2";
    const std::string x1023(1023, 'x');
    const std::string x1024(1024, 'x');
    return {
        {"MissingKey", Stored::noKey, regSz, {}, false, u""},
        {"MissingValue", Stored::keyWithoutValue, regSz, {}, false, u""},
        {"TextWithTerminator", Stored::value, regSz, terminated("C:\\Tools"), true, u"C:\\Tools"},
        {"TextWithoutTerminator", Stored::value, regSz, bytesOf("C:\\Tools"), true, u"C:\\Tools"},
        {"TextOfOnlyTerminator", Stored::value, regSz, terminated(""), true, u""},
        {"TextOfNoData", Stored::value, regSz, {}, true, u""},
        {"OnlyOneTerminatorDropped", Stored::value, regSz, terminated(std::string("ab\0", 3)), true,
         std::u16string(u"ab\0", 3)},
        {"ChineseText", Stored::value, regSz, terminated(chinesePath), true, u"C:\\系统工具\\信息"},
        {"Text1024BytesWithTerminator", Stored::value, regSz, terminated(x1023), true,
         std::u16string(1023, u'x')},
        {"Text1024BytesWithoutTerminator", Stored::value, regSz, bytesOf(x1024), true,
         std::u16string(1024, u'x')},
        {"Text1025BytesWithTerminator", Stored::value, regSz, terminated(x1024), false, u""},
        {"ExpandText", Stored::value, regExpandSz, terminated("%SystemRoot%\\x"), true, u"abc"},
        {"Binary", Stored::value, regBinary, bytesOf("\x01\x02"), true, u"abc"},
        {"MultiText", Stored::value, regMultiSz, bytesOf(std::string("a\0b\0\0", 5)), true, u"abc"},
        {"Dword12345678", Stored::value, regDword, littleEndian(0x12345678), true, u"&h12345678"},
        {"Dword102", Stored::value, regDword, littleEndian(0x102), true, u"&h000102"},
        {"Dword12", Stored::value, regDword, littleEndian(0x12), true, u"&h000012"},
        {"Dword0", Stored::value, regDword, littleEndian(0), true, u"&h000000"},
        {"DwordFFFFFFFF", Stored::value, regDword, littleEndian(0xFFFFFFFF), true, u"&hFFFFFFFF"},
    };
}

} // namespace sysinfo::test
