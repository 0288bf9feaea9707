#pragma once

#include <string_view>

namespace calc {

// Whether a decimal number that std::from_chars found beyond the range of a double lies above the
// largest double (rather than below the smallest one, nearer to zero). std::from_chars reports
// both the same way. The number is written as [-]digits[.digits][e[+|-]digits] with at least
// one significant (non-zero) digit; only the decimal exponent of that first significant digit
// decides, since a number out of range is hundreds of powers of ten away from 1.
bool ExceedsLargestDouble(std::string_view number);

} // namespace calc
