#include "process/window_dpi_win.h"

#include "process/dpi_scale.h"
#include "process/system_library_win.h"

namespace tessel {
namespace {

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiCall = int(WINAPI*)(int, UINT);
// shcore's GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &x, &y).
using GetDpiForMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;

int MonitorDpi(HMONITOR monitor) {
    UINT x = 0;
    UINT y = 0;
    static const auto call =
        FindSystemCall<GetDpiForMonitorCall>(SystemLibrary::Shcore, "GetDpiForMonitor");
    if (call != nullptr && SUCCEEDED(call(monitor, kEffectiveDpi, &x, &y)) && x > 0) {
        return static_cast<int>(x);
    }
    return SystemDpi();
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        auto& monitors = *reinterpret_cast<std::vector<MonitorArea>*>(list);
        const RECT& r = info.rcMonitor;
        MonitorArea area{{r.left, r.top, r.right, r.bottom}, MonitorDpi(monitor)};
        if (info.dwFlags & MONITORINFOF_PRIMARY) {
            monitors.insert(monitors.begin(), area);
        } else {
            monitors.push_back(area);
        }
    }
    return TRUE;
}

}  // namespace

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return kBaseDpi;
    }
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

int WindowDpi(HWND window) {
    static const auto call =
        FindSystemCall<GetDpiForWindowCall>(SystemLibrary::User32, "GetDpiForWindow");
    if (call != nullptr && window != nullptr) {
        const UINT dpi = call(window);
        if (dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

std::vector<MonitorArea> ScreenMonitors() {
    std::vector<MonitorArea> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) {
        monitors.push_back(MonitorArea{
            {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, SystemDpi()});
    }
    return monitors;
}

int PrimaryMonitorDpi() {
    const POINT origin{0, 0};
    return MonitorDpi(MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY));
}

int SystemMetricAtBaseDpi(int index) {
    static const auto call =
        FindSystemCall<GetSystemMetricsForDpiCall>(SystemLibrary::User32, "GetSystemMetricsForDpi");
    return call != nullptr ? call(index, kBaseDpi) : GetSystemMetrics(index);
}

}  // namespace tessel
