// Where the fixed pieces of the title and category bars stand, and the line
// segments of the close-button cross and of the two strip arrows. A segment
// paints its first point and not its last, like every line of the drawing.
// The fixed sizes are 96-DPI values; each position takes the scale of the
// window's DPI (the layout given is already at that DPI), and the glyphs are
// drawn at it through GlyphBoxes.
#pragma once

#include <cstdint>
#include <vector>

#include "drawing/glyph_boxes.h"
#include "process/dpi_scale.h"
#include "storage/layout_settings.h"

namespace tessel {

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Size of the program's small icon drawn in the title bar, and its x.
inline constexpr std::int32_t kTitleIconSize = 16;
inline constexpr std::int32_t kTitleIconX = 2;
// The close glyph's square and the arrow glyphs' height.
inline constexpr std::int32_t kCloseGlyphSize = 16;
inline constexpr std::int32_t kArrowGlyphHeight = 12;

// Top-left of the 16 x 16 close glyph, centred in the close button.
PixelPoint CloseGlyphOrigin(const LayoutSettings& layout, std::int32_t windowWidth,
                            DpiScale scale = DpiScale());
// The cross, three pixels thick, as six diagonal segments.
std::vector<Segment> CloseGlyph(PixelPoint origin);

// The title icon's top-left (centred in the bar, below a top line thicker
// than a pixel) and the title text's origin (text x 22 beside the icon, 6
// without it).
PixelPoint TitleIconOrigin(const LayoutSettings& layout, DpiScale scale = DpiScale());
PixelPoint TitleTextOrigin(const LayoutSettings& layout, DpiScale scale = DpiScale());

// y of the tab names.
std::int32_t TabTextTop(const LayoutSettings& layout);

// The arrow glyphs, 12 pixels high, in the 28-pixel arrow area that starts
// at a = W - 28; t is the glyph's top row.
std::int32_t ArrowGlyphTop(const LayoutSettings& layout, DpiScale scale = DpiScale());
// Filled: the strip can move that way; outline: it cannot.
std::vector<Segment> LeftArrowGlyph(std::int32_t a, std::int32_t t, bool filled);
std::vector<Segment> RightArrowGlyph(std::int32_t a, std::int32_t t, bool filled);

// y of the boundary line under the category bar (drawn when BoundaryHeight
// > 0); a line wider than a pixel grows downwards from it.
std::int32_t BoundaryLineY(const LayoutSettings& layout);

}  // namespace tessel
