// What system.ini's window placement means at any DPI. The file keeps the
// placement as a program that knows nothing of DPI sees it, the program
// Windows stretches as a bitmap: its width and height are 96-DPI units, and
// its left and top are where that stretched window stood, which Windows
// reckons about the top-left corner of the window's monitor, at that
// monitor's DPI. So a file written at 96 DPI opens the window at the same
// place and with the same physical size, and at 96 DPI nothing changes.
// The strip's ScrollIndex is kept in 96-DPI units too.
#pragma once

#include <cstdint>
#include <vector>

#include "storage/system_settings.h"

namespace tessel {

struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// A monitor in the screen pixels of a program that knows its DPI.
struct MonitorArea {
    ScreenRect bounds;
    int dpi = 96;
};

// The monitor that shows a placement as the file keeps it (the one whose
// area, as a program unaware of DPI sees it, holds most of the window), or
// the first one (the caller lists the primary monitor first) when none
// does. Its index; 0 for an empty list.
std::size_t MonitorOfStoredPlacement(const PlacementRect& stored,
                                     const std::vector<MonitorArea>& monitors);
// The same for a window in screen pixels.
std::size_t MonitorOfWindow(const PlacementRect& pixels, const std::vector<MonitorArea>& monitors);

// The stored placement in screen pixels of the monitor `monitor`.
PlacementRect StoredPlacementToPixels(const PlacementRect& stored, const MonitorArea& monitor);
// A window's placement in screen pixels of `monitor`, as the file keeps it.
PlacementRect PixelPlacementToStored(const PlacementRect& pixels, const MonitorArea& monitor);

// After system.ini is read (and clamped): the placement (WindowX ..
// WindowHeight and NormalRect) in screen pixels and ScrollIndex in pixels,
// on the monitor that shows the window. Answers that monitor's DPI, the
// DPI the window is made at.
int PlaceStoredSettings(SystemSettings& settings, const std::vector<MonitorArea>& monitors);
// Before system.ini is written: the settings with NormalRect (screen pixels
// at windowDpi, reckoned about the corner of the monitor that holds most of
// the window) and ScrollIndex (pixels at windowDpi) in the file's units.
SystemSettings SettingsToStore(const SystemSettings& settings,
                               const std::vector<MonitorArea>& monitors, int windowDpi);

}  // namespace tessel
