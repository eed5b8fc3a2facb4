// The one dispatcher of WM_COMMAND: every keyboard shortcut, menu choice and
// request of the main window ends here with an identifier of
// commands/command_table.h.
#pragma once

#include <windows.h>

namespace tessel {

// Carries out the command in the low 16 bits of wParam; 1 for every
// identifier, known or not.
int DispatchCommand(HWND window, WPARAM wParam);

}  // namespace tessel
