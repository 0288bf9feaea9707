#pragma once

#include "design/design_outcome.h"

#include <string>
#include <string_view>
#include <variant>

namespace design {

using FieldReading = std::variant<double, RejectionReason>;

// A number typed in a field, read as the main window reads D2: Empty, NotNumeric or its value.
FieldReading ReadNumberField(std::u16string_view text);

// A hole diameter, checked by the relieved-pin rule itself (empty, not a number, outside 3..50),
// with b and B of the relieved pin for that hole.
struct DiameterReading {
    FieldReading diameter;
    std::u16string bText;
    std::u16string BText;
};
DiameterReading ReadDiameterField(std::u16string_view text);

// A result text of the relieved-pin rule as a number.
double ReadRuleText(std::u16string_view text);

} // namespace design
