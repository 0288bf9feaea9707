// The design library worked through: its texts and tolerance tables, examples of the two-pin
// design checked by hand, the stop where two round pins will do, every rejection, the fit of the
// relieved pin by the exact geometry.
#include "design/design_text.h"
#include "design/result_list.h"
#include "design/tolerance_tables.h"
#include "design/two_pin_design.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
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

// The design from D1, ES1, EI1, D2, ES2, EI2, L, δLD, δLd as typed, the zone and the grade.
DesignOutcome Design(std::vector<std::string> t, RoundPinZone z = G6, ToleranceGrade g = IT6) {
    const auto u = [&t](int i) { return std::u16string(t[i].begin(), t[i].end()); };
    return DesignTwoPinLocation({u(0), u(1), u(2), u(3), u(4), u(5), u(6), u(7), u(8), z, g});
}

TEST(TwoPinDesign, HandCheckedExamplesStepByStep) {
    // The results as the clipboard gets them, each after its id's letter: "A80 ± 0.016\nBφ12...".
    const auto label = [](ResultId id) { return std::u16string(1, u'A' + int(id)); };
    // Δα: tan Δα = t is below 0.001, so Δα = t·206264.806″ (t³/3 stays under 0.0001″).
    const std::pair<DesignOutcome, std::u16string> examples[] = {
        // Two φ12H7 holes 80 ± 0.05 apart. δLd = 0.05/3 -> 0.016. g6 at 12: es -6, IT6 11.
        // X1min 0.006, X1max 12.018 - 11.983 = 0.035. b 4, B 10. a = 0.05 + 0.016 - 0.003 = 0.063.
        // X2min = 2·0.063·4/12 = 0.042 exactly (d2max must not fall to 11.957); exact
        // 12 - √(144 - 4·(0.252 + 0.003969)) = 0.042738. d2max 11.958, d2min 11.947,
        // X2max 12.018 - 11.947 = 0.071. t = (0.035 + 0.071)/160: Δα 136.650″, 2Δα 273.301″.
        {Design({"12", "+0.018", "0", "12", "+0.018", "0", "80", "0.05", ""}),
         u"A80 ± 0.016\nBφ12 -0.006/-0.017\nC0.006\nD0.035\nE4\nF10\nG0.063\nI0.042\nJ0.043\n"
         u"K11.958\nL11.947\nMφ12 -0.042/-0.053\nN0.071\nO0.035\nP±0°02′16.7″\nQ0°04′33.3″\n"},
        // Total tolerances typed for the ± ones: a = 0.1 + 0.032 - 0.003 = 0.129, X2min
        // 1.032/12 = 0.086 (not 0.042); exact 12 - √(144 - 4·(0.516 + 0.016641)) = 0.089104.
        // d2max 11.914, d2min 11.903, X2max 0.115. t = 0.15/160: Δα 193.373″, 2Δα 386.746″.
        {Design({"12", "+0.018", "0", "12", "+0.018", "0", "80", "0.1", "0.032"}),
         u"A80 ± 0.032\nBφ12 -0.006/-0.017\nC0.006\nD0.035\nE4\nF10\nG0.129\nI0.086\nJ0.089\n"
         u"K11.914\nL11.903\nMφ12 -0.086/-0.097\nN0.115\nO0.035\nP±0°03′13.4″\nQ0°06′26.7″\n"},
        // φ20H7 and φ10H7, f7 and IT7, 100 ± 0.06, δLd 0.02. f7 at 20: es -20, IT7 21.
        // X1min 0.020, X1max 20.021 - 19.959 = 0.062. b 4, B 8. a = 0.06 + 0.02 - 0.01 = 0.07.
        // X2min = 2·0.07·4/10 = 0.056; exact 10 - √(100 - 4·(0.28 + 0.0049)) = 0.057143.
        // d2max 9.944, IT7 at 10: 15, d2min 9.929, X2max 10.015 - 9.929 = 0.086.
        // t = (0.062 + 0.086)/200: Δα 152.636″, 2Δα 305.272″.
        {Design({"20", "0.021", "0", "10", "0.015", "0", "100", "0.06", "0.02"}, F7, IT7),
         u"A100 ± 0.020\nBφ20 -0.020/-0.041\nC0.020\nD0.062\nE4\nF8\nG0.070\nI0.056\nJ0.057\n"
         u"K9.944\nL9.929\nMφ10 -0.056/-0.071\nN0.086\nO0.062\nP±0°02′32.6″\nQ0°05′05.3″\n"},
        // Row edges: φ18G7 (+0.024/+0.006) puts D1min = 18.006 just over 18, so h7 takes IT7 21,
        // not 18; D2 = 6 tops 3..6: b 2, B 5.5, IT6 8. 50 ± 0.03, δLd 0.01. X1min 0,
        // X1max 18.024 - 17.985 = 0.039, a = 0.04. X2min = 2·0.04·2/6 = 0.026667; exact
        // 6 - √(36 - 4·(0.08 + 0.0016)) = 0.027262. d2max 5.973, d2min 5.965,
        // X2max 6.012 - 5.965 = 0.047. t = (0.039 + 0.047)/100: Δα 177.388″, 2Δα 354.775″.
        {Design({"18", "+0.024", "+0.006", "6", "+0.012", "0", "50", "0.03", ""}, H7),
         u"A50 ± 0.010\nBφ18.006 0/-0.021\nC0.000\nD0.039\nE2\nF5.5\nG0.040\nI0.027\nJ0.027\n"
         u"K5.973\nL5.965\nMφ6 -0.027/-0.035\nN0.047\nO0.039\nP±0°02′57.4″\nQ0°05′54.8″\n"},
        // a <= 0: the round pin absorbs the distance error. f7 at 12: X1min 0.016,
        // a = 0.005 + 0.001 - 0.008 < 0.
        {Design({"12", "0.018", "0", "12", "0.018", "0", "80", "0.005", ""}, F7),
         u"A80 ± 0.001\nBφ12 -0.016/-0.034\nC0.016\nD0.052\nE4\nF10\nG-0.002\nH\n"},
        // g6 at 5 (3..6): es -4, IT6 8, X1min 0.004, X1max 5.012 - 4.988 = 0.024;
        // a = 0.002 + 0 - 0.002 = 0 exactly, though 2e-16 in doubles.
        {Design({"5", "0.012", "0", "12", "0.018", "0", "80", "0.002", "0"}),
         u"A80 ± 0.000\nBφ5 -0.004/-0.012\nC0.004\nD0.024\nE4\nF10\nG0.000\nH\n"}};
    for (const auto& [outcome, results] : examples) {
        EXPECT_EQ(ComposeResultText(ListResults(std::get<0>(outcome)), label), results);
    }
}

TEST(TwoPinDesign, RejectsTheFieldAtFault) {
    using enum DesignField;
    using enum RejectionReason;
    // Hole 1 is φ50 here: a lower deviation above 0 takes D1min out of the tables. The bounds
    // themselves pass: L just beyond (D1 + D2) / 2, δLd equal to δLD.
    const std::vector<std::string> typed{"50", "0.018",  "0",    "12",  "0.018",
                                         "0",  "31.001", "0.05", "0.05"};
    const std::pair<std::string, DesignRejection> rows[] = {
        {"", {Hole1Diameter, Empty}},
        {"50mm", {Hole1Diameter, NotNumeric}},
        {"50.01", {Hole2Diameter, OutOfRange}},
        {"18", {Hole1UpperDeviation, OutOfRange}},
        {" ", {Hole2LowerDeviation, NotNumeric}},
        {"0.019", {Hole1LowerDeviation, LowerAboveUpper}},
        {"0.001", {Hole1LowerDeviation, OutOfRange}},
        {"0.019", {Hole2LowerDeviation, LowerAboveUpper}},
        {"31", {CentreDistance, HolesOverlap}},
        {"-0.01", {CentreDistanceTolerance, OutOfRange}},
        {"5", {CentreDistanceTolerance, NoRelievedPinFits}},
        {"0.0501", {PinDistanceTolerance, AboveCentreDistanceTolerance}}};
    for (const auto& [text, rejection] : rows) {
        std::vector<std::string> texts = typed;
        texts[static_cast<std::size_t>(rejection.field)] = text;
        const DesignOutcome outcome = Design(texts);
        ASSERT_EQ(outcome.index(), 1u) << static_cast<int>(rejection.field);
        EXPECT_EQ(std::get<1>(outcome), rejection) << text;
    }
    EXPECT_EQ(Design(typed).index(), 0u);
}

// The relieved pin at d2max, off centre by a, has its land corners inside the hole of D2min, but
// for what the handbook form drops: a² + (ab/D2)² - ab·EI/D2 < 0.0151 mm², with a <= 0.1,
// b/D2 <= 2/3, EI >= -0.01; 6 µm·D2 at D2 >= 3.
TEST(TwoPinDesign, RelievedPinEntersHole2InTheWorstCase) {
    std::mt19937 random(20261207);
    const auto um = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(random); };
    const auto mm = [](int micrometres) { return std::to_string(micrometres / 1000.0); };
    for (int i = 0; i < 2000; ++i) {
        const int d1 = um(3000, 50000), d2 = um(3000, 50000), ei2 = um(-10, 20), dLD = um(5, 50);
        const TwoPinDesign design = std::get<0>(
            Design({mm(d1), "0.03", "0", mm(d2), mm(ei2 + um(6, 40)), mm(ei2),
                    mm((d1 + d2) / 2 + um(1000, 200000)), mm(dLD), i % 2 ? "" : mm(um(0, dLD))},
                   RoundPinZone(i % 3), ToleranceGrade(i % 2)));
        if (const auto& pin = design.relievedPin) {
            const double a = design.compensation, b = design.bText[0] - u'0', r = pin->pin.max / 2;
            const double d2Min = (d2 + ei2) / 1000.0;
            EXPECT_GE(d2Min * d2Min / 4 - r * r, a * b + a * a - 0.006 * d2Min) << i;
        }
    }
}

} // namespace
