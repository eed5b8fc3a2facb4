// Row, check-box, text and drop-line geometry of the list pane, and the
// scroll arithmetic that keeps topIndex valid. Pixels in the pane's client
// space; divisions truncate toward zero.
#pragma once

#include <cstdint>
#include <vector>

#include "drawing/glyph_boxes.h"
#include "process/dpi_scale.h"
#include "storage/layout_settings.h"

namespace tessel {

// The check mark's square at 96 DPI.
inline constexpr int kCheckMarkSize = 7;

// The [Layout] and [Font] values the list pane sizes and divides with,
// made safe whatever layout.ini says: lineHeight and fontSize are 1..4096
// (nothing divides by zero); checkBoxSize and scrollBarWidth are 0..4096
// (0 or below: no check box, no scroll bar); the indent and the margins
// are offsets kept within a million pixels, so that no sum overflows.
// The layout given is at the window's DPI already; scale takes the fixed
// sizes (the check mark, the separator's insets, lines) there.
struct ListMetrics {
    int lineHeight = 22;          // LH
    int indentWidth = 24;         // IW
    int checkBoxSize = 13;        // B
    int checkBoxMarginLeft = 8;   // ML
    int checkBoxMarginRight = 8;  // MR
    int fontSize = 12;            // FS
    int scrollBarWidth = 16;
    DpiScale scale;
};

ListMetrics ListMetricsFrom(const LayoutSettings& layout, DpiScale scale = DpiScale());
// The width of the pane's lines (outlines, dots, the drop line).
int LineWidth(const ListMetrics& m);

// Whole rows that fit a client height (0 for a height below one row).
int VisibleRows(int clientHeight, int lineHeight);

// The position under client y, or -1 when no item stands there.
int RowAtPoint(int y, int topIndex, int itemCount, int lineHeight);

// Left and top edges of an item's check box, and where its text starts.
int CheckBoxLeft(int indent, const ListMetrics& m);
int CheckBoxTop(int rowTop, const ListMetrics& m);
int TextLeft(int indent, const ListMetrics& m);
int TextTop(int rowTop, const ListMetrics& m);
// Top-left of the 7 x 7 check mark (at 96 DPI) inside a box at (boxLeft,
// boxTop).
int CheckMarkOffset(const ListMetrics& m);
// The check mark's pixels at the scale's DPI, relative to its top-left.
std::vector<PixelBox> CheckMarkBoxes(DpiScale scale);

// True when (x, y) lies on the check box of the row under y for an item of
// the given indent. The item's state is not looked at.
bool IsOnCheckBox(int x, int y, int indent, const ListMetrics& m);

// The y of the lower of the two drop lines (the upper ends at y - 1; each
// is lineWidth rows), kept inside a pane of the given height at the top and
// bottom edge.
int DropLineY(int dropIndex, int topIndex, int lineHeight, int clientHeight, int lineWidth = 1);

// A separator's dots: lineWidth-square dots every 2 x lineWidth pixels from
// (x, y) while they start within length.
std::vector<PixelBox> DottedLineBoxes(int x, int y, int length, int lineWidth = 1);
// The focus frame's dots on the border of (0, top) .. (width - 1, top +
// height - 1), lineWidth thick: the border taken in lineWidth-square
// blocks, every other block, in step round the corners.
std::vector<PixelBox> DottedFrameBoxes(int top, int width, int height, int lineWidth = 1);

// What UpdateListScroll hands the scroll bar and keeps.
struct ListScrollPlan {
    int rows = 0;  // whole visible rows
    int top = 0;   // the new topIndex
    int max = 0;   // highest position of the range (itemCount - 1, at least 0)
    int page = 0;  // rows - 1, within 0..max
    bool showBar = false;
};

// The bar shows only in a pane of minimumSide (32 at 96 DPI) each way.
ListScrollPlan PlanListScroll(int clientWidth, int clientHeight, int lineHeight, int itemCount,
                              int focusIndex, int topIndex, bool ensureFocusVisible,
                              int scrollBarWidth, int minimumSide = 32);

// One anti-diagonal run of a check box's gradient: the pixels from
// (x1, y1) stepping (-1, +1) for `length` pixels, relative to the box's
// top-left corner; colourStep is i + j - 1 of every pixel on it.
struct GradientRun {
    int x1 = 0;
    int y1 = 0;
    int length = 0;
    int colourStep = 0;
};

// Interior side length of a check box (B - 2 outline widths), 0 when
// there is none. Its pixels are lineWidth .. lineWidth + n - 1 from the
// box's corner, where the runs below count from 1.
int CheckBoxInterior(int checkBoxSize, int lineWidth = 1);
// The runs covering the n x n interior (pixels 1..n on each axis) once
// each, top-row starts first, then those ending on the bottom row.
int GradientRunCount(int interior);
GradientRun GradientRunAt(int interior, int index);
// One channel of the gradient at step s of 2n: c1 + ((c2 - c1) * s) / (2n).
Colour GradientColour(Colour first, Colour second, int step, int interior);

}  // namespace tessel
