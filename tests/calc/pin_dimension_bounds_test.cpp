#include "calc/pin_dimensions.h"
#include "test_texts.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

using calc::ComputePinDimensions;
using calc::PinDimensionOutcome;
using calc_test::WriteWith17Digits;

// A value, written with 17 significant digits, and the results the table gives for it.
struct BoundCase {
    double d2;
    std::u16string bText; // empty: out of range
    std::u16string BText;
};

void PrintTo(const BoundCase& bound, std::ostream* out) {
    *out << calc_test::Describe(WriteWith17Digits(bound.d2));
}

double Above(double bound) {
    return std::nextafter(bound, std::numeric_limits<double>::max());
}
double Below(double bound) {
    return std::nextafter(bound, 0.0);
}

class TableBound : public testing::TestWithParam<BoundCase> {};

TEST_P(TableBound, BelongsToTheRightRow) {
    const BoundCase& bound = GetParam();
    const PinDimensionOutcome expected =
        bound.bText.empty() ? PinDimensionOutcome::OutOfRange()
                            : PinDimensionOutcome::Computed(bound.bText, bound.BText);
    EXPECT_EQ(ComputePinDimensions(WriteWith17Digits(bound.d2)), expected);
}

// Each bound, and the doubles next to it on either side. A shared bound belongs to the lower row;
// one step above it is the next row, whose B rounds back to a whole number at 15 digits.
INSTANTIATE_TEST_SUITE_P(
    EveryBoundOnBothSides, TableBound,
    testing::Values(BoundCase{Below(3), u"", u""}, BoundCase{3, u"2", u"2.5"},
                    BoundCase{Above(3), u"2", u"2.5"}, BoundCase{Below(6), u"2", u"5.5"},
                    BoundCase{6, u"2", u"5.5"}, BoundCase{Above(6), u"3", u"5"},
                    BoundCase{Below(8), u"3", u"7"}, BoundCase{8, u"3", u"7"},
                    BoundCase{Above(8), u"4", u"6"}, BoundCase{Below(20), u"4", u"18"},
                    BoundCase{20, u"4", u"18"}, BoundCase{Above(20), u"5", u"17"},
                    BoundCase{Below(25), u"5", u"22"}, BoundCase{25, u"5", u"22"},
                    BoundCase{Above(25), u"6", u"21"}, BoundCase{Below(32), u"6", u"28"},
                    BoundCase{32, u"6", u"28"}, BoundCase{Above(32), u"7", u"27"},
                    BoundCase{Below(40), u"7", u"35"}, BoundCase{40, u"7", u"35"},
                    BoundCase{Above(40), u"8", u"35"}, BoundCase{Below(50), u"8", u"45"},
                    BoundCase{50, u"8", u"45"}, BoundCase{Above(50), u"", u""}));

} // namespace
