#pragma once

#include <cstdint>
#include <string_view>

// The application's identity, fixed when the program is built. Everything that shows the title,
// the description or the version reads it from here.
namespace app::identity {

inline constexpr std::u16string_view title = u"Tovrel";
inline constexpr std::u16string_view description = u"Quarnest";
inline constexpr std::u16string_view organization = u"Kestrow";
inline constexpr std::u16string_view desktopFileName = u"com.kestrow.Quarnest";

inline constexpr std::uint16_t versionMajor = 1;
inline constexpr std::uint16_t versionMinor = 0;
inline constexpr std::uint16_t versionRevision = 0;

} // namespace app::identity
