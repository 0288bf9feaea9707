#pragma once

#include <string>
#include <string_view>

namespace platform {

// Decodes text from the system's ANSI code page: the code page Windows reports, elsewhere code
// page 936 (GBK), that of the Simplified Chinese systems the program is made for. A byte that
// does not decode becomes a replacement character; nothing is dropped.
std::u16string decodeAnsi(std::string_view bytes);

} // namespace platform
