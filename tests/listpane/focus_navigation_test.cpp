#include "listpane/focus_navigation.h"

#include <gtest/gtest.h>

#include "list_fixture.h"

namespace tessel {
namespace {

using test::TestList;

TEST(NavigateTarget, LinesStopAtTheEnds) {
    EXPECT_EQ(NavigateTarget(0, 10, 5, NavigateMode::Up), -1);
    EXPECT_EQ(NavigateTarget(9, 10, 5, NavigateMode::Down), -1);
    EXPECT_EQ(NavigateTarget(4, 10, 5, NavigateMode::Up), 3);
    EXPECT_EQ(NavigateTarget(4, 10, 5, NavigateMode::Down), 5);
}

TEST(NavigateTarget, PagesMoveOneRowLessThanThePaneShowsAndClamp) {
    EXPECT_EQ(NavigateTarget(0, 10, 5, NavigateMode::PageDown), 4);
    EXPECT_EQ(NavigateTarget(8, 10, 5, NavigateMode::PageDown), 9);
    EXPECT_EQ(NavigateTarget(9, 10, 5, NavigateMode::PageUp), 5);
    EXPECT_EQ(NavigateTarget(2, 10, 5, NavigateMode::PageUp), 0);
    EXPECT_EQ(NavigateTarget(9, 10, 5, NavigateMode::PageDown), -1);
    // A pane showing exactly one row pages by nothing; so does one lower
    // than a row, which must not page the wrong way.
    EXPECT_EQ(NavigateTarget(3, 10, 1, NavigateMode::PageDown), -1);
    EXPECT_EQ(NavigateTarget(3, 10, 0, NavigateMode::PageUp), -1);
    EXPECT_EQ(NavigateTarget(3, 10, 0, NavigateMode::PageDown), -1);
}

TEST(NavigateTarget, FirstAndLastAndNothingWithoutFocusOrItems) {
    EXPECT_EQ(NavigateTarget(5, 10, 5, NavigateMode::First), 0);
    EXPECT_EQ(NavigateTarget(5, 10, 5, NavigateMode::Last), 9);
    EXPECT_EQ(NavigateTarget(0, 10, 5, NavigateMode::First), -1);
    EXPECT_EQ(NavigateTarget(-1, 10, 5, NavigateMode::Last), -1);
    EXPECT_EQ(NavigateTarget(0, 0, 5, NavigateMode::Last), -1);
    // A focus left past the end (a shorter list) comes back into it.
    EXPECT_EQ(NavigateTarget(12, 10, 5, NavigateMode::PageUp), 8);
}

TEST(MoveFocus, PlainKeysSelectTheNewFocusRowAlone) {
    TestList list("A B C D E F G H I J");
    list.store.focusIndex = 2;
    list.store.anchorIndex = 2;
    list.Select({2, 3});
    ASSERT_EQ(MoveFocus(list.store, 5, NavigateMode::Down, false), 1);
    EXPECT_EQ(list.store.focusIndex, 3);
    EXPECT_EQ(list.store.anchorIndex, 3);
    EXPECT_EQ(list.Selected(), "3");
}

TEST(MoveFocus, ShiftEndExtendsFromTheAnchor) {
    TestList list("A B C D E F G H I J");
    list.store.focusIndex = 2;
    list.store.anchorIndex = 2;
    list.Select({2});
    ASSERT_EQ(MoveFocus(list.store, 5, NavigateMode::Last, true), 1);
    EXPECT_EQ(list.store.focusIndex, 9);
    EXPECT_EQ(list.store.anchorIndex, 2);
    EXPECT_EQ(list.Selected(), "2 3 4 5 6 7 8 9");
    ASSERT_EQ(MoveFocus(list.store, 5, NavigateMode::PageUp, true), 1);
    EXPECT_EQ(list.Selected(), "2 3 4 5");
    ASSERT_EQ(MoveFocus(list.store, 5, NavigateMode::First, true), 1);
    EXPECT_EQ(list.Selected(), "0 1 2");
}

TEST(MoveFocus, ExtendingWithoutAnAnchorStartsOneAtTheNewFocus) {
    TestList list("A B C");
    list.store.focusIndex = 0;
    list.store.anchorIndex = -1;
    ASSERT_EQ(MoveFocus(list.store, 5, NavigateMode::Down, true), 1);
    EXPECT_EQ(list.store.anchorIndex, 1);
    EXPECT_EQ(list.Selected(), "1");
}

TEST(MoveFocus, NothingMovesWithoutACategory) {
    ListStore store;
    store.focusIndex = 0;
    store.itemCount = 3;
    EXPECT_EQ(MoveFocus(store, 5, NavigateMode::Down, false), 0);
    EXPECT_EQ(store.focusIndex, 0);
}

}  // namespace
}  // namespace tessel
