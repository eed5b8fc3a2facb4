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

ListMetrics ListMetricsFrom(const LayoutSettings& layout, DpiScale scale) {
    ListMetrics m;
    m.scale = scale;
    m.lineHeight = std::min(AtLeastOne(layout.ListLineHeight), kSizeLimit);
    m.indentWidth = Offset(layout.ListIndentWidth);
    m.checkBoxSize = Size(layout.CheckBoxSize);
    m.checkBoxMarginLeft = Offset(layout.CheckBoxMarginLeft);
    m.checkBoxMarginRight = Offset(layout.CheckBoxMarginRight);
    m.fontSize = std::min(AtLeastOne(layout.listFont.size), kSizeLimit);
    m.scrollBarWidth = Size(layout.ScrollBarWidth);
    return m;
}

int LineWidth(const ListMetrics& m) {
    return m.scale.Line();
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
    return (m.checkBoxSize - m.scale(kCheckMarkSize)) / 2;
}

std::vector<PixelBox> CheckMarkBoxes(DpiScale scale) {
    // One polyline through nine points: each line ends where the next begins.
    static const std::vector<Segment> kDesign = {
        {0, 2, 2, 4}, {2, 4, 6, 0}, {6, 0, 6, 2}, {6, 2, 2, 6},
        {2, 6, 0, 4}, {0, 4, 0, 3}, {0, 3, 2, 5}, {2, 5, 6, 1},
    };
    return GlyphBoxes(kDesign, scale);
}

bool IsOnCheckBox(int x, int y, int indent, const ListMetrics& m) {
    const int left = CheckBoxLeft(indent, m);
    const int top = CheckBoxTop(m.lineHeight * (y / m.lineHeight), m);
    return x >= left && x < left + m.checkBoxSize && y >= top && y < top + m.checkBoxSize;
}

int DropLineY(int dropIndex, int topIndex, int lineHeight, int clientHeight, int lineWidth) {
    const std::int64_t raw = (std::int64_t{dropIndex} - topIndex) * AtLeastOne(lineHeight);
    // Far outside the pane nothing is visible; keep the value drawable.
    int y = static_cast<int>(
        std::clamp<std::int64_t>(raw, -lineWidth, std::int64_t{clientHeight} + lineWidth));
    if (y == 0) {
        y = lineWidth;
    } else if (y == clientHeight) {
        y = clientHeight - lineWidth;
    }
    return y;
}

std::vector<PixelBox> DottedLineBoxes(int x, int y, int length, int lineWidth) {
    std::vector<PixelBox> dots;
    const std::int64_t t = std::max(lineWidth, 1);
    for (std::int64_t k = 0; 2 * t * k < length; ++k) {
        dots.push_back({static_cast<std::int32_t>(x + 2 * t * k), y, static_cast<std::int32_t>(t),
                        static_cast<std::int32_t>(t)});
    }
    return dots;
}

namespace {

// Starts of the blocks along a side of the given length: every lineWidth
// pixels, the last one flush with the far end.
std::vector<int> BlockStarts(int length, int lineWidth) {
    std::vector<int> starts;
    for (int at = 0; at < length - lineWidth; at += lineWidth) {
        starts.push_back(at);
    }
    starts.push_back(std::max(length - lineWidth, 0));
    return starts;
}

}  // namespace

std::vector<PixelBox> DottedFrameBoxes(int top, int width, int height, int lineWidth) {
    std::vector<PixelBox> dots;
    if (width <= 0 || height <= 0) {
        return dots;
    }
    const int t = std::max(lineWidth, 1);
    const std::vector<int> columns = BlockStarts(width, t);
    const std::vector<int> rows = BlockStarts(height, t);
    const std::size_t lastColumn = columns.size() - 1;
    const std::size_t lastRow = rows.size() - 1;
    const auto dot = [&](std::size_t i, std::size_t j) {
        if ((i + j) % 2 == 0) {
            dots.push_back({columns[i], top + rows[j], std::min(t, width - columns[i]),
                            std::min(t, height - rows[j])});
        }
    };
    for (std::size_t i = 0; i <= lastColumn; ++i) {
        dot(i, 0);
        if (lastRow != 0) {
            dot(i, lastRow);
        }
    }
    for (std::size_t j = 1; j < lastRow; ++j) {
        dot(0, j);
        if (lastColumn != 0) {
            dot(lastColumn, j);
        }
    }
    return dots;
}

ListScrollPlan PlanListScroll(int clientWidth, int clientHeight, int lineHeight, int itemCount,
                              int focusIndex, int topIndex, bool ensureFocusVisible,
                              int scrollBarWidth, int minimumSide) {
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
    plan.showBar = itemCount > plan.rows && clientWidth >= minimumSide &&
                   clientHeight >= minimumSide && scrollBarWidth >= 1;
    return plan;
}

int CheckBoxInterior(int checkBoxSize, int lineWidth) {
    return std::max(checkBoxSize - 2 * std::max(lineWidth, 1), 0);
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
