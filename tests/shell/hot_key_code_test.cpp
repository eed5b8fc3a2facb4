// The hot key's modifiers and key from the 16-bit key code.
#include "shell/hot_key_code.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

constexpr std::uint32_t kAlt = 1, kControl = 2, kShift = 4, kWin = 8;

TEST(HotKeyCode, ModifiersMapToTheRegistrationFlags) {
    EXPECT_EQ(HotKeyModifiers(0x0354), kControl | kShift);  // Ctrl+Shift+T
    EXPECT_EQ(HotKeyVirtualKey(0x0354), 0x54u);
    EXPECT_EQ(HotKeyModifiers(0x0420), kAlt);
    EXPECT_EQ(HotKeyModifiers(0x0841), kWin);
    EXPECT_EQ(HotKeyModifiers(0x0F41), kAlt | kControl | kShift | kWin);
}

TEST(HotKeyCode, ExtendedBitRegistersTheBareKey) {
    EXPECT_EQ(HotKeyModifiers(0x102E), 0u);  // Delete
    EXPECT_EQ(HotKeyVirtualKey(0x102E), 0x2Eu);
    EXPECT_EQ(HotKeyModifiers(0x1425), kAlt);
    EXPECT_EQ(HotKeyVirtualKey(0x1425), 0x25u);
}

}  // namespace
}  // namespace tessel
