#pragma once

#include "design/design_outcome.h"

#include <string_view>
#include <variant>

namespace design {

using FieldReading = std::variant<double, RejectionReason>;

// A number typed in a field: Empty, NotNumeric, MisplacedComma or its value. Read as the main
// window reads D2, but for the comma, which here only groups the thousands of the whole part
// ("1,200", "-12,345.5"): a first group of one to three digits not starting with 0, then groups
// of three. Any other comma ("0,05", "80,5", "1,2,3") is most likely a decimal comma.
FieldReading ReadNumberField(std::u16string_view text);

} // namespace design
