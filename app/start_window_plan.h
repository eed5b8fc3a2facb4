// How the main window starts: its styles, where it stands and how it is
// shown, decided from the settings and the show command the program was
// started with. Pure decisions; app/startup_win.cpp carries them out.
#pragma once

#include <cstdint>

#include "process/dpi_scale.h"
#include "storage/system_settings.h"

namespace tessel {

// The platform's values, spelled out so that this file needs no system headers.
namespace window_style {
inline constexpr std::uint32_t kPopup = 0x80000000;
inline constexpr std::uint32_t kMinimize = 0x20000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kClipChildren = 0x02000000;
inline constexpr std::uint32_t kSysMenu = 0x00080000;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kExToolWindow = 0x00000080;
}  // namespace window_style

namespace show_command {
inline constexpr int kShow = 5;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;
inline constexpr int kMinimize = 6;
inline constexpr int kShowMinNoActive = 7;
inline constexpr int kRestore = 9;
}  // namespace show_command

struct WorkAreaRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

struct StartWindowPlan {
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    int showCommand = 0;         // for ShowWindow (taskbar mode only)
    bool callShowWindow = true;  // false in tray mode: WS_VISIBLE decides
    // With "WindowTop": the topmost call hides the window (tray mode started
    // minimised) instead of only refreshing its frame.
    bool topmostHides = false;
};

// Decides styles and show command, and updates WindowShown (passed in and
// out), WindowMax and the window placement of settings. NormalRect is never
// touched: it keeps the placement to return to.
StartWindowPlan PlanStartWindow(int showCommand, SystemSettings& settings, int& windowShown,
                                const WorkAreaRect& workArea);

// The placement used when system.ini could not be read: 400 x 300 (at 96
// DPI; in pixels of the work area's DPI), at ((right - 400) / 2, (bottom -
// 300) / 2) of the work area.
PlacementRect CentredFallbackPlacement(const WorkAreaRect& workArea, DpiScale scale = DpiScale());

}  // namespace tessel
