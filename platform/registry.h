#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// The registry: open a key, read one of its values, close it. The codes are the Windows
// registry's own, so that its backend passes them through unchanged.

using RegStatus = std::int32_t; // 0 is success, anything else a Windows error code
inline constexpr RegStatus regSuccess = 0;
inline constexpr RegStatus regFileNotFound = 2;
inline constexpr RegStatus regAccessDenied = 5;
inline constexpr RegStatus regInvalidHandle = 6;
inline constexpr RegStatus regMoreData = 234;

using RootKey = std::uint32_t; // a predefined root key handle
inline constexpr RootKey hkeyLocalMachine = 0x80000002;

using AccessMask = std::uint32_t;
inline constexpr AccessMask keyRead = 0x20019;

using ValueType = std::uint32_t;
inline constexpr ValueType regSz = 1;
inline constexpr ValueType regExpandSz = 2;
inline constexpr ValueType regDword = 4;

using KeyHandle = std::uintptr_t;

inline constexpr std::size_t valueBufferSize = 1024;
using ValueBuffer = std::array<std::byte, valueBufferSize>;

class Registry {
public:
    virtual ~Registry() = default;

    // Opens `subKey` (parts separated by backslashes, in the ANSI code page) below `root`.
    virtual RegStatus openKey(RootKey root, const std::string& subKey, AccessMask access,
                              KeyHandle& key) = 0;

    // Reads the value `valueName` of an open key. `size` holds the buffer's usable size on entry
    // and the size of the value's data on success; data that do not fit give regMoreData.
    virtual RegStatus queryValue(KeyHandle key, const std::string& valueName, ValueType& type,
                                 ValueBuffer& data, std::uint32_t& size) = 0;

    virtual RegStatus closeKey(KeyHandle key) noexcept = 0;
};

// The registry of the system the program runs on: the Windows registry on Windows; elsewhere a
// registry without a single key, since no other system has one.
Registry& systemRegistry();

} // namespace platform
