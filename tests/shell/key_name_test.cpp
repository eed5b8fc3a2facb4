// The key names the menus show, asked of the platform in UTF-16 and kept as
// cp932: under code page 932 the same bytes as the platform's ANSI names.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "shell/accelerators_win.h"
#include "shell/hot_key_code.h"
#include "shell/key_name_text.h"

namespace tessel {
namespace {

// The name as the ANSI call gives it, which under code page 932 is what
// the menus have always shown.
std::string AnsiKeyName(std::int32_t keyCode) {
    const UINT key = static_cast<UINT>(keyCode) & 0xFF;
    char name[64] = {};
    const UINT scanCode = key != 0 ? MapVirtualKeyA(key, MAPVK_VK_TO_VSC) : 0;
    if (scanCode != 0) {
        LONG param = static_cast<LONG>(scanCode << 16);
        if (keyCode & kKeyExtended) {
            param |= 1L << 24;
        }
        if (GetKeyNameTextA(param, name, sizeof name) <= 0) {
            name[0] = '\0';
        }
    }
    return ComposeKeyName(keyCode, name);
}

TEST(KeyName, SameBytesAsTheAnsiNamesUnderCodePage932) {
    ASSERT_EQ(GetACP(), 932u);
    struct Case {
        std::int32_t keyCode;
        const char* expected;  // null: the platform's name, whatever it is
    } cases[] = {
        {kKeyCtrl | kKeyShift | 'N', "Ctrl+Shift+N"},
        {kKeyAlt, "Alt"},
        {kKeyCtrl | 0xFF, "Ctrl+FF"},  // no scan code: the key as digits
        {kKeyCtrl | VK_F1, "Ctrl+F1"},
        {kKeyExtended | VK_DELETE, nullptr},
        {kKeyExtended | kKeyAlt | VK_PRIOR, nullptr},
        {VK_NUMPAD1, nullptr},
        {kKeyShift | VK_OEM_1, nullptr},
        {kKeyWin | VK_SPACE, nullptr},
        {kKeyCtrl | '1', "Ctrl+1"},
    };
    for (const Case& c : cases) {
        std::string name;
        EXPECT_EQ(FormatKeyName(c.keyCode, name), 1);
        EXPECT_EQ(name, AnsiKeyName(c.keyCode)) << std::hex << c.keyCode;
        EXPECT_FALSE(name.empty()) << std::hex << c.keyCode;
        if (c.expected != nullptr) {
            EXPECT_EQ(name, c.expected) << std::hex << c.keyCode;
        }
    }
}

}  // namespace
}  // namespace tessel
