// NOT YET BUILT: the popup menus (frame, tray and item menus). Until their
// own change, opening a menu shows nothing.
#pragma once

#include <windows.h>

namespace tessel {

enum class PopupMenuKind : int { Frame = 0, Tray = 1, Item = 2 };

// Builds, runs and carries out the menu of the given kind at point; 1.
int ShowPopupMenu(HWND owner, POINT point, int itemPosition, PopupMenuKind kind);

}  // namespace tessel
