// The DPI of windows and monitors, from the calls Windows 8.1 and 10 added
// (GetDpiForWindow, GetDpiForMonitor, GetSystemMetricsForDpi). They are
// taken through GetProcAddress, as the program also runs on Windows 7,
// where the system's DPI (LOGPIXELSY of the screen) stands for every window
// and monitor.
#pragma once

#include <windows.h>

#include <vector>

#include "process/window_placement.h"

namespace tessel {

// LOGPIXELSY of the screen: the DPI of a system-aware program, and the
// DPI of every monitor where the system knows no other.
int SystemDpi();
// The DPI the window is drawn at.
int WindowDpi(HWND window);
// The monitors in screen pixels with their DPI, the primary one first.
std::vector<MonitorArea> ScreenMonitors();
// The DPI of the primary monitor, where the taskbar's notification area is.
int PrimaryMonitorDpi();
// A system metric for 96 DPI (SM_CXDRAG, say): the one size that the
// program's scale then makes fit a window's DPI. Where the system cannot
// tell (Windows 7), its plain value.
int SystemMetricAtBaseDpi(int index);

}  // namespace tessel
