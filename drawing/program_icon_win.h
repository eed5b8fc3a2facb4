// The program's small icon, in the one size that the title bar, the tray and
// the window class all take: the size the system gives small icons.
#pragma once

#include <windows.h>

namespace tessel {

// SM_CXSMICON: 16 at 96 DPI.
int SmallIconSize();
// IDI_APP_SMALL in SmallIconSize(), or null when the module has none. With
// LR_SHARED the system keeps it (never destroyed); without, it is the
// caller's to destroy.
HICON LoadSmallProgramIcon(HINSTANCE instance, UINT flags);

}  // namespace tessel
