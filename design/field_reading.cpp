#include "design/field_reading.h"

#include "calc/number_reading.h"
#include "calc/pin_dimensions.h"

namespace design {

namespace {

// The only call of the calculator's strict number reading.
std::optional<double> ReadNumber(std::u16string_view text) {
    return calc::ReadStrictNumber(text);
}

} // namespace

FieldReading ReadNumberField(std::u16string_view text) {
    if (text.empty()) {
        return RejectionReason::Empty;
    }
    const std::optional<double> value = ReadNumber(text);
    if (!value) {
        return RejectionReason::NotNumeric;
    }
    return *value;
}

DiameterReading ReadDiameterField(std::u16string_view text) {
    const calc::PinDimensionOutcome rule = calc::ComputePinDimensions(text);
    switch (rule.kind()) {
    case calc::PinDimensionOutcome::Kind::EmptyInput:
        return {RejectionReason::Empty, {}, {}};
    case calc::PinDimensionOutcome::Kind::NotNumeric:
        return {RejectionReason::NotNumeric, {}, {}};
    case calc::PinDimensionOutcome::Kind::OutOfRange:
        return {RejectionReason::OutOfRange, {}, {}};
    case calc::PinDimensionOutcome::Kind::Computed:
        break;
    }
    return {*ReadNumber(text), rule.bText(), rule.BText()};
}

double ReadRuleText(std::u16string_view text) {
    return *ReadNumber(text);
}

} // namespace design
