#include "drawing/program_icon_win.h"

#include "resources/resource_ids.h"

namespace tessel {

int SmallIconSize() {
    return GetSystemMetrics(SM_CXSMICON);
}

HICON LoadSmallProgramIcon(HINSTANCE instance, UINT flags) {
    if (instance == nullptr) {
        return nullptr;
    }
    const int size = SmallIconSize();
    return static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP_SMALL), IMAGE_ICON, size, size, flags));
}

}  // namespace tessel
