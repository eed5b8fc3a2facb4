// The tab strip of the category bar as geometry: where each tab stands, how
// far the strip may scroll, which tab lies under a point and where a dragged
// tab would drop. Pure arithmetic over the tab widths; the window code
// (categorybar/category_bar_win.h) applies it to the store and the settings.
//
// Strip coordinates: tab i starts at s_i, the sum of the widths before it,
// and is drawn at x = marginLeft + s_i - scrollIndex in the main window.
#pragma once

#include <cstdint>
#include <vector>

#include "process/dpi_scale.h"

namespace tessel {

// 96-DPI sizes, scaled by the strip's DPI wherever they are used.
// Width of the two arrow buttons at the right end of the category bar.
inline constexpr std::int32_t kArrowAreaWidth = 28;
// One scroll step of the strip.
inline constexpr std::int32_t kCategoryScrollStep = 32;
// Room left beside a tab that is scrolled into view.
inline constexpr std::int32_t kTabRevealMargin = 20;

struct CategoryStrip {
    std::vector<std::int32_t> tabWidths;  // nameWidth + 2 x CategorySpace, in store order
    std::int32_t totalTabWidth = 0;       // as the store keeps it (the sum of tabWidths)
    std::int32_t windowWidth = 0;         // W
    std::int32_t marginLeft = 0;          // CategoryMarginLeft
    std::int32_t barTop = 0;              // TitleBarHeight
    std::int32_t barHeight = 0;           // CategoryHeight
    bool barShown = true;                 // DispCategory
    std::int32_t scrollIndex = 0;         // ScrollIndex
    DpiScale scale;                       // the window's DPI (the fixed sizes above)
};

// The arrow area's width at the strip's DPI.
std::int32_t ArrowAreaWidth(const CategoryStrip& strip);

std::int32_t TabWidth(std::int32_t nameWidth, std::int32_t categorySpace);

// V: the strip width left of the arrow area, W - 28 - CategoryMarginLeft.
std::int32_t VisibleStripWidth(const CategoryStrip& strip);

// The scroll index brought into range: 0 when every tab fits, at most
// totalTabWidth - V otherwise, and never negative (a negative value read from
// system.ini would only push the strip right of its margin).
std::int32_t ClampStripScroll(const CategoryStrip& strip);

// One step left (toRight false) or right; right only when the strip
// overflows. Answers the new scroll index.
std::int32_t ScrollStripStep(const CategoryStrip& strip, bool toRight);

// The scroll index that keeps tab `current` in view: with adjust, a tab
// beyond either edge is brought in with kTabRevealMargin to spare; then the
// index is limited to the maximum scroll and kept from going negative. A current tab that does not
// exist changes nothing but the clamp.
std::int32_t EnsureTabVisible(const CategoryStrip& strip, int current, bool adjust);

// The tab under a point of the main window, or -1.
int HitTestTab(const CategoryStrip& strip, std::int32_t x, std::int32_t y);

// Which way the strip scrolls while a dragged tab rests at x: -1 left of the
// margin, +1 over the arrow area, 0 otherwise.
int DropScrollDirection(const CategoryStrip& strip, std::int32_t x);
// The insertion index (0 .. tab count) for a tab dropped at x, with the strip
// as it stands (after any drag scroll): the left half of a tab inserts before
// it, the right half after it.
int DropIndexAt(const CategoryStrip& strip, std::int32_t x);

// The tabs the category bar draws, left to right.
struct PlacedTab {
    int index = 0;
    std::int32_t left = 0;  // x of the tab's left edge (its text starts CategorySpace further)
    std::int32_t width = 0;
};
struct TabPlacement {
    std::vector<PlacedTab> tabs;
    std::int32_t endX = 0;     // the x reached after the last drawn tab
    bool overflowing = false;  // a drawn tab reaches the arrow area
};
// From the first tab that ends at or after the scroll index, up to and
// including the first tab whose right end reaches W - 28.
TabPlacement PlaceTabs(const CategoryStrip& strip);
// The arrow buttons show when the strip overflows or is scrolled at all.
bool ArrowsShown(const TabPlacement& placement, std::int32_t scrollIndex);
// x of the right-hand line of the drop marker, two lines of lineWidth side by
// side: the left edge of drawn tab dropIndex, or endX when it is not drawn;
// kept off the window's outer columns (a marker at 0 or W moves lineWidth in).
std::int32_t DropMarkerX(const TabPlacement& placement, int dropIndex, std::int32_t windowWidth,
                         std::int32_t lineWidth = 1);

}  // namespace tessel
