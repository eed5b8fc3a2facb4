#include "mainwindow/main_frame_win.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "categorybar/bar_state.h"
#include "categorybar/category_bar_win.h"
#include "categorybar/category_commands_win.h"
#include "chrome/offscreen_win.h"
#include "clipboard/clipboard_win.h"
#include "commands/command_dispatch_win.h"
#include "commands/list_undo_win.h"
#include "commands/popup_menu_win.h"
#include "drawing/program_icon_win.h"
#include "drawing/window_class_win.h"
#include "editing/edit_session_win.h"
#include "listpane/item_editor_win.h"
#include "listpane/list_pane_win.h"
#include "mainwindow/frame_mouse_win.h"
#include "mainwindow/frame_state_win.h"
#include "process/app_state_win.h"
#include "process/data_files_win.h"
#include "process/error_report_win.h"
#include "process/program_title.h"
#include "process/system_library_win.h"
#include "process/window_dpi_win.h"
#include "resources/resource_ids.h"
#include "saving/list_conflict_copies_win.h"
#include "saving/list_saving_win.h"
#include "shell/command_ids.h"
#include "shell/hot_key_win.h"
#include "shell/tray_icon_win.h"
#include "shell/window_visibility_win.h"
#include "store/cp932.h"
#include "store/current_category.h"

namespace tessel {
namespace {

// The list pane's item menu, opened at a point of the pane's client space.
int ShowItemMenu(HWND pane, POINT clientPoint, int itemPosition) {
    return ShowPopupMenu(pane, clientPoint, itemPosition, PopupMenuKind::Item);
}

constexpr int kMinimumTrackWidth = 100;

// Set once the window has written its files and let go of the store; no
// later message may write them again from the emptied store.
bool shutDown = false;

MainFrameAccess Access;

// --- Creation and shutdown ---------------------------------------------------

bool FrameIsSizing() {
    return FrameMouse.sizingActive;
}

// The window's own icons in the sizes of its DPI, for the taskbar and the
// window switcher; the class's are those of the system's DPI.
void SetWindowIcons(HWND window) {
    IconHandle small(LoadSmallProgramIcon(AppInstance, 0, AppDpi));
    IconHandle large(LoadLargeProgramIcon(AppInstance, AppDpi));
    if (small) {
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
        WindowSmallIcon = std::move(small);
    }
    if (large) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large.Get()));
        WindowLargeIcon = std::move(large);
    }
}

void ShowCurrentCategoryTitle() {
    if (AppStore.categoryCount <= 0) {
        return;
    }
    CategoryInfo info;
    if (AppStore.GetCategory(AppStore.currentCategory, info)) {
        SetTitleText(info.name);
    }
}

LRESULT OnCreate(HWND window) {
    MainFrameHandle = window;
    shutDown = false;
    // Everything below is made at the window's DPI: fonts, image, pane and
    // the tab widths measured as the list is read.
    SetLayoutDpi(WindowDpi(window));
    SetVisibilityHost(VisibilityHost{FrameIsSizing});
    SetOffscreenDrawing(DrawFrame);
    if (!CreateOffscreen(window)) {
        ReportError(kErrorCreateWindow, "処理内容：オフスクリーン初期化", window);
        ReleaseOffscreen();
        return -1;
    }
    if (AppSettings.TaskTray == 1 && AppSettings.DispTrayIcon == 1 &&
        !AddTrayIcon(window, kProgramTitle)) {
        TrayRetryCount = 0;
        SetTimer(window, kTrayRetryTimer, kTrayRetryPeriod, nullptr);
    }
    TaskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    SetListPaneHost(ListPaneHost{ShowItemMenu});
    if (!CreateListPane(window)) {
        ReportError(kErrorCreateWindow, "処理内容：リストウィンドウ作成", window);
        ReleaseOffscreen();
        return -1;
    }
    if (!ReadListFile(OffscreenDc())) {
        ReportError(kErrorCreateList, "処理内容：リストファイル読み込み", window);
    }
    ShowCurrentCategoryTitle();
    AppHistory.Clear();
    AppHistory.SetChangeListener([] {
        KeepListVersionRead();  // before this side first writes over it
        ArmIdleSave();
    });
    AppStore.history = &AppHistory;
    SetTimer(window, kListWatchTimer, kListWatchPeriod, nullptr);
    EditBrush.Reset(CreateSolidBrush(AppLayout.TitleBack1));
    SetWindowIcons(window);
    PostMessageA(ListPaneHandle, WM_SETFOCUS, 0, 0);
    return 0;
}

// A session end that a failed save refused: Windows shows the user why.
// Called through GetProcAddress, as Windows before Vista lacks them.
void SetShutdownBlockReason(HWND window, const wchar_t* reason) {
    using Create = BOOL(WINAPI*)(HWND, LPCWSTR);
    using Destroy = BOOL(WINAPI*)(HWND);
    static const auto create =
        FindSystemCall<Create>(SystemLibrary::User32, "ShutdownBlockReasonCreate");
    static const auto destroy =
        FindSystemCall<Destroy>(SystemLibrary::User32, "ShutdownBlockReasonDestroy");
    if (reason != nullptr && create != nullptr) {
        create(window, reason);
    } else if (reason == nullptr && destroy != nullptr) {
        destroy(window);
    }
}

// Writes the list (writeList 1) and system.ini, then lets go of everything;
// the window itself is the caller's. A failed write here is silent: the
// callers that can still act on it have saved before.
void ShutDown(HWND window, bool writeList) {
    if (shutDown) {
        return;
    }
    KillTimer(window, kListWatchTimer);
    KillTimer(window, kIdleSaveTimer);
    ShowWindow(window, SW_HIDE);
    RemoveTrayIcon(window);
    EditBrush.Reset();
    ReleaseEditFont();
    WriteSystemSettings();
    if (writeList) {
        WriteListFile();
    }
    shutDown = true;
    // The history points into the store and holds categories of its own.
    AppStore.history = nullptr;
    AppHistory.Clear();
    AppStore.FreeAllCategories();
    AppStore.RecalcTabWidth(AppLayout.CategorySpace);
    MakeCategoryCurrent(AppStore, -1, FocusPlacement::FirstRow);
    ReleaseOffscreen();
    UnregisterHotKey(window, kWindowHotKeyId);
}

// The list is written first, before anything is torn down: when that
// fails the user chooses, and No leaves the program exactly as it was.
LRESULT OnClose(HWND window) {
    static bool closing = false;
    if (closing || shutDown) {
        return 0;
    }
    closing = true;
    CommitOpenEdit();
    const bool exit = SaveListReporting(window) || ConfirmExitWithoutSaving(window);
    closing = false;
    if (exit) {
        ShutDown(window, false);
        DestroyWindow(window);
    }
    return 0;
}

// The session may end: the files are saved now, but the store and the
// window stay whole, since the end may yet be cancelled. A list that cannot
// be written refuses the end, and Windows shows the user why.
LRESULT OnQueryEndSession(HWND window) {
    if (shutDown) {
        return TRUE;
    }
    CommitOpenEdit();
    WriteSystemSettings();
    if (!WriteListFile()) {
        SetShutdownBlockReason(window, L"リストを保存できません");
        return FALSE;
    }
    SetShutdownBlockReason(window, nullptr);
    return TRUE;
}

// The session really ends (wParam TRUE): the usual close. A cancelled end
// (FALSE) leaves the program running as it was.
LRESULT OnEndSession(HWND window, WPARAM ending) {
    if (ending) {
        ShutDown(window, true);
        DestroyWindow(window);
    }
    return 0;
}

// Another program may have written list.txt while this window was away.
LRESULT OnActivate(HWND window, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProcA(window, WM_ACTIVATE, wParam, lParam);
    if (LOWORD(wParam) != WA_INACTIVE && !shutDown) {
        TakeUpOutsideListChanges(window);
        OfferListConflictCopies(window);
    }
    return result;
}

LRESULT OnDestroy() {
    // The clipboard keeps every format of a copy once the program has ended
    // (a session's end too: it may end the program once this returns).
    HandOverClipboard();
    PostQuitMessage(0);
    return 0;
}

// --- Size, painting and text ------------------------------------------------

// A resize, a minimise or a maximise keeps what is being typed, as every
// other way out of an edit does.
LRESULT OnSize(HWND window, LPARAM lParam) {
    if (!shutDown) {
        CommitOpenEdit();
    }
    AppSettings.WindowWidth = GET_X_LPARAM(lParam);
    AppSettings.WindowHeight = GET_Y_LPARAM(lParam);
    LayoutPanes();
    RefreshOffscreen(window);
    InvalidateRect(window, nullptr, FALSE);
    return 0;
}

// The window went to a screen of another DPI (wParam; Windows sends it, or
// a program that knows better). Everything sized from the layout is made
// again at the new DPI, then the window takes the rectangle suggested in
// lParam, and the panes are laid out for it.
LRESULT OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    const int dpi = LOWORD(wParam);
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    if (dpi <= 0 || suggested == nullptr || shutDown) {
        return 0;
    }
    CommitOpenEdit();
    const DpiScale before = AppScale();
    SetLayoutDpi(dpi);
    AppSettings.ScrollIndex = AppScale()(before.Unscale(AppSettings.ScrollIndex));
    if (!CreateOffscreen(window)) {
        ReleaseOffscreen();  // drawn again at the next size change
    }
    RemeasureCategoryNames();
    RefreshListPaneForDpi();
    SetWindowIcons(window);
    if (AppSettings.TaskTray == 1 && AppSettings.DispTrayIcon == 1) {
        RefreshTrayIcon(window, kProgramTitle);
    }
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The same size sends no WM_SIZE: lay out and draw here in any case.
    RECT client{};
    GetClientRect(window, &client);
    AppSettings.WindowWidth = client.right - client.left;
    AppSettings.WindowHeight = client.bottom - client.top;
    LayoutPanes();
    RefreshOffscreen(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    return 0;
}

void Paint(HWND window) {
    PaintScope paint(window);
    if (OffscreenDc() != nullptr) {
        paint.CopyFrom(OffscreenDc());
    }
}

// A screen reader hears of a change to the bars once it shows.
LRESULT OnPaint(HWND window) {
    Paint(window);
    if (Access.painted != nullptr && !shutDown) {
        Access.painted(window);
    }
    return 0;
}

LRESULT OnGetObject(HWND window, WPARAM wParam, LPARAM lParam) {
    if (Access.getObject != nullptr && !shutDown) {
        return Access.getObject(window, wParam, lParam);
    }
    return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
}

// Copies as much of the title as fits (never half a two-byte character) and
// answers the title's full length.
LRESULT OnGetText(WPARAM size, LPARAM lParam) {
    char* buffer = reinterpret_cast<char*>(lParam);
    if (buffer != nullptr && size > 0) {
        std::string_view fitted = Cp932Prefix(TitleBuffer, size - 1);
        std::memcpy(buffer, fitted.data(), fitted.size());
        buffer[fitted.size()] = '\0';
    }
    return static_cast<LRESULT>(TitleBuffer.size());
}

LRESULT OnGetMinMaxInfo(LPARAM lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    if (info == nullptr) {
        return 0;
    }
    info->ptMinTrackSize.x = AppScale()(kMinimumTrackWidth);
    // A title bar height of 0 or below, or a huge one, from layout.ini must
    // not make the least window empty or giant.
    info->ptMinTrackSize.y = SafeSize(AppLayout.TitleBarHeight);
    return 0;
}

LRESULT OnSetFocus() {
    if (!BarMouse.categoryDragActive && ListPaneHandle != nullptr) {
        SetFocus(ListPaneHandle);
    }
    return 0;
}

LRESULT OnContextMenu(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    ShowPopupMenu(window, POINT{frame.left, frame.top + AppLayout.TitleBarHeight}, -1,
                  PopupMenuKind::Frame);
    return 0;
}

LRESULT OnCtlColorEdit(WPARAM wParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, AppLayout.TitleText);
    SetBkColor(dc, AppLayout.TitleBack1);
    return reinterpret_cast<LRESULT>(EditBrush.Get());
}

// --- System commands, timers, tray --------------------------------------------

LRESULT OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            WindowShown = 0;
            if (AppSettings.TaskTray == 1) {
                ShowWindow(window, SW_HIDE);
                return 0;
            }
            break;
        case SC_MAXIMIZE:
            PostMessageA(window, WM_COMMAND, kCmdToggleMaximised, 0);
            return 0;
        case SC_RESTORE:
            PostMessageA(window, WM_COMMAND, kCmdRestoreWindow, 0);
            return 0;
        case SC_KEYMENU:
            // The window has no menu bar and draws no system menu: Alt alone
            // (or Alt released after a shortcut such as Alt+Down, whose key
            // the shortcut table took) would only trap the keys in an
            // invisible menu. The frame menu has its own key, Alt+Space.
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
}

void OnTrayRetryTimer(HWND window) {
    if (AppSettings.DispTrayIcon == 1 && AppSettings.TaskTray == 1) {
        ++TrayRetryCount;
        if (!AddTrayIcon(window, kProgramTitle) && TrayRetryCount < kTrayRetryLimit) {
            return;
        }
    }
    KillTimer(window, kTrayRetryTimer);
}

void OnArrowRepeatTimer(HWND window) {
    const CategoryArrow arrow = BarMouse.pressedCategoryArrow;
    if (arrow != CategoryArrow::None) {
        ScrollCategoryBar(arrow == CategoryArrow::Right);
    } else {
        KillTimer(window, kArrowRepeatTimer);
    }
}

// A child window under the cursor counts as another window.
void OnHoverLeaveTimer(HWND window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) != window) {
        KillTimer(window, kHoverLeaveTimer);
        PostMessageA(window, WM_MOUSELEAVE, 0, 0);
    }
}

LRESULT OnTimer(HWND window, WPARAM id) {
    switch (id) {
        case kTrayRetryTimer:
            OnTrayRetryTimer(window);
            break;
        case kArrowRepeatTimer:
            OnArrowRepeatTimer(window);
            break;
        case kHoverLeaveTimer:
            OnHoverLeaveTimer(window);
            break;
        case kListWatchTimer:
            if (!shutDown) {
                TakeUpOutsideListChanges(window);
                OfferListConflictCopies(window);
            }
            break;
        case kIdleSaveTimer:
            if (!shutDown) {
                OnIdleSaveTimer(window);
            }
            break;
        case kReadNoticeTimer:
            if (!shutDown) {
                TellReadNotices(window);
            }
            break;
        default:
            break;
    }
    return 0;
}

// The tray icon's mouse; its right button opens the tray menu at the cursor.
LRESULT OnTrayCallback(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (OnTrayNotify(window, wParam, lParam)) {
        case TrayNotifyResult::OpenTrayMenu: {
            POINT cursor{};
            GetCursorPos(&cursor);
            ShowPopupMenu(window, cursor, -1, PopupMenuKind::Tray);
            return 0;
        }
        case TrayNotifyResult::Handled:
            return 0;
        case TrayNotifyResult::Default:
        default:
            return DefWindowProcA(window, kTrayNotifyMessage, wParam, lParam);
    }
}

// Explorer has (re)started: the icon comes back through the retry timer.
LRESULT OnTaskbarCreated(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (AppSettings.DispTrayIcon == 1) {
        TrayRetryCount = 0;
        SetTimer(window, kTrayRetryTimer, kTrayRetryPeriod, nullptr);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT OnChar(HWND window, WPARAM key) {
    if (key == VK_ESCAPE && BarMouse.categoryDragActive) {
        CancelCategoryDrag(window);
    }
    return 0;
}

LRESULT OnNcHitTest(HWND window, WPARAM wParam, LPARAM lParam) {
    LRESULT standard = DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
    return AppSettings.TaskTray == 1 ? FrameNcHitTest(window, lParam, standard) : standard;
}

LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TaskbarCreatedMessage && message != 0) {
        return OnTaskbarCreated(window, message, wParam, lParam);
    }
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    switch (message) {
        case WM_CREATE:
            return OnCreate(window);
        case WM_DESTROY:
            return OnDestroy();
        case WM_NCDESTROY:
            if (MainFrameHandle == window) {
                MainFrameHandle = nullptr;
                // No window, no DPI: the layout is the file's again.
                SetLayoutDpi(kBaseDpi);
            }
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_SIZE:
            return OnSize(window, lParam);
        case WM_DPICHANGED:
            return OnDpiChanged(window, wParam, lParam);
        case WM_SETFOCUS:
            return OnSetFocus();
        case WM_GETTEXT:
            return OnGetText(wParam, lParam);
        case WM_PAINT:
            return OnPaint(window);
        case WM_ERASEBKGND:
            return 1;
        case WM_CLOSE:
            return OnClose(window);
        case WM_QUERYENDSESSION:
            return OnQueryEndSession(window);
        case WM_ACTIVATE:
            return OnActivate(window, wParam, lParam);
        case WM_SHOWWINDOW:
            if (wParam && !shutDown) {
                ArmReadNotices(window);  // what was read is told once it shows
            }
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_ENDSESSION:
            return OnEndSession(window, wParam);
        case WM_GETMINMAXINFO:
            return OnGetMinMaxInfo(lParam);
        case WM_CONTEXTMENU:
            return OnContextMenu(window);
        case WM_NCHITTEST:
            return OnNcHitTest(window, wParam, lParam);
        case WM_CHAR:
            return OnChar(window, wParam);
        case WM_COMMAND:
            DispatchCommand(window, wParam);
            return 0;
        case WM_SYSCOMMAND:
            return OnSysCommand(window, wParam, lParam);
        case WM_TIMER:
            return OnTimer(window, wParam);
        case WM_CTLCOLOREDIT:
            return OnCtlColorEdit(wParam);
        case WM_SETCURSOR:
            return FrameSetCursor(window, wParam, lParam)
                       ? TRUE
                       : DefWindowProcA(window, message, wParam, lParam);
        case WM_MOUSEMOVE:
            OnFrameMouseMove(window, x, y);
            return 0;
        case WM_LBUTTONDOWN:
            OnFrameLButtonDown(window, x, y);
            return 0;
        case WM_LBUTTONUP:
            OnFrameLButtonUp(window, x, y);
            return 0;
        case WM_LBUTTONDBLCLK:
            OnFrameLButtonDblClk(window, x, y);
            return 0;
        case WM_RBUTTONDOWN:
            OnFrameRButtonDown(window, x, y);
            return 0;
        case WM_RBUTTONUP:
            OnFrameRButtonUp(window, x, y);
            return 0;
        case WM_MOUSEWHEEL:
            OnFrameMouseWheel(window, wParam);
            return 0;
        case WM_MOUSELEAVE:
            OnFrameMouseLeave(window);
            return 0;
        case WM_CAPTURECHANGED:
            return 0;
        case WM_HOTKEY:
            OnHotKey(window, wParam);
            return 0;
        case kTrayNotifyMessage:
            return OnTrayCallback(window, wParam, lParam);
        case WM_GETOBJECT:
            return OnGetObject(window, wParam, lParam);
        case kCloseButtonClickMessage:
            if (!shutDown) {
                ClickCloseButton(window);
            }
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

ATOM RegisterMainFrameClass(HINSTANCE instance) {
    WindowClass frame{kMainFrameClass, MainFrameProc, CS_DBLCLKS};
    frame.icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP_LARGE));
    // The system's own sizes, which the system may share; the window takes
    // those of its DPI (WM_SETICON) once it exists.
    frame.smallIcon = LoadSmallProgramIcon(instance, LR_SHARED, SystemDpi());
    return RegisterWindowClass(instance, frame);
}

void SetMainFrameAccess(const MainFrameAccess& access) {
    Access = access;
}

LRESULT CALLBACK MainFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing may unwind into the system's code; a handler that ran out of
    // memory refuses creation and otherwise leaves the message as done.
    try {
        return Dispatch(window, message, wParam, lParam);
    } catch (...) {
        return message == WM_CREATE ? -1 : 0;
    }
}

}  // namespace tessel
