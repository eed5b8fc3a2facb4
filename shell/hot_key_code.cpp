#include "shell/hot_key_code.h"

namespace tessel {
namespace {

constexpr std::uint32_t kModAlt = 0x0001;
constexpr std::uint32_t kModControl = 0x0002;
constexpr std::uint32_t kModShift = 0x0004;
constexpr std::uint32_t kModWin = 0x0008;

}  // namespace

std::uint32_t HotKeyModifiers(std::int32_t keyCode) {
    std::uint32_t modifiers = 0;
    if (keyCode & kKeyCtrl) {
        modifiers |= kModControl;
    }
    if (keyCode & kKeyShift) {
        modifiers |= kModShift;
    }
    if (keyCode & kKeyAlt) {
        modifiers |= kModAlt;
    }
    if (keyCode & kKeyWin) {
        modifiers |= kModWin;
    }
    return modifiers;
}

std::uint32_t HotKeyVirtualKey(std::int32_t keyCode) {
    return static_cast<std::uint32_t>(keyCode) & 0xFF;
}

}  // namespace tessel
