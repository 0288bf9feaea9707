#include "rule_case.h"

#include "test_texts.h"

#include <utility>

namespace calc_test {

using calc::PinDimensionOutcome;

RuleCase Computed(std::u16string text, std::u16string bText, std::u16string BText) {
    return {std::move(text), PinDimensionOutcome::Computed(std::move(bText), std::move(BText))};
}

RuleCase NotNumeric(std::u16string text) {
    return {std::move(text), PinDimensionOutcome::NotNumeric()};
}

RuleCase OutOfRange(std::u16string text) {
    return {std::move(text), PinDimensionOutcome::OutOfRange()};
}

void PrintTo(const RuleCase& rule, std::ostream* out) {
    *out << Describe(rule.text) << " gives ";
    PrintTo(rule.expected, out);
}

} // namespace calc_test
