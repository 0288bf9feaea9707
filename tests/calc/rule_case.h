#pragma once

#include "calc/pin_dimension_outcome.h"

#include <ostream>
#include <string>

namespace calc_test {

// One row of a table of texts and the outcome the rule must give for them.
struct RuleCase {
    std::u16string text;
    calc::PinDimensionOutcome expected;
};

RuleCase Computed(std::u16string text, std::u16string bText, std::u16string BText);
RuleCase NotNumeric(std::u16string text);
RuleCase OutOfRange(std::u16string text);

void PrintTo(const RuleCase& rule, std::ostream* out);

} // namespace calc_test
