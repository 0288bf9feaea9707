#include "calc/strict_number.h"

#include "calc/decimal_magnitude.h"
#include "calc/number_characters.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace calc {

namespace {

// Texts up to this many code units are read without touching the heap.
constexpr std::size_t kStackBufferSize = 64;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSign(char c) {
    return c == '+' || c == '-';
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Advances past a run of digits and returns how many there were.
std::size_t SkipDigits(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos - start;
}

// Advances past digits with grouping separators between them; a separator needs a digit on
// either side. Returns how many digits there were.
std::size_t SkipGroupedDigits(std::string_view text, std::size_t& pos) {
    std::size_t digits = SkipDigits(text, pos);
    while (digits > 0 && pos + 1 < text.size() && text[pos] == ',' && IsDigit(text[pos + 1])) {
        ++pos;
        digits += SkipDigits(text, pos);
    }
    return digits;
}

bool IsDecimalNumber(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && IsSign(text[pos])) {
        ++pos;
    }
    std::size_t mantissaDigits = SkipGroupedDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        mantissaDigits += SkipDigits(text, pos);
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        if (pos < text.size() && IsSign(text[pos])) {
            ++pos;
        }
        if (SkipDigits(text, pos) == 0) {
            return false;
        }
    }
    return pos == text.size();
}

// A checked decimal number, with its grouping separators and any leading "+" dropped in place, in
// the form std::from_chars reads.
std::string_view ToFromCharsForm(std::span<char> number) {
    const auto end = std::remove(number.begin(), number.end(), ',');
    std::string_view compact(number.data(), static_cast<std::size_t>(end - number.begin()));
    if (compact.front() == '+') {
        compact.remove_prefix(1);
    }
    return compact;
}

std::optional<double> ReadDecimalNumber(std::span<char> number) {
    const std::string_view compact = ToFromCharsForm(number);
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(compact.data(), compact.data() + compact.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (ExceedsLargestDouble(compact)) {
            return std::nullopt;
        }
        return compact.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc{} || end != compact.data() + compact.size()) {
        return std::nullopt;
    }
    return value;
}

// "&H" or "&O" and its digits.
std::optional<double> ReadWholeNumber(std::string_view number) {
    if (number.size() < 3 || number.front() != '&') {
        return std::nullopt;
    }
    int base = 0;
    switch (number[1]) {
    case 'H':
    case 'h':
        base = 16;
        break;
    case 'O':
    case 'o':
        base = 8;
        break;
    default:
        return std::nullopt;
    }
    const std::string_view digits = number.substr(2);
    std::uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return static_cast<double>(value);
}

std::optional<double> ReadHomeFormNumber(std::span<char> text) {
    const std::string_view trimmed = TrimBlanks(std::string_view(text.data(), text.size()));
    if (trimmed.empty()) {
        return std::nullopt;
    }
    if (trimmed.front() == '&') {
        return ReadWholeNumber(trimmed);
    }
    if (!IsDecimalNumber(trimmed)) {
        return std::nullopt;
    }
    const auto offset = static_cast<std::size_t>(trimmed.data() - text.data());
    return ReadDecimalNumber(text.subspan(offset, trimmed.size()));
}

std::span<char> ToHomeForm(std::u16string_view text, std::span<char> buffer) {
    std::transform(text.begin(), text.end(), buffer.begin(), ToHomeFormCharacter);
    return buffer.first(text.size());
}

} // namespace

std::optional<double> ReadStrictNumber(std::u16string_view text) {
    if (text.size() <= kStackBufferSize) {
        std::array<char, kStackBufferSize> buffer;
        return ReadHomeFormNumber(ToHomeForm(text, buffer));
    }
    std::string buffer(text.size(), kNoNumberCharacter);
    return ReadHomeFormNumber(ToHomeForm(text, buffer));
}

} // namespace calc
