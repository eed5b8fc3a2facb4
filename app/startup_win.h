// Start-up of the program, in its fixed order: settings defaults, the
// single-instance check, the data folder, both settings files, the window
// classes, the main window, the hot key, then the one message loop.
#pragma once

#include <windows.h>

#include <string>

namespace tessel {

// The whole program: answers the process exit code: 0, or 1 when the data
// folder cannot serve.
int RunProgram(HINSTANCE instance, int showCommand);

// The steps, for RunProgram and for tests that start the window themselves.

// Defaults of every setting, AppInstance, ExeDirectory and DataDirectory
// (from the module's UTF-16 file name), the screen, work area and system
// metrics.
void InitialiseProcessState(HINSTANCE instance);
// 1 when no other instance runs. Otherwise the running window is brought
// forward and asked to show itself (command 32780), and the answer is 0.
int IsFirstInstance();
// 1 if path names an existing directory (a file of that name is no directory).
int IsDirectory(const std::wstring& path);
// Makes DataDirectory when it is missing, sets the colour defaults, reads
// system.ini (or centres a 400 x 300 window on the work area when it cannot)
// and layout.ini; 1. When the folder cannot be made or its entry cannot be
// read, that is reported (ErrorId 304 when access is denied, 303 otherwise,
// with the folder's path; no owner) and the answer is 0: the program ends.
int LoadSettings();
// Registers "ListPane", "ScrollBarPane" and "TesselListMainFrame"; a failure
// is reported (no owner) and answers 0.
int RegisterWindowClasses(HINSTANCE instance);
// Creates, places and shows the main window as the settings and the show
// command ask, answering screen readers; null (after a report) when it
// cannot be created.
HWND CreateMainFrame(HINSTANCE instance, int showCommand);
// Runs until the main window is gone; the quit message's code.
int RunMessageLoop();

}  // namespace tessel
