// NOT YET BUILT: the task-tray icon, the global hot key's action and
// showing and hiding the window. The main window already calls these at the
// right moments; until their own change they do nothing (an icon is never
// added).
#pragma once

#include <windows.h>

namespace tessel {

// 1 when the icon was added, 0 otherwise.
int AddTrayIcon(HWND window, const char* tooltip);
// 1 when an icon was removed, 0 otherwise.
int RemoveTrayIcon(HWND window);
// WM_HOTKEY.
void OnHotKey(HWND window, WPARAM id);
// The tray callback message; false leaves it to the default handling.
bool OnTrayNotify(HWND window, WPARAM iconId, LPARAM mouseMessage);

}  // namespace tessel
