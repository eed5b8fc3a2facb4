// The popup menus (frame, tray and item menus): built afresh from their
// models (commands/menu_model.h) each time, tracked, destroyed, and the
// choice carried out.
#pragma once

#include <windows.h>

#include "commands/menu_model.h"
#include "drawing/gdi_handles_win.h"

namespace tessel {

enum class PopupMenuKind : int { Frame = 0, Tray = 1, Item = 2 };

// Builds, runs and carries out the menu of the given kind at point (screen
// coordinates; the item menu's point is in owner's client space and
// itemPosition the row it is for); 1.
int ShowPopupMenu(HWND owner, POINT point, int itemPosition, PopupMenuKind kind);

// The model of a menu kind for the state of the moment.
MenuModel PopupMenuModel(PopupMenuKind kind, int itemPosition);
// The platform menu of a model, submenus included; empty when it could not
// be made.
MenuHandle BuildPopupMenu(const MenuModel& model);
// What a chosen identifier does: the frame menu's category entries select
// their category, everything else goes to the main window as WM_COMMAND.
void CarryOutMenuChoice(PopupMenuKind kind, int choice);

}  // namespace tessel
