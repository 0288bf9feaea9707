#include "calc/decimal_magnitude.h"

#include <charconv>
#include <cstddef>
#include <limits>

namespace calc {

namespace {

// The power of ten of the first significant digit of the digits before the exponent ("0.05"
// gives -2, "120" gives 2).
std::ptrdiff_t LeadingDigitPower(std::string_view mantissa) {
    const std::size_t point = mantissa.find('.');
    const std::size_t integerDigits = point == std::string_view::npos ? mantissa.size() : point;
    const std::size_t firstSignificant = mantissa.find_first_of("123456789");
    const std::ptrdiff_t offset =
        static_cast<std::ptrdiff_t>(integerDigits) - static_cast<std::ptrdiff_t>(firstSignificant);
    return firstSignificant < integerDigits ? offset - 1 : offset;
}

} // namespace

bool ExceedsLargestDouble(std::string_view number) {
    if (!number.empty() && number.front() == '-') {
        number.remove_prefix(1);
    }
    const std::size_t exponentMark = number.find_first_of("eE");
    const std::ptrdiff_t leadingPower = LeadingDigitPower(number.substr(0, exponentMark));
    if (exponentMark == std::string_view::npos) {
        return leadingPower > 0;
    }

    std::string_view exponentText = number.substr(exponentMark + 1);
    const bool negativeExponent = !exponentText.empty() && exponentText.front() == '-';
    if (!exponentText.empty() && (exponentText.front() == '-' || exponentText.front() == '+')) {
        exponentText.remove_prefix(1);
    }
    // An exponent too long for 64 bits only grows the distance from 1; saturating keeps its sign.
    unsigned long long exponent = 0;
    const auto parsed =
        std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    if (parsed.ec == std::errc::result_out_of_range) {
        exponent = std::numeric_limits<unsigned long long>::max();
    }

    // The number's power of ten is leadingPower + exponent (or - exponent); compare without
    // forming the sum, which could overflow.
    if (negativeExponent) {
        return leadingPower > 0 && static_cast<unsigned long long>(leadingPower) > exponent;
    }
    return leadingPower >= 0 || static_cast<unsigned long long>(-leadingPower) < exponent;
}

} // namespace calc
