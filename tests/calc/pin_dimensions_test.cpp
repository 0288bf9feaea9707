// The relieved-pin dimension rule, from the text typed for D2 to what it tells the window.
#include "calc/pin_dimensions.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using calc::ComputePinDimensions;
using enum calc::PinDimensionOutcome::Kind;

// The shortest text that reads back as the very double above the bound.
std::u16string above(double bound) {
    char text[32];
    return std::u16string(text, std::to_chars(text, text + 32, std::nextafter(bound, 99.0)).ptr);
}

TEST(PinDimensionRule, TellsBAndBOrWhyNot) {
    const std::u16string zeros(400, u'0');
    // "b B": a bound belongs to the lower row, the next double above it to the next row; "4,5"
    // groups digits: 45, with B from the same 45.
    const std::pair<std::u16string, std::u16string> computed[] = {
        {u"3", u"2 2.5"},        {u"6", u"2 5.5"},       {above(6), u"3 5"},
        {u"8", u"3 7"},          {above(8), u"4 6"},     {u"20", u"4 18"},
        {above(20), u"5 17"},    {u"25", u"5 22"},       {above(25), u"6 21"},
        {u"32", u"6 28"},        {above(32), u"7 27"},   {u"40", u"7 35"},
        {above(40), u"8 35"},    {u"50", u"8 45"},       {u"4,5", u"8 40"},
        {u"0,5", u"2 4.5"},      {u"&H10", u"4 14"},     {u"&h1f", u"6 27"},
        {u"&O17", u"4 13"},      {u"&o20", u"4 14"},     {u"1e1", u"4 8"},
        {u"4.05E+1", u"8 35.5"}, {u"5.", u"2 4.5"},      {u"１９．５", u"4 17.5"},
        {u"＋０５", u"2 4.5"},   {u"\u3000７ ", u"3 6"}, {u" 7\u3000", u"3 6"}};
    for (const auto& [text, bB] : computed) {
        const calc::PinDimensionOutcome outcome = ComputePinDimensions(text);
        EXPECT_EQ(outcome.bText() + u' ' + outcome.BText(), bB) << testing::PrintToString(text);
    }
    // B to 15 significant digits, also below 10 and where rounding carries into a new digit.
    EXPECT_EQ(ComputePinDimensions(u"12.345678901234567").BText(), u"10.3456789012346");
    EXPECT_EQ(ComputePinDimensions(u"7.123456789012347").BText(), u"6.12345678901235");
    EXPECT_EQ(ComputePinDimensions(u"49.99999999999999").BText(), u"45");
    // A long run of digits, its exponent making up for it.
    EXPECT_EQ(ComputePinDimensions(u"1" + zeros + u"e-399").BText(), u"8");
    // Too large for a double is no number, too near zero reads as zero: the exponent 9.3e18 is
    // beyond 64 bits, and zeros before the 1 make no larger a number. "丸" is U+4E38, "8" in its
    // low byte.
    const std::pair<calc::PinDimensionOutcome::Kind, std::vector<std::u16string>> rejected[] = {
        {EmptyInput, {u""}},
        {NotNumeric,
         {u" ",   u"5mm",  u"1e400", u"-1e400", u"1,,5",   u",5", u"5,",  u"1.2,5", u"&O8",
          u"&H",  u"&H-1", u"+&H10", u"1e",     u"1d2",    u".",  u"+-5", u"5 5",   u"5.5.5",
          u"\t7", u"inf",  u"0x10",  u"１。５", u"１，５", u"丸", u"(5)"}},
        {NotNumeric,
         {u"1" + zeros, u"1e9300000000000000000", u"&H10000000000000000",
          std::u16string(u"7\0", 2)}},
        {OutOfRange, {u"2.99", u"50.01", above(50), u".5", u"1e-400", zeros + u"1e-399", u"－５"}}};
    for (const auto& [kind, texts] : rejected) {
        for (const std::u16string& text : texts) {
            EXPECT_EQ(ComputePinDimensions(text).kind(), kind) << testing::PrintToString(text);
        }
    }
}

} // namespace
