#include "drawing/offscreen_image_win.h"

#include <utility>

namespace tessel {

OffscreenImage::OffscreenImage(OffscreenImage&& other) noexcept
    : dc_(std::move(other.dc_)),
      bitmap_(std::move(other.bitmap_)),
      previousBitmap_(std::exchange(other.previousBitmap_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

OffscreenImage& OffscreenImage::operator=(OffscreenImage&& other) noexcept {
    if (this != &other) {
        Release();  // the old bitmap leaves its context before both go
        dc_ = std::move(other.dc_);
        bitmap_ = std::move(other.bitmap_);
        previousBitmap_ = std::exchange(other.previousBitmap_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

bool OffscreenImage::Create(HWND window, int width, int height) {
    Release();
    if (width <= 0 || height <= 0) {
        return false;
    }
    MemoryDc dc;
    BitmapHandle bitmap;
    {
        WindowDc windowDc(window);
        if (windowDc.Get() == nullptr) {
            return false;
        }
        dc.Reset(CreateCompatibleDC(windowDc.Get()));
        bitmap.Reset(CreateCompatibleBitmap(windowDc.Get(), width, height));
    }
    if (!dc || !bitmap) {
        return false;  // whatever was made goes with dc and bitmap
    }
    HGDIOBJ previous = SelectObject(dc.Get(), bitmap.Get());
    if (previous == nullptr || previous == HGDI_ERROR) {
        return false;
    }
    SetBkMode(dc.Get(), TRANSPARENT);
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    previousBitmap_ = previous;
    width_ = width;
    height_ = height;
    return true;
}

void OffscreenImage::Release() {
    // The bitmap must leave the context before either is deleted.
    if (dc_ && previousBitmap_ != nullptr) {
        SelectObject(dc_.Get(), previousBitmap_);
    }
    previousBitmap_ = nullptr;
    bitmap_.Reset();
    dc_.Reset();
    width_ = 0;
    height_ = 0;
}

}  // namespace tessel
