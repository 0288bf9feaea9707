#include "calc/pin_dimensions.h"

#include "calc/number_reading.h"
#include "calc/number_text.h"

#include <algorithm>
#include <optional>

namespace calc {

std::optional<PinDimensions> FindPinDimensions(double d2) {
    const auto row =
        std::find_if(kPinDimensionTable.begin(), kPinDimensionTable.end(),
                     [d2](const PinDimensionRow& candidate) { return d2 <= candidate.upperBound; });
    if (!(d2 >= kSmallestDiameter) || row == kPinDimensionTable.end()) {
        return std::nullopt;
    }
    return PinDimensions{row->b, d2 - row->k};
}

PinDimensionOutcome ComputePinDimensions(std::u16string_view text) {
    using enum PinDimensionOutcome::Kind;
    if (text.empty()) {
        return EmptyInput;
    }
    const std::optional<double> d2 = ReadStrictNumber(text);
    if (!d2) {
        return NotNumeric;
    }
    const std::optional<PinDimensions> pin = FindPinDimensions(*d2);
    if (!pin) {
        return OutOfRange;
    }
    return {FormatIntegerText(pin->b), FormatNumberText(pin->B)};
}

} // namespace calc
