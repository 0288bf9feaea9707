#include "calc/pin_dimensions.h"

#include "calc/number_reading.h"
#include "calc/number_text.h"

#include <algorithm>
#include <optional>

namespace calc {

PinDimensionOutcome ComputePinDimensions(std::u16string_view text) {
    using enum PinDimensionOutcome::Kind;
    if (text.empty()) {
        return EmptyInput;
    }
    const std::optional<double> d2 = ReadStrictNumber(text);
    if (!d2) {
        return NotNumeric;
    }
    // Exact comparisons, no tolerance: a bound shared by two rows belongs to the lower one.
    const auto row =
        std::find_if(kPinDimensionTable.begin(), kPinDimensionTable.end(),
                     [&](const PinDimensionRow& candidate) { return *d2 <= candidate.upperBound; });
    if (*d2 < kSmallestDiameter || row == kPinDimensionTable.end()) {
        return OutOfRange;
    }
    return {FormatIntegerText(row->b), FormatNumberText(*d2 - row->k)};
}

} // namespace calc
