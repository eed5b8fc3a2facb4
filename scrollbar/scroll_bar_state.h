// The state of one self-drawn scroll bar, without any platform handle, so
// that every decision about it can be made and tested anywhere.
#pragma once

#include <cstdint>

#include "store/saturate.h"

namespace tessel {

// Scroll codes, equal to the platform's SB_* values. The bar reports each
// move to its parent with the code alone; the parent then asks for the
// position.
inline constexpr int kScrollLineUp = 0;
inline constexpr int kScrollLineDown = 1;
inline constexpr int kScrollPageUp = 2;
inline constexpr int kScrollPageDown = 3;
inline constexpr int kScrollThumbPosition = 4;  // a jump
inline constexpr int kScrollThumbTrack = 5;     // a drag
inline constexpr int kScrollTop = 6;
inline constexpr int kScrollBottom = 7;
inline constexpr int kNoScrollCode = -1;

// Parts along the bar, as a hit test names them.
enum class ScrollPart {
    None = 0,
    LineUpArrow = 1,
    PageUpArea = 2,
    Thumb = 3,
    PageDownArea = 4,
    LineDownArrow = 5,
};

// What a held button repeats.
enum class PressedPart {
    None = 0,
    LineUp = 1,
    PageUp = 2,
    PageDown = 3,
    LineDown = 4,
};

// The default arrow length; it is also the shortest thumb.
inline constexpr std::int32_t kDefaultArrowLength = 16;

// How far beside the bar (in pixels at 96 DPI) the pointer may stray before
// a drag is suspended and the thumb goes back to where the drag began.
inline constexpr std::int32_t kDragSideTolerance = 128;

struct ScrollBarState {
    std::int32_t minPos = 0;    // always 0
    std::int32_t maxPos = 0;    // highest index of the range
    std::int32_t pos = 0;       // the first visible unit; valid: minPos .. maxPos - pageSize
    std::int32_t pageSize = 0;  // units visible at once, minus one

    bool upArrowPressed = false;
    bool downArrowPressed = false;
    bool thumbPressed = false;
    bool trackPressed = false;
    bool shown = false;
    bool enabled = true;  // false hides the thumb and the pressed look
    bool dragging = false;
    std::int32_t dragCoord = 0;       // pointer along the bar during a drag (or a jump's point)
    std::int32_t dragStartCoord = 0;  // where the drag began
    std::int32_t dragStartPos = 0;    // pos when the drag began
    bool horizontal = false;
    bool dragCancelled = false;  // the drag is suspended: pointer too far beside the bar
    bool reserveCorner =
        false;  // horizontal only: the track leaves an arrow length free at its end

    std::int32_t arrowLength = kDefaultArrowLength;  // never below 1
    bool noArrows = false;
    std::int32_t sideTolerance = kDragSideTolerance;  // at the bar's DPI

    // Derived by the geometry routine.
    std::int32_t trackLength = 0;
    std::int32_t thumbStart = 0;
    std::int32_t thumbLength = 0;

    std::int32_t grabOffset = 0;       // pointer minus thumb start when the thumb was grabbed
    std::int32_t repeatDelay = 0;      // ms before the first repeat, never negative
    std::int32_t lastReportedPos = 0;  // the position last reported during a drag
    PressedPart pressedPart = PressedPart::None;
};

// The last valid position (wide: the stored values are taken as sent).
inline std::int64_t LastScrollPosition(const ScrollBarState& state) {
    return std::int64_t{state.maxPos} - state.pageSize;
}

}  // namespace tessel
