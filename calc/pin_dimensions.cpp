#include "calc/pin_dimensions.h"

#include "calc/integer_text.h"
#include "calc/number_text.h"
#include "calc/pin_dimension_table.h"
#include "calc/strict_number.h"

#include <optional>

namespace calc {

PinDimensionOutcome ComputePinDimensions(std::u16string_view text) {
    if (text.empty()) {
        return PinDimensionOutcome::EmptyInput();
    }
    const std::optional<double> d2 = ReadStrictNumber(text);
    if (!d2) {
        return PinDimensionOutcome::NotNumeric();
    }
    const std::optional<PinDimensionRow> row = FindPinDimensionRow(*d2);
    if (!row) {
        return PinDimensionOutcome::OutOfRange();
    }
    return PinDimensionOutcome::Computed(FormatIntegerText(row->b), FormatNumberText(*d2 - row->k));
}

} // namespace calc
