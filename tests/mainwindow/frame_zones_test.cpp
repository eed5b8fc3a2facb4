// The border zones, the close button, the icon cell and the arrow buttons of
// the borderless main window.
#include "mainwindow/frame_zones.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

constexpr int kW = 400;
constexpr int kH = 300;
constexpr int kNone = -1;

int Zone(int x, int y) {
    SizingEdge edge = SizingEdge::Left;
    return BorderZoneAt(x, y, kW, kH, edge) ? static_cast<int>(edge) : kNone;
}

TEST(FrameZones, EachZoneAtItsBorders) {
    struct Case {
        int x, y, edge;
    } cases[] = {
        // clang-format off
        // 8 x 8 corners at the top.
        {0, 0, 4}, {7, 7, 4}, {8, 3, 1}, {3, 8, 0}, {8, 8, kNone},
        {392, 0, 5}, {399, 7, 5}, {391, 3, 1}, {396, 8, 2}, {395, 8, kNone},
        // The bottom-right grip is 16 wide and 32 high.
        {384, 268, 6}, {399, 299, 6}, {383, 299, 3}, {384, 267, kNone}, {396, 267, 2},
        // 8 x 8 bottom-left.
        {0, 292, 7}, {7, 299, 7}, {8, 299, 3}, {3, 291, 0},
        // 4-pixel edges, and outside the window.
        {3, 150, 0}, {4, 150, kNone}, {200, 3, 1}, {200, 4, kNone},
        {396, 150, 2}, {395, 150, kNone}, {200, 296, 3}, {200, 295, kNone},
        {-1, 150, kNone}, {400, 150, kNone}, {200, 300, kNone},
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Zone(c.x, c.y), c.edge) << c.x << "," << c.y;
    }
}

TEST(FrameZones, CloseButtonIconAndBar) {
    LayoutSettings layout;  // close button 16 at margin 1, 1; title 18, bar 22
    EXPECT_TRUE(OnCloseButton(layout, kW, 383, 1));
    EXPECT_TRUE(OnCloseButton(layout, kW, 398, 16));
    EXPECT_FALSE(OnCloseButton(layout, kW, 382, 5));
    EXPECT_FALSE(OnCloseButton(layout, kW, 399, 5));
    EXPECT_FALSE(OnCloseButton(layout, kW, 390, 0));
    EXPECT_FALSE(OnCloseButton(layout, kW, 390, 17));

    EXPECT_TRUE(OnSystemIcon(layout, 2, 1));
    EXPECT_TRUE(OnSystemIcon(layout, 17, 16));
    EXPECT_FALSE(OnSystemIcon(layout, 18, 5));
    EXPECT_FALSE(OnSystemIcon(layout, 5, 17));
    layout.DispSystemIcon = 0;
    EXPECT_FALSE(OnSystemIcon(layout, 5, 5));

    EXPECT_FALSE(InCategoryBar(layout, true, 17));
    EXPECT_TRUE(InCategoryBar(layout, true, 18));
    EXPECT_TRUE(InCategoryBar(layout, true, 39));
    EXPECT_FALSE(InCategoryBar(layout, true, 40));
    EXPECT_FALSE(InCategoryBar(layout, false, 20));
}

TEST(FrameZones, ArrowButtonsSplitDifferentlyForDoubleClicks) {
    // The area runs from 372 to 399.
    constexpr CategoryArrow N = CategoryArrow::None, L = CategoryArrow::Left,
                            R = CategoryArrow::Right;
    struct Case {
        int x;
        CategoryArrow click, doubleClick;
    } cases[] = {{371, N, N}, {372, L, L}, {383, L, L}, {384, R, L},
                 {385, R, L}, {386, R, R}, {399, R, R}};
    for (const Case& c : cases) {
        EXPECT_EQ(ArrowButtonAt(kW, c.x, ArrowSplit::Click), c.click) << c.x;
        EXPECT_EQ(ArrowButtonAt(kW, c.x, ArrowSplit::DoubleClick), c.doubleClick) << c.x;
    }
}

}  // namespace
}  // namespace tessel
