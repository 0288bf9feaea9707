#include "ui/about/ansi_text.h"

#include <gtest/gtest.h>

namespace sysinfo {
namespace {

struct DecodeCase {
    std::string name;
    std::string bytes;
    std::u16string expected;
};

void PrintTo(const DecodeCase& row, std::ostream* out) {
    *out << row.name;
}

class DecodeAnsi : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeAnsi, DecodesCodePage936) {
    EXPECT_EQ(decodeAnsi(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecodeAnsi,
    testing::Values(DecodeCase{"Empty", "", u""}, DecodeCase{"Ascii", "C:\\Tools", u"C:\\Tools"},
                    DecodeCase{"TwoByteCharacters", "\xD6\xD0\xCE\xC4", u"中文"},
                    DecodeCase{"EuroSign", "\x80", u"€"},
                    DecodeCase{"TrailByteIsBackslash", "\x81\x5C", u"乗"},
                    DecodeCase{"EmbeddedNul", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
                    // What does not decode is marked, and the rest is kept.
                    DecodeCase{"InvalidLeadByte",
                               "a\xFF"
                               "b",
                               u"a\uFFFDb"},
                    DecodeCase{"CutOffAtTheEnd", "\xD6\xD0\xCE", u"中\uFFFD"}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace sysinfo
