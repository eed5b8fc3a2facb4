// The bars' fixed sizes at other DPIs: the strip's arrow area, step and
// margin, and glyphs that stay inside the buttons that answer clicks.
#include <gtest/gtest.h>

#include "categorybar/bar_glyphs.h"
#include "categorybar/category_strip.h"
#include "mainwindow/frame_zones.h"

namespace tessel {
namespace {

LayoutSettings LayoutAt(int dpi) {
    LayoutSettings layout;
    SetLayoutDefaults(layout);
    return ScaleLayout(layout, DpiScale(dpi));
}

// W 600 at 144 DPI: arrow area 42, margin 6, V = 552. Ten tabs of 100.
CategoryStrip Strip144(std::int32_t scroll) {
    CategoryStrip strip;
    strip.tabWidths.assign(10, 100);
    strip.totalTabWidth = 1000;
    strip.windowWidth = 600;
    strip.marginLeft = 6;
    strip.barTop = 27;
    strip.barHeight = 33;
    strip.scrollIndex = scroll;
    strip.scale = DpiScale(144);
    return strip;
}

TEST(BarsAtOtherDpis, TheStripTakesTheFixedSizesAtItsDpi) {
    EXPECT_EQ(VisibleStripWidth(Strip144(0)), 552);
    EXPECT_EQ(ScrollStripStep(Strip144(0), true), 48);
    EXPECT_EQ(ScrollStripStep(Strip144(100), false), 52);
    // x 557 is the last pixel before the arrow area: tab 5 (506 .. 606).
    EXPECT_EQ(HitTestTab(Strip144(0), 557, 40), 5);
    EXPECT_EQ(HitTestTab(Strip144(0), 558, 40), -1);
    EXPECT_EQ(DropScrollDirection(Strip144(0), 558), 1);
    // Tab 8 (800 .. 900) brought into view with 30 pixels to spare.
    EXPECT_EQ(EnsureTabVisible(Strip144(0), 8, true), 900 - 552 + 30);
    // The drop marker's two lines of 2 pixels keep off the window's edges.
    TabPlacement placement;
    placement.tabs = {{0, 0, 100}};
    placement.endX = 600;
    EXPECT_EQ(DropMarkerX(placement, 0, 600, 2), 2);
    EXPECT_EQ(DropMarkerX(placement, 1, 600, 2), 598);
}

TEST(BarsAtOtherDpis, TitleBarPiecesStandAtTheirScaledPlaces) {
    const LayoutSettings layout = LayoutAt(144);
    const DpiScale scale(144);
    const PixelPoint close = CloseGlyphOrigin(layout, 600, scale);
    EXPECT_EQ(close.x, 600 - 2 - 24);
    EXPECT_EQ(close.y, 2);
    // The icon is centred and clear of the 2-pixel top line.
    EXPECT_EQ(TitleIconOrigin(layout, scale).x, 3);
    EXPECT_EQ(TitleIconOrigin(layout, scale).y, 2);
    EXPECT_EQ(TitleTextOrigin(layout, scale).x, 33);
    EXPECT_EQ(TitleTextOrigin(layout, scale).y, (27 - 18) / 2 + 2);
    EXPECT_EQ(ArrowGlyphTop(layout, scale), 27 + (33 - 18) / 2);
}

// Every glyph pixel lies on the part of the bar that a click there works:
// the close cross in the close button, each arrow in its own button.
TEST(BarsAtOtherDpis, GlyphsLieInsideTheirButtonsAtEveryDpi) {
    constexpr int kW = 500;
    for (int dpi : {96, 120, 144, 192}) {
        const LayoutSettings layout = LayoutAt(dpi);
        const DpiScale scale(dpi);
        const PixelPoint close = CloseGlyphOrigin(layout, kW, scale);
        for (const PixelBox& b : GlyphBoxes(CloseGlyph({0, 0}), scale)) {
            for (int x : {close.x + b.left, close.x + b.left + b.width - 1}) {
                for (int y : {close.y + b.top, close.y + b.top + b.height - 1}) {
                    EXPECT_TRUE(OnCloseButton(layout, kW, x, y)) << x << "," << y << " " << dpi;
                }
            }
        }
        const int a = kW - scale(kArrowAreaWidth);
        for (bool filled : {true, false}) {
            for (const PixelBox& b : GlyphBoxes(LeftArrowGlyph(0, 0, filled), scale)) {
                EXPECT_EQ(ArrowButtonAt(kW, a + b.left, ArrowSplit::Click, scale),
                          CategoryArrow::Left);
                EXPECT_EQ(ArrowButtonAt(kW, a + b.left + b.width - 1, ArrowSplit::Click, scale),
                          CategoryArrow::Left);
            }
            for (const PixelBox& b : GlyphBoxes(RightArrowGlyph(0, 0, filled), scale)) {
                EXPECT_EQ(ArrowButtonAt(kW, a + b.left, ArrowSplit::Click, scale),
                          CategoryArrow::Right);
                EXPECT_LT(a + b.left + b.width - 1, kW);
            }
        }
        const int t = ArrowGlyphTop(layout, scale);
        for (const PixelBox& b : GlyphBoxes(LeftArrowGlyph(0, 0, true), scale)) {
            EXPECT_TRUE(InCategoryBar(layout, true, t + b.top));
            EXPECT_TRUE(InCategoryBar(layout, true, t + b.top + b.height - 1));
        }
    }
}

TEST(BarsAtOtherDpis, FrameZonesAndTheIconCellGrow) {
    const DpiScale scale(144);
    SizingEdge edge = SizingEdge::Left;
    constexpr int kW = 600, kH = 450;
    ASSERT_TRUE(BorderZoneAt(5, 200, kW, kH, edge, scale));
    EXPECT_EQ(edge, SizingEdge::Left);
    EXPECT_FALSE(BorderZoneAt(6, 200, kW, kH, edge, scale));
    ASSERT_TRUE(BorderZoneAt(11, 11, kW, kH, edge, scale));
    EXPECT_EQ(edge, SizingEdge::TopLeft);
    ASSERT_TRUE(BorderZoneAt(kW - 24, kH - 48, kW, kH, edge, scale));
    EXPECT_EQ(edge, SizingEdge::BottomRight);
    EXPECT_FALSE(BorderZoneAt(kW - 25, kH - 48, kW, kH, edge, scale));

    const LayoutSettings layout = LayoutAt(144);
    EXPECT_TRUE(OnSystemIcon(layout, 3, 2, scale));
    EXPECT_TRUE(OnSystemIcon(layout, 26, 25, scale));
    EXPECT_FALSE(OnSystemIcon(layout, 27, 10, scale));
    // The arrow area's single click splits 18 | 24, a double click in halves.
    EXPECT_EQ(ArrowButtonAt(kW, kW - 42 + 17, ArrowSplit::Click, scale), CategoryArrow::Left);
    EXPECT_EQ(ArrowButtonAt(kW, kW - 42 + 18, ArrowSplit::Click, scale), CategoryArrow::Right);
    EXPECT_EQ(ArrowButtonAt(kW, kW - 42 + 20, ArrowSplit::DoubleClick, scale), CategoryArrow::Left);
    EXPECT_EQ(ArrowButtonAt(kW, kW - 43, ArrowSplit::Click, scale), CategoryArrow::None);
}

}  // namespace
}  // namespace tessel
