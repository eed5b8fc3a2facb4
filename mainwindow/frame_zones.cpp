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
                  SizingEdge& edge, DpiScale scale) {
    const std::int32_t edgeSize = scale(kEdgeSize);
    const std::int32_t cornerSize = scale(kCornerSize);
    const std::int32_t gripWidth = scale(kGripWidth);
    const std::int32_t gripHeight = scale(kGripHeight);
    const bool left = Within(x, 0, edgeSize) && Within(y, 0, height);
    const bool top = Within(x, 0, width) && Within(y, 0, edgeSize);
    const bool right = Within(x, width - edgeSize, width) && Within(y, 0, height);
    const bool bottom = Within(x, 0, width) && Within(y, height - edgeSize, height);
    struct Candidate {
        bool hit;
        SizingEdge edge;
    };
    const Candidate zones[] = {
        {Within(x, 0, cornerSize) && Within(y, 0, cornerSize), SizingEdge::TopLeft},
        {Within(x, width - cornerSize, width) && Within(y, 0, cornerSize), SizingEdge::TopRight},
        {Within(x, width - gripWidth, width) && Within(y, height - gripHeight, height),
         SizingEdge::BottomRight},
        {Within(x, 0, cornerSize) && Within(y, height - cornerSize, height),
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

ZoneBox TitleBarBox(const LayoutSettings& layout, std::int32_t width) {
    return ZoneBox{0, 0, width, layout.TitleBarHeight};
}

ZoneBox CloseButtonBox(const LayoutSettings& layout, std::int32_t width) {
    const std::int32_t right = width - layout.CloseButtonMarginRight;
    return ZoneBox{right - layout.CloseButtonSize, layout.CloseButtonMarginTop,
                   layout.CloseButtonSize, layout.CloseButtonSize};
}

ZoneBox CategoryBarBox(const LayoutSettings& layout, std::int32_t width) {
    return ZoneBox{0, layout.TitleBarHeight, width, layout.CategoryHeight};
}

bool OnCloseButton(const LayoutSettings& layout, std::int32_t width, std::int32_t x,
                   std::int32_t y) {
    const ZoneBox box = CloseButtonBox(layout, width);
    return Within(x, box.left, box.left + box.width) && Within(y, box.top, box.top + box.height);
}

bool OnSystemIcon(const LayoutSettings& layout, std::int32_t x, std::int32_t y, DpiScale scale) {
    const std::int32_t left = scale(kTitleIconX);
    const std::int32_t top = scale(1);
    const std::int32_t size = scale(kTitleIconSize);
    return layout.DispSystemIcon == 1 && Within(x, left, left + size) && Within(y, top, top + size);
}

bool InCategoryBar(const LayoutSettings& layout, bool barShown, std::int32_t y) {
    const ZoneBox box = CategoryBarBox(layout, 0);
    return barShown && Within(y, box.top, box.top + box.height);
}

CategoryArrow ArrowButtonAt(std::int32_t width, std::int32_t x, ArrowSplit split, DpiScale scale) {
    const std::int32_t area = width - scale(kArrowAreaWidth);
    if (x < area) {
        return CategoryArrow::None;
    }
    const std::int32_t leftWidth =
        split == ArrowSplit::Click ? scale(kLeftArrowWidth) : scale(kArrowAreaWidth) / 2;
    return x < area + leftWidth ? CategoryArrow::Left : CategoryArrow::Right;
}

}  // namespace tessel
