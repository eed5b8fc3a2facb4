// The off-screen image of a scroll bar: a memory DC with a bitmap of the
// client size. Every paint draws the whole bar into it, then copies only
// the invalid rectangle, so moving the thumb never flickers.
#pragma once

#include <windows.h>

#include "scrollbar/gdi_handles.h"

namespace tessel {

class ScrollBuffer {
  public:
    ScrollBuffer() = default;
    ~ScrollBuffer() { Release(); }
    ScrollBuffer(const ScrollBuffer&) = delete;
    ScrollBuffer& operator=(const ScrollBuffer&) = delete;

    // Releases any existing image, then makes one compatible with the
    // window's DC. false, without an image, when width or height is 0 or
    // less or when the system refuses the DC or bitmap.
    bool Create(HWND window, int width, int height);
    // Puts back the DC's original bitmap and frees the image.
    void Release();

    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    MemoryDc dc_;
    BitmapHandle bitmap_;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace tessel
