// Position steps and the press, repeat and drag decisions the window tests
// cannot reach easily, for a vertical bar 200 long with arrows of 16 (track
// 168). Presses, drags and repeats as a whole are tested on a real window.
#include <gtest/gtest.h>

#include "scrollbar/scroll_geometry.h"
#include "scrollbar/scroll_input.h"
#include "scrollbar/scroll_steps.h"

namespace tessel {
namespace {

constexpr std::int32_t kLength = 200;

// 20 units, 4 per page: thumb 35 long, 8.84 pixels per unit.
ScrollBarState Bar(std::int32_t pos) {
    ScrollBarState state;
    state.maxPos = 19;
    state.pageSize = 4;
    state.pos = pos;
    state.shown = true;
    return state;
}

TEST(ScrollStepsTest, StepsStopAtTheEnds) {
    ScrollBarState state = Bar(0);
    EXPECT_TRUE(ApplyScrollStep(state, kScrollLineUp));  // reported even unmoved
    EXPECT_EQ(state.pos, 0);
    EXPECT_TRUE(ApplyScrollStep(state, kScrollLineDown));
    EXPECT_EQ(state.pos, 1);
    EXPECT_TRUE(ApplyScrollStep(state, kScrollPageDown));
    EXPECT_EQ(state.pos, 5);
    EXPECT_TRUE(ApplyScrollStep(state, kScrollPageUp));
    EXPECT_EQ(state.pos, 1);
    EXPECT_TRUE(ApplyScrollStep(state, kScrollPageUp));
    EXPECT_EQ(state.pos, 0);
    EXPECT_TRUE(ApplyScrollStep(state, kScrollBottom));
    EXPECT_EQ(state.pos, 15);
    EXPECT_TRUE(ApplyScrollStep(state, kScrollLineDown));
    EXPECT_EQ(state.pos, 15);
    EXPECT_TRUE(ApplyScrollStep(state, kScrollPageDown));
    EXPECT_EQ(state.pos, 15);
    EXPECT_TRUE(ApplyScrollStep(state, kScrollTop));
    EXPECT_EQ(state.pos, 0);
    for (int code : {kScrollThumbPosition, kScrollThumbTrack, 8, -1, 0x10000}) {
        state.pos = 7;
        EXPECT_FALSE(ApplyScrollStep(state, code)) << code;
        EXPECT_EQ(state.pos, 7);
    }
}

TEST(ScrollStepsTest, ExtremeStoredValuesSaturate) {
    ScrollBarState state;
    state.maxPos = INT32_MAX;
    state.pageSize = INT32_MIN;
    state.pos = INT32_MAX;
    EXPECT_TRUE(ApplyScrollStep(state, kScrollLineDown));
    EXPECT_EQ(state.pos, INT32_MAX);
    state.pos = INT32_MIN;
    state.pageSize = INT32_MAX;
    EXPECT_TRUE(ApplyScrollStep(state, kScrollPageUp));
    EXPECT_EQ(state.pos, 0);
}

TEST(ScrollPressTest, PressUsesThePositionSetSinceTheLastPaint) {
    ScrollBarState state = Bar(0);
    UpdateScrollGeometry(state, kLength);  // thumb 16 .. 50
    state.pos = 15;                        // set by the owner: thumb now 149 .. 183
    PressOutcome out = PressScrollBar(state, kLength, 40, false);
    EXPECT_EQ(out.stepCode, kScrollPageUp);
    EXPECT_EQ(state.pos, 11);
}

TEST(ScrollPressTest, ThumbStartsADragWithoutReport) {
    ScrollBarState state = Bar(5);
    state.lastReportedPos = 9;  // left over from an earlier drag
    state.dragCancelled = true;
    PressOutcome out = PressScrollBar(state, kLength, 70, false);
    EXPECT_EQ(out.stepCode, kNoScrollCode);
    EXPECT_FALSE(out.startRepeat);
    EXPECT_TRUE(state.thumbPressed);
    EXPECT_TRUE(state.dragging);
    EXPECT_FALSE(state.dragCancelled);
    EXPECT_EQ(state.dragStartCoord, 70);
    EXPECT_EQ(state.grabOffset, 10);
    EXPECT_EQ(state.lastReportedPos, 5);
    EXPECT_EQ(state.pressedPart, PressedPart::None);
}

TEST(ScrollRepeatTest, PagingPausesUnderThePointer) {
    ScrollBarState state = Bar(0);
    PressScrollBar(state, kLength, 120, false);
    EXPECT_EQ(state.pos, 4);
    EXPECT_EQ(RepeatScrollBar(state, ScrollPart::PageDownArea), kScrollPageDown);
    EXPECT_EQ(state.pos, 8);
    EXPECT_EQ(RepeatScrollBar(state, ScrollPart::Thumb), kNoScrollCode);
    EXPECT_EQ(state.pos, 8);
    EndScrollPress(state);
    PressScrollBar(state, kLength, 20, false);
    EXPECT_EQ(state.pos, 4);
    EXPECT_EQ(RepeatScrollBar(state, ScrollPart::Thumb), kNoScrollCode);
    EXPECT_EQ(RepeatScrollBar(state, ScrollPart::PageUpArea), kScrollPageUp);
    EXPECT_EQ(state.pos, 0);
}

TEST(ScrollDragTest, EndKeepsThePositionAndClearsThePress) {
    ScrollBarState state = Bar(0);
    PressScrollBar(state, kLength, 30, false);
    DragScrollBar(state, kLength, 74, 8);
    EndScrollPress(state);
    EXPECT_FALSE(state.dragging);
    EXPECT_FALSE(state.thumbPressed);
    EXPECT_EQ(state.dragStartCoord, 0);
    EXPECT_EQ(state.pressedPart, PressedPart::None);
    EXPECT_EQ(state.pos, 5);
    // Without a drag, moves do nothing.
    EXPECT_FALSE(DragScrollBar(state, kLength, 150, 8));
    EXPECT_EQ(state.pos, 5);
    // An arrow held is no drag either.
    PressScrollBar(state, kLength, 5, false);
    EXPECT_FALSE(DragScrollBar(state, kLength, 150, 300));
    EXPECT_EQ(state.pos, 4);
}

}  // namespace
}  // namespace tessel
