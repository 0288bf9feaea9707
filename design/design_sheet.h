#pragma once

#include "design/design_input.h"
#include "design/design_outcome.h"

#include <string>
#include <vector>

namespace design {

// One given of the design, as the sheet lists it at its top: "孔1直径 D1" / "φ12 +0.018/0".
struct SheetGiven {
    std::u16string name;
    std::u16string value;

    bool operator==(const SheetGiven&) const = default;
};

// One step of the working: "补偿量", "a = δLD + δLd − X1min/2", "0.05 + 0.016 − 0.006/2",
// "0.063 mm". The substitution is empty where the result is read from a table or restated.
struct SheetStep {
    int stage; // the handbook's step, 1 to 7
    std::u16string name;
    std::u16string formula;
    std::u16string substitution;
    std::u16string result;

    bool operator==(const SheetStep&) const = default;
};

// What the drawing of the locating layout is drawn from: sizes in millimetres and the values its
// dimensions show. A land width of 0 stands for a round pin in hole 2.
struct LayoutFigure {
    double hole1;                // D1
    double hole2;                // D2
    double pin1;                 // d1max
    double pin2;                 // d2max
    double land;                 // b
    double cornerWidth;          // B
    std::u16string distanceText; // "80 ± 0.016"
    std::u16string pin1Text;     // "φ12 -0.006/-0.017"
    std::u16string pin2Text;
    std::u16string landText;   // "4"
    std::u16string cornerText; // "10"
};

// The calculation sheet of a design: the givens and choices, every step in the handbook's order
// with its formula, the numbers put into it and its result, the conclusion, and the program and
// date it was made with. The screen, the clipboard, the PDF and the printer all lay out this.
struct DesignSheet {
    std::u16string title;
    std::u16string fileStem; // a name for the sheet's file: "两销定位_D12_D12_L80"
    std::vector<SheetGiven> givens;
    std::vector<SheetStep> steps;
    std::u16string conclusion;
    std::u16string stamp; // "Tovrel 1.0.0　2026-12-07"
    LayoutFigure figure;
};

// The sheet of a design made from `input`; `program` and `date` end up in its stamp.
DesignSheet ComposeSheet(const TwoPinDesign& design, const TwoPinInput& input,
                         std::u16string_view program, std::u16string_view date);

} // namespace design
