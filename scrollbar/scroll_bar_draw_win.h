// Paints a vertical scroll bar: background, both arrow buttons with their
// edges and glyphs, and the thumb.
#pragma once

#include <windows.h>

#include "process/dpi_scale.h"
#include "scrollbar/scroll_bar_state.h"
#include "storage/layout_settings.h"

namespace tessel {

// An edge colour that means "no edge here". Fills have no such exception.
inline constexpr Colour kNoEdgeColour = 0x00FF00;

// Paints the whole bar, width x height pixels, into dc with the colours of
// layout, its edges and glyphs at the scale's DPI. Runs the geometry first
// when the bar is enabled (so a dragged thumb moves pos). Draws nothing when
// width or height is 0 or less, or when the bar is horizontal (that
// orientation has no look of its own).
void DrawScrollBar(ScrollBarState& state, HDC dc, int width, int height,
                   const LayoutSettings& layout, DpiScale scale = DpiScale());

}  // namespace tessel
