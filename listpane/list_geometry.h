// Row, check-box, text and drop-line geometry of the list pane, and the
// scroll arithmetic that keeps topIndex valid. Pixels in the pane's client
// space; divisions truncate toward zero.
#pragma once

#include <cstdint>

#include "storage/layout_settings.h"

namespace tessel {

// The [Layout] and [Font] values the list pane sizes and divides with,
// made safe whatever layout.ini says: lineHeight and fontSize are 1..4096
// (nothing divides by zero); checkBoxSize and scrollBarWidth are 0..4096
// (0 or below: no check box, no scroll bar); the indent and the margins
// are offsets kept within a million pixels, so that no sum overflows.
struct ListMetrics {
    int lineHeight = 22;          // LH
    int indentWidth = 24;         // IW
    int checkBoxSize = 13;        // B
    int checkBoxMarginLeft = 8;   // ML
    int checkBoxMarginRight = 8;  // MR
    int fontSize = 12;            // FS
    int scrollBarWidth = 16;
};

ListMetrics ListMetricsFrom(const LayoutSettings& layout);

// Whole rows that fit a client height (0 for a height below one row).
int VisibleRows(int clientHeight, int lineHeight);

// The position under client y, or -1 when no item stands there.
int RowAtPoint(int y, int topIndex, int itemCount, int lineHeight);

// Left and top edges of an item's check box, and where its text starts.
int CheckBoxLeft(int indent, const ListMetrics& m);
int CheckBoxTop(int rowTop, const ListMetrics& m);
int TextLeft(int indent, const ListMetrics& m);
int TextTop(int rowTop, const ListMetrics& m);
// Top-left of the 7 x 7 check mark inside a box at (boxLeft, boxTop).
int CheckMarkOffset(const ListMetrics& m);

// True when (x, y) lies on the check box of the row under y for an item of
// the given indent. The item's state is not looked at.
bool IsOnCheckBox(int x, int y, int indent, const ListMetrics& m);

// The y of the lower of the two drop-line rows (the upper is y - 1), kept
// inside a pane of the given height at the top and bottom edge.
int DropLineY(int dropIndex, int topIndex, int lineHeight, int clientHeight);

// What UpdateListScroll hands the scroll bar and keeps.
struct ListScrollPlan {
    int rows = 0;  // whole visible rows
    int top = 0;   // the new topIndex
    int max = 0;   // highest position of the range (itemCount - 1, at least 0)
    int page = 0;  // rows - 1, within 0..max
    bool showBar = false;
};

ListScrollPlan PlanListScroll(int clientWidth, int clientHeight, int lineHeight, int itemCount,
                              int focusIndex, int topIndex, bool ensureFocusVisible,
                              int scrollBarWidth);

// One anti-diagonal run of a check box's gradient: the pixels from
// (x1, y1) stepping (-1, +1) for `length` pixels, relative to the box's
// top-left corner; colourStep is i + j - 1 of every pixel on it.
struct GradientRun {
    int x1 = 0;
    int y1 = 0;
    int length = 0;
    int colourStep = 0;
};

// Interior side length of a check box (B - 2), 0 when there is none.
int CheckBoxInterior(int checkBoxSize);
// The runs covering the n x n interior (pixels 1..n on each axis) once
// each, top-row starts first, then those ending on the bottom row.
int GradientRunCount(int interior);
GradientRun GradientRunAt(int interior, int index);
// One channel of the gradient at step s of 2n: c1 + ((c2 - c1) * s) / (2n).
Colour GradientColour(Colour first, Colour second, int step, int interior);

}  // namespace tessel
