#include "platform/ansi_text.h"

#include <bit>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <system_error>
#include <type_traits>

namespace platform {

namespace {

constexpr char16_t replacementCharacter = u'\uFFFD';

struct IconvCloser {
    void operator()(iconv_t converter) const { iconv_close(converter); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

Converter openGbkToUtf16() {
    const char* utf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
    iconv_t converter = iconv_open(utf16, "CP936");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        throw std::system_error(errno, std::generic_category(), "iconv_open CP936");
    }
    return Converter(converter);
}

} // namespace

std::u16string decodeAnsi(std::string_view bytes) {
    const Converter converter = openGbkToUtf16();
    // Room for two UTF-16 units per byte, more than any byte can give, so the output never runs
    // short.
    std::u16string text(2 * bytes.size(), u'\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = reinterpret_cast<char*>(text.data());
    std::size_t outLeft = text.size() * sizeof(char16_t);
    const auto unitsWritten = [&] { return text.size() - outLeft / sizeof(char16_t); };
    while (iconv(converter.get(), &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
        // An invalid or cut-off sequence: replace its first byte and go on after it.
        text[unitsWritten()] = replacementCharacter;
        out += sizeof(char16_t);
        outLeft -= sizeof(char16_t);
        ++in;
        --inLeft;
    }
    text.erase(unitsWritten());
    return text;
}

} // namespace platform
