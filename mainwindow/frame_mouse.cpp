#include "mainwindow/frame_mouse.h"

#include <windowsx.h>

#include <cstdio>
#include <cstdlib>

#include "listpane/item_editor.h"
#include "listpane/list_pane.h"
#include "mainwindow/category_bar.h"
#include "mainwindow/category_commands.h"
#include "mainwindow/frame_resize.h"
#include "mainwindow/frame_state.h"
#include "mainwindow/frame_zones.h"
#include "mainwindow/list_saving.h"
#include "mainwindow/popup_menu.h"
#include "process/app_state.h"
#include "process/error_report.h"
#include "shell/command_ids.h"
#include "shell/window_visibility.h"
#include "store/list_history.h"

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
    return BorderZoneAt(x, y, size.cx, size.cy, edge);
}

// --- Pressing -------------------------------------------------------------------

void PressCloseButton(HWND window) {
    SetCapture(window);
    FrameMouse.closeButtonCaptured = 1;
    FrameMouse.closeButtonPressed = 1;
    Redraw(window, kBarTitle);
}

void StartResize(HWND window, int x, int y, SizingEdge edge) {
    SetZoneCursor(edge);
    FrameMouse.sizingEdge = static_cast<int>(edge);
    SetCapture(window);
    FrameMouse.sizingActive = 1;
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

void HoldArrow(HWND window, int arrow) {
    FrameMouse.pressedCategoryArrow = arrow;
    SetCapture(window);
    SetTimer(window, kArrowRepeatTimer, kArrowRepeatPeriod, nullptr);
    Redraw(window, kBarCategory);
}

// Remembers a tab pressed with either button and makes it current.
void NoteTabPress(int tab, int x, int y) {
    FrameMouse.mouseDownX = x;
    FrameMouse.mouseDownY = y;
    FrameMouse.dragSourceIndex = tab;
    FrameMouse.categoryDropIndex = -1;
    FrameMouse.dropIndexDrawn = tab;
    if (tab != AppStore.currentCategory) {
        SelectCategory(tab);
    }
}

void PressCategoryBar(HWND window, int x, int y) {
    FrameMouse.pressedCategoryArrow = 0;
    const int arrow = ArrowButtonAt(ClientSize(window).cx, x, ArrowSplit::Click);
    if (arrow != 0) {
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
    const FrameRect r = ResizedFrame(
        FrameRect{s.left, s.top, s.right, s.bottom}, static_cast<SizingEdge>(FrameMouse.sizingEdge),
        SizingOffset{FrameMouse.sizingOffsetX, FrameMouse.sizingOffsetY}, cursor.x, cursor.y,
        SafeSize(AppLayout.TitleBarHeight));
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void TrackCloseButton(HWND window, int x, int y) {
    const int pressed = OnCloseButton(AppLayout, ClientSize(window).cx, x, y) ? 1 : 0;
    if (pressed != FrameMouse.closeButtonPressed) {
        FrameMouse.closeButtonPressed = pressed;
        Redraw(window, kBarTitle);
    }
}

// A pressed tab becomes a drag once the mouse has gone the system's drag
// distance; from then on the frame holds the focus, so that Esc reaches it.
void TrackCategoryDrag(HWND window, int x, int y) {
    bool started = false;
    if (FrameMouse.categoryDragActive == 1) {
        const int drop = CategoryDropIndex(x);
        FrameMouse.categoryDropIndex = drop < 0 ? 0 : drop;
    } else if (BarShown() && FrameMouse.dragSourceIndex >= 0) {
        if (std::abs(x - FrameMouse.mouseDownX) >= dragThresholdX ||
            std::abs(y - FrameMouse.mouseDownY) >= dragThresholdY) {
            const int drop = HitTestCategoryTab(FrameMouse.mouseDownX, FrameMouse.mouseDownY);
            FrameMouse.categoryDropIndex = drop < 0 ? 0 : drop;
            FrameMouse.categoryDragActive = 1;
            SetFocus(window);
            started = true;
        }
    }
    if (started || FrameMouse.categoryDropIndex != FrameMouse.dropIndexDrawn) {
        Redraw(window, kBarCategory);
    }
    FrameMouse.dropIndexDrawn = FrameMouse.categoryDropIndex;
}

void TrackHover(HWND window, int x, int y) {
    if (AppLayout.CategoryMouseOver != 1) {
        return;
    }
    if (BarShown()) {
        FrameMouse.hoverCategory = HitTestCategoryTab(x, y);
    }
    if (FrameMouse.hoverCategory != FrameMouse.hoverCategoryDrawn) {
        FrameMouse.hoverCategoryDrawn = FrameMouse.hoverCategory;
        Redraw(window, kBarCategory);
    }
}

// --- Releasing ------------------------------------------------------------------

// Over the button: in tray mode the window hides and the lists are saved,
// otherwise the program exits.
void ReleaseCloseButton(HWND window, int x, int y) {
    FrameMouse.closeButtonCaptured = 0;
    FrameMouse.closeButtonPressed = 0;
    if (OnCloseButton(AppLayout, ClientSize(window).cx, x, y)) {
        if (AppSettings.TaskTray == 1) {
            HideMainWindow();
            SaveListReporting(window);
        } else {
            PostMessageA(window, WM_COMMAND, kCmdExit, 0);
        }
    }
    Redraw(window, kBarTitle);
}

void DropCategory(HWND window) {
    FrameMouse.categoryDragActive = 0;
    const int source = FrameMouse.dragSourceIndex;
    const int target = FrameMouse.categoryDropIndex;
    const int moved = AppStore.RelocateCategory(source, target);
    if (moved < -1) {
        char detail[64];
        std::snprintf(detail, sizeof detail, "移動元No.%d、移動先No.%d", source, target);
        ReportError(kErrorInternal, detail, window);
    } else if (moved >= 0) {
        RecordChange(AppStore, [&](ListHistory& history) { history.CategoryMoved(source, moved); });
        // The moved category stays the current one.
        AppStore.currentCategory = moved;
    }
    Redraw(window, kBarCategory);
    FocusListPane();
}

}  // namespace

void OnFrameLButtonDown(HWND window, int x, int y) {
    SealListStep();  // a tab drag is an undo step of its own
    EndItemEdit(1);
    EndCategoryRename(1);
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
    if (AppLayout.CategoryMouseOver == 1 && BarShown() && FrameMouse.hoverTracking == 0) {
        FrameMouse.hoverTracking = 1;
        SetTimer(window, kHoverLeaveTimer, kHoverLeavePeriod, nullptr);
    }
    if (FrameMouse.pressedCategoryArrow == 1 || FrameMouse.pressedCategoryArrow == 2) {
        return;
    }
    if (GetCapture() == window) {
        if (FrameMouse.sizingActive == 1) {
            TrackResize(window);
        } else if (FrameMouse.closeButtonCaptured == 1) {
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
    if (FrameMouse.pressedCategoryArrow == 1 || FrameMouse.pressedCategoryArrow == 2) {
        // Timer 101 stops itself on its next tick.
        FrameMouse.pressedCategoryArrow = 0;
        Redraw(window, kBarCategory);
        return;
    }
    FrameMouse.sizingActive = 0;
    if (FrameMouse.closeButtonCaptured == 1) {
        ReleaseCloseButton(window, x, y);
    }
    if (FrameMouse.categoryDragActive == 1) {
        DropCategory(window);
    }
}

void OnFrameLButtonDblClk(HWND window, int x, int y) {
    if (InTitleBar(y)) {
        // After WM_CLOSE the window is gone before the second message.
        if (OnSystemIcon(AppLayout, x, y)) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        PostMessageA(window, WM_COMMAND, kCmdToggleMaximised, 0);
        return;
    }
    if (!InCategoryBar(AppLayout, BarShown(), y)) {
        return;
    }
    FrameMouse.pressedCategoryArrow = 0;
    const int arrow = ArrowButtonAt(ClientSize(window).cx, x, ArrowSplit::DoubleClick);
    if (arrow != 0) {
        HoldArrow(window, arrow);
    } else {
        // The first click has already made the tab under the mouse current.
        PostMessageA(window, WM_COMMAND, kCmdRenameCategory, 0);
    }
}

void OnFrameRButtonDown(HWND, int, int) {
    EndItemEdit(1);
    EndCategoryRename(1);
}

void OnFrameRButtonUp(HWND window, int x, int y) {
    if (InCategoryBar(AppLayout, BarShown(), y)) {
        if (ArrowButtonAt(ClientSize(window).cx, x, ArrowSplit::Click) != 0) {
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
    if (FrameMouse.categoryDragActive == 1) {
        ScrollCategoryBar(GET_WHEEL_DELTA_WPARAM(wParam) <= 0 ? 1 : 0);
    }
}

void OnFrameMouseLeave(HWND window) {
    if (FrameMouse.hoverTracking == 1) {
        FrameMouse.hoverTracking = 0;
        FrameMouse.hoverCategory = -2;
        FrameMouse.hoverCategoryDrawn = -1;
        Redraw(window, kBarCategory);
    }
}

void CancelCategoryDrag(HWND window) {
    FrameMouse.categoryDragActive = 0;
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
    if (BorderZoneAt(point.x, point.y, size.cx, size.cy, edge)) {
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
