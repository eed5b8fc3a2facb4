#include "shell/tray_icon_win.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "drawing/gdi_handles_win.h"
#include "drawing/program_icon_win.h"
#include "process/app_state_win.h"
#include "process/system_library_win.h"
#include "process/wide_text_win.h"
#include "process/window_dpi_win.h"
#include "shell/command_ids.h"
#include "shell/hot_key_win.h"
#include "shell/window_visibility_win.h"

namespace tessel {
namespace {

// The first version's tooltip field, terminating zero included.
constexpr std::size_t kTrayTipUnits = 64;

// The icon at the size the primary monitor's DPI asks for, as the taskbar's
// notification area lies there; loaded again when that size changes, and
// kept while it may be the one shown (the shell takes a copy).
HICON SmallProgramIcon() {
    static IconHandle icon;
    static int loadedSize = 0;
    const int dpi = PrimaryMonitorDpi();
    if (!icon || loadedSize != SmallIconSize(dpi)) {
        icon.Reset(LoadSmallProgramIcon(AppInstance, 0, dpi));
        loadedSize = SmallIconSize(dpi);
    }
    return icon.Get();
}

NOTIFYICONDATAW IconKey(HWND window) {
    NOTIFYICONDATAW record{};
    record.cbSize = kTrayRecordSize;
    record.hWnd = window;
    record.uID = kTrayIconId;
    return record;
}

// The shell's notification call, looked up on the first icon: the shell's
// library, and the libraries it brings along, would otherwise be loaded by
// every start, and only the tray icon needs it. Null when it cannot be had,
// or (with load false) when no icon was ever asked for.
using NotifyIconCall = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);

NotifyIconCall ShellNotifyIcon(bool load) {
    static NotifyIconCall call = nullptr;
    static bool tried = false;
    if (call != nullptr || !load || tried) {
        return call;
    }
    tried = true;
    call = FindSystemCall<NotifyIconCall>(SystemLibrary::Shell32, "Shell_NotifyIconW");
    return call;
}

void PostTrayMessage(HWND window, UINT mouseMessage) {
    PostMessageA(window, kTrayNotifyMessage, kTrayIconId, static_cast<LPARAM>(mouseMessage));
}

}  // namespace

NOTIFYICONDATAW TrayIconRecord(HWND window, const char* tooltip) {
    NOTIFYICONDATAW record = IconKey(window);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kTrayNotifyMessage;
    record.hIcon = SmallProgramIcon();
    // Every cp932 character is one UTF-16 unit: a cut by units keeps whole
    // characters.
    const std::wstring tip = WideFromCp932(tooltip != nullptr ? tooltip : "");
    const std::size_t units = std::min(tip.size(), kTrayTipUnits - 1);
    std::wmemcpy(record.szTip, tip.data(), units);
    record.szTip[units] = L'\0';
    return record;
}

int AddTrayIcon(HWND window, const char* tooltip) {
    RemoveTrayIcon(window);
    NOTIFYICONDATAW record = TrayIconRecord(window, tooltip);
    const NotifyIconCall notify = ShellNotifyIcon(true);
    return notify != nullptr && notify(NIM_ADD, &record) ? 1 : 0;
}

int RefreshTrayIcon(HWND window, const char* tooltip) {
    NOTIFYICONDATAW record = TrayIconRecord(window, tooltip);
    const NotifyIconCall notify = ShellNotifyIcon(false);
    return notify != nullptr && notify(NIM_MODIFY, &record) ? 1 : 0;
}

int RemoveTrayIcon(HWND window) {
    NOTIFYICONDATAW key = IconKey(window);
    const NotifyIconCall notify = ShellNotifyIcon(false);
    return notify != nullptr && notify(NIM_DELETE, &key) ? 1 : 0;
}

void OnHotKey(HWND window, WPARAM id) {
    if (id != static_cast<WPARAM>(kWindowHotKeyId)) {
        return;
    }
    if (AppSettings.TaskTray == 1) {
        PostMessageA(window, WM_COMMAND, WindowShown == 1 ? kCmdHide : kCmdShowWindow, 0);
    } else if (WindowShown == 0) {
        PostMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    } else if (GetForegroundWindow() == window) {
        PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    } else {
        SetForegroundWindow(window);
    }
}

TrayNotifyResult OnTrayNotify(HWND window, WPARAM iconId, LPARAM mouseMessage) {
    if (iconId != kTrayIconId) {
        return TrayNotifyResult::Default;
    }
    switch (static_cast<UINT>(mouseMessage)) {
        case WM_LBUTTONDOWN:
            if (WindowShown == 1) {
                SetForegroundWindow(window);
                HideMainWindow();
            } else {
                ShowMainWindow();
            }
            return TrayNotifyResult::Handled;
        case WM_LBUTTONDBLCLK:
            // The second press of a double click toggles once more.
            PostTrayMessage(window, WM_LBUTTONDOWN);
            return TrayNotifyResult::Handled;
        case WM_RBUTTONUP:
            SetForegroundWindow(window);
            return TrayNotifyResult::OpenTrayMenu;
        case WM_MBUTTONDOWN:
            ShowMainWindow();
            return TrayNotifyResult::Handled;
        case WM_MBUTTONDBLCLK:
            PostTrayMessage(window, WM_MBUTTONDOWN);
            return TrayNotifyResult::Handled;
        default:
            return TrayNotifyResult::Default;
    }
}

}  // namespace tessel
