#pragma once

#include "design/design_outcome.h"

#include <string>

namespace design {

// A length to the nearest 0.001 mm, with three decimals: "11.984", "-0.006"; never "-0.000".
std::u16string FormatMillimetres(double mm);

// A deviation to the nearest 0.001 mm with its sign, as handbooks print it: "+0.018", "-0.006";
// zero is "0".
std::u16string FormatDeviation(double mm);

// A diameter with its deviations: "φ12 -0.006/-0.017" (basic size without trailing zeros).
std::u16string FormatDiameter(const PinSize& size);

// A non-negative angle in degrees as degrees, minutes and seconds to the nearest 0.1″, a
// rounding to 60″ carried into the minutes: "0°02′16.7″".
std::u16string FormatAngle(double degrees);

} // namespace design
