#include "mainwindow/frame_mouse_win.h"

#include <windowsx.h>

#include <cstdlib>

#include "categorybar/bar_state.h"
#include "categorybar/category_bar_win.h"
#include "categorybar/category_commands_win.h"
#include "commands/popup_menu_win.h"
#include "editing/user_action_win.h"
#include "listpane/list_pane_win.h"
#include "mainwindow/frame_resize.h"
#include "mainwindow/frame_state_win.h"
#include "mainwindow/frame_zones.h"
#include "process/app_state_win.h"
#include "saving/list_saving_win.h"
#include "shell/command_ids.h"
#include "shell/window_visibility_win.h"

namespace tessel {
namespace {

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right - client.left, client.bottom - client.top};
}

bool BarShown() {
    return AppSettings.DispCategory == 1;
}

bool InTitleBar(int y) {
    return y < AppLayout.TitleBarHeight;
}

void Redraw(HWND window, int parts) {
    DrawBars(parts);
    InvalidateRect(window, nullptr, FALSE);
}

void FocusListPane() {
    if (ListPaneHandle != nullptr) {
        SetFocus(ListPaneHandle);
    }
}

void SetZoneCursor(SizingEdge edge) {
    LPCSTR shape = IDC_SIZEWE;
    switch (ZoneCursorOf(edge)) {
        case ZoneCursor::SizeWE:
            shape = IDC_SIZEWE;
            break;
        case ZoneCursor::SizeNS:
            shape = IDC_SIZENS;
            break;
        case ZoneCursor::SizeNWSE:
            shape = IDC_SIZENWSE;
            break;
        case ZoneCursor::SizeNESW:
            shape = IDC_SIZENESW;
            break;
    }
    SetCursor(LoadCursorA(nullptr, shape));
}

// The zone that a press at (x, y) would drag, when the window resizes by
// hand (not maximised, not in tray mode, where the system does it).
bool HandResizeZone(HWND window, int x, int y, SizingEdge& edge) {
    if (AppSettings.WindowMax != 0 || AppSettings.TaskTray != 0) {
        return false;
    }
    const SIZE size = ClientSize(window);
    return BorderZoneAt(x, y, size.cx, size.cy, edge, AppScale());
}

// --- Pressing -------------------------------------------------------------------

void PressCloseButton(HWND window) {
    SetCapture(window);
    FrameMouse.closeButtonCaptured = true;
    BarMouse.closeButtonPressed = true;
    Redraw(window, kBarTitle);
}

void StartResize(HWND window, int x, int y, SizingEdge edge) {
    SetZoneCursor(edge);
    FrameMouse.sizingEdge = edge;
    SetCapture(window);
    FrameMouse.sizingActive = true;
    GetWindowRect(window, &FrameMouse.sizingStartRect);
    const SIZE size = ClientSize(window);
    const SizingOffset offset = SizingOffsetFor(edge, x, y, size.cx, size.cy);
    FrameMouse.sizingOffsetX = offset.x;
    FrameMouse.sizingOffsetY = offset.y;
}

// The system moves the window while the button stays down. Its move loop
// takes the point in screen coordinates.
void StartTitleMove(HWND window, int x, int y) {
    POINT screen{x, y};
    ClientToScreen(window, &screen);
    PostMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

void HoldArrow(HWND window, CategoryArrow arrow) {
    BarMouse.pressedCategoryArrow = arrow;
    SetCapture(window);
    SetTimer(window, kArrowRepeatTimer, kArrowRepeatPeriod, nullptr);
    Redraw(window, kBarCategory);
}

// Remembers a tab pressed with either button and makes it current.
void NoteTabPress(int tab, int x, int y) {
    FrameMouse.mouseDownX = x;
    FrameMouse.mouseDownY = y;
    BarMouse.dragSourceIndex = tab;
    BarMouse.categoryDropIndex = -1;
    BarMouse.dropIndexDrawn = tab;
    if (tab != AppStore.currentCategory) {
        SelectCategory(tab);
    }
}

void PressCategoryBar(HWND window, int x, int y) {
    BarMouse.pressedCategoryArrow = CategoryArrow::None;
    const CategoryArrow arrow =
        ArrowButtonAt(ClientSize(window).cx, x, ArrowSplit::Click, AppScale());
    if (arrow != CategoryArrow::None) {
        HoldArrow(window, arrow);
        return;
    }
    const int tab = HitTestCategoryTab(x, y);
    if (tab < 0) {
        return;
    }
    SetCapture(window);
    NoteTabPress(tab, x, y);
}

// --- Moving ---------------------------------------------------------------------

void TrackResize(HWND window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const RECT& s = FrameMouse.sizingStartRect;
    const FrameRect r =
        ResizedFrame(FrameRect{s.left, s.top, s.right, s.bottom}, FrameMouse.sizingEdge,
                     SizingOffset{FrameMouse.sizingOffsetX, FrameMouse.sizingOffsetY}, cursor.x,
                     cursor.y, SafeSize(AppLayout.TitleBarHeight), AppScale()(kMinimumFrameWidth));
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void TrackCloseButton(HWND window, int x, int y) {
    const bool pressed = OnCloseButton(AppLayout, ClientSize(window).cx, x, y);
    if (pressed != BarMouse.closeButtonPressed) {
        BarMouse.closeButtonPressed = pressed;
        Redraw(window, kBarTitle);
    }
}

// A pressed tab becomes a drag once the mouse has gone the system's drag
// distance; from then on the frame holds the focus, so that Esc reaches it.
void TrackCategoryDrag(HWND window, int x, int y) {
    bool started = false;
    if (BarMouse.categoryDragActive) {
        const int drop = CategoryDropIndex(x);
        BarMouse.categoryDropIndex = drop < 0 ? 0 : drop;
    } else if (BarShown() && BarMouse.dragSourceIndex >= 0) {
        const DpiScale scale = AppScale();
        if (std::abs(x - FrameMouse.mouseDownX) >= scale(dragThresholdX) ||
            std::abs(y - FrameMouse.mouseDownY) >= scale(dragThresholdY)) {
            const int drop = HitTestCategoryTab(FrameMouse.mouseDownX, FrameMouse.mouseDownY);
            BarMouse.categoryDropIndex = drop < 0 ? 0 : drop;
            BarMouse.categoryDragActive = true;
            SetFocus(window);
            started = true;
        }
    }
    if (started || BarMouse.categoryDropIndex != BarMouse.dropIndexDrawn) {
        Redraw(window, kBarCategory);
    }
    BarMouse.dropIndexDrawn = BarMouse.categoryDropIndex;
}

void TrackHover(HWND window, int x, int y) {
    if (AppLayout.CategoryMouseOver != 1) {
        return;
    }
    if (BarShown()) {
        BarMouse.hoverCategory = HitTestCategoryTab(x, y);
    }
    if (BarMouse.hoverCategory != BarMouse.hoverCategoryDrawn) {
        BarMouse.hoverCategoryDrawn = BarMouse.hoverCategory;
        Redraw(window, kBarCategory);
    }
}

// --- Releasing ------------------------------------------------------------------

// Released over the button, the press is a click.
void ReleaseCloseButton(HWND window, int x, int y) {
    FrameMouse.closeButtonCaptured = false;
    BarMouse.closeButtonPressed = false;
    if (OnCloseButton(AppLayout, ClientSize(window).cx, x, y)) {
        ClickCloseButton(window);
    }
    Redraw(window, kBarTitle);
}

void DropCategory(HWND window) {
    BarMouse.categoryDragActive = false;
    // The moved category stays the current one.
    MoveCategoryTo(BarMouse.dragSourceIndex, BarMouse.categoryDropIndex);
    Redraw(window, kBarCategory);
    FocusListPane();
}

}  // namespace

void OnFrameLButtonDown(HWND window, int x, int y) {
    BeginUserAction();  // a tab drag is an undo step of its own
    if (InTitleBar(y) && OnCloseButton(AppLayout, ClientSize(window).cx, x, y)) {
        PressCloseButton(window);
        return;
    }
    SizingEdge edge = SizingEdge::Left;
    if (HandResizeZone(window, x, y, edge)) {
        StartResize(window, x, y, edge);
        return;
    }
    if (InTitleBar(y) && AppSettings.WindowMax == 0) {
        StartTitleMove(window, x, y);
    }
    if (InCategoryBar(AppLayout, BarShown(), y)) {
        PressCategoryBar(window, x, y);
    }
}

void OnFrameMouseMove(HWND window, int x, int y) {
    if (AppLayout.CategoryMouseOver == 1 && BarShown() && !FrameMouse.hoverTracking) {
        FrameMouse.hoverTracking = true;
        SetTimer(window, kHoverLeaveTimer, kHoverLeavePeriod, nullptr);
    }
    if (BarMouse.pressedCategoryArrow != CategoryArrow::None) {
        return;
    }
    if (GetCapture() == window) {
        if (FrameMouse.sizingActive) {
            TrackResize(window);
        } else if (FrameMouse.closeButtonCaptured) {
            TrackCloseButton(window, x, y);
        } else {
            TrackCategoryDrag(window, x, y);
        }
        return;
    }
    if (AppSettings.WindowMax == 0 && AppSettings.TaskTray == 0 &&
        !OnCloseButton(AppLayout, ClientSize(window).cx, x, y)) {
        SizingEdge edge = SizingEdge::Left;
        if (HandResizeZone(window, x, y, edge)) {
            SetZoneCursor(edge);
        } else {
            SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        }
    }
    TrackHover(window, x, y);
}

void OnFrameLButtonUp(HWND window, int x, int y) {
    if (GetCapture() == window) {
        ReleaseCapture();
    }
    if (BarMouse.pressedCategoryArrow != CategoryArrow::None) {
        // Timer 101 stops itself on its next tick.
        BarMouse.pressedCategoryArrow = CategoryArrow::None;
        Redraw(window, kBarCategory);
        return;
    }
    FrameMouse.sizingActive = false;
    if (FrameMouse.closeButtonCaptured) {
        ReleaseCloseButton(window, x, y);
    }
    if (BarMouse.categoryDragActive) {
        DropCategory(window);
    }
}

void OnFrameLButtonDblClk(HWND window, int x, int y) {
    if (InTitleBar(y)) {
        // After WM_CLOSE the window is gone before the second message.
        if (OnSystemIcon(AppLayout, x, y, AppScale())) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        PostMessageA(window, WM_COMMAND, kCmdToggleMaximised, 0);
        return;
    }
    if (!InCategoryBar(AppLayout, BarShown(), y)) {
        return;
    }
    BarMouse.pressedCategoryArrow = CategoryArrow::None;
    const CategoryArrow arrow =
        ArrowButtonAt(ClientSize(window).cx, x, ArrowSplit::DoubleClick, AppScale());
    if (arrow != CategoryArrow::None) {
        HoldArrow(window, arrow);
    } else {
        // The first click has already made the tab under the mouse current.
        PostMessageA(window, WM_COMMAND, kCmdRenameCategory, 0);
    }
}

void OnFrameRButtonDown(HWND, int, int) {
    BeginUserAction();
}

void OnFrameRButtonUp(HWND window, int x, int y) {
    if (InCategoryBar(AppLayout, BarShown(), y)) {
        if (ArrowButtonAt(ClientSize(window).cx, x, ArrowSplit::Click, AppScale()) !=
            CategoryArrow::None) {
            return;
        }
        const int tab = HitTestCategoryTab(x, y);
        if (tab >= 0) {
            NoteTabPress(tab, x, y);
        }
    }
    POINT screen{x, y};
    ClientToScreen(window, &screen);
    ShowPopupMenu(window, screen, -1, PopupMenuKind::Frame);
}

void OnFrameMouseWheel(HWND, WPARAM wParam) {
    if (BarMouse.categoryDragActive) {
        ScrollCategoryBar(GET_WHEEL_DELTA_WPARAM(wParam) <= 0);
    }
}

void OnFrameMouseLeave(HWND window) {
    if (FrameMouse.hoverTracking) {
        FrameMouse.hoverTracking = false;
        BarMouse.hoverCategory = -2;
        BarMouse.hoverCategoryDrawn = -1;
        Redraw(window, kBarCategory);
    }
}

void ClickCloseButton(HWND window) {
    if (AppSettings.TaskTray == 1) {
        HideMainWindow();
        SaveListReporting(window);
    } else {
        PostMessageA(window, WM_COMMAND, kCmdExit, 0);
    }
}

void CancelCategoryDrag(HWND window) {
    BarMouse.categoryDragActive = false;
    if (GetCapture() == window) {
        ReleaseCapture();
    }
    Redraw(window, kBarCategory);
    FocusListPane();
}

LRESULT FrameNcHitTest(HWND window, LPARAM lParam, LRESULT defaultResult) {
    if (defaultResult != HTCLIENT || AppSettings.WindowMax == 1) {
        return defaultResult;
    }
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(window, &point);
    const SIZE size = ClientSize(window);
    SizingEdge edge = SizingEdge::Left;
    if (BorderZoneAt(point.x, point.y, size.cx, size.cy, edge, AppScale())) {
        return ZoneHitTestCode(edge);
    }
    return HTCLIENT;
}

bool FrameSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != window || LOWORD(lParam) != HTCLIENT) {
        return false;
    }
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    SizingEdge edge = SizingEdge::Left;
    if (OnCloseButton(AppLayout, ClientSize(window).cx, point.x, point.y) ||
        !HandResizeZone(window, point.x, point.y, edge)) {
        return false;
    }
    SetZoneCursor(edge);
    return true;
}

}  // namespace tessel
