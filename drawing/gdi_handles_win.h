// Small owners for the GDI, icon and menu handles of the window code: each
// frees or gives back its handle when it goes, and can be moved but not
// copied.
#pragma once

#include <windows.h>

#include <utility>

namespace tessel {

// One handle and the call that frees it. A moved-from owner holds nothing,
// so only the last owner frees.
template <typename Handle, typename Free>
class OwnedHandle {
  public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : handle_(handle) {}
    ~OwnedHandle() { Reset(); }
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.Release()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Gives the handle up without freeing it.
    Handle Release() { return std::exchange(handle_, nullptr); }
    // Frees the held handle, then holds `handle`.
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            Free()(handle_);
        }
        handle_ = handle;
    }

  private:
    Handle handle_ = nullptr;
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DeleteMemoryDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DestroyIconHandle {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

// A pen, brush, font or bitmap, deleted with DeleteObject. An object still
// selected into a context is not deleted: select it out first.
template <typename Handle>
using GdiObject = OwnedHandle<Handle, DeleteGdiObject>;
using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;
using BitmapHandle = GdiObject<HBITMAP>;

// A memory device context, deleted with DeleteDC.
using MemoryDc = OwnedHandle<HDC, DeleteMemoryDc>;
// An icon loaded without LR_SHARED, destroyed with DestroyIcon.
using IconHandle = OwnedHandle<HICON, DestroyIconHandle>;
// A popup menu, destroyed with DestroyMenu.
using MenuHandle = OwnedHandle<HMENU, DestroyMenuHandle>;

// A window's device context for the length of a scope (GetDC / ReleaseDC).
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context for the length of a scope; the
// one it replaced comes back when the scope ends.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint / EndPaint.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC Dc() const { return dc_; }
    const RECT& Invalid() const { return paint_.rcPaint; }
    // Copies the invalid rectangle from the window's off-screen image.
    void CopyFrom(HDC image) const {
        const RECT& r = paint_.rcPaint;
        BitBlt(dc_, r.left, r.top, r.right - r.left, r.bottom - r.top, image, r.left, r.top,
               SRCCOPY);
    }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

}  // namespace tessel
