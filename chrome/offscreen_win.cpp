#include "chrome/offscreen_win.h"

#include <algorithm>

#include "drawing/draw_primitives_win.h"
#include "drawing/gdi_handles_win.h"
#include "drawing/offscreen_image_win.h"
#include "drawing/program_icon_win.h"
#include "process/app_state_win.h"

namespace tessel {
namespace {

// The frame's image with what is drawn into it. width and height are the
// client size, which is 0 x 0 while the window is minimised.
struct Offscreen {
    OffscreenImage image;
    FontHandle titleFont;
    FontHandle categoryFont;
    FontHandle hoverFont;
    HGDIOBJ previousFont = nullptr;
    int width = 0;
    int height = 0;
    IconHandle icon;
    int iconDpi = 0;  // the DPI the icon was loaded for; 0 before the first try
};

Offscreen frame;
void (*drawWholeFrame)() = nullptr;

void DrawWholeFrame() {
    if (drawWholeFrame != nullptr) {
        drawWholeFrame();
    }
}

}  // namespace

void SetOffscreenDrawing(void (*draw)()) {
    drawWholeFrame = draw;
}

bool CreateOffscreen(HWND mainWindow) {
    ReleaseOffscreen();
    RECT client{};
    GetClientRect(mainWindow, &client);
    frame.width = client.right - client.left;
    frame.height = client.bottom - client.top;
    // A minimised window reports no size; a 1 x 1 image stands in until the
    // next size change.
    if (!frame.image.Create(mainWindow, std::max(frame.width, 1), std::max(frame.height, 1))) {
        return false;
    }

    const FontSpec& title = AppLayout.titleFont;
    const FontSpec& category = AppLayout.categoryFont;
    frame.titleFont = CreateListFont(title.face, title.size, title.style);
    frame.categoryFont = CreateListFont(category.face, category.size, category.style);
    int hoverStyle = category.style | (AppLayout.CategoryMouseOver == 1 ? kFontUnderline : 0);
    frame.hoverFont = CreateListFont(category.face, category.size, hoverStyle);
    if (!frame.titleFont || !frame.categoryFont || !frame.hoverFont) {
        return false;
    }
    frame.previousFont = SelectObject(frame.image.Dc(), frame.categoryFont.Get());

    if (frame.iconDpi != AppDpi && AppInstance != nullptr) {
        frame.iconDpi = AppDpi;
        frame.icon.Reset(LoadSmallProgramIcon(AppInstance, 0, AppDpi));
    }
    DrawWholeFrame();
    return true;
}

bool RefreshOffscreen(HWND mainWindow) {
    RECT client{};
    GetClientRect(mainWindow, &client);
    const bool complete = frame.image.Dc() != nullptr && frame.titleFont && frame.categoryFont &&
                          frame.hoverFont && frame.previousFont != nullptr;
    if (complete && client.right - client.left == frame.width &&
        client.bottom - client.top == frame.height) {
        DrawWholeFrame();
        return true;
    }
    return CreateOffscreen(mainWindow);
}

void ReleaseOffscreen() {
    // The font leaves the context before the fonts are deleted.
    if (frame.image.Dc() != nullptr && frame.previousFont != nullptr) {
        SelectObject(frame.image.Dc(), frame.previousFont);
    }
    frame.previousFont = nullptr;
    frame.image.Release();
    frame.titleFont.Reset();
    frame.categoryFont.Reset();
    frame.hoverFont.Reset();
    frame.width = 0;
    frame.height = 0;
}

HDC OffscreenDc() {
    return frame.image.Dc();
}
int OffscreenWidth() {
    return frame.width;
}
int OffscreenHeight() {
    return frame.height;
}

BarFonts OffscreenFonts() {
    return {frame.titleFont.Get(), frame.categoryFont.Get(), frame.hoverFont.Get()};
}

HICON TitleIcon() {
    return frame.icon.Get();
}

}  // namespace tessel
