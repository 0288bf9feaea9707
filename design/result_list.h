#pragma once

#include "design/design_outcome.h"

#include <functional>
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
    TwoRoundPins, // a <= 0: the conclusion alone, with no value; the list ends here
    X2MinHandbook,
    X2MinExact,
    RelievedPinMax, // d2max
    RelievedPinMin, // d2min
    RelievedPin,    // d2, "φ12 -0.042/-0.053"
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

// The results one per line (ending in "\n"), each the label the caller gives for its id followed
// by its value.
std::u16string ComposeResultText(const std::vector<ResultLine>& lines,
                                 const std::function<std::u16string(ResultId)>& label);

} // namespace design
