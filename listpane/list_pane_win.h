// The list pane: the child window of the main window that shows the items
// of the current category, one row each, and turns the mouse, the wheel and
// the navigation keys into selection changes, check toggles, drag moves,
// new items and in-place edits. It owns its scroll bar ("ScrollBarPane"),
// the three list fonts, the editor's background brush and its off-screen
// image. It answers LB_GETCOUNT, LB_GETTEXT and LB_GETTEXTLEN for outside
// readers (tests), and screen readers through ListPaneAccess.
#pragma once

#include <windows.h>

#include "listpane/focus_navigation.h"
#include "listpane/list_geometry.h"
#include "listpane/pointer_tracking.h"

namespace tessel {

inline constexpr char kListPaneClass[] = "ListPane";

// The pane and its scroll bar; null while they do not exist.
extern HWND ListPaneHandle;
extern HWND ScrollBarHandle;

// What the pane asks of the window that holds it. The main window fills it
// in before it creates the pane, which cannot name it: the pane sits below
// it. The entry may stay null (a pane on its own, in a test).
struct ListPaneHost {
    // Opens the item menu at a point in the pane's client space.
    int (*showItemMenu)(HWND pane, POINT clientPoint, int itemPosition) = nullptr;
};
void SetListPaneHost(const ListPaneHost& host);

// What the pane asks of the screen-reader support, which sits above it and
// fills this in at start-up. Without it the pane answers no reader.
struct ListPaneAccess {
    // Answers WM_GETOBJECT.
    LRESULT (*getObject)(HWND pane, WPARAM wParam, LPARAM lParam) = nullptr;
    // After each paint: the rows now show what the store holds.
    void (*painted)(HWND pane) = nullptr;
    // The pane has taken the keyboard focus.
    void (*focused)(HWND pane) = nullptr;
};
void SetListPaneAccess(const ListPaneAccess& access);

// Registers "ListPane" (start-up): the class atom, 0 on failure.
ATOM RegisterListPaneClass(HINSTANCE instance);
// Creates the pane as a child of parent, size 0 (the main window places
// it), and keeps it in ListPaneHandle. true when the window exists.
bool CreateListPane(HWND parent);

// After the DPI changed (AppLayout is at the new one): commits an open item
// edit, makes the row fonts again and gives the scroll bar its new width.
// The caller places the pane, whose size change makes its image again.
void RefreshListPaneForDpi();

// The row position under a client point, or -1.
int RowAtPoint(POINT clientPoint);
// The sizes the pane draws and hit-tests its rows with.
ListMetrics ListPaneMetrics();
// Moves the focus row as a navigation key does (Shift extends the
// selection from the anchor). 1 when the focus moved.
int NavigateFocus(NavigateMode mode);

// Invalidates the whole pane without erasing.
void InvalidateListPane();

// For inspection (tests): the mouse state, and the off-screen image with
// everything painted so far (null before the first non-empty size).
const PointerState& ListPanePointerState();
HDC ListPaneImage();

}  // namespace tessel
