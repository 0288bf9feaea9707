#include "calc/integer_text.h"
#include "calc/number_text.h"
#include "test_texts.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

using calc::FormatIntegerText;
using calc::FormatNumberText;

struct TextCase {
    double value;
    std::u16string text;
};

void PrintTo(const TextCase& number, std::ostream* out) {
    *out << calc_test::Describe(calc_test::WriteWith17Digits(number.value));
}

class NumberText : public testing::TestWithParam<TextCase> {};

TEST_P(NumberText, IsPlainDecimalWith15SignificantDigits) {
    EXPECT_EQ(FormatNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberText,
    testing::Values(TextCase{2.5, u"2.5"}, TextCase{7, u"7"}, TextCase{45, u"45"},
                    TextCase{10.345678901234567, u"10.3456789012346"},
                    TextCase{44.99999999999999, u"45"}, TextCase{9.9999999999999982, u"10"},
                    TextCase{0.99999999999999989, u"1"}, TextCase{-9.9999999999999982, u"-10"},
                    TextCase{0.1 + 0.2, u"0.3"}, TextCase{1.0 / 3.0, u"0.333333333333333"},
                    TextCase{2.0 / 3.0, u"0.666666666666667"}, TextCase{-1, u"-1"},
                    TextCase{-0.5, u"-0.5"}, TextCase{0.5, u"0.5"}, TextCase{0.0, u"0"},
                    TextCase{-0.0, u"0"}, TextCase{1e-7, u"0.0000001"},
                    TextCase{-1.25e-5, u"-0.0000125"}, TextCase{1e15, u"1000000000000000"},
                    TextCase{1e21, u"1000000000000000000000"},
                    TextCase{123456789012345678.0, u"123456789012346000"},
                    TextCase{100.5, u"100.5"}, TextCase{1234567.125, u"1234567.125"}));

// A value exactly half-way between two 15-digit texts: the even last digit wins.
INSTANTIATE_TEST_SUITE_P(Ties, NumberText,
                         testing::Values(TextCase{10.00006103515625, u"10.0000610351562"},
                                         TextCase{10.00018310546875, u"10.0001831054688"},
                                         TextCase{-10.00006103515625, u"-10.0000610351562"}));

TEST(NumberText, ExtremeDoublesAreWrittenInFull) {
    EXPECT_EQ(FormatNumberText(std::numeric_limits<double>::max()),
              u"179769313486232" + std::u16string(294, u'0'));
    EXPECT_EQ(FormatNumberText(-std::numeric_limits<double>::max()),
              u"-179769313486232" + std::u16string(294, u'0'));
    EXPECT_EQ(FormatNumberText(std::numeric_limits<double>::denorm_min()),
              u"0." + std::u16string(323, u'0') + u"494065645841247");
    EXPECT_EQ(FormatNumberText(-std::numeric_limits<double>::min()),
              u"-0." + std::u16string(307, u'0') + u"22250738585072");
}

TEST(NumberText, NonFiniteValuesKeepTheirNames) {
    EXPECT_EQ(FormatNumberText(std::numeric_limits<double>::infinity()), u"inf");
    EXPECT_EQ(FormatNumberText(-std::numeric_limits<double>::infinity()), u"-inf");
    EXPECT_EQ(FormatNumberText(std::numeric_limits<double>::quiet_NaN()), u"nan");
}

TEST(IntegerText, IsPlainDigits) {
    EXPECT_EQ(FormatIntegerText(0), u"0");
    EXPECT_EQ(FormatIntegerText(8), u"8");
    EXPECT_EQ(FormatIntegerText(std::numeric_limits<unsigned>::max()), u"4294967295");
}

} // namespace
