#include "app/placeholder_frame.h"

#include "resources/resource_ids.h"

namespace tessel {
namespace {

LRESULT OnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EndPaint(window, &ps);
    return 0;
}

LRESULT CALLBACK PlaceholderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            return OnPaint(window);
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterPlaceholderFrame(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = PlaceholderProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP_LARGE));
    wc.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP_SMALL));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    wc.lpszClassName = kMainFrameClass;
    return RegisterClassExA(&wc) != 0;
}

HWND CreatePlaceholderFrame(HINSTANCE instance) {
    return CreateWindowExA(0, kMainFrameClass, kAppTitle,
                           WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX |
                               WS_MAXIMIZEBOX,
                           100, 100, 500, 300, nullptr, nullptr, instance, nullptr);
}

}  // namespace tessel
