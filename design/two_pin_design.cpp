#include "design/two_pin_design.h"

#include "calc/pin_dimensions.h"
#include "design/field_reading.h"

#include <algorithm>
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

// Down to the micrometre, but a length within kNegligible below a whole micrometre is that
// micrometre.
double RoundDownToMicrometre(double mm) {
    return std::floor(mm * 1000.0 + kNegligible * 1000.0) / 1000.0;
}

double Millimetres(int micrometres) {
    return micrometres / 1000.0;
}

// The limits of a pin of the basic size in the round pin's zone, or none beyond the tables.
std::optional<PinSize> RoundPinSize(RoundPinZone zone, double basic) {
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
    const std::optional<int> es = ShaftUpperDeviation(deviation, basic);
    const std::optional<int> it = StandardTolerance(grade, basic);
    if (!es || !it) {
        return std::nullopt;
    }
    return PinSize{basic, basic + Millimetres(*es), basic + Millimetres(*es - *it)};
}

// A typed field with the range its kind allows.
FieldReading ReadField(DesignField field, std::u16string_view text) {
    const FieldReading reading = ReadNumberField(text);
    const double* value = std::get_if<double>(&reading);
    if (!value) {
        return reading;
    }
    const bool inRange = [field, value = *value] {
        switch (field) {
        case DesignField::Hole1Diameter:
        case DesignField::Hole2Diameter:
            return calc::FindPinDimensions(value).has_value();
        case DesignField::Hole1UpperDeviation:
        case DesignField::Hole1LowerDeviation:
        case DesignField::Hole2UpperDeviation:
        case DesignField::Hole2LowerDeviation:
            return std::fabs(value) < 1.0;
        case DesignField::CentreDistanceTolerance:
            return value > 0.0 && value <= kLargestCentreDistanceTolerance;
        case DesignField::PinDistanceTolerance:
            return value >= 0.0;
        case DesignField::CentreDistance:
            break;
        }
        return true;
    }();
    return inRange ? reading : RejectionReason::OutOfRange;
}

// δLd when none is typed: a third of δLD, but one a fixture maker can hold, and never above δLD.
double DefaultPinDistanceTolerance(double holeTolerance) {
    return std::min(holeTolerance, std::max(RoundDownToMicrometre(holeTolerance / 3.0),
                                            kFinestDefaultPinDistanceTolerance));
}

double AngularError(double x1Max, double x2Max, double centreDistance) {
    // Halved before the division, so that no L makes 2L overflow.
    return std::atan((x1Max + x2Max) / 2.0 / centreDistance) * 180.0 / std::numbers::pi;
}

} // namespace

DesignOutcome DesignTwoPinLocation(const TwoPinInput& input) {
    const auto typed = TypedFields(input);
    std::array<double, typed.size()> values{};
    const auto value = [&values](DesignField field) -> double& {
        return values[static_cast<std::size_t>(field)];
    };
    for (const auto& [field, text] : typed) {
        if (field == DesignField::PinDistanceTolerance && text->empty()) {
            value(field) = DefaultPinDistanceTolerance(value(DesignField::CentreDistanceTolerance));
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
    const std::optional<PinSize> roundPin = RoundPinSize(input.roundPinZone, d1 + ei1);
    if (!roundPin) {
        return DesignRejection{DesignField::Hole1LowerDeviation, RejectionReason::BeyondTables};
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
    design.hole1 = {d1, d1 + es1, d1 + ei1};
    design.hole2 = {d2, d2 + es2, d2 + ei2};
    design.centreDistanceTolerance = holeTolerance;
    design.pinDistanceToleranceTyped = !input.pinDistanceTolerance.empty();
    design.centreDistance = centreDistance;
    design.pinDistanceTolerance = pinTolerance;
    design.roundPin = *roundPin;
    design.x1Min = roundPin->basic - roundPin->max;
    design.x1Max = design.hole1.max - roundPin->min;
    const calc::PinDimensions land = *calc::FindPinDimensions(d2);
    design.landWidth = land.b;
    design.cornerWidth = land.B;
    const double a = holeTolerance + pinTolerance - design.x1Min / 2.0;
    design.compensation = a;

    SecondPinDesign& pin2 = design.secondPin;
    const double d2Min = design.hole2.min;
    pin2.relieved = a > kNegligible;
    if (pin2.relieved) {
        // Hole 2 at D2min, its centre a away along the line of centres: the far corner of the land
        // (b/2 along, sqrt(r² - b²/4) across) stays inside while R² - r² >= ab + a².
        const double b = land.b;
        const double diameterSquared = d2Min * d2Min - 4.0 * (a * b + a * a);
        if (!(diameterSquared > 0.0)) {
            return DesignRejection{DesignField::CentreDistanceTolerance,
                                   RejectionReason::NoRelievedPinFits};
        }
        pin2.x2MinHandbook = 2.0 * a * b / d2;
        pin2.x2Min = d2Min - std::sqrt(diameterSquared);
        const double max = RoundDownToMicrometre(d2Min - pin2.x2Min);
        pin2.pin = {d2, max, max - Millimetres(*StandardTolerance(input.relievedPinGrade, d2))};
        if (!(pin2.pin.min > b)) {
            return DesignRejection{DesignField::CentreDistanceTolerance,
                                   RejectionReason::PinNarrowerThanLand};
        }
    } else {
        // Hole 1's clearance absorbs the distance error: pin 2 needs no more than pin 1, a pin of
        // the same zone whose basic size is its hole's smallest diameter.
        const std::optional<PinSize> round = RoundPinSize(input.roundPinZone, d2Min);
        if (!round) {
            return DesignRejection{DesignField::Hole2LowerDeviation, RejectionReason::BeyondTables};
        }
        pin2.x2MinHandbook = 0.0;
        pin2.pin = *round;
        pin2.x2Min = d2Min - round->max;
    }
    pin2.x2Max = design.hole2.max - pin2.pin.min;
    pin2.angularError = AngularError(design.x1Max, pin2.x2Max, centreDistance);
    return design;
}

} // namespace design
