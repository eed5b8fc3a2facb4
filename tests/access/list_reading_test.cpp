// Rows as a screen reader is told of them: state words, roles, states,
// boxes against the pane's own hit test, navigation, and what a reader's
// selection request does to the store.
#include "access/list_reading.h"

#include <gtest/gtest.h>

#include <string>

#include "listpane/list_geometry.h"
#include "tests/listpane/list_fixture.h"

namespace tessel {
namespace {

using test::MakeItem;

const std::string kNo = "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xC8\x82\xB5";   // チェックなし
const std::string kYes = "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xA0\x82\xE8";  // チェックあり
const std::string kCancelled = "\x81\x41\x8E\xE6\x82\xE8\x8F\xC1\x82\xB5";    // 、取り消し
const std::string kEmphasised = "\x81\x41\x8B\xAD\x92\xB2";                   // 、強調
const std::string kIndent = "\x83\x43\x83\x93\x83\x66\x83\x93\x83\x67 ";      // インデント
const std::string kSeparator = "\x83\x5A\x83\x70\x83\x8C\x81\x5B\x83\x5E";    // セパレータ
const std::string kCheck = "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xF0\x95\x74\x82\xAF\x82\xE9";
const std::string kUncheck = "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xF0\x82\xCD\x82\xB8\x82\xB7";

TEST(ListReading, StateWordsNamesAndRolesOfEveryKindOfRow) {
    struct Case {
        ItemState state;
        int indent;
        std::string description, action;
    } cases[] = {
        {ItemState::Normal, 0, kNo, kCheck},
        {ItemState::NormalChecked, 0, kYes, kUncheck},
        {ItemState::Strike, 1, kNo + kCancelled + "\x81\x41" + kIndent + "1", kCheck},
        {ItemState::StrikeChecked, 0, kYes + kCancelled, kUncheck},
        {ItemState::BoldChecked, 100, kYes + kEmphasised + "\x81\x41" + kIndent + "100", kUncheck},
        {ItemState::Separator, 0, "", ""},
        {ItemState::Separator, 3, kIndent + "3", ""},
    };
    for (const Case& c : cases) {
        const bool separator = c.state == ItemState::Separator;
        const Item item = MakeItem(separator ? "-----" : "milk", c.state, c.indent);
        EXPECT_EQ(RowDescription(item), c.description) << static_cast<int>(c.state);
        EXPECT_EQ(RowDefaultAction(item), c.action) << static_cast<int>(c.state);
        EXPECT_EQ(RowName(item), separator ? kSeparator : "milk");
        EXPECT_EQ(RowRole(item), msaa::kRoleListItem);
    }
}

// Ten rows from row 2 in a pane of 50 pixels: rows 2 and 3 whole, row 4 in
// part; the scroll bar takes the 16 pixels right of 184.
ListView TenRowsFromTwo() {
    ListView view;
    view.itemCount = 10;
    view.topIndex = 2;
    view.focusIndex = 3;
    view.paneFocused = true;
    view.clientWidth = 200;
    view.clientHeight = 50;
    view.rowWidth = 184;
    view.lineHeight = 22;
    return view;
}

TEST(ListReading, StatesFollowSelectionFocusCheckAndView) {
    constexpr std::int32_t kAlways = msaa::kStateSelectable | msaa::kStateFocusable;
    struct Case {
        int position;
        ItemState state;
        bool selected, paneFocused, paneVisible;
        std::int32_t states;
    } cases[] = {
        {2, ItemState::BoldChecked, true, true, true,
         kAlways | msaa::kStateChecked | msaa::kStateSelected},
        {3, ItemState::Normal, false, true, true, kAlways | msaa::kStateFocused},
        {3, ItemState::Normal, false, false, true, kAlways},  // the pane has no focus
        {4, ItemState::StrikeChecked, false, true, true, kAlways | msaa::kStateChecked},
        {1, ItemState::Normal, false, true, true, kAlways | msaa::kStateOffscreen},
        {5, ItemState::Separator, false, true, true, kAlways | msaa::kStateOffscreen},
        {2, ItemState::Normal, false, true, false, kAlways | msaa::kStateInvisible},
    };
    for (const Case& c : cases) {
        ListView view = TenRowsFromTwo();
        view.paneFocused = c.paneFocused;
        view.paneVisible = c.paneVisible;
        EXPECT_EQ(RowStates(MakeItem("x", c.state, 0, c.selected), c.position, view), c.states)
            << c.position;
    }
    EXPECT_EQ(ListStates(TenRowsFromTwo()), msaa::kStateFocusable | msaa::kStateMultiSelectable |
                                                msaa::kStateExtSelectable | msaa::kStateFocused);
}

TEST(ListReading, RowBoxesAreWhereThePanesHitTestFindsTheRows) {
    const ListView view = TenRowsFromTwo();
    for (int position = 0; position < view.itemCount; ++position) {
        const ClientBox box = RowBox(position, view);
        EXPECT_EQ(box.top, (position - 2) * 22) << position;
        EXPECT_EQ(box.left + box.width, view.rowWidth);
        EXPECT_EQ(box.height, 22);
        bool shows = false;
        for (int y = std::max(box.top, 0); y < std::min(box.top + 22, view.clientHeight); ++y) {
            shows = true;
            EXPECT_EQ(RowAtPoint(y, view.topIndex, view.itemCount, view.lineHeight), position);
            EXPECT_EQ(ChildAtPoint(box.width - 1, y, view), ChildOfRow(position));
        }
        EXPECT_EQ(RowInView(position, view), shows) << position;
    }
    ListView three = view;
    three.itemCount = 3;  // the pane shows row 2 and nothing below it
    EXPECT_EQ(ChildAtPoint(5, 30, three), msaa::kSelf);
    EXPECT_EQ(ChildAtPoint(190, 5, three), msaa::kSelf);  // the scroll bar
    EXPECT_EQ(ChildAtPoint(200, 5, three), -1);
    EXPECT_EQ(ChildAtPoint(5, -1, three), -1);
}

TEST(ListReading, NavigationStepsThroughTheRows) {
    using Kind = NavigateResult::Kind;
    struct Case {
        std::int32_t from, direction;
        Kind kind;
        std::int32_t to;
    } cases[] = {
        {0, msaa::kNavFirstChild, Kind::Child, 1}, {0, msaa::kNavLastChild, Kind::Child, 5},
        {2, msaa::kNavDown, Kind::Child, 3},       {2, msaa::kNavPrevious, Kind::Child, 1},
        {5, msaa::kNavNext, Kind::None, 0},        {2, msaa::kNavLeft, Kind::None, 0},
        {0, msaa::kNavNext, Kind::None, 0},        {2, msaa::kNavFirstChild, Kind::Invalid, 0},
        {6, msaa::kNavNext, Kind::Invalid, 0},     {2, 9, Kind::Invalid, 0},
    };
    for (const Case& c : cases) {
        const NavigateResult result = NavigateRows(c.from, c.direction, 5);
        EXPECT_EQ(result.kind, c.kind) << c.from << " " << c.direction;
        EXPECT_EQ(result.kind == Kind::Child ? result.child : 0, c.to) << c.from;
    }
}

TEST(ListReading, SelectionRequestsChangeTheStoreAsThePlatformDescribes) {
    constexpr std::int32_t kFocus = msaa::kSelectTakeFocus, kTake = msaa::kSelectTakeSelection,
                           kExtend = msaa::kSelectExtend, kAdd = msaa::kSelectAdd,
                           kRemove = msaa::kSelectRemove;
    struct Case {
        std::int32_t flags;
        int position;
        bool done;
        const char* selected;
        int focus, anchor;
    } cases[] = {
        // Before each: six rows, row 1 selected, the focus and the anchor.
        {kFocus | kTake, 3, true, "3", 3, 3},
        {kTake, 4, true, "4", 1, 1},
        {kAdd, 4, true, "1 4", 1, 1},
        {kRemove, 1, true, "", 1, 1},
        {kExtend | kFocus, 4, true, "1 2 3 4", 4, 1},  // as the anchor: selected
        {kExtend | kRemove, 0, true, "", 1, 1},
        {kFocus, 5, true, "1", 5, 5},
        {kAdd | kRemove, 2, false, "1", 1, 1},
        {kTake | kExtend, 2, false, "1", 1, 1},
        {0x20, 2, false, "1", 1, 1},
        {kTake, 6, false, "1", 1, 1},
    };
    for (const Case& c : cases) {
        test::TestList list("a b c d e f");
        list.Select({1});
        list.store.focusIndex = list.store.anchorIndex = 1;
        EXPECT_EQ(SelectRow(list.store, c.position, c.flags), c.done) << c.flags;
        EXPECT_EQ(list.Selected(), c.selected) << c.flags << " at " << c.position;
        EXPECT_EQ(list.store.focusIndex, c.focus) << c.flags;
        EXPECT_EQ(list.store.anchorIndex, c.anchor) << c.flags;
    }
    test::TestList list("a b c d e f");
    list.Select({1, 4});
    EXPECT_EQ(NextSelectedRow(list.items(), 0), 1);
    EXPECT_EQ(NextSelectedRow(list.items(), 2), 4);
    EXPECT_EQ(NextSelectedRow(list.items(), 5), -1);
}

}  // namespace
}  // namespace tessel
