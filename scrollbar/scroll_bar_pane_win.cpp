#include "scrollbar/scroll_bar_pane_win.h"

#include <windowsx.h>

#include <climits>
#include <memory>
#include <new>

#include "drawing/gdi_handles_win.h"
#include "drawing/offscreen_image_win.h"
#include "drawing/window_class_win.h"
#include "process/app_state_win.h"
#include "process/wide_text_win.h"
#include "scrollbar/scroll_bar_draw_win.h"
#include "scrollbar/scroll_bar_menu_win.h"
#include "scrollbar/scroll_geometry.h"
#include "scrollbar/scroll_input.h"
#include "scrollbar/scroll_menu_model.h"
#include "scrollbar/scroll_steps.h"

namespace tessel {

static_assert(kScrollLineUp == SB_LINEUP && kScrollLineDown == SB_LINEDOWN &&
                  kScrollPageUp == SB_PAGEUP && kScrollPageDown == SB_PAGEDOWN &&
                  kScrollThumbPosition == SB_THUMBPOSITION && kScrollThumbTrack == SB_THUMBTRACK &&
                  kScrollTop == SB_TOP && kScrollBottom == SB_BOTTOM,
              "scroll codes are the platform's");
static_assert(sizeof(ScrollInfoRecord) == 4 * sizeof(std::int32_t), "four int32, no padding");

namespace {

constexpr UINT kRepeatInterval = 20;  // ms between repeats after the first

// One per window, kept in its user data from WM_CREATE to WM_DESTROY.
struct ScrollBarRecord {
    ScrollBarState state;
    OffscreenImage buffer;
};

ScrollBarRecord* RecordOf(HWND window) {
    return reinterpret_cast<ScrollBarRecord*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::int32_t ClientLength(HWND window, const ScrollBarState& state) {
    RECT client{};
    GetClientRect(window, &client);
    return state.horizontal ? client.right - client.left : client.bottom - client.top;
}

std::int32_t Along(const ScrollBarState& state, POINT point) {
    return state.horizontal ? point.x : point.y;
}

std::int32_t Across(const ScrollBarState& state, POINT point) {
    return state.horizontal ? point.y : point.x;
}

POINT PointOf(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

void Repaint(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
}

UINT NotificationMessage(const ScrollBarState& state) {
    return state.horizontal ? WM_HSCROLL : WM_VSCROLL;
}

// Reports a move to the parent: posted, so the parent learns of it after
// the bar's own message is done.
void PostToParent(HWND window, const ScrollBarState& state, int code) {
    if (HWND parent = GetParent(window)) {
        PostMessageA(parent, NotificationMessage(state), static_cast<WPARAM>(code), 0);
    }
}

LRESULT OnCreate(HWND window) {
    try {
        auto record = std::make_unique<ScrollBarRecord>();
        const UINT delay = GetDoubleClickTime();
        record->state.repeatDelay = delay > INT_MAX ? INT_MAX : static_cast<std::int32_t>(delay);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record.release()));
        return 0;
    } catch (const std::bad_alloc&) {
        return -1;  // the window is not created
    }
}

void OnDestroy(HWND window) {
    KillTimer(window, kScrollRepeatTimer);
    std::unique_ptr<ScrollBarRecord> record(RecordOf(window));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    // The record and its image go with the unique_ptr.
}

LRESULT OnSize(HWND window, LPARAM lParam) {
    ScrollBarRecord* record = RecordOf(window);
    if (record == nullptr) {
        return 0;
    }
    const int width = static_cast<short>(LOWORD(lParam));
    const int height = static_cast<short>(HIWORD(lParam));
    record->buffer.Create(window, width, height);
    Repaint(window);
    return 0;
}

LRESULT OnPaint(HWND window) {
    PaintScope paint(window);
    ScrollBarRecord* record = RecordOf(window);
    if (record == nullptr || record->buffer.Dc() == nullptr || paint.Dc() == nullptr) {
        return 0;  // no image: the window stays unpainted
    }
    const OffscreenImage& buffer = record->buffer;
    DrawScrollBar(record->state, buffer.Dc(), buffer.Width(), buffer.Height(), AppLayout,
                  AppScale());
    paint.CopyFrom(buffer.Dc());
    return 0;
}

// A scroll request: the step of the code, a repaint, the same code posted
// on to the parent. Codes that are no step are ignored.
LRESULT OnScrollRequest(HWND window, WPARAM wParam) {
    ScrollBarRecord* record = RecordOf(window);
    if (record == nullptr) {
        return 0;
    }
    const int code = LOWORD(wParam);
    if (ApplyScrollStep(record->state, code)) {
        Repaint(window);
        PostToParent(window, record->state, code);
    }
    return 1;
}

LRESULT OnLButtonDown(HWND window, WPARAM wParam, LPARAM lParam) {
    if (RecordOf(window) == nullptr) {
        return 0;
    }
    // The bar never keeps the keyboard focus.
    if (HWND parent = GetParent(window)) {
        SetFocus(parent);
    }
    ScrollBarRecord* record = RecordOf(window);  // the focus change may have run anything
    if (record == nullptr) {
        return 0;
    }
    ScrollBarState& state = record->state;
    state.sideTolerance = AppScale()(kDragSideTolerance);
    const PressOutcome outcome =
        PressScrollBar(state, ClientLength(window, state), Along(state, PointOf(lParam)),
                       (wParam & MK_SHIFT) != 0);
    if (outcome.startRepeat) {
        SetTimer(window, kScrollRepeatTimer, static_cast<UINT>(state.repeatDelay), nullptr);
    }
    if (outcome.jumped) {
        PostToParent(window, state, kScrollThumbPosition);
    }
    if (outcome.stepCode != kNoScrollCode) {
        PostToParent(window, state, outcome.stepCode);
    }
    SetCapture(window);
    Repaint(window);
    return 0;
}

LRESULT OnMouseMove(HWND window, LPARAM lParam) {
    ScrollBarRecord* record = RecordOf(window);
    if (record == nullptr || GetCapture() != window || !record->state.dragging) {
        return 0;
    }
    ScrollBarState& state = record->state;
    const POINT point = PointOf(lParam);
    const bool report = DragScrollBar(state, ClientLength(window, state), Along(state, point),
                                      Across(state, point));
    Repaint(window);
    if (report) {
        PostToParent(window, state, kScrollThumbTrack);
    }
    return 0;
}

LRESULT OnLButtonUp(HWND window) {
    if (GetCapture() == window) {
        ReleaseCapture();  // WM_CAPTURECHANGED ends the press
    }
    return 0;
}

LRESULT OnCaptureChanged(HWND window) {
    ScrollBarRecord* record = RecordOf(window);
    if (record == nullptr) {
        return 0;
    }
    EndScrollPress(record->state);
    KillTimer(window, kScrollRepeatTimer);
    Repaint(window);
    return 0;
}

// The part under the pointer, as far as the bar is shown.
ScrollPart PartUnderPointer(HWND window, ScrollBarState& state) {
    POINT cursor{};
    if (!state.shown || !GetCursorPos(&cursor) || !ScreenToClient(window, &cursor)) {
        return ScrollPart::None;
    }
    LayOutScrollBar(state, ClientLength(window, state));
    return HitTestScrollBar(state, Along(state, cursor));
}

LRESULT OnTimer(HWND window, WPARAM id) {
    ScrollBarRecord* record = RecordOf(window);
    if (id != kScrollRepeatTimer || record == nullptr) {
        return 0;
    }
    ScrollBarState& state = record->state;
    const int code = RepeatScrollBar(state, PartUnderPointer(window, state));
    SetTimer(window, kScrollRepeatTimer, kRepeatInterval, nullptr);
    if (code != kNoScrollCode) {
        Repaint(window);
        // Sent, not posted: the list follows each repeat at once. The
        // parent may do anything meanwhile, so the record is not touched
        // after this.
        if (HWND parent = GetParent(window)) {
            SendMessageA(parent, NotificationMessage(state), static_cast<WPARAM>(code), 0);
        }
    }
    return 0;
}

LRESULT OnContextMenu(HWND window) {
    ScrollBarRecord* record = RecordOf(window);
    if (record == nullptr || GetCapture() == window) {
        return 0;  // no menu while a button is held
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    MenuHandle menu = BuildScrollBarMenu(record->state);
    if (!menu) {
        return 0;
    }
    const int choice = static_cast<int>(
        TrackPopupMenuEx(menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, cursor.x,
                         cursor.y, window, nullptr));
    menu.Reset();
    if (IsWindow(window)) {
        RunScrollBarMenuChoice(window, choice, cursor);
    }
    return 0;
}

LRESULT OnSetInfo(HWND window, WPARAM wParam) {
    ScrollBarRecord* record = RecordOf(window);
    const auto* info = reinterpret_cast<const ScrollInfoRecord*>(wParam);
    if (record == nullptr || info == nullptr) {
        return 0;
    }
    record->state.maxPos = info->maxPos;
    record->state.pos = info->pos;
    record->state.pageSize = info->pageSize;
    Repaint(window);
    return 1;
}

LRESULT OnPrivateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == SBP_SETINFO) {
        return OnSetInfo(window, wParam);
    }
    ScrollBarRecord* record = RecordOf(window);
    if (record == nullptr) {
        return message == SBP_GETPOS ? -1 : 0;
    }
    ScrollBarState& state = record->state;
    switch (message) {
        case SBP_SETORIENTATION:
            state.horizontal = wParam == 0;
            return 1;
        case SBP_SHOW:
            state.shown = wParam != 0;
            ShowWindow(window, state.shown ? SW_SHOW : SW_HIDE);
            return 1;
        case SBP_ENABLE:
            state.enabled = wParam != 0;
            Repaint(window);
            return 1;
        case SBP_SETPOS: {
            const auto pos = static_cast<std::int32_t>(wParam);
            if (pos != state.pos) {
                state.pos = pos;
                Repaint(window);
            }
            return 0;
        }
        case SBP_GETPOS:
            return state.pos;
        case SBP_SETCORNER:
            state.reserveCorner = wParam != 0;
            return 1;
        case SBP_SETARROWS: {
            state.noArrows = wParam != 0;
            const auto length = static_cast<std::int32_t>(lParam);
            state.arrowLength = length < 1 ? 1 : length;
            return 1;
        }
        default:
            return 0;
    }
}

LRESULT CALLBACK ScrollBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(window);
        case WM_DESTROY:
            OnDestroy(window);
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_SIZE:
            return OnSize(window, lParam);
        case WM_PAINT:
            return OnPaint(window);
        case WM_ERASEBKGND:
            return 1;
        case WM_VSCROLL:
        case WM_HSCROLL:
            return OnScrollRequest(window, wParam);
        case WM_LBUTTONDOWN:
            return OnLButtonDown(window, wParam, lParam);
        case WM_MOUSEMOVE:
            return OnMouseMove(window, lParam);
        case WM_LBUTTONUP:
            return OnLButtonUp(window);
        case WM_CAPTURECHANGED:
            return OnCaptureChanged(window);
        case WM_TIMER:
            return OnTimer(window, wParam);
        case WM_CONTEXTMENU:
            return OnContextMenu(window);
        case SBP_SETINFO:
        case SBP_SETORIENTATION:
        case SBP_SHOW:
        case SBP_ENABLE:
        case SBP_SETPOS:
        case SBP_GETPOS:
        case SBP_SETCORNER:
        case SBP_SETARROWS:
            return OnPrivateMessage(window, message, wParam, lParam);
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterScrollBarPane(HINSTANCE instance) {
    // No CS_DBLCLKS: a double click arrives as two presses.
    return RegisterWindowClass(instance, WindowClass{kScrollBarPaneClass, ScrollBarProc}) != 0;
}

HWND CreateScrollBarPane(HWND parent) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    HWND bar = CreateWindowExW(
        0, WideFromCp932(kScrollBarPaneClass).c_str(), L"", WS_CHILD, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kScrollBarControlId)), instance, nullptr);
    if (bar != nullptr) {
        // The message keeps the length at 1 or more whatever layout.ini says.
        SendMessageA(bar, SBP_SETARROWS, 0, static_cast<LPARAM>(AppLayout.ScrollBarWidth));
    }
    return bar;
}

void SetScrollBarInfo(HWND bar, std::int32_t maxPos, std::int32_t pos, std::int32_t pageSize) {
    ScrollInfoRecord info;
    info.maxPos = maxPos;
    info.pos = pos;
    info.pageSize = pageSize;
    SendMessageA(bar, SBP_SETINFO, reinterpret_cast<WPARAM>(&info), 0);
}

void ShowScrollBarPane(HWND bar, bool show) {
    SendMessageA(bar, SBP_SHOW, show ? 1 : 0, 0);
}

std::int32_t GetScrollBarPos(HWND bar) {
    return static_cast<std::int32_t>(SendMessageA(bar, SBP_GETPOS, 0, 0));
}

void RunScrollBarMenuChoice(HWND bar, int choice, POINT screenPoint) {
    ScrollBarRecord* record = RecordOf(bar);
    if (record == nullptr) {
        return;
    }
    ScrollBarState& state = record->state;
    if (choice == kScrollMenuJump) {
        POINT point = screenPoint;
        ScreenToClient(bar, &point);
        if (JumpToCoord(state, ClientLength(bar, state), Along(state, point))) {
            Repaint(bar);
            PostToParent(bar, state, kScrollThumbPosition);
        }
        return;
    }
    const int code = ScrollMenuRequest(choice);
    if (code != kNoScrollCode) {
        SendMessageA(bar, NotificationMessage(state), static_cast<WPARAM>(code), 0);
    }
}

const ScrollBarState* ScrollBarStateOf(HWND bar) {
    const ScrollBarRecord* record = RecordOf(bar);
    return record != nullptr ? &record->state : nullptr;
}

HDC ScrollBarImageOf(HWND bar) {
    const ScrollBarRecord* record = RecordOf(bar);
    return record != nullptr ? record->buffer.Dc() : nullptr;
}

}  // namespace tessel
