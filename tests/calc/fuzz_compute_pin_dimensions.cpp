// libFuzzer target: for any UTF-16 text (host byte order) the rule keeps its invariants, and
// nothing crashes, leaks or runs into undefined behaviour (the sanitizers of the fuzz build tell
// that).
#include "calc/number_reading.h"
#include "calc/pin_dimensions.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using enum calc::PinDimensionOutcome::Kind;

static void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);
    const calc::PinDimensionOutcome outcome = calc::ComputePinDimensions(text);
    const std::optional<double> v = text.empty() ? std::nullopt : calc::ReadStrictNumber(text);
    // The one row that holds v: the first closed at both ends, the others open below.
    const calc::PinDimensionRow* row = nullptr;
    double lower = calc::kSmallestDiameter;
    for (const calc::PinDimensionRow& candidate : calc::kPinDimensionTable) {
        const bool closedBelow = &candidate == &calc::kPinDimensionTable.front();
        if (v && (*v > lower || (closedBelow && *v == lower)) && *v <= candidate.upperBound) {
            require(!row);
            row = &candidate;
        }
        lower = candidate.upperBound;
    }
    if (!row) {
        // A rejection, of the kind the text deserves, carries no value.
        require(outcome.kind() == (text.empty() ? EmptyInput : v ? OutOfRange : NotNumeric));
        require(outcome.bText().empty() && outcome.BText().empty());
        return 0;
    }
    // b is the row's; B is v less the row's k, to 15 significant digits and no trailing zero.
    require(outcome.kind() == Computed && outcome.bText() == std::u16string(1, u'0' + row->b));
    const std::string B(outcome.BText().begin(), outcome.BText().end());
    double value = 0.0;
    const auto read =
        std::from_chars(B.data(), B.data() + B.size(), value, std::chars_format::fixed);
    require(read.ptr == B.data() + B.size() && std::abs(value - (*v - row->k)) <= 1e-14 * *v);
    require(B.find('.') == std::string::npos || (B.back() != '0' && B.back() != '.'));
    return 0;
}
