#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace calc {

// One row of the relieved-pin dimension table: the hole diameters D2 above the previous row's
// upper bound (from kSmallestDiameter on, for the first row) up to and including upperBound take
// the land width b and the corner width B = D2 - k (all in millimetres).
struct PinDimensionRow {
    double upperBound;
    unsigned b;
    double k;
};

inline constexpr double kSmallestDiameter = 3.0;

// Rows 6 and 7 both take k = 5.
inline constexpr std::array<PinDimensionRow, 7> kPinDimensionTable{{
    {6.0, 2, 0.5},
    {8.0, 3, 1.0},
    {20.0, 4, 2.0},
    {25.0, 5, 3.0},
    {32.0, 6, 4.0},
    {40.0, 7, 5.0},
    {50.0, 8, 5.0},
}};

// b and B of the relieved pin for one hole diameter, in millimetres.
struct PinDimensions {
    unsigned b;
    double B;
};

// The numeric step of the rule: b and B = d2 - k from the first table row that holds d2, or none
// for d2 below 3 or above 50 (NaN included). Exact comparisons, no tolerance: a bound shared by
// two rows belongs to the lower one.
std::optional<PinDimensions> FindPinDimensions(double d2);

// What the relieved-pin dimension rule makes of a text: what was wrong with it, or the texts of b
// and B for the read-out boxes. The window puts a rejection into words.
class PinDimensionOutcome {
public:
    enum class Kind { EmptyInput, NotNumeric, OutOfRange, Computed };

    // A rejection: EmptyInput, NotNumeric or OutOfRange.
    PinDimensionOutcome(Kind rejection) : kind_(rejection) {}
    PinDimensionOutcome(std::u16string bText, std::u16string BText)
        : kind_(Kind::Computed), bText_(std::move(bText)), BText_(std::move(BText)) {}

    Kind kind() const { return kind_; }

    // Empty unless Computed.
    const std::u16string& bText() const { return bText_; }
    const std::u16string& BText() const { return BText_; }

private:
    Kind kind_;
    std::u16string bText_;
    std::u16string BText_;
};

// The relieved-pin dimension rule: from the text typed for the hole diameter D2 (exactly as the
// user left it) to b and B of the relieved locating pin that fits the hole. An empty text is
// EmptyInput; a text that is not one number (see ReadStrictNumber) is NotNumeric; a number v that
// FindPinDimensions has no row for is OutOfRange. Otherwise b and B are that step's, as text. Pure:
// the same text always gives the same outcome, whatever the host's settings.
PinDimensionOutcome ComputePinDimensions(std::u16string_view text);

} // namespace calc
