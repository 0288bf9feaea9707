#include "calc/integer_text.h"

#include <array>
#include <charconv>
#include <limits>

namespace calc {

std::u16string FormatIntegerText(unsigned value) {
    std::array<char, std::numeric_limits<unsigned>::digits10 + 1> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return std::u16string(digits.data(), written.ptr);
}

} // namespace calc
