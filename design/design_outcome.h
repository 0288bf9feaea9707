#pragma once

#include "design/design_input.h"

#include <optional>
#include <string>
#include <variant>

namespace design {

// Why a field is rejected.
enum class RejectionReason {
    Empty,      // nothing typed
    NotNumeric, // not one number, read as the main window reads D2
    // A diameter outside 3..50; a deviation of 1 mm or more either way (micrometres typed as
    // millimetres, most likely); a lower deviation of hole 1 that takes D1min, the round pin's
    // basic size, above 50; a negative ± tolerance.
    OutOfRange,
    LowerAboveUpper,              // on a lower deviation above its upper deviation
    AboveCentreDistanceTolerance, // on δLd greater than δLD
    HolesOverlap,                 // on L not greater than (D1 + D2) / 2
    // On δLD: the compensation a is so large that no relieved pin with the land b enters hole 2
    // (ab + a² reaches (D2min / 2)²).
    NoRelievedPinFits,
};

struct DesignRejection {
    DesignField field;
    RejectionReason reason;

    bool operator==(const DesignRejection&) const = default;
};

// A diameter of a pin or a hole: basic size and limits, in millimetres.
struct PinSize {
    double basic;
    double max;
    double min;

    double upperDeviation() const { return max - basic; }
    double lowerDeviation() const { return min - basic; }
};

// Steps 5 to 7, for a compensation a > 0. Angles in degrees.
struct RelievedPinDesign {
    double x2MinHandbook; // 2ab / D2, which d2max follows
    double x2MinExact;    // D2min - sqrt(D2min² - 4(ab + a²))
    PinSize pin;          // basic D2; max rounded down to 0.001; min = max - IT
    double x2Max;         // D2max - d2min
    double angularError;  // Δα, tan Δα = (X1max + X2max) / 2L; the total is 2Δα
};

// Every value of the design, in the order of the steps. Lengths in millimetres.
struct TwoPinDesign {
    PinSize hole1;                  //    D1, D1max, D1min as typed
    PinSize hole2;                  //    D2, D2max, D2min
    double centreDistanceTolerance; //    δLD
    bool pinDistanceToleranceTyped; //    false where δLd is the default
    double centreDistance;          // 1. L
    double pinDistanceTolerance;    //    δLd as used (δLD/3 rounded down to 0.001 when not typed)
    PinSize roundPin;               // 2. basic D1min, deviations of the zone
    double x1Min;                   //    D1min - d1max
    double x1Max;                   //    D1max - d1min, also the displacement of hole 1's centre
    std::u16string bText;           // 3. b and B of the relieved pin, as the main window shows them
    std::u16string BText;
    double compensation; // 4. a = δLD + δLd - X1min / 2
    // 5.-7.; none where a <= 0: the round pin's clearance absorbs the distance error and two round
    // pins will do.
    std::optional<RelievedPinDesign> relievedPin;
};

using DesignOutcome = std::variant<TwoPinDesign, DesignRejection>;

} // namespace design
