// Saving list.txt where the user sees a failure, and taking up the version
// another program wrote while nothing here is unsaved.
#pragma once

#include <windows.h>

namespace tessel {

// The watch on list.txt: a light timer of the main window, besides the
// check each time the window is activated.
inline constexpr UINT_PTR kListWatchTimer = 103;
inline constexpr UINT kListWatchPeriod = 1500;
// The idle save: list.txt is written this long after the last change.
inline constexpr UINT_PTR kIdleSaveTimer = 104;
inline constexpr UINT kIdleSaveDelay = 2000;
// Looked at again this soon while an edit, a drag or a modal box is open.
inline constexpr UINT kIdleSaveRetry = 500;
// The idle save's next slice of formatting, or its next look whether the
// worker is done: as soon as the timer allows.
inline constexpr UINT kIdleSaveWritePoll = USER_TIMER_MINIMUM;

// Writes list.txt. A failure is reported (ErrorId 303 with the file's path)
// and answers false; a copy kept of another program's version is told once.
bool SaveListReporting(HWND owner);

// After a failed save at exit: asks whether to exit without saving. true
// for Yes; No (the default) keeps the program as it is.
bool ConfirmExitWithoutSaving(HWND owner);

// Commits an open item edit or category rename, so that a save keeps it.
void CommitOpenEdits();

// Whether ending now without a save would lose anything: a change not yet
// written, or an edit still open.
bool ListHasUnsavedChanges();

// (Re)starts the idle save's wait: as each change to the list begins.
void ArmIdleSave();
// The idle save's timer: writes the list when it changed and nothing is
// under way, a slice of formatting per tick, then by a worker thread. A
// failure is reported once, until a save succeeds again.
void OnIdleSaveTimer(HWND window);

// Shows another program's version of list.txt when nothing is unsaved and
// no mouse action, menu or message box is under way; while the list is
// empty because list.txt could not be read, the file as soon as it can be.
// From the watch timer and window activation, which also start the notices
// about the files read once the window shows.
void TakeUpOutsideListChanges(HWND window);

// The notices about the files read (a file not used, a copy kept), shown
// this long after the window is first seen shown.
inline constexpr UINT_PTR kReadNoticeTimer = 106;
inline constexpr UINT kReadNoticeDelay = 100;
// Starts the wait for them, when there are any: as the window is shown.
void ArmReadNotices(HWND window);
// Shows them in one box, once, when the window is shown and free.
void TellReadNotices(HWND window);

}  // namespace tessel
