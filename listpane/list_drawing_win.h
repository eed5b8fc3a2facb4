// Painting the list pane: the background, one row per visible item (its
// selection, check box, check mark, indent, text in the state's font and
// colour, separator line), the focus frame and the drop line of an item
// drag. Everything goes into the caller's device context (the pane's
// off-screen buffer, or a test's memory DC).
#pragma once

#include <windows.h>

#include "process/dpi_scale.h"
#include "storage/layout_settings.h"
#include "store/list_store.h"

namespace tessel {

struct ListFonts {
    HFONT normal = nullptr;  // ListFont
    HFONT strike = nullptr;  // ListStrikeFont
    HFONT bold = nullptr;    // ListBoldFont
};

// Everything one repaint reads.
struct ListPaintInput {
    const ListStore* store = nullptr;
    const LayoutSettings* layout = nullptr;
    int width = 0;   // client width W
    int height = 0;  // client height H
    ListFonts fonts;
    bool hasFocus = false;  // the pane has the keyboard focus
    bool itemDragActive = false;
    int itemDropIndex = -1;
    int scrollBarShownWidth = 0;  // room the scroll bar covers at the right
    DpiScale scale;               // the pane's DPI (layout is at it already)
};

// Paints the whole client area. Only the visible rows are looked at.
void DrawList(HDC dc, const ListPaintInput& input);

// Every other pixel of a row: (x + 2k, y) while 2k < length; wider lines
// as DottedLineBoxes.
void DrawDottedLine(HDC dc, Colour colour, int x, int y, int length, int lineWidth = 1);
// The border pixels of (0, top) .. (width - 1, top + height - 1) whose
// px + (py - top) is even, so the dots stay in step round the corners;
// wider lines as DottedFrameBoxes.
void DrawDottedFrame(HDC dc, Colour colour, int top, int width, int height, int lineWidth = 1);
// The 7 x 7 check mark (at 96 DPI) with its top-left at (x, y).
void DrawCheckMark(HDC dc, Colour colour, int x, int y, DpiScale scale = DpiScale());

}  // namespace tessel
