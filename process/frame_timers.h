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
// The idle save: list.txt is written this long after the last change
// (the guide tells the user), and looked at again this soon while a drag, a
// menu or a modal box is open. Its next slice of formatting, or its next
// look whether the worker is done, comes as soon as a timer can
// (USER_TIMER_MINIMUM). After a failure it is tried again this often until
// one succeeds (the guide tells this too).
inline constexpr std::uintptr_t kIdleSaveTimer = 104;
inline constexpr unsigned kIdleSaveDelay = 2000;
inline constexpr unsigned kIdleSaveRetry = 500;
inline constexpr unsigned kIdleSaveWritePoll = 10;
inline constexpr unsigned kFailedSaveRetryDelay = 30000;
// The notices about the files read (a file not used, a copy kept), shown
// this long after the window is first seen shown.
inline constexpr std::uintptr_t kReadNoticeTimer = 106;
inline constexpr unsigned kReadNoticeDelay = 100;

}  // namespace tessel
