// The item editor's box, look and the text an ended edit stores.
#include <gtest/gtest.h>

#include <string>

#include "listpane/item_edit_layout.h"

namespace tessel {
namespace {

TEST(ItemEditText, NeverCutsAnUntouchedTextNorHalfACharacter) {
    const std::string full255(255, 'a');
    const std::string kanji127 = [] {  // 254 bytes of two-byte characters, then one more
        std::string s;
        for (int i = 0; i < 127; ++i) {
            s += "\x82\xA0";
        }
        return s + "b";
    }();
    struct Case {
        std::string typed;
        std::string original;
        std::size_t expectedSize;
    } cases[] = {
        {full255, full255, 255},                        // opened and closed unchanged
        {full255 + "x", full255, 255},                  // typed onto a full item: its own length
        {std::string(300, 'x'), "short", 253},          // typed: the editor's limit
        {std::string(252, 'x') + "\x82\xA0", "", 252},  // a character across the limit goes whole
        {kanji127, kanji127, 255},
        {"cd" + kanji127.substr(0, 254), kanji127, 254},  // 255 would split the last character
        {"", "old", 0},                                   // an emptied item stays empty
    };
    for (const Case& c : cases) {
        const std::string stored = EditedItemText(c.typed, c.original);
        EXPECT_EQ(stored.size(), c.expectedSize) << c.typed.size() << " typed";
        EXPECT_EQ(stored, c.typed.substr(0, c.expectedSize));
    }
    EXPECT_EQ(EditLimitFor("abc"), 253u);
    EXPECT_EQ(EditLimitFor(full255), 255u);
}

TEST(ItemEditLook, ColourAndFontByState) {
    LayoutSettings layout;
    layout.ListNormalText = 1;
    layout.ListCheckText = 2;
    layout.ListStrikeText = 3;
    layout.ListBoldText = 4;
    layout.listFont.style = kFontItalic | kFontStrikeOut;
    struct Case {
        ItemState state;
        bool editable;
        Colour text;
        int style;
    } cases[] = {
        {ItemState::Normal, true, 1, kFontItalic | kFontStrikeOut},
        {ItemState::NormalChecked, true, 2, kFontItalic | kFontStrikeOut},
        {ItemState::Strike, true, 3, kFontItalic},  // no line through what is typed
        {ItemState::StrikeChecked, true, 3, kFontItalic},
        {ItemState::Bold, true, 4, kFontItalic | kFontStrikeOut | kFontBold},
        {ItemState::BoldChecked, true, 4, kFontItalic | kFontStrikeOut | kFontBold},
        {ItemState::Separator, false, 0, 0},
    };
    for (const Case& c : cases) {
        const EditAppearance look = EditAppearanceFor(c.state, layout);
        EXPECT_EQ(look.editable, c.editable) << static_cast<int>(c.state);
        EXPECT_EQ(look.text, c.text) << static_cast<int>(c.state);
        EXPECT_EQ(look.fontStyle, c.style) << static_cast<int>(c.state);
    }
}

TEST(ItemEditLook, BoxOverTheRowText) {
    ListMetrics m;  // LH 22, IW 24, B 13, ML 8, MR 8, FS 12
    const EditBox box = ItemEditBox(7, 2, 5, 300, 16, m);
    EXPECT_EQ(box.x, 2 * 24 + 8 + 13 + 8);
    EXPECT_EQ(box.y, 2 * 22 + (22 - 14) / 2 + 1);
    EXPECT_EQ(box.width, 300 - 16 - box.x);
    EXPECT_EQ(box.height, 14);
}

}  // namespace
}  // namespace tessel
