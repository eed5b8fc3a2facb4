// Resource identifiers shared by the resource script and the code.
#pragma once

// The class's large icon: 32 x 32 (24-bit), 16, 40, 48, 64 and 256 (32-bit).
#define IDI_APP_LARGE 101
// Title bar, tray and the class's small icon: 16, 20, 24 and 32 (32-bit), the
// small icon's sizes at 96, 120, 144 and 192 DPI.
#define IDI_APP_SMALL 102
