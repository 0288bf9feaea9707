#include "test_texts.h"

#include <cstdio>
#include <iomanip>
#include <sstream>

namespace calc_test {

std::u16string Utf16(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::u16string WriteWith17Digits(double value) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%.17g", value);
    return Utf16(std::string_view(text, static_cast<std::size_t>(length)));
}

std::string Describe(std::u16string_view text) {
    constexpr std::size_t kShownUnits = 40;
    std::ostringstream out;
    out << '"';
    for (const char16_t unit : text.substr(0, kShownUnits)) {
        if (unit >= 0x20 && unit < 0x7F) {
            out << static_cast<char>(unit);
        } else {
            out << "\\u" << std::hex << std::setw(4) << std::setfill('0')
                << static_cast<unsigned>(unit) << std::dec;
        }
    }
    out << '"';
    if (text.size() > kShownUnits) {
        out << "... (" << text.size() << " code units)";
    }
    return out.str();
}

} // namespace calc_test

namespace calc {

void PrintTo(const PinDimensionOutcome& outcome, std::ostream* out) {
    switch (outcome.kind()) {
    case PinDimensionOutcome::Kind::EmptyInput:
        *out << "EmptyInput";
        break;
    case PinDimensionOutcome::Kind::NotNumeric:
        *out << "NotNumeric";
        break;
    case PinDimensionOutcome::Kind::OutOfRange:
        *out << "OutOfRange";
        break;
    case PinDimensionOutcome::Kind::Computed:
        *out << "Computed(b " << calc_test::Describe(outcome.bText()) << ", B "
             << calc_test::Describe(outcome.BText()) << ")";
        break;
    }
}

} // namespace calc
