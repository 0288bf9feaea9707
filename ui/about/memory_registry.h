#pragma once

#include "ui/about/registry.h"

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace sysinfo {

// A registry held in memory: keys with the rights a caller is granted on them, and values as
// type plus raw bytes (text in the ANSI code page, as the Windows registry hands it to ANSI
// callers). Key paths and value names match without regard to ASCII case, as in Windows.
class MemoryRegistry final : public Registry {
public:
    // Adds the key if it is new, and sets the rights an open may ask for.
    void addKey(RootKey root, const std::string& subKey, AccessMask grantedRights = keyRead);
    // Adds the key too if it is new, with the default rights.
    void setValue(RootKey root, const std::string& subKey, const std::string& valueName,
                  ValueType type, std::vector<std::byte> data);

    std::size_t openKeyCount() const { return openKeys_.size(); }

    RegStatus openKey(RootKey root, const std::string& subKey, AccessMask access,
                      KeyHandle& key) override;
    RegStatus queryValue(KeyHandle key, const std::string& valueName, ValueType& type,
                         ValueBuffer& data, std::uint32_t& size) override;
    RegStatus closeKey(KeyHandle key) noexcept override;

private:
    struct Value {
        ValueType type;
        std::vector<std::byte> data;
    };
    struct Key {
        AccessMask grantedRights;
        std::map<std::string, Value> values; // by folded name
    };
    struct OpenKey {
        const Key* key;
        AccessMask access;
    };
    using KeyId = std::pair<RootKey, std::string>; // root and folded path

    static KeyId keyId(RootKey root, const std::string& subKey);

    std::map<KeyId, Key> keys_;
    std::map<KeyHandle, OpenKey> openKeys_;
    KeyHandle lastHandle_ = 0;
};

} // namespace sysinfo
