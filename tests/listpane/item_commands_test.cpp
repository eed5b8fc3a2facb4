// The item commands through the real pane and its real scroll bar.
#include "listpane/item_commands_win.h"

#include <gtest/gtest.h>

#include "pane_fixture.h"

namespace tessel::test {
namespace {

class ItemCommandsTest : public PaneTest {
  protected:
    // True when the pane has been invalidated since the last Validate().
    bool Invalidated() { return GetUpdateRect(ListPaneHandle, nullptr, FALSE) != FALSE; }
    void Validate() { ValidateRect(ListPaneHandle, nullptr); }
};

TEST_F(ItemCommandsTest, ScrollFollowsTheFocusAndTheBarComesAndGoes) {
    LoadWords("A B C D E F G H I J");
    EXPECT_FALSE(BarShown() && AppStore.topIndex != 0);
    Focus(9);
    UpdateListScroll(1);
    EXPECT_EQ(AppStore.topIndex, 5);
    ASSERT_TRUE(BarShown());
    EXPECT_EQ(ScrollBarShownWidth, 16);
    const ScrollBarState* bar = ScrollBarStateOf(ScrollBarHandle);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->maxPos, 9);
    EXPECT_EQ(bar->pos, 5);
    EXPECT_EQ(bar->pageSize, 4);
    RECT barRect{};
    GetWindowRect(ScrollBarHandle, &barRect);
    MapWindowPoints(nullptr, ListPaneHandle, reinterpret_cast<POINT*>(&barRect), 2);
    EXPECT_EQ(barRect.left, kWidth - 16);
    EXPECT_EQ(barRect.right, kWidth);
    EXPECT_EQ(barRect.top, 0);
    EXPECT_EQ(barRect.bottom, kHeight);

    // Delete down to five items: everything fits, the bar goes, top is 0.
    Select({5, 6, 7, 8, 9});
    ASSERT_EQ(DeleteItems(), 1);
    EXPECT_EQ(Texts(), "A B C D E");
    EXPECT_EQ(AppStore.focusIndex, 4);
    EXPECT_EQ(AppStore.topIndex, 0);
    EXPECT_FALSE(BarShown());
    EXPECT_EQ(ScrollBarShownWidth, 0);
}

TEST_F(ItemCommandsTest, APaneBelowThirtyTwoPixelsNeverShowsTheBar) {
    LoadWords("A B C D E F G H I J");
    Resize(kWidth, 31);
    EXPECT_FALSE(BarShown());
    Resize(31, kHeight);
    EXPECT_FALSE(BarShown());
    Resize(32, 32);
    EXPECT_TRUE(BarShown());
}

TEST_F(ItemCommandsTest, NewItemGoesToTheFocusRowAndIsSelectedAlone) {
    LoadWords("A B C D E");
    Focus(3);
    Validate();
    ASSERT_EQ(NewItem(AppStore.focusIndex, NewItemKind::Item), 1);
    EXPECT_EQ(Texts(), "A B C  D E");
    EXPECT_EQ(AppStore.focusIndex, 3);
    EXPECT_EQ(Selected(), "3");
    EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETCOUNT, 0, 0), 6);
    EXPECT_TRUE(Invalidated());
    EXPECT_TRUE(BarShown());  // six rows in a pane of five

    AppSettings.SeparatorLength = 5;
    AppSettings.InsertPositionSeparator = 3;
    ASSERT_EQ(NewItem(AppStore.focusIndex, NewItemKind::Separator), 1);
    EXPECT_EQ(Texts(), "A B C  D E -----");
    EXPECT_EQ(AppStore.focusIndex, 6);
    EXPECT_EQ(AppStore.topIndex, 2);  // scrolled to the new last row
}

TEST_F(ItemCommandsTest, NothingHappensWithoutACategory) {
    ResetStore();
    AppStore.currentItems = nullptr;
    Validate();
    EXPECT_EQ(NewItem(-1, NewItemKind::Item), 0);
    EXPECT_EQ(DeleteItems(), 0);
    EXPECT_EQ(ToggleItemMark(0, ItemMark::Check), 0);
    EXPECT_EQ(MoveItems(MoveDirection::Up), 0);
    EXPECT_EQ(ChangeIndent(IndentDirection::Indent), -1);
    EXPECT_EQ(SelectByState(SelectWhich::All), 0);
    EXPECT_EQ(MarkAllItems(MarkChange::SetCheck), 0);
    EXPECT_FALSE(Invalidated());
    EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ItemCommandsTest, SpaceOnTheFocusRowChecksAndUnchecksTheSelection) {
    Load(ListFile({"test", "□A", "□B", "□------", "■D", "□E"}));
    Focus(0);
    Select({0, 1, 2});
    ASSERT_EQ(ToggleItemMark(AppStore.focusIndex, ItemMark::Check), 1);
    EXPECT_EQ(States(), "1 1 6 1 0");
    ASSERT_EQ(ToggleItemMark(AppStore.focusIndex, ItemMark::Check), 1);
    EXPECT_EQ(States(), "0 0 6 1 0");
    Focus(3);
    ASSERT_EQ(ToggleItemMark(3, ItemMark::Strike), 1);
    EXPECT_EQ(States(), "0 0 6 3 0");
    ASSERT_EQ(ToggleItemMark(3, ItemMark::Bold), 1);
    EXPECT_EQ(States(), "0 0 6 5 0");
}

TEST_F(ItemCommandsTest, CheckMoveDownSinksTheNewlyCheckedItem) {
    Load(ListFile({"test", "□A", "□B", "□C", "■D", "■E"}));
    AppSettings.CheckMoveDown = 1;
    Focus(1);
    ASSERT_EQ(ToggleItemMark(1, ItemMark::Check), 1);
    EXPECT_EQ(Texts(), "A C B D E");
    EXPECT_EQ(AppStore.focusIndex, 2);
    ASSERT_EQ(ToggleItemMark(2, ItemMark::Check), 1);  // unchecking moves nothing
    EXPECT_EQ(Texts(), "A C B D E");
}

TEST_F(ItemCommandsTest, AltUpMovesTheSelectionInFrontOfTheLastUnselectedRow) {
    LoadWords("A B C D E");
    AppStore.focusIndex = 3;
    Select({1, 3});
    ASSERT_EQ(MoveItems(MoveDirection::Up), 1);
    EXPECT_EQ(Texts(), "A B D C E");
    EXPECT_EQ(AppStore.focusIndex, 1);
    EXPECT_EQ(AppStore.anchorIndex, 1);
    EXPECT_EQ(MoveItems(MoveDirection::Up), 1);
    EXPECT_EQ(Texts(), "B D A C E");
    EXPECT_EQ(MoveItems(MoveDirection::Up), 0);  // already at the top
}

TEST_F(ItemCommandsTest, IndentAtTheLimitsChangesNothingAndDoesNotRedraw) {
    Load(ListFile({"test", "□A", "\t□B"}));
    Focus(0);
    Validate();
    EXPECT_EQ(ChangeIndent(IndentDirection::Outdent), 0);
    EXPECT_FALSE(Invalidated());
    EXPECT_EQ(ChangeIndent(IndentDirection::Indent), 1);
    EXPECT_TRUE(Invalidated());
    EXPECT_EQ((*AppStore.currentItems)[0].indent, 1);
    (*AppStore.currentItems)[0].indent = 100;
    Validate();
    EXPECT_EQ(ChangeIndent(IndentDirection::Indent), 0);
    EXPECT_FALSE(Invalidated());
}

TEST_F(ItemCommandsTest, SelectByStateAndMarkAllItems) {
    Load(ListFile({"test", "□A", "●B", "◇C", "□--", "◆E"}));
    Focus(1);
    ASSERT_EQ(SelectByState(SelectWhich::Checked), 1);
    EXPECT_EQ(Selected(), "1 4");
    ASSERT_EQ(SelectByState(SelectWhich::Strike), 1);
    EXPECT_EQ(Selected(), "2 4");
    ASSERT_EQ(MarkAllItems(MarkChange::InvertCheck), 1);
    EXPECT_EQ(States(), "1 4 3 6 2");
    ASSERT_EQ(MarkAllItems(MarkChange::RemoveStrike), 1);
    EXPECT_EQ(States(), "1 4 1 6 0");
}

TEST_F(ItemCommandsTest, TheListWrittenAfterCommandsHoldsTheirResult) {
    Load(ListFile({"test", "□A", "□B", "□C"}));
    Focus(1);
    ASSERT_EQ(ToggleItemMark(1, ItemMark::Check), 1);
    ASSERT_EQ(ChangeIndent(IndentDirection::Indent), 1);
    Focus(2);
    ASSERT_EQ(ToggleItemMark(2, ItemMark::Bold), 1);
    ASSERT_EQ(WriteListFile(), 1);
    EXPECT_EQ(ReadFileBytes(folder.File("list.txt")), ListFile({"test", "□A", "\t■B", "○C"}));
}

}  // namespace
}  // namespace tessel::test
