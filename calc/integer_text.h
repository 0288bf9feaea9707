#pragma once

#include <string>

namespace calc {

// A whole number as plain decimal digits, with no sign, blank or separator: 8 gives "8".
std::u16string FormatIntegerText(unsigned value);

} // namespace calc
