#include "design/two_pin_design.h"

#include "design/field_reading.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <optional>
#include <utility>

namespace design {

namespace {

// Lengths that differ by less than this are equal: the rest is floating-point error.
constexpr double kNegligible = 1e-9;

double RoundDownToMicrometre(double mm) {
    return std::floor(mm * 1000.0 + kNegligible * 1000.0) / 1000.0;
}

double Millimetres(int micrometres) {
    return micrometres / 1000.0;
}

// The upper and lower deviations (es, ei) of the round pin's zone at a size, in micrometres.
std::optional<std::pair<int, int>> RoundPinDeviations(RoundPinZone zone, double size) {
    const auto [deviation, grade] = [zone] {
        switch (zone) {
        case RoundPinZone::F7:
            return std::pair{ShaftDeviation::F, ToleranceGrade::IT7};
        case RoundPinZone::H7:
            return std::pair{ShaftDeviation::H, ToleranceGrade::IT7};
        case RoundPinZone::G6:
            break;
        }
        return std::pair{ShaftDeviation::G, ToleranceGrade::IT6};
    }();
    const std::optional<int> es = ShaftUpperDeviation(deviation, size);
    const std::optional<int> it = StandardTolerance(grade, size);
    if (!es || !it) {
        return std::nullopt;
    }
    return std::pair{*es, *es - *it};
}

// A typed field with the range its kind allows.
FieldReading ReadField(DesignField field, std::u16string_view text) {
    switch (field) {
    case DesignField::Hole1Diameter:
    case DesignField::Hole2Diameter:
        return ReadDiameterField(text).diameter;
    default:
        break;
    }
    FieldReading reading = ReadNumberField(text);
    const double* value = std::get_if<double>(&reading);
    if (!value) {
        return reading;
    }
    switch (field) {
    case DesignField::Hole1UpperDeviation:
    case DesignField::Hole1LowerDeviation:
    case DesignField::Hole2UpperDeviation:
    case DesignField::Hole2LowerDeviation:
        return std::fabs(*value) < 1.0 ? reading : RejectionReason::OutOfRange;
    case DesignField::CentreDistanceTolerance:
    case DesignField::PinDistanceTolerance:
        return *value >= 0.0 ? reading : RejectionReason::OutOfRange;
    default:
        return reading;
    }
}

} // namespace

DesignOutcome DesignTwoPinLocation(const TwoPinInput& input) {
    const std::array<std::pair<DesignField, const std::u16string*>, 9> typed{{
        {DesignField::Hole1Diameter, &input.hole1Diameter},
        {DesignField::Hole1UpperDeviation, &input.hole1UpperDeviation},
        {DesignField::Hole1LowerDeviation, &input.hole1LowerDeviation},
        {DesignField::Hole2Diameter, &input.hole2Diameter},
        {DesignField::Hole2UpperDeviation, &input.hole2UpperDeviation},
        {DesignField::Hole2LowerDeviation, &input.hole2LowerDeviation},
        {DesignField::CentreDistance, &input.centreDistance},
        {DesignField::CentreDistanceTolerance, &input.centreDistanceTolerance},
        {DesignField::PinDistanceTolerance, &input.pinDistanceTolerance},
    }};
    std::array<double, typed.size()> values{};
    const auto value = [&values](DesignField field) -> double& {
        return values[static_cast<std::size_t>(field)];
    };
    for (const auto& [field, text] : typed) {
        if (field == DesignField::PinDistanceTolerance && text->empty()) {
            value(field) = RoundDownToMicrometre(value(DesignField::CentreDistanceTolerance) / 3.0);
            continue;
        }
        const FieldReading reading = ReadField(field, *text);
        if (const auto* reason = std::get_if<RejectionReason>(&reading)) {
            return DesignRejection{field, *reason};
        }
        value(field) = std::get<double>(reading);
    }
    const double d1 = value(DesignField::Hole1Diameter);
    const double d2 = value(DesignField::Hole2Diameter);
    const double es1 = value(DesignField::Hole1UpperDeviation);
    const double ei1 = value(DesignField::Hole1LowerDeviation);
    const double es2 = value(DesignField::Hole2UpperDeviation);
    const double ei2 = value(DesignField::Hole2LowerDeviation);
    const double centreDistance = value(DesignField::CentreDistance);
    const double holeTolerance = value(DesignField::CentreDistanceTolerance);
    const double pinTolerance = value(DesignField::PinDistanceTolerance);

    if (ei1 > es1) {
        return DesignRejection{DesignField::Hole1LowerDeviation, RejectionReason::LowerAboveUpper};
    }
    const double d1Min = d1 + ei1;
    const auto zone = RoundPinDeviations(input.roundPinZone, d1Min);
    if (!zone) {
        return DesignRejection{DesignField::Hole1LowerDeviation, RejectionReason::OutOfRange};
    }
    if (ei2 > es2) {
        return DesignRejection{DesignField::Hole2LowerDeviation, RejectionReason::LowerAboveUpper};
    }
    if (!(centreDistance > (d1 + d2) / 2.0)) {
        return DesignRejection{DesignField::CentreDistance, RejectionReason::HolesOverlap};
    }
    if (pinTolerance > holeTolerance) {
        return DesignRejection{DesignField::PinDistanceTolerance,
                               RejectionReason::AboveCentreDistanceTolerance};
    }

    TwoPinDesign design;
    design.hole1 = {d1, d1 + es1, d1Min};
    design.hole2 = {d2, d2 + es2, d2 + ei2};
    design.centreDistanceTolerance = holeTolerance;
    design.pinDistanceToleranceTyped = !input.pinDistanceTolerance.empty();
    design.centreDistance = centreDistance;
    design.pinDistanceTolerance = pinTolerance;
    design.roundPin = {d1Min, d1Min + Millimetres(zone->first), d1Min + Millimetres(zone->second)};
    design.x1Min = d1Min - design.roundPin.max;
    design.x1Max = d1 + es1 - design.roundPin.min;
    const DiameterReading hole2 = ReadDiameterField(input.hole2Diameter);
    design.bText = hole2.bText;
    design.BText = hole2.BText;
    const double a = holeTolerance + pinTolerance - design.x1Min / 2.0;
    design.compensation = a;
    if (a <= kNegligible) {
        return design;
    }

    const double b = ReadRuleText(design.bText);
    const double d2Min = d2 + ei2;
    const double discriminant = d2Min * d2Min - 4.0 * (a * b + a * a);
    if (!(discriminant > 0.0)) {
        return DesignRejection{DesignField::CentreDistanceTolerance,
                               RejectionReason::NoRelievedPinFits};
    }
    RelievedPinDesign relieved;
    relieved.x2MinHandbook = 2.0 * a * b / d2;
    relieved.x2MinExact = d2Min - std::sqrt(discriminant);
    // Since ab + a² < (D2min/2)² and |EI| < 1 <= D2/3, d2max stays far above the tolerance
    // subtracted from it: d2min is always positive.
    const double d2Max = RoundDownToMicrometre(d2Min - relieved.x2MinHandbook);
    const double d2MinPin = d2Max - Millimetres(*StandardTolerance(input.relievedPinGrade, d2));
    relieved.pin = {d2, d2Max, d2MinPin};
    relieved.x2Max = d2 + es2 - d2MinPin;
    relieved.angularError = std::atan((design.x1Max + relieved.x2Max) / (2.0 * centreDistance)) *
                            180.0 / std::numbers::pi;
    design.relievedPin = relieved;
    return design;
}

} // namespace design
