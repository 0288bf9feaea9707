// The relieved-pin dimension rule, from the text typed for D2 to what it tells the window.
#include "calc/pin_dimensions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <string>

namespace {

using namespace std::string_literals;
using calc::ComputePinDimensions;
using enum calc::PinDimensionOutcome::Kind;

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
    calc::PinDimensionOutcome::Kind kind;
    std::u16string bText = u"";
    std::u16string BText = u"";
};

// The case's name in ctest: the text, cut short.
void PrintTo(const Case& rule, std::ostream* out) {
    *out << testing::PrintToString(rule.text.substr(0, 24)) << (rule.text.size() > 24 ? "..." : "");
}

class PinDimensionRule : public testing::TestWithParam<Case> {};

TEST_P(PinDimensionRule, TellsWhatTheTextGives) {
    const calc::PinDimensionOutcome outcome = ComputePinDimensions(GetParam().text);
    EXPECT_EQ(outcome.kind(), GetParam().kind);
    EXPECT_EQ(outcome.bText(), GetParam().bText);
    EXPECT_EQ(outcome.BText(), GetParam().BText);
}

const std::u16string k400Zeros(400, u'0');

INSTANTIATE_TEST_SUITE_P(
    Texts, PinDimensionRule,
    testing::Values(
        // Every row and its bounds: a bound belongs to the lower row, the next double above it
        // to the next row. "4,5" reads as 45 and takes B from that same 45.
        Case{u"", EmptyInput}, Case{u" ", NotNumeric}, Case{u"5mm", NotNumeric},
        Case{u"2.99", OutOfRange}, Case{u"-10", OutOfRange}, Case{u"50.01", OutOfRange},
        Case{Above(50), OutOfRange}, Case{u"3", Computed, u"2", u"2.5"},
        Case{u"4.123", Computed, u"2", u"3.623"}, Case{u"6", Computed, u"2", u"5.5"},
        Case{Above(6), Computed, u"3", u"5"}, Case{u"7.3", Computed, u"3", u"6.3"},
        Case{u"8", Computed, u"3", u"7"}, Case{Above(8), Computed, u"4", u"6"},
        Case{u"20", Computed, u"4", u"18"}, Case{Above(20), Computed, u"5", u"17"},
        Case{u"25", Computed, u"5", u"22"}, Case{Above(25), Computed, u"6", u"21"},
        Case{u"32", Computed, u"6", u"28"}, Case{Above(32), Computed, u"7", u"27"},
        Case{u"40", Computed, u"7", u"35"}, Case{Above(40), Computed, u"8", u"35"},
        Case{u"50", Computed, u"8", u"45"}, Case{u"4,5", Computed, u"8", u"40"},
        Case{u"0,5", Computed, u"2", u"4.5"},
        // B keeps the nearest 15 significant digits, also when rounding carries into a new digit.
        Case{u"12.345678901234567", Computed, u"4", u"10.3456789012346"},
        Case{u"49.99999999999999", Computed, u"8", u"45"},
        // Separators, "&H"/"&O", exponents and the decimal point.
        Case{u",5", NotNumeric}, Case{u"5,", NotNumeric}, Case{u"1,,5", NotNumeric},
        Case{u"1.2,5", NotNumeric}, Case{u"&H10", Computed, u"4", u"14"},
        Case{u"&h1f", Computed, u"6", u"27"}, Case{u"&O17", Computed, u"4", u"13"},
        Case{u"&O8", NotNumeric}, Case{u"&H", NotNumeric}, Case{u"&", NotNumeric},
        Case{u"&H-1", NotNumeric}, Case{u"&H10000000000000000", NotNumeric},
        Case{u"+&H10", NotNumeric}, Case{u"1e1", Computed, u"4", u"8"},
        Case{u"4.05E+1", Computed, u"8", u"35.5"}, Case{u"500e-1", Computed, u"8", u"45"},
        Case{u"1e", NotNumeric}, Case{u"1e+", NotNumeric}, Case{u"1d2", NotNumeric},
        Case{u"5.", Computed, u"2", u"4.5"}, Case{u".5", OutOfRange}, Case{u".", NotNumeric},
        Case{u"+-5", NotNumeric}, Case{u"1e3", OutOfRange},
        // Beyond the range of a double: too large is no number, too near to zero reads as zero.
        Case{u"1e400", NotNumeric}, Case{u"-1e400", NotNumeric}, Case{u"1" + k400Zeros, NotNumeric},
        Case{u"1e99999999999999999999", NotNumeric}, Case{u"1e-400", OutOfRange},
        Case{u"0." + k400Zeros + u"1", OutOfRange}, Case{u"1e-99999999999999999999", OutOfRange},
        Case{u"1" + k400Zeros + u"e-399", Computed, u"4", u"8"},
        Case{u"0." + k400Zeros + u"5e401", Computed, u"2", u"4.5"},
        // What a Chinese input method types in full-width mode reads as the same number.
        Case{u"１０", Computed, u"4", u"8"}, Case{u"１２．５", Computed, u"4", u"10.5"},
        Case{u"＋５", Computed, u"2", u"4.5"}, Case{u"－５", OutOfRange},
        Case{u"\u3000７\u3000", Computed, u"3", u"6"}, Case{u"１。５", NotNumeric},
        Case{u"１，５", NotNumeric},
        // Nothing else may stand around or inside the number: what fingers or a paste can bring.
        Case{u" 7", Computed, u"3", u"6"}, Case{u"7 ", Computed, u"3", u"6"},
        Case{u"5 5", NotNumeric}, Case{u"¥5", NotNumeric}, Case{u"5-", NotNumeric},
        Case{u"(5)", NotNumeric}, Case{u"   ", NotNumeric}, Case{u"\t7", NotNumeric},
        Case{u"7\0"s, NotNumeric}, Case{u"7\U0001F600", NotNumeric}, Case{u"七", NotNumeric},
        Case{u"inf", NotNumeric}, Case{u"0x10", NotNumeric},
        Case{std::u16string(10'000, u'0') + u"10", Computed, u"4", u"8"}));

// B for every kind of v in each row: the bounds' neighbours and random doubles, written exactly,
// and decimals of 15 to 17 digits, the 16-digit ones halfway between two 15-digit texts. The
// oracle: plain decimal of at most 15 digits with no trailing zeros, reading back as v - k rounded
// to 15 digits by printf.
TEST(PinDimensionRule, BIsTheSameVMinusKTo15SignificantDigits) {
    const std::regex plain("[1-9][0-9]*(\\.[0-9]*[1-9])?");
    std::mt19937_64 generator(20'261'207);
    double lower = calc::kSmallestDiameter;
    for (const calc::PinDimensionRow& row : calc::kPinDimensionTable) {
        std::uniform_real_distribution<double> uniform(lower, row.upperBound);
        double above = lower;
        double below = row.upperBound;
        for (int i = 0; i < 20'000; ++i) {
            const double v = i < 100   ? above = std::nextafter(above, 100.0)
                             : i < 200 ? below = std::nextafter(below, 0.0)
                                       : uniform(generator);
            const bool exact = i < 200 || i % 4 == 0;
            const int digits = exact ? 17 : 13 + i % 4 - (v < 10 ? 0 : 1); // after the point
            char text[40];
            const int length = std::snprintf(text, sizeof text, exact ? "%.*g" : "%.*f", digits, v);
            text[length - 1] = !exact && i % 4 == 2 ? '5' : text[length - 1];

            const calc::PinDimensionOutcome outcome =
                ComputePinDimensions(std::u16string(text, text + length));
            const std::string B(outcome.BText().begin(), outcome.BText().end());
            char rounded[32];
            std::snprintf(rounded, sizeof rounded, "%.14e", std::strtod(text, nullptr) - row.k);
            ASSERT_TRUE(std::regex_match(B, plain) &&
                        std::count_if(B.begin(), B.end(), ::isdigit) <= 15)
                << text << " gives " << B;
            ASSERT_EQ(std::strtod(B.c_str(), nullptr), std::strtod(rounded, nullptr)) << text;
        }
        lower = row.upperBound;
    }
}

} // namespace
