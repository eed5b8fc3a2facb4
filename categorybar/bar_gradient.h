// The colours of the gradient look: the rows of the title and category bars
// run from TitleBack1 to TitleBack2, the side-edge pixels beside them from
// TitleBorder to the window border colour.
#pragma once

#include <cstdint>

#include "storage/layout_settings.h"

namespace tessel {

// Which bars a drawing covers (bit set).
enum BarParts : int { kBarTitle = 1, kBarCategory = 2, kBarBoth = 3 };

// Per channel from c1 towards c2: c1 + (c2 - c1) * k / n, truncating toward
// zero. A span of no rows (n <= 0) answers c1 rather than dividing by zero.
Colour BlendColour(Colour c1, Colour c2, std::int64_t k, std::int64_t n);

// u: the last gradient row, TitleBarHeight + CategoryHeight - 1 with the
// category bar shown, TitleBarHeight - 1 without.
std::int32_t GradientLastRow(const LayoutSettings& layout, bool categoryBarShown);

// The colour of gradient row y (colour index y - 1 of u).
Colour GradientRowColour(const LayoutSettings& layout, bool categoryBarShown, std::int32_t y);

// The rows a gradient background paints for the given parts: the title bar
// rows 1 .. TitleBarHeight, the category bar rows TitleBarHeight .. u, or
// 1 .. u for both. first > last when there is nothing to paint.
struct RowSpan {
    std::int32_t first = 0;
    std::int32_t last = -1;
};
RowSpan GradientRows(const LayoutSettings& layout, bool categoryBarShown, int parts);

// n: the side-edge rows, TitleBarHeight + CategoryHeight (with the category
// bar shown or not).
std::int32_t SideEdgeRows(const LayoutSettings& layout);
// The colour of side-edge pixel row j (0 .. n - 1).
Colour SideEdgeColour(const LayoutSettings& layout, std::int32_t j);

}  // namespace tessel
