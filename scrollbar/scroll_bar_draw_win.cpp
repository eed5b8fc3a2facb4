#include "scrollbar/scroll_bar_draw_win.h"

#include <vector>

#include "drawing/draw_primitives_win.h"
#include "drawing/glyph_boxes.h"
#include "scrollbar/scroll_geometry.h"

namespace tessel {
namespace {

// The glyph is a triangle six pixels wide at 96 DPI; these are its column
// heights.
constexpr int kGlyphSize = 6;
constexpr int kGlyphColumns[kGlyphSize] = {2, 4, 6, 6, 4, 2};

// The glyph's design: columns rising from its bottom row (up) or hanging
// from its top row (down).
std::vector<Segment> ArrowGlyph(bool up) {
    std::vector<Segment> columns;
    for (int i = 0; i < kGlyphSize; ++i) {
        const int height = kGlyphColumns[i];
        columns.push_back(up ? Segment{i, kGlyphSize - height, i, kGlyphSize}
                             : Segment{i, 0, i, height});
    }
    return columns;
}

// An edge of the given box; an empty box, or the colour that means "no
// edge", draws nothing.
void Edge(HDC dc, Colour colour, int left, int top, int width, int height) {
    if (colour != kNoEdgeColour) {
        FillBox(dc, colour, left, top, width, height);
    }
}

// The line-up button, rows 0 .. a - 1, edges `line` thick, and its upward
// glyph.
void DrawLineUpButton(HDC dc, const LayoutSettings& layout, int a, int line, Colour glyph,
                      DpiScale scale) {
    const Colour* border = layout.ScrollBorder;  // left, top, right, bottom
    FillBox(dc, layout.ScrollButtonBack, line, line, a - 2 * line, a - 2 * line);
    Edge(dc, border[0], 0, line, line, a - line);
    Edge(dc, border[1], line, 0, a - 2 * line, line);
    Edge(dc, border[2], a - line, line, line, a - line);
    Edge(dc, border[3], line, a - line, a - 2 * line, line);
    const int e = (a - scale(kGlyphSize)) / 2;
    FillBoxes(dc, glyph, GlyphBoxes(ArrowGlyph(true), scale), e, e);
}

// The line-down button, rows h .. height - 1 with h = height - a, and its
// downward glyph.
void DrawLineDownButton(HDC dc, const LayoutSettings& layout, int a, int height, int line,
                        Colour glyph, DpiScale scale) {
    const Colour* border = layout.ScrollBorder;
    const int h = height - a;
    FillBox(dc, layout.ScrollButtonBack, line, h + line, a - 2 * line, a - 2 * line);
    Edge(dc, border[0], 0, h, line, a - line);
    Edge(dc, border[1], line, h, a - 2 * line, line);
    Edge(dc, border[2], a - line, h, line, a - line);
    Edge(dc, border[3], line, height - line, a - 2 * line, line);
    const int e = (a - scale(kGlyphSize)) / 2;
    FillBoxes(dc, glyph, GlyphBoxes(ArrowGlyph(false), scale), e, h + e);
}

// The thumb at rows s .. s + n - 1, as wide as an arrow.
void DrawThumb(HDC dc, const LayoutSettings& layout, int a, int s, int n, int line) {
    const Colour* border = layout.ScrollSliderBorder;  // top, right, bottom, left
    Edge(dc, border[0], 0, s, a - line, line);
    Edge(dc, border[1], a - line, s, line, n);
    Edge(dc, border[2], 0, s + n - line, a - line, line);
    Edge(dc, border[3], 0, s + line, line, n - 2 * line);
    FillBox(dc, layout.ScrollSliderBack, line, s + line, a - 2 * line, n - 2 * line);
}

}  // namespace

void DrawScrollBar(ScrollBarState& state, HDC dc, int width, int height,
                   const LayoutSettings& layout, DpiScale scale) {
    if (width <= 0 || height <= 0 || state.horizontal) {
        return;
    }
    const int a = state.arrowLength;
    const int line = scale.Line();
    FillBox(dc, layout.ScrollTrackBack, 0, 0, width, height);
    if (!state.noArrows) {
        const bool upPressed = state.upArrowPressed && state.enabled;
        const bool downPressed = state.downArrowPressed && state.enabled;
        DrawLineUpButton(dc, layout, a, line,
                         upPressed ? layout.ScrollArrowDown : layout.ScrollArrowUp, scale);
        DrawLineDownButton(dc, layout, a, height, line,
                           downPressed ? layout.ScrollArrowDown : layout.ScrollArrowUp, scale);
    }
    if (!state.enabled) {
        return;
    }
    LayOutScrollBar(state, height);
    if (state.trackLength <= 0 || state.thumbLength <= 0) {
        return;  // no track, or one too short for a thumb
    }
    DrawThumb(dc, layout, a, state.thumbStart, state.thumbLength, line);
}

}  // namespace tessel
