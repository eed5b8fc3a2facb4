// The three popup menus as data: for the state of the moment, the entries
// of the frame, tray and item menus with their texts (shortcut names
// appended), identifiers, flags and submenus. The window side only turns
// them into a platform menu (commands/popup_menu_win.h).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/system_settings.h"
#include "store/list_store.h"

namespace tessel {

// Entry flags.
inline constexpr unsigned kMenuGreyed = 0x01;
inline constexpr unsigned kMenuChecked = 0x02;
inline constexpr unsigned kMenuRadio = 0x04;  // checked with a radio mark
inline constexpr unsigned kMenuHighlighted = 0x08;
inline constexpr unsigned kMenuDefault = 0x10;
inline constexpr unsigned kMenuSubmenu = 0x20;  // no effect; marks submenu entries

struct MenuEntry {
    std::string text;  // cp932; empty for a separator
    int id = 0;        // 0 for separators and submenu entries
    unsigned flags = 0;
    std::vector<MenuEntry> submenu;

    bool IsSeparator() const { return text.empty(); }
};
using MenuModel = std::vector<MenuEntry>;

// The name of a 16-bit key code as the platform spells it ("Ctrl+Shift+N").
using KeyNamer = std::function<std::string(std::int32_t keyCode)>;

// text, followed by a TAB and the name of the command's shortcut when
// dispMenuKey is 1 and the command has one.
std::string MenuText(int commandId, std::string_view text, int dispMenuKey,
                     const KeyNamer& keyName);

// Frame menu entries 1 .. categoryCount select that category (id - 1).
MenuModel FrameMenu(const ListStore& store, const SystemSettings& settings,
                    const KeyNamer& keyName);
MenuModel TrayMenu(const SystemSettings& settings, const KeyNamer& keyName);
// The item menu for the item at position of the current category.
MenuModel ItemMenu(const ListStore& store, int position, bool clipboardHasText,
                   const SystemSettings& settings, const KeyNamer& keyName);

}  // namespace tessel
