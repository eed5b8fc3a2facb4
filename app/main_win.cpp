// Entry point of the program.
#include <windows.h>

#include "app/startup_win.h"
#include "process/system_library_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // Before any window and any library the program loads itself; its
    // imports are KnownDLLs only (app/CMakeLists.txt).
    tessel::KeepDllSearchInSystemFolder();
    return tessel::RunProgram(instance, showCommand);
}
