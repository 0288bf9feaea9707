// The relieved-pin dimension rule, from the text typed for D2 to what the read-out boxes show.
#include "calc/pin_dimensions.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>

namespace calc {

// Lets GoogleTest show outcomes in failure messages.
void PrintTo(const PinDimensionOutcome& outcome, std::ostream* out) {
    constexpr std::array kKinds{"EmptyInput", "NotNumeric", "OutOfRange", "Computed"};
    *out << kKinds[static_cast<std::size_t>(outcome.kind())] << ' '
         << testing::PrintToString(outcome.bText()) << ' '
         << testing::PrintToString(outcome.BText());
}

} // namespace calc

namespace {

using namespace std::string_literals;
using calc::ComputePinDimensions;
using Outcome = calc::PinDimensionOutcome;

// A text and the outcome the rule must give for it.
struct Case {
    std::u16string text;
    Outcome expected;
};

Case Computed(std::u16string text, std::u16string bText, std::u16string BText) {
    return {std::move(text), Outcome::Computed(std::move(bText), std::move(BText))};
}
Case NotNumeric(std::u16string text) {
    return {std::move(text), Outcome::NotNumeric()};
}
Case OutOfRange(std::u16string text) {
    return {std::move(text), Outcome::OutOfRange()};
}

// The case's name in ctest: long texts are cut short, with their length.
void PrintTo(const Case& rule, std::ostream* out) {
    *out << testing::PrintToString(rule.text.substr(0, 24));
    if (rule.text.size() > 24) {
        *out << "... (" << rule.text.size() << ")";
    }
}

// Enough digits to read back as exactly the same double.
std::u16string Text17(double value) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%.17g", value);
    return std::u16string(text, text + length);
}
std::u16string Below(double bound) {
    return Text17(std::nextafter(bound, 0.0));
}
std::u16string Above(double bound) {
    return Text17(std::nextafter(bound, 100.0));
}

const std::u16string kZeros(10'000, u'0');
const std::u16string kLongBlanks(10'000, u' ');

class PinDimensionRule : public testing::TestWithParam<Case> {};

TEST_P(PinDimensionRule, GivesItsOutcome) {
    EXPECT_EQ(ComputePinDimensions(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PinDimensionRule,
    testing::Values(
        // The rule's own edge cases. "4,5" reads as 45 and takes B from that same 45, never a
        // negative width.
        Case{u"", Outcome::EmptyInput()}, NotNumeric(u" "), NotNumeric(u"abc"), NotNumeric(u"5mm"),
        OutOfRange(u"2.99"), OutOfRange(u"0"), OutOfRange(u"-10"), OutOfRange(u"50.01"),
        OutOfRange(u"1e3"), Computed(u"3", u"2", u"2.5"), Computed(u"4.123", u"2", u"3.623"),
        Computed(u"6", u"2", u"5.5"), Computed(u"6.01", u"3", u"5.01"),
        Computed(u"7.3", u"3", u"6.3"), Computed(u"8", u"3", u"7"), Computed(u"8.1", u"4", u"6.1"),
        Computed(u"20", u"4", u"18"), Computed(u"20.3", u"5", u"17.3"),
        Computed(u"25", u"5", u"22"), Computed(u"32", u"6", u"28"), Computed(u"40", u"7", u"35"),
        Computed(u"40.5", u"8", u"35.5"), Computed(u"50", u"8", u"45"),
        Computed(u"12.345678901234567", u"4", u"10.3456789012346"), Computed(u" 7", u"3", u"6"),
        Computed(u"1e1", u"4", u"8"), Computed(u"&H10", u"4", u"14"), Computed(u"4,5", u"8", u"40"),
        Computed(u"0,5", u"2", u"4.5"),
        // A shared bound belongs to the lower row; the next double above it to the next row.
        OutOfRange(Below(3)), Computed(Above(3), u"2", u"2.5"), Computed(Below(6), u"2", u"5.5"),
        Computed(Above(6), u"3", u"5"), Computed(Below(8), u"3", u"7"),
        Computed(Above(8), u"4", u"6"), Computed(Below(20), u"4", u"18"),
        Computed(Above(20), u"5", u"17"), Computed(Below(25), u"5", u"22"),
        Computed(Above(25), u"6", u"21"), Computed(Below(32), u"6", u"28"),
        Computed(Above(32), u"7", u"27"), Computed(Below(40), u"7", u"35"),
        Computed(Above(40), u"8", u"35"), Computed(Below(50), u"8", u"45"), OutOfRange(Above(50)),
        // D2 is the double nearest to the text; B keeps the nearest 15 significant digits of
        // D2 - k, also when rounding carries into a new digit.
        Computed(u"49.99999999999999", u"8", u"45"), Computed(u"9.999999999999999", u"4", u"8"),
        Computed(u"3.00000000000001", u"2", u"2.50000000000001"),
        Computed(u"33.3333333333333333", u"7", u"28.3333333333333"),
        Computed(u"6.000000000000001", u"3", u"5"), Computed(u"20.0000000000000001", u"4", u"18"),
        Computed(u"010.500", u"4", u"8.5"),
        // Grouping separators.
        OutOfRange(u"1,234"), OutOfRange(u"-0,5"), Computed(u"2,0", u"4", u"18"),
        Computed(u"1,0.5", u"4", u"8.5"), Computed(u" 2,5 ", u"5", u"22"),
        Computed(u"0,0,7", u"3", u"6"), NotNumeric(u",5"), NotNumeric(u"5,"), NotNumeric(u"1,,0"),
        NotNumeric(u"1,.5"), NotNumeric(u"1e1,0"), NotNumeric(u"1 ,0"), NotNumeric(u"1，0"),
        // Hexadecimal and octal whole numbers.
        Computed(u"&h1f", u"6", u"27"), Computed(u"&O17", u"4", u"13"),
        Computed(u"&o62", u"8", u"45"), Computed(u" &H１０ ", u"4", u"14"), OutOfRange(u"&H33"),
        OutOfRange(u"&H2"), OutOfRange(u"&HFFFFFFFFFFFFFFFF"), NotNumeric(u"&H10000000000000000"),
        NotNumeric(u"&H"), NotNumeric(u"&O8"), NotNumeric(u"&HG"), NotNumeric(u"-&H10"),
        NotNumeric(u"&H 10"), NotNumeric(u"&H1.5"), NotNumeric(u"&H1,0"), NotNumeric(u"&X10"),
        NotNumeric(u"&H0x10"),
        // Exponents.
        Computed(u"1E+1", u"4", u"8"), Computed(u"1e01", u"4", u"8"),
        Computed(u"500e-1", u"8", u"45"), Computed(u"4.05E+1", u"8", u"35.5"), OutOfRange(u"5e-1"),
        OutOfRange(u"1e-400"), OutOfRange(u"0e999999999999999999"), NotNumeric(u"1e400"),
        NotNumeric(u"-1e400"), NotNumeric(u"1e99999999999999999"), NotNumeric(u"1e"),
        NotNumeric(u"1e+"), NotNumeric(u"e1"), NotNumeric(u"1e1.5"), NotNumeric(u"1e 1"),
        NotNumeric(u"1ee1"), NotNumeric(u"1d2"), NotNumeric(u"1D1"),
        // What a Chinese input method types in full-width mode reads as the same number.
        Computed(u"１０", u"4", u"8"), Computed(u"１２．５", u"4", u"10.5"),
        Computed(u"＋５", u"2", u"4.5"), Computed(u"\u3000７\u3000", u"3", u"6"),
        Computed(u"１0", u"4", u"8"), Computed(u"１,０", u"4", u"8"), OutOfRange(u"－５"),
        NotNumeric(u"\u3000"), NotNumeric(u"１ｅ１"), NotNumeric(u"１。５"), NotNumeric(u"７ｍｍ"),
        // A "." needs a digit on one side at least; nothing else may stand around the number.
        Computed(u"5.", u"2", u"4.5"), Computed(u"+5", u"2", u"4.5"),
        Computed(u"+.5e2", u"8", u"45"), OutOfRange(u".5"), OutOfRange(u"-0"), NotNumeric(u"."),
        NotNumeric(u"-"), NotNumeric(u"+-5"), NotNumeric(u"5-"), NotNumeric(u"(5)"),
        NotNumeric(u"¥5"), NotNumeric(u"5 5"),
        // What a user's fingers or a paste can bring.
        NotNumeric(u"   "), NotNumeric(u"\t"), NotNumeric(u"\t7"), NotNumeric(u"7\t"),
        NotNumeric(u"7\r\n"), NotNumeric(u"\0"s), NotNumeric(u"7\0"s), NotNumeric(u"\U0001F600"),
        NotNumeric(u"7\U0001F600"), NotNumeric({char16_t{0xD83D}, u'7'}), NotNumeric(u"inf"),
        NotNumeric(u"-inf"), NotNumeric(u"Infinity"), NotNumeric(u"nan"), NotNumeric(u"NaN"),
        NotNumeric(u"0x10"), NotNumeric(u"0x1p3"), NotNumeric(u"1_000"), NotNumeric(u"\u0663"),
        NotNumeric(u"七"), NotNumeric(kLongBlanks), Computed(u"7" + kLongBlanks, u"3", u"6"),
        Computed(kLongBlanks + u"7", u"3", u"6"), Computed(kZeros + u"10", u"4", u"8"),
        Computed(u"1" + kZeros + u"e-9999", u"4", u"8"),
        Computed(u"20." + kZeros + u"1", u"4", u"18"),
        Computed(u"12." + std::u16string(10'000, u'3'), u"4", u"10.3333333333333"),
        NotNumeric(std::u16string(10'000, u'9')), OutOfRange(u"0." + kZeros + u"1"),
        NotNumeric(u"7" + std::u16string(10'000, u'\0'))));

TEST(PinDimensionRule, EachRejectionCarriesItsFixedMessage) {
    EXPECT_EQ(ComputePinDimensions(u"").message(), u"您没有输入定位孔的直径！");
    EXPECT_EQ(ComputePinDimensions(u"abc").message(),
              u"您输入内孔直径不是数值型，请核对后重新输入！");
    EXPECT_EQ(ComputePinDimensions(u"60").message(), u"您输入的内孔直径超出范围！");
    EXPECT_EQ(ComputePinDimensions(u"6").message(), u"");
}

TEST(PinDimensionRule, RandomDiametersGiveTheirRowAndRoundedWidth) {
    // The table as the drawing standard has it: b runs from 2 to 8 down the rows, and D2 takes
    // the first row whose upper bound is not below it.
    constexpr double kUpperBounds[] = {6, 8, 20, 25, 32, 40, 50};
    constexpr double kTakenOff[] = {0.5, 1, 2, 3, 4, 5, 5};
    std::mt19937_64 generator(20'240'611);
    std::uniform_real_distribution<double> diameters(3.0, 50.0);
    for (int i = 0; i < 100'000; ++i) {
        const double d2 = diameters(generator);
        std::size_t row = 0;
        while (d2 > kUpperBounds[row]) {
            ++row;
        }
        // For B from 2.5 to 45, %.15g is plain decimal with the nearest 15 significant digits.
        char BText[32];
        const int length = std::snprintf(BText, sizeof BText, "%.15g", d2 - kTakenOff[row]);
        const std::u16string text = Text17(d2);
        ASSERT_EQ(ComputePinDimensions(text),
                  Outcome::Computed(std::u16string(1, static_cast<char16_t>(u'2' + row)),
                                    std::u16string(BText, BText + length)))
            << testing::PrintToString(text);
    }
}

} // namespace
