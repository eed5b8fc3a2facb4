#include "scrollbar/scroll_bar_menu_win.h"

#include "process/wide_text_win.h"
#include "scrollbar/scroll_menu_model.h"

namespace tessel {

MenuHandle BuildScrollBarMenu(const ScrollBarState& state) {
    MenuHandle menu(CreatePopupMenu());
    if (!menu) {
        return menu;
    }
    for (const ScrollMenuEntry& entry : ScrollMenuEntries(state)) {
        const BOOL added =
            entry.id == 0
                ? AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr)
                : AppendMenuW(menu.Get(), MF_STRING | (entry.greyed ? MF_GRAYED : MF_ENABLED),
                              static_cast<UINT_PTR>(entry.id), WideFromCp932(entry.text).c_str());
        if (!added) {
            return MenuHandle();
        }
    }
    return menu;
}

}  // namespace tessel
