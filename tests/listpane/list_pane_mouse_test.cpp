// Mouse sequences sent to the real pane as messages.
#include <gtest/gtest.h>

#include "listpane/list_pane_win.h"
#include "pane_fixture.h"

namespace tessel::test {
namespace {

using ListPaneMouseTest = PaneTest;

TEST_F(ListPaneMouseTest, PlainCtrlAndShiftPresses) {
    LoadWords("A B C D E");
    Click(kTextX, Upper(1));
    EXPECT_EQ(Selected(), "1");
    EXPECT_EQ(AppStore.focusIndex, 1);
    EXPECT_EQ(GetCapture(), nullptr);  // released with the button
    Click(kTextX, Upper(3), MK_CONTROL);
    EXPECT_EQ(Selected(), "1 3");
    EXPECT_EQ(AppStore.anchorIndex, 3);
    Click(kTextX, Upper(4), MK_SHIFT);
    EXPECT_EQ(Selected(), "3 4");
    EXPECT_EQ(AppStore.focusIndex, 4);
    EXPECT_EQ(AppStore.anchorIndex, 3);
}

TEST_F(ListPaneMouseTest, PressBelowTheLastRowChangesNothing) {
    LoadWords("A B");
    Focus(1);
    Click(kTextX, Upper(3));
    EXPECT_EQ(Selected(), "1");
    EXPECT_EQ(AppStore.focusIndex, 1);
    EXPECT_EQ(Texts(), "A B");
}

TEST_F(ListPaneMouseTest, PressAndReleaseOnASelectedItemSelectsItAlone) {
    LoadWords("A B C D E");
    Select({1, 2, 3});
    Mouse(WM_LBUTTONDOWN, kTextX, Upper(2), MK_LBUTTON);
    EXPECT_EQ(GetCapture(), ListPaneHandle);
    EXPECT_EQ(Selected(), "1 2 3");
    Mouse(WM_LBUTTONUP, kTextX, Upper(2));
    EXPECT_EQ(Selected(), "2");
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ListPaneMouseTest, DragOfTheSelectionDropsInFrontOfTheNearestRow) {
    // Upper half of row 3 (D): in front of D; lower half: in front of E.
    struct Case {
        int y;
        const char* texts;
        const char* selected;
    } cases[] = {{Upper(3), "C A B D E", "1 2"},
                 {Lower(3), "C D A B E", "2 3"},
                 {Lower(4) + 40, "C D E A B", "3 4"}};
    for (const Case& c : cases) {
        LoadWords("A B C D E");
        Select({0, 1});
        Mouse(WM_LBUTTONDOWN, kTextX, Upper(1), MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, kTextX, Upper(1) + 3, MK_LBUTTON);  // within the threshold
        EXPECT_FALSE(ListPanePointerState().itemDragActive);
        Mouse(WM_MOUSEMOVE, kTextX, Upper(1) + 6, MK_LBUTTON);
        EXPECT_TRUE(ListPanePointerState().itemDragActive);
        Mouse(WM_MOUSEMOVE, kTextX, c.y, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, kTextX, c.y);
        EXPECT_EQ(Texts(), c.texts) << c.y;
        EXPECT_EQ(Selected(), c.selected);  // the moved items, the first one focused
        EXPECT_EQ(std::to_string(AppStore.focusIndex), std::string(c.selected, 1));
        EXPECT_FALSE(ListPanePointerState().itemDragActive);
    }
}

TEST_F(ListPaneMouseTest, EscDuringADragLeavesTheOrderAndTheReleaseMovesNothing) {
    LoadWords("A B C D E");
    Select({0, 1});
    Mouse(WM_LBUTTONDOWN, kTextX, Upper(0), MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, kTextX, Upper(3), MK_LBUTTON);
    ASSERT_TRUE(ListPanePointerState().itemDragActive);
    Key(VK_ESCAPE);
    EXPECT_FALSE(ListPanePointerState().itemDragActive);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(ListPanePointerState().leftButtonDown);  // the press lasts until its release
    Mouse(WM_LBUTTONUP, kTextX, Upper(3));
    EXPECT_EQ(Texts(), "A B C D E");
    EXPECT_EQ(Selected(), "0 1");
}

TEST_F(ListPaneMouseTest, DraggingAboveThePaneScrollsOneLinePerMove) {
    LoadWords("A B C D E F G H I J");
    SendMessageA(ScrollBarHandle, WM_VSCROLL, SB_BOTTOM, 0);
    Pump();
    ASSERT_EQ(AppStore.topIndex, 5);
    Mouse(WM_LBUTTONDOWN, kTextX, Upper(0), MK_LBUTTON);  // row 5 (F)
    Mouse(WM_MOUSEMOVE, kTextX, Upper(0) + 8, MK_LBUTTON);
    for (int expectedTop : {4, 3}) {
        Mouse(WM_MOUSEMOVE, kTextX, -5, MK_LBUTTON);
        Pump();
        EXPECT_EQ(AppStore.topIndex, expectedTop);
    }
    Pump();  // holding still scrolls nothing
    EXPECT_EQ(AppStore.topIndex, 3);
    Mouse(WM_LBUTTONUP, kTextX, -5);
    EXPECT_EQ(Texts(), "A B C F D E G H I J");  // in front of the last drop row (D)
}

TEST_F(ListPaneMouseTest, SecondaryDragSelectsTheRange) {
    LoadWords("A B C D E");
    Focus(4);
    Mouse(WM_RBUTTONDOWN, kTextX, Upper(1), MK_RBUTTON);
    EXPECT_EQ(Selected(), "1");
    EXPECT_EQ(GetCapture(), ListPaneHandle);
    Mouse(WM_MOUSEMOVE, kTextX, Upper(1) + 6, MK_RBUTTON);
    EXPECT_TRUE(ListPanePointerState().rangeDragActive);
    Mouse(WM_MOUSEMOVE, kTextX, Upper(3), MK_RBUTTON);
    EXPECT_EQ(Selected(), "1 2 3");
    Mouse(WM_RBUTTONUP, kTextX, Upper(3));
    EXPECT_FALSE(ListPanePointerState().rangeDragActive);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Selected(), "1 2 3");
    EXPECT_EQ(Texts(), "A B C D E");
}

TEST_F(ListPaneMouseTest, SecondaryClickKeepsASelectionOrSelectsTheRowAlone) {
    LoadWords("A B C D E");
    Select({1, 2});
    Mouse(WM_RBUTTONDOWN, kTextX, Upper(2), MK_RBUTTON);
    Mouse(WM_RBUTTONUP, kTextX, Upper(2));
    EXPECT_EQ(Selected(), "1 2");
    EXPECT_EQ(AppStore.focusIndex, 2);
    Mouse(WM_RBUTTONDOWN, kTextX, Upper(4), MK_RBUTTON);
    Mouse(WM_RBUTTONUP, kTextX, Upper(4));
    EXPECT_EQ(Selected(), "4");
    EXPECT_TRUE(parentReceived.empty());  // no WM_COMMAND from the pane
}

TEST_F(ListPaneMouseTest, AButtonPressedWhileTheOtherIsDownIsIgnored) {
    LoadWords("A B C D E");
    Mouse(WM_LBUTTONDOWN, kTextX, Upper(1), MK_LBUTTON);
    Mouse(WM_RBUTTONDOWN, kTextX, Upper(3), MK_LBUTTON | MK_RBUTTON);
    EXPECT_EQ(AppStore.focusIndex, 1);
    Mouse(WM_RBUTTONUP, kTextX, Upper(3), MK_LBUTTON);
    EXPECT_EQ(GetCapture(), ListPaneHandle);  // the primary press goes on
    Mouse(WM_LBUTTONUP, kTextX, Upper(1));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ListPaneMouseTest, ACheckBoxPressReleasedElsewhereDoesNotLockTheOtherButton) {
    LoadWords("A B C");
    Mouse(WM_LBUTTONDOWN, 12, 30, MK_LBUTTON);  // on row 1's box: no capture
    ASSERT_EQ(GetCapture(), nullptr);
    // The release went to another window; the button is up now.
    Mouse(WM_RBUTTONDOWN, kTextX, Upper(2), MK_RBUTTON);
    EXPECT_EQ(AppStore.focusIndex, 2);
    Mouse(WM_RBUTTONUP, kTextX, Upper(2));
}

TEST_F(ListPaneMouseTest, ACheckBoxClickTogglesTheSelectionAndNeverCaptures) {
    LoadWords("A B C");
    // Row 1's box: x 8..20, y 26..38.
    Mouse(WM_LBUTTONDOWN, 12, 30, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(States(), "0 1 0");
    Mouse(WM_LBUTTONUP, 12, 30);
    // A double click: press, release, double click, release. Each click toggles.
    Mouse(WM_LBUTTONDOWN, 12, 30, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 12, 30);
    EXPECT_EQ(States(), "0 0 0");
    Mouse(WM_LBUTTONDBLCLK, 12, 30, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 12, 30);
    EXPECT_EQ(States(), "0 1 0");
    // With "CheckMoveDown" the first click sinks A; the double click then
    // toggles from the row under the pointer (B, unselected): A stays checked.
    AppSettings.CheckMoveDown = 1;
    LoadWords("A B C");
    Mouse(WM_LBUTTONDOWN, 12, 8, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 12, 8);
    ASSERT_EQ(Texts(), "B C A");
    Mouse(WM_LBUTTONDBLCLK, 12, 8, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 12, 8);
    EXPECT_EQ(Texts(), "B C A");
    EXPECT_EQ(States(), "0 0 1");
}

TEST_F(ListPaneMouseTest, DoubleClickBelowTheLastRowAppendsAnEmptySelectedItem) {
    LoadWords("A B");
    Click(kTextX, Upper(3));
    Mouse(WM_LBUTTONDBLCLK, kTextX, Upper(3), MK_LBUTTON);
    Mouse(WM_LBUTTONUP, kTextX, Upper(3));
    EXPECT_EQ(Texts(), "A B ");
    EXPECT_EQ(AppStore.focusIndex, 2);
    EXPECT_EQ(Selected(), "2");
    EXPECT_EQ(AppStore.itemCount, 3);
}

TEST_F(ListPaneMouseTest, AnotherWindowTakingTheMouseEndsTheDrag) {
    LoadWords("A B C D E");
    Select({0});
    Mouse(WM_LBUTTONDOWN, kTextX, Upper(0), MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, kTextX, Upper(3), MK_LBUTTON);
    ASSERT_TRUE(ListPanePointerState().itemDragActive);
    SetCapture(parent);
    EXPECT_FALSE(ListPanePointerState().itemDragActive);
    EXPECT_FALSE(ListPanePointerState().leftButtonDown);
    ReleaseCapture();
    Mouse(WM_LBUTTONUP, kTextX, Upper(3));
    EXPECT_EQ(Texts(), "A B C D E");
    // And the secondary button is not locked out afterwards.
    Mouse(WM_RBUTTONDOWN, kTextX, Upper(2), MK_RBUTTON);
    EXPECT_EQ(AppStore.focusIndex, 2);
    Mouse(WM_RBUTTONUP, kTextX, Upper(2));
}

}  // namespace
}  // namespace tessel::test
