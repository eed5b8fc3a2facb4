// Colours of the gradient rows and of the shaded side edges.
#include "categorybar/bar_gradient.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

LayoutSettings Layout() {
    LayoutSettings layout;  // TitleBarHeight 18, CategoryHeight 22
    layout.TitleBack1 = MakeColour(0xFF, 0xE8, 0xAA);
    layout.TitleBack2 = MakeColour(0xFF, 0xFF, 0xFF);
    layout.TitleBorder = MakeColour(0xFF, 0x80, 0x40);
    layout.WindowBorderColour = MakeColour(0x71, 0x6F, 0x64);
    return layout;
}

TEST(BarGradient, BlendRunsPerChannelAndTruncatesTowardZero) {
    Colour black = MakeColour(0, 0, 0);
    Colour white = MakeColour(255, 255, 255);
    EXPECT_EQ(BlendColour(black, white, 0, 39), black);
    EXPECT_EQ(BlendColour(black, white, 39, 39), white);
    EXPECT_EQ(BlendColour(black, white, 1, 3), MakeColour(85, 85, 85));
    // Falling channels truncate toward zero as well: 200 + (-150 * 1) / 4 = 163.
    EXPECT_EQ(BlendColour(MakeColour(200, 10, 0), MakeColour(50, 10, 0), 1, 4),
              MakeColour(163, 10, 0));
    // A span of no rows does not divide.
    EXPECT_EQ(BlendColour(MakeColour(1, 2, 3), white, 5, 0), MakeColour(1, 2, 3));
    EXPECT_EQ(BlendColour(MakeColour(1, 2, 3), white, 5, -4), MakeColour(1, 2, 3));
}

TEST(BarGradient, RowColourOverTitleAndCategoryBar) {
    LayoutSettings layout = Layout();
    // u = 18 + 22 - 1 = 39; row y has index y - 1.
    EXPECT_EQ(GradientLastRow(layout, true), 39);
    EXPECT_EQ(GradientRowColour(layout, true, 1), layout.TitleBack1);
    EXPECT_EQ(GradientRowColour(layout, true, 40), layout.TitleBack2);
    // Row 20: green E8 + (FF - E8) * 19 / 39 = 232 + 11 = 243, blue AA + 85 * 19 / 39 = 211.
    EXPECT_EQ(GradientRowColour(layout, true, 20), MakeColour(0xFF, 243, 211));
    // Without the category bar the title bar alone spans the gradient.
    EXPECT_EQ(GradientLastRow(layout, false), 17);
    EXPECT_EQ(GradientRowColour(layout, false, 18), layout.TitleBack2);
}

TEST(BarGradient, NoRowsToSpanIsGuarded) {
    LayoutSettings layout = Layout();
    layout.TitleBarHeight = 1;
    EXPECT_EQ(GradientLastRow(layout, false), 0);
    EXPECT_EQ(GradientRowColour(layout, false, 1), layout.TitleBack1);
    layout.TitleBarHeight = -30;
    layout.CategoryHeight = 2147483647;
    // u = 2147483616: the arithmetic must not overflow on the way.
    EXPECT_EQ(GradientRowColour(layout, true, 2147483617), layout.TitleBack2);
    EXPECT_EQ(GradientRowColour(layout, true, 2), layout.TitleBack1);
}

TEST(BarGradient, RowsPaintedPerPart) {
    LayoutSettings layout = Layout();
    RowSpan title = GradientRows(layout, true, kBarTitle);
    EXPECT_EQ(title.first, 1);
    EXPECT_EQ(title.last, 18);
    RowSpan category = GradientRows(layout, true, kBarCategory);
    EXPECT_EQ(category.first, 18);
    EXPECT_EQ(category.last, 39);
    RowSpan both = GradientRows(layout, false, kBarBoth);
    EXPECT_EQ(both.first, 1);
    EXPECT_EQ(both.last, 17);
}

TEST(BarGradient, SideEdgeRunsFromTitleBorderToWindowBorder) {
    LayoutSettings layout = Layout();
    EXPECT_EQ(SideEdgeRows(layout), 40);
    EXPECT_EQ(SideEdgeColour(layout, 0), layout.TitleBorder);
    // j = 20 of 40: halfway, 0xFF + (0x71 - 0xFF) * 20 / 40 = 255 - 71 = 184.
    EXPECT_EQ(SideEdgeColour(layout, 20), MakeColour(184, 0x78, 0x52));
    layout.TitleBarHeight = 0;
    layout.CategoryHeight = 0;
    EXPECT_EQ(SideEdgeRows(layout), 0);
    EXPECT_EQ(SideEdgeColour(layout, 0), layout.TitleBorder);
}

}  // namespace
}  // namespace tessel
