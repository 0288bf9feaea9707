#include "calc/pin_dimension_table.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace calc {

namespace {

// Row 1 is closed at both ends; each later row starts just above the previous row's upper bound,
// so a shared bound belongs to the lower row. Rows 6 and 7 both take k = 5.
constexpr std::array<PinDimensionRow, 7> kPinDimensionTable{{
    {3.0, true, 6.0, 2, 0.5},
    {6.0, false, 8.0, 3, 1.0},
    {8.0, false, 20.0, 4, 2.0},
    {20.0, false, 25.0, 5, 3.0},
    {25.0, false, 32.0, 6, 4.0},
    {32.0, false, 40.0, 7, 5.0},
    {40.0, false, 50.0, 8, 5.0},
}};

constexpr bool RowsFollowWithoutGap() {
    for (std::size_t i = 1; i < kPinDimensionTable.size(); ++i) {
        const PinDimensionRow& row = kPinDimensionTable[i];
        if (row.includesLowerBound || row.lowerBound != kPinDimensionTable[i - 1].upperBound) {
            return false;
        }
    }
    return true;
}
static_assert(RowsFollowWithoutGap(), "the table must cover 3..50 without gap or overlap");

} // namespace

std::optional<PinDimensionRow> FindPinDimensionRow(double d2) {
    const auto row =
        std::find_if(kPinDimensionTable.begin(), kPinDimensionTable.end(),
                     [d2](const PinDimensionRow& candidate) { return candidate.holds(d2); });
    if (row == kPinDimensionTable.end()) {
        return std::nullopt;
    }
    return *row;
}

} // namespace calc
