// Rows as a screen reader is told of them: names and state words, roles,
// states, boxes and hit tests from the pane's geometry, navigation, and
// what a reader's selection request does to the store.
#include "access/list_reading.h"

#include <gtest/gtest.h>

#include <string>

#include "listpane/list_geometry.h"
#include "tests/listpane/list_fixture.h"

namespace tessel {
namespace {

using test::MakeItem;
using test::TestList;

const std::string kUnchecked = "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xC8\x82\xB5";  // チェックなし
const std::string kChecked = "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xA0\x82\xE8";  // チェックあり
const std::string kCancelled = "\x8E\xE6\x82\xE8\x8F\xC1\x82\xB5";                // 取り消し
const std::string kEmphasised = "\x8B\xAD\x92\xB2";                               // 強調
const std::string kIndent = "\x83\x43\x83\x93\x83\x66\x83\x93\x83\x67 ";          // インデント
const std::string kBreak = "\x81\x41";                                            // 、
const std::string kSeparator = "\x83\x5A\x83\x70\x83\x8C\x81\x5B\x83\x5E";        // セパレータ
const std::string kCheck =
    "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xF0\x95\x74\x82\xAF\x82\xE9";  // チェックを付ける
const std::string kUncheck =
    "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xF0\x82\xCD\x82\xB8\x82\xB7";  // チェックをはずす

TEST(ListReading, NamesStateWordsAndRolesOfEveryKindOfRow) {
    struct Case {
        ItemState state;
        int indent;
        std::string name, description, action;
        std::int32_t role;
    } cases[] = {
        {ItemState::Normal, 0, "milk", kUnchecked, kCheck, msaa::kRoleListItem},
        {ItemState::NormalChecked, 0, "milk", kChecked, kUncheck, msaa::kRoleListItem},
        {ItemState::Strike, 1, "milk", kUnchecked + kBreak + kCancelled + kBreak + kIndent + "1",
         kCheck, msaa::kRoleListItem},
        {ItemState::StrikeChecked, 0, "milk", kChecked + kBreak + kCancelled, kUncheck,
         msaa::kRoleListItem},
        {ItemState::Bold, 100, "milk", kUnchecked + kBreak + kEmphasised + kBreak + kIndent + "100",
         kCheck, msaa::kRoleListItem},
        {ItemState::BoldChecked, 2, "milk",
         kChecked + kBreak + kEmphasised + kBreak + kIndent + "2", kUncheck, msaa::kRoleListItem},
        {ItemState::Separator, 0, kSeparator, "", "", msaa::kRoleSeparator},
        {ItemState::Separator, 3, kSeparator, kIndent + "3", "", msaa::kRoleSeparator},
    };
    for (const Case& c : cases) {
        const Item item =
            MakeItem(c.state == ItemState::Separator ? "-----" : "milk", c.state, c.indent);
        const int state = static_cast<int>(c.state);
        EXPECT_EQ(RowName(item), c.name) << state;
        EXPECT_EQ(RowDescription(item), c.description) << state << " " << c.indent;
        EXPECT_EQ(RowDefaultAction(item), c.action) << state;
        EXPECT_EQ(RowRole(item), c.role) << state;
    }
}

// Ten rows from row 2 in a pane of 50 pixels: rows 2 and 3 whole, row 4 in part.
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
        {2, ItemState::Normal, false, true, true, kAlways},
        {2, ItemState::BoldChecked, true, true, true,
         kAlways | msaa::kStateChecked | msaa::kStateSelected},
        {3, ItemState::Normal, true, true, true,
         kAlways | msaa::kStateFocused | msaa::kStateSelected},
        {3, ItemState::Normal, false, false, true, kAlways},  // no focus without the pane's
        {4, ItemState::StrikeChecked, false, true, true, kAlways | msaa::kStateChecked},
        {1, ItemState::Normal, false, true, true, kAlways | msaa::kStateOffscreen},
        {5, ItemState::Separator, false, true, true, kAlways | msaa::kStateOffscreen},
        {2, ItemState::Normal, false, true, false, kAlways | msaa::kStateInvisible},
    };
    for (const Case& c : cases) {
        ListView view = TenRowsFromTwo();
        view.paneFocused = c.paneFocused;
        view.paneVisible = c.paneVisible;
        const Item item = MakeItem("x", c.state, 0, c.selected);
        EXPECT_EQ(RowStates(item, c.position, view), c.states) << c.position;
    }
    ListView view = TenRowsFromTwo();
    EXPECT_EQ(ListStates(view), msaa::kStateFocusable | msaa::kStateMultiSelectable |
                                    msaa::kStateExtSelectable | msaa::kStateFocused);
    view.paneFocused = false;
    EXPECT_EQ(ListStates(view) & msaa::kStateFocused, 0);
}

TEST(ListReading, RowBoxesAreWhereRowAtPointFindsThem) {
    const ListView view = TenRowsFromTwo();
    for (int position = 0; position < view.itemCount; ++position) {
        const ClientBox box = RowBox(position, view);
        EXPECT_EQ(box.left, 0);
        EXPECT_EQ(box.top, (position - 2) * 22) << position;
        EXPECT_EQ(box.width, view.rowWidth);
        EXPECT_EQ(box.height, 22);
        bool shows = false;
        for (int y = box.top; y < box.top + box.height; ++y) {
            if (y >= 0 && y < view.clientHeight) {
                shows = true;
                EXPECT_EQ(RowAtPoint(y, view.topIndex, view.itemCount, view.lineHeight), position);
                EXPECT_EQ(ChildAtPoint(box.width - 1, y, view), ChildOfRow(position));
            }
        }
        EXPECT_EQ(RowInView(position, view), shows) << position;
    }
}

TEST(ListReading, PointsLeadToARowTheListOrNothing) {
    ListView view = TenRowsFromTwo();
    view.itemCount = 3;  // rows 0..2: only row 2 is in view, the rest of the pane is empty
    struct Case {
        int x, y;
        std::int32_t child;
    } cases[] = {
        {0, 0, 3},
        {183, 21, 3},
        {183, 22, msaa::kSelf},
        {184, 5, msaa::kSelf},
        {199, 49, msaa::kSelf},
        {200, 5, -1},
        {5, 50, -1},
        {-1, 5, -1},
        {5, -1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChildAtPoint(c.x, c.y, view), c.child) << c.x << "," << c.y;
    }
}

TEST(ListReading, ChildIdsAndNavigationStepThroughTheRows) {
    EXPECT_EQ(RowOfChild(1, 3), 0);
    EXPECT_EQ(RowOfChild(3, 3), 2);
    EXPECT_EQ(RowOfChild(4, 3), -1);
    EXPECT_EQ(RowOfChild(msaa::kSelf, 3), -1);
    EXPECT_EQ(RowOfChild(-2, 3), -1);

    using Kind = NavigateResult::Kind;
    struct Case {
        std::int32_t from, direction;
        Kind kind;
        std::int32_t to;
    } cases[] = {
        {0, msaa::kNavFirstChild, Kind::Child, 1},
        {0, msaa::kNavLastChild, Kind::Child, 5},
        {2, msaa::kNavNext, Kind::Child, 3},
        {2, msaa::kNavDown, Kind::Child, 3},
        {2, msaa::kNavPrevious, Kind::Child, 1},
        {2, msaa::kNavUp, Kind::Child, 1},
        {5, msaa::kNavDown, Kind::None, 0},
        {1, msaa::kNavUp, Kind::None, 0},
        {2, msaa::kNavLeft, Kind::None, 0},
        {0, msaa::kNavNext, Kind::None, 0},
        {2, msaa::kNavFirstChild, Kind::Invalid, 0},
        {6, msaa::kNavNext, Kind::Invalid, 0},
        {2, 9, Kind::Invalid, 0},
    };
    for (const Case& c : cases) {
        const NavigateResult result = NavigateRows(c.from, c.direction, 5);
        EXPECT_EQ(result.kind, c.kind) << c.from << " " << c.direction;
        if (c.kind == Kind::Child) {
            EXPECT_EQ(result.child, c.to) << c.from << " " << c.direction;
        }
    }
    EXPECT_EQ(NavigateRows(0, msaa::kNavFirstChild, 0).kind, Kind::None);
}

TEST(ListReading, SelectionRequestsChangeTheStoreAsThePlatformDescribes) {
    constexpr std::int32_t kFocus = msaa::kSelectTakeFocus;
    constexpr std::int32_t kTake = msaa::kSelectTakeSelection;
    constexpr std::int32_t kExtend = msaa::kSelectExtend;
    constexpr std::int32_t kAdd = msaa::kSelectAdd;
    constexpr std::int32_t kRemove = msaa::kSelectRemove;
    struct Case {
        std::int32_t flags;
        int position;
        bool done;
        const char* selected;
        int focus, anchor;
    } cases[] = {
        // Before each: six rows, row 1 selected, focus and anchor.
        {kFocus | kTake, 3, true, "3", 3, 3},
        {kTake, 4, true, "4", 1, 1},
        {kAdd, 4, true, "1 4", 1, 1},
        {kRemove, 1, true, "", 1, 1},
        {kExtend, 4, true, "1 2 3 4", 1, 1},  // the anchor is selected
        {kExtend | kFocus, 4, true, "1 2 3 4", 4, 1},
        {kExtend | kRemove, 0, true, "", 1, 1},
        {kExtend | kAdd, 3, true, "1 2 3", 1, 1},
        {kFocus, 5, true, "1", 5, 5},
        {0, 2, true, "1", 1, 1},
        {kAdd | kRemove, 2, false, "1", 1, 1},
        {kTake | kAdd, 2, false, "1", 1, 1},
        {kTake | kExtend, 2, false, "1", 1, 1},
        {0x20, 2, false, "1", 1, 1},
        {kTake, 6, false, "1", 1, 1},
        {kTake, -1, false, "1", 1, 1},
    };
    for (const Case& c : cases) {
        TestList list("a b c d e f");
        list.Select({1});
        list.store.focusIndex = 1;
        list.store.anchorIndex = 1;
        EXPECT_EQ(SelectRow(list.store, c.position, c.flags), c.done) << c.flags;
        EXPECT_EQ(list.Selected(), c.selected) << c.flags << " at " << c.position;
        EXPECT_EQ(list.store.focusIndex, c.focus) << c.flags;
        EXPECT_EQ(list.store.anchorIndex, c.anchor) << c.flags;
    }
    // Without an anchor a range is the row alone, taking its own state.
    TestList list("a b c");
    list.store.anchorIndex = -1;
    EXPECT_TRUE(SelectRow(list.store, 2, kExtend));
    EXPECT_EQ(list.Selected(), "");
    EXPECT_TRUE(SelectRow(list.store, 2, kExtend | kAdd));
    EXPECT_EQ(list.Selected(), "2");
    EXPECT_EQ(NextSelectedRow(list.items(), 0), 2);
    EXPECT_EQ(NextSelectedRow(list.items(), 2), 2);
    EXPECT_EQ(NextSelectedRow(list.items(), 3), -1);
    EXPECT_EQ(NextSelectedRow(list.items(), -5), 2);
}

}  // namespace
}  // namespace tessel
