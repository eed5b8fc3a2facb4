// Saving list.txt where the user sees a failure, and taking up the version
// another program wrote while nothing here is unsaved.
#pragma once

#include <windows.h>

#include "process/frame_timers.h"

namespace tessel {

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
// The idle save's timer: writes the list when it changed and nothing is
// under way. A failure is reported once, until a save succeeds again.
void OnIdleSaveTimer(HWND window);

// Shows another program's version of list.txt when nothing is unsaved and
// no mouse action, menu or message box is under way. From the watch timer
// and window activation.
void TakeUpOutsideListChanges(HWND window);

}  // namespace tessel
