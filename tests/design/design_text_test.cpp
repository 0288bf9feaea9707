// The texts of lengths, deviations and angles as the window and the clipboard show them.
#include "design/design_text.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(DesignText, LengthsAndDeviationsToTheMicrometreWithoutANegativeZero) {
    EXPECT_EQ(design::FormatMillimetres(11.958), u"11.958");
    EXPECT_EQ(design::FormatMillimetres(-0.0004), u"0.000");
    EXPECT_EQ(design::FormatMillimetres(-0.0061), u"-0.006");
    EXPECT_EQ(design::FormatDeviation(0.018), u"+0.018");
    EXPECT_EQ(design::FormatDeviation(-0.0001), u"0");
    EXPECT_EQ(design::FormatDiameter(18.006, 0.0, 17.985 - 18.006), u"φ18.006 0/-0.021");
}

TEST(DesignText, AnglesCarryARoundingTo60SecondsIntoTheMinutes) {
    const struct {
        double seconds;
        std::u16string text;
    } rows[] = {
        {0.0, u"0°00′00.0″"},      {59.94, u"0°00′59.9″"},   {59.96, u"0°01′00.0″"},
        {136.6504, u"0°02′16.7″"}, {3599.96, u"1°00′00.0″"}, {3661.04, u"1°01′01.0″"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(design::FormatAngle(row.seconds / 3600.0), row.text) << row.seconds;
    }
}

} // namespace
