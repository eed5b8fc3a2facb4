// The process-wide state of the program: the settings, the document and the
// handles the program has exactly one of. Everything runs on the one
// user-interface thread, so nothing here is locked.
#pragma once

#include <windows.h>

#include <string>

#include "process/dpi_scale.h"
#include "storage/layout_settings.h"
#include "storage/system_settings.h"
#include "store/list_history.h"
#include "store/list_store.h"

namespace tessel {

// layout.ini at the main window's DPI (AppDpi): what every window draws and
// hit-tests with. While AppDpi is 96 it holds the file's own sizes, as
// start-up reads them.
extern LayoutSettings AppLayout;
// The main window's DPI, 96 until the window is made at another one.
extern int AppDpi;
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
extern int dragThresholdX;     // the system's drag distances at 96 DPI, each at least 1
extern int dragThresholdY;
extern int wheelScrollLines;  // lines per wheel notch, at least 1

// The scale of AppDpi: every fixed size of the drawing and the hit tests
// goes through it.
DpiScale AppScale();
// Makes AppLayout hold layout.ini's sizes at dpi and AppDpi dpi. The file's
// own sizes are set aside when AppLayout first leaves 96 DPI, so that every
// DPI is scaled from them, never from another DPI's rounded sizes.
void SetLayoutDpi(int dpi);

// The desktop's work area now (the screen without the taskbar); the whole
// screen when the system cannot tell.
RECT QueryWorkArea();

// Ends the undo step being recorded: called as each command, mouse action
// or edit begins, so that each is a step of its own.
void SealListStep();

}  // namespace tessel
