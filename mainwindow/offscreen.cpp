#include "mainwindow/offscreen.h"

#include <algorithm>

#include "app/app_state.h"
#include "mainwindow/category_bar.h"
#include "mainwindow/draw_primitives.h"
#include "mainwindow/gdi_handles.h"
#include "resources/resource_ids.h"

namespace tessel {
namespace {

class IconHandle {
  public:
    IconHandle() = default;
    ~IconHandle() { Reset(); }
    IconHandle(const IconHandle&) = delete;
    IconHandle& operator=(const IconHandle&) = delete;
    HICON Get() const { return icon_; }
    void Reset(HICON icon = nullptr) {
        if (icon_ != nullptr) {
            DestroyIcon(icon_);
        }
        icon_ = icon;
    }

  private:
    HICON icon_ = nullptr;
};

struct Offscreen {
    MemoryDc dc;
    BitmapHandle bitmap;
    HGDIOBJ previousBitmap = nullptr;
    FontHandle titleFont;
    FontHandle categoryFont;
    FontHandle hoverFont;
    HGDIOBJ previousFont = nullptr;
    int width = 0;
    int height = 0;
    IconHandle icon;
    bool iconLoaded = false;
};

Offscreen image;

}  // namespace

int CreateOffscreen(HWND mainWindow) {
    ReleaseOffscreen();
    RECT client{};
    GetClientRect(mainWindow, &client);
    image.width = client.right - client.left;
    image.height = client.bottom - client.top;
    {
        WindowDc windowDc(mainWindow);
        if (windowDc.Get() == nullptr) {
            return 0;
        }
        image.dc.Reset(CreateCompatibleDC(windowDc.Get()));
        if (!image.dc) {
            return 0;
        }
        // A minimised window reports no size; a 1 x 1 image stands in until
        // the next size change.
        image.bitmap.Reset(CreateCompatibleBitmap(windowDc.Get(), std::max(image.width, 1),
                                                  std::max(image.height, 1)));
    }
    if (!image.bitmap) {
        return 0;
    }
    image.previousBitmap = SelectObject(image.dc.Get(), image.bitmap.Get());

    const FontSpec& title = AppLayout.titleFont;
    const FontSpec& category = AppLayout.categoryFont;
    image.titleFont = CreateListFont(title.face, title.size, title.style);
    image.categoryFont = CreateListFont(category.face, category.size, category.style);
    int hoverStyle = category.style | (AppLayout.CategoryMouseOver == 1 ? kFontUnderline : 0);
    image.hoverFont = CreateListFont(category.face, category.size, hoverStyle);
    if (!image.titleFont || !image.categoryFont || !image.hoverFont) {
        return 0;
    }
    SetBkMode(image.dc.Get(), TRANSPARENT);
    image.previousFont = SelectObject(image.dc.Get(), image.categoryFont.Get());

    if (!image.iconLoaded && AppInstance != nullptr) {
        image.iconLoaded = true;
        image.icon.Reset(static_cast<HICON>(
            LoadImageA(AppInstance, MAKEINTRESOURCEA(IDI_APP_SMALL), IMAGE_ICON, 16, 16, 0)));
    }
    DrawFrame();
    return 1;
}

void ReleaseOffscreen() {
    if (image.dc) {
        if (image.previousFont != nullptr) {
            SelectObject(image.dc.Get(), image.previousFont);
        }
        if (image.previousBitmap != nullptr) {
            SelectObject(image.dc.Get(), image.previousBitmap);
        }
    }
    image.previousFont = nullptr;
    image.previousBitmap = nullptr;
    image.bitmap.Reset();
    image.dc.Reset();
    image.titleFont.Reset();
    image.categoryFont.Reset();
    image.hoverFont.Reset();
    image.width = 0;
    image.height = 0;
}

HDC OffscreenDc() {
    return image.dc.Get();
}
int OffscreenWidth() {
    return image.width;
}
int OffscreenHeight() {
    return image.height;
}

BarFonts OffscreenFonts() {
    return {image.titleFont.Get(), image.categoryFont.Get(), image.hoverFont.Get()};
}

HICON TitleIcon() {
    return image.icon.Get();
}

}  // namespace tessel
