#include "drawing/draw_primitives_win.h"

#include <algorithm>

#include "process/wide_text_win.h"
#include "store/cp932.h"

namespace tessel {

void DrawLine(HDC dc, Colour colour, int x1, int y1, int x2, int y2) {
    PenHandle pen(CreatePen(PS_SOLID, 0, colour));
    SelectedObject selected(dc, pen.Get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void DrawRectOutline(HDC dc, Colour colour, int left, int top, int width, int height) {
    PenHandle pen(CreatePen(PS_SOLID, 1, colour));
    SelectedObject selectedPen(dc, pen.Get());
    SelectedObject selectedBrush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, left, top, left + width, top + height);
}

void FillBox(HDC dc, Colour colour, int left, int top, int width, int height) {
    if (width <= 0 || height <= 0) {
        return;
    }
    BrushHandle brush(CreateSolidBrush(colour));
    RECT box{left, top, left + width, top + height};
    FillRect(dc, &box, brush.Get());
}

void FillBoxes(HDC dc, Colour colour, const std::vector<PixelBox>& boxes, int dx, int dy) {
    if (boxes.empty()) {
        return;
    }
    BrushHandle brush(CreateSolidBrush(colour));
    for (const PixelBox& box : boxes) {
        if (box.width > 0 && box.height > 0) {
            RECT r{box.left + dx, box.top + dy, box.left + dx + box.width,
                   box.top + dy + box.height};
            FillRect(dc, &r, brush.Get());
        }
    }
}

void DrawFrameOutline(HDC dc, Colour colour, int left, int top, int width, int height,
                      int lineWidth) {
    if (lineWidth <= 1) {
        DrawRectOutline(dc, colour, left, top, width, height);
        return;
    }
    if (width <= 0 || height <= 0) {
        return;
    }
    const int across = std::min(lineWidth, width);
    const int down = std::min(lineWidth, height);
    FillBoxes(dc, colour,
              {{left, top, width, down},
               {left, top + height - down, width, down},
               {left, top, across, height},
               {left + width - across, top, across, height}});
}

FontHandle CreateListFont(const std::string& face, int size, int style) {
    std::wstring faceName = WideFromCp932(face);
    if (faceName.size() > LF_FACESIZE - 1) {
        // Never half a surrogate pair.
        std::size_t keep = LF_FACESIZE - 1;
        if (IS_HIGH_SURROGATE(faceName[keep - 1])) {
            --keep;
        }
        faceName.resize(keep);
    }
    return FontHandle(CreateFontW(
        size, 0, 0, 0, (style & kFontBold) ? FW_BOLD : 0, (style & kFontItalic) ? TRUE : FALSE,
        (style & kFontUnderline) ? TRUE : FALSE, (style & kFontStrikeOut) ? TRUE : FALSE,
        SHIFTJIS_CHARSET, 0, 0, 0, 0, faceName.c_str()));
}

void DrawText932(HDC dc, int x, int y, std::string_view text) {
    const std::wstring wide = WideFromCp932(text);
    TextOutW(dc, x, y, wide.data(), static_cast<int>(wide.size()));
}

int TextWidth932(HDC dc, std::string_view text) {
    const std::wstring wide = WideFromCp932(text);
    SIZE extent{};
    if (!GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &extent)) {
        return 0;
    }
    return extent.cx;
}

}  // namespace tessel
