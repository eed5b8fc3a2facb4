#include "chrome/pane_placement_win.h"

#include <windows.h>

#include "chrome/pane_layout.h"
#include "listpane/list_pane_win.h"
#include "process/app_state_win.h"

namespace tessel {

void PlaceListPane() {
    if (ListPaneHandle != nullptr) {
        PaneRect rect = ListPaneRect(AppSettings.WindowWidth, AppSettings.WindowHeight, AppLayout,
                                     AppSettings.DispCategory == 1);
        MoveWindow(ListPaneHandle, rect.x, rect.y, rect.width, rect.height, FALSE);
        InvalidateRect(ListPaneHandle, nullptr, FALSE);
    }
}

}  // namespace tessel
