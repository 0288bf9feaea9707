#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

namespace sysinfo::test {

// A value of HKEY_LOCAL_MACHINE that a test changes: put back as it was, key included, when the
// test ends.
class SavedRegistryValue {
public:
    SavedRegistryValue(std::wstring keyPath, std::wstring name)
        : keyPath_(std::move(keyPath)), name_(std::move(name)) {
        HKEY key = nullptr;
        keyExisted_ =
            RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath_.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
        if (!keyExisted_) {
            return;
        }
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(key, name_.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            std::vector<BYTE> data(size);
            RegQueryValueExW(key, name_.c_str(), nullptr, &type, data.data(), &size);
            original_ = Original{type, std::move(data)};
        }
        RegCloseKey(key);
    }

    SavedRegistryValue(const SavedRegistryValue&) = delete;
    SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

    ~SavedRegistryValue() {
        if (original_) {
            write(original_->type, original_->data.data(), original_->data.size());
        } else {
            remove();
        }
        if (!keyExisted_) {
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, keyPath_.c_str());
        }
    }

    bool setText(const std::wstring& text) {
        return write(REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }

    void remove() { RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, keyPath_.c_str(), name_.c_str()); }

private:
    struct Original {
        DWORD type;
        std::vector<BYTE> data;
    };

    bool write(DWORD type, const void* data, std::size_t size) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath_.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                            nullptr, &key, nullptr) != ERROR_SUCCESS) {
            return false;
        }
        const LSTATUS status = RegSetValueExW(
            key, name_.c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
        RegCloseKey(key);
        return status == ERROR_SUCCESS;
    }

    std::wstring keyPath_;
    std::wstring name_;
    bool keyExisted_ = false;
    std::optional<Original> original_;
};

} // namespace sysinfo::test
