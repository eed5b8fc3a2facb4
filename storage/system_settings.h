// Window placement, behaviour options and the position in the lists, as
// kept in system.ini between runs. One process-wide instance.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessel {

struct PlacementRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

struct SystemSettings {
    // Placement of the main window in screen pixels ("Left", "Top", "Width",
    // "Height"); kept current on every resize.
    std::int32_t WindowX = 100;
    std::int32_t WindowY = 100;
    std::int32_t WindowWidth = 500;
    std::int32_t WindowHeight = 300;
    // The placement to return to when the maximised state is left; what the
    // file stores as "Left", "Top", "Width", "Height".
    PlacementRect NormalRect{100, 100, 500, 300};

    std::int32_t WindowMax = 0;
    std::int32_t WindowTop = 0;
    std::int32_t DispCategory = 1;
    std::int32_t CheckMoveDown = 0;
    std::int32_t TaskTray = 0;
    // "CategoryIndex": copied into the store's currentCategory after reading
    // and back from it before writing.
    std::int32_t CategoryIndex = 0;
    std::int32_t ScrollIndex = 0;
    std::int32_t DispTrayIcon = 1;
    std::int32_t DispMenuKey = 1;
    std::int32_t StartIME = 0;
    std::int32_t DeleteCheck = 1;
    std::int32_t AutoIndent = 1;
    std::int32_t EditMode = 0;
    // "InsertPosition": three decimal digits, item, separator, paste.
    std::int32_t InsertPositionItem = 1;
    std::int32_t InsertPositionSeparator = 1;
    std::int32_t InsertPositionPaste = 1;
    std::int32_t SeparatorLength = 40;
    // Low byte a virtual-key code; high byte 0x01 Ctrl, 0x02 Shift, 0x04 Alt,
    // 0x08 Win, 0x10 extended key. 0 = none.
    std::int32_t WindowHotKey = 0;
};

void SetSystemDefaults(SystemSettings& settings);

// Applies the content of a system.ini (cp932 bytes) over the current values.
// Placement clamps are separate (ClampPlacement), as they need the screen.
// The number of settings taken: 0 for a file of no use (LF-only line ends,
// a byte-order mark before "[System]", another program's file).
int ParseSystemSettings(std::string_view bytes, SystemSettings& settings);

// Brings the placement read from the file into range and sets NormalRect
// from it. titleBarHeight is the least height.
void ClampPlacement(SystemSettings& settings, int screenWidth, int screenHeight,
                    int titleBarHeight);

// The whole file, byte for byte; Left/Top/Width/Height from NormalRect.
std::string FormatSystemSettings(const SystemSettings& settings);

// Hexadecimal scan from the last byte backwards, skipping non-digits, at
// most 7 digits.
std::int32_t ParseIniHex(std::string_view value);

}  // namespace tessel
