#pragma once

#include <optional>

namespace design {

enum class ToleranceGrade { IT6, IT7 };

// The fundamental deviations of shafts that the round locating pin uses.
enum class ShaftDeviation { F, G, H };

// Sizes are nominal sizes in millimetres, looked up in the ISO 286 (GB/T 1800.1) rows "over A up
// to and including B": up to 3, 3..6, 6..10, 10..18, 18..30, 30..50. Values are in micrometres.
// A size at or below 0 or above kLargestTableSize has no row and gives none.
inline constexpr double kLargestTableSize = 50.0;

// The standard tolerance of the grade.
std::optional<int> StandardTolerance(ToleranceGrade grade, double size);

// The upper deviation es of a shaft (zero or negative).
std::optional<int> ShaftUpperDeviation(ShaftDeviation deviation, double size);

} // namespace design
