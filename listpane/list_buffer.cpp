#include "listpane/list_buffer.h"

#include <utility>

namespace tessel {

ListBufferImage ListBuffer;

ListBufferImage::ListBufferImage(ListBufferImage&& other) noexcept
    : dc_(std::move(other.dc_)),
      bitmap_(std::move(other.bitmap_)),
      previousBitmap_(std::exchange(other.previousBitmap_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

ListBufferImage& ListBufferImage::operator=(ListBufferImage&& other) noexcept {
    if (this != &other) {
        Release();
        dc_ = std::move(other.dc_);
        bitmap_ = std::move(other.bitmap_);
        previousBitmap_ = std::exchange(other.previousBitmap_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

bool ListBufferImage::Create(HWND window, int width, int height) {
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
    previousBitmap_ = SelectObject(dc.Get(), bitmap.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    width_ = width;
    height_ = height;
    return true;
}

void ListBufferImage::Release() {
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

int CreateListBuffer(HWND pane, int width, int height) {
    return ListBuffer.Create(pane, width, height) ? 1 : 0;
}

void ReleaseListBuffer() {
    ListBuffer.Release();
}

}  // namespace tessel
