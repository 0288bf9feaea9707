#pragma once

#include <optional>
#include <string_view>

namespace calc {

// Reads the whole text as one number in the home number format, whatever the host's regional
// settings: "." is the decimal separator and "," the digit-grouping separator. Accepted, with
// blanks (U+0020 or U+3000) before and after:
//   - an optional sign, digits with grouping separators between them (each one with a digit on
//     either side; where they stand is not checked), optionally "." and further digits (one side
//     of the "." may be without digits: "5." and ".5"), optionally "E"/"e", an optional sign
//     and exponent digits;
//   - or, with no sign, "&H" and hexadecimal digits or "&O" and octal digits (either letter
//     case), a whole number below 2^64.
// The full-width digits, "．", "＋" and "－" that a Chinese input method types in full-width mode
// count as their ASCII twins.
// The value is the double nearest to the number read; a number nearer to zero than the smallest
// double reads as zero. Anything else, including a number too large for a double, gives no value.
std::optional<double> ReadStrictNumber(std::u16string_view text);

} // namespace calc
