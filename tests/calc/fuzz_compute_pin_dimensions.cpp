// libFuzzer target: no UTF-16 text (host byte order) crashes the rule, leaks or runs into undefined
// behaviour; the sanitizers of the fuzz build tell.
#include "calc/pin_dimensions.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);
    calc::ComputePinDimensions(text);
    return 0;
}
