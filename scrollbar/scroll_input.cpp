#include "scrollbar/scroll_input.h"

#include "scrollbar/scroll_geometry.h"
#include "scrollbar/scroll_steps.h"

namespace tessel {
namespace {

bool InTrack(ScrollPart part) {
    return part == ScrollPart::PageUpArea || part == ScrollPart::Thumb ||
           part == ScrollPart::PageDownArea;
}

int Step(ScrollBarState& state, int code) {
    ApplyScrollStep(state, code);
    return code;
}

}  // namespace

PressOutcome PressScrollBar(ScrollBarState& state, std::int32_t clientLength, std::int32_t coord,
                            bool shift) {
    PressOutcome outcome;
    // The owner may have moved the position since the last paint.
    LayOutScrollBar(state, clientLength);
    if (shift && InTrack(HitTestScrollBar(state, coord))) {
        // The thumb is centred under the pointer now, so the press below
        // grabs it and goes on as a drag.
        outcome.jumped = JumpToCoord(state, clientLength, coord);
    }
    switch (HitTestScrollBar(state, coord)) {
        case ScrollPart::LineUpArrow:
            state.upArrowPressed = true;
            state.pressedPart = PressedPart::LineUp;
            outcome.stepCode = Step(state, kScrollLineUp);
            outcome.startRepeat = true;
            break;
        case ScrollPart::LineDownArrow:
            state.downArrowPressed = true;
            state.pressedPart = PressedPart::LineDown;
            outcome.stepCode = Step(state, kScrollLineDown);
            outcome.startRepeat = true;
            break;
        case ScrollPart::PageUpArea:
            state.trackPressed = true;
            state.pressedPart = PressedPart::PageUp;
            outcome.stepCode = Step(state, kScrollPageUp);
            outcome.startRepeat = true;
            break;
        case ScrollPart::PageDownArea:
            state.trackPressed = true;
            state.pressedPart = PressedPart::PageDown;
            outcome.stepCode = Step(state, kScrollPageDown);
            outcome.startRepeat = true;
            break;
        case ScrollPart::Thumb:
            state.thumbPressed = true;
            state.dragging = true;
            state.dragCancelled = false;
            state.dragCoord = coord;
            state.dragStartCoord = coord;
            state.dragStartPos = state.pos;
            if (state.trackLength > 0) {
                state.grabOffset = coord - state.thumbStart;
            }
            // The drag reports moves away from where it starts, whatever an
            // earlier drag last reported.
            state.lastReportedPos = state.pos;
            break;
        case ScrollPart::None:
            break;
    }
    return outcome;
}

int RepeatScrollBar(ScrollBarState& state, ScrollPart underPointer) {
    switch (state.pressedPart) {
        case PressedPart::LineUp:
            return Step(state, kScrollLineUp);
        case PressedPart::LineDown:
            return Step(state, kScrollLineDown);
        case PressedPart::PageUp:
            return underPointer == ScrollPart::Thumb ? kNoScrollCode : Step(state, kScrollPageUp);
        case PressedPart::PageDown:
            return underPointer == ScrollPart::Thumb ? kNoScrollCode : Step(state, kScrollPageDown);
        case PressedPart::None:
            break;
    }
    return kNoScrollCode;
}

bool DragScrollBar(ScrollBarState& state, std::int32_t clientLength, std::int32_t along,
                   std::int32_t across) {
    if (!state.dragging) {
        return false;
    }
    if (IsBesideBar(state, across)) {
        if (state.dragCancelled) {
            return false;
        }
        // The thumb goes back to where the drag began, and so does pos.
        state.dragCoord = state.dragStartCoord;
        state.dragCancelled = true;
        LayOutScrollBar(state, clientLength);
        state.lastReportedPos = -1;
        return true;
    }
    state.dragCoord = along;
    state.dragCancelled = false;
    // pos follows the thumb now, so that the report carries the position
    // the thumb is about to be drawn at.
    LayOutScrollBar(state, clientLength);
    const bool moved = state.pos != state.lastReportedPos;
    state.lastReportedPos = state.pos;
    return moved;
}

void EndScrollPress(ScrollBarState& state) {
    state.dragging = false;
    state.dragStartCoord = 0;
    state.dragCancelled = false;
    state.upArrowPressed = false;
    state.downArrowPressed = false;
    state.thumbPressed = false;
    state.trackPressed = false;
    state.pressedPart = PressedPart::None;
}

}  // namespace tessel
