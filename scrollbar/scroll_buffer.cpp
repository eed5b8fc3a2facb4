#include "scrollbar/scroll_buffer.h"

namespace tessel {

bool ScrollBuffer::Create(HWND window, int width, int height) {
    Release();
    if (width <= 0 || height <= 0) {
        return false;
    }
    WindowDc windowDc(window);
    if (windowDc.Get() == nullptr) {
        return false;
    }
    MemoryDc dc(CreateCompatibleDC(windowDc.Get()));
    BitmapHandle bitmap(CreateCompatibleBitmap(windowDc.Get(), width, height));
    if (!dc || !bitmap) {
        return false;
    }
    HGDIOBJ previous = SelectObject(dc.Get(), bitmap.Get());
    if (previous == nullptr || previous == HGDI_ERROR) {
        return false;
    }
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    previous_ = previous;
    width_ = width;
    height_ = height;
    return true;
}

void ScrollBuffer::Release() {
    if (dc_ && previous_ != nullptr) {
        SelectObject(dc_.Get(), previous_);
    }
    previous_ = nullptr;
    bitmap_.Reset();
    dc_.Reset();
    width_ = 0;
    height_ = 0;
}

}  // namespace tessel
