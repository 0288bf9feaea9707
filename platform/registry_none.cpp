// Systems other than Windows have no registry: every key is missing.
#include "platform/registry.h"

namespace platform {

namespace {

class NoRegistry final : public Registry {
public:
    RegStatus openKey(RootKey, const std::string&, AccessMask, KeyHandle&) override {
        return regFileNotFound;
    }

    // No key is ever open, so no handle is valid.
    RegStatus queryValue(KeyHandle, const std::string&, ValueType&, ValueBuffer&,
                         std::uint32_t&) override {
        return regInvalidHandle;
    }

    RegStatus closeKey(KeyHandle) noexcept override { return regInvalidHandle; }
};

} // namespace

Registry& systemRegistry() {
    static NoRegistry registry;
    return registry;
}

} // namespace platform
