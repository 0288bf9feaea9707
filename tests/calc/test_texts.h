#pragma once

#include "calc/pin_dimension_outcome.h"

#include <ostream>
#include <string>
#include <string_view>

namespace calc_test {

// ASCII text as UTF-16.
std::u16string Utf16(std::string_view ascii);

// The value written with 17 significant digits, as printf does: enough to read back exactly.
std::u16string WriteWith17Digits(double value);

// A readable, bounded rendering of a text for failure messages: printable ASCII as it is,
// everything else as \uXXXX, long texts cut short with their length.
std::string Describe(std::u16string_view text);

} // namespace calc_test

namespace calc {

// Lets GoogleTest show outcomes in failure messages.
void PrintTo(const PinDimensionOutcome& outcome, std::ostream* out);

} // namespace calc
