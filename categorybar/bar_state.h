// What the title and category bars show besides the store and the caption
// (chrome/caption.h): what the mouse is doing on them. Written by the frame's mouse handling
// and the category commands, read by the bars' drawing.
#pragma once

#include "chrome/caption.h"

namespace tessel {

// The category bar's scroll button held down.
enum class CategoryArrow : int { None = 0, Left = 1, Right = 2 };

struct BarMouseState {
    bool closeButtonPressed = false;  // drawn pressed: held down and the cursor on it
    CategoryArrow pressedCategoryArrow = CategoryArrow::None;
    int hoverCategory = -1;  // tab under the mouse; -1 none, -2 the mouse left
    int hoverCategoryDrawn = -1;
    bool categoryDragActive = false;  // a tab is being dragged to a new place
    int dragSourceIndex = -1;         // the tab pressed
    int categoryDropIndex = -1;       // 0 .. category count while dragging
    int dropIndexDrawn = -1;
};
extern BarMouseState BarMouse;

}  // namespace tessel
