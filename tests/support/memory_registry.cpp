#include "tests/support/memory_registry.h"

#include <algorithm>

namespace support {

using namespace platform;

void MemoryRegistry::addKey(RootKey root, const std::string& subKey, AccessMask grantedRights) {
    keys_[{root, subKey}].grantedRights = grantedRights;
}

void MemoryRegistry::setValue(RootKey root, const std::string& subKey, const std::string& valueName,
                              ValueType type, std::vector<std::byte> data) {
    auto [entry, added] = keys_.try_emplace({root, subKey}, Key{keyRead, {}});
    entry->second.values[valueName] = Value{type, std::move(data)};
}

RegStatus MemoryRegistry::openKey(RootKey root, const std::string& subKey, AccessMask access,
                                  KeyHandle& key) {
    const auto entry = keys_.find({root, subKey});
    if (entry == keys_.end()) {
        return regFileNotFound;
    }
    if ((access & ~entry->second.grantedRights) != 0) {
        return regAccessDenied;
    }
    key = ++lastHandle_;
    openKeys_.emplace(key, &entry->second);
    return regSuccess;
}

RegStatus MemoryRegistry::queryValue(KeyHandle key, const std::string& valueName, ValueType& type,
                                     ValueBuffer& data, std::uint32_t& size) {
    const auto open = openKeys_.find(key);
    if (open == openKeys_.end()) {
        return regInvalidHandle;
    }
    const auto value = open->second->values.find(valueName);
    if (value == open->second->values.end()) {
        return regFileNotFound;
    }
    const auto& bytes = value->second.data;
    const bool fits = bytes.size() <= std::min<std::size_t>(size, data.size());
    size = static_cast<std::uint32_t>(bytes.size());
    if (!fits) {
        return regMoreData;
    }
    type = value->second.type;
    std::ranges::copy(bytes, data.begin());
    return regSuccess;
}

RegStatus MemoryRegistry::closeKey(KeyHandle key) noexcept {
    return openKeys_.erase(key) == 1 ? regSuccess : regInvalidHandle;
}

} // namespace support
