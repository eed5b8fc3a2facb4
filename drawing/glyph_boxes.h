// Glyphs at any DPI. A glyph (the close cross, the strip arrows, the check
// mark, the scroll arrows) is designed at 96 DPI as one-pixel lines; at
// another DPI each pixel of that design becomes the block of pixels it
// covers there: design pixel x spans scale(x) .. scale(x + 1), and so for
// y. Strokes thicken evenly and never come apart, and at 96 DPI every pixel
// is where the lines put it.
#pragma once

#include <cstdint>
#include <vector>

#include "process/dpi_scale.h"

namespace tessel {

// A line from (x1, y1) to (x2, y2) that paints its first point and not its
// last, like every line of the drawing.
struct Segment {
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
};

// The pixels (left, top) .. (left + width - 1, top + height - 1).
struct PixelBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The boxes that paint a glyph at the scale's DPI. lines are the design,
// relative to the glyph's top-left corner; the boxes are relative to it
// too, one per run of neighbouring pixels in a design row. Lines are
// straight or at 45 degrees (others step to the nearest pixel).
std::vector<PixelBox> GlyphBoxes(const std::vector<Segment>& lines, DpiScale scale);

}  // namespace tessel
