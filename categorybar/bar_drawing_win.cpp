#include "categorybar/bar_drawing_win.h"

#include <algorithm>

#include "categorybar/bar_glyphs.h"
#include "drawing/draw_primitives_win.h"

namespace tessel {
namespace {

DpiScale ScaleOf(const BarScene& scene) {
    return scene.strip.scale;
}

// A glyph designed at 96 DPI, drawn at the scene's DPI with its top-left at
// `at`.
void DrawGlyph(HDC dc, Colour colour, const std::vector<Segment>& design, PixelPoint at,
               DpiScale scale) {
    FillBoxes(dc, colour, GlyphBoxes(design, scale), at.x, at.y);
}

// Gradient rows from first to last as lines from x = left to x = right - 1;
// rows outside the image are skipped, so layout values of any size cost
// no more than the image's height.
void PaintGradientRows(HDC dc, const BarScene& scene, std::int32_t first, std::int32_t last,
                       std::int32_t left, std::int32_t right) {
    first = std::max(first, 0);
    last = std::min(last, scene.height - 1);
    for (std::int32_t y = first; y <= last; ++y) {
        DrawLine(dc, GradientRowColour(*scene.layout, scene.strip.barShown, y), left, y, right, y);
    }
}

void PaintBackground(HDC dc, const BarScene& scene, int parts) {
    const LayoutSettings& layout = *scene.layout;
    const std::int32_t w = scene.width;
    if (scene.gradient) {
        RowSpan rows = GradientRows(layout, scene.strip.barShown, parts);
        PaintGradientRows(dc, scene, rows.first, rows.last, 1, w - 1);
        return;
    }
    if (parts & kBarTitle) {
        FillBox(dc, layout.TitleBack1, 1, 1, w - 2, layout.TitleBarHeight - 2);
    }
    if (parts & kBarCategory) {
        FillBox(dc, layout.WindowBack, 1, layout.TitleBarHeight, w - 2, layout.CategoryHeight);
    }
}

void PaintTitleBar(HDC dc, const BarScene& scene, const BarFonts& fonts) {
    const LayoutSettings& layout = *scene.layout;
    const DpiScale scale = ScaleOf(scene);
    Colour glyph = scene.closePressed ? layout.ButtonDown : layout.ButtonUp;
    DrawGlyph(dc, glyph, CloseGlyph({0, 0}), CloseGlyphOrigin(layout, scene.width, scale), scale);

    if (layout.DispSystemIcon == 1 && scene.icon != nullptr) {
        PixelPoint at = TitleIconOrigin(layout, scale);
        const int size = scale(kTitleIconSize);
        DrawIconEx(dc, at.x, at.y, scene.icon, size, size, 0, nullptr, DI_NORMAL);
    }

    PixelPoint text = TitleTextOrigin(layout, scale);
    {
        SelectedObject font(dc, fonts.title);
        SetTextColor(dc, layout.TitleText);
        DrawText932(dc, text.x, text.y, scene.title);
    }

    if (scene.gradient) {
        FillBox(dc, layout.TitleBorder, 0, 0, scene.width + 1, scale.Line());
    } else {
        DrawFrameOutline(dc, layout.TitleBorder, 0, 0, scene.width, layout.TitleBarHeight,
                         scale.Line());
    }
}

void PaintTabs(HDC dc, const BarScene& scene, const BarFonts& fonts,
               const TabPlacement& placement) {
    const LayoutSettings& layout = *scene.layout;
    const std::int32_t textTop = TabTextTop(layout);
    SelectObject(dc, fonts.category);
    for (const PlacedTab& tab : placement.tabs) {
        if (static_cast<std::size_t>(tab.index) >= scene.tabNames.size()) {
            break;
        }
        const std::string& name = scene.tabNames[static_cast<std::size_t>(tab.index)];
        const bool hovered = tab.index != scene.currentCategory && tab.index == scene.hoverCategory;
        Colour colour = layout.NormalCategoryText;
        if (tab.index == scene.currentCategory) {
            colour = layout.SelectCategoryText;
        } else if (hovered) {
            colour = layout.MouseOverCategoryText;
            SelectObject(dc, fonts.hover);
        }
        SetTextColor(dc, colour);
        DrawText932(dc, tab.left + layout.CategorySpace, textTop, name);
        if (hovered) {
            SelectObject(dc, fonts.category);
        }
    }
}

void PaintArrows(HDC dc, const BarScene& scene) {
    const LayoutSettings& layout = *scene.layout;
    const DpiScale scale = ScaleOf(scene);
    const std::int32_t areaWidth = ArrowAreaWidth(scene.strip);
    const std::int32_t a = scene.width - areaWidth;
    const std::int32_t barTop = layout.TitleBarHeight;
    // The arrow area is painted afresh, covering tab text that ran into it.
    if (scene.gradient) {
        PaintGradientRows(dc, scene, barTop, barTop + layout.CategoryHeight - 1, a,
                          scene.width - 1);
    } else {
        FillBox(dc, layout.WindowBack, a, barTop, areaWidth, layout.CategoryHeight);
    }
    const PixelPoint at{a, ArrowGlyphTop(layout, scale)};
    const std::int32_t scroll = scene.strip.scrollIndex;
    const std::int64_t maxScroll =
        std::int64_t{scene.strip.totalTabWidth} - VisibleStripWidth(scene.strip);
    DrawGlyph(dc, scene.pressedArrow == CategoryArrow::Left ? layout.ButtonDown : layout.ButtonUp,
              LeftArrowGlyph(0, 0, scroll > 0), at, scale);
    DrawGlyph(dc, scene.pressedArrow == CategoryArrow::Right ? layout.ButtonDown : layout.ButtonUp,
              RightArrowGlyph(0, 0, scroll != maxScroll), at, scale);
}

void PaintCategoryBar(HDC dc, const BarScene& scene, const BarFonts& fonts) {
    const LayoutSettings& layout = *scene.layout;
    const std::int32_t barTop = layout.TitleBarHeight;
    if (!scene.gradient) {
        FillBox(dc, layout.WindowBack, 1, barTop, scene.width - 2,
                layout.BoundaryHeight + layout.CategoryHeight);
    }
    TabPlacement placement = PlaceTabs(scene.strip);
    PaintTabs(dc, scene, fonts, placement);
    if (ArrowsShown(placement, scene.strip.scrollIndex)) {
        PaintArrows(dc, scene);
    }
    const std::int32_t line = ScaleOf(scene).Line();
    if (scene.dragActive) {
        // Two lines side by side, the left one ending at l.
        std::int32_t l = DropMarkerX(placement, scene.dropIndex, scene.width, line);
        FillBox(dc, layout.DragLine, l - line, barTop, 2 * line, layout.CategoryHeight);
    }
    if (layout.BoundaryHeight > 0) {
        std::int32_t y = BoundaryLineY(layout);
        FillBox(dc, layout.CategoryBorder, layout.WindowBorderWidth, y,
                scene.width - 2 * layout.WindowBorderWidth, line);
    }
}

void PaintSideEdges(HDC dc, const BarScene& scene, int parts) {
    const LayoutSettings& layout = *scene.layout;
    const std::int32_t line = ScaleOf(scene).Line();
    if (scene.gradient) {
        const std::int32_t rows = std::min(SideEdgeRows(layout), scene.height);
        for (std::int32_t j = 0; j < rows; ++j) {
            Colour colour = SideEdgeColour(layout, j);
            for (std::int32_t k = 0; k < line; ++k) {
                SetPixelV(dc, k, j, colour);
                SetPixelV(dc, scene.width - 1 - k, j, colour);
            }
        }
    } else if (parts & kBarCategory) {
        const std::int32_t top = layout.TitleBarHeight;
        const std::int32_t height = layout.CategoryHeight + 1;
        FillBox(dc, layout.WindowBorderColour, 0, top, line, height);
        FillBox(dc, layout.WindowBorderColour, scene.width - line, top, line, height);
    }
}

}  // namespace

void PaintBars(HDC dc, const BarScene& scene, const BarFonts& fonts, int parts) {
    PaintBackground(dc, scene, parts);
    if (parts & kBarTitle) {
        PaintTitleBar(dc, scene, fonts);
    }
    if ((parts & kBarCategory) && scene.strip.barShown) {
        PaintCategoryBar(dc, scene, fonts);
    }
    PaintSideEdges(dc, scene, parts);
}

void PaintFrame(HDC dc, const BarScene& scene, const BarFonts& fonts) {
    const LayoutSettings& layout = *scene.layout;
    const std::int32_t w = scene.width;
    const std::int32_t h = scene.height;
    const std::int32_t line = ScaleOf(scene).Line();
    FillBox(dc, layout.WindowBack, 0, 0, w, h);
    FillBox(dc, layout.WindowBorderColour, 0, 0, line, h - 1);
    FillBox(dc, layout.WindowBorderColour, w - line, 0, line, h - 1);
    PaintBars(dc, scene, fonts, kBarBoth);
    // A window no taller than its solid title bar is closed by that bar's outline.
    if (scene.gradient || h > layout.TitleBarHeight) {
        FillBox(dc, layout.WindowBorderColour, 0, h - line, w, line);
    }
}

}  // namespace tessel
