#include "design/result_list.h"

#include "calc/number_text.h"
#include "design/design_text.h"

namespace design {

std::vector<ResultLine> ListResults(const TwoPinDesign& design) {
    const PinSize& d1 = design.roundPin;
    std::vector<ResultLine> lines{
        {ResultId::CentreDistance, calc::FormatNumberText(design.centreDistance) + u" ± " +
                                       FormatMillimetres(design.pinDistanceTolerance)},
        {ResultId::RoundPin, FormatDiameter(d1.basic, d1.upperDeviation(), d1.lowerDeviation())},
        {ResultId::X1Min, FormatMillimetres(design.x1Min)},
        {ResultId::X1Max, FormatMillimetres(design.x1Max)},
        {ResultId::LandWidth, design.bText},
        {ResultId::CornerWidth, design.BText},
        {ResultId::Compensation, FormatMillimetres(design.compensation)},
    };
    if (!design.relievedPin) {
        lines.push_back({ResultId::TwoRoundPins, {}});
        return lines;
    }
    const RelievedPinDesign& relieved = *design.relievedPin;
    const PinSize& d2 = relieved.pin;
    lines.insert(lines.end(),
                 {
                     {ResultId::X2MinHandbook, FormatMillimetres(relieved.x2MinHandbook)},
                     {ResultId::X2MinExact, FormatMillimetres(relieved.x2MinExact)},
                     {ResultId::RelievedPinMax, FormatMillimetres(d2.max)},
                     {ResultId::RelievedPinMin, FormatMillimetres(d2.min)},
                     {ResultId::RelievedPin,
                      FormatDiameter(d2.basic, d2.upperDeviation(), d2.lowerDeviation())},
                     {ResultId::X2Max, FormatMillimetres(relieved.x2Max)},
                     {ResultId::Hole1Displacement, FormatMillimetres(design.x1Max)},
                     {ResultId::AngularError, u"±" + FormatAngle(relieved.angularError)},
                     {ResultId::TotalAngularError, FormatAngle(2.0 * relieved.angularError)},
                 });
    return lines;
}

std::u16string ComposeResultText(const std::vector<ResultLine>& lines,
                                 const std::function<std::u16string(ResultId)>& label) {
    std::u16string text;
    for (const ResultLine& line : lines) {
        text += label(line.id) + line.value + u"\n";
    }
    return text;
}

} // namespace design
