// The task-tray icon, its mouse messages and the global hot key's action.
// The icon exists in tray mode when "DispTrayIcon" is 1.
#pragma once

#include <windows.h>

#include <shellapi.h>

namespace tessel {

inline constexpr UINT kTrayIconId = 100;
// The icon's callback message to the main window.
inline constexpr UINT kTrayNotifyMessage = 0x800B;

// The first version of the platform's UTF-16 record, whose size differs
// between 32-bit (152 bytes) and 64-bit builds: the platform's own
// definition, never a number.
inline constexpr DWORD kTrayRecordSize = NOTIFYICONDATAW_V1_SIZE;

// The record that adds the icon: window, identifier 100, callback message,
// the small program icon and the tooltip, cp932 made UTF-16 (cut to fit,
// whole characters).
NOTIFYICONDATAW TrayIconRecord(HWND window, const char* tooltip);

// Deletes any icon of ours first, then adds it: 1 when it was added.
int AddTrayIcon(HWND window, const char* tooltip);
// 1 when an icon was removed.
int RemoveTrayIcon(HWND window);
// Shows the icon again in the size the DPI now asks for, where it stands:
// 1 when the shell took it.
int RefreshTrayIcon(HWND window, const char* tooltip);

// WM_HOTKEY: shows or hides (tray mode), minimises or activates (taskbar
// mode) the main window, by posting the commands the window understands.
void OnHotKey(HWND window, WPARAM id);

enum class TrayNotifyResult {
    Default,  // not ours: the default handling
    Handled,
    OpenTrayMenu,  // the window has been brought forward; the caller opens the tray menu
};
// The icon's callback message (lParam the mouse message).
TrayNotifyResult OnTrayNotify(HWND window, WPARAM iconId, LPARAM mouseMessage);

}  // namespace tessel
