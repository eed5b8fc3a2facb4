#include "categorybar/bar_gradient.h"

#include <algorithm>

#include "store/saturate.h"

namespace tessel {
namespace {

std::int64_t Channel(Colour colour, int shift) {
    return (colour >> shift) & 0xFF;
}

}  // namespace

Colour BlendColour(Colour c1, Colour c2, std::int64_t k, std::int64_t n) {
    if (n <= 0) {
        return c1 & 0xFFFFFF;
    }
    Colour result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        std::int64_t a = Channel(c1, shift);
        std::int64_t b = Channel(c2, shift);
        std::int64_t value = std::clamp<std::int64_t>(a + (b - a) * k / n, 0, 255);
        result |= static_cast<Colour>(value) << shift;
    }
    return result;
}

std::int32_t GradientLastRow(const LayoutSettings& layout, bool categoryBarShown) {
    std::int64_t u = std::int64_t{layout.TitleBarHeight} - 1;
    if (categoryBarShown) {
        u += layout.CategoryHeight;
    }
    return SaturateToInt32(u);
}

Colour GradientRowColour(const LayoutSettings& layout, bool categoryBarShown, std::int32_t y) {
    return BlendColour(layout.TitleBack1, layout.TitleBack2, std::int64_t{y} - 1,
                       GradientLastRow(layout, categoryBarShown));
}

RowSpan GradientRows(const LayoutSettings& layout, bool categoryBarShown, int parts) {
    std::int32_t u = GradientLastRow(layout, categoryBarShown);
    switch (parts) {
        case kBarTitle:
            return {1, layout.TitleBarHeight};
        case kBarCategory:
            return {layout.TitleBarHeight, u};
        default:
            return {1, u};
    }
}

std::int32_t SideEdgeRows(const LayoutSettings& layout) {
    return SaturateToInt32(std::int64_t{layout.TitleBarHeight} + layout.CategoryHeight);
}

Colour SideEdgeColour(const LayoutSettings& layout, std::int32_t j) {
    return BlendColour(layout.TitleBorder, layout.WindowBorderColour, j, SideEdgeRows(layout));
}

}  // namespace tessel
