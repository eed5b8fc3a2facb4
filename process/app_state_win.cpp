#include "process/app_state_win.h"

namespace tessel {

LayoutSettings AppLayout;
int AppDpi = kBaseDpi;
SystemSettings AppSettings;
ListStore AppStore;
ListHistory AppHistory;

HINSTANCE AppInstance = nullptr;
HWND MainFrameHandle = nullptr;
std::wstring ExeDirectory;
std::wstring DataDirectory;
HACCEL AcceleratorHandle = nullptr;
HACCEL ActiveAccelerators = nullptr;
int WindowShown = 1;
int ScreenWidth = 0;
int ScreenHeight = 0;
RECT WorkArea{};
int rememberedImeOpen = 0;
int dragThresholdX = 1;
int dragThresholdY = 1;
int wheelScrollLines = 3;

namespace {

// layout.ini's own sizes while AppLayout holds them at another DPI.
LayoutSettings layoutAtBaseDpi;

}  // namespace

DpiScale AppScale() {
    return DpiScale(AppDpi);
}

void SetLayoutDpi(int dpi) {
    const DpiScale scale(dpi);
    if (scale.Dpi() == AppDpi) {
        return;
    }
    if (AppDpi == kBaseDpi) {
        layoutAtBaseDpi = AppLayout;
    }
    AppLayout = ScaleLayout(layoutAtBaseDpi, scale);
    AppDpi = scale.Dpi();
}

RECT QueryWorkArea() {
    RECT area{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) {
        area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return area;
}

void SealListStep() {
    if (AppStore.history != nullptr) {
        AppStore.history->Seal();
    }
}

}  // namespace tessel
