// The 54 shortcuts as the user reads them, in their order, and the flags of
// the platform's accelerator entries.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "commands/command_table.h"
#include "shell/accelerator_table.h"
#include "shell/key_name_text.h"

namespace tessel {
namespace {

// Names of the virtual keys the table uses, as a keyboard labels them.
std::string KeyLabel(int virtualKey) {
    switch (virtualKey) {
        case 0x09:
            return "Tab";
        case 0x0D:
            return "Enter";
        case 0x20:
            return "Space";
        case 0x25:
            return "Left";
        case 0x26:
            return "Up";
        case 0x27:
            return "Right";
        case 0x28:
            return "Down";
        case 0x2E:
            return "Delete";
        case 0x71:
            return "F2";
        case 0x73:
            return "F4";
        case 0x7A:
            return "F11";
        case 0x7B:
            return "F12";
        default:
            return std::string(1, static_cast<char>(virtualKey));
    }
}

TEST(ShortcutTable, KeysAndCommandsInTheirOrder) {
    const char* expected[kShortcutCount] = {
        "Alt+F4 41001",       "F11 41002",          "F12 41003",          "Alt+T 41004",
        "Alt+C 41005",        "Alt+M 41006",        "Alt+I 41007",        "Alt+Space 41008",
        "Ctrl+S 41009",       "Ctrl+Shift+N 41101", "F2 41102",           "Ctrl+Delete 41103",
        "Ctrl+1 41104",       "Ctrl+2 41105",       "Ctrl+3 41106",       "Ctrl+4 41107",
        "Ctrl+5 41108",       "Ctrl+6 41109",       "Ctrl+7 41110",       "Ctrl+8 41111",
        "Ctrl+9 41112",       "Ctrl+0 41113",       "Left 41114",         "Right 41115",
        "Ctrl+Left 41116",    "Ctrl+Right 41117",   "Alt+Left 41118",     "Alt+Right 41119",
        "Ctrl+N 41201",       "Enter 41202",        "Space 41203",        "Ctrl+X 41204",
        "Ctrl+C 41205",       "Ctrl+V 41206",       "Delete 41207",       "Ctrl+D 41208",
        "Ctrl+B 41209",       "Ctrl+L 41210",       "Tab 41211",          "Shift+Tab 41212",
        "Ctrl+A 41213",       "Ctrl+Q 41214",       "Ctrl+W 41215",       "Ctrl+R 41216",
        "Ctrl+T 41217",       "Ctrl+Shift+Q 41218", "Ctrl+Shift+W 41219", "Ctrl+Shift+E 41220",
        "Ctrl+Shift+R 41221", "Ctrl+Shift+T 41222", "Alt+Up 41223",       "Alt+Down 41224",
        "Ctrl+Shift+X 41225", "Ctrl+Shift+C 41226",
    };
    for (int i = 0; i < kShortcutCount; ++i) {
        const Shortcut& s = kShortcuts[static_cast<std::size_t>(i)];
        EXPECT_EQ(
            ComposeKeyName(s.keyCode, KeyLabel(s.keyCode & 0xFF)) + " " + std::to_string(s.command),
            expected[i])
            << "shortcut " << i + 1;
    }
}

TEST(ShortcutTable, EveryCommandOnceAndKnownToTheDispatcher) {
    std::set<int> commands;
    for (const Shortcut& s : kShortcuts) {
        EXPECT_TRUE(commands.insert(s.command).second) << s.command;
        EXPECT_NE(FindCommand(static_cast<std::uint32_t>(s.command)), nullptr) << s.command;
        EXPECT_EQ(ShortcutKeyCode(s.command), s.keyCode);
    }
    EXPECT_EQ(ShortcutKeyCode(32780), 0);
}

TEST(ShortcutTable, AcceleratorFlags) {
    constexpr int kVirt = 1, kShift = 4, kControl = 8, kAlt = 16;
    struct Case {
        std::int32_t keyCode;
        int flags;
        int key;
    } cases[] = {
        {0x0473, kVirt | kAlt, 0x73},              // Alt+F4
        {0x034E, kVirt | kControl | kShift, 'N'},  // Ctrl+Shift+N
        {0x112E, kVirt | kControl, 0x2E},          // Ctrl+Delete: the extended bit is no flag
        {0x0209, kVirt | kShift, 0x09},            // Shift+Tab
        {0x000D, kVirt, 0x0D},                     // Enter
        {0x0941, kVirt | kControl, 'A'},           // the Win bit is no flag either
    };
    for (const Case& c : cases) {
        const AcceleratorEntry entry = ToAcceleratorEntry(Shortcut{41000, c.keyCode});
        EXPECT_EQ(entry.flags, c.flags) << std::hex << c.keyCode;
        EXPECT_EQ(entry.key, c.key) << std::hex << c.keyCode;
        EXPECT_EQ(entry.command, 41000);
    }
}

TEST(KeyName, ModifiersAndFallbacks) {
    struct Case {
        std::int32_t keyCode;
        const char* platformName;
        const char* expected;
    } cases[] = {
        {0x0F41, "A", "Win+Ctrl+Shift+Alt+A"},
        {0x0400, "", "Alt"},  // a modifier alone ends with its name
        {0x0300, "", "Ctrl+Shift"},
        {0x0141, "", "Ctrl+A"},    // no platform name: the character
        {0x02E5, "", "Shift+E5"},  // above 0x7F: two hexadecimal digits
        {0x0080, "", "80"},
        {0x007F, "", "\x7F"},
        {0x1025, "Left", "Left"},  // the extended bit names nothing
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComposeKeyName(c.keyCode, c.platformName), c.expected) << std::hex << c.keyCode;
    }
}

}  // namespace
}  // namespace tessel
