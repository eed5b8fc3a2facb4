// Small owners of the GDI and menu handles the scroll bar uses: each
// frees its handle when it goes out of scope, and none can be copied.
#pragma once

#include <windows.h>

#include <utility>

namespace tessel {

// A pen, brush or bitmap, deleted with DeleteObject.
template <typename Handle>
class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset() {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
            handle_ = nullptr;
        }
    }

  private:
    Handle handle_ = nullptr;
};

using PenHandle = GdiObject<HPEN>;
using BrushHandle = GdiObject<HBRUSH>;
using BitmapHandle = GdiObject<HBITMAP>;

// A memory device context, deleted with DeleteDC.
class MemoryDc {
  public:
    MemoryDc() = default;
    explicit MemoryDc(HDC dc) : dc_(dc) {}
    ~MemoryDc() { Reset(); }
    MemoryDc(MemoryDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    MemoryDc& operator=(MemoryDc&& other) noexcept {
        if (this != &other) {
            Reset();
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void Reset() {
        if (dc_ != nullptr) {
            DeleteDC(dc_);
            dc_ = nullptr;
        }
    }

  private:
    HDC dc_ = nullptr;
};

// The device context of a window, released with ReleaseDC.
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

// An object selected into a DC for the lifetime of the scope.
class SelectionScope {
  public:
    SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectionScope() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    SelectionScope(const SelectionScope&) = delete;
    SelectionScope& operator=(const SelectionScope&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint .. EndPaint.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC Dc() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

// A popup menu, destroyed with DestroyMenu.
class MenuHandle {
  public:
    MenuHandle() = default;
    explicit MenuHandle(HMENU menu) : menu_(menu) {}
    ~MenuHandle() { Reset(); }
    MenuHandle(MenuHandle&& other) noexcept : menu_(std::exchange(other.menu_, nullptr)) {}
    MenuHandle& operator=(MenuHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            menu_ = std::exchange(other.menu_, nullptr);
        }
        return *this;
    }
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;

    HMENU Get() const { return menu_; }
    explicit operator bool() const { return menu_ != nullptr; }
    void Reset() {
        if (menu_ != nullptr) {
            DestroyMenu(menu_);
            menu_ = nullptr;
        }
    }

  private:
    HMENU menu_ = nullptr;
};

}  // namespace tessel
