// The main window: a borderless popup of class "TesselListMainFrame" that
// draws everything itself. Its procedure is a thin switch over the named
// handlers of main_frame_win.cpp and of the parts that own the other messages.
#pragma once

#include <windows.h>

namespace tessel {

// Registers "TesselListMainFrame" (double clicks, the program's icons 101
// and 102, the arrow cursor, no background brush): the atom, 0 on failure.
ATOM RegisterMainFrameClass(HINSTANCE instance);

LRESULT CALLBACK MainFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tessel
