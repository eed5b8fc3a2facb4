// Saving list.txt where the user sees a failure, and taking up the version
// another program wrote while nothing here is unsaved.
#pragma once

#include <windows.h>

#include "process/frame_timers.h"

namespace tessel {

// The wait after a failed idle save: kFailedSaveRetryDelay, which a test
// may make shorter.
extern unsigned FailedSaveRetryDelay;

// Writes list.txt. A failure is reported (ErrorId 303 with the file's path)
// and answers false; a copy kept of another program's version is told once.
bool SaveListReporting(HWND owner);

// After a failed save at exit: asks whether to exit without saving. true
// for Yes; No (the default) keeps the program as it is.
bool ConfirmExitWithoutSaving(HWND owner);

// Whether ending now without a save would lose anything: a change not yet
// written, or an edit still open.
bool ListHasUnsavedChanges();

// (Re)starts the idle save's wait: as each change to the list begins.
void ArmIdleSave();
// The idle save's timer: writes the list when it changed and no drag, menu
// or modal box is under way, a slice of formatting per tick, then by a
// worker thread. An open edit or rename box does not hold it back: its
// item keeps the old text until the box commits. A failure is
// reported once and tried again every FailedSaveRetryDelay ms, silently,
// until a save succeeds.
void OnIdleSaveTimer(HWND window);

// Shows another program's version of list.txt when nothing is unsaved and
// no mouse action, menu or message box is under way; while the list is
// empty because list.txt could not be read, the file as soon as it can be.
// From the watch timer and window activation, which also start the notices
// about the files read once the window shows.
void TakeUpOutsideListChanges(HWND window);

// The notices about the files read wait for kReadNoticeTimer. Starts the wait for them, when there
// are any: as the window is shown.
void ArmReadNotices(HWND window);
// Shows them in one box, once, when the window is shown and free.
void TellReadNotices(HWND window);

}  // namespace tessel
