// The relieved-pin dimension rule, from the text typed for D2 to what the user is shown.
#include "calc/pin_dimensions.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

using namespace std::string_literals;
using calc::ComputePinDimensions;

const std::u16string kEmpty = u"您没有输入定位孔的直径！";
const std::u16string kNotNumeric = u"您输入内孔直径不是数值型，请核对后重新输入！";
const std::u16string kOutOfRange = u"您输入的内孔直径超出范围！";

// What the user is shown: the message of a rejection, or b and B as "b B".
std::u16string Shown(const calc::PinDimensionOutcome& outcome) {
    return outcome.kind() == calc::PinDimensionOutcome::Kind::Computed
               ? outcome.bText() + u" " + outcome.BText()
               : std::u16string(outcome.message());
}

// Enough digits to read back as exactly the same double.
std::u16string Text17(double value) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%.17g", value);
    return std::u16string(text, text + length);
}
std::u16string Above(double bound) {
    return Text17(std::nextafter(bound, 100.0));
}

struct Case {
    std::u16string text;
    std::u16string shown;
};

// The case's name in ctest: the text, cut short.
void PrintTo(const Case& rule, std::ostream* out) {
    *out << testing::PrintToString(rule.text.substr(0, 24)) << (rule.text.size() > 24 ? "..." : "");
}

class PinDimensionRule : public testing::TestWithParam<Case> {};

TEST_P(PinDimensionRule, ShowsItsOutcome) {
    EXPECT_EQ(Shown(ComputePinDimensions(GetParam().text)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PinDimensionRule,
    testing::Values(
        // The rule's own edge cases. "4,5" reads as 45 and takes B from that same 45.
        Case{u"", kEmpty}, Case{u" ", kNotNumeric}, Case{u"5mm", kNotNumeric},
        Case{u"2.99", kOutOfRange}, Case{u"-10", kOutOfRange}, Case{u"50.01", kOutOfRange},
        Case{u"3", u"2 2.5"}, Case{u"4.123", u"2 3.623"}, Case{u"6", u"2 5.5"},
        Case{u"6.01", u"3 5.01"}, Case{u"7.3", u"3 6.3"}, Case{u"8", u"3 7"},
        Case{u"8.1", u"4 6.1"}, Case{u"20", u"4 18"}, Case{u"20.3", u"5 17.3"},
        Case{u"25", u"5 22"}, Case{u"32", u"6 28"}, Case{u"40", u"7 35"}, Case{u"40.5", u"8 35.5"},
        Case{u"50", u"8 45"}, Case{u"12.345678901234567", u"4 10.3456789012346"},
        Case{u" 7", u"3 6"}, Case{u"1e1", u"4 8"}, Case{u"&H10", u"4 14"}, Case{u"4,5", u"8 40"},
        Case{u"0,5", u"2 4.5"},
        // A bound belongs to the lower row (above), the next double above it to the next row.
        Case{Above(6), u"3 5"}, Case{Above(8), u"4 6"}, Case{Above(20), u"5 17"},
        Case{Above(25), u"6 21"}, Case{Above(32), u"7 27"}, Case{Above(40), u"8 35"},
        Case{Above(50), kOutOfRange},
        // B keeps the nearest 15 significant digits, also when rounding carries into a new digit.
        Case{u"49.99999999999999", u"8 45"},
        // Separators, "&H"/"&O", exponents and the decimal point.
        Case{u",5", kNotNumeric}, Case{u"&h1f", u"6 27"}, Case{u"&O17", u"4 13"},
        Case{u"&O8", kNotNumeric}, Case{u"4.05E+1", u"8 35.5"}, Case{u"500e-1", u"8 45"},
        Case{u"1e", kNotNumeric}, Case{u"1d2", kNotNumeric}, Case{u"1e400", kNotNumeric},
        Case{u"1e-400", kOutOfRange}, Case{u"5.", u"2 4.5"}, Case{u".5", kOutOfRange},
        Case{u".", kNotNumeric},
        // What a Chinese input method types in full-width mode reads as the same number.
        Case{u"１０", u"4 8"}, Case{u"１２．５", u"4 10.5"}, Case{u"＋５", u"2 4.5"},
        Case{u"－５", kOutOfRange}, Case{u"\u3000７\u3000", u"3 6"}, Case{u"１。５", kNotNumeric},
        // Nothing else may stand around or inside the number: what fingers or a paste can bring.
        Case{u"7 ", u"3 6"}, Case{u"5 5", kNotNumeric}, Case{u"¥5", kNotNumeric},
        Case{u"5-", kNotNumeric}, Case{u"(5)", kNotNumeric}, Case{u"   ", kNotNumeric},
        Case{u"\t7", kNotNumeric}, Case{u"7\0"s, kNotNumeric}, Case{u"7\U0001F600", kNotNumeric},
        Case{u"七", kNotNumeric}, Case{u"inf", kNotNumeric}, Case{u"nan", kNotNumeric},
        Case{u"0x10", kNotNumeric}, Case{u"0x1p3", kNotNumeric},
        Case{std::u16string(10'000, u'0') + u"10", u"4 8"}));

TEST(PinDimensionRule, RandomDiametersGiveTheirRowAndRoundedWidth) {
    // b runs from 2 to 8 down the rows; D2 takes the first row whose upper bound is not below it.
    constexpr double kUpperBounds[] = {6, 8, 20, 25, 32, 40, 50};
    constexpr double kTakenOff[] = {0.5, 1, 2, 3, 4, 5, 5};
    std::mt19937_64 generator(20'240'611);
    std::uniform_real_distribution<double> diameters(3.0, 50.0);
    for (int i = 0; i < 100'000; ++i) {
        const double d2 = diameters(generator);
        int row = 0;
        while (d2 > kUpperBounds[row]) {
            ++row;
        }
        // For B from 2.5 to 45, %.15g is plain decimal with the nearest 15 significant digits.
        char shown[32];
        const int length =
            std::snprintf(shown, sizeof shown, "%d %.15g", 2 + row, d2 - kTakenOff[row]);
        const std::u16string text = Text17(d2);
        ASSERT_EQ(Shown(ComputePinDimensions(text)), std::u16string(shown, shown + length))
            << testing::PrintToString(text);
    }
}

} // namespace
