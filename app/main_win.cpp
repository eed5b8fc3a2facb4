// Entry point of the program.
#include <windows.h>

#include "app/startup_win.h"
#include "process/system_library_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // Before any window and any library: nothing before this point loads
    // one. The executable imports kernel32 and msvcrt only; user32, gdi32
    // and imm32 are loaded on their first call (app/CMakeLists.txt).
    tessel::KeepDllSearchInSystemFolder();
    return tessel::RunProgram(instance, showCommand);
}
