#include "categorybar/bar_drawing_win.h"

#include <algorithm>

#include "categorybar/bar_glyphs.h"
#include "drawing/draw_primitives_win.h"

namespace tessel {
namespace {

void DrawSegments(HDC dc, Colour colour, const std::vector<Segment>& segments) {
    for (const Segment& s : segments) {
        DrawLine(dc, colour, s.x1, s.y1, s.x2, s.y2);
    }
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
    Colour glyph = scene.closePressed ? layout.ButtonDown : layout.ButtonUp;
    DrawSegments(dc, glyph, CloseGlyph(CloseGlyphOrigin(layout, scene.width)));

    if (layout.DispSystemIcon == 1 && scene.icon != nullptr) {
        PixelPoint at = TitleIconOrigin(layout);
        DrawIconEx(dc, at.x, at.y, scene.icon, kTitleIconSize, kTitleIconSize, 0, nullptr,
                   DI_NORMAL);
    }

    PixelPoint text = TitleTextOrigin(layout);
    {
        SelectedObject font(dc, fonts.title);
        SetTextColor(dc, layout.TitleText);
        DrawText932(dc, text.x, text.y, scene.title);
    }

    if (scene.gradient) {
        DrawLine(dc, layout.TitleBorder, 0, 0, scene.width + 1, 0);
    } else {
        DrawRectOutline(dc, layout.TitleBorder, 0, 0, scene.width, layout.TitleBarHeight);
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
    const std::int32_t a = scene.width - kArrowAreaWidth;
    const std::int32_t barTop = layout.TitleBarHeight;
    // The arrow area is painted afresh, covering tab text that ran into it.
    if (scene.gradient) {
        PaintGradientRows(dc, scene, barTop, barTop + layout.CategoryHeight - 1, a,
                          scene.width - 1);
    } else {
        FillBox(dc, layout.WindowBack, a, barTop, kArrowAreaWidth, layout.CategoryHeight);
    }
    const std::int32_t t = ArrowGlyphTop(layout);
    const std::int32_t scroll = scene.strip.scrollIndex;
    const std::int64_t maxScroll =
        std::int64_t{scene.strip.totalTabWidth} - VisibleStripWidth(scene.strip);
    DrawSegments(dc,
                 scene.pressedArrow == CategoryArrow::Left ? layout.ButtonDown : layout.ButtonUp,
                 LeftArrowGlyph(a, t, scroll > 0));
    DrawSegments(dc,
                 scene.pressedArrow == CategoryArrow::Right ? layout.ButtonDown : layout.ButtonUp,
                 RightArrowGlyph(a, t, scroll != maxScroll));
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
    if (scene.dragActive) {
        std::int32_t l = DropMarkerX(placement, scene.dropIndex, scene.width);
        DrawLine(dc, layout.DragLine, l - 1, barTop, l - 1, barTop + layout.CategoryHeight);
        DrawLine(dc, layout.DragLine, l, barTop, l, barTop + layout.CategoryHeight);
    }
    if (layout.BoundaryHeight > 0) {
        std::int32_t y = BoundaryLineY(layout);
        DrawLine(dc, layout.CategoryBorder, layout.WindowBorderWidth, y,
                 scene.width - layout.WindowBorderWidth, y);
    }
}

void PaintSideEdges(HDC dc, const BarScene& scene, int parts) {
    const LayoutSettings& layout = *scene.layout;
    if (scene.gradient) {
        const std::int32_t rows = std::min(SideEdgeRows(layout), scene.height);
        for (std::int32_t j = 0; j < rows; ++j) {
            Colour colour = SideEdgeColour(layout, j);
            SetPixelV(dc, 0, j, colour);
            SetPixelV(dc, scene.width - 1, j, colour);
        }
    } else if (parts & kBarCategory) {
        const std::int32_t top = layout.TitleBarHeight;
        const std::int32_t bottom = top + layout.CategoryHeight + 1;
        DrawLine(dc, layout.WindowBorderColour, 0, top, 0, bottom);
        DrawLine(dc, layout.WindowBorderColour, scene.width - 1, top, scene.width - 1, bottom);
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
    FillBox(dc, layout.WindowBack, 0, 0, w, h);
    DrawLine(dc, layout.WindowBorderColour, 0, 0, 0, h - 1);
    DrawLine(dc, layout.WindowBorderColour, w - 1, 0, w - 1, h - 1);
    PaintBars(dc, scene, fonts, kBarBoth);
    // A window no taller than its solid title bar is closed by that bar's outline.
    if (scene.gradient || h > layout.TitleBarHeight) {
        DrawLine(dc, layout.WindowBorderColour, 0, h - 1, w, h - 1);
    }
}

}  // namespace tessel
