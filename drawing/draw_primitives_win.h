// The drawing primitives every self-drawn part of the program uses. Each
// creates its own pen or brush for the one call, selects it, draws, puts
// back what was selected and deletes its own; the device context is the
// caller's. Colours are 0x00BBGGRR.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/gdi_handles_win.h"
#include "drawing/glyph_boxes.h"
#include "storage/layout_settings.h"

namespace tessel {

// A one-pixel line from (x1, y1) to (x2, y2), the end point not painted.
void DrawLine(HDC dc, Colour colour, int x1, int y1, int x2, int y2);
// The outline of the rectangle (left, top) .. (left + width - 1,
// top + height - 1); the interior is left alone.
void DrawRectOutline(HDC dc, Colour colour, int left, int top, int width, int height);
// Fills (left, top) .. (left + width - 1, top + height - 1); nothing when
// width or height is 0 or below.
void FillBox(HDC dc, Colour colour, int left, int top, int width, int height);
// Fills every box moved by (dx, dy), with one brush: a glyph (GlyphBoxes),
// dots, the edges of a frame.
void FillBoxes(HDC dc, Colour colour, const std::vector<PixelBox>& boxes, int dx = 0, int dy = 0);
// The outline of (left, top) .. (left + width - 1, top + height - 1) drawn
// lineWidth pixels thick inwards; the interior is left alone. At 1 pixel it
// is DrawRectOutline.
void DrawFrameOutline(HDC dc, Colour colour, int left, int top, int width, int height,
                      int lineWidth);

// A font of cell height `size` pixels with the style bits (FontStyleBits:
// 1 bold, 2 italic, 4 underline, 8 strike-out), the Japanese character
// set (what the default set is on a Japanese Windows, and on any other the
// set whose glyphs the text needs), everything else the platform's
// default. The face is cp932 (layout.ini); a face the system lacks falls
// back to a default face; a face too long for the platform is cut at a
// character.
FontHandle CreateListFont(const std::string& face, int size, int style);

// cp932 text drawn and measured through the system's UTF-16 calls, so that
// it reads the same under any ANSI code page.
void DrawText932(HDC dc, int x, int y, std::string_view text);
// The width in pixels of text in the selected font; 0 when it cannot be
// measured.
int TextWidth932(HDC dc, std::string_view text);

}  // namespace tessel
