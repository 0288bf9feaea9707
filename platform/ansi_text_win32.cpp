#include "platform/ansi_text.h"

#include <windows.h>

namespace platform {

std::u16string decodeAnsi(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        // One character: a lead byte with the byte after it, or a single byte. Windows itself would
        // turn a sequence that does not decode into "?" and take the byte after a lead byte with
        // it.
        const auto lead = static_cast<BYTE>(bytes[at]);
        const int length = IsDBCSLeadByte(lead) && at + 1 < bytes.size() ? 2 : 1;
        wchar_t unit = L'\0';
        if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data() + at, length, &unit,
                                1) == 1) {
            text += static_cast<char16_t>(unit);
            at += length;
        } else {
            text += u'\uFFFD';
            ++at;
        }
    }
    return text;
}

} // namespace platform
