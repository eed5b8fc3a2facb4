// What the pointer does to a scroll bar: presses, the repeat of a held
// button, thumb drags and their end. The window code carries out the
// answers (notifications, timer, capture, repaint).
#pragma once

#include <cstdint>

#include "scrollbar/scroll_bar_state.h"

namespace tessel {

struct PressOutcome {
    bool jumped = false;           // Shift+press moved the thumb: report kScrollThumbPosition
    int stepCode = kNoScrollCode;  // the step taken by an arrow or the track, to report
    bool startRepeat = false;      // a held button: start the repeat timer
};

// A press at coord along the bar (shift: Shift was held).
PressOutcome PressScrollBar(ScrollBarState& state, std::int32_t clientLength, std::int32_t coord,
                            bool shift);

// One tick of the repeat timer, with the part under the pointer (None when
// unknown). Returns the code of the step taken, or kNoScrollCode. Paging
// pauses while the thumb lies under the pointer.
int RepeatScrollBar(ScrollBarState& state, ScrollPart underPointer);

// A pointer move during a thumb drag, at (along, across) in the bar's
// coordinates. Returns whether kScrollThumbTrack is to be reported; pos is
// already the one the thumb stands for.
bool DragScrollBar(ScrollBarState& state, std::int32_t clientLength, std::int32_t along,
                   std::int32_t across);

// The press or drag ends (the capture is gone): nothing is reported, the
// position stays where the last move left it.
void EndScrollPress(ScrollBarState& state);

}  // namespace tessel
