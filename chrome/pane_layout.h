// Where the list pane stands inside the main window: below the title bar and
// the category bar (or the title-list gap when the bar is hidden), inside
// the frame border, reaching down to H - WindowBorder.
#pragma once

#include <cstdint>

#include "storage/layout_settings.h"

namespace tessel {

struct PaneRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The list pane's rectangle in the main window's client space for a window
// of width x height. A width or height that would be negative (a tiny
// window, or layout.ini values that do not fit) is 0.
PaneRect ListPaneRect(std::int32_t width, std::int32_t height, const LayoutSettings& layout,
                      bool categoryBarShown);

}  // namespace tessel
