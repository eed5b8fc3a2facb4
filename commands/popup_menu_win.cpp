#include "commands/popup_menu_win.h"

#include <string>

#include "categorybar/category_commands_win.h"
#include "clipboard/clipboard_win.h"
#include "process/app_state_win.h"
#include "process/wide_text_win.h"
#include "shell/accelerators_win.h"

namespace tessel {
namespace {

std::string PlatformKeyName(std::int32_t keyCode) {
    std::string name;
    FormatKeyName(keyCode, name);
    return name;
}

UINT StateOf(unsigned flags) {
    UINT state = 0;
    state |= (flags & kMenuGreyed) != 0 ? MFS_GRAYED : 0;
    state |= (flags & (kMenuChecked | kMenuRadio)) != 0 ? MFS_CHECKED : 0;
    state |= (flags & kMenuHighlighted) != 0 ? MFS_HILITE : 0;
    state |= (flags & kMenuDefault) != 0 ? MFS_DEFAULT : 0;
    return state;
}

// Appends one entry at the end of menu; a submenu goes with it. The text,
// key name included, is cp932 made UTF-16, whatever the code page of the
// system.
bool AppendEntry(HMENU menu, const MenuEntry& entry) {
    std::wstring text;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.fState = StateOf(entry.flags);
    info.wID = static_cast<UINT>(entry.id);
    info.fType = entry.IsSeparator() ? MFT_SEPARATOR : MFT_STRING;
    if ((entry.flags & kMenuRadio) != 0) {
        info.fType |= MFT_RADIOCHECK;
    }
    if (!entry.IsSeparator()) {
        text = WideFromCp932(entry.text);
        info.dwTypeData = text.data();
    } else {
        info.fMask &= ~static_cast<UINT>(MIIM_STRING);
    }
    MenuHandle submenu;
    if ((entry.flags & kMenuSubmenu) != 0) {
        submenu = BuildPopupMenu(entry.submenu);
        if (!submenu) {
            return false;
        }
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = submenu.Get();
    }
    const int end = GetMenuItemCount(menu);
    if (!InsertMenuItemW(menu, static_cast<UINT>(end < 0 ? 0 : end), TRUE, &info)) {
        return false;
    }
    submenu.Release();  // destroyed with its parent from now on
    return true;
}

}  // namespace

MenuModel PopupMenuModel(PopupMenuKind kind, int itemPosition) {
    switch (kind) {
        case PopupMenuKind::Frame:
            return FrameMenu(AppStore, AppSettings, PlatformKeyName);
        case PopupMenuKind::Tray:
            return TrayMenu(AppSettings, PlatformKeyName);
        case PopupMenuKind::Item:
        default:
            return ItemMenu(AppStore, itemPosition, ClipboardHasText(), AppSettings,
                            PlatformKeyName);
    }
}

MenuHandle BuildPopupMenu(const MenuModel& model) {
    MenuHandle menu(CreatePopupMenu());
    if (!menu) {
        return menu;
    }
    for (const MenuEntry& entry : model) {
        if (!AppendEntry(menu.Get(), entry)) {
            return MenuHandle();
        }
    }
    return menu;
}

void CarryOutMenuChoice(PopupMenuKind kind, int choice) {
    if (choice <= 0) {
        return;
    }
    if (kind == PopupMenuKind::Frame && choice <= AppStore.categoryCount) {
        SelectCategory(choice - 1);
        return;
    }
    PostMessageA(MainFrameHandle, WM_COMMAND, MAKEWPARAM(choice, 0), 0);
}

int ShowPopupMenu(HWND owner, POINT point, int itemPosition, PopupMenuKind kind) {
    if (kind == PopupMenuKind::Item) {
        ClientToScreen(owner, &point);
    }
    int choice = 0;
    {
        const MenuHandle menu = BuildPopupMenu(PopupMenuModel(kind, itemPosition));
        if (!menu) {
            return 1;
        }
        // TPM_RETURNCMD: the choice comes back here and no WM_COMMAND is sent.
        choice = static_cast<int>(TrackPopupMenuEx(menu.Get(),
                                                   TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                                   point.x, point.y, owner, nullptr));
        if (kind == PopupMenuKind::Tray) {
            // Without it a tray menu may not close when the user clicks elsewhere.
            PostMessageA(owner, WM_NULL, 0, 0);
        }
    }
    CarryOutMenuChoice(kind, choice);
    return 1;
}

}  // namespace tessel
