#include "shell/key_name_text.h"

#include "shell/hot_key_code.h"

namespace tessel {

std::string ModifierNames(std::int32_t keyCode) {
    static constexpr struct {
        std::int32_t bit;
        const char* name;
    } kModifiers[] = {{kKeyWin, "Win"}, {kKeyCtrl, "Ctrl"}, {kKeyShift, "Shift"}, {kKeyAlt, "Alt"}};
    const bool hasKey = (keyCode & 0xFF) != 0;
    std::string text;
    for (const auto& modifier : kModifiers) {
        if (!(keyCode & modifier.bit)) {
            continue;
        }
        if (!text.empty()) {
            text += '+';
        }
        text += modifier.name;
    }
    if (!text.empty() && hasKey) {
        text += '+';
    }
    return text;
}

std::string FallbackKeyName(std::uint32_t virtualKey) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    if (virtualKey > 0x7F) {
        return std::string{kHex[(virtualKey >> 4) & 0xF], kHex[virtualKey & 0xF]};
    }
    return std::string(1, static_cast<char>(virtualKey));
}

std::string ComposeKeyName(std::int32_t keyCode, std::string_view platformName) {
    std::string text = ModifierNames(keyCode);
    const std::uint32_t key = static_cast<std::uint32_t>(keyCode) & 0xFF;
    if (key == 0) {
        return text;
    }
    text += platformName.empty() ? FallbackKeyName(key) : std::string(platformName);
    return text;
}

}  // namespace tessel
