// The list pane's place inside the main window.
#include "chrome/pane_layout.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(PaneLayout, BelowTheCategoryBarInsideTheBorder) {
    LayoutSettings layout;  // border 4, title 18, category 22, gap 4, boundary 0
    PaneRect r = ListPaneRect(500, 300, layout, true);
    EXPECT_EQ(r.x, 4);
    EXPECT_EQ(r.y, 40);
    EXPECT_EQ(r.width, 492);
    EXPECT_EQ(r.height, 256);
    EXPECT_EQ(r.y + r.height, 300 - 4);

    layout.BoundaryHeight = 6;
    r = ListPaneRect(500, 300, layout, true);
    EXPECT_EQ(r.y, 46);
    EXPECT_EQ(r.height, 250);
}

TEST(PaneLayout, HiddenCategoryBarMovesThePaneUp) {
    LayoutSettings layout;
    PaneRect r = ListPaneRect(500, 300, layout, false);
    EXPECT_EQ(r.y, 22);
    EXPECT_EQ(r.height, 274);
    EXPECT_EQ(r.y + r.height, 296);
}

TEST(PaneLayout, NoNegativeSizes) {
    LayoutSettings layout;
    PaneRect r = ListPaneRect(6, 30, layout, true);
    EXPECT_EQ(r.width, 0);
    EXPECT_EQ(r.height, 0);
    // Values that would overflow a 32-bit sum.
    layout.CategoryHeight = 2147483647;
    r = ListPaneRect(500, 300, layout, true);
    EXPECT_EQ(r.y, 2147483647);
    EXPECT_EQ(r.height, 0);
    layout.CategoryHeight = 22;
    layout.WindowBorderWidth = -2147483647 - 1;
    r = ListPaneRect(500, 300, layout, true);
    EXPECT_EQ(r.width, 2147483647);
}

}  // namespace
}  // namespace tessel
