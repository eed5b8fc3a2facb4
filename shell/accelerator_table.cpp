#include "shell/accelerator_table.h"

#include "shell/hot_key_code.h"

namespace tessel {

// clang-format off
const std::array<Shortcut, kShortcutCount> kShortcuts{{
    {41001, 0x0473},  // Alt+F4: exit
    {41002, 0x007A},  // F11: maximise or restore
    {41003, 0x007B},  // F12: hide
    {41004, 0x0454},  // Alt+T: stay on top
    {41005, 0x0443},  // Alt+C: category bar
    {41006, 0x044D},  // Alt+M: move down on check
    {41007, 0x0449},  // Alt+I: tray mode
    {41008, 0x0420},  // Alt+Space: frame menu
    {41009, 0x0153},  // Ctrl+S: save
    {41101, 0x034E},  // Ctrl+Shift+N: new category
    {41102, 0x0071},  // F2: rename category
    {41103, 0x112E},  // Ctrl+Delete: delete category
    {41104, 0x0131}, {41105, 0x0132}, {41106, 0x0133}, {41107, 0x0134}, {41108, 0x0135},
    {41109, 0x0136}, {41110, 0x0137}, {41111, 0x0138}, {41112, 0x0139},
    {41113, 0x0130},  // Ctrl+0: the tenth category
    {41114, 0x1025},  // Left: previous category
    {41115, 0x1027},  // Right: next category
    {41116, 0x1125},  // Ctrl+Left: move category left
    {41117, 0x1127},  // Ctrl+Right: move category right
    {41118, 0x1425},  // Alt+Left: scroll the bar left
    {41119, 0x1427},  // Alt+Right: scroll the bar right
    {41201, 0x014E},  // Ctrl+N: new item
    {41202, 0x000D},  // Enter: edit
    {41203, 0x0020},  // Space: check
    {41204, 0x0158},  // Ctrl+X: cut
    {41205, 0x0143},  // Ctrl+C: copy
    {41206, 0x0156},  // Ctrl+V: paste
    {41207, 0x102E},  // Delete: delete items
    {41208, 0x0144},  // Ctrl+D: cancelled
    {41209, 0x0142},  // Ctrl+B: emphasised
    {41210, 0x014C},  // Ctrl+L: separator
    {41211, 0x0009},  // Tab: indent
    {41212, 0x0209},  // Shift+Tab: outdent
    {41213, 0x0141},  // Ctrl+A: select all
    {41214, 0x0151},  // Ctrl+Q: select checked
    {41215, 0x0157},  // Ctrl+W: select unchecked
    {41216, 0x0152},  // Ctrl+R: select cancelled
    {41217, 0x0154},  // Ctrl+T: select emphasised
    {41218, 0x0351},  // Ctrl+Shift+Q: check all
    {41219, 0x0357},  // Ctrl+Shift+W: uncheck all
    {41220, 0x0345},  // Ctrl+Shift+E: invert checks
    {41221, 0x0352},  // Ctrl+Shift+R: no cancelled style
    {41222, 0x0354},  // Ctrl+Shift+T: no emphasis
    {41223, 0x1426},  // Alt+Up: items up
    {41224, 0x1428},  // Alt+Down: items down
    {41225, 0x0358},  // Ctrl+Shift+X: cut as plain text
    {41226, 0x0343},  // Ctrl+Shift+C: copy as plain text
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
