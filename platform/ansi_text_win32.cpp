#include "platform/ansi_text.h"

#include <windows.h>

namespace platform {

std::u16string decodeAnsi(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    // Every byte gives at most one UTF-16 unit in the ANSI code pages.
    std::wstring text(bytes.size(), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                                           text.data(), static_cast<int>(text.size()));
    return {text.begin(), text.begin() + length};
}

} // namespace platform
