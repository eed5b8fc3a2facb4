// The name of a key code as the menus show it beside their entries: the
// modifiers "Win", "Ctrl", "Shift", "Alt" joined by "+", then the key's
// name. The platform names the key; where it has no name, the key itself
// stands there, as one character or as two hexadecimal digits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessel {

// The modifier part of a key code's name, with the "+" that joins it to
// the key when the code has one ("Ctrl+Shift+" for 0x034E, "Alt" for 0x0400).
std::string ModifierNames(std::int32_t keyCode);
// The key's stand-in when the platform has no name for it: "%02X" above
// 0x7F, else the character itself.
std::string FallbackKeyName(std::uint32_t virtualKey);
// The whole name, given what the platform called the key (empty: none).
std::string ComposeKeyName(std::int32_t keyCode, std::string_view platformName);

}  // namespace tessel
