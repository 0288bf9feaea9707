#pragma once

#include "platform/registry.h"

#include <string>

namespace sysinfo {

// Reads the value `SubKeyRef` of the key `KeyName` below `KeyRoot` into `KeyVal` as text:
// REG_SZ decoded from the ANSI code page without its terminator, REG_DWORD as "&h" and its bytes
// in hexadecimal, most significant first. A value of any other type leaves `KeyVal` as it was.
// Returns false, with `KeyVal` empty, when the key cannot be opened for reading or the value
// cannot be read (missing, or longer than 1024 bytes); never throws for what it reads.
bool GetKeyValue(platform::Registry& registry, platform::RootKey KeyRoot,
                 const std::string& KeyName, const std::string& SubKeyRef, std::u16string& KeyVal);

} // namespace sysinfo
