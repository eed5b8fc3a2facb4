// Painting the list pane: the background, one row per visible item (its
// selection, check box, check mark, indent, text in the state's font and
// colour, separator line), the focus frame and the drop line of an item
// drag. Everything goes into the caller's device context (the pane's
// off-screen buffer, or a test's memory DC).
#pragma once

#include <windows.h>

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
};

// Paints the whole client area. Only the visible rows are looked at.
void DrawList(HDC dc, const ListPaintInput& input);

// Every other pixel of a row: (x + 2k, y) while 2k < length.
void DrawDottedLine(HDC dc, Colour colour, int x, int y, int length);
// The border pixels of (0, top) .. (width - 1, top + height - 1) whose
// px + (py - top) is even, so the dots stay in step round the corners.
void DrawDottedFrame(HDC dc, Colour colour, int top, int width, int height);
// The 7 x 7 check mark with its top-left at (x, y).
void DrawCheckMark(HDC dc, Colour colour, int x, int y);

}  // namespace tessel
