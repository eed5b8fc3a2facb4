// The 16-bit key code of the settings ("WindowHotKey") and of the shortcut
// table: low byte a virtual-key code, then Ctrl 0x0100, Shift 0x0200,
// Alt 0x0400, Win 0x0800 and the extended-key bit 0x1000 (names only).
#pragma once

#include <cstdint>

namespace tessel {

inline constexpr std::int32_t kKeyCtrl = 0x0100;
inline constexpr std::int32_t kKeyShift = 0x0200;
inline constexpr std::int32_t kKeyAlt = 0x0400;
inline constexpr std::int32_t kKeyWin = 0x0800;
inline constexpr std::int32_t kKeyExtended = 0x1000;

// The modifier flags of a global hot key registration (the platform's
// MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4, MOD_WIN 8); the extended bit has
// no modifier.
std::uint32_t HotKeyModifiers(std::int32_t keyCode);
// The virtual key: the low byte.
std::uint32_t HotKeyVirtualKey(std::int32_t keyCode);

}  // namespace tessel
