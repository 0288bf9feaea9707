#pragma once

#include "design/design_input.h"

#include <variant>

namespace design {

// Why a field is rejected.
enum class RejectionReason {
    Empty,      // nothing typed
    NotNumeric, // not one number, read as the main window reads D2 except for commas (below)
    // A comma that does not stand between groups of three digits of the whole part ("0,05",
    // "80,5"): most likely a decimal comma. Only "1,200"-style grouping is read.
    MisplacedComma,
    // A diameter outside 3..50; a deviation of 1 mm or more either way (micrometres typed as
    // millimetres, most likely); δLD not above 0 or above kLargestCentreDistanceTolerance; a
    // negative δLd.
    OutOfRange,
    // On a lower deviation that takes the smallest diameter of its hole, a round pin's basic size,
    // above 50 mm, where the tolerance tables end.
    BeyondTables,
    LowerAboveUpper,              // on a lower deviation above its upper deviation
    AboveCentreDistanceTolerance, // on δLd greater than δLD
    HolesOverlap,                 // on L not greater than (D1 + D2) / 2
    // On δLD: the compensation a is so large that no relieved pin with the land b enters hole 2
    // (ab + a² reaches (D2min / 2)²).
    NoRelievedPinFits,
    // On δLD: the relieved pin that enters is no wider than its own land (d2min <= b), so it
    // cannot be made.
    PinNarrowerThanLand,
};

// The largest ± tolerance of the hole centre distance, δLD, in millimetres. Holes used for two-pin
// location are finished to H7..H9 and their distance held to ±0.01..±0.15 in handbook practice;
// 0.5 is ISO 2768-m's general tolerance for 400..1000 mm, looser than any locating hole pair, and
// a compensation of 0.5 leaves the smallest hole (D2 = 3, b = 2) no relieved pin wider than its
// land.
inline constexpr double kLargestCentreDistanceTolerance = 0.5;

// The finest ± pin distance tolerance that the default δLd takes, in millimetres: about what a
// jig borer holds between two pin holes.
inline constexpr double kFinestDefaultPinDistanceTolerance = 0.005;

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

// Pin 2 and what follows from it (steps 5 to 7). Lengths in millimetres, angles in degrees.
struct SecondPinDesign {
    // A relieved pin for a compensation a > 0; for a <= 0 the round pin's clearance absorbs the
    // distance error and pin 2 is round too: basic size D2min in pin 1's zone.
    bool relieved;
    // The handbooks' approximation of X2min, 2ab/D2, shown beside the exact value: it drops a² and
    // takes D2 for D2min, so it is smaller. Relieved pin only; 0 for a round one.
    double x2MinHandbook;
    // The least clearance in hole 2, which d2max follows. Relieved: the exact worst case, hole 2
    // at D2min displaced by a: X2min = D2min - sqrt(D2min² - 4(ab + a²)); round: D2min - d2max.
    double x2Min;
    // Relieved: basic D2, max = D2min - X2min rounded down to 0.001, min = max - IT at D2. Round:
    // basic D2min, limits of pin 1's zone at D2min.
    PinSize pin;
    double x2Max;        // D2max - d2min
    double angularError; // Δα, tan Δα = (X1max + X2max) / 2L; the total is 2Δα
};

// Every value of the design, in the order of the steps. Lengths in millimetres.
struct TwoPinDesign {
    PinSize hole1;                  //    D1, D1max, D1min as typed
    PinSize hole2;                  //    D2, D2max, D2min
    double centreDistanceTolerance; //    δLD
    bool pinDistanceToleranceTyped; //    false where δLd is the default
    double centreDistance;          // 1. L
    // δLd as used: as typed or, when left empty, δLD/3 rounded down to 0.001 but not below
    // kFinestDefaultPinDistanceTolerance, and never above δLD.
    double pinDistanceTolerance;
    PinSize roundPin;    // 2. basic D1min, deviations of the zone
    double x1Min;        //    D1min - d1max
    double x1Max;        //    D1max - d1min, also the displacement of hole 1's centre
    unsigned landWidth;  // 3. b of the relieved pin, from the main window's table
    double cornerWidth;  //    B = D2 - k
    double compensation; // 4. a = δLD + δLd - X1min / 2
    SecondPinDesign secondPin;
};

using DesignOutcome = std::variant<TwoPinDesign, DesignRejection>;

} // namespace design
