// The tab strip: placement, scrolling, hit tests and drop positions.
#include "categorybar/category_strip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace tessel {
namespace {

// W 300, margin 4: V = 300 - 28 - 4 = 268. Bar rows 18 .. 39.
CategoryStrip Strip(std::vector<std::int32_t> widths, std::int32_t scroll = 0) {
    CategoryStrip strip;
    strip.tabWidths = std::move(widths);
    std::int64_t total =
        std::accumulate(strip.tabWidths.begin(), strip.tabWidths.end(), std::int64_t{0});
    strip.totalTabWidth = static_cast<std::int32_t>(std::min<std::int64_t>(total, 2147483647));
    strip.windowWidth = 300;
    strip.marginLeft = 4;
    strip.barTop = 18;
    strip.barHeight = 22;
    strip.scrollIndex = scroll;
    return strip;
}

// Six tabs of 100: total 600, maximum scroll 600 - 268 = 332.
CategoryStrip Wide(std::int32_t scroll = 0) {
    return Strip({100, 100, 100, 100, 100, 100}, scroll);
}

TEST(CategoryStrip, TabWidthAddsTheSpaceOnBothSides) {
    EXPECT_EQ(TabWidth(40, 5), 50);
    EXPECT_EQ(VisibleStripWidth(Wide()), 268);
}

TEST(CategoryStrip, ClampKeepsTheScrollInRange) {
    EXPECT_EQ(ClampStripScroll(Wide(100)), 100);
    EXPECT_EQ(ClampStripScroll(Wide(332)), 332);
    EXPECT_EQ(ClampStripScroll(Wide(5000)), 332);
    // All tabs fit: back to 0, as after widening the window.
    EXPECT_EQ(ClampStripScroll(Strip({100, 100}, 150)), 0);
    // A negative value from the settings file does not push the strip right.
    EXPECT_EQ(ClampStripScroll(Wide(-50)), 0);
    EXPECT_EQ(ClampStripScroll(Strip({}, 0)), 0);
}

TEST(CategoryStrip, ScrollStepsAreLimitedAtBothEnds) {
    EXPECT_EQ(ScrollStripStep(Wide(0), true), 32);
    EXPECT_EQ(ScrollStripStep(Wide(320), true), 332);
    EXPECT_EQ(ScrollStripStep(Wide(332), true), 332);
    EXPECT_EQ(ScrollStripStep(Wide(40), false), 8);
    EXPECT_EQ(ScrollStripStep(Wide(20), false), 0);
    // A strip that fits does not scroll right.
    EXPECT_EQ(ScrollStripStep(Strip({100, 100}), true), 0);
}

TEST(CategoryStrip, EnsureVisibleRevealsTheCurrentTabWithAMargin) {
    // Tab 5 (500 .. 600) is right of the view: scroll = 600 - 268 + 20, then
    // limited to the maximum.
    EXPECT_EQ(EnsureTabVisible(Wide(0), 5, true), 332);
    // Tab 3 (300 .. 400): 400 - 268 + 20 = 152.
    EXPECT_EQ(EnsureTabVisible(Wide(0), 3, true), 152);
    // Tab 1 (100 .. 200) left of the view at 150: 100 - 20.
    EXPECT_EQ(EnsureTabVisible(Wide(150), 1, true), 80);
    // Tab 0 at scroll 10: 0 - 20 is raised to 0.
    EXPECT_EQ(EnsureTabVisible(Wide(10), 0, true), 0);
    // Already visible: unchanged.
    EXPECT_EQ(EnsureTabVisible(Wide(50), 2, true), 50);
    // Without adjust, or a tab that does not exist: only the clamp.
    EXPECT_EQ(EnsureTabVisible(Wide(400), 0, false), 332);
    EXPECT_EQ(EnsureTabVisible(Wide(100), 9, true), 100);
    EXPECT_EQ(EnsureTabVisible(Strip({50, 50}, 30), 1, true), 0);
}

TEST(CategoryStrip, HitTestFindsTheTabUnderAPoint) {
    CategoryStrip strip = Strip({50, 60, 70});  // tabs at x 4..53, 54..113, 114..183
    EXPECT_EQ(HitTestTab(strip, 4, 18), 0);
    EXPECT_EQ(HitTestTab(strip, 53, 39), 0);
    EXPECT_EQ(HitTestTab(strip, 54, 20), 1);
    EXPECT_EQ(HitTestTab(strip, 183, 20), 2);
    // Before the first tab, after the last, outside the bar.
    EXPECT_EQ(HitTestTab(strip, 3, 20), -1);
    EXPECT_EQ(HitTestTab(strip, 184, 20), -1);
    EXPECT_EQ(HitTestTab(strip, 10, 17), -1);
    EXPECT_EQ(HitTestTab(strip, 10, 40), -1);
    EXPECT_EQ(HitTestTab(strip, -1, 20), -1);
    // Scrolled by 30: x 30 is strip position 56, in tab 1.
    strip.scrollIndex = 30;
    EXPECT_EQ(HitTestTab(strip, 30, 20), 1);
    // The arrow area and a hidden bar have no tabs.
    CategoryStrip wide = Wide(0);
    EXPECT_EQ(HitTestTab(wide, 271, 20), 2);
    EXPECT_EQ(HitTestTab(wide, 272, 20), -1);
    wide.barShown = false;
    EXPECT_EQ(HitTestTab(wide, 10, 20), -1);
    EXPECT_EQ(HitTestTab(Strip({}), 10, 20), -1);
}

TEST(CategoryStrip, DropIndexTakesTheHalfOfTheTab) {
    CategoryStrip strip = Strip({50, 60, 70});
    EXPECT_EQ(DropIndexAt(strip, 4), 0);   // p 0, left half of tab 0
    EXPECT_EQ(DropIndexAt(strip, 28), 0);  // p 24 < 25
    EXPECT_EQ(DropIndexAt(strip, 29), 1);  // p 25
    EXPECT_EQ(DropIndexAt(strip, 84), 2);  // p 80 in tab 1 (50..110): 30 >= 30
    EXPECT_EQ(DropIndexAt(strip, 83), 1);
    EXPECT_EQ(DropIndexAt(strip, 250), 3);  // after the last tab
    EXPECT_EQ(DropIndexAt(strip, 2), 0);    // left of the margin
}

TEST(CategoryStrip, DragScrollsNearEitherEnd) {
    CategoryStrip strip = Wide(64);
    EXPECT_EQ(DropScrollDirection(strip, 3), -1);
    EXPECT_EQ(DropScrollDirection(strip, 4), 0);
    EXPECT_EQ(DropScrollDirection(strip, 271), 0);
    EXPECT_EQ(DropScrollDirection(strip, 272), 1);
}

TEST(CategoryStrip, PlacementStartsAtTheFirstTabReachingTheScroll) {
    TabPlacement p = PlaceTabs(Wide(150));
    ASSERT_FALSE(p.tabs.empty());
    // Tab 1 (100..200) ends after 150: drawn partly left of the margin.
    EXPECT_EQ(p.tabs[0].index, 1);
    EXPECT_EQ(p.tabs[0].left, 4 + 100 - 150);
    // Stops after the tab reaching W - 28 = 272: tab 4 at 254 .. 354.
    EXPECT_EQ(p.tabs.back().index, 4);
    EXPECT_TRUE(p.overflowing);
    EXPECT_EQ(p.endX, 354);
    EXPECT_TRUE(ArrowsShown(p, 150));

    // A tab ending exactly at the scroll index is still drawn.
    p = PlaceTabs(Wide(100));
    EXPECT_EQ(p.tabs[0].index, 0);
    EXPECT_EQ(p.tabs[0].left, -96);
}

TEST(CategoryStrip, ArrowsOnlyWhenTheStripOverflowsOrIsScrolled) {
    // 4 + 268 = 272 = W - 28: the tab reaching it overflows.
    TabPlacement fits = PlaceTabs(Strip({100, 167}));
    EXPECT_FALSE(fits.overflowing);
    EXPECT_FALSE(ArrowsShown(fits, 0));
    EXPECT_TRUE(PlaceTabs(Strip({100, 168})).overflowing);
    TabPlacement none = PlaceTabs(Strip({}));
    EXPECT_TRUE(none.tabs.empty());
    EXPECT_FALSE(ArrowsShown(none, 0));
    EXPECT_EQ(none.endX, 4);
}

TEST(CategoryStrip, DropMarkerStandsAtTheTabOrAfterTheLast) {
    TabPlacement p = PlaceTabs(Strip({50, 60, 70}));
    EXPECT_EQ(DropMarkerX(p, 1, 300), 54);
    EXPECT_EQ(DropMarkerX(p, 3, 300), 184);  // after the last drawn tab
    // Kept off the outer columns.
    CategoryStrip atZero = Strip({50, 60});
    atZero.marginLeft = 0;
    EXPECT_EQ(DropMarkerX(PlaceTabs(atZero), 0, 300), 1);
    CategoryStrip toEdge = Strip({272});
    toEdge.marginLeft = 28;  // the only tab ends at 300 = W
    EXPECT_EQ(DropMarkerX(PlaceTabs(toEdge), 1, 300), 299);
}

TEST(CategoryStrip, HugeValuesDoNotOverflow) {
    CategoryStrip strip = Strip({2000000000, 2000000000});
    strip.totalTabWidth = 2000000000;  // as a store that wrapped would hold it
    strip.scrollIndex = 2147483647;
    EXPECT_GE(ClampStripScroll(strip), 0);
    EXPECT_EQ(HitTestTab(strip, 10, 20), 1);
    EXPECT_EQ(ScrollStripStep(strip, true), ClampStripScroll(strip));
    TabPlacement p = PlaceTabs(strip);
    EXPECT_LE(p.tabs.size(), 2u);
}

}  // namespace
}  // namespace tessel
