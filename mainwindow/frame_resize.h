// The hand-made resize of the borderless main window: the cursor's offset
// from the dragged sides, fixed at the press, and the window rectangle for
// each cursor position, never narrower than 100 pixels nor lower than the
// title bar. Screen pixels.
#pragma once

#include <cstdint>

#include "mainwindow/frame_zones.h"

namespace tessel {

inline constexpr std::int32_t kMinimumFrameWidth = 100;

struct FrameRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

struct SizingOffset {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// From the press at client (x, y) of a width x height window: -x for a
// moving left side, width - x for a moving right side, else 0 (and so for y).
SizingOffset SizingOffsetFor(SizingEdge edge, std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height);

// The window rectangle with the cursor at (cursorX, cursorY) on the screen.
// Too narrow: the moving side stops minimumWidth (100 pixels at 96 DPI)
// from the other; too low: the moving side stops minimumHeight from the
// other.
FrameRect ResizedFrame(const FrameRect& start, SizingEdge edge, SizingOffset offset,
                       std::int32_t cursorX, std::int32_t cursorY, std::int32_t minimumHeight,
                       std::int32_t minimumWidth = kMinimumFrameWidth);

}  // namespace tessel
