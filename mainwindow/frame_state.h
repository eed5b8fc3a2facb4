// State of the one main window that its procedure, its drawing and its
// mouse handling share.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "drawing/gdi_handles.h"
#include "process/program_title.h"

namespace tessel {

inline constexpr char kMainFrameClass[] = "TesselListMainFrame";

// Timers of the main window.
inline constexpr UINT_PTR kTrayRetryTimer = 100;    // 1000 ms, re-adds the tray icon
inline constexpr UINT_PTR kArrowRepeatTimer = 101;  // 20 ms, while an arrow button is held
inline constexpr UINT_PTR kHoverLeaveTimer = 102;   // 100 ms, notices the mouse leaving
inline constexpr UINT kTrayRetryPeriod = 1000;
inline constexpr UINT kArrowRepeatPeriod = 20;
inline constexpr UINT kHoverLeavePeriod = 100;
// Further attempts to add the tray icon after a failure.
inline constexpr int kTrayRetryLimit = 3;

// The window text: the current category's name, or the program's title
// when there is no category. At most 255 bytes.
extern std::string TitleBuffer;
// The registered "TaskbarCreated" message; 0 until the window exists.
extern UINT TaskbarCreatedMessage;
// Attempts of the tray retry timer since it was last started.
extern int TrayRetryCount;
// Background of the category-name edit box, in TitleBack1.
extern BrushHandle EditBrush;

// What the mouse is doing on the main window. Written by the mouse handling,
// read by the drawing of the bars.
struct FrameMouseState {
    int sizingActive = 0;  // a hand-made resize is in progress
    int sizingEdge = 0;    // 0 left, 1 top, 2 right, 3 bottom, 4..7 the corners
    RECT sizingStartRect{};
    int sizingOffsetX = 0;
    int sizingOffsetY = 0;
    int closeButtonCaptured = 0;
    int closeButtonPressed = 0;    // drawn pressed
    int pressedCategoryArrow = 0;  // 0 none, 1 left, 2 right
    int hoverTracking = 0;         // timer 102 runs
    int hoverCategory = -1;        // tab under the mouse; -1 none, -2 the mouse left
    int hoverCategoryDrawn = -1;
    int categoryDragActive = 0;
    int dragSourceIndex = -1;
    int categoryDropIndex = -1;  // 0 .. category count while dragging
    int dropIndexDrawn = -1;
    int mouseDownX = 0;
    int mouseDownY = 0;
};
extern FrameMouseState FrameMouse;

}  // namespace tessel
