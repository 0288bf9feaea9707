#include "calc/pin_dimensions.h"
#include "test_texts.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

using calc::ComputePinDimensions;
using calc::PinDimensionOutcome;
using calc_test::Utf16;
using calc_test::WriteWith17Digits;

struct ExpectedRow {
    double upperBound;
    const char16_t* bText;
    double k;
};

// The table as a reader of the drawing standard has it: for D2 from 3 up, the first row whose
// upper bound is not below D2.
constexpr std::array<ExpectedRow, 7> kRows{{
    {6, u"2", 0.5},
    {8, u"3", 1},
    {20, u"4", 2},
    {25, u"5", 3},
    {32, u"6", 4},
    {40, u"7", 5},
    {50, u"8", 5},
}};

PinDimensionOutcome ExpectedOutcome(double d2) {
    for (const ExpectedRow& row : kRows) {
        if (d2 <= row.upperBound) {
            // For B between 2.5 and 45, %.15g is plain decimal with the nearest 15 significant
            // digits and no trailing zeros.
            char bWidth[32];
            const int length = std::snprintf(bWidth, sizeof bWidth, "%.15g", d2 - row.k);
            return PinDimensionOutcome::Computed(
                row.bText, Utf16(std::string_view(bWidth, static_cast<std::size_t>(length))));
        }
    }
    return PinDimensionOutcome::OutOfRange();
}

TEST(PinDimensionProperty, RandomDiametersGiveTheirRowAndRoundedWidth) {
    std::mt19937_64 generator(20'240'611);
    std::uniform_real_distribution<double> diameters(3.0, 50.0);
    for (int i = 0; i < 100'000; ++i) {
        const double d2 = diameters(generator);
        const std::u16string text = WriteWith17Digits(d2);
        ASSERT_EQ(ComputePinDimensions(text), ExpectedOutcome(d2)) << calc_test::Describe(text);
    }
}

} // namespace
