#pragma once

#include <string>

namespace calc {

// A finite double as text: reduced to its nearest 15 significant decimal digits (an exact tie
// goes to the even digit), written in plain decimal notation with "." as the decimal separator,
// no trailing zeros after the separator and no separator when no fraction remains. A magnitude
// below 1 has a zero before the separator ("-0.5"); a negative value begins with "-", but zero
// is "0" whatever its sign. Infinities and NaN, which have no such text, come out as "inf",
// "-inf" and "nan".
std::u16string FormatNumberText(double value);

} // namespace calc
