// The context menu's entries: order, texts by orientation, greying.
#include <gtest/gtest.h>

#include <string>

#include "scrollbar/scroll_menu_model.h"

namespace tessel {
namespace {

ScrollBarState Bar(std::int32_t pos, std::int32_t pageSize = 4) {
    ScrollBarState state;
    state.maxPos = 19;
    state.pageSize = pageSize;
    state.pos = pos;
    return state;
}

// The ids of the greyed entries.
std::string Greyed(const ScrollBarState& state) {
    std::string ids;
    for (const ScrollMenuEntry& entry : ScrollMenuEntries(state)) {
        if (entry.greyed) {
            ids += std::to_string(entry.id);
        }
    }
    return ids;
}

TEST(ScrollMenuModelTest, OrderAndVerticalTexts) {
    const auto entries = ScrollMenuEntries(Bar(3));
    const int ids[] = {1, 0, 2, 3, 0, 4, 5, 0, 6, 7};
    const char* texts[] = {
        "ここにスクロール", nullptr,      "最上部", "最下部",         nullptr,
        "前のページ",       "次のページ", nullptr,  "上にスクロール", "下にスクロール"};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].id, ids[i]) << i;
        if (texts[i] == nullptr) {
            EXPECT_EQ(entries[i].text, nullptr) << i;
        } else {
            EXPECT_STREQ(entries[i].text, texts[i]) << i;
        }
    }
}

TEST(ScrollMenuModelTest, HorizontalTexts) {
    ScrollBarState state = Bar(3);
    state.horizontal = true;
    const auto entries = ScrollMenuEntries(state);
    EXPECT_STREQ(entries[0].text, "ここにスクロール");
    EXPECT_STREQ(entries[2].text, "左の端");
    EXPECT_STREQ(entries[3].text, "右の端");
    EXPECT_STREQ(entries[5].text, "左のページ");
    EXPECT_STREQ(entries[6].text, "右のページ");
    EXPECT_STREQ(entries[8].text, "左にスクロール");
    EXPECT_STREQ(entries[9].text, "右にスクロール");
}

TEST(ScrollMenuModelTest, GreyingFollowsThePosition) {
    EXPECT_EQ(Greyed(Bar(3)), "");
    EXPECT_EQ(Greyed(Bar(0)), "246");
    EXPECT_EQ(Greyed(Bar(15)), "357");
    EXPECT_EQ(Greyed(Bar(3, 0)), "1");
    // A page as large as the range: first and last at once.
    ScrollBarState state = Bar(0, 19);
    EXPECT_EQ(Greyed(state), "234567");
}

TEST(ScrollMenuModelTest, RequestsOfTheIds) {
    EXPECT_EQ(ScrollMenuRequest(kScrollMenuJump), kNoScrollCode);
    EXPECT_EQ(ScrollMenuRequest(kScrollMenuTop), kScrollTop);
    EXPECT_EQ(ScrollMenuRequest(kScrollMenuBottom), kScrollBottom);
    EXPECT_EQ(ScrollMenuRequest(kScrollMenuPageUp), kScrollPageUp);
    EXPECT_EQ(ScrollMenuRequest(kScrollMenuPageDown), kScrollPageDown);
    EXPECT_EQ(ScrollMenuRequest(kScrollMenuLineUp), kScrollLineUp);
    EXPECT_EQ(ScrollMenuRequest(kScrollMenuLineDown), kScrollLineDown);
    EXPECT_EQ(ScrollMenuRequest(0), kNoScrollCode);  // a cancelled menu
    EXPECT_EQ(ScrollMenuRequest(8), kNoScrollCode);
}

}  // namespace
}  // namespace tessel
