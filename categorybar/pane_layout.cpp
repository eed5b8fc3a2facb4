#include "categorybar/pane_layout.h"

#include <algorithm>
#include <limits>

namespace tessel {
namespace {

std::int32_t Narrow(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

PaneRect ListPaneRect(std::int32_t width, std::int32_t height, const LayoutSettings& layout,
                      bool categoryBarShown) {
    const std::int64_t border = layout.WindowBorderWidth;
    const std::int64_t top =
        categoryBarShown
            ? std::int64_t{layout.TitleBarHeight} + layout.CategoryHeight + layout.BoundaryHeight
            : std::int64_t{layout.TitleBarHeight} + layout.TitleListSpace;
    PaneRect rect;
    rect.x = Narrow(border);
    rect.y = Narrow(top);
    rect.width = Narrow(std::max<std::int64_t>(std::int64_t{width} - 2 * border, 0));
    rect.height = Narrow(std::max<std::int64_t>(std::int64_t{height} - border - top, 0));
    return rect;
}

}  // namespace tessel
