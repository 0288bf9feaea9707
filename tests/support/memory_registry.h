#pragma once

#include "platform/registry.h"

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace support {

// A registry held in memory: keys with the rights an open may ask for, and values as type plus raw
// bytes (text in the ANSI code page, as the Windows registry hands it to ANSI callers).
class MemoryRegistry final : public platform::Registry {
public:
    // Adds the key if it is new, and sets the rights an open may ask for.
    void addKey(platform::RootKey root, const std::string& subKey,
                platform::AccessMask grantedRights = platform::keyRead);
    // Adds the key too if it is new, with read rights.
    void setValue(platform::RootKey root, const std::string& subKey, const std::string& valueName,
                  platform::ValueType type, std::vector<std::byte> data);

    std::size_t openKeyCount() const { return openKeys_.size(); }

    platform::RegStatus openKey(platform::RootKey root, const std::string& subKey,
                                platform::AccessMask access, platform::KeyHandle& key) override;
    platform::RegStatus queryValue(platform::KeyHandle key, const std::string& valueName,
                                   platform::ValueType& type, platform::ValueBuffer& data,
                                   std::uint32_t& size) override;
    platform::RegStatus closeKey(platform::KeyHandle key) noexcept override;

private:
    struct Value {
        platform::ValueType type;
        std::vector<std::byte> data;
    };
    struct Key {
        platform::AccessMask grantedRights;
        std::map<std::string, Value> values;
    };

    std::map<std::pair<platform::RootKey, std::string>, Key> keys_;
    std::map<platform::KeyHandle, const Key*> openKeys_;
    platform::KeyHandle lastHandle_ = 0;
};

} // namespace support
