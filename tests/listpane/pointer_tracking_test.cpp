#include "listpane/pointer_tracking.h"

#include <gtest/gtest.h>

#include "list_fixture.h"

namespace tessel {
namespace {

using test::TestList;

constexpr int kHeight = 110;  // five rows of 22
constexpr DragThreshold kThreshold{4, 4};

ListMetrics Metrics() {
    LayoutSettings layout;
    SetLayoutDefaults(layout);
    return ListMetricsFrom(layout);
}

// Client y in the middle of a row's upper or lower half.
int Upper(int row) {
    return row * 22 + 5;
}
int Lower(int row) {
    return row * 22 + 15;
}
constexpr int kTextX = 100;  // right of every check box

class PointerTest : public ::testing::Test {
  protected:
    PrimaryPressResult Press(int x, int y, PressKeys keys = {}) {
        EXPECT_TRUE(BeginPrimaryPress(state));
        return PrimaryPress(state, list.store, m, x, y, keys);
    }
    PointerMoveResult Move(int x, int y) {
        return PointerMove(state, list.store, m, kHeight, kThreshold, x, y);
    }
    bool Release() {
        EXPECT_TRUE(EndPrimaryPress(state));
        return PrimaryRelease(state, list.store);
    }

    TestList list{"A B C D E F G H I J"};
    PointerState state;
    ListMetrics m = Metrics();
};

TEST_F(PointerTest, MovesWithinTheThresholdStartNoDrag) {
    Press(kTextX, Upper(1));
    Move(kTextX + 3, Upper(1) + 3);
    EXPECT_FALSE(state.itemDragActive);
    const PointerMoveResult started = Move(kTextX, Upper(1) + 4);
    EXPECT_TRUE(state.itemDragActive);
    EXPECT_TRUE(started.invalidate);
    EXPECT_EQ(state.itemDropIndex, 1);  // (9 + 4 + 22 + 11) / 22
}

TEST_F(PointerTest, AFlickFarAboveThePaneStartsTheDropAtTheTop) {
    list.Select({5});
    Press(kTextX, Upper(5));
    Move(kTextX, -300);
    ASSERT_TRUE(state.itemDragActive);
    EXPECT_EQ(state.itemDropIndex, 0);
    Release();
    EXPECT_EQ(list.Texts(), "F A B C D E G H I J");
    EXPECT_EQ(list.store.changeCount, 1u);  // a drop is a change to save
}

TEST_F(PointerTest, RepaintsOnlyWhenTheDropPositionChanges) {
    Press(kTextX, Upper(1));
    Move(kTextX, Upper(1) + 10);
    EXPECT_TRUE(Move(kTextX, Upper(3)).invalidate);
    EXPECT_FALSE(Move(kTextX + 20, Upper(3) + 2).invalidate);
    EXPECT_TRUE(Move(kTextX, Lower(3)).invalidate);
}

TEST_F(PointerTest, PointerAboveThePaneScrollsOneLinePerMoveUntilTheTop) {
    list.store.topIndex = 2;
    Press(kTextX, Upper(0));  // row 2
    Move(kTextX, Upper(0) + 10);
    PointerMoveResult r = Move(kTextX, -5);
    EXPECT_EQ(r.scroll, ScrollRequest::LineUp);
    EXPECT_EQ(state.itemDropIndex, 1);  // 0 + 2 - 1
    list.store.topIndex = 0;            // the scroll bar reported back
    r = Move(kTextX, -5);
    EXPECT_EQ(r.scroll, ScrollRequest::None);
    EXPECT_EQ(state.itemDropIndex, 0);
}

TEST_F(PointerTest, PointerBelowThePaneScrollsWhileRowsRemain) {
    Press(kTextX, Upper(1));
    Move(kTextX, Upper(1) + 10);
    PointerMoveResult r = Move(kTextX, kHeight + 1);
    EXPECT_EQ(r.scroll, ScrollRequest::LineDown);
    EXPECT_EQ(state.itemDropIndex, 6);                             // 111 / 22 + 0 + 1
    EXPECT_EQ(Move(kTextX, kHeight).scroll, ScrollRequest::None);  // on the edge: no scroll
    list.store.topIndex = 5;  // the last five rows fill the pane
    EXPECT_EQ(Move(kTextX, kHeight + 1).scroll, ScrollRequest::LineDown);
    list.store.topIndex = 6;
    EXPECT_EQ(Move(kTextX, kHeight + 1).scroll, ScrollRequest::None);
    EXPECT_EQ(state.itemDropIndex, 10);  // clamped to the count
}

TEST_F(PointerTest, PressOnACheckBoxTogglesAndNeverCaptures) {
    list.Select({0, 1});
    // Row 1's box: x 8..20, y 26..38.
    EXPECT_EQ(Press(8, 26), PrimaryPressResult::ToggleCheck);
    EXPECT_FALSE(state.collapsePending);
    EXPECT_EQ(list.Selected(), "0 1");
    EXPECT_EQ(list.store.focusIndex, 1);
    list.at(3).indent = 2;
    EXPECT_EQ(Press(8, Upper(3)), PrimaryPressResult::Capture);  // the box moved right
    EXPECT_EQ(Press(8 + 48, 3 * 22 + 4), PrimaryPressResult::ToggleCheck);
}

TEST_F(PointerTest, SecondaryPressBelowTheLastRowCapturesForARangeDrag) {
    TestList shortList("A B C");
    shortList.store.focusIndex = 0;
    shortList.Select({0});
    BeginSecondaryPress(state);
    EXPECT_EQ(SecondaryPress(state, shortList.store, m, kTextX, Upper(4)),
              SecondaryPressResult::Capture);
    EXPECT_EQ(shortList.store.focusIndex, 0);
    EXPECT_EQ(state.pressIndex, 4);
    PointerMove(state, shortList.store, m, kHeight, kThreshold, kTextX, Upper(1));
    PointerMove(state, shortList.store, m, kHeight, kThreshold, kTextX, Upper(1) + 1);
    EXPECT_EQ(shortList.Selected(), "1 2");
}

TEST_F(PointerTest, OneButtonIsIgnoredWhileTheOtherIsDown) {
    Press(kTextX, Upper(1));
    EXPECT_FALSE(BeginSecondaryPress(state));
    EXPECT_FALSE(state.rightButtonDown);
    EXPECT_FALSE(Release());  // an ordinary release: nothing to collapse or move
    ASSERT_TRUE(BeginSecondaryPress(state));
    EXPECT_FALSE(BeginPrimaryPress(state));
    EXPECT_FALSE(EndPrimaryPress(state));  // the left release is ignored too
    EXPECT_TRUE(EndSecondaryPress(state));
}

TEST_F(PointerTest, DoubleClickActions) {
    list.store.focusIndex = 1;
    EXPECT_EQ(DecideDoubleClick(state, list.store, m, kTextX, Upper(1), false),
              DoubleClickAction::BeginEdit);
    EXPECT_EQ(DecideDoubleClick(state, list.store, m, kTextX, Upper(1), true),
              DoubleClickAction::EndEdit);
    EXPECT_EQ(DecideDoubleClick(state, list.store, m, 10, 28, false),
              DoubleClickAction::ToggleCheck);
    TestList shortList("A B");
    shortList.store.focusIndex = 1;
    EXPECT_EQ(DecideDoubleClick(state, shortList.store, m, kTextX, Upper(3), false),
              DoubleClickAction::AppendItem);
    TestList empty("");
    EXPECT_EQ(DecideDoubleClick(state, empty.store, m, kTextX, Upper(0), false),
              DoubleClickAction::AppendItem);
    state.rightButtonDown = true;
    EXPECT_EQ(DecideDoubleClick(state, list.store, m, kTextX, Upper(1), false),
              DoubleClickAction::None);
    ListStore none;
    state.rightButtonDown = false;
    EXPECT_EQ(DecideDoubleClick(state, none, m, kTextX, Upper(1), false), DoubleClickAction::None);
}

TEST_F(PointerTest, LosingTheMouseMidPressEndsItWithoutMoving) {
    list.Select({1});
    Press(kTextX, Upper(1));
    Move(kTextX, Upper(3));
    ASSERT_TRUE(state.itemDragActive);
    EXPECT_TRUE(PressInterrupted(state));
    EXPECT_FALSE(state.leftButtonDown);
    EXPECT_FALSE(state.itemDragActive);
    EXPECT_FALSE(PressInterrupted(state));
    // The secondary button works again at once.
    EXPECT_TRUE(BeginSecondaryPress(state));
    EXPECT_EQ(list.Texts(), "A B C D E F G H I J");
    EXPECT_EQ(list.store.changeCount, 0u);
}

}  // namespace
}  // namespace tessel
