#include <string>

#include <gtest/gtest.h>

#include "store/cp932.h"
#include "store/item_state.h"
#include "store/list_store.h"

namespace tessel {
namespace {

TEST(Cp932PrefixTest, CutsAtTheLimitButNeverInsideACharacter) {
    EXPECT_EQ(Cp932Prefix("abcdef", 4), "abcd");
    EXPECT_EQ(Cp932Prefix("abc", 10), "abc");
    EXPECT_EQ(Cp932Prefix("abc", 0), "");
    EXPECT_EQ(Cp932Prefix("aあ", 2), "a");
    EXPECT_EQ(Cp932Prefix("aあ", 3), "aあ");
}

TEST(Cp932PrefixTest, TrailBytesInTheLeadRangeAreNotTakenForLeads) {
    // "ぁ" is 0x82 0x9F: its trail byte lies in the lead-byte range, so a
    // test of the last byte alone would cut the first character in half.
    static_assert(sizeof("ぁ") == 3 && static_cast<unsigned char>("ぁ"[1]) == 0x9F,
                  "narrow literals must be cp932");
    EXPECT_EQ(Cp932Prefix("ぁぁ", 2), "ぁ");
    EXPECT_EQ(Cp932Prefix("ぁぁ", 3), "ぁ");
    EXPECT_EQ(Cp932Prefix("aぁぁ", 4), "aぁ");
}

TEST(Cp932PrefixTest, KeepsALoneLeadByteAtTheEnd) {
    const std::string text = "ab\x82";
    EXPECT_EQ(Cp932Prefix(text, 3), text);
    EXPECT_EQ(Cp932Prefix(text, 2), "ab");
}

TEST(IsSeparatorTextTest, OnlyDashBytes) {
    EXPECT_TRUE(IsSeparatorText("-"));
    EXPECT_TRUE(IsSeparatorText("----"));
    EXPECT_FALSE(IsSeparatorText(""));
    EXPECT_FALSE(IsSeparatorText("--a"));
    EXPECT_FALSE(IsSeparatorText("a--"));
    EXPECT_FALSE(IsSeparatorText("ーー"));  // double-byte long dashes
    EXPECT_FALSE(IsSeparatorText("－－"));  // full-width hyphen-minus
    EXPECT_FALSE(IsSeparatorText("- -"));
}

TEST(StripLeadingTabsTest, RemovesOnlyLeadingTabs) {
    std::string text = "\t\tabc";
    StripLeadingTabs(text);
    EXPECT_EQ(text, "abc");

    text = "a\tb";
    StripLeadingTabs(text);
    EXPECT_EQ(text, "a\tb");

    text = "\ta\tb\t";
    StripLeadingTabs(text);
    EXPECT_EQ(text, "a\tb\t");

    text = "\t\t\t";
    StripLeadingTabs(text);
    EXPECT_EQ(text, "");
}

TEST(ItemStateTest, CheckBitOfEveryState) {
    struct Case {
        ItemState state;
        bool checked;
        ItemState checkedState, uncheckedState;
        ItemStyle style;
    };
    const Case cases[] = {
        {ItemState::Normal, false, ItemState::NormalChecked, ItemState::Normal, ItemStyle::Plain},
        {ItemState::NormalChecked, true, ItemState::NormalChecked, ItemState::Normal,
         ItemStyle::Plain},
        {ItemState::Strike, false, ItemState::StrikeChecked, ItemState::Strike, ItemStyle::Strike},
        {ItemState::StrikeChecked, true, ItemState::StrikeChecked, ItemState::Strike,
         ItemStyle::Strike},
        {ItemState::Bold, false, ItemState::BoldChecked, ItemState::Bold, ItemStyle::Bold},
        {ItemState::BoldChecked, true, ItemState::BoldChecked, ItemState::Bold, ItemStyle::Bold},
        {ItemState::Separator, false, ItemState::Separator, ItemState::Separator, ItemStyle::Plain},
    };
    for (const Case& c : cases) {
        const int value = static_cast<int>(c.state);
        EXPECT_EQ(IsChecked(c.state), c.checked) << value;
        EXPECT_EQ(WithChecked(c.state, true), c.checkedState) << value;
        EXPECT_EQ(WithChecked(c.state, false), c.uncheckedState) << value;
        EXPECT_EQ(StyleOf(c.state), c.style) << value;
    }
}

TEST(ItemStateTest, StyleChangeKeepsTheCheck) {
    EXPECT_EQ(WithStyle(ItemState::NormalChecked, ItemStyle::Strike), ItemState::StrikeChecked);
    EXPECT_EQ(WithStyle(ItemState::BoldChecked, ItemStyle::Plain), ItemState::NormalChecked);
    EXPECT_EQ(WithStyle(ItemState::Strike, ItemStyle::Bold), ItemState::Bold);
    EXPECT_EQ(WithStyle(ItemState::Bold, ItemStyle::Bold), ItemState::Bold);
    EXPECT_EQ(WithStyle(ItemState::Separator, ItemStyle::Bold), ItemState::Separator);
}

TEST(ItemStateTest, StrayValuesAreLeftAlone) {
    const auto stray = static_cast<ItemState>(9);
    EXPECT_FALSE(IsChecked(stray));
    EXPECT_EQ(WithChecked(stray, true), stray);
    EXPECT_EQ(WithStyle(stray, ItemStyle::Bold), stray);
    EXPECT_EQ(StyleOf(stray), ItemStyle::Plain);
}

}  // namespace
}  // namespace tessel
