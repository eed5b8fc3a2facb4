// The program's own window classes: each window paints all of itself from
// its off-screen image, so none has a background brush, and each shows the
// arrow cursor unless it sets another.
#pragma once

#include <windows.h>

namespace tessel {

struct WindowClass {
    const char* name = "";
    WNDPROC proc = nullptr;
    UINT style = 0;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
};

// The class atom, 0 on failure.
inline ATOM RegisterWindowClass(HINSTANCE instance, const WindowClass& windowClass) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = windowClass.style;
    wc.lpfnWndProc = windowClass.proc;
    wc.hInstance = instance;
    wc.hIcon = windowClass.icon;
    wc.hIconSm = windowClass.smallIcon;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    wc.lpszClassName = windowClass.name;
    return RegisterClassExA(&wc);
}

}  // namespace tessel
