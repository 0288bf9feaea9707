#pragma once

#include <optional>

namespace calc {

// One row of the relieved-pin dimension table: a range of the hole diameter D2, the land width b
// and the amount k taken from D2 to give the corner width B = D2 - k (all in millimetres).
struct PinDimensionRow {
    double lowerBound;
    bool includesLowerBound;
    double upperBound; // always included
    unsigned b;
    double k;

    bool holds(double d2) const {
        return (includesLowerBound ? d2 >= lowerBound : d2 > lowerBound) && d2 <= upperBound;
    }
};

// The first row, in table order, whose range holds d2; none when d2 lies outside 3..50 (or is
// NaN). Every comparison is exact, with no tolerance.
std::optional<PinDimensionRow> FindPinDimensionRow(double d2);

} // namespace calc
