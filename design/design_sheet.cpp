#include "design/design_sheet.h"

#include "calc/number_text.h"
#include "design/design_text.h"

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
        {u"孔1直径 D1", FormatDiameter(design.hole1)},
        {u"孔2直径 D2", FormatDiameter(design.hole2)},
        {u"两孔中心距 L ± δLD",
         Number(design.centreDistance) + u" ± " + Number(design.centreDistanceTolerance) + u" mm"},
        {u"销距公差 δLd", design.pinDistanceToleranceTyped
                              ? Number(design.pinDistanceTolerance) + u" mm"
                              : std::u16string(u"未给定，按步骤1取值")},
        {u"圆柱销公差带", ZoneName(input.roundPinZone)},
        {u"菱形销公差等级", GradeName(input.relievedPinGrade)},
    };
}

// d, dmax, dmin and the diameter of round pin `n` ("1" or "2") of the zone in hole `hole`.
std::vector<SheetStep> RoundPinSteps(int stage, const std::u16string& n, const PinSize& hole,
                                     const PinSize& pin, RoundPinZone zone) {
    const std::u16string name = u"圆柱销" + (n == u"1" ? std::u16string() : n);
    const std::u16string d = u"d" + n, zoneName = ZoneName(zone);
    return {
        {stage, name + u"基本尺寸", d + u" = D" + n + u"min = D" + n + u" + EI" + n,
         Number(hole.basic) + Plus(hole.min - hole.basic), Millimetres(pin.basic)},
        {stage, name + u"最大直径", d + u"max = D" + n + u"min + es（" + zoneName + u"）",
         Number(pin.basic) + Plus(pin.upperDeviation()), Millimetres(pin.max)},
        {stage, name + u"最小直径", d + u"min = " + d + u"max − IT" + zoneName.substr(1),
         Number(pin.max) + u" − " + Number(pin.max - pin.min), Millimetres(pin.min)},
        {stage, name + u"直径", d + u"（" + zoneName + u"）", {}, FormatDiameter(pin)},
    };
}

// δLd as typed, or the default: a third of δLD rounded down, but no finer than a jig borer holds
// and no looser than δLD.
SheetStep PinDistanceToleranceStep(const TwoPinDesign& design) {
    const double used = design.pinDistanceTolerance, holes = design.centreDistanceTolerance;
    const std::u16string result = Millimetres(used);
    if (design.pinDistanceToleranceTyped) {
        return {1, u"销距公差", u"δLd（给定）", {}, result};
    }
    if (used == holes && holes < kFinestDefaultPinDistanceTolerance) {
        return {1,
                u"销距公差",
                u"δLd = δLD（δLD < " + Number(kFinestDefaultPinDistanceTolerance) + u"）",
                {},
                result};
    }
    if (used == kFinestDefaultPinDistanceTolerance && holes / 3.0 < used) {
        return {1,
                u"销距公差",
                u"δLd = " + Number(used) + u"（δLD/3 < " + Number(used) + u"）",
                {},
                result};
    }
    return {1, u"销距公差", u"δLd = δLD/3（向下圆整到 0.001）", Number(holes) + u"/3", result};
}

// Steps 1 to 4, which every design goes through.
std::vector<SheetStep> CommonSteps(const TwoPinDesign& design, const TwoPinInput& input) {
    const PinSize& hole1 = design.hole1;
    const PinSize& d1 = design.roundPin;
    std::vector<SheetStep> steps;
    steps.push_back(PinDistanceToleranceStep(design));
    steps.push_back(
        {1,
         u"销中心距",
         u"L ± δLd",
         {},
         Number(design.centreDistance) + u" ± " + Millimetres(design.pinDistanceTolerance)});
    const std::vector<SheetStep> pin1 = RoundPinSteps(2, u"1", hole1, d1, input.roundPinZone);
    steps.insert(steps.end(), pin1.begin(), pin1.end());
    const std::u16string d2 = u"D2 = " + Number(design.hole2.basic);
    steps.insert(
        steps.end(),
        {
            {2, u"孔1最小间隙", u"X1min = D1min − d1max",
             Number(hole1.min) + u" − " + Number(d1.max), Millimetres(design.x1Min)},
            {2, u"孔1最大间隙", u"X1max = D1max − d1min",
             Number(hole1.max) + u" − " + Number(d1.min), Millimetres(design.x1Max)},
            {3, u"菱形销圆柱部分宽度", u"b（按 D2 查表）", d2,
             calc::FormatIntegerText(design.landWidth) + u" mm"},
            {3, u"菱形销总宽度", u"B（按 D2 查表）", d2, Number(design.cornerWidth) + u" mm"},
            {4, u"补偿量", u"a = δLD + δLd − X1min/2",
             Number(design.centreDistanceTolerance) + u" + " + Number(design.pinDistanceTolerance) +
                 u" − " + Number(design.x1Min) + u"/2",
             Millimetres(design.compensation)},
        });
    return steps;
}

// Steps 5 and 6: pin 2, relieved where a > 0, else round.
std::vector<SheetStep> SecondPinSteps(const TwoPinDesign& design, const TwoPinInput& input) {
    const PinSize& hole2 = design.hole2;
    const SecondPinDesign& second = design.secondPin;
    const PinSize& d2 = second.pin;
    if (!second.relieved) {
        std::vector<SheetStep> steps = RoundPinSteps(5, u"2", hole2, d2, input.roundPinZone);
        steps.push_back({6, u"孔2最小间隙", u"X2min = D2min − d2max",
                         Number(hole2.min) + u" − " + Number(d2.max), Millimetres(second.x2Min)});
        return steps;
    }
    const std::u16string a = Number(design.compensation);
    const std::u16string b = calc::FormatIntegerText(design.landWidth);
    return {
        {5, u"孔2最小间隙（手册近似式）", u"X2min ≈ 2ab/D2",
         u"2×" + a + u"×" + b + u"/" + Number(hole2.basic), Millimetres(second.x2MinHandbook)},
        {5, u"孔2最小间隙（精确式）", u"X2min = D2min − √(D2min² − 4ab − 4a²)",
         Number(hole2.min) + u" − √(" + Number(hole2.min) + u"² − 4×" + a + u"×" + b + u" − 4×" +
             a + u"²)",
         Millimetres(second.x2Min)},
        {6, u"菱形销最大直径", u"d2max = D2min − X2min（向下圆整到 0.001）",
         Number(hole2.min) + u" − " + Number(second.x2Min), Millimetres(d2.max)},
        {6, u"菱形销最小直径", u"d2min = d2max − " + GradeName(input.relievedPinGrade),
         Number(d2.max) + u" − " + Number(d2.max - d2.min), Millimetres(d2.min)},
        {6, u"菱形销直径", u"d2", {}, FormatDiameter(d2)},
    };
}

// Step 7: the locating errors.
std::vector<SheetStep> ErrorSteps(const TwoPinDesign& design) {
    const SecondPinDesign& second = design.secondPin;
    return {
        {7, u"孔2最大间隙", u"X2max = D2max − d2min",
         Number(design.hole2.max) + u" − " + Number(second.pin.min), Millimetres(second.x2Max)},
        {7, u"孔1中心位移误差", u"ΔY = X1max", {}, Millimetres(design.x1Max)},
        {7, u"转角误差", u"Δα = arctan[(X1max + X2max)/(2L)]",
         u"arctan[(" + Number(design.x1Max) + u" + " + Number(second.x2Max) + u")/(2×" +
             Number(design.centreDistance) + u")]",
         u"±" + FormatAngle(second.angularError)},
        {7, u"总转角误差", u"2Δα", {}, FormatAngle(2.0 * second.angularError)},
    };
}

std::u16string Conclusion(const TwoPinDesign& design, const TwoPinInput& input) {
    const SecondPinDesign& second = design.secondPin;
    const std::u16string zone = u"（" + ZoneName(input.roundPinZone) + u"）";
    const std::u16string pin1 = u"孔1装圆柱销 " + FormatDiameter(design.roundPin) + zone;
    const std::u16string rest = u"，销中心距 " + Number(design.centreDistance) + u" ± " +
                                Millimetres(design.pinDistanceTolerance) + u"；孔1中心位移误差 " +
                                Millimetres(design.x1Max) + u"，转角误差 ±" +
                                FormatAngle(second.angularError) + u"。";
    if (!second.relieved) {
        return u"a ≤ 0：圆柱销的间隙已能补偿中心距误差，可用两个圆柱销。" + pin1 +
               u"，孔2装圆柱销 " + FormatDiameter(second.pin) + zone + rest;
    }
    return pin1 + u"，孔2装菱形销 " + FormatDiameter(second.pin) + u"（" +
           GradeName(input.relievedPinGrade) + u"），b = " +
           calc::FormatIntegerText(design.landWidth) + u" mm，B = " + Number(design.cornerWidth) +
           u" mm" + rest;
}

} // namespace

DesignSheet ComposeSheet(const TwoPinDesign& design, const TwoPinInput& input,
                         std::u16string_view program, std::u16string_view date) {
    const SecondPinDesign& second = design.secondPin;
    DesignSheet sheet;
    sheet.title = u"两销定位设计计算书";
    sheet.fileStem = u"两销定位_D" + Number(design.hole1.basic) + u"_D" +
                     Number(design.hole2.basic) + u"_L" + Number(design.centreDistance);
    sheet.givens = Givens(design, input);
    for (const auto& steps :
         {CommonSteps(design, input), SecondPinSteps(design, input), ErrorSteps(design)}) {
        sheet.steps.insert(sheet.steps.end(), steps.begin(), steps.end());
    }
    sheet.conclusion = Conclusion(design, input);
    sheet.stamp = u"本计算书由 " + std::u16string(program) + u" 生成　" + std::u16string(date);
    const bool relieved = second.relieved;
    sheet.figure = {design.hole1.basic,
                    design.hole2.basic,
                    design.roundPin.max,
                    second.pin.max,
                    relieved ? double(design.landWidth) : 0.0,
                    relieved ? design.cornerWidth : 0.0,
                    Number(design.centreDistance) + u" ± " + Number(design.pinDistanceTolerance),
                    FormatDiameter(design.roundPin),
                    FormatDiameter(second.pin),
                    relieved ? calc::FormatIntegerText(design.landWidth) : std::u16string(),
                    relieved ? Number(design.cornerWidth) : std::u16string()};
    return sheet;
}

} // namespace design
