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

// What the frame asks of the screen-reader support, which sits above it and
// fills this in at start-up. Without it the frame answers no reader.
struct MainFrameAccess {
    // Answers WM_GETOBJECT.
    LRESULT (*getObject)(HWND frame, WPARAM wParam, LPARAM lParam) = nullptr;
    // After each paint: the bars now show what the store holds.
    void (*painted)(HWND frame) = nullptr;
};
void SetMainFrameAccess(const MainFrameAccess& access);

// Posted to the frame for a click on the close button that is not the
// mouse's (a screen reader's), so that it runs after the request returns.
inline constexpr UINT kCloseButtonClickMessage = 0x8040;

}  // namespace tessel
