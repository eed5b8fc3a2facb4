// An off-screen image: a memory device context compatible with a window's,
// a bitmap of a given size selected into it, text drawn transparently.
// Painting draws the whole picture into it and copies only the invalid
// rectangle to the screen, so nothing flickers. The main window, the list
// pane and each scroll bar keep one.
#pragma once

#include <windows.h>

#include "drawing/gdi_handles_win.h"

namespace tessel {

class OffscreenImage {
  public:
    OffscreenImage() = default;
    ~OffscreenImage() { Release(); }
    OffscreenImage(OffscreenImage&& other) noexcept;
    OffscreenImage& operator=(OffscreenImage&& other) noexcept;
    OffscreenImage(const OffscreenImage&) = delete;
    OffscreenImage& operator=(const OffscreenImage&) = delete;

    // Releases the old image, then makes one of width x height compatible
    // with the window's device context. False (and no image) when a size
    // is 0 or below or the system refuses the context or the bitmap.
    bool Create(HWND window, int width, int height);
    // Puts the original bitmap back and deletes bitmap and context; nothing
    // to do when there is no image.
    void Release();

    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    MemoryDc dc_;
    BitmapHandle bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace tessel
