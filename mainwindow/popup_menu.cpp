// NOT YET BUILT; see popup_menu.h.
#include "mainwindow/popup_menu.h"

namespace tessel {

int ShowPopupMenu(HWND, POINT, int, PopupMenuKind) {
    return 1;
}

}  // namespace tessel
