#include "design/design_sheet.h"

#include "calc/number_text.h"
#include "design/design_text.h"
#include "design/field_reading.h"

#include <cmath>

namespace design {

namespace {

// A number put into a formula: to 0.1 µm, without trailing zeros ("0.05", "11.994", "12").
std::u16string Number(double mm) {
    const double rounded = std::round(mm * 1e4) / 1e4;
    return calc::FormatNumberText(rounded == 0.0 ? 0.0 : rounded);
}

// A term added with its sign as the operator: " + 0.018", " − 0.006".
std::u16string Plus(double mm) {
    return (std::round(mm * 1e4) < 0.0 ? u" − " : u" + ") + Number(std::fabs(mm));
}

std::u16string Millimetres(double mm) {
    return FormatMillimetres(mm) + u" mm";
}

std::u16string DiameterOf(const PinSize& size) {
    return FormatDiameter(size.basic, size.upperDeviation(), size.lowerDeviation());
}

std::u16string ZoneName(RoundPinZone zone) {
    switch (zone) {
    case RoundPinZone::F7:
        return u"f7";
    case RoundPinZone::H7:
        return u"h7";
    case RoundPinZone::G6:
        break;
    }
    return u"g6";
}

std::u16string GradeName(ToleranceGrade grade) {
    return grade == ToleranceGrade::IT6 ? u"IT6" : u"IT7";
}

std::vector<SheetGiven> Givens(const TwoPinDesign& design, const TwoPinInput& input) {
    return {
        {u"孔1直径 D1", DiameterOf(design.hole1)},
        {u"孔2直径 D2", DiameterOf(design.hole2)},
        {u"两孔中心距 L ± δLD",
         Number(design.centreDistance) + u" ± " + Number(design.centreDistanceTolerance) + u" mm"},
        {u"销距公差 δLd", design.pinDistanceToleranceTyped
                              ? Number(design.pinDistanceTolerance) + u" mm"
                              : std::u16string(u"未给定，取 δLD/3")},
        {u"圆柱销公差带", ZoneName(input.roundPinZone)},
        {u"菱形销公差等级", GradeName(input.relievedPinGrade)},
    };
}

// Steps 1 to 4, which every design goes through.
std::vector<SheetStep> CommonSteps(const TwoPinDesign& design, const TwoPinInput& input) {
    const PinSize& hole1 = design.hole1;
    const PinSize& d1 = design.roundPin;
    const std::u16string zone = ZoneName(input.roundPinZone);
    const std::u16string grade = zone.substr(1);
    std::vector<SheetStep> steps;
    if (design.pinDistanceToleranceTyped) {
        steps.push_back(
            {1, u"销距公差", u"δLd（给定）", {}, Millimetres(design.pinDistanceTolerance)});
    } else {
        steps.push_back({1, u"销距公差", u"δLd = δLD/3（向下圆整到 0.001）",
                         Number(design.centreDistanceTolerance) + u"/3",
                         Millimetres(design.pinDistanceTolerance)});
    }
    const std::u16string x1Min = Number(design.x1Min);
    steps.insert(
        steps.end(),
        {
            {1,
             u"销中心距",
             u"L ± δLd",
             {},
             Number(design.centreDistance) + u" ± " + Millimetres(design.pinDistanceTolerance)},
            {2, u"圆柱销基本尺寸", u"d1 = D1min = D1 + EI1",
             Number(hole1.basic) + Plus(hole1.min - hole1.basic), Millimetres(d1.basic)},
            {2, u"圆柱销最大直径", u"d1max = D1min + es（" + zone + u"）",
             Number(d1.basic) + Plus(d1.upperDeviation()), Millimetres(d1.max)},
            {2, u"圆柱销最小直径", u"d1min = d1max − IT" + grade,
             Number(d1.max) + u" − " + Number(d1.max - d1.min), Millimetres(d1.min)},
            {2, u"圆柱销直径", u"d1（" + zone + u"）", {}, DiameterOf(d1)},
            {2, u"孔1最小间隙", u"X1min = D1min − d1max",
             Number(hole1.min) + u" − " + Number(d1.max), Millimetres(design.x1Min)},
            {2, u"孔1最大间隙", u"X1max = D1max − d1min",
             Number(hole1.max) + u" − " + Number(d1.min), Millimetres(design.x1Max)},
            {3, u"菱形销圆柱部分宽度", u"b（按 D2 查表）", u"D2 = " + Number(design.hole2.basic),
             design.bText + u" mm"},
            {3, u"菱形销总宽度", u"B（按 D2 查表）", u"D2 = " + Number(design.hole2.basic),
             design.BText + u" mm"},
            {4, u"补偿量", u"a = δLD + δLd − X1min/2",
             Number(design.centreDistanceTolerance) + u" + " + Number(design.pinDistanceTolerance) +
                 u" − " + x1Min + u"/2",
             Millimetres(design.compensation)},
        });
    return steps;
}

// Steps 5 to 7 of a relieved pin.
std::vector<SheetStep> RelievedPinSteps(const TwoPinDesign& design,
                                        const RelievedPinDesign& relieved,
                                        ToleranceGrade pinGrade) {
    const PinSize& hole2 = design.hole2;
    const PinSize& d2 = relieved.pin;
    const std::u16string a = Number(design.compensation);
    const std::u16string b = design.bText;
    const std::u16string grade = GradeName(pinGrade);
    const std::u16string x2Max = Number(relieved.x2Max);
    return {
        {5, u"孔2最小间隙（手册近似式）", u"X2min ≈ 2ab/D2",
         u"2×" + a + u"×" + b + u"/" + Number(hole2.basic), Millimetres(relieved.x2MinHandbook)},
        {5, u"孔2最小间隙（精确式）", u"X2min = D2min − 2√[(D2min/2)² − ab − a²]",
         Number(hole2.min) + u" − 2√[" + Number(hole2.min / 2.0) + u"² − " + a + u"×" + b + u" − " +
             a + u"²]",
         Millimetres(relieved.x2MinExact)},
        {6, u"菱形销最大直径", u"d2max = D2min − X2min",
         Number(hole2.min) + u" − " + Number(relieved.x2MinHandbook), Millimetres(d2.max)},
        {6, u"菱形销最小直径", u"d2min = d2max − " + grade,
         Number(d2.max) + u" − " + Number(d2.max - d2.min), Millimetres(d2.min)},
        {6, u"菱形销直径", u"d2", {}, DiameterOf(d2)},
        {7, u"孔2最大间隙", u"X2max = D2max − d2min", Number(hole2.max) + u" − " + Number(d2.min),
         Millimetres(relieved.x2Max)},
        {7, u"孔1中心位移误差", u"ΔY = X1max", {}, Millimetres(design.x1Max)},
        {7, u"转角误差", u"Δα = arctan[(X1max + X2max)/(2L)]",
         u"arctan[(" + Number(design.x1Max) + u" + " + x2Max + u")/(2×" +
             Number(design.centreDistance) + u")]",
         u"±" + FormatAngle(relieved.angularError)},
        {7, u"总转角误差", u"2Δα", {}, FormatAngle(2.0 * relieved.angularError)},
    };
}

std::u16string Conclusion(const TwoPinDesign& design, const TwoPinInput& input) {
    const std::u16string roundPin = u"孔1装圆柱销 " + DiameterOf(design.roundPin) + u"（" +
                                    ZoneName(input.roundPinZone) + u"）";
    const std::u16string distance = u"销中心距 " + Number(design.centreDistance) + u" ± " +
                                    Millimetres(design.pinDistanceTolerance);
    if (!design.relievedPin) {
        return u"a ≤ 0：圆柱销的间隙已能补偿中心距误差，可用两个圆柱销。" + roundPin + u"，" +
               distance + u"。";
    }
    const RelievedPinDesign& relieved = *design.relievedPin;
    return roundPin + u"，孔2装菱形销 " + DiameterOf(relieved.pin) + u"（" +
           GradeName(input.relievedPinGrade) + u"），b = " + design.bText + u" mm，B = " +
           design.BText + u" mm，" + distance + u"；孔1中心位移误差 " + Millimetres(design.x1Max) +
           u"，转角误差 ±" + FormatAngle(relieved.angularError) + u"。";
}

} // namespace

DesignSheet ComposeSheet(const TwoPinDesign& design, const TwoPinInput& input,
                         std::u16string_view program, std::u16string_view date) {
    DesignSheet sheet;
    sheet.title = u"两销定位设计计算书";
    sheet.fileStem = u"两销定位_D" + Number(design.hole1.basic) + u"_D" +
                     Number(design.hole2.basic) + u"_L" + Number(design.centreDistance);
    sheet.givens = Givens(design, input);
    sheet.steps = CommonSteps(design, input);
    if (design.relievedPin) {
        const std::vector<SheetStep> more =
            RelievedPinSteps(design, *design.relievedPin, input.relievedPinGrade);
        sheet.steps.insert(sheet.steps.end(), more.begin(), more.end());
    }
    sheet.conclusion = Conclusion(design, input);
    sheet.stamp = u"本计算书由 " + std::u16string(program) + u" 生成　" + std::u16string(date);
    const std::optional<RelievedPinDesign>& relieved = design.relievedPin;
    sheet.figure = {design.hole1.basic,
                    design.hole2.basic,
                    design.roundPin.max,
                    relieved ? relieved->pin.max : design.hole2.min,
                    relieved ? ReadRuleText(design.bText) : 0.0,
                    relieved ? ReadRuleText(design.BText) : 0.0,
                    Number(design.centreDistance) + u" ± " + Number(design.pinDistanceTolerance),
                    DiameterOf(design.roundPin),
                    relieved ? DiameterOf(relieved->pin) : std::u16string(),
                    relieved ? design.bText : std::u16string(),
                    relieved ? design.BText : std::u16string()};
    return sheet;
}

} // namespace design
