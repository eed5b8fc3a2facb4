#include "listpane/list_pane_win.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "drawing/draw_primitives_win.h"
#include "drawing/gdi_handles_win.h"
#include "drawing/window_class_win.h"
#include "editing/edit_session_win.h"
#include "editing/user_action_win.h"
#include "listpane/item_commands_win.h"
#include "listpane/item_editor_win.h"
#include "listpane/list_buffer_win.h"
#include "listpane/list_drawing_win.h"
#include "listpane/list_geometry.h"
#include "process/app_state_win.h"
#include "process/input_method_win.h"
#include "process/wide_text_win.h"
#include "scrollbar/scroll_bar_pane_win.h"

namespace tessel {

HWND ListPaneHandle = nullptr;
HWND ScrollBarHandle = nullptr;

namespace {

// What the one list pane owns besides its handles and its image.
struct ListPaneState {
    PointerState pointer;
    FontHandle listFont;
    FontHandle strikeFont;
    FontHandle boldFont;
    BrushHandle itemEditBrush;      // "ListSelectBack", behind the item editor
    bool releasingCapture = false;  // the pane lets go of the mouse itself
    bool inputMethodAsked = false;  // the timer below is set, by the first paint
};

// Set once by the first paint. A timer comes after every waiting paint, so
// PrepareInputMethod runs once the whole window shows, never before.
constexpr UINT_PTR kPrepareInputMethodTimer = 1;

ListPaneState Pane;
HINSTANCE PaneInstance = nullptr;
ListPaneHost Host;
ListPaneAccess Access;

void ShowItemMenu(HWND window, POINT clientPoint) {
    if (Host.showItemMenu != nullptr) {
        Host.showItemMenu(window, clientPoint, AppStore.focusIndex);
    }
}

ListMetrics Metrics() {
    return ListMetricsFrom(AppLayout, AppScale());
}

int ClientHeight(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client.bottom - client.top;
}

void Invalidate(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
}

void RequestScroll(UINT code, bool post) {
    if (ScrollBarHandle == nullptr) {
        return;
    }
    if (post) {
        PostMessageA(ScrollBarHandle, WM_VSCROLL, code, 0);
    } else {
        SendMessageA(ScrollBarHandle, WM_VSCROLL, code, 0);
    }
}

void ReleasePaneCapture(HWND window) {
    if (GetCapture() == window) {
        Pane.releasingCapture = true;
        ReleaseCapture();
        Pane.releasingCapture = false;
    }
}

// --- Creation, size, focus, painting --------------------------------------------

// The three fonts of the rows, at AppLayout's size.
void CreateRowFonts() {
    const FontSpec& font = AppLayout.listFont;
    Pane.listFont = CreateListFont(font.face, font.size, font.style);
    Pane.strikeFont = CreateListFont(font.face, font.size, font.style | kFontStrikeOut);
    Pane.boldFont = CreateListFont(font.face, font.size, font.style | kFontBold);
}

LRESULT OnCreate(HWND window) {
    ScrollBarHandle = CreateScrollBarPane(window);  // also sets arrows of "ScrollBarWidth"
    if (ScrollBarHandle == nullptr) {
        return -1;
    }
    Pane.pointer = PointerState{};
    Pane.inputMethodAsked = false;
    CreateRowFonts();
    if (Pane.listFont && Pane.strikeFont && Pane.boldFont) {
        Pane.itemEditBrush.Reset(CreateSolidBrush(AppLayout.ListSelectBack));
    }
    return 0;
}

LRESULT OnDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    EndEdit(EditOwner::None, EditEnd::Drop);
    Pane.itemEditBrush.Reset();
    Pane.listFont.Reset();
    Pane.strikeFont.Reset();
    Pane.boldFont.Reset();
    ReleaseListBuffer();
    return DefWindowProcA(window, WM_DESTROY, wParam, lParam);
}

LRESULT OnNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ListPaneHandle == window) {
        ListPaneHandle = nullptr;
    }
    ScrollBarHandle = nullptr;
    ScrollBarShownWidth = 0;
    return DefWindowProcA(window, WM_NCDESTROY, wParam, lParam);
}

LRESULT OnSize(HWND window, int width, int height) {
    CreateListBuffer(window, width, height);
    Invalidate(window);
    return 0;
}

LRESULT OnFocusChange(HWND window, bool taken) {
    CommitOpenEdit();
    Invalidate(window);  // the focus frame shows only with the focus
    if (taken && Access.focused != nullptr) {
        Access.focused(window);
    }
    return 0;
}

void Paint(HWND window) {
    PaintScope paint(window);
    HDC image = ListBuffer.Dc();
    if (image == nullptr) {
        return;  // no image until the next size change
    }
    ListPaintInput input;
    input.store = &AppStore;
    input.layout = &AppLayout;
    input.width = ListBuffer.Width();
    input.height = ListBuffer.Height();
    input.fonts = ListFonts{Pane.listFont.Get(), Pane.strikeFont.Get(), Pane.boldFont.Get()};
    input.hasFocus = GetFocus() == window;
    input.itemDragActive = Pane.pointer.itemDragActive;
    input.itemDropIndex = Pane.pointer.itemDropIndex;
    input.scrollBarShownWidth = ScrollBarShownWidth;
    input.scale = AppScale();
    DrawList(image, input);
    paint.CopyFrom(image);
    if (!Pane.inputMethodAsked) {
        Pane.inputMethodAsked = true;
        SetTimer(window, kPrepareInputMethodTimer, USER_TIMER_MINIMUM, nullptr);
    }
}

// A screen reader hears of a change once it shows, however many steps
// made it.
LRESULT OnPaint(HWND window) {
    Paint(window);
    if (Access.painted != nullptr) {
        Access.painted(window);
    }
    return 0;
}

LRESULT OnTimer(HWND window, WPARAM id) {
    if (id == kPrepareInputMethodTimer) {
        KillTimer(window, kPrepareInputMethodTimer);
        PrepareInputMethod();
    }
    return 0;
}

LRESULT OnVScroll(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ScrollBarHandle != nullptr) {
        const auto position = static_cast<int>(SendMessageA(ScrollBarHandle, SBP_GETPOS, 0, 0));
        if (position >= 0) {
            AppStore.topIndex = position;
        }
    }
    Invalidate(window);
    return DefWindowProcA(window, WM_VSCROLL, wParam, lParam);
}

LRESULT OnCtlColorEdit(HDC dc) {
    SetTextColor(dc, itemEditTextColour);
    SetBkColor(dc, itemEditBackColour);
    return reinterpret_cast<LRESULT>(Pane.itemEditBrush.Get());
}

LRESULT OnContextMenu(HWND window) {
    ShowItemMenu(window, POINT{0, 0});
    return 0;
}

// --- Outside readers ------------------------------------------------------------

LRESULT OnGetObject(HWND window, WPARAM wParam, LPARAM lParam) {
    if (Access.getObject != nullptr) {
        return Access.getObject(window, wParam, lParam);
    }
    return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
}

// The item at a list-box index; false when there is none.
bool ItemAtIndex(WPARAM index, Item& item) {
    if (AppStore.currentItems == nullptr || index > static_cast<WPARAM>(INT32_MAX)) {
        return false;
    }
    return GetItem(AppStore.currentItems, static_cast<int>(index), item) == 1;
}

LRESULT OnGetText(WPARAM index, LPARAM buffer) {
    Item item;
    if (buffer == 0 || !ItemAtIndex(index, item)) {
        return LB_ERR;
    }
    std::memcpy(reinterpret_cast<char*>(buffer), item.text.c_str(), item.text.size() + 1);
    return static_cast<LRESULT>(item.text.size());
}

LRESULT OnGetTextLength(WPARAM index) {
    Item item;
    if (!ItemAtIndex(index, item)) {
        return LB_ERR;
    }
    return static_cast<LRESULT>(item.text.size());
}

// --- Keys -------------------------------------------------------------------------

LRESULT OnKeyDown(HWND window, WPARAM key) {
    switch (key) {
        case VK_UP:
            NavigateFocus(NavigateMode::Up);
            break;
        case VK_DOWN:
            NavigateFocus(NavigateMode::Down);
            break;
        case VK_PRIOR:
            NavigateFocus(NavigateMode::PageUp);
            break;
        case VK_NEXT:
            NavigateFocus(NavigateMode::PageDown);
            break;
        case VK_HOME:
            NavigateFocus(NavigateMode::First);
            break;
        case VK_END:
            NavigateFocus(NavigateMode::Last);
            break;
        case VK_ESCAPE:
            if (CancelDrag(Pane.pointer)) {
                ReleasePaneCapture(window);
                Invalidate(window);
            }
            break;
        default:
            break;
    }
    return 0;
}

// --- Mouse ------------------------------------------------------------------------

PressKeys KeysOf(WPARAM wParam) {
    return PressKeys{(wParam & MK_CONTROL) != 0, (wParam & MK_SHIFT) != 0};
}

// A press that took no mouse capture (on a check box, or with no category)
// may have been released over another window; a button that is up by now
// must not keep the other one locked out.
void ForgetPressesReleasedElsewhere(HWND window) {
    if (GetCapture() == window) {
        return;
    }
    if (Pane.pointer.leftButtonDown && GetKeyState(VK_LBUTTON) >= 0) {
        Pane.pointer.leftButtonDown = false;
    }
    if (Pane.pointer.rightButtonDown && GetKeyState(VK_RBUTTON) >= 0) {
        Pane.pointer.rightButtonDown = false;
    }
}

LRESULT OnLButtonDown(HWND window, WPARAM wParam, int x, int y) {
    ForgetPressesReleasedElsewhere(window);
    if (!BeginPrimaryPress(Pane.pointer)) {
        return 0;
    }
    BeginUserAction();
    switch (PrimaryPress(Pane.pointer, AppStore, Metrics(), x, y, KeysOf(wParam))) {
        case PrimaryPressResult::Nothing:
            break;
        case PrimaryPressResult::Invalidate:
            Invalidate(window);
            break;
        case PrimaryPressResult::ToggleCheck:
            ToggleItemMark(AppStore.focusIndex, ItemMark::Check);
            Invalidate(window);  // the selection changed even if nothing toggled
            break;
        case PrimaryPressResult::Capture:
            SetCapture(window);
            Invalidate(window);
            break;
    }
    return 0;
}

LRESULT OnMouseMove(HWND window, int x, int y) {
    if (GetCapture() != window || AppStore.currentItems == nullptr) {
        return 0;
    }
    const DpiScale scale = AppScale();
    const DragThreshold threshold{std::max(scale(dragThresholdX), 1),
                                  std::max(scale(dragThresholdY), 1)};
    const PointerMoveResult result =
        PointerMove(Pane.pointer, AppStore, Metrics(), ClientHeight(window), threshold, x, y);
    // One line per pointer move while the pointer is outside: no timer.
    if (result.scroll == ScrollRequest::LineUp) {
        RequestScroll(SB_LINEUP, true);
    } else if (result.scroll == ScrollRequest::LineDown) {
        RequestScroll(SB_LINEDOWN, true);
    }
    if (result.invalidate) {
        Invalidate(window);
    }
    return 0;
}

LRESULT OnLButtonUp(HWND window) {
    if (!EndPrimaryPress(Pane.pointer)) {
        return 0;
    }
    ReleasePaneCapture(window);
    if (PrimaryRelease(Pane.pointer, AppStore)) {
        Invalidate(window);
    }
    return 0;
}

// Lets the editor put its caret where the user double-clicked: the press
// is given again, now to the editor lying under the pointer.
void RepeatPressInEditor() {
    POINT cursor{};
    RECT editor{};
    HWND box = OpenEditBox();
    if (box == nullptr || !GetCursorPos(&cursor) || !GetWindowRect(box, &editor) ||
        !PtInRect(&editor, cursor)) {
        return;
    }
    const DWORD press =
        GetSystemMetrics(SM_SWAPBUTTON) ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    mouse_event(press, 0, 0, 0, 0);
}

LRESULT OnLButtonDblClk(HWND window, int x, int y) {
    BeginUserAction(kLeaveOpenEdits);
    const bool editing = OpenEditOwner() == EditOwner::Item;
    switch (DecideDoubleClick(Pane.pointer, AppStore, Metrics(), x, y, editing)) {
        case DoubleClickAction::None:
            break;
        case DoubleClickAction::AppendItem:
            NewItem(-1, NewItemKind::Item);
            break;
        case DoubleClickAction::ToggleCheck:
            // The row under the pointer decides: the first click may have
            // sunk the focus item elsewhere ("CheckMoveDown").
            ToggleItemMark(RowAtPoint(POINT{x, y}), ItemMark::Check);
            break;
        case DoubleClickAction::EndEdit:
            EndItemEdit(true);
            break;
        case DoubleClickAction::BeginEdit:
            // "EditMode" 1 selects the whole text; 0 puts the caret where
            // the user double-clicked.
            if (BeginItemEdit(AppSettings.EditMode == 1) && AppSettings.EditMode == 0) {
                RepeatPressInEditor();
            }
            Invalidate(window);
            break;
    }
    return 0;
}

LRESULT OnRButtonDown(HWND window, int x, int y) {
    ForgetPressesReleasedElsewhere(window);
    if (!BeginSecondaryPress(Pane.pointer)) {
        return 0;
    }
    BeginUserAction();
    switch (SecondaryPress(Pane.pointer, AppStore, Metrics(), x, y)) {
        case SecondaryPressResult::Nothing:
            break;
        case SecondaryPressResult::Invalidate:
            Invalidate(window);
            break;
        case SecondaryPressResult::Capture:
            Invalidate(window);
            SetCapture(window);
            break;
    }
    return 0;
}

LRESULT OnRButtonUp(HWND window, int x, int y) {
    if (!EndSecondaryPress(Pane.pointer)) {
        return 0;
    }
    ReleasePaneCapture(window);
    switch (SecondaryRelease(Pane.pointer, AppStore)) {
        case SecondaryReleaseResult::Nothing:
            break;
        case SecondaryReleaseResult::Invalidate:
            Invalidate(window);
            break;
        case SecondaryReleaseResult::OpenMenu:
            ShowItemMenu(window, POINT{x, y});
            Invalidate(window);
            break;
    }
    return 0;
}

LRESULT OnMouseWheel(HWND window, WPARAM wParam, LPARAM lParam) {
    CommitOpenEdit();
    const UINT code = GET_WHEEL_DELTA_WPARAM(wParam) <= 0 ? SB_LINEDOWN : SB_LINEUP;
    // More steps than rows would only flood the bar's notifications.
    const int lines = std::clamp(wheelScrollLines, 1, std::max(AppStore.itemCount, 1));
    for (int i = 0; i < lines; ++i) {
        RequestScroll(code, false);
    }
    return DefWindowProcA(window, WM_MOUSEWHEEL, wParam, lParam);
}

// Another window took the mouse while a button was held here: the press
// ends, and its release (which now goes elsewhere) is not waited for. The
// pane's own letting go passes through: after Esc the button is still
// down, and the other button stays ignored until its release.
LRESULT OnCaptureChanged(HWND window, HWND newCapture) {
    if (newCapture != window && !Pane.releasingCapture && PressInterrupted(Pane.pointer)) {
        Invalidate(window);
    }
    return 0;
}

LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(window);
        case WM_DESTROY:
            return OnDestroy(window, wParam, lParam);
        case WM_NCDESTROY:
            return OnNcDestroy(window, wParam, lParam);
        case WM_SIZE:
            return OnSize(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            return OnFocusChange(window, message == WM_SETFOCUS);
        case WM_PAINT:
            return OnPaint(window);
        case WM_ERASEBKGND:
            return 1;
        case WM_CONTEXTMENU:
            return OnContextMenu(window);
        case WM_KEYDOWN:
            return OnKeyDown(window, wParam);
        case WM_VSCROLL:
            return OnVScroll(window, wParam, lParam);
        case WM_CTLCOLOREDIT:
            return OnCtlColorEdit(reinterpret_cast<HDC>(wParam));
        case LB_GETCOUNT:
            return AppStore.itemCount;
        case LB_GETTEXT:
            return OnGetText(wParam, lParam);
        case LB_GETTEXTLEN:
            return OnGetTextLength(wParam);
        case WM_GETOBJECT:
            return OnGetObject(window, wParam, lParam);
        case WM_MOUSEMOVE:
            return OnMouseMove(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        case WM_LBUTTONDOWN:
            return OnLButtonDown(window, wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        case WM_LBUTTONUP:
            return OnLButtonUp(window);
        case WM_LBUTTONDBLCLK:
            return OnLButtonDblClk(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        case WM_RBUTTONDOWN:
            return OnRButtonDown(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        case WM_RBUTTONUP:
            return OnRButtonUp(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        case WM_MOUSEWHEEL:
            return OnMouseWheel(window, wParam, lParam);
        case WM_CAPTURECHANGED:
            return OnCaptureChanged(window, reinterpret_cast<HWND>(lParam));
        case WM_TIMER:
            return OnTimer(window, wParam);
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK ListPaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return Dispatch(window, message, wParam, lParam);
    } catch (...) {
        // Only memory can run out here; the message is dropped, never the program.
        return message == WM_CREATE ? -1 : 0;
    }
}

}  // namespace

ATOM RegisterListPaneClass(HINSTANCE instance) {
    const ATOM atom =
        RegisterWindowClass(instance, WindowClass{kListPaneClass, ListPaneProc, CS_DBLCLKS});
    if (atom != 0) {
        PaneInstance = instance;
    }
    return atom;
}

void SetListPaneHost(const ListPaneHost& host) {
    Host = host;
}

void SetListPaneAccess(const ListPaneAccess& access) {
    Access = access;
}

bool CreateListPane(HWND parent) {
    ListPaneHandle = CreateWindowExW(0, WideFromCp932(kListPaneClass).c_str(), L"",
                                     WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                                     nullptr, PaneInstance, nullptr);
    return ListPaneHandle != nullptr;
}

void RefreshListPaneForDpi() {
    if (ListPaneHandle == nullptr) {
        return;
    }
    EndItemEdit(true);
    CreateRowFonts();
    if (ScrollBarHandle != nullptr) {
        SendMessageA(ScrollBarHandle, SBP_SETARROWS, 0,
                     static_cast<LPARAM>(AppLayout.ScrollBarWidth));
    }
    Invalidate(ListPaneHandle);
}

int RowAtPoint(POINT clientPoint) {
    return RowAtPoint(clientPoint.y, AppStore.topIndex, AppStore.itemCount, Metrics().lineHeight);
}

ListMetrics ListPaneMetrics() {
    return Metrics();
}

int NavigateFocus(NavigateMode mode) {
    if (ListPaneHandle == nullptr) {
        return 0;
    }
    const int rows = VisibleRows(ClientHeight(ListPaneHandle), Metrics().lineHeight);
    const bool extend = GetKeyState(VK_SHIFT) < 0;
    if (MoveFocus(AppStore, rows, mode, extend) != 1) {
        return 0;
    }
    InvalidateListPane();
    // Pages go through the bar, which pages by its own page and reports back.
    if (mode == NavigateMode::PageUp) {
        RequestScroll(SB_PAGEUP, false);
    } else if (mode == NavigateMode::PageDown) {
        RequestScroll(SB_PAGEDOWN, false);
    } else {
        UpdateListScroll(true);
    }
    return 1;
}

void InvalidateListPane() {
    if (ListPaneHandle != nullptr) {
        Invalidate(ListPaneHandle);
    }
}

const PointerState& ListPanePointerState() {
    return Pane.pointer;
}

HDC ListPaneImage() {
    return ListBuffer.Dc();
}

}  // namespace tessel
