#include "listpane/mark_changes.h"

#include <gtest/gtest.h>

#include "list_fixture.h"

namespace tessel {
namespace {

// Every change on every state, as the command tables give them; the row
// index is the state value 0..6, 6 being the separator no change touches.
struct ChangeCase {
    MarkChange change;
    int after[7];
};

const ChangeCase kChanges[] = {
    {MarkChange::SetCheck, {1, 1, 3, 3, 5, 5, 6}},
    {MarkChange::RemoveCheck, {0, 0, 2, 2, 4, 4, 6}},
    {MarkChange::InvertCheck, {1, 0, 3, 2, 5, 4, 6}},
    {MarkChange::SetStrike, {2, 3, 2, 3, 2, 3, 6}},
    {MarkChange::RemoveStrike, {0, 1, 0, 1, 4, 5, 6}},
    {MarkChange::SetBold, {4, 5, 4, 5, 4, 5, 6}},
    {MarkChange::RemoveBold, {0, 1, 2, 3, 0, 1, 6}},
};

TEST(MarkChanges, EveryChangeOfEveryState) {
    for (const ChangeCase& c : kChanges) {
        for (int state = 0; state <= 6; ++state) {
            EXPECT_EQ(static_cast<int>(ApplyMarkChange(static_cast<ItemState>(state), c.change)),
                      c.after[state])
                << "change " << static_cast<int>(c.change) << " on state " << state;
        }
    }
}

TEST(MarkChanges, UnknownStateValuesAreLeftAlone) {
    for (const ChangeCase& c : kChanges) {
        EXPECT_EQ(ApplyMarkChange(static_cast<ItemState>(7), c.change), static_cast<ItemState>(7));
        EXPECT_EQ(ApplyMarkChange(static_cast<ItemState>(-1), c.change),
                  static_cast<ItemState>(-1));
    }
}

TEST(MarkChanges, SelectedReferenceDecidesByItsOwnMark) {
    using test::MakeItem;
    const auto selected = [](ItemState s) { return MakeItem("x", s, 0, true); };
    EXPECT_EQ(ChooseMarkChange(selected(ItemState::Normal), ItemMark::Check), MarkChange::SetCheck);
    for (ItemState s :
         {ItemState::NormalChecked, ItemState::StrikeChecked, ItemState::BoldChecked}) {
        EXPECT_EQ(ChooseMarkChange(selected(s), ItemMark::Check), MarkChange::RemoveCheck);
    }
    EXPECT_EQ(ChooseMarkChange(selected(ItemState::Strike), ItemMark::Strike),
              MarkChange::RemoveStrike);
    EXPECT_EQ(ChooseMarkChange(selected(ItemState::StrikeChecked), ItemMark::Strike),
              MarkChange::RemoveStrike);
    EXPECT_EQ(ChooseMarkChange(selected(ItemState::Bold), ItemMark::Strike), MarkChange::SetStrike);
    EXPECT_EQ(ChooseMarkChange(selected(ItemState::BoldChecked), ItemMark::Bold),
              MarkChange::RemoveBold);
    EXPECT_EQ(ChooseMarkChange(selected(ItemState::StrikeChecked), ItemMark::Bold),
              MarkChange::SetBold);
}

TEST(MarkChanges, UnselectedReferenceOrSeparatorAlwaysSets) {
    using test::MakeItem;
    const Item checkedAlone = MakeItem("x", ItemState::BoldChecked, 0, false);
    EXPECT_EQ(ChooseMarkChange(checkedAlone, ItemMark::Check), MarkChange::SetCheck);
    EXPECT_EQ(ChooseMarkChange(checkedAlone, ItemMark::Bold), MarkChange::SetBold);
    const Item separator = MakeItem("---", ItemState::Separator, 0, true);
    EXPECT_EQ(ChooseMarkChange(separator, ItemMark::Check), MarkChange::SetCheck);
    EXPECT_EQ(ChooseMarkChange(separator, ItemMark::Strike), MarkChange::SetStrike);
    EXPECT_EQ(ChooseMarkChange(separator, ItemMark::Bold), MarkChange::SetBold);
}

}  // namespace
}  // namespace tessel
