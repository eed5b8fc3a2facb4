// Resource identifiers shared by the resource script and the code.
#pragma once

#define IDI_APP_LARGE 101  // 32 x 32 (24-bit) and 16 x 16 (32-bit): the class's large icon
#define IDI_APP_SMALL 102  // 16 x 16 (32-bit): title bar, tray and the class's small icon
