// Where the thumb of the scroll bar lies, which position a dragged or
// jumped thumb stands for, and which part lies under a point.
//
// All lengths run along the bar (y for a vertical bar, x for a horizontal
// one); clientLength is the bar's client size in that direction.
#pragma once

#include <cstdint>

#include "scrollbar/scroll_bar_state.h"

namespace tessel {

// L: the length of each arrow button in use (0 when arrows are off).
std::int32_t ArrowSpan(const ScrollBarState& state);

// The geometry routine: sets trackLength, thumbLength and thumbStart.
// While dragging, the thumb follows the pointer and pos follows the thumb;
// otherwise the thumb follows pos.
void UpdateScrollGeometry(ScrollBarState& state, std::int32_t clientLength);

// The geometry as it is shown: a track no longer than one arrow has no
// thumb (thumbLength 0), so presses there page instead of grabbing a thumb
// that is not drawn.
void LayOutScrollBar(ScrollBarState& state, std::int32_t clientLength);

// Centres the thumb on coord (within the track) and moves pos to match.
// Returns whether pos changed. Without a track nothing changes.
bool JumpToCoord(ScrollBarState& state, std::int32_t clientLength, std::int32_t coord);

// The part at coord, from the geometry last computed.
ScrollPart HitTestScrollBar(const ScrollBarState& state, std::int32_t coord);

// Whether a pointer at crossCoord (across the bar) is too far beside it
// (more than sideTolerance) to go on dragging.
bool IsBesideBar(const ScrollBarState& state, std::int32_t crossCoord);

}  // namespace tessel
