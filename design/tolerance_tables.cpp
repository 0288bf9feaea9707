#include "design/tolerance_tables.h"

#include <algorithm>
#include <array>

namespace design {

namespace {

// One row of ISO 286-1 (the same figures as GB/T 1800.1), covering sizes above the previous row's
// upper bound up to and including its own; the first row starts above 0.
struct ToleranceRow {
    double upperBound;
    int it6;
    int it7;
    int f; // es of f
    int g; // es of g
};

constexpr std::array<ToleranceRow, 6> kRows{{
    {3.0, 6, 10, -6, -2},
    {6.0, 8, 12, -10, -4},
    {10.0, 9, 15, -13, -5},
    {18.0, 11, 18, -16, -6},
    {30.0, 13, 21, -20, -7},
    {50.0, 16, 25, -25, -9},
}};
static_assert(kRows.back().upperBound == kLargestTableSize);

std::optional<ToleranceRow> FindRow(double size) {
    if (!(size > 0.0)) {
        return std::nullopt;
    }
    const auto row = std::find_if(kRows.begin(), kRows.end(),
                                  [size](const ToleranceRow& r) { return size <= r.upperBound; });
    if (row == kRows.end()) {
        return std::nullopt;
    }
    return *row;
}

} // namespace

std::optional<int> StandardTolerance(ToleranceGrade grade, double size) {
    const std::optional<ToleranceRow> row = FindRow(size);
    if (!row) {
        return std::nullopt;
    }
    return grade == ToleranceGrade::IT6 ? row->it6 : row->it7;
}

std::optional<int> ShaftUpperDeviation(ShaftDeviation deviation, double size) {
    const std::optional<ToleranceRow> row = FindRow(size);
    if (!row) {
        return std::nullopt;
    }
    switch (deviation) {
    case ShaftDeviation::F:
        return row->f;
    case ShaftDeviation::G:
        return row->g;
    case ShaftDeviation::H:
        break;
    }
    return 0;
}

} // namespace design
