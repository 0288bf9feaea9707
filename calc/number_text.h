#pragma once

#include <string>

namespace calc {

// b as the read-out box shows it: plain decimal digits, "2" to "8".
std::u16string FormatIntegerText(unsigned value);

// B as the read-out box shows it: the double rounded to its nearest 15 significant digits, in
// plain decimal notation with "." as the decimal separator, no trailing zeros after it and no
// separator when no fraction remains ("2.5", "45", "10.3456789012346"). Plain decimal holds for
// magnitudes from 1e-4 up to 1e15, which takes in every B (2.5 to 45).
std::u16string FormatNumberText(double value);

} // namespace calc
