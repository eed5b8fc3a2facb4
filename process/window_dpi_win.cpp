#include "process/window_dpi_win.h"

#include <cwchar>
#include <iterator>

#include "process/dpi_scale.h"

namespace tessel {
namespace {

// A call of a system library, looked up once; null where the system lacks it.
template <typename Call>
Call SystemCall(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (module == nullptr) {
        return nullptr;
    }
    // Through void*: a FARPROC is converted to the call's real type.
    return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiCall = int(WINAPI*)(int, UINT);
// shcore's GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &x, &y).
using GetDpiForMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;

// shcore (Windows 8.1 on) from the system folder by its full path, loaded
// once; null where it does not exist.
GetDpiForMonitorCall DpiForMonitorCall() {
    static GetDpiForMonitorCall call = nullptr;
    static bool tried = false;
    if (tried) {
        return call;
    }
    tried = true;
    wchar_t path[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    constexpr wchar_t kLibrary[] = L"\\shcore.dll";
    if (length == 0 || length + std::size(kLibrary) > MAX_PATH) {
        return nullptr;
    }
    std::wmemcpy(path + length, kLibrary, std::size(kLibrary));
    if (HMODULE shcore = LoadLibraryW(path)) {
        call = reinterpret_cast<GetDpiForMonitorCall>(
            reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")));
    }
    return call;
}

int MonitorDpi(HMONITOR monitor) {
    UINT x = 0;
    UINT y = 0;
    const GetDpiForMonitorCall call = DpiForMonitorCall();
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
    static const auto call = SystemCall<GetDpiForWindowCall>(L"user32.dll", "GetDpiForWindow");
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
        SystemCall<GetSystemMetricsForDpiCall>(L"user32.dll", "GetSystemMetricsForDpi");
    return call != nullptr ? call(index, kBaseDpi) : GetSystemMetrics(index);
}

}  // namespace tessel
