#pragma once

#include "ui/about/registry.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace sysinfo::test {

// Passes every call on to another registry and notes how it was called; can be told to throw
// instead of opening or reading, as a failing system might.
class RecordingRegistry final : public Registry {
public:
    explicit RecordingRegistry(Registry& registry) : registry_(registry) {}

    bool throwOnOpen = false;
    bool throwOnQuery = false;

    std::vector<AccessMask> requestedAccess;
    std::vector<KeyHandle> openedKeys;
    std::vector<KeyHandle> closedKeys;
    std::vector<std::uint32_t> sizesOnEntry;
    bool everyBufferClearOnEntry = true;

    RegStatus openKey(RootKey root, const std::string& subKey, AccessMask access,
                      KeyHandle& key) override {
        requestedAccess.push_back(access);
        if (throwOnOpen) {
            throw std::runtime_error("registry unavailable");
        }
        const RegStatus status = registry_.openKey(root, subKey, access, key);
        if (status == regSuccess) {
            openedKeys.push_back(key);
        }
        return status;
    }

    RegStatus queryValue(KeyHandle key, const std::string& valueName, ValueType& type,
                         ValueBuffer& data, std::uint32_t& size) override {
        sizesOnEntry.push_back(size);
        everyBufferClearOnEntry =
            everyBufferClearOnEntry &&
            std::ranges::all_of(data, [](std::byte b) { return b == std::byte{0}; });
        if (throwOnQuery) {
            throw std::runtime_error("registry unavailable");
        }
        return registry_.queryValue(key, valueName, type, data, size);
    }

    RegStatus closeKey(KeyHandle key) noexcept override {
        closedKeys.push_back(key);
        return registry_.closeKey(key);
    }

private:
    Registry& registry_;
};

} // namespace sysinfo::test
