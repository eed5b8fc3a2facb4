// Entry point of the program.
#include <windows.h>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return tessel::RunProgram(instance, showCommand);
}
