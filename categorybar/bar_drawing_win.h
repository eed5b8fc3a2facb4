// Paints the window frame, the title bar and the category bar into a device
// context from a scene: everything the drawing reads, gathered in one
// record, so that a test can paint any state into a memory DC and read the
// pixels back. categorybar/category_bar_win.h builds the scene from the program's
// state and paints into the main window's off-screen image.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "categorybar/bar_gradient.h"
#include "categorybar/bar_state.h"
#include "categorybar/category_strip.h"
#include "chrome/offscreen_win.h"
#include "storage/layout_settings.h"

namespace tessel {

struct BarScene {
    const LayoutSettings* layout = nullptr;
    std::int32_t width = 0;             // W
    std::int32_t height = 0;            // H
    bool gradient = true;               // TitleGradient
    CategoryStrip strip;                // tabs, scroll index, bar shown, the DPI's scale
    std::vector<std::string> tabNames;  // in store order, as many as strip.tabWidths
    int currentCategory = -1;
    int hoverCategory = -1;
    CategoryArrow pressedArrow = CategoryArrow::None;
    bool closePressed = false;
    bool dragActive = false;
    int dropIndex = -1;
    std::string title;
    HICON icon = nullptr;  // the small icon; none is simply not drawn
};

// Every size comes from the layout (already at the window's DPI) and the
// strip's scale: the fixed sizes, the glyphs and the width of every line.

// The whole frame: background, the frame lines and both bars.
void PaintFrame(HDC dc, const BarScene& scene, const BarFonts& fonts);
// The title bar (kBarTitle), the category bar (kBarCategory) or both.
void PaintBars(HDC dc, const BarScene& scene, const BarFonts& fonts, int parts);

}  // namespace tessel
