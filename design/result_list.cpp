#include "design/result_list.h"

#include "calc/number_text.h"
#include "design/design_text.h"

namespace design {

std::vector<ResultLine> ListResults(const TwoPinDesign& design) {
    const SecondPinDesign& pin2 = design.secondPin;
    const bool relieved = pin2.relieved;
    std::vector<ResultLine> lines{
        {ResultId::CentreDistance, calc::FormatNumberText(design.centreDistance) + u" ± " +
                                       FormatMillimetres(design.pinDistanceTolerance)},
        {ResultId::RoundPin, FormatDiameter(design.roundPin)},
        {ResultId::X1Min, FormatMillimetres(design.x1Min)},
        {ResultId::X1Max, FormatMillimetres(design.x1Max)},
        {ResultId::LandWidth, calc::FormatIntegerText(design.landWidth)},
        {ResultId::CornerWidth, calc::FormatNumberText(design.cornerWidth)},
        {ResultId::Compensation, FormatMillimetres(design.compensation)},
        {relieved ? ResultId::ExactFit : ResultId::TwoRoundPins, {}},
    };
    if (relieved) {
        lines.push_back({ResultId::X2MinHandbook, FormatMillimetres(pin2.x2MinHandbook)});
    }
    lines.insert(
        lines.end(),
        {
            {ResultId::X2Min, FormatMillimetres(pin2.x2Min)},
            {relieved ? ResultId::RelievedPinMax : ResultId::RoundPin2Max,
             FormatMillimetres(pin2.pin.max)},
            {relieved ? ResultId::RelievedPinMin : ResultId::RoundPin2Min,
             FormatMillimetres(pin2.pin.min)},
            {relieved ? ResultId::RelievedPin : ResultId::RoundPin2, FormatDiameter(pin2.pin)},
            {ResultId::X2Max, FormatMillimetres(pin2.x2Max)},
            {ResultId::Hole1Displacement, FormatMillimetres(design.x1Max)},
            {ResultId::AngularError, u"±" + FormatAngle(pin2.angularError)},
            {ResultId::TotalAngularError, FormatAngle(2.0 * pin2.angularError)},
        });
    return lines;
}

} // namespace design
