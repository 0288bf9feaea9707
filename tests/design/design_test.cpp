// The design library worked through: its texts and tolerance tables, examples of the two-pin
// design checked by hand, the stop where two round pins will do, every rejection, the fit of the
// relieved pin by the exact geometry.
#include "design/design_sheet.h"
#include "design/design_text.h"
#include "design/field_reading.h"
#include "design/result_list.h"
#include "design/tolerance_tables.h"
#include "design/two_pin_design.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <utility>

namespace {

using namespace design;
using enum RoundPinZone;
using enum ToleranceGrade;

TEST(DesignText, NoNegativeZeroAndARoundingTo60SecondsCarriedIntoTheMinutes) {
    EXPECT_EQ(FormatMillimetres(-0.0004), u"0.000");
    EXPECT_EQ(FormatDeviation(-0.0001), u"0");
    EXPECT_EQ(FormatAngle(59.94 / 3600), u"0°00′59.9″");
    EXPECT_EQ(FormatAngle(3599.96 / 3600), u"1°00′00.0″");
}

// IT6, IT7 and es of f and g (h: 0) in micrometres at both sides of every row boundary.
TEST(ToleranceTables, EachBoundaryBelongsToTheRowBelowIt) {
    using enum ShaftDeviation;
    const auto above = [](double bound) { return std::nextafter(bound, 99.0); };
    const struct {
        double size;
        std::optional<int> it6, it7, f, g;
    } rows[] = {
        {0.0, {}, {}, {}, {}},        {3.0, 6, 10, -6, -2},         {above(3), 8, 12, -10, -4},
        {6.0, 8, 12, -10, -4},        {above(6), 9, 15, -13, -5},   {10.0, 9, 15, -13, -5},
        {above(10), 11, 18, -16, -6}, {18.0, 11, 18, -16, -6},      {above(18), 13, 21, -20, -7},
        {30.0, 13, 21, -20, -7},      {above(30), 16, 25, -25, -9}, {50.0, 16, 25, -25, -9},
        {above(50), {}, {}, {}, {}}};
    for (const auto& [size, it6, it7, f, g] : rows) {
        const std::array figures{StandardTolerance(IT6, size), StandardTolerance(IT7, size),
                                 ShaftUpperDeviation(F, size), ShaftUpperDeviation(G, size),
                                 ShaftUpperDeviation(H, size)};
        EXPECT_EQ(figures, (std::array{it6, it7, f, g, f ? std::optional(0) : f})) << size;
    }
}

// D1, ES1, EI1, D2, ES2, EI2, L, δLD, δLd as typed, the zone and the grade.
TwoPinInput Typed(std::vector<std::string> t, RoundPinZone z = G6, ToleranceGrade g = IT6) {
    const auto u = [&t](int i) { return std::u16string(t[i].begin(), t[i].end()); };
    return {u(0), u(1), u(2), u(3), u(4), u(5), u(6), u(7), u(8), z, g};
}

// Each example's sheet opens with how δLd was taken (typed, a third of δLD, the finest default,
// δLD), then its results as the clipboard gets them, each after its id's letter: "A80 ± 0.016\n
// Bφ12...". The equal φ12H7 holes 80 ± 0.05 apart are worked step by step in the sheet's test
// (tests/ui/design/sheet_document_test.cpp).
TEST(TwoPinDesign, HandCheckedExamplesStepByStep) {
    const auto label = [](ResultId id) { return std::u16string(1, u'A' + int(id)); };
    // d2max = √(D2min² - 4(ab + a²)) rounded down, the exact X2min = D2min - d2max before rounding.
    // Δα: tan Δα = t is below 0.001, so Δα = t·206264.806″ (t³/3 stays under 0.0001″).
    const std::pair<TwoPinInput, std::u16string> examples[] = {
        // φ20H7 and φ10.03H7, f7 and IT7, 100 ± 0.06, δLd 0.02. f7 at 20: es -20, IT7 21.
        // X1min 0.020, X1max 20.021 - 19.959 = 0.062. b 4, B 8.03. a = 0.06 + 0.02 - 0.01 = 0.07.
        // 2ab/D2 = 0.56/10.03 = 0.055833; √(100.6009 - 1.1396) = 9.973079: d2max 9.973, IT7
        // at D2 = 10.03 (not at d2max): 18, d2min 9.955, X2max 10.048 - 9.955 = 0.093.
        // t = 0.155/200: Δα 159.855″.
        {Typed({"20", "0.021", "0", "10.03", "0.018", "0", "100", "0.06", "0.02"}, F7, IT7),
         u"δLd（给定）\nA100 ± 0.020\nBφ20 -0.020/-0.041\nC0.020\nD0.062\nE4\nF8.03\nG0.070\nH\n"
         u"J0.056\nK0.057\nL9.973\nM9.955\nNφ10.03 -0.057/-0.075\nR0.093\nS0.062\nT±0°02′39.9″\n"
         u"U0°05′19.7″\n"},
        // Row edges: φ18G7 (+0.024/+0.006) puts D1min = 18.006 just over 18, so h7 takes IT7 21,
        // not 18; D2 = 6 tops 3..6: b 2, B 5.5, IT6 8. 50 ± 0.03, δLd 0.03/3 = 0.01. X1min 0,
        // X1max 18.024 - 17.985 = 0.039, a = 0.04. 2ab/D2 = 0.026667; √(36 - 0.3264) = 5.972738:
        // d2max 5.972, d2min 5.964, X2max 6.012 - 5.964 = 0.048. t = 0.087/100: Δα 179.450″.
        {Typed({"18", "+0.024", "+0.006", "6", "+0.012", "0", "50", "0.03", ""}, H7),
         u"δLd = δLD/3（向下圆整到 0.001）\nA50 ± 0.010\nBφ18.006 0/-0.021\nC0.000\nD0.039\nE2\n"
         u"F5.5\nG0.040\nH\nJ0.027\nK0.027\nL5.972\nM5.964\nNφ6 -0.028/-0.036\nR0.048\nS0.039\n"
         u"T±0°02′59.5″\nU0°05′58.9″\n"},
        // D1 = 12, D2 = 3 H7, δLD 0.1, δLd 0.03, 50 apart: a = 0.127, b 2. 2ab/D2 = 0.169333;
        // √(9 - 4·(0.254 + 0.016129)) = 2.814155 (2ab/D2 would give 2.830, which does not enter):
        // d2max 2.814, IT6 at 3: 6, d2min 2.808, X2max 3.010 - 2.808 = 0.202.
        // t = 0.237/100: Δα 488.848″.
        {Typed({"12", "+0.018", "0", "3", "+0.010", "0", "50", "0.1", "0.03"}),
         u"δLd（给定）\nA50 ± 0.030\nBφ12 -0.006/-0.017\nC0.006\nD0.035\nE2\nF2.5\nG0.127\nH\n"
         u"J0.169\nK0.186\nL2.814\nM2.808\nNφ3 -0.186/-0.192\nR0.202\nS0.035\nT±0°08′08.8″\n"
         u"U0°16′17.7″\n"},
        // δLD 0.006: a third would be 0.002, so δLd takes 0.005. f7 at 12: es -16, IT7 18, X1min
        // 0.016, X1max 0.052, a = 0.011 - 0.008 = 0.003. √(144 - 4·(0.012 + 0.000009)) =
        // 11.997998: d2max 11.997, d2min 11.986, X2max 0.032. t = 0.084/160: Δα 108.289″.
        {Typed({"12", "+0.018", "0", "12", "+0.018", "0", "80", "0.006", ""}, F7),
         u"δLd = 0.005（δLD/3 < 0.005）\nA80 ± 0.005\nBφ12 -0.016/-0.034\nC0.016\nD0.052\nE4\n"
         u"F10\nG0.003\nH\nJ0.002\nK0.002\nL11.997\nM11.986\nNφ12 -0.003/-0.014\nR0.032\n"
         u"S0.052\nT±0°01′48.3″\nU0°03′36.6″\n"},
        // δLD 0.004: δLd no more than δLD, 0.004; a = 0.008 - 0.008 = 0: the round pin absorbs the
        // distance error. Pin 2 round, f7 at D2min 12: φ12 -0.016/-0.034, X2min 0.016,
        // X2max 12.018 - 11.966 = 0.052. t = 0.104/160: Δα 134.072″.
        {Typed({"12", "+0.018", "0", "12", "+0.018", "0", "80", "0.004", ""}, F7),
         u"δLd = δLD（δLD < 0.005）\nA80 ± 0.004\nBφ12 -0.016/-0.034\nC0.016\nD0.052\nE4\nF10\n"
         u"G0.000\nI\nK0.016\nO11.984\nP11.966\nQφ12 -0.016/-0.034\nR0.052\nS0.052\n"
         u"T±0°02′14.1″\nU0°04′28.1″\n"}};
    for (const auto& [input, results] : examples) {
        const TwoPinDesign design = std::get<TwoPinDesign>(DesignTwoPinLocation(input));
        std::u16string text = ComposeSheet(design, input, u"", u"").steps[0].formula + u"\n";
        for (const ResultLine& line : ListResults(design)) {
            text += label(line.id) + line.value + u"\n";
        }
        EXPECT_EQ(text, results);
    }
}

// The comma groups thousands only; a decimal comma is told apart from other text.
TEST(TwoPinDesign, ReadsACommaOnlyBetweenGroupsOfThreeDigits) {
    EXPECT_EQ(ReadNumberField(u" -12,345.5 "), FieldReading(-12345.5));
    for (const char16_t* text :
         {u"0,05", u"80,5", u"0,050", u"1,2345", u"1234,567", u"1.5,000", u",500", u"1,200,"}) {
        EXPECT_EQ(ReadNumberField(text), FieldReading(RejectionReason::MisplacedComma))
            << testing::PrintToString(text);
    }
}

TEST(TwoPinDesign, RejectsTheFieldAtFault) {
    using enum DesignField;
    using enum RejectionReason;
    // Each accepted: on the first, the bounds: EI equal to ES, L just beyond (D1 + D2) / 2, δLd
    // equal to δLD. On the second, hole 2 is φ3 -0.9: D2min 2.1 takes a pin of 2.052..2.058
    // with a = 0.02 + 0.006 - 0.0045, none at all for δLD 0.5. The window's test has the rows
    // of the other rejections, with their messages.
    const std::vector<std::string> bases[] = {
        {"50", "0", "0", "12", "0.018", "0.018", "31.001", "0.05", "0.05"},
        {"50", "0.018", "0", "3", "0.01", "-0.9", "80", "0.02", ""}};
    const std::tuple<int, DesignField, std::string, std::optional<RejectionReason>> rows[] = {
        {0, PinDistanceTolerance, "0.05", {}},
        {0, CentreDistanceTolerance, "0.5", {}},
        {1, CentreDistanceTolerance, "0.02", {}},
        {0, Hole1Diameter, "", Empty},
        {0, Hole1Diameter, "50mm", NotNumeric},
        {0, Hole2Diameter, "50.01", OutOfRange},
        {0, Hole1UpperDeviation, "1", OutOfRange},
        {0, Hole1LowerDeviation, "0.001", LowerAboveUpper},
        {0, CentreDistance, "31", HolesOverlap},
        {0, CentreDistanceTolerance, "0", OutOfRange},
        {0, CentreDistanceTolerance, "0.5001", OutOfRange},
        {1, CentreDistanceTolerance, "0.5", NoRelievedPinFits},
        {0, PinDistanceTolerance, "-0.01", OutOfRange},
        {0, PinDistanceTolerance, "0.0501", AboveCentreDistanceTolerance}};
    for (const auto& [base, field, text, reason] : rows) {
        std::vector<std::string> texts = bases[base];
        texts[static_cast<std::size_t>(field)] = text;
        const DesignOutcome outcome = DesignTwoPinLocation(Typed(texts));
        const auto* rejected = std::get_if<DesignRejection>(&outcome);
        EXPECT_EQ(rejected ? std::optional(*rejected) : std::nullopt,
                  reason ? std::optional(DesignRejection{field, *reason}) : std::nullopt)
            << text;
    }
}

// The pin at d2max, its hole at D2min displaced by a along the line of centres: the far corners
// of the relieved pin's land (b/2 along, √(r² - b²/4) across) lie inside the hole, and a pin
// 0.001 larger would not; a round pin 2 (a <= 0) is no larger than D2min. No slack beyond
// 1e-9 mm, the rounding's own.
TEST(TwoPinDesign, RelievedPinEntersHole2InTheWorstCase) {
    std::mt19937 random(20261207);
    const auto um = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(random); };
    const auto mm = [](int micrometres) { return std::to_string(micrometres / 1000.0); };
    int relievedPins = 0;
    for (int i = 0; i < 4000; ++i) {
        const int d1 = um(3000, 50000), d2 = um(3000, 50000), ei2 = um(-10, 20), dLD = um(1, 200);
        const DesignOutcome outcome = DesignTwoPinLocation(
            Typed({mm(d1), "0.03", "0", mm(d2), mm(ei2 + um(6, 40)), mm(ei2),
                   mm((d1 + d2) / 2 + um(1000, 200000)), mm(dLD), i % 2 ? "" : mm(um(0, dLD))},
                  RoundPinZone(i % 3), ToleranceGrade(i % 2)));
        const auto* design = std::get_if<TwoPinDesign>(&outcome);
        if (!design) {
            continue; // d2min <= b, mostly where D2 = 3; counted below
        }
        const double a = design->compensation, b = design->landWidth, hole = (d2 + ei2) / 2000.0;
        const double pin = design->secondPin.pin.max / 2;
        const bool relieved = design->secondPin.relieved;
        const auto corner = [&](double r) {
            return std::hypot(a + b / 2, std::sqrt(r * r - b * b / 4));
        };
        relievedPins += relieved;
        EXPECT_LE(relieved ? corner(pin) : pin, hole + 1e-9) << i;
        EXPECT_TRUE(!relieved || corner(pin + 0.0005) > hole) << i;
    }
    EXPECT_GT(relievedPins, 3000);
}

} // namespace
