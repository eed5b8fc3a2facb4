#include "shell/window_visibility_win.h"

#include "process/app_state_win.h"
#include "process/program_title.h"
#include "shell/tray_icon_win.h"

namespace tessel {
namespace {

VisibilityHost visibilityHost;

// The main window, or null before it exists and while a hand-made resize
// runs: showing, hiding and maximising wait for the resize to end.
HWND MainWindowUnlessResizing() {
    const bool resizing = visibilityHost.sizingActive != nullptr && visibilityHost.sizingActive();
    return resizing ? nullptr : MainFrameHandle;
}

void BringForward(HWND window) {
    SetForegroundWindow(window);
    SetFocus(window);
}

// New styles only take effect once the frame is told they changed. The
// visible bit is the window's own and stays as it is.
void SetModeStyles(HWND window, DWORD style, DWORD exStyle) {
    const auto visible = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)) & WS_VISIBLE;
    SetWindowLongPtrA(window, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
    SetWindowLongPtrA(window, GWL_STYLE, static_cast<LONG_PTR>(style | visible));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LeaveTrayMode(HWND window) {
    RemoveTrayIcon(window);
    SetModeStyles(window, kTaskbarModeStyle, kTaskbarModeExStyle);
    ShowWindow(window, SW_SHOW);
    WindowShown = 1;
}

// The window is hidden while its extended style changes, so that the
// taskbar drops its button.
void EnterTrayMode(HWND window) {
    if (AppSettings.DispTrayIcon == 1) {
        AddTrayIcon(window, kProgramTitle);
    }
    ShowWindow(window, SW_HIDE);
    SetModeStyles(window, kTrayModeStyle, kTrayModeExStyle);
}

}  // namespace

void SetVisibilityHost(const VisibilityHost& host) {
    visibilityHost = host;
}

int ShowMainWindow() {
    HWND window = MainWindowUnlessResizing();
    if (window == nullptr) {
        return 0;
    }
    BringForward(window);
    WindowShown = 1;
    ShowWindow(window, AppSettings.TaskTray == 1 ? SW_SHOWNORMAL : SW_RESTORE);
    return 1;
}

int HideMainWindow() {
    HWND window = MainWindowUnlessResizing();
    if (window == nullptr) {
        return 0;
    }
    WindowShown = 0;
    ShowWindow(window, AppSettings.TaskTray == 1 ? SW_HIDE : SW_MINIMIZE);
    return 1;
}

int ToggleMaximised() {
    HWND window = MainWindowUnlessResizing();
    if (window == nullptr) {
        return 0;
    }
    BringForward(window);
    ShowWindow(window, SW_SHOWNORMAL);
    if (AppSettings.WindowMax == 1) {
        const PlacementRect& normal = AppSettings.NormalRect;
        MoveWindow(window, normal.x, normal.y, normal.width, normal.height, TRUE);
        AppSettings.WindowMax = 0;
        return 1;
    }
    RECT current{};
    GetWindowRect(window, &current);
    AppSettings.NormalRect = PlacementRect{current.left, current.top, current.right - current.left,
                                           current.bottom - current.top};
    const RECT area = QueryWorkArea();
    // No repaint here: the WM_SIZE that follows redraws everything.
    MoveWindow(window, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
    AppSettings.WindowMax = 1;
    return 1;
}

int ToggleTrayMode() {
    HWND window = MainFrameHandle;
    if (window == nullptr) {
        return 0;
    }
    if (AppSettings.TaskTray == 1) {
        LeaveTrayMode(window);
    } else {
        EnterTrayMode(window);
    }
    AppSettings.TaskTray = AppSettings.TaskTray == 1 ? 0 : 1;
    if (WindowShown == 1) {
        ShowWindow(window, SW_SHOWNORMAL);
    }
    return 1;
}

}  // namespace tessel
