#pragma once

#include "calc/pin_dimension_outcome.h"

#include <string_view>

namespace calc {

// The relieved-pin dimension rule: from the text typed for the hole diameter D2 (in millimetres,
// exactly as the user left it) to b and B of the relieved locating pin that fits the hole, or to
// the rejection of the text. An empty text is EmptyInput; a text that is not one number (see
// ReadStrictNumber) is NotNumeric; a number below 3 or above 50 is OutOfRange. Otherwise b comes
// from the table row that holds the number v, and B = v - k from the same v.
// Pure: the same text always gives the same outcome, whatever the host's settings.
PinDimensionOutcome ComputePinDimensions(std::u16string_view text);

} // namespace calc
