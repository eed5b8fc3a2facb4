// NOT YET BUILT: the command dispatcher. Every keyboard shortcut and menu
// choice arrives here as WM_COMMAND; its own change maps each identifier to
// its operation. Until then every command is ignored.
#pragma once

#include <windows.h>

namespace tessel {

// Carries out the command in the low 16 bits of wParam; 1 for every
// identifier, known or not.
int DispatchCommand(HWND window, WPARAM wParam);

}  // namespace tessel
