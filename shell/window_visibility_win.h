// Showing, hiding and maximising the main window, and the switch between
// tray mode (a tool window without a taskbar button, hidden completely)
// and taskbar mode (an ordinary window that minimises). All act on
// MainFrameHandle.
#pragma once

#include <windows.h>

namespace tessel {

// The styles of the two modes, without WS_VISIBLE.
inline constexpr DWORD kTaskbarModeStyle =
    WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
inline constexpr DWORD kTaskbarModeExStyle = 0;
inline constexpr DWORD kTrayModeStyle = WS_POPUP | WS_CLIPCHILDREN;
inline constexpr DWORD kTrayModeExStyle = WS_EX_TOOLWINDOW;

// What these operations ask of the main window, which sits above them and
// fills this in. Null entries count as "no".
struct VisibilityHost {
    // True while a hand-made resize runs: show, hide and maximise wait.
    bool (*sizingActive)() = nullptr;
};
void SetVisibilityHost(const VisibilityHost& host);

// Shows, restores and activates the main window; 1, or 0 while resizing.
int ShowMainWindow();
// Hides the main window (tray mode) or minimises it; 1, or 0 while resizing.
int HideMainWindow();
// Places the window on the work area, or back where it stood; 1, or 0
// while resizing.
int ToggleMaximised();
// Switches "TaskTray", the icon and the window styles that go with it; 1.
int ToggleTrayMode();

}  // namespace tessel
