// libFuzzer target: for any UTF-16 text (host byte order) the rule keeps its invariants, and
// nothing crashes, leaks or runs into undefined behaviour (the sanitizers of the fuzz build tell
// that).
#include "calc/number_reading.h"
#include "calc/number_text.h"
#include "calc/pin_dimensions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);
    const calc::PinDimensionOutcome outcome = calc::ComputePinDimensions(text);
    const std::optional<double> v = calc::ReadStrictNumber(text);
    // The row that holds v; each row is open below, the first one holds 3 itself.
    const calc::PinDimensionRow* row = nullptr;
    double lower = std::nextafter(calc::kSmallestDiameter, 0.0);
    for (const calc::PinDimensionRow& candidate : calc::kPinDimensionTable) {
        row = v && *v > lower && *v <= candidate.upperBound ? &candidate : row;
        lower = candidate.upperBound;
    }
    // With a row, b is the row's and B is v less the row's k, written as the rule writes a number;
    // without one, a rejection that carries no value.
    if (row ? outcome.bText() != std::u16string(1, u'0' + row->b) ||
                  outcome.BText() != calc::FormatNumberText(*v - row->k)
            : outcome.kind() == calc::PinDimensionOutcome::Kind::Computed ||
                  !outcome.bText().empty() || !outcome.BText().empty()) {
        std::abort();
    }
    return 0;
}
