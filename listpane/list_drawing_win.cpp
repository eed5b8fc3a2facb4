#include "listpane/list_drawing_win.h"

#include <algorithm>

#include "drawing/draw_primitives_win.h"
#include "drawing/gdi_handles_win.h"
#include "listpane/list_geometry.h"

namespace tessel {

namespace {

// Puts back the font selected when the scope began, whatever rows selected.
class FontKeeper {
  public:
    explicit FontKeeper(HDC dc) : dc_(dc), kept_(GetCurrentObject(dc, OBJ_FONT)) {}
    ~FontKeeper() {
        if (kept_ != nullptr) {
            SelectObject(dc_, kept_);
        }
    }
    FontKeeper(const FontKeeper&) = delete;
    FontKeeper& operator=(const FontKeeper&) = delete;

  private:
    HDC dc_;
    HGDIOBJ kept_;
};

// A missing font leaves the one the buffer has.
void UseFont(HDC dc, HFONT font) {
    if (font != nullptr) {
        SelectObject(dc, font);
    }
}

struct StateLook {
    HFONT font;
    Colour text;
};

StateLook LookOf(ItemState state, const ListFonts& fonts, const LayoutSettings& layout) {
    switch (state) {
        case ItemState::NormalChecked:
            return {fonts.normal, layout.ListCheckText};
        case ItemState::Strike:
        case ItemState::StrikeChecked:
            return {fonts.strike, layout.ListStrikeText};
        case ItemState::Bold:
        case ItemState::BoldChecked:
            return {fonts.bold, layout.ListBoldText};
        default:
            return {fonts.normal, layout.ListNormalText};
    }
}

void DrawCheckBoxGradient(HDC dc, const LayoutSettings& layout, int boxLeft, int boxTop, int box,
                          int lineWidth) {
    const int n = CheckBoxInterior(box, lineWidth);
    // The runs count the interior from 1; it starts lineWidth in.
    const int left = boxLeft + lineWidth - 1;
    const int top = boxTop + lineWidth - 1;
    for (int r = 0; r < GradientRunCount(n); ++r) {
        const GradientRun run = GradientRunAt(n, r);
        const Colour colour =
            GradientColour(layout.ListCheckBack1, layout.ListCheckBack2, run.colourStep, n);
        // The end point is not painted: exactly run.length pixels.
        DrawLine(dc, colour, left + run.x1, top + run.y1, left + run.x1 - run.length,
                 top + run.y1 + run.length);
    }
}

void DrawCheckBox(HDC dc, const LayoutSettings& layout, const ListMetrics& m, const Item& item,
                  int rowTop) {
    const int box = m.checkBoxSize;
    if (box <= 0) {
        return;  // no check box at all
    }
    const int boxLeft = CheckBoxLeft(item.indent, m);
    const int boxTop = CheckBoxTop(rowTop, m);
    const int line = LineWidth(m);
    if (layout.ListCheckBack1 == layout.ListCheckBack2) {
        FillBox(dc, layout.ListCheckBack1, boxLeft, boxTop, box, box);
    } else {
        DrawCheckBoxGradient(dc, layout, boxLeft, boxTop, box, line);
    }
    DrawFrameOutline(dc, layout.ListCheckBorder, boxLeft, boxTop, box, box, line);
    if (IsChecked(item.state)) {
        const int offset = CheckMarkOffset(m);
        DrawCheckMark(dc, layout.ListCheck, boxLeft + offset, boxTop + offset, m.scale);
    }
}

void DrawRow(HDC dc, const ListPaintInput& input, const ListMetrics& m, const Item& item,
             int position, int rowTop, int rowRight) {
    const LayoutSettings& layout = *input.layout;
    const int lh = m.lineHeight;
    const int line = LineWidth(m);
    if (item.selected && rowRight > 0) {
        FillBox(dc, layout.ListSelectBack, 0, rowTop, rowRight, lh);
        DrawFrameOutline(dc, layout.ListSelectBorder, 0, rowTop, rowRight, lh, line);
    }
    if (item.state == ItemState::Separator) {
        // A line wider than a pixel stays centred on the row's middle.
        DrawDottedLine(dc, layout.ListSeparator, m.scale(4), rowTop + lh / 2 - (line - 1) / 2,
                       rowRight - m.scale(8), line);
    } else {
        DrawCheckBox(dc, layout, m, item, rowTop);
        const StateLook look = LookOf(item.state, input.fonts, layout);
        UseFont(dc, look.font);
        SetTextColor(dc, look.text);
        DrawText932(dc, TextLeft(item.indent, m), TextTop(rowTop, m), item.text);
    }
    if (position == input.store->focusIndex && !input.itemDragActive && input.hasFocus) {
        DrawDottedFrame(dc, layout.ListFocusBorder, rowTop, rowRight, lh, line);
    }
}

}  // namespace

void DrawDottedLine(HDC dc, Colour colour, int x, int y, int length, int lineWidth) {
    FillBoxes(dc, colour, DottedLineBoxes(x, y, length, lineWidth));
}

void DrawDottedFrame(HDC dc, Colour colour, int top, int width, int height, int lineWidth) {
    FillBoxes(dc, colour, DottedFrameBoxes(top, width, height, lineWidth));
}

void DrawCheckMark(HDC dc, Colour colour, int x, int y, DpiScale scale) {
    FillBoxes(dc, colour, CheckMarkBoxes(scale), x, y);
}

void DrawList(HDC dc, const ListPaintInput& input) {
    const int w = input.width;
    const int h = input.height;
    if (dc == nullptr || w <= 0 || h <= 0 || input.layout == nullptr || input.store == nullptr) {
        return;
    }
    const LayoutSettings& layout = *input.layout;
    const ListStore& store = *input.store;
    FillBox(dc, layout.WindowBack, 0, 0, w, h);
    if (store.currentItems == nullptr || store.itemCount <= 0) {
        return;
    }
    const ListMetrics m = ListMetricsFrom(layout, input.scale);
    const ItemList& items = *store.currentItems;
    const int rowRight = w - input.scrollBarShownWidth;
    FontKeeper keeper(dc);
    UseFont(dc, input.fonts.normal);
    SetBkMode(dc, TRANSPARENT);
    // Straight to the first visible row: a repaint looks at the visible
    // rows only, however long the list is.
    const int count = std::min(store.itemCount, static_cast<int>(items.size()));
    int rowTop = 0;
    for (int position = std::max(store.topIndex, 0); position < count && rowTop < h; ++position) {
        DrawRow(dc, input, m, items[static_cast<std::size_t>(position)], position, rowTop,
                rowRight);
        rowTop += m.lineHeight;
    }
    if (input.itemDragActive) {
        // Two lines, one above the boundary and one below it.
        const int line = LineWidth(m);
        const int y = DropLineY(input.itemDropIndex, store.topIndex, m.lineHeight, h, line);
        FillBox(dc, layout.DragLine, 0, y - line, rowRight, 2 * line);
    }
}

}  // namespace tessel
