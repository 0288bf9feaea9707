#include "calc/number_reading.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace calc {

namespace {

// The ASCII character a code unit stands for in a number; '\0' for one that is in no number.
char HomeForm(char16_t unit) {
    if (unit >= u'０' && unit <= u'９') {
        return static_cast<char>('0' + (unit - u'０'));
    }
    switch (unit) {
    case u'．':
        return '.';
    case u'＋':
        return '+';
    case u'－':
        return '-';
    case u'\u3000':
        return ' ';
    default:
        return unit < 0x80 ? static_cast<char>(unit) : '\0';
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "&H" and hexadecimal digits or "&O" and octal digits.
std::optional<double> ReadWholeNumber(std::string_view text) {
    const char mark = text.size() > 2 ? text[1] : '\0';
    const int base = mark == 'H' || mark == 'h' ? 16 : mark == 'O' || mark == 'o' ? 8 : 0;
    if (base == 0) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(text.data() + 2, text.data() + text.size(), value, base);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return static_cast<double>(value);
}

// Checks a decimal number and rewrites it in place, without its grouping separators and a leading
// "+", in the form std::from_chars reads.
std::optional<double> ReadDecimalNumber(std::span<char> text) {
    std::size_t in = 0;
    std::size_t out = 0;
    const auto next = [&] { return in < text.size() ? text[in] : '\0'; };
    const auto keep = [&] { text[out++] = text[in++]; };

    if (next() == '+') {
        ++in;
    } else if (next() == '-') {
        keep();
    }
    // Where the first significant digit stands decides, for a number beyond the range of a double,
    // whether it is too large or too near to zero.
    std::ptrdiff_t digits = 0;
    std::ptrdiff_t integerDigits = -1;
    std::ptrdiff_t firstSignificant = -1;
    while (true) {
        if (IsDigit(next())) {
            firstSignificant = firstSignificant < 0 && next() != '0' ? digits : firstSignificant;
            ++digits;
            keep();
        } else if (next() == ',' && integerDigits < 0 && digits > 0 && in + 1 < text.size() &&
                   IsDigit(text[in + 1])) {
            ++in;
        } else if (next() == '.' && integerDigits < 0) {
            integerDigits = digits;
            keep();
        } else {
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (integerDigits < 0) {
        integerDigits = digits;
    }
    constexpr long long kFarBeyondAnyText = 100'000'000'000'000'000;
    long long exponent = 0;
    bool negativeExponent = false;
    if (next() == 'E' || next() == 'e') {
        keep();
        if (next() == '+' || next() == '-') {
            negativeExponent = next() == '-';
            keep();
        }
        if (!IsDigit(next())) {
            return std::nullopt;
        }
        for (; IsDigit(next()); keep()) {
            exponent = std::min(exponent * 10 + (next() - '0'), kFarBeyondAnyText);
        }
    }
    if (in != text.size()) {
        return std::nullopt;
    }

    double value = 0.0;
    if (std::from_chars(text.data(), text.data() + out, value).ec == std::errc{}) {
        return value;
    }
    // Out of range, so hundreds of powers of ten away from 1: the sign of the power decides.
    const long long power =
        integerDigits - firstSignificant - 1 + (negativeExponent ? -exponent : exponent);
    if (power > 0) {
        return std::nullopt;
    }
    return text[0] == '-' ? -0.0 : 0.0;
}

} // namespace

std::optional<double> ReadStrictNumber(std::u16string_view text) {
    // Texts up to 64 code units are read without touching the heap.
    std::array<char, 64> small;
    std::string large(text.size() > small.size() ? text.size() : 0, '\0');
    std::span<char> number = large.empty() ? std::span(small).first(text.size()) : std::span(large);
    std::transform(text.begin(), text.end(), number.begin(), HomeForm);

    while (!number.empty() && number.front() == ' ') {
        number = number.subspan(1);
    }
    while (!number.empty() && number.back() == ' ') {
        number = number.first(number.size() - 1);
    }
    if (number.empty()) {
        return std::nullopt;
    }
    if (number.front() == '&') {
        return ReadWholeNumber(std::string_view(number.data(), number.size()));
    }
    return ReadDecimalNumber(number);
}

} // namespace calc
