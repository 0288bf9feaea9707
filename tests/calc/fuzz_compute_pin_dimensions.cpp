// libFuzzer target: any UTF-16 text gives exactly one well-formed outcome, with no crash, leak or
// undefined behaviour on the way.
#include "calc/number_reading.h"
#include "calc/pin_dimensions.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0'); // little-endian code units
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    }
    using Kind = calc::PinDimensionOutcome::Kind;
    const calc::PinDimensionOutcome outcome = calc::ComputePinDimensions(text);
    const std::optional<double> BWidth = calc::ReadStrictNumber(outcome.BText());
    const bool wellFormed =
        (outcome.kind() == Kind::EmptyInput) == text.empty() &&
        (outcome.kind() == Kind::Computed
             ? outcome.bText().size() == 1 && outcome.bText()[0] >= u'2' &&
                   outcome.bText()[0] <= u'8' && BWidth && *BWidth >= 2.5 && *BWidth <= 45.0
             : outcome.bText().empty() && outcome.BText().empty());
    if (!wellFormed) {
        std::abort();
    }
    return 0;
}
