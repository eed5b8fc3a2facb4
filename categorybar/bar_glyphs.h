// Where the fixed pieces of the title and category bars stand, and the line
// segments of the close-button cross and of the two strip arrows. A segment
// paints its first point and not its last, like every line of the drawing.
#pragma once

#include <cstdint>
#include <vector>

#include "storage/layout_settings.h"

namespace tessel {

struct Segment {
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
};

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Size of the program's small icon drawn in the title bar, and its x.
inline constexpr std::int32_t kTitleIconSize = 16;
inline constexpr std::int32_t kTitleIconX = 2;

// Top-left of the 16 x 16 close glyph, centred in the close button.
PixelPoint CloseGlyphOrigin(const LayoutSettings& layout, std::int32_t windowWidth);
// The cross, three pixels thick, as six diagonal segments.
std::vector<Segment> CloseGlyph(PixelPoint origin);

// The title icon's top-left and the title text's origin (text x 22 beside
// the icon, 6 without it).
PixelPoint TitleIconOrigin(const LayoutSettings& layout);
PixelPoint TitleTextOrigin(const LayoutSettings& layout);

// y of the tab names.
std::int32_t TabTextTop(const LayoutSettings& layout);

// The arrow glyphs, 12 pixels high, in the 28-pixel arrow area that starts
// at a = W - 28; t is the glyph's top row.
std::int32_t ArrowGlyphTop(const LayoutSettings& layout);
// Filled: the strip can move that way; outline: it cannot.
std::vector<Segment> LeftArrowGlyph(std::int32_t a, std::int32_t t, bool filled);
std::vector<Segment> RightArrowGlyph(std::int32_t a, std::int32_t t, bool filled);

// y of the boundary line under the category bar (drawn when BoundaryHeight > 0).
std::int32_t BoundaryLineY(const LayoutSettings& layout);

}  // namespace tessel
