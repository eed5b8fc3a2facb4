#include "shell/accelerator_table.h"

#include "shell/command_ids.h"
#include "shell/hot_key_code.h"

namespace tessel {

// clang-format off
const std::array<Shortcut, kShortcutCount> kShortcuts{{
    {kCmdExit, 0x0473},                 // Alt+F4
    {kCmdToggleMaximised, 0x007A},      // F11
    {kCmdHide, 0x007B},                 // F12
    {kCmdToggleTopmost, 0x0454},        // Alt+T
    {kCmdToggleCategoryBar, 0x0443},    // Alt+C
    {kCmdToggleCheckMoveDown, 0x044D},  // Alt+M
    {kCmdToggleTrayMode, 0x0449},       // Alt+I
    {kCmdFrameMenu, 0x0420},            // Alt+Space
    {kCmdSaveList, 0x0153},             // Ctrl+S
    {kCmdNewCategory, 0x034E},          // Ctrl+Shift+N
    {kCmdRenameCategory, 0x0071},       // F2
    {kCmdDeleteCategory, 0x112E},       // Ctrl+Delete
    {kCmdSelectCategory1, 0x0131},      // Ctrl+1
    {kCmdSelectCategory2, 0x0132},      // Ctrl+2
    {kCmdSelectCategory3, 0x0133},      // Ctrl+3
    {kCmdSelectCategory4, 0x0134},      // Ctrl+4
    {kCmdSelectCategory5, 0x0135},      // Ctrl+5
    {kCmdSelectCategory6, 0x0136},      // Ctrl+6
    {kCmdSelectCategory7, 0x0137},      // Ctrl+7
    {kCmdSelectCategory8, 0x0138},      // Ctrl+8
    {kCmdSelectCategory9, 0x0139},      // Ctrl+9
    {kCmdSelectCategory10, 0x0130},     // Ctrl+0
    {kCmdPreviousCategory, 0x1025},     // Left
    {kCmdNextCategory, 0x1027},         // Right
    {kCmdMoveCategoryLeft, 0x1125},     // Ctrl+Left
    {kCmdMoveCategoryRight, 0x1127},    // Ctrl+Right
    {kCmdScrollBarLeft, 0x1425},        // Alt+Left
    {kCmdScrollBarRight, 0x1427},       // Alt+Right
    {kCmdNewItem, 0x014E},              // Ctrl+N
    {kCmdEditItem, 0x000D},             // Enter
    {kCmdToggleCheck, 0x0020},          // Space
    {kCmdCut, 0x0158},                  // Ctrl+X
    {kCmdCopy, 0x0143},                 // Ctrl+C
    {kCmdPaste, 0x0156},                // Ctrl+V
    {kCmdDeleteItems, 0x102E},          // Delete
    {kCmdToggleStrike, 0x0144},         // Ctrl+D
    {kCmdToggleBold, 0x0142},           // Ctrl+B
    {kCmdNewSeparator, 0x014C},         // Ctrl+L
    {kCmdIndent, 0x0009},               // Tab
    {kCmdOutdent, 0x0209},              // Shift+Tab
    {kCmdSelectAll, 0x0141},            // Ctrl+A
    {kCmdSelectChecked, 0x0151},        // Ctrl+Q
    {kCmdSelectUnchecked, 0x0157},      // Ctrl+W
    {kCmdSelectStrike, 0x0152},         // Ctrl+R
    {kCmdSelectBold, 0x0154},           // Ctrl+T
    {kCmdCheckAll, 0x0351},             // Ctrl+Shift+Q
    {kCmdUncheckAll, 0x0357},           // Ctrl+Shift+W
    {kCmdInvertChecks, 0x0345},         // Ctrl+Shift+E
    {kCmdClearStrike, 0x0352},          // Ctrl+Shift+R
    {kCmdClearBold, 0x0354},            // Ctrl+Shift+T
    {kCmdMoveItemsUp, 0x1426},          // Alt+Up
    {kCmdMoveItemsDown, 0x1428},        // Alt+Down
    {kCmdCutText, 0x0358},              // Ctrl+Shift+X
    {kCmdCopyText, 0x0343},             // Ctrl+Shift+C
}};

const std::array<Shortcut, kUndoShortcutCount> kUndoShortcuts{{
    {kCmdUndo, 0x015A},                 // Ctrl+Z
    {kCmdRedo, 0x0159},                 // Ctrl+Y
    {kCmdRedo, 0x035A},                 // Ctrl+Shift+Z
}};
// clang-format on

std::int32_t ShortcutKeyCode(std::int32_t command) {
    for (const Shortcut& shortcut : kShortcuts) {
        if (shortcut.command == command) {
            return shortcut.keyCode;
        }
    }
    return 0;
}

AcceleratorEntry ToAcceleratorEntry(const Shortcut& shortcut) {
    constexpr std::uint8_t kVirtKey = 0x01, kShift = 0x04, kControl = 0x08, kAlt = 0x10;
    std::uint8_t flags = kVirtKey;
    if (shortcut.keyCode & kKeyCtrl) {
        flags |= kControl;
    }
    if (shortcut.keyCode & kKeyShift) {
        flags |= kShift;
    }
    if (shortcut.keyCode & kKeyAlt) {
        flags |= kAlt;
    }
    return AcceleratorEntry{flags, static_cast<std::uint16_t>(shortcut.keyCode & 0xFF),
                            static_cast<std::uint16_t>(shortcut.command)};
}

}  // namespace tessel
