// The 54 keyboard shortcuts: which key code sends which command, in the
// order that decides which shortcut a menu entry names (the first one with
// that command; every command has one).
#pragma once

#include <array>
#include <cstdint>

namespace tessel {

struct Shortcut {
    std::int32_t command;  // the WM_COMMAND identifier
    std::int32_t keyCode;  // the 16-bit key code of shell/hot_key_code.h
};

inline constexpr int kShortcutCount = 54;
extern const std::array<Shortcut, kShortcutCount> kShortcuts;

// Undo and redo: in the shortcut table after the 54, so that the menus
// name the same keys. Inside an edit box Ctrl+Z stays the box's own.
inline constexpr int kUndoShortcutCount = 3;
extern const std::array<Shortcut, kUndoShortcutCount> kUndoShortcuts;

// The key code of a command's shortcut, or 0 when it has none.
std::int32_t ShortcutKeyCode(std::int32_t command);

// One entry of the platform's accelerator table: the flags FVIRTKEY 1,
// FSHIFT 4, FCONTROL 8 and FALT 16 of the platform, the virtual key and
// the command.
struct AcceleratorEntry {
    std::uint8_t flags;
    std::uint16_t key;
    std::uint16_t command;
};
AcceleratorEntry ToAcceleratorEntry(const Shortcut& shortcut);

}  // namespace tessel
