#include "sysinfo/get_key_value.h"

#include "platform/ansi_text.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace sysinfo {

using namespace platform;

namespace {

// Closes the key when the read is over, however it ends.
class OpenedKey {
public:
    OpenedKey(Registry& registry, KeyHandle key) : registry_(registry), key_(key) {}
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    ~OpenedKey() { registry_.closeKey(key_); }

    KeyHandle handle() const { return key_; }

private:
    Registry& registry_;
    KeyHandle key_;
};

std::u16string dwordText(std::span<const std::byte> bytes) {
    constexpr std::u16string_view hexDigits = u"0123456789ABCDEF";
    std::u16string text = u"&h";
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        const auto bits = std::to_integer<unsigned>(*byte);
        text += hexDigits[bits >> 4];
        text += hexDigits[bits & 0xF];
    }
    return text;
}

std::string_view asChars(std::span<const std::byte> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace

bool GetKeyValue(Registry& registry, RootKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::u16string& KeyVal) {
    KeyHandle handle{};
    // Read rights only: asking for more is refused to standard users on HKEY_LOCAL_MACHINE.
    if (registry.openKey(KeyRoot, KeyName, keyRead, handle) != regSuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenedKey key(registry, handle);

    ValueBuffer buffer{};
    std::uint32_t size = valueBufferSize;
    ValueType type{};
    if (registry.queryValue(key.handle(), SubKeyRef, type, buffer, size) != regSuccess) {
        KeyVal.clear();
        return false;
    }

    // The data as reported, less one terminating NUL.
    std::span<const std::byte> data(buffer.data(), std::min<std::size_t>(size, buffer.size()));
    if (!data.empty() && data.back() == std::byte{0}) {
        data = data.first(data.size() - 1);
    }
    if (type == regSz) {
        KeyVal = decodeAnsi(asChars(data));
    } else if (type == regDword) {
        KeyVal = dwordText(data);
    }
    return true;
}

} // namespace sysinfo
