#include "ui/about/memory_registry.h"

#include <algorithm>

namespace sysinfo {

namespace {

std::string foldCase(std::string text) {
    std::ranges::transform(text, text.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

} // namespace

MemoryRegistry::KeyId MemoryRegistry::keyId(RootKey root, const std::string& subKey) {
    return {root, foldCase(subKey)};
}

void MemoryRegistry::addKey(RootKey root, const std::string& subKey, AccessMask grantedRights) {
    keys_[keyId(root, subKey)].grantedRights = grantedRights;
}

void MemoryRegistry::setValue(RootKey root, const std::string& subKey, const std::string& valueName,
                              ValueType type, std::vector<std::byte> data) {
    auto [entry, added] = keys_.try_emplace(keyId(root, subKey), Key{keyRead, {}});
    entry->second.values[foldCase(valueName)] = Value{type, std::move(data)};
}

RegStatus MemoryRegistry::openKey(RootKey root, const std::string& subKey, AccessMask access,
                                  KeyHandle& key) {
    const auto entry = keys_.find(keyId(root, subKey));
    if (entry == keys_.end()) {
        return regFileNotFound;
    }
    if ((access & ~entry->second.grantedRights) != 0) {
        return regAccessDenied;
    }
    key = ++lastHandle_;
    openKeys_.emplace(key, OpenKey{&entry->second, access});
    return regSuccess;
}

RegStatus MemoryRegistry::queryValue(KeyHandle key, const std::string& valueName, ValueType& type,
                                     ValueBuffer& data, std::uint32_t& size) {
    const auto open = openKeys_.find(key);
    if (open == openKeys_.end()) {
        return regInvalidHandle;
    }
    if ((open->second.access & keyQueryValue) == 0) {
        return regAccessDenied;
    }
    const auto& values = open->second.key->values;
    const auto value = values.find(foldCase(valueName));
    if (value == values.end()) {
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

} // namespace sysinfo
