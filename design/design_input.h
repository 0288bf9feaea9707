#pragma once

#include "design/tolerance_tables.h"

#include <array>
#include <string>
#include <utility>

namespace design {

// The zone of the round pin, whose basic size is the smallest diameter of hole 1 (and of pin 2
// where it is round too).
enum class RoundPinZone { G6, F7, H7 };

// The typed fields, in the order the user fills them in.
enum class DesignField {
    Hole1Diameter,           // D1
    Hole1UpperDeviation,     // ES of hole 1
    Hole1LowerDeviation,     // EI of hole 1
    Hole2Diameter,           // D2
    Hole2UpperDeviation,     // ES of hole 2
    Hole2LowerDeviation,     // EI of hole 2
    CentreDistance,          // L
    CentreDistanceTolerance, // δLD, the ± half tolerance of L between the holes
    PinDistanceTolerance,    // δLd, the ± half tolerance of L between the pins
};

// What the user typed, exactly as left in the boxes (lengths in millimetres), and the two
// choices. An empty pin distance tolerance stands for the default of TwoPinDesign's
// pinDistanceTolerance.
struct TwoPinInput {
    std::u16string hole1Diameter;
    std::u16string hole1UpperDeviation;
    std::u16string hole1LowerDeviation;
    std::u16string hole2Diameter;
    std::u16string hole2UpperDeviation;
    std::u16string hole2LowerDeviation;
    std::u16string centreDistance;
    std::u16string centreDistanceTolerance;
    std::u16string pinDistanceTolerance;
    RoundPinZone roundPinZone = RoundPinZone::G6;
    ToleranceGrade relievedPinGrade = ToleranceGrade::IT6;
};

// Each typed field with its text, in the order of DesignField.
inline std::array<std::pair<DesignField, const std::u16string*>, 9>
TypedFields(const TwoPinInput& input) {
    return {{
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
}

} // namespace design
