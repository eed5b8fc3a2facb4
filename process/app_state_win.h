// The process-wide state of the program: the settings, the document and the
// handles the program has exactly one of. Everything runs on the one
// user-interface thread, so nothing here is locked.
#pragma once

#include <windows.h>

#include <string>

#include "storage/layout_settings.h"
#include "storage/system_settings.h"
#include "store/list_history.h"
#include "store/list_store.h"

namespace tessel {

extern LayoutSettings AppLayout;    // layout.ini; constant once read
extern SystemSettings AppSettings;  // system.ini; changed by commands, written at exit
extern ListStore AppStore;          // the document (list.txt)
extern ListHistory AppHistory;      // its undo steps; AppStore.history while the window lives

extern HINSTANCE AppInstance;
extern HWND MainFrameHandle;        // null until the main window exists
extern std::wstring ExeDirectory;   // UTF-16, without a trailing backslash
extern std::wstring DataDirectory;  // ExeDirectory + "\system"
extern HACCEL AcceleratorHandle;    // the shortcut table, once built
extern HACCEL ActiveAccelerators;   // null while an in-place edit has the focus
extern int WindowShown;             // 1 while the window is meant to be visible
extern int ScreenWidth;
extern int ScreenHeight;
extern RECT WorkArea;          // taken once at start
extern int rememberedImeOpen;  // input-method state carried between edits
extern int dragThresholdX;     // the system's drag distances, each at least 1
extern int dragThresholdY;
extern int wheelScrollLines;  // lines per wheel notch, at least 1

// Ends the undo step being recorded: called as each command, mouse action
// or edit begins, so that each is a step of its own.
void SealListStep();

}  // namespace tessel
