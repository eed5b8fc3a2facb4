#include "listpane/list_geometry.h"

#include "store/list_store.h"

#include <algorithm>
#include <cstdint>

namespace tessel {

namespace {

// Offsets may stay as read, but no screen is a million pixels wide: beyond
// that a layout.ini value can only make the sums below overflow.
constexpr int kOffsetLimit = 1000000;
// Sizes that pixel loops run over (rows, boxes, bars) stay within a sane
// screen size, so a huge value cannot make a repaint take minutes.
constexpr int kSizeLimit = 4096;

int Offset(std::int32_t value) {
    return std::clamp(value, -kOffsetLimit, kOffsetLimit);
}

int Size(std::int32_t value) {
    return std::clamp(value, 0, kSizeLimit);
}

int Indent(int indent) {
    return std::clamp(indent, 0, kMaxIndent);
}

}  // namespace

ListMetrics ListMetricsFrom(const LayoutSettings& layout) {
    ListMetrics m;
    m.lineHeight = std::min(AtLeastOne(layout.ListLineHeight), kSizeLimit);
    m.indentWidth = Offset(layout.ListIndentWidth);
    m.checkBoxSize = Size(layout.CheckBoxSize);
    m.checkBoxMarginLeft = Offset(layout.CheckBoxMarginLeft);
    m.checkBoxMarginRight = Offset(layout.CheckBoxMarginRight);
    m.fontSize = std::min(AtLeastOne(layout.listFont.size), kSizeLimit);
    m.scrollBarWidth = Size(layout.ScrollBarWidth);
    return m;
}

int VisibleRows(int clientHeight, int lineHeight) {
    if (clientHeight <= 0) {
        return 0;
    }
    return clientHeight / AtLeastOne(lineHeight);
}

int RowAtPoint(int y, int topIndex, int itemCount, int lineHeight) {
    const std::int64_t row = std::int64_t{y} / AtLeastOne(lineHeight) + topIndex;
    // A point far above the pane (possible while the mouse is captured)
    // names no row either.
    if (row < 0 || row >= itemCount) {
        return -1;
    }
    return static_cast<int>(row);
}

int CheckBoxLeft(int indent, const ListMetrics& m) {
    return Indent(indent) * m.indentWidth + m.checkBoxMarginLeft;
}

int CheckBoxTop(int rowTop, const ListMetrics& m) {
    return rowTop + (m.lineHeight - m.checkBoxSize) / 2;
}

int TextLeft(int indent, const ListMetrics& m) {
    return CheckBoxLeft(indent, m) + m.checkBoxSize + m.checkBoxMarginRight;
}

int TextTop(int rowTop, const ListMetrics& m) {
    return rowTop + (m.lineHeight - m.fontSize) / 2;
}

int CheckMarkOffset(const ListMetrics& m) {
    return (m.checkBoxSize - 7) / 2;
}

bool IsOnCheckBox(int x, int y, int indent, const ListMetrics& m) {
    const int left = CheckBoxLeft(indent, m);
    const int top = CheckBoxTop(m.lineHeight * (y / m.lineHeight), m);
    return x >= left && x < left + m.checkBoxSize && y >= top && y < top + m.checkBoxSize;
}

int DropLineY(int dropIndex, int topIndex, int lineHeight, int clientHeight) {
    const std::int64_t raw = (std::int64_t{dropIndex} - topIndex) * AtLeastOne(lineHeight);
    // Far outside the pane nothing is visible; keep the value drawable.
    int y = static_cast<int>(std::clamp<std::int64_t>(raw, -1, std::int64_t{clientHeight} + 1));
    if (y == 0) {
        y = 1;
    } else if (y == clientHeight) {
        y = clientHeight - 1;
    }
    return y;
}

ListScrollPlan PlanListScroll(int clientWidth, int clientHeight, int lineHeight, int itemCount,
                              int focusIndex, int topIndex, bool ensureFocusVisible,
                              int scrollBarWidth) {
    ListScrollPlan plan;
    plan.rows = VisibleRows(clientHeight, lineHeight);
    std::int64_t top = topIndex;
    if (ensureFocusVisible) {
        // A pane lower than one row still shows the top row in part: that
        // one is the focus row then, not the row after it.
        const int shown = std::max(plan.rows, 1);
        if (focusIndex < top) {
            top = focusIndex;
        } else if (focusIndex >= top + shown) {
            top = std::int64_t{focusIndex} - shown + 1;
        }
    }
    plan.max = std::max(itemCount - 1, 0);
    plan.page = std::clamp(plan.rows - 1, 0, plan.max);
    top = std::max<std::int64_t>(std::min<std::int64_t>(top, plan.max - plan.page), 0);
    plan.top = static_cast<int>(top);
    // A bar of no width would only hide the pane's right edge.
    plan.showBar =
        itemCount > plan.rows && clientWidth >= 32 && clientHeight >= 32 && scrollBarWidth >= 1;
    return plan;
}

int CheckBoxInterior(int checkBoxSize) {
    return std::max(checkBoxSize - 2, 0);
}

int GradientRunCount(int interior) {
    return interior > 0 ? 2 * interior - 1 : 0;
}

GradientRun GradientRunAt(int interior, int index) {
    const int n = interior;
    const int d = index + 2;  // i + j of every pixel on the run
    GradientRun run;
    run.colourStep = d - 1;
    if (d <= n + 1) {
        // Starts on the top interior row and runs down to the left column.
        run.x1 = d - 1;
        run.y1 = 1;
        run.length = d - 1;
    } else {
        // Starts on the right interior column and ends on the bottom row.
        run.x1 = n;
        run.y1 = d - n;
        run.length = 2 * n - d + 1;
    }
    return run;
}

Colour GradientColour(Colour first, Colour second, int step, int interior) {
    const int denominator = 2 * std::max(interior, 1);
    Colour result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int c1 = static_cast<int>((first >> shift) & 0xFF);
        const int c2 = static_cast<int>((second >> shift) & 0xFF);
        const int channel = c1 + ((c2 - c1) * step) / denominator;
        result |= static_cast<Colour>(std::clamp(channel, 0, 255)) << shift;
    }
    return result;
}

}  // namespace tessel
