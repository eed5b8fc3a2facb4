// State of the one main window that its procedure, its drawing and its
// mouse handling share.
#pragma once

#include <windows.h>

#include "drawing/gdi_handles_win.h"
#include "mainwindow/frame_zones.h"
#include "process/frame_timers.h"

namespace tessel {

inline constexpr char kMainFrameClass[] = "TesselListMainFrame";

// The registered "TaskbarCreated" message; 0 until the window exists.
extern UINT TaskbarCreatedMessage;
// Attempts of the tray retry timer since it was last started.
extern int TrayRetryCount;
// Background of the category-name edit box, in TitleBack1.
extern BrushHandle EditBrush;
// The icons the window was given for its DPI (WM_SETICON).
extern IconHandle WindowSmallIcon;
extern IconHandle WindowLargeIcon;

// What the mouse is doing on the frame's borders and bars; what the bars
// show of it is BarMouse (categorybar/bar_state.h).
struct FrameMouseState {
    bool sizingActive = false;  // a hand-made resize is in progress
    SizingEdge sizingEdge = SizingEdge::Left;
    RECT sizingStartRect{};
    int sizingOffsetX = 0;
    int sizingOffsetY = 0;
    bool closeButtonCaptured = false;  // pressed, and the mouse captured for it
    bool hoverTracking = false;        // timer 102 watches for the mouse to leave
    int mouseDownX = 0;                // where a tab was pressed
    int mouseDownY = 0;
};
extern FrameMouseState FrameMouse;

}  // namespace tessel
