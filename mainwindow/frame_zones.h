// Where a point of the borderless main window falls: the border zones that
// resize it, the close button, the system icon, the category bar and its two
// arrow buttons. Pure geometry in client pixels; the fixed sizes are 96-DPI
// values taken at the scale's DPI, the layout given is already at it.
#pragma once

#include <cstdint>

#include "categorybar/bar_state.h"
#include "process/dpi_scale.h"
#include "storage/layout_settings.h"

namespace tessel {

// The border that a zone drags (FrameMouseState::sizingEdge).
enum class SizingEdge : int {
    Left = 0,
    Top = 1,
    Right = 2,
    Bottom = 3,
    TopLeft = 4,
    TopRight = 5,
    BottomRight = 6,
    BottomLeft = 7,
};

// The zone under a client point of a width x height window, or false. The
// corners (8 x 8, the bottom-right grip 16 x 32) win over the 4-pixel edges;
// wherever two edges meet a corner covers them, so the edges need no order.
bool BorderZoneAt(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                  SizingEdge& edge, DpiScale scale = DpiScale());

// The WM_NCHITTEST answer of a zone (HTLEFT ... HTBOTTOMRIGHT).
int ZoneHitTestCode(SizingEdge edge);

enum class ZoneCursor { SizeWE, SizeNS, SizeNWSE, SizeNESW };
ZoneCursor ZoneCursorOf(SizingEdge edge);

// Which sides of the window follow the cursor while an edge is dragged.
bool MovesLeft(SizingEdge edge);
bool MovesTop(SizingEdge edge);
bool MovesRight(SizingEdge edge);
bool MovesBottom(SizingEdge edge);

// A box in client pixels: x from left to left + width (exclusive), y the same.
struct ZoneBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// Where the title bar, its close button and the category bar (when shown)
// stand in a window of the given width: what the tests below test, and
// what a screen reader is told.
ZoneBox TitleBarBox(const LayoutSettings& layout, std::int32_t width);
ZoneBox CloseButtonBox(const LayoutSettings& layout, std::int32_t width);
ZoneBox CategoryBarBox(const LayoutSettings& layout, std::int32_t width);

bool OnCloseButton(const LayoutSettings& layout, std::int32_t width, std::int32_t x,
                   std::int32_t y);
// The 16 x 16 cell of the title icon, when the icon is shown.
bool OnSystemIcon(const LayoutSettings& layout, std::int32_t x, std::int32_t y,
                  DpiScale scale = DpiScale());
bool InCategoryBar(const LayoutSettings& layout, bool barShown, std::int32_t y);

// The arrow button under x in the category bar, None on the tab area. A
// single click splits the 28-pixel area 12 | 16, as the buttons are drawn;
// a double click splits it in halves.
enum class ArrowSplit { Click, DoubleClick };
CategoryArrow ArrowButtonAt(std::int32_t width, std::int32_t x, ArrowSplit split,
                            DpiScale scale = DpiScale());

}  // namespace tessel
