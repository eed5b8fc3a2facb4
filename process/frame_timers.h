// The main window's timers, listed together so that no two share an id.
#pragma once

#include <cstdint>

namespace tessel {

// Re-adds the tray icon after a failure, at most kTrayRetryLimit times more.
inline constexpr std::uintptr_t kTrayRetryTimer = 100;
inline constexpr unsigned kTrayRetryPeriod = 1000;
inline constexpr int kTrayRetryLimit = 3;
// Scrolls the category bar while an arrow button is held.
inline constexpr std::uintptr_t kArrowRepeatTimer = 101;
inline constexpr unsigned kArrowRepeatPeriod = 20;
// Notices the mouse leaving the tabs.
inline constexpr std::uintptr_t kHoverLeaveTimer = 102;
inline constexpr unsigned kHoverLeavePeriod = 100;
// The watch on list.txt: a light timer, besides the check each time the
// window is activated.
inline constexpr std::uintptr_t kListWatchTimer = 103;
inline constexpr unsigned kListWatchPeriod = 1500;
// The idle save: list.txt is written this long after the last change, and
// looked at again this soon while an edit, a drag or a modal box is open.
inline constexpr std::uintptr_t kIdleSaveTimer = 104;
inline constexpr unsigned kIdleSaveDelay = 2000;
inline constexpr unsigned kIdleSaveRetry = 500;

}  // namespace tessel
