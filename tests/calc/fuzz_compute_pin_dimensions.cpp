// libFuzzer target: for any UTF-16 text (host byte order) nothing crashes, leaks or runs into
// undefined behaviour (the sanitizers of the fuzz build tell that), and a B the rule computes reads
// back, by the rule's own reader, as a number between 0 and D2. Which row holds D2, the boundary
// rows of pin_dimensions_test.cpp tell.
#include "calc/number_reading.h"
#include "calc/pin_dimensions.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);
    const calc::PinDimensionOutcome outcome = calc::ComputePinDimensions(text);
    if (outcome.kind() == calc::PinDimensionOutcome::Kind::Computed) {
        const std::optional<double> d2 = calc::ReadStrictNumber(text);
        const std::optional<double> B = calc::ReadStrictNumber(outcome.BText());
        if (!d2 || !B || !(*B > 0 && *B < *d2)) {
            std::abort();
        }
    }
    return 0;
}
