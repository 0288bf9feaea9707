#include "calc/pin_dimensions.h"
#include "rule_case.h"
#include "test_texts.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace std::string_literals;
using calc::ComputePinDimensions;
using calc::PinDimensionOutcome;
using calc_test::Computed;
using calc_test::NotNumeric;
using calc_test::OutOfRange;
using calc_test::RuleCase;

class PinDimensionRule : public testing::TestWithParam<RuleCase> {};

TEST_P(PinDimensionRule, GivesTheOutcomeOfTheTable) {
    EXPECT_EQ(ComputePinDimensions(GetParam().text), GetParam().expected);
}

// The cases every reader of the rule should check first. "4,5" reads as 45 and takes B from that
// same 45 (never a negative width from a second reading that stops at the ",").
INSTANTIATE_TEST_SUITE_P(
    EdgeCases, PinDimensionRule,
    testing::Values(RuleCase{u"", PinDimensionOutcome::EmptyInput()}, NotNumeric(u" "),
                    NotNumeric(u"abc"), NotNumeric(u"5mm"), OutOfRange(u"2.99"), OutOfRange(u"0"),
                    OutOfRange(u"-10"), OutOfRange(u"50.01"), OutOfRange(u"1e3"),
                    Computed(u"3", u"2", u"2.5"), Computed(u"4.123", u"2", u"3.623"),
                    Computed(u"6", u"2", u"5.5"), Computed(u"6.01", u"3", u"5.01"),
                    Computed(u"7.3", u"3", u"6.3"), Computed(u"8", u"3", u"7"),
                    Computed(u"8.1", u"4", u"6.1"), Computed(u"20", u"4", u"18"),
                    Computed(u"20.3", u"5", u"17.3"), Computed(u"25", u"5", u"22"),
                    Computed(u"32", u"6", u"28"), Computed(u"40", u"7", u"35"),
                    Computed(u"40.5", u"8", u"35.5"), Computed(u"50", u"8", u"45"),
                    Computed(u"12.345678901234567", u"4", u"10.3456789012346"),
                    Computed(u" 7", u"3", u"6"), Computed(u"1e1", u"4", u"8"),
                    Computed(u"&H10", u"4", u"14"), Computed(u"4,5", u"8", u"40"),
                    Computed(u"0,5", u"2", u"4.5")));

// B keeps the nearest 15 significant digits of v - k, also when rounding carries into a new digit.
INSTANTIATE_TEST_SUITE_P(
    NumberText, PinDimensionRule,
    testing::Values(Computed(u"49.99999999999999", u"8", u"45"),
                    Computed(u"9.999999999999999", u"4", u"8"),
                    Computed(u"3.00000000000001", u"2", u"2.50000000000001"),
                    Computed(u"33.3333333333333333", u"7", u"28.3333333333333"),
                    Computed(u"6.000000000000001", u"3", u"5"),
                    Computed(u"25.0000000000001", u"6", u"21.0000000000001"),
                    Computed(u"12.25", u"4", u"10.25"), Computed(u"10.0", u"4", u"8"),
                    Computed(u"010.500", u"4", u"8.5"),
                    // The nearest double to this text is 20 itself, which row 3 holds.
                    Computed(u"20.0000000000000001", u"4", u"18")));

INSTANTIATE_TEST_SUITE_P(GroupingSeparators, PinDimensionRule,
                         testing::Values(OutOfRange(u"1,234"), Computed(u"2,0", u"4", u"18"),
                                         Computed(u"1,0.5", u"4", u"8.5"), OutOfRange(u"1,2,3"),
                                         OutOfRange(u"12,34"), Computed(u"0,0,7", u"3", u"6"),
                                         Computed(u" 2,5 ", u"5", u"22"), OutOfRange(u"-0,5"),
                                         OutOfRange(u"1,0e1"), NotNumeric(u",5"), NotNumeric(u"5,"),
                                         NotNumeric(u"1,,0"), NotNumeric(u"1,.5"),
                                         NotNumeric(u"10.5,0"), NotNumeric(u"1e1,0"),
                                         NotNumeric(u"-,5"), NotNumeric(u","), NotNumeric(u"1 ,0"),
                                         NotNumeric(u"1, 0"), NotNumeric(u"1，0")));

INSTANTIATE_TEST_SUITE_P(
    WholeNumbers, PinDimensionRule,
    testing::Values(Computed(u"&H10", u"4", u"14"), Computed(u"&h1f", u"6", u"27"),
                    Computed(u"&HA", u"4", u"8"), Computed(u"&H1e", u"6", u"26"),
                    Computed(u"&O17", u"4", u"13"), Computed(u"&o62", u"8", u"45"),
                    Computed(u"&H32", u"8", u"45"), OutOfRange(u"&H33"), OutOfRange(u"&O63"),
                    OutOfRange(u"&H2"), OutOfRange(u"&H0"), Computed(u" &H10 ", u"4", u"14"),
                    Computed(u"&H１０", u"4", u"14"), OutOfRange(u"&HFFFFFFFFFFFFFFFF"),
                    OutOfRange(u"&O1777777777777777777777"), NotNumeric(u"&H10000000000000000"),
                    NotNumeric(u"&O2000000000000000000000"), NotNumeric(u"&H"), NotNumeric(u"&O"),
                    NotNumeric(u"&"), NotNumeric(u"&O8"), NotNumeric(u"&HG"), NotNumeric(u"&H 10"),
                    NotNumeric(u"& H10"), NotNumeric(u"-&H10"), NotNumeric(u"+&H10"),
                    NotNumeric(u"&H-10"), NotNumeric(u"&H+10"), NotNumeric(u"&H1.5"),
                    NotNumeric(u"&H1,0"), NotNumeric(u"&X10"), NotNumeric(u"&10"),
                    NotNumeric(u"&B101"), NotNumeric(u"&H0x10"), NotNumeric(u"10&H")));

INSTANTIATE_TEST_SUITE_P(
    Exponents, PinDimensionRule,
    testing::Values(Computed(u"1e1", u"4", u"8"), Computed(u"1E1", u"4", u"8"),
                    Computed(u"1e+1", u"4", u"8"), Computed(u"1e01", u"4", u"8"),
                    Computed(u"5e0", u"2", u"4.5"), Computed(u"0.5e1", u"2", u"4.5"),
                    Computed(u"500e-1", u"8", u"45"), Computed(u"4.05E+1", u"8", u"35.5"),
                    OutOfRange(u"-5e1"), OutOfRange(u"5e-1"), OutOfRange(u"1e-400"),
                    OutOfRange(u"-1e-400"), OutOfRange(u"0e999999999999999999999"),
                    OutOfRange(u"1e-99999999999999999999"), NotNumeric(u"1e400"),
                    NotNumeric(u"-1e400"), NotNumeric(u"1e99999999999999999999"), NotNumeric(u"1e"),
                    NotNumeric(u"1e+"), NotNumeric(u"1e-"), NotNumeric(u"e1"), NotNumeric(u"E5"),
                    NotNumeric(u"1e1.5"), NotNumeric(u"1e 1"), NotNumeric(u"1 e1"),
                    NotNumeric(u"1e1e1"), NotNumeric(u"1ee1"), NotNumeric(u"1d1"),
                    NotNumeric(u"1D1"), NotNumeric(u"1d2"), NotNumeric(u"1e+-1")));

// What a Chinese input method types in full-width mode reads as the same number.
INSTANTIATE_TEST_SUITE_P(
    FullWidthForms, PinDimensionRule,
    testing::Values(Computed(u"１０", u"4", u"8"), Computed(u"１２．５", u"4", u"10.5"),
                    Computed(u"＋５", u"2", u"4.5"), OutOfRange(u"－５"),
                    Computed(u"\u3000７\u3000", u"3", u"6"), Computed(u"１0", u"4", u"8"),
                    Computed(u"１e１", u"4", u"8"), Computed(u"１,０", u"4", u"8"),
                    Computed(u"５．", u"2", u"4.5"), NotNumeric(u"\u3000"), NotNumeric(u"１ｅ１"),
                    NotNumeric(u"１。５"), NotNumeric(u"－－５"), NotNumeric(u"７ｍｍ")));

// A "." needs a digit on at least one side; nothing else may stand around the number.
INSTANTIATE_TEST_SUITE_P(
    SignsAndDecimalPoint, PinDimensionRule,
    testing::Values(Computed(u"5.", u"2", u"4.5"), Computed(u"5.e0", u"2", u"4.5"),
                    Computed(u"+5", u"2", u"4.5"), Computed(u"+.5e2", u"8", u"45"),
                    OutOfRange(u".5"), OutOfRange(u"-.5"), OutOfRange(u"-0"), NotNumeric(u"."),
                    NotNumeric(u"-."), NotNumeric(u"+"), NotNumeric(u"-"), NotNumeric(u".e1"),
                    NotNumeric(u"5..0"), NotNumeric(u"5.0.0"), NotNumeric(u"+-5"),
                    NotNumeric(u"--5"), NotNumeric(u"- 5"), NotNumeric(u"5-"), NotNumeric(u"5+"),
                    NotNumeric(u"(5)"), NotNumeric(u"$5"), NotNumeric(u"¥5"), NotNumeric(u"5 5")));

// What a user's fingers or a paste can bring.
INSTANTIATE_TEST_SUITE_P(
    Junk, PinDimensionRule,
    testing::Values(NotNumeric(u"   "), NotNumeric(u"\t"), NotNumeric(u"\t7"), NotNumeric(u"7\t"),
                    NotNumeric(u"7\n"), NotNumeric(u"7\r\n"), NotNumeric(u"\r\n"),
                    NotNumeric(u"\0"s), NotNumeric(u"7\0"s),
                    NotNumeric(u"\0"
                               u"7"s),
                    NotNumeric(u"\U0001F600"), NotNumeric(u"7\U0001F600"),
                    NotNumeric(std::u16string{char16_t{0xD83D}, u'7'}),
                    NotNumeric(std::u16string{u'7', char16_t{0xDE00}}), NotNumeric(u"inf"),
                    NotNumeric(u"-inf"), NotNumeric(u"Infinity"), NotNumeric(u"nan"),
                    NotNumeric(u"NaN"), NotNumeric(u"0x10"), NotNumeric(u"0X1A"),
                    NotNumeric(u"0x1p3"), NotNumeric(u"1_000"), NotNumeric(u"1 000"),
                    NotNumeric(u"\u0663"), NotNumeric(u"七"), NotNumeric(u"7.3mm"),
                    NotNumeric(u"D2=7")));

constexpr std::size_t kLong = 10'000;

std::u16string Repeated(std::u16string_view part, std::size_t times) {
    std::u16string text;
    for (std::size_t i = 0; i < times; ++i) {
        text += part;
    }
    return text;
}

// Texts far longer than any number typed by hand still give the answer their value calls for.
INSTANTIATE_TEST_SUITE_P(
    LongTexts, PinDimensionRule,
    testing::Values(
        NotNumeric(Repeated(u" ", kLong)), NotNumeric(Repeated(u"\u3000", kLong)),
        Computed(u"7" + Repeated(u" ", kLong), u"3", u"6"),
        Computed(Repeated(u" ", kLong) + u"7", u"3", u"6"),
        Computed(Repeated(u"0", kLong) + u"10", u"4", u"8"),
        Computed(Repeated(u"０", kLong) + u"10", u"4", u"8"),
        Computed(Repeated(u"0,", kLong) + u"7", u"3", u"6"),
        Computed(u"&H" + Repeated(u"0", kLong) + u"10", u"4", u"14"),
        Computed(u"1" + Repeated(u"0", kLong) + u"e-9999", u"4", u"8"),
        Computed(u"20." + Repeated(u"0", kLong) + u"1", u"4", u"18"),
        Computed(u"12." + Repeated(u"3", kLong), u"4", u"10.3333333333333"),
        Computed(u"7" + Repeated(u"0", kLong) + u"e-" + Repeated(u"0", kLong) + u"10000", u"3",
                 u"6"),
        NotNumeric(Repeated(u"9", kLong)), OutOfRange(u"0." + Repeated(u"0", kLong) + u"1"),
        OutOfRange(u"1" + Repeated(u"0", kLong) + u"e-" + Repeated(u"9", 30)),
        NotNumeric(u"7" + Repeated(u"x", kLong)), NotNumeric(Repeated(u"\U0001F600", kLong / 2)),
        NotNumeric(u"7" + Repeated(u"\0"s, kLong))));

TEST(PinDimensionMessages, EachRejectionCarriesItsFixedMessage) {
    EXPECT_EQ(ComputePinDimensions(u"").message(), u"您没有输入定位孔的直径！");
    EXPECT_EQ(ComputePinDimensions(u"abc").message(),
              u"您输入内孔直径不是数值型，请核对后重新输入！");
    EXPECT_EQ(ComputePinDimensions(u"60").message(), u"您输入的内孔直径超出范围！");
}

TEST(PinDimensionMessages, UseFullWidthPunctuation) {
    for (const char16_t* text : {u"", u"abc", u"60"}) {
        const std::u16string_view message = ComputePinDimensions(text).message();
        ASSERT_FALSE(message.empty());
        EXPECT_EQ(message.back(), u'\uFF01') << calc_test::Describe(text);
    }
    EXPECT_NE(ComputePinDimensions(u"abc").message().find(u'\uFF0C'), std::u16string_view::npos);
}

TEST(PinDimensionMessages, ResultsCarryNoMessageAndRejectionsNoResults) {
    EXPECT_TRUE(ComputePinDimensions(u"6").message().empty());
    for (const char16_t* text : {u"", u"abc", u"60"}) {
        const PinDimensionOutcome outcome = ComputePinDimensions(text);
        EXPECT_TRUE(outcome.bText().empty()) << calc_test::Describe(text);
        EXPECT_TRUE(outcome.BText().empty()) << calc_test::Describe(text);
    }
}

} // namespace
