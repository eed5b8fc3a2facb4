// The list pane's off-screen image: a memory device context with a bitmap
// of exactly the client size, text drawn transparently. WM_PAINT draws the
// list into it and copies the invalid rectangle to the screen.
#pragma once

#include <windows.h>

#include "mainwindow/gdi_handles.h"

namespace tessel {

class ListBufferImage {
  public:
    ListBufferImage() = default;
    ~ListBufferImage() { Release(); }
    ListBufferImage(ListBufferImage&& other) noexcept;
    ListBufferImage& operator=(ListBufferImage&& other) noexcept;
    ListBufferImage(const ListBufferImage&) = delete;
    ListBufferImage& operator=(const ListBufferImage&) = delete;

    // Releases the old image, then makes one of width x height compatible
    // with the window's device context. False (and no image) when a size
    // is 0 or below or the system refuses the context or the bitmap.
    bool Create(HWND window, int width, int height);
    // Puts the original bitmap back and deletes bitmap and context.
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

// The pane's one image.
extern ListBufferImage ListBuffer;

// CreateListBuffer(pane, width, height) -> 1 / 0; ReleaseListBuffer.
int CreateListBuffer(HWND pane, int width, int height);
void ReleaseListBuffer();

}  // namespace tessel
