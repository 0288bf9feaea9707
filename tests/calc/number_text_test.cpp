// B's text from std::to_chars (general, 15 digits) against today's hand-written FormatNumberText,
// for every kind of B = v - k the rule can produce.
#include "calc/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

struct Row {
    double lower, upper, k;
};
constexpr Row kRows[] = {{3, 6, 0.5}, {6, 8, 1},   {8, 20, 2}, {20, 25, 3},
                         {25, 32, 4}, {32, 40, 5}, {40, 50, 5}};

std::u16string ToChars(double value) {
    std::array<char, 64> text{};
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 15)
            .ptr;
    return std::u16string(text.data(), end);
}

// Every v the comparison uses for one row: its bounds and their neighbours, random doubles, random
// bit patterns, and 15- to 17-digit decimals (many of them ties at the 16th digit).
std::vector<double> Diameters(const Row& row, std::mt19937_64& generator, int count) {
    std::vector<double> v;
    for (const double bound : {row.lower, row.upper}) {
        double below = bound, above = bound;
        for (int i = 0; i < 1000; ++i) {
            v.push_back(below = std::nextafter(below, 0.0));
            v.push_back(above = std::nextafter(above, 100.0));
        }
        v.push_back(bound);
    }
    std::uniform_real_distribution<double> uniform(row.lower, row.upper);
    std::uint64_t lowBits, highBits;
    std::memcpy(&lowBits, &row.lower, 8);
    std::memcpy(&highBits, &row.upper, 8);
    std::uniform_int_distribution<std::uint64_t> bits(lowBits, highBits);
    for (int i = 0; i < count; ++i) {
        v.push_back(uniform(generator));
        const std::uint64_t pattern = bits(generator);
        double d;
        std::memcpy(&d, &pattern, 8);
        v.push_back(d);
        for (const int digits : {15, 17}) {
            char text[40];
            std::snprintf(text, sizeof text, "%.*e", digits - 1, uniform(generator));
            v.push_back(std::strtod(text, nullptr));
        }
        // 16 digits ending in 5: halfway between two 15-digit texts.
        char text[40];
        const int length = std::snprintf(text, sizeof text, "%.14e", uniform(generator));
        const std::string tie = std::string(text, 16) + '5' + std::string(text + 16, text + length);
        v.push_back(std::strtod(tie.c_str(), nullptr));
    }
    return v;
}

TEST(NumberText, ToCharsGeneral15MatchesFormatNumberText) {
    std::mt19937_64 generator(20'261'207);
    long compared = 0, differing = 0;
    for (const Row& row : kRows) {
        for (const double v : Diameters(row, generator, 2'000'000)) {
            if (v < 3 || v > 50) {
                continue;
            }
            const double B = v - row.k;
            ++compared;
            if (ToChars(B) != calc::FormatNumberText(B) && ++differing <= 20) {
                ADD_FAILURE() << std::hexfloat << B;
            }
        }
    }
    std::printf("compared %ld values of B, %ld differ\n", compared, differing);
    EXPECT_EQ(differing, 0);
}

} // namespace
