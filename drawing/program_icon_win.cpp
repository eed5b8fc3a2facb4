#include "drawing/program_icon_win.h"

#include "process/dpi_scale.h"
#include "resources/resource_ids.h"

namespace tessel {
namespace {

constexpr int kSmallIconSize = 16;
constexpr int kLargeIconSize = 32;

HICON LoadProgramIcon(HINSTANCE instance, int id, int size, UINT flags) {
    if (instance == nullptr) {
        return nullptr;
    }
    return static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, flags));
}

}  // namespace

int SmallIconSize(int dpi) {
    return DpiScale(dpi)(kSmallIconSize);
}

int LargeIconSize(int dpi) {
    return DpiScale(dpi)(kLargeIconSize);
}

HICON LoadSmallProgramIcon(HINSTANCE instance, UINT flags, int dpi) {
    return LoadProgramIcon(instance, IDI_APP_SMALL, SmallIconSize(dpi), flags);
}

HICON LoadLargeProgramIcon(HINSTANCE instance, int dpi) {
    return LoadProgramIcon(instance, IDI_APP_LARGE, LargeIconSize(dpi), 0);
}

}  // namespace tessel
