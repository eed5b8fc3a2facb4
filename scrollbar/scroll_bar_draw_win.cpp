#include "scrollbar/scroll_bar_draw_win.h"

#include "drawing/draw_primitives_win.h"
#include "scrollbar/scroll_geometry.h"

namespace tessel {
namespace {

// The glyph is a triangle six pixels wide; these are its column heights.
constexpr int kGlyphSize = 6;
constexpr int kGlyphColumns[kGlyphSize] = {2, 4, 6, 6, 4, 2};

// Edges are given as inclusive pixel runs; an empty run, or the colour that
// means "no edge", draws nothing.
void EdgeRow(HDC dc, Colour colour, int y, int x0, int x1) {
    if (colour != kNoEdgeColour && x1 >= x0) {
        DrawLine(dc, colour, x0, y, x1 + 1, y);
    }
}

void EdgeColumn(HDC dc, Colour colour, int x, int y0, int y1) {
    if (colour != kNoEdgeColour && y1 >= y0) {
        DrawLine(dc, colour, x, y0, x, y1 + 1);
    }
}

// The line-up button, rows 0 .. a - 1, and its upward glyph.
void DrawLineUpButton(HDC dc, const LayoutSettings& layout, int a, Colour glyph) {
    const Colour* border = layout.ScrollBorder;  // left, top, right, bottom
    FillBox(dc, layout.ScrollButtonBack, 1, 1, a - 2, a - 2);
    EdgeColumn(dc, border[0], 0, 1, a - 1);
    EdgeRow(dc, border[1], 0, 1, a - 2);
    EdgeColumn(dc, border[2], a - 1, 1, a - 1);
    EdgeRow(dc, border[3], a - 1, 1, a - 2);
    const int e = (a - kGlyphSize) / 2;
    const int bottom = e + kGlyphSize - 1;
    for (int i = 0; i < kGlyphSize; ++i) {
        DrawLine(dc, glyph, e + i, bottom - kGlyphColumns[i] + 1, e + i, bottom + 1);
    }
}

// The line-down button, rows h .. height - 1 with h = height - a, and its
// downward glyph.
void DrawLineDownButton(HDC dc, const LayoutSettings& layout, int a, int height, Colour glyph) {
    const Colour* border = layout.ScrollBorder;
    const int h = height - a;
    FillBox(dc, layout.ScrollButtonBack, 1, h + 1, a - 2, a - 2);
    EdgeColumn(dc, border[0], 0, h, height - 2);
    EdgeRow(dc, border[1], h, 1, a - 2);
    EdgeColumn(dc, border[2], a - 1, h, h + a - 2);
    EdgeRow(dc, border[3], height - 1, 1, a - 2);
    const int e = (a - kGlyphSize) / 2;
    const int top = h + e;
    for (int i = 0; i < kGlyphSize; ++i) {
        DrawLine(dc, glyph, e + i, top, e + i, top + kGlyphColumns[i]);
    }
}

// The thumb at rows s .. s + n - 1, as wide as an arrow.
void DrawThumb(HDC dc, const LayoutSettings& layout, int a, int s, int n) {
    const Colour* border = layout.ScrollSliderBorder;  // top, right, bottom, left
    EdgeRow(dc, border[0], s, 0, a - 2);
    EdgeColumn(dc, border[1], a - 1, s, s + n - 1);
    EdgeRow(dc, border[2], s + n - 1, 0, a - 2);
    EdgeColumn(dc, border[3], 0, s + 1, s + n - 2);
    FillBox(dc, layout.ScrollSliderBack, 1, s + 1, a - 2, n - 2);
}

}  // namespace

void DrawScrollBar(ScrollBarState& state, HDC dc, int width, int height,
                   const LayoutSettings& layout) {
    if (width <= 0 || height <= 0 || state.horizontal) {
        return;
    }
    const int a = state.arrowLength;
    FillBox(dc, layout.ScrollTrackBack, 0, 0, width, height);
    if (!state.noArrows) {
        const bool upPressed = state.upArrowPressed && state.enabled;
        const bool downPressed = state.downArrowPressed && state.enabled;
        DrawLineUpButton(dc, layout, a, upPressed ? layout.ScrollArrowDown : layout.ScrollArrowUp);
        DrawLineDownButton(dc, layout, a, height,
                           downPressed ? layout.ScrollArrowDown : layout.ScrollArrowUp);
    }
    if (!state.enabled) {
        return;
    }
    LayOutScrollBar(state, height);
    if (state.trackLength <= 0 || state.thumbLength <= 0) {
        return;  // no track, or one too short for a thumb
    }
    DrawThumb(dc, layout, a, state.thumbStart, state.thumbLength);
}

}  // namespace tessel
