#include "mainwindow/frame_zones.h"

#include "categorybar/bar_glyphs.h"
#include "categorybar/category_strip.h"

namespace tessel {
namespace {

constexpr std::int32_t kCornerSize = 8;
constexpr std::int32_t kEdgeSize = 4;
// The bottom-right corner is a larger grip, where a resize is most often
// started.
constexpr std::int32_t kGripWidth = 16;
constexpr std::int32_t kGripHeight = 32;
// The left arrow button of a single click: x from W - 28 to W - 16.
constexpr std::int32_t kLeftArrowWidth = 12;

// HTLEFT ... HTBOTTOMRIGHT, indexed by SizingEdge.
constexpr int kHitTestCodes[] = {10, 12, 11, 15, 13, 14, 17, 16};

bool Within(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value < high;
}

}  // namespace

bool BorderZoneAt(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                  SizingEdge& edge) {
    const bool left = Within(x, 0, kEdgeSize) && Within(y, 0, height);
    const bool top = Within(x, 0, width) && Within(y, 0, kEdgeSize);
    const bool right = Within(x, width - kEdgeSize, width) && Within(y, 0, height);
    const bool bottom = Within(x, 0, width) && Within(y, height - kEdgeSize, height);
    struct Candidate {
        bool hit;
        SizingEdge edge;
    };
    const Candidate zones[] = {
        {Within(x, 0, kCornerSize) && Within(y, 0, kCornerSize), SizingEdge::TopLeft},
        {Within(x, width - kCornerSize, width) && Within(y, 0, kCornerSize), SizingEdge::TopRight},
        {Within(x, width - kGripWidth, width) && Within(y, height - kGripHeight, height),
         SizingEdge::BottomRight},
        {Within(x, 0, kCornerSize) && Within(y, height - kCornerSize, height),
         SizingEdge::BottomLeft},
        {left, SizingEdge::Left},
        {top, SizingEdge::Top},
        {right, SizingEdge::Right},
        {bottom, SizingEdge::Bottom},
    };
    for (const Candidate& c : zones) {
        if (c.hit) {
            edge = c.edge;
            return true;
        }
    }
    return false;
}

int ZoneHitTestCode(SizingEdge edge) {
    return kHitTestCodes[static_cast<int>(edge)];
}

ZoneCursor ZoneCursorOf(SizingEdge edge) {
    switch (edge) {
        case SizingEdge::Left:
        case SizingEdge::Right:
            return ZoneCursor::SizeWE;
        case SizingEdge::Top:
        case SizingEdge::Bottom:
            return ZoneCursor::SizeNS;
        case SizingEdge::TopLeft:
        case SizingEdge::BottomRight:
            return ZoneCursor::SizeNWSE;
        case SizingEdge::TopRight:
        case SizingEdge::BottomLeft:
            return ZoneCursor::SizeNESW;
    }
    return ZoneCursor::SizeWE;
}

bool MovesLeft(SizingEdge edge) {
    return edge == SizingEdge::Left || edge == SizingEdge::TopLeft ||
           edge == SizingEdge::BottomLeft;
}
bool MovesTop(SizingEdge edge) {
    return edge == SizingEdge::Top || edge == SizingEdge::TopLeft || edge == SizingEdge::TopRight;
}
bool MovesRight(SizingEdge edge) {
    return edge == SizingEdge::Right || edge == SizingEdge::TopRight ||
           edge == SizingEdge::BottomRight;
}
bool MovesBottom(SizingEdge edge) {
    return edge == SizingEdge::Bottom || edge == SizingEdge::BottomRight ||
           edge == SizingEdge::BottomLeft;
}

bool OnCloseButton(const LayoutSettings& layout, std::int32_t width, std::int32_t x,
                   std::int32_t y) {
    const std::int32_t right = width - layout.CloseButtonMarginRight;
    return Within(x, right - layout.CloseButtonSize, right) &&
           Within(y, layout.CloseButtonMarginTop,
                  layout.CloseButtonMarginTop + layout.CloseButtonSize);
}

bool OnSystemIcon(const LayoutSettings& layout, std::int32_t x, std::int32_t y) {
    return layout.DispSystemIcon == 1 && Within(x, kTitleIconX, kTitleIconX + kTitleIconSize) &&
           Within(y, 1, 1 + kTitleIconSize);
}

bool InCategoryBar(const LayoutSettings& layout, bool barShown, std::int32_t y) {
    return barShown &&
           Within(y, layout.TitleBarHeight, layout.TitleBarHeight + layout.CategoryHeight);
}

CategoryArrow ArrowButtonAt(std::int32_t width, std::int32_t x, ArrowSplit split) {
    const std::int32_t area = width - kArrowAreaWidth;
    if (x < area) {
        return CategoryArrow::None;
    }
    const std::int32_t leftWidth =
        split == ArrowSplit::Click ? kLeftArrowWidth : kArrowAreaWidth / 2;
    return x < area + leftWidth ? CategoryArrow::Left : CategoryArrow::Right;
}

}  // namespace tessel
