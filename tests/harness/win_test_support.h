// What the window tests share: a plain top-level class for the parent
// window that stands in for the main window.
#pragma once

#include <windows.h>

namespace tessel::test {

// Registers `name` with `proc`, the arrow cursor and a white background;
// the class's atom, or 0 when registration fails.
inline ATOM RegisterTestParentClass(const char* name, WNDPROC proc) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = name;
    return RegisterClassExA(&wc);
}

}  // namespace tessel::test
