// Entry point of the program.
#include <windows.h>

#include "app/startup_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return tessel::RunProgram(instance, showCommand);
}
