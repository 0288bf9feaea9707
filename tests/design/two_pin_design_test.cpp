// The two-pin locating design worked through: examples checked by hand, the stop where two round
// pins will do, every rejection, the fit of the relieved pin by the exact geometry.
#include "design/result_list.h"
#include "design/two_pin_design.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using design::DesignField;
using design::DesignRejection;
using design::RejectionReason;
using design::ResultId;
using design::RoundPinZone;
using design::ToleranceGrade;
using design::TwoPinInput;

// D1, ES1, EI1, D2, ES2, EI2, L, δLD, δLd as typed.
TwoPinInput Input(const std::vector<std::u16string>& t, RoundPinZone zone = RoundPinZone::G6,
                  ToleranceGrade grade = ToleranceGrade::IT6) {
    return {t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], zone, grade};
}

// Two φ12H7 holes 80 ± 0.05 apart, δLd left to its default.
const std::vector<std::u16string> kEqualHoles{u"12", u"+0.018", u"0",    u"12", u"+0.018",
                                              u"0",  u"80",     u"0.05", u""};

std::vector<std::u16string> Values(const design::DesignOutcome& outcome) {
    std::vector<std::u16string> values;
    for (const design::ResultLine& line : design::ListResults(std::get<0>(outcome))) {
        values.push_back(line.value);
    }
    return values;
}

TEST(TwoPinDesign, HandCheckedExamplesStepByStep) {
    // Δα: tan Δα = t is below 0.001, so Δα = t·206264.806″ (t³/3 stays under 0.0001″).
    const struct {
        TwoPinInput input;
        std::vector<std::u16string> values;
    } examples[] = {
        // Equal holes: δLd = 0.05/3 = 0.01666 -> 0.016. g6 at 12 (10..18): es -6, IT6 11.
        // X1min 0.006, X1max 12.018 - 11.983 = 0.035. b 4, B 10. a = 0.05 + 0.016 - 0.003 = 0.063.
        // X2min = 2·0.063·4/12 = 0.042 exactly (d2max must not fall to 11.957);
        // exact 12 - √(144 - 4·(0.252 + 0.003969)) = 12 - 11.957262 = 0.042738.
        // d2max 11.958, d2min 11.958 - 0.011 = 11.947, X2max 12.018 - 11.947 = 0.071.
        // t = (0.035 + 0.071)/160 = 0.0006625: Δα 136.650″, 2Δα 273.301″.
        {Input(kEqualHoles),
         {u"80 ± 0.016", u"φ12 -0.006/-0.017", u"0.006", u"0.035", u"4", u"10", u"0.063", u"0.042",
          u"0.043", u"11.958", u"11.947", u"φ12 -0.042/-0.053", u"0.071", u"0.035", u"±0°02′16.7″",
          u"0°04′33.3″"}},
        // Unequal holes, f7 and IT7: φ20H7 and φ10H7, 100 ± 0.06, δLd 0.02. f7 at 20 (18..30):
        // es -20, IT7 21. X1min 0.020, X1max 20.021 - 19.959 = 0.062. b 4, B 8 (8..20).
        // a = 0.06 + 0.02 - 0.01 = 0.07. X2min = 2·0.07·4/10 = 0.056; exact
        // 10 - √(100 - 4·(0.28 + 0.0049)) = 10 - 9.942857 = 0.057143. d2max 9.944, IT7 at 10
        // (6..10) 15: d2min 9.929, X2max 10.015 - 9.929 = 0.086.
        // t = (0.062 + 0.086)/200 = 0.00074: Δα 152.636″, 2Δα 305.272″.
        {Input({u"20", u"0.021", u"0", u"10", u"0.015", u"0", u"100", u"0.06", u"0.02"},
               RoundPinZone::F7, ToleranceGrade::IT7),
         {u"100 ± 0.020", u"φ20 -0.020/-0.041", u"0.020", u"0.062", u"4", u"8", u"0.070", u"0.056",
          u"0.057", u"9.944", u"9.929", u"φ10 -0.056/-0.071", u"0.086", u"0.062", u"±0°02′32.6″",
          u"0°05′05.3″"}},
        // Row edges: hole 1 φ18G7 (+0.024/+0.006) puts D1min = 18.006 just over 18, so h7 takes
        // IT7 21 of 18..30, not 18; D2 = 6 is the top of 3..6 for b 2, B 5.5 and IT6 8.
        // L 50 ± 0.03, δLd 0.01. X1min 0, X1max 18.024 - 17.985 = 0.039. a = 0.04.
        // X2min = 2·0.04·2/6 = 0.026667; exact 6 - √(36 - 4·(0.08 + 0.0016)) = 0.027262.
        // d2max = 6 - 0.026667 = 5.973333 -> 5.973, d2min 5.965, X2max 6.012 - 5.965 = 0.047.
        // t = (0.039 + 0.047)/100 = 0.00086: Δα 177.388″, 2Δα 354.775″.
        {Input({u"18", u"+0.024", u"+0.006", u"6", u"+0.012", u"0", u"50", u"0.03", u""},
               RoundPinZone::H7),
         {u"50 ± 0.010", u"φ18.006 0/-0.021", u"0.000", u"0.039", u"2", u"5.5", u"0.040", u"0.027",
          u"0.027", u"5.973", u"5.965", u"φ6 -0.027/-0.035", u"0.047", u"0.039", u"±0°02′57.4″",
          u"0°05′54.8″"}},
    };
    for (const auto& example : examples) {
        EXPECT_EQ(Values(design::DesignTwoPinLocation(example.input)), example.values);
    }
}

TEST(TwoPinDesign, StopsWhereTheRoundPinAbsorbsTheDistanceError) {
    // f7 at 12: X1min 0.016, a = 0.005 + 0.001 - 0.008 < 0; g6 at 5 (3..6): X1min 0.004,
    // a = 0.002 + 0 - 0.002 = 0 exactly, though 2e-16 in doubles.
    const std::pair<TwoPinInput, std::u16string> rows[] = {
        {Input({u"12", u"0.018", u"0", u"12", u"0.018", u"0", u"80", u"0.005", u""},
               RoundPinZone::F7),
         u"-0.002"},
        {Input({u"5", u"0.012", u"0", u"12", u"0.018", u"0", u"80", u"0.002", u"0"}), u"0.000"},
    };
    for (const auto& [input, a] : rows) {
        const auto lines = design::ListResults(std::get<0>(design::DesignTwoPinLocation(input)));
        ASSERT_EQ(lines.size(), 8u);
        EXPECT_EQ(lines[6].value, a);
        EXPECT_EQ(lines[7], (design::ResultLine{ResultId::TwoRoundPins, u""}));
    }
    const auto label = [](ResultId id) { return u"<" + std::u16string(1, u'A' + int(id)) + u">"; };
    EXPECT_EQ(
        design::ComposeResultText(
            design::ListResults(std::get<0>(design::DesignTwoPinLocation(rows[0].first))), label),
        u"<A>80 ± 0.001\n<B>φ12 -0.016/-0.034\n<C>0.016\n<D>0.052\n<E>4\n<F>10\n"
        u"<G>-0.002\n<H>\n");
}

TEST(TwoPinDesign, RejectsTheFieldAtFault) {
    using enum DesignField;
    using enum RejectionReason;
    // Hole 1 is φ50 here: a lower deviation above 0 takes D1min out of the tables.
    std::vector<std::u16string> typed = kEqualHoles;
    typed[0] = u"50";
    const struct {
        DesignField field;
        std::u16string text;
        RejectionReason reason;
    } rows[] = {
        {Hole1Diameter, u"", Empty},
        {Hole1Diameter, u"50mm", NotNumeric},
        {Hole1Diameter, u"2.99", OutOfRange},
        {Hole2Diameter, u"50.01", OutOfRange},
        {Hole1UpperDeviation, u"18", OutOfRange},
        {Hole2LowerDeviation, u" ", NotNumeric},
        {Hole1LowerDeviation, u"0.019", LowerAboveUpper},
        {Hole1LowerDeviation, u"0.001", OutOfRange},
        {Hole2LowerDeviation, u"0.019", LowerAboveUpper},
        {CentreDistance, u"31", HolesOverlap},
        {CentreDistanceTolerance, u"-0.01", OutOfRange},
        {CentreDistanceTolerance, u"5", NoRelievedPinFits},
        {PinDistanceTolerance, u"0.0501", AboveCentreDistanceTolerance},
    };
    for (const auto& row : rows) {
        std::vector<std::u16string> texts = typed;
        texts[static_cast<std::size_t>(row.field)] = row.text;
        const auto outcome = design::DesignTwoPinLocation(Input(texts));
        ASSERT_EQ(outcome.index(), 1u) << static_cast<int>(row.field);
        EXPECT_EQ(std::get<1>(outcome), (DesignRejection{row.field, row.reason}));
    }
    // The bounds themselves pass: δLd equal to δLD, L just beyond (D1 + D2) / 2.
    typed[6] = u"31.001";
    typed[8] = u"0.05";
    EXPECT_EQ(design::DesignTwoPinLocation(Input(typed)).index(), 0u);
}

TEST(TwoPinDesign, TotalTolerancesTypedAsHalfTolerancesShowInX2min) {
    // ±0.05 and ±0.016 typed as 0.1 and 0.032: a = 0.129 and X2min 1.032/12 = 0.086, not 0.042.
    TwoPinInput input = Input(kEqualHoles);
    input.centreDistanceTolerance = u"0.1";
    input.pinDistanceTolerance = u"0.032";
    EXPECT_EQ(Values(design::DesignTwoPinLocation(input))[7], u"0.086");
}

std::u16string Typed(double value) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%.3f", value);
    return std::u16string(text, text + length);
}

double Number(const std::u16string& text) {
    return std::stod(std::string(text.begin(), text.end()));
}

TEST(TwoPinDesign, RelievedPinEntersHole2InTheWorstCase) {
    std::mt19937 random(20261207);
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    for (int i = 0; i < 2000; ++i) {
        const double d1 = uniform(3, 50), d2 = uniform(3, 50), ei2 = uniform(-0.01, 0.02);
        const double holeTolerance = uniform(0.005, 0.05);
        const TwoPinInput input =
            Input({Typed(d1), u"0.03", u"0", Typed(d2), Typed(ei2 + uniform(0.006, 0.04)),
                   Typed(ei2), Typed((d1 + d2) / 2 + uniform(1, 200)), Typed(holeTolerance),
                   i % 2 ? u"" : Typed(uniform(0, holeTolerance))},
                  RoundPinZone(i % 3), ToleranceGrade(i % 2));
        const auto outcome = design::DesignTwoPinLocation(input);
        ASSERT_EQ(outcome.index(), 0u) << i;
        const design::TwoPinDesign& design = std::get<0>(outcome);
        if (!design.relievedPin) {
            continue;
        }
        // The pin at d2max, off centre by a, has its land corners inside the hole of D2min, but
        // for what the handbook form drops: a² + (ab/D2)² - ab·EI/D2 < 0.0151 mm², with a <= 0.1,
        // b/D2 <= 2/3, EI >= -0.01; 6 µm·D2 at D2 >= 3.
        const double d2Min = Number(input.hole2Diameter) + Number(input.hole2LowerDeviation);
        const double a = design.compensation, b = Number(design.bText);
        const double r = design.relievedPin->pin.max / 2, big = d2Min / 2;
        EXPECT_GE(big * big - r * r, a * b + a * a - 0.006 * d2Min) << i;
        // d2max is D2min - X2min rounded down to the micrometre.
        const double unrounded = d2Min - design.relievedPin->x2MinHandbook;
        EXPECT_LE(design.relievedPin->pin.max, unrounded + 1e-9) << i;
        EXPECT_GT(design.relievedPin->pin.max, unrounded - 0.001) << i;
    }
}

} // namespace
