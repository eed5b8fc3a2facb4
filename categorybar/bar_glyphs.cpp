#include "categorybar/bar_glyphs.h"

#include "store/saturate.h"

namespace tessel {

PixelPoint CloseGlyphOrigin(const LayoutSettings& layout, std::int32_t windowWidth,
                            DpiScale scale) {
    std::int64_t size = layout.CloseButtonSize;
    std::int64_t glyph = scale(kCloseGlyphSize);
    std::int64_t x =
        std::int64_t{windowWidth} - layout.CloseButtonMarginRight - size + (size - glyph) / 2;
    std::int64_t y = std::int64_t{layout.CloseButtonMarginTop} + (size - glyph) / 2;
    return {SaturateToInt32(x), SaturateToInt32(y)};
}

std::vector<Segment> CloseGlyph(PixelPoint o) {
    const std::int32_t x = o.x;
    const std::int32_t y = o.y;
    return {
        {x + 4, y + 12, x + 13, y + 3}, {x + 3, y + 12, x + 13, y + 2},
        {x + 3, y + 11, x + 12, y + 2}, {x + 4, y + 3, x + 13, y + 12},
        {x + 3, y + 3, x + 13, y + 13}, {x + 3, y + 4, x + 12, y + 13},
    };
}

PixelPoint TitleIconOrigin(const LayoutSettings& layout, DpiScale scale) {
    // Centred, and moved down by what the title bar's top line gains in
    // width, so that a line thicker than a pixel does not cut into it.
    const std::int64_t centred = (std::int64_t{layout.TitleBarHeight} - scale(kTitleIconSize)) / 2;
    return {scale(kTitleIconX), SaturateToInt32(centred + scale.Line() - 1)};
}

PixelPoint TitleTextOrigin(const LayoutSettings& layout, DpiScale scale) {
    std::int32_t x = scale(layout.DispSystemIcon == 1 ? 22 : 6);
    std::int64_t y = (std::int64_t{layout.TitleBarHeight} - layout.titleFont.size) / 2 + scale(1);
    return {x, SaturateToInt32(y)};
}

std::int32_t TabTextTop(const LayoutSettings& layout) {
    return SaturateToInt32(std::int64_t{layout.TitleBarHeight} +
                           (std::int64_t{layout.CategoryHeight} - layout.categoryFont.size) / 2);
}

std::int32_t ArrowGlyphTop(const LayoutSettings& layout, DpiScale scale) {
    return SaturateToInt32(std::int64_t{layout.TitleBarHeight} +
                           (std::int64_t{layout.CategoryHeight} - scale(kArrowGlyphHeight)) / 2);
}

std::vector<Segment> LeftArrowGlyph(std::int32_t a, std::int32_t t, bool filled) {
    if (filled) {
        return {
            {a + 7, t + 1, a + 7, t + 10}, {a + 6, t + 2, a + 6, t + 9},
            {a + 5, t + 3, a + 5, t + 8},  {a + 4, t + 4, a + 4, t + 7},
            {a + 3, t + 5, a + 3, t + 6},
        };
    }
    return {
        {a + 7, t + 1, a + 3, t + 5}, {a + 3, t + 5, a + 7, t + 9}, {a + 7, t + 9, a + 7, t + 1}};
}

std::vector<Segment> RightArrowGlyph(std::int32_t a, std::int32_t t, bool filled) {
    if (filled) {
        return {
            {a + 16, t + 1, a + 16, t + 10}, {a + 17, t + 2, a + 17, t + 9},
            {a + 18, t + 3, a + 18, t + 8},  {a + 19, t + 4, a + 19, t + 7},
            {a + 20, t + 5, a + 20, t + 6},
        };
    }
    return {{a + 16, t + 1, a + 16, t + 9},
            {a + 16, t + 9, a + 20, t + 5},
            {a + 20, t + 5, a + 16, t + 1}};
}

std::int32_t BoundaryLineY(const LayoutSettings& layout) {
    return SaturateToInt32(std::int64_t{layout.TitleBarHeight} + layout.CategoryHeight +
                           layout.BoundaryHeight / 2 - 1);
}

}  // namespace tessel
