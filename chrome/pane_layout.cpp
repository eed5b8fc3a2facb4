#include "chrome/pane_layout.h"

#include <algorithm>

#include "store/saturate.h"

namespace tessel {

PaneRect ListPaneRect(std::int32_t width, std::int32_t height, const LayoutSettings& layout,
                      bool categoryBarShown) {
    const std::int64_t border = layout.WindowBorderWidth;
    const std::int64_t top =
        categoryBarShown
            ? std::int64_t{layout.TitleBarHeight} + layout.CategoryHeight + layout.BoundaryHeight
            : std::int64_t{layout.TitleBarHeight} + layout.TitleListSpace;
    PaneRect rect;
    rect.x = SaturateToInt32(border);
    rect.y = SaturateToInt32(top);
    rect.width = SaturateToInt32(std::max<std::int64_t>(std::int64_t{width} - 2 * border, 0));
    rect.height = SaturateToInt32(std::max<std::int64_t>(std::int64_t{height} - border - top, 0));
    return rect;
}

}  // namespace tessel
