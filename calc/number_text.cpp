#include "calc/number_text.h"

#include <array>
#include <charconv>

namespace calc {

namespace {

template <typename Number, typename... Format>
std::u16string ToText(Number value, Format... format) {
    std::array<char, 32> text; // "-1.23456789012345e-308" at most
    char* const end = std::to_chars(text.data(), text.data() + text.size(), value, format...).ptr;
    return std::u16string(text.data(), end);
}

} // namespace

std::u16string FormatIntegerText(unsigned value) {
    return ToText(value);
}

std::u16string FormatNumberText(double value) {
    return ToText(value, std::chars_format::general, 15);
}

} // namespace calc
