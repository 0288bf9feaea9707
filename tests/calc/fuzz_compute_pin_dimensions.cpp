// libFuzzer target: any UTF-16 text gives exactly one well-formed outcome, and every finite number
// the strict conversion reads comes back from its number text within the 15 kept digits.
#include "calc/number_text.h"
#include "calc/pin_dimensions.h"
#include "calc/strict_number.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::u16string DecodeUtf16LittleEndian(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    }
    return text;
}

void CheckOutcome(const std::u16string& text) {
    using Kind = calc::PinDimensionOutcome::Kind;
    const calc::PinDimensionOutcome outcome = calc::ComputePinDimensions(text);
    Require((outcome.kind() == Kind::EmptyInput) == text.empty());
    if (outcome.kind() != Kind::Computed) {
        Require(!outcome.message().empty());
        Require(outcome.bText().empty() && outcome.BText().empty());
        return;
    }
    Require(outcome.message().empty());
    Require(outcome.bText().size() == 1 && outcome.bText()[0] >= u'2' &&
            outcome.bText()[0] <= u'8');
    const std::optional<double> bWidth = calc::ReadStrictNumber(outcome.BText());
    Require(bWidth.has_value() && *bWidth >= 2.5 && *bWidth <= 45.0);
}

void CheckNumberTextRoundTrip(const std::u16string& text) {
    const std::optional<double> value = calc::ReadStrictNumber(text);
    if (!value) {
        return;
    }
    const std::optional<double> reread = calc::ReadStrictNumber(calc::FormatNumberText(*value));
    Require(reread.has_value());
    // 15 significant digits keep a relative error of at most 5e-15 (a leading 1 followed by
    // zeros), and reading the text back adds at most half a unit in the last place.
    Require(std::abs(*reread - *value) <= std::abs(*value) * 1e-14);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = DecodeUtf16LittleEndian(data, size);
    CheckOutcome(text);
    CheckNumberTextRoundTrip(text);
    return 0;
}
