// The ISO 286 figures at both sides of every row boundary, in micrometres.
#include "design/tolerance_tables.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace {

using design::ShaftDeviation;
using design::ToleranceGrade;

struct Row {
    double size;
    std::optional<int> it6, it7, f, g;
};

TEST(ToleranceTables, EachBoundaryBelongsToTheRowBelowIt) {
    const auto above = [](double bound) { return std::nextafter(bound, 100.0); };
    const Row rows[] = {
        {0.0, {}, {}, {}, {}},        {3.0, 6, 10, -6, -2},         {above(3), 8, 12, -10, -4},
        {6.0, 8, 12, -10, -4},        {above(6), 9, 15, -13, -5},   {10.0, 9, 15, -13, -5},
        {above(10), 11, 18, -16, -6}, {18.0, 11, 18, -16, -6},      {above(18), 13, 21, -20, -7},
        {30.0, 13, 21, -20, -7},      {above(30), 16, 25, -25, -9}, {50.0, 16, 25, -25, -9},
        {above(50), {}, {}, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.size);
        EXPECT_EQ(design::StandardTolerance(ToleranceGrade::IT6, row.size), row.it6);
        EXPECT_EQ(design::StandardTolerance(ToleranceGrade::IT7, row.size), row.it7);
        EXPECT_EQ(design::ShaftUpperDeviation(ShaftDeviation::F, row.size), row.f);
        EXPECT_EQ(design::ShaftUpperDeviation(ShaftDeviation::G, row.size), row.g);
        EXPECT_EQ(design::ShaftUpperDeviation(ShaftDeviation::H, row.size),
                  row.f ? std::optional(0) : std::nullopt);
    }
}

} // namespace
