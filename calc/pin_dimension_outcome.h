#pragma once

#include <string>
#include <string_view>

namespace calc {

// What the relieved-pin dimension rule makes of a text: one of three rejections, each with its
// fixed message for the user, or the two results b and B as the read-out boxes show them.
class PinDimensionOutcome {
public:
    enum class Kind { EmptyInput, NotNumeric, OutOfRange, Computed };

    static PinDimensionOutcome EmptyInput() { return PinDimensionOutcome(Kind::EmptyInput); }
    static PinDimensionOutcome NotNumeric() { return PinDimensionOutcome(Kind::NotNumeric); }
    static PinDimensionOutcome OutOfRange() { return PinDimensionOutcome(Kind::OutOfRange); }
    static PinDimensionOutcome Computed(std::u16string bText, std::u16string BText);

    Kind kind() const { return kind_; }

    // The message of a rejection; empty for Computed.
    std::u16string_view message() const;

    // The texts of b and B; empty unless Computed.
    const std::u16string& bText() const { return bText_; }
    const std::u16string& BText() const { return BText_; }

    bool operator==(const PinDimensionOutcome&) const = default;

private:
    explicit PinDimensionOutcome(Kind kind) : kind_(kind) {}

    Kind kind_;
    std::u16string bText_;
    std::u16string BText_;
};

} // namespace calc
