// The program's icons in the sizes a DPI asks for: the one place that
// decides which size the title bar, the tray, the taskbar and the window
// class take. The icon groups hold every size Windows asks for from 96 to
// 192 DPI (resources/make_icons.py draws them).
#pragma once

#include <windows.h>

namespace tessel {

// The small icon's side at dpi: 16 at 96 DPI, 20, 24 and 32 at 120, 144 and
// 192 (what SM_CXSMICON is there).
int SmallIconSize(int dpi);
// The large icon's side at dpi: 32 at 96 DPI (SM_CXICON).
int LargeIconSize(int dpi);
// IDI_APP_SMALL at SmallIconSize(dpi), or null when the module has none.
// With LR_SHARED the system keeps it (never destroyed); without, it is the
// caller's to destroy.
HICON LoadSmallProgramIcon(HINSTANCE instance, UINT flags, int dpi);
// IDI_APP_LARGE at LargeIconSize(dpi), the caller's to destroy; null when
// the module has none.
HICON LoadLargeProgramIcon(HINSTANCE instance, int dpi);

}  // namespace tessel
