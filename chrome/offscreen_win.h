// The main window's off-screen image: a memory device context of the
// window's size with its bitmap, and the three fonts of the bars (title,
// category, and the category font underlined for the tab under the mouse).
// Everything outside the list pane is drawn here, by the bars
// (categorybar/); WM_PAINT only copies. Between two drawings the category
// font stays selected, because the tab widths are measured on this context.
#pragma once

#include <windows.h>

namespace tessel {

struct BarFonts {
    HFONT title = nullptr;
    HFONT category = nullptr;  // selected between drawings
    HFONT hover = nullptr;     // the category font, underlined when hover shows
};

// What draws the whole frame into the image (the bars, which sit above and
// fill it in before the image is first made).
void SetOffscreenDrawing(void (*drawWholeFrame)());

// Releases any image, then makes one of the main window's client size, its
// fonts (and the title icon, when the DPI asks for another size), sets
// transparent text and draws the whole frame. false as soon as something
// cannot be made (what was made stays until the next release).
bool CreateOffscreen(HWND mainWindow);
// After a size change: CreateOffscreen, unless the image already has the
// client size (the size message that follows creation), which is then only
// redrawn whole: the same picture without making bitmap and fonts again.
bool RefreshOffscreen(HWND mainWindow);
// Puts back what was selected and frees the bitmap, the context and the
// fonts; nothing to do when there is no image.
void ReleaseOffscreen();

// The image's context (null when there is none), its size and fonts.
HDC OffscreenDc();
int OffscreenWidth();
int OffscreenHeight();
BarFonts OffscreenFonts();
// The program's small icon as the title bar draws it (null when the module
// has none).
HICON TitleIcon();

}  // namespace tessel
