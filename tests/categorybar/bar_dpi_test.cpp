// The bars at other DPIs: every glyph lies inside the button that answers a
// click there, and the fixed sizes of the strip and the frame grow.
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

TEST(BarsAtOtherDpis, GlyphsLieInsideTheirButtons) {
    constexpr int kW = 500;
    for (int dpi : {96, 120, 144, 192}) {
        const LayoutSettings layout = LayoutAt(dpi);
        const DpiScale scale(dpi);
        const PixelPoint close = CloseGlyphOrigin(layout, kW, scale);
        for (const PixelBox& b : GlyphBoxes(CloseGlyph({0, 0}), scale)) {
            EXPECT_TRUE(OnCloseButton(layout, kW, close.x + b.left, close.y + b.top)) << dpi;
            EXPECT_TRUE(OnCloseButton(layout, kW, close.x + b.left + b.width - 1,
                                      close.y + b.top + b.height - 1))
                << dpi;
        }
        const int a = kW - scale(kArrowAreaWidth);
        const int t = ArrowGlyphTop(layout, scale);
        for (bool filled : {true, false}) {
            for (auto [glyph, arrow] :
                 {std::pair{LeftArrowGlyph(0, 0, filled), CategoryArrow::Left},
                  {RightArrowGlyph(0, 0, filled), CategoryArrow::Right}}) {
                for (const PixelBox& b : GlyphBoxes(glyph, scale)) {
                    for (int x : {a + b.left, a + b.left + b.width - 1}) {
                        EXPECT_LT(x, kW);
                        EXPECT_EQ(ArrowButtonAt(kW, x, ArrowSplit::Click, scale), arrow) << dpi;
                    }
                    EXPECT_TRUE(InCategoryBar(layout, true, t + b.top));
                    EXPECT_TRUE(InCategoryBar(layout, true, t + b.top + b.height - 1));
                }
            }
        }
    }
}

TEST(BarsAtOtherDpis, StripAndFrameSizesGrow) {
    CategoryStrip strip;  // W 600 at 144 DPI: arrow area 42, margin 6
    strip.tabWidths.assign(10, 100);
    strip.totalTabWidth = 1000;
    strip.windowWidth = 600;
    strip.marginLeft = 6;
    strip.barTop = 27;
    strip.barHeight = 33;
    strip.scale = DpiScale(144);
    EXPECT_EQ(HitTestTab(strip, 557, 40), 5);
    EXPECT_EQ(HitTestTab(strip, 558, 40), -1);
    EXPECT_EQ(ScrollStripStep(strip, true), 48);
    EXPECT_EQ(EnsureTabVisible(strip, 8, true), 900 - 552 + 30);

    const DpiScale scale(144);
    SizingEdge edge = SizingEdge::Left;
    EXPECT_TRUE(BorderZoneAt(5, 200, 600, 450, edge, scale));
    EXPECT_FALSE(BorderZoneAt(6, 200, 600, 450, edge, scale));
    ASSERT_TRUE(BorderZoneAt(600 - 24, 450 - 48, 600, 450, edge, scale));
    EXPECT_EQ(edge, SizingEdge::BottomRight);
    EXPECT_TRUE(OnSystemIcon(LayoutAt(144), 26, 25, scale));
    EXPECT_FALSE(OnSystemIcon(LayoutAt(144), 27, 10, scale));
}

}  // namespace
}  // namespace tessel
