// The Windows registry through the ANSI functions of advapi32, so that key paths and value names
// go to it, and text comes back, in the system's ANSI code page.
#include "platform/registry.h"

#include <windows.h>

namespace platform {

namespace {

// Predefined root keys are 32-bit codes that Windows sign-extends into a handle.
HKEY rootHandle(RootKey root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

HKEY keyHandle(KeyHandle key) {
    return reinterpret_cast<HKEY>(key);
}

class Win32Registry final : public Registry {
public:
    RegStatus openKey(RootKey root, const std::string& subKey, AccessMask access,
                      KeyHandle& key) override {
        HKEY opened = nullptr;
        const LSTATUS status = RegOpenKeyExA(rootHandle(root), subKey.c_str(), 0, access, &opened);
        if (status == ERROR_SUCCESS) {
            key = reinterpret_cast<KeyHandle>(opened);
        }
        return status;
    }

    RegStatus queryValue(KeyHandle key, const std::string& valueName, ValueType& type,
                         ValueBuffer& data, std::uint32_t& size) override {
        DWORD valueType = 0;
        DWORD dataSize = size;
        const LSTATUS status =
            RegQueryValueExA(keyHandle(key), valueName.c_str(), nullptr, &valueType,
                             reinterpret_cast<BYTE*>(data.data()), &dataSize);
        type = valueType;
        size = dataSize;
        return status;
    }

    RegStatus closeKey(KeyHandle key) noexcept override { return RegCloseKey(keyHandle(key)); }
};

} // namespace

Registry& systemRegistry() {
    static Win32Registry registry;
    return registry;
}

} // namespace platform
