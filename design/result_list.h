#pragma once

#include "design/design_outcome.h"

#include <string>
#include <vector>

namespace design {

// The results as the user follows them, step by step.
enum class ResultId {
    CentreDistance, // "80 ± 0.016": L ± δLd
    RoundPin,       // d1, "φ12 -0.006/-0.017"
    X1Min,
    X1Max,
    LandWidth,    // b
    CornerWidth,  // B
    Compensation, // a
    // The conclusion of a, with no value: a relieved pin 2 that follows the exact clearance
    // (ExactFit, a > 0), or a round pin 2 (TwoRoundPins, a <= 0).
    ExactFit,
    TwoRoundPins,
    X2MinHandbook,  // 2ab/D2, relieved pin only
    X2Min,          // the clearance d2max follows
    RelievedPinMax, // d2max, d2min and d2 of a relieved pin 2 ...
    RelievedPinMin,
    RelievedPin,  // "φ12 -0.042/-0.053"
    RoundPin2Max, // ... or of a round one
    RoundPin2Min,
    RoundPin2,
    X2Max,
    Hole1Displacement, // X1max once more, as a locating error
    AngularError,      // "±0°02′16.7″"
    TotalAngularError, // 2Δα
};

struct ResultLine {
    ResultId id;
    std::u16string value;

    bool operator==(const ResultLine&) const = default;
};

// Every result of the design in order, as text: lengths in millimetres with three decimals.
std::vector<ResultLine> ListResults(const TwoPinDesign& design);

} // namespace design
