#include "listpane/item_operations.h"

#include <gtest/gtest.h>

#include "list_fixture.h"
#include "storage/list_file_format.h"

namespace tessel {
namespace {

using test::MakeItem;
using test::TestList;

SystemSettings Settings(int insertPosition = 111, int autoIndent = 1) {
    SystemSettings s;
    SetSystemDefaults(s);
    s.InsertPositionItem = insertPosition / 100;
    s.InsertPositionSeparator = insertPosition / 10 % 10;
    s.InsertPositionPaste = insertPosition % 10;
    s.AutoIndent = autoIndent;
    return s;
}

// Five items with the focus (and only selection) on row 3.
void FocusOn(TestList& list, int row) {
    list.store.focusIndex = row;
    list.store.anchorIndex = row;
    list.Select({row});
}

TEST(NewItem, InsertPositionDigitPlacesTheItem) {
    struct Case {
        int insertPosition;
        int expectedRow;
        const char* texts;
    } cases[] = {
        {111, 3, "A B C  D E"}, {211, 4, "A B C D  E"}, {311, 5, "A B C D E "},
        {11, 0, " A B C D E"},  {411, 0, " A B C D E"},
    };
    for (const Case& c : cases) {
        TestList list("A B C D E");
        FocusOn(list, 3);
        ASSERT_EQ(AddNewItem(list.store, 3, NewItemKind::Item, Settings(c.insertPosition), nullptr),
                  NewItemOutcome::Inserted);
        EXPECT_EQ(list.Texts(), c.texts) << c.insertPosition;
        EXPECT_EQ(list.store.focusIndex, c.expectedRow) << c.insertPosition;
        EXPECT_EQ(list.store.anchorIndex, c.expectedRow);
        EXPECT_EQ(list.Selected(), std::to_string(c.expectedRow));
        EXPECT_EQ(list.store.itemCount, 6);
    }
}

TEST(NewItem, WithoutAFocusRowEveryDigitAppends) {
    for (int digit : {0, 1, 2, 3}) {
        TestList list("A B");
        list.store.focusIndex = -1;
        ASSERT_EQ(AddNewItem(list.store, -1, NewItemKind::Item, Settings(digit * 100), nullptr),
                  NewItemOutcome::Inserted);
        EXPECT_EQ(list.Texts(), "A B ");
        EXPECT_EQ(list.store.focusIndex, 2);
    }
}

TEST(NewItem, ReferencePastTheEndAppendsAndFocusesTheNewLastRow) {
    TestList list("A B");
    ASSERT_EQ(AddNewItem(list.store, 7, NewItemKind::Item, Settings(111), nullptr),
              NewItemOutcome::Inserted);
    EXPECT_EQ(list.Texts(), "A B ");
    EXPECT_EQ(list.store.focusIndex, 2);
}

TEST(NewItem, AutoIndentTakesTheIndentStandingAtTheInsertionPosition) {
    TestList list({MakeItem("A", ItemState::Normal, 0), MakeItem("B", ItemState::Normal, 2),
                   MakeItem("C", ItemState::Normal, 5)});
    ASSERT_EQ(AddNewItem(list.store, 1, NewItemKind::Item, Settings(111), nullptr),
              NewItemOutcome::Inserted);
    EXPECT_EQ(list.at(1).indent, 2);  // the focus item's
    ASSERT_EQ(AddNewItem(list.store, 1, NewItemKind::Item, Settings(211), nullptr),
              NewItemOutcome::Inserted);
    EXPECT_EQ(list.at(2).indent, 2);  // the item behind the reference: B
    // Behind the last item there is none to follow: indent 0.
    ASSERT_EQ(AddNewItem(list.store, 4, NewItemKind::Item, Settings(211), nullptr),
              NewItemOutcome::Inserted);
    EXPECT_EQ(list.at(5).indent, 0);
    // Only the indent is taken: text, state and selection are the new item's.
    EXPECT_EQ(list.at(1).text, "");
    EXPECT_EQ(list.at(1).state, ItemState::Normal);

    TestList plain({MakeItem("A", ItemState::Bold, 4)});
    ASSERT_EQ(AddNewItem(plain.store, 0, NewItemKind::Item, Settings(111, 0), nullptr),
              NewItemOutcome::Inserted);
    EXPECT_EQ(plain.at(0).indent, 0);
    EXPECT_EQ(plain.at(0).state, ItemState::Normal);
}

TEST(NewItem, SeparatorHasNoIndentAndExactlyTheConfiguredDashes) {
    TestList list({MakeItem("A", ItemState::Normal, 3)});
    SystemSettings s = Settings(111);
    s.SeparatorLength = 40;
    ASSERT_EQ(AddNewItem(list.store, 0, NewItemKind::Separator, s, nullptr),
              NewItemOutcome::Inserted);
    EXPECT_EQ(list.at(0).text, std::string(40, '-'));
    EXPECT_EQ(list.at(0).state, ItemState::Separator);
    EXPECT_EQ(list.at(0).indent, 0);
    // The tens digit places separators: 3 appends while items go to the focus.
    s.InsertPositionSeparator = 3;
    ASSERT_EQ(AddNewItem(list.store, 0, NewItemKind::Separator, s, nullptr),
              NewItemOutcome::Inserted);
    EXPECT_EQ(list.store.focusIndex, 2);
    EXPECT_EQ(SeparatorText(0), "");
    EXPECT_EQ(SeparatorText(-4), "");
    EXPECT_EQ(SeparatorText(300), std::string(255, '-'));  // the text limit
}

TEST(NewItem, WithoutACategoryNothingHappens) {
    ListStore store;
    store.currentItems = nullptr;
    EXPECT_EQ(AddNewItem(store, 0, NewItemKind::Item, Settings(), nullptr),
              NewItemOutcome::NoCategory);
    EXPECT_EQ(store.focusIndex, -1);
}

TEST(NewItem, EmptyListReceivesItsFirstRow) {
    TestList list("");
    list.store.focusIndex = -1;
    ASSERT_EQ(AddNewItem(list.store, -1, NewItemKind::Item, Settings(), nullptr),
              NewItemOutcome::Inserted);
    EXPECT_EQ(list.store.itemCount, 1);
    EXPECT_EQ(list.store.focusIndex, 0);
    EXPECT_EQ(list.Selected(), "0");
}

TEST(DeleteItems, FocusGoesToTheFirstDeletedPositionWithinTheList) {
    TestList list("A B C D E");
    list.store.focusIndex = 4;
    list.Select({3, 4});
    ASSERT_EQ(RemoveSelectedItems(list.store), 1);
    EXPECT_EQ(list.Texts(), "A B C");
    EXPECT_EQ(list.store.itemCount, 3);
    EXPECT_EQ(list.store.focusIndex, 2);
    EXPECT_EQ(list.store.anchorIndex, 2);
    EXPECT_EQ(list.Selected(), "2");

    TestList front("A B C");
    front.store.focusIndex = 2;
    front.Select({0, 2});
    ASSERT_EQ(RemoveSelectedItems(front.store), 1);
    EXPECT_EQ(front.Texts(), "B");
    EXPECT_EQ(front.store.focusIndex, 0);
}

TEST(DeleteItems, DeletingEverythingLeavesNoFocus) {
    TestList list("A B");
    list.store.focusIndex = 0;
    list.Select({0, 1});
    ASSERT_EQ(RemoveSelectedItems(list.store), 1);
    EXPECT_EQ(list.store.itemCount, 0);
    EXPECT_EQ(list.store.focusIndex, -1);
    EXPECT_EQ(list.store.anchorIndex, -1);
}

TEST(DeleteItems, RefusesWithoutSelectionOrFocus) {
    TestList list("A B C");
    list.store.focusIndex = 1;
    list.Select({});
    EXPECT_EQ(RemoveSelectedItems(list.store), 0);
    EXPECT_EQ(list.Texts(), "A B C");
    list.Select({1});
    list.store.focusIndex = -1;
    EXPECT_EQ(RemoveSelectedItems(list.store), 0);
    EXPECT_EQ(list.Texts(), "A B C");
}

TEST(ToggleItemMark, FocusItemDecidesForTheWholeSelection) {
    TestList list({MakeItem("A"), MakeItem("B", ItemState::Strike),
                   MakeItem("-", ItemState::Separator), MakeItem("D", ItemState::BoldChecked)});
    list.store.focusIndex = 0;
    list.Select({0, 1, 2});
    ASSERT_EQ(ToggleMarkOfSelection(list.store, 0, ItemMark::Check, false).result, 1);
    EXPECT_EQ(list.States(), "1 3 6 5");  // the separator stays; D is not selected
    ASSERT_EQ(ToggleMarkOfSelection(list.store, 0, ItemMark::Check, false).result, 1);
    EXPECT_EQ(list.States(), "0 2 6 5");
}

TEST(ToggleItemMark, StrikeAndBoldReplaceEachOtherAndKeepTheCheck) {
    TestList list({MakeItem("A", ItemState::BoldChecked, 0, true)});
    list.store.focusIndex = 0;
    ToggleMarkOfSelection(list.store, 0, ItemMark::Strike, false);
    EXPECT_EQ(list.States(), "3");
    ToggleMarkOfSelection(list.store, 0, ItemMark::Bold, false);
    EXPECT_EQ(list.States(), "5");
    ToggleMarkOfSelection(list.store, 0, ItemMark::Bold, false);
    EXPECT_EQ(list.States(), "1");
}

TEST(ToggleItemMark, UnselectedReferenceSetsTheMarkOnTheSelectionOnly) {
    TestList list({MakeItem("A", ItemState::NormalChecked),
                   MakeItem("B", ItemState::NormalChecked, 0, true)});
    list.store.focusIndex = 0;
    ASSERT_EQ(ToggleMarkOfSelection(list.store, 0, ItemMark::Check, false).result, 1);
    EXPECT_EQ(list.States(), "1 1");  // set check: B stays checked, A untouched
}

TEST(ToggleItemMark, RefusesWithoutFocusOrReadableReference) {
    TestList list("A B");
    list.Select({0});
    list.store.focusIndex = -1;
    EXPECT_EQ(ToggleMarkOfSelection(list.store, 0, ItemMark::Check, false).result, 0);
    list.store.focusIndex = 0;
    EXPECT_EQ(ToggleMarkOfSelection(list.store, 5, ItemMark::Check, false).result, 0);
    EXPECT_EQ(list.States(), "0 0");
}

TEST(ToggleItemMark, CheckedItemsSinkInFrontOfTheCheckedRunAtTheEnd) {
    TestList list("A B C D E");
    list.at(3).state = ItemState::NormalChecked;
    list.at(4).state = ItemState::BoldChecked;
    list.store.focusIndex = 1;
    list.store.anchorIndex = 1;
    list.store.topIndex = 0;
    list.Select({1});
    const ToggleOutcome outcome = ToggleMarkOfSelection(list.store, 1, ItemMark::Check, true);
    EXPECT_EQ(outcome.result, 1);
    EXPECT_FALSE(outcome.ensureFocusVisible);
    EXPECT_EQ(list.Texts(), "A C B D E");
    EXPECT_EQ(list.store.focusIndex, 2);
    EXPECT_EQ(list.store.anchorIndex, 1);  // left as it was

    TestList open("A B C D E");
    open.store.focusIndex = 1;
    open.Select({1});
    ToggleMarkOfSelection(open.store, 1, ItemMark::Check, true);
    EXPECT_EQ(open.Texts(), "A C D E B");
    EXPECT_EQ(open.store.focusIndex, 4);
}

TEST(ToggleItemMark, UncheckingStylingAndTheLastRowNeverSink) {
    TestList list("A B C");
    list.at(1).state = ItemState::NormalChecked;
    list.store.focusIndex = 1;
    list.Select({1});
    ToggleMarkOfSelection(list.store, 1, ItemMark::Check, true);  // unchecks
    EXPECT_EQ(list.Texts(), "A B C");
    ToggleMarkOfSelection(list.store, 1, ItemMark::Strike, true);
    EXPECT_EQ(list.Texts(), "A B C");

    TestList last("A B C");
    last.store.focusIndex = 2;
    last.Select({2});
    const ToggleOutcome outcome = ToggleMarkOfSelection(last.store, 2, ItemMark::Check, true);
    EXPECT_TRUE(outcome.ensureFocusVisible);
    EXPECT_EQ(last.Texts(), "A B C");
    EXPECT_EQ(last.States(), "0 0 1");
}

TEST(ToggleItemMark, SinkTargetLooksOnlyBehindTheReference) {
    TestList list("A B C D");
    EXPECT_EQ(SinkTarget(list.items(), 1), 4);
    list.at(2).state = ItemState::StrikeChecked;
    list.at(3).state = ItemState::NormalChecked;
    EXPECT_EQ(SinkTarget(list.items(), 1), 2);
    EXPECT_EQ(SinkTarget(list.items(), 2), 3);  // the reference is not part of the run
    list.at(2).state = ItemState::Separator;    // a separator ends the run
    EXPECT_EQ(SinkTarget(list.items(), 0), 3);
}

TEST(MoveItems, UpGoesInFrontOfTheLastUnselectedRowBeforeTheFocus) {
    TestList list("A B C D E");
    list.store.focusIndex = 3;
    list.Select({1, 3});
    ASSERT_EQ(MoveSelectionOneStep(list.store, MoveDirection::Up), 1);
    EXPECT_EQ(list.Texts(), "A B D C E");
    EXPECT_EQ(list.store.focusIndex, 1);
    EXPECT_EQ(list.store.anchorIndex, 1);
    EXPECT_EQ(list.Selected(), "1 2");
}

TEST(MoveItems, DownGoesBehindTheFirstUnselectedRowAfterTheFocus) {
    TestList list("A B C D E");
    list.store.focusIndex = 1;
    list.Select({1, 3});
    ASSERT_EQ(MoveSelectionOneStep(list.store, MoveDirection::Down), 1);
    EXPECT_EQ(list.Texts(), "A C B D E");
    EXPECT_EQ(list.store.focusIndex, 2);
    // B and D are adjacent now; the first unselected row after B is E.
    ASSERT_EQ(MoveSelectionOneStep(list.store, MoveDirection::Down), 1);
    EXPECT_EQ(list.Texts(), "A C E B D");
    EXPECT_EQ(list.store.focusIndex, 3);
}

TEST(MoveItems, RefusesAtTheEdgesAndWithoutAFocusRow) {
    TestList list("A B C");
    list.store.focusIndex = 0;
    list.Select({0});
    EXPECT_EQ(MoveSelectionOneStep(list.store, MoveDirection::Up), 0);
    list.store.focusIndex = 2;
    list.Select({2});
    EXPECT_EQ(MoveSelectionOneStep(list.store, MoveDirection::Down), 0);
    list.store.focusIndex = 7;
    EXPECT_EQ(MoveSelectionOneStep(list.store, MoveDirection::Up), 0);
    EXPECT_EQ(list.Texts(), "A B C");
    TestList one("A");
    one.store.focusIndex = 0;
    one.Select({0});
    EXPECT_EQ(MoveSelectionOneStep(one.store, MoveDirection::Down), 0);
}

TEST(ChangeIndent, CountsOnlyItemsThatChangedWithinTheLimits) {
    TestList list(
        {MakeItem("A", ItemState::Normal, 0, true), MakeItem("B", ItemState::Normal, 100, true),
         MakeItem("-", ItemState::Separator, 3, true), MakeItem("D", ItemState::Normal, 7)});
    EXPECT_EQ(IndentSelection(list.store, IndentDirection::Indent), 2);
    EXPECT_EQ(list.at(0).indent, 1);
    EXPECT_EQ(list.at(1).indent, 100);
    EXPECT_EQ(list.at(2).indent, 4);  // separators too
    EXPECT_EQ(list.at(3).indent, 7);  // not selected
    list.Select({0});
    EXPECT_EQ(IndentSelection(list.store, IndentDirection::Outdent), 1);
    EXPECT_EQ(IndentSelection(list.store, IndentDirection::Outdent), 0);
    EXPECT_EQ(list.at(0).indent, 0);
}

TEST(ChangeIndent, NoCategoryOrNoItemAnswersMinusOne) {
    TestList empty("");
    EXPECT_EQ(IndentSelection(empty.store, IndentDirection::Indent), -1);
    ListStore none;
    EXPECT_EQ(IndentSelection(none, IndentDirection::Indent), -1);
}

TEST(SelectByState, SelectsExactlyTheMatchingItems) {
    TestList list({MakeItem("0", ItemState::Normal), MakeItem("1", ItemState::NormalChecked),
                   MakeItem("2", ItemState::Strike), MakeItem("3", ItemState::StrikeChecked),
                   MakeItem("4", ItemState::Bold), MakeItem("5", ItemState::BoldChecked),
                   MakeItem("-", ItemState::Separator)});
    list.store.focusIndex = 2;
    list.store.anchorIndex = 5;
    const struct {
        SelectWhich which;
        const char* selected;
    } cases[] = {
        {SelectWhich::All, "0 1 2 3 4 5 6"}, {SelectWhich::Checked, "1 3 5"},
        {SelectWhich::Unchecked, "0 2 4"},   {SelectWhich::Strike, "2 3"},
        {SelectWhich::Bold, "4 5"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(SelectItemsByState(list.store, c.which), 1);
        EXPECT_EQ(list.Selected(), c.selected);
        EXPECT_EQ(list.store.anchorIndex, 2);
        EXPECT_EQ(list.store.focusIndex, 2);
    }
    TestList empty("");
    EXPECT_EQ(SelectItemsByState(empty.store, SelectWhich::All), 0);
}

TEST(MarkAllItems, ChangesEveryItemButSeparatorsSelectedOrNot) {
    TestList list({MakeItem("A", ItemState::Normal), MakeItem("B", ItemState::BoldChecked, 0, true),
                   MakeItem("-", ItemState::Separator), MakeItem("D", ItemState::StrikeChecked)});
    ASSERT_EQ(MarkEveryItem(list.store, MarkChange::InvertCheck), 1);
    EXPECT_EQ(list.States(), "1 4 6 2");
    ASSERT_EQ(MarkEveryItem(list.store, MarkChange::RemoveStrike), 1);
    EXPECT_EQ(list.States(), "1 4 6 0");
    ASSERT_EQ(MarkEveryItem(list.store, MarkChange::RemoveBold), 1);
    ASSERT_EQ(MarkEveryItem(list.store, MarkChange::SetCheck), 1);
    EXPECT_EQ(list.States(), "1 1 6 1");
    TestList empty("");
    EXPECT_EQ(MarkEveryItem(empty.store, MarkChange::SetCheck), 0);
}

}  // namespace
}  // namespace tessel
