#include "calc/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace calc {

namespace {

constexpr int kSignificantDigits = 15;

// Room for the longest plain text of a double: "-0." and 323 zeros before the 15 digits of the
// smallest subnormal; the largest double needs only 309 digits.
constexpr std::size_t kPlainTextCapacity = 3 + 323 + kSignificantDigits;

// The value rounded to 15 significant digits, as its digits (without trailing zeros) and the
// power of ten of the first digit.
struct RoundedDecimal {
    bool negative = false;
    std::array<char, kSignificantDigits> digits{};
    std::size_t digitCount = 0;
    int leadingPower = 0;
};

RoundedDecimal RoundToSignificantDigits(double value) {
    // Scientific notation with 14 digits after the point: "-d.ddddddddddddddde-308" at most.
    std::array<char, 32> scientific{};
    const auto written =
        std::to_chars(scientific.data(), scientific.data() + scientific.size(), value,
                      std::chars_format::scientific, kSignificantDigits - 1);
    std::string_view text(scientific.data(),
                          static_cast<std::size_t>(written.ptr - scientific.data()));

    RoundedDecimal rounded;
    rounded.negative = text.front() == '-';
    if (rounded.negative) {
        text.remove_prefix(1);
    }
    const std::size_t exponentMark = text.find('e');
    for (const char c : text.substr(0, exponentMark)) {
        if (c != '.') {
            rounded.digits[rounded.digitCount++] = c;
        }
    }
    while (rounded.digitCount > 1 && rounded.digits[rounded.digitCount - 1] == '0') {
        --rounded.digitCount;
    }

    std::string_view exponent = text.substr(exponentMark + 1);
    if (exponent.front() == '+') {
        exponent.remove_prefix(1);
    }
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), rounded.leadingPower);
    return rounded;
}

std::u16string ToUtf16(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

} // namespace

std::u16string FormatNumberText(double value) {
    if (!std::isfinite(value)) {
        return ToUtf16(std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf");
    }
    if (value == 0.0) {
        return u"0";
    }

    const RoundedDecimal rounded = RoundToSignificantDigits(value);
    const std::string_view digits(rounded.digits.data(), rounded.digitCount);

    std::array<char, kPlainTextCapacity> plain;
    std::size_t length = 0;
    const auto append = [&](char c) { plain[length++] = c; };
    if (rounded.negative) {
        append('-');
    }
    if (rounded.leadingPower < 0) {
        append('0');
        append('.');
        for (int zeros = -rounded.leadingPower - 1; zeros > 0; --zeros) {
            append('0');
        }
        for (const char digit : digits) {
            append(digit);
        }
    } else {
        const auto integerDigits = static_cast<std::size_t>(rounded.leadingPower) + 1;
        for (std::size_t i = 0; i < integerDigits; ++i) {
            append(i < digits.size() ? digits[i] : '0');
        }
        if (digits.size() > integerDigits) {
            append('.');
            for (const char digit : digits.substr(integerDigits)) {
                append(digit);
            }
        }
    }
    return ToUtf16(std::string_view(plain.data(), length));
}

} // namespace calc
