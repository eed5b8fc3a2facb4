// NOT YET BUILT; see tray_icon.h.
#include "shell/tray_icon.h"

namespace tessel {

int AddTrayIcon(HWND, const char*) {
    return 0;
}
int RemoveTrayIcon(HWND) {
    return 0;
}
void OnHotKey(HWND, WPARAM) {}
bool OnTrayNotify(HWND, WPARAM, LPARAM) {
    return false;
}

}  // namespace tessel
