#pragma once

#include "platform/registry.h"

#include <algorithm>
#include <map>
#include <string>

namespace support {

using namespace platform;

// A registry held in memory. Its keys lie below HKEY_LOCAL_MACHINE and grant reading only, as they
// do to a standard user. A value is its type and raw bytes (text in the ANSI code page, as the
// Windows registry hands it to ANSI callers). Reading through a handle that is not open throws.
struct MemoryRegistry final : Registry {
    // Key path, value name: type and data.
    std::map<std::string, std::map<std::string, std::pair<ValueType, std::string>>> keys;
    std::map<KeyHandle, std::string> open; // the keys open now, by handle

    RegStatus openKey(RootKey root, const std::string& subKey, AccessMask access,
                      KeyHandle& key) override {
        if (root != hkeyLocalMachine || !keys.contains(subKey) || (access & ~keyRead) != 0) {
            return keys.contains(subKey) ? regAccessDenied : regFileNotFound;
        }
        key = open.empty() ? 1 : open.rbegin()->first + 1;
        open[key] = subKey;
        return regSuccess;
    }

    RegStatus queryValue(KeyHandle key, const std::string& name, ValueType& type, ValueBuffer& data,
                         std::uint32_t& size) override {
        const auto& values = keys.at(open.at(key));
        if (!values.contains(name)) {
            return regFileNotFound;
        }
        const auto& [valueType, bytes] = values.at(name);
        if (bytes.size() > std::min<std::size_t>(size, data.size())) {
            return regMoreData;
        }
        type = valueType;
        size = static_cast<std::uint32_t>(bytes.size());
        std::transform(bytes.begin(), bytes.end(), data.begin(),
                       [](char byte) { return static_cast<std::byte>(byte); });
        return regSuccess;
    }

    RegStatus closeKey(KeyHandle key) noexcept override {
        return open.erase(key) == 1 ? regSuccess : regInvalidHandle;
    }
};

} // namespace support
