#include "calc/strict_number.h"
#include "test_texts.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace {

using calc::ReadStrictNumber;
using calc_test::Describe;

struct ValueCase {
    std::u16string text;
    double value;
};

void PrintTo(const ValueCase& number, std::ostream* out) {
    *out << Describe(number.text);
}

class StrictNumberValue : public testing::TestWithParam<ValueCase> {};

TEST_P(StrictNumberValue, IsTheNearestDouble) {
    const std::optional<double> value = ReadStrictNumber(GetParam().text);
    ASSERT_TRUE(value.has_value());
    // Bit for bit, so that the sign of zero counts too.
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*value), std::bit_cast<std::uint64_t>(GetParam().value))
        << *value << " instead of " << GetParam().value;
}

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kSmallest = std::numeric_limits<double>::denorm_min();

INSTANTIATE_TEST_SUITE_P(
    Decimals, StrictNumberValue,
    testing::Values(ValueCase{u"0.1", 0.1}, ValueCase{u"-0", -0.0}, ValueCase{u"+0", 0.0},
                    ValueCase{u"0.30000000000000004", 0.1 + 0.2},
                    // Halfway between two doubles: the even one wins.
                    ValueCase{u"9007199254740993", 9007199254740992.0},
                    ValueCase{u"9007199254740995", 9007199254740996.0},
                    ValueCase{u"1,000,000.5", 1000000.5},
                    ValueCase{u"1.7976931348623157e308", kLargest},
                    ValueCase{u"-1.7976931348623157E+308", -kLargest},
                    ValueCase{u"4.9406564584124654e-324", kSmallest},
                    ValueCase{u"3e-324", kSmallest}, ValueCase{u"1e-400", 0.0},
                    ValueCase{u"-1e-400", -0.0}, ValueCase{u"2e-324", 0.0},
                    ValueCase{u"0.000000000000000000000000000000000000000001e40", 0.01},
                    ValueCase{u"\u3000－１２３．２５\u3000", -123.25}));

INSTANTIATE_TEST_SUITE_P(
    WholeNumbers, StrictNumberValue,
    testing::Values(ValueCase{u"&HFF", 255.0}, ValueCase{u"&hfF", 255.0},
                    ValueCase{u"&O777", 511.0}, ValueCase{u"&H1FFFFFFFFFFFFF", 9007199254740991.0},
                    // 2^53 + 1 has no double: it rounds to the even neighbour, like a decimal.
                    ValueCase{u"&H20000000000001", 9007199254740992.0},
                    ValueCase{u"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0}));

TEST(StrictNumber, NumbersBeyondTheLargestDoubleHaveNoValue) {
    for (const char16_t* text : {u"1.7976931348623159e308", u"-1.8e308", u"1e309", u"1e400"}) {
        EXPECT_EQ(ReadStrictNumber(text), std::nullopt) << Describe(text);
    }
    EXPECT_EQ(ReadStrictNumber(std::u16string(400, u'9')), std::nullopt);
    EXPECT_EQ(ReadStrictNumber(u"0." + std::u16string(400, u'9') + u"e310"), std::nullopt);
}

TEST(StrictNumber, NumbersNearerToZeroThanTheSmallestDoubleReadAsZero) {
    EXPECT_EQ(ReadStrictNumber(u"0." + std::u16string(400, u'0') + u"1"), 0.0);
    EXPECT_EQ(ReadStrictNumber(std::u16string(400, u'9') + u"e-800"), 0.0);
    EXPECT_EQ(ReadStrictNumber(u"1e-" + std::u16string(40, u'9')), 0.0);
}

TEST(StrictNumber, LeadingZerosOfAnyLengthChangeNothing) {
    for (std::size_t zeros = 0; zeros <= 300; ++zeros) {
        const std::u16string text = std::u16string(zeros, u'0') + u"7.25";
        EXPECT_EQ(ReadStrictNumber(text), 7.25) << Describe(text);
    }
}

TEST(StrictNumber, AllDigitsOfALongTextCount) {
    EXPECT_EQ(ReadStrictNumber(u"0." + std::u16string(10'000, u'3')), 1.0 / 3.0);
    // The last of these digits tips the value over the half-way point to the next double.
    const std::u16string halfway = u"9007199254740993" + std::u16string(10'000, u'0');
    EXPECT_EQ(ReadStrictNumber(halfway + u"e-10000"), 9007199254740992.0);
    EXPECT_EQ(ReadStrictNumber(halfway + u"1e-10001"), 9007199254740994.0);
}

// Any finite double written with 17 significant digits reads back as exactly that double.
TEST(StrictNumber, ReadsBackEveryDoubleWrittenWith17Digits) {
    std::mt19937_64 generator(7'150'001);
    for (int i = 0; i < 100'000; ++i) {
        const double value = std::bit_cast<double>(generator());
        if (!std::isfinite(value)) {
            continue;
        }
        const std::u16string text = calc_test::WriteWith17Digits(value);
        const std::optional<double> read = ReadStrictNumber(text);
        ASSERT_TRUE(read.has_value()) << Describe(text);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*read), std::bit_cast<std::uint64_t>(value))
            << Describe(text);
    }
}

} // namespace
