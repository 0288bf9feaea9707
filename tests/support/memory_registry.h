#pragma once

#include "platform/registry.h"

#include <cstring>
#include <map>
#include <string>
#include <utility>

namespace support {

// A registry held in memory: keys with the rights an open may ask for, and values as type plus
// raw bytes (text in the ANSI code page, as the Windows registry hands it to ANSI callers).
class MemoryRegistry final : public platform::Registry {
public:
    // Adds the key if it is new, and sets the rights an open may ask for.
    void addKey(platform::RootKey root, const std::string& subKey,
                platform::AccessMask grantedRights = platform::keyRead) {
        keys_[{root, subKey}].grantedRights = grantedRights;
    }

    // Adds the key too if it is new, with read rights.
    void setValue(platform::RootKey root, const std::string& subKey, const std::string& valueName,
                  platform::ValueType type, std::string data) {
        keys_[{root, subKey}].values[valueName] = {type, std::move(data)};
    }

    std::size_t openKeyCount() const { return openKeys_.size(); }

    platform::RegStatus openKey(platform::RootKey root, const std::string& subKey,
                                platform::AccessMask access, platform::KeyHandle& key) override {
        const auto entry = keys_.find({root, subKey});
        if (entry == keys_.end()) {
            return platform::regFileNotFound;
        }
        if ((access & ~entry->second.grantedRights) != 0) {
            return platform::regAccessDenied;
        }
        key = ++lastHandle_;
        openKeys_.emplace(key, &entry->second);
        return platform::regSuccess;
    }

    platform::RegStatus queryValue(platform::KeyHandle key, const std::string& valueName,
                                   platform::ValueType& type, platform::ValueBuffer& data,
                                   std::uint32_t& size) override {
        const auto open = openKeys_.find(key);
        if (open == openKeys_.end()) {
            return platform::regInvalidHandle;
        }
        const auto value = open->second->values.find(valueName);
        if (value == open->second->values.end()) {
            return platform::regFileNotFound;
        }
        const std::string& bytes = value->second.second;
        const bool fits = bytes.size() <= std::min<std::size_t>(size, data.size());
        size = static_cast<std::uint32_t>(bytes.size());
        if (!fits) {
            return platform::regMoreData;
        }
        type = value->second.first;
        std::memcpy(data.data(), bytes.data(), bytes.size());
        return platform::regSuccess;
    }

    platform::RegStatus closeKey(platform::KeyHandle key) noexcept override {
        return openKeys_.erase(key) == 1 ? platform::regSuccess : platform::regInvalidHandle;
    }

private:
    struct Key {
        platform::AccessMask grantedRights = platform::keyRead;
        std::map<std::string, std::pair<platform::ValueType, std::string>> values; // type, data
    };

    std::map<std::pair<platform::RootKey, std::string>, Key> keys_;
    std::map<platform::KeyHandle, const Key*> openKeys_;
    platform::KeyHandle lastHandle_ = 0;
};

} // namespace support
