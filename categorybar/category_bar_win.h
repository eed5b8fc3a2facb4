// The title and category bars of the main window over the program's state:
// drawing into the off-screen image, the title text, the list pane's place
// and the tab strip's scroll position (AppSettings.ScrollIndex). The
// geometry itself is categorybar/category_strip.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "categorybar/bar_drawing_win.h"
#include "categorybar/category_strip.h"

namespace tessel {

// The strip as the store and the settings have it now.
CategoryStrip CurrentCategoryStrip();
// Everything the bars show now, for the main window's image.
BarScene CurrentBarScene();

// Repaints the whole image: background, frame lines, both bars.
void DrawFrame();
// Repaints kBarTitle, kBarCategory or both in the image. The caller
// invalidates the window.
void DrawBars(int parts);

// Marks the whole frame for repainting from the image.
void InvalidateFrame();
// Pixel width of a category name in the category bar's font; 0 without an
// image.
std::int32_t MeasureCategoryName(const std::string& name);

// Measures every category name again in the bar's font (without an image
// the widths stay) and sums the tab widths afresh: after the DPI changed,
// and after undo brought back names measured at another one.
void RemeasureCategoryNames();

// Sets the window text (cut to 255 bytes at a character), redraws the title
// bar and invalidates the window.
void SetTitleText(std::string_view text);

// Places the list pane for the current size and bars, and clamps the strip.
void LayoutPanes();

// One strip step left, or right with toRight, redrawn.
void ScrollCategoryBar(bool toRight);
// Clamps the strip; with showCurrent brings the current tab into view first.
void EnsureCategoryVisible(bool showCurrent);
// The tab under a client point, or -1.
int HitTestCategoryTab(int x, int y);
// The insertion index under a dragged tab at x, or -1 without a category bar
// or categories; scrolls the strip one step while x is beyond either end.
int CategoryDropIndex(int x);

}  // namespace tessel
