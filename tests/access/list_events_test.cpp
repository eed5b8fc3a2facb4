// What a reader following the rows hears after each kind of change: one
// event per changed row up to the limit, one for the whole list beyond it,
// the selection's events, and the focus last when it moved.
#include "access/list_events.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "access/reading_basics.h"
#include "tests/listpane/list_fixture.h"

namespace tessel {

bool operator==(const ListEvent& a, const ListEvent& b) {
    return a.event == b.event && a.child == b.child;
}
std::ostream& operator<<(std::ostream& out, const ListEvent& e) {
    return out << std::hex << e.event << std::dec << ":" << e.child;
}

namespace {

using test::TestList;

constexpr std::uint32_t kFocus = msaa::kEventFocus, kSelection = msaa::kEventSelection,
                        kAdd = msaa::kEventSelectionAdd, kState = msaa::kEventStateChange,
                        kReorder = msaa::kEventReorder;

void Focus(TestList& list, int row) {
    list.store.focusIndex = list.store.anchorIndex = row;
    list.Select({row});
}

void CheckFirst(TestList& list, int rows) {
    for (int i = 0; i < rows; ++i) {
        list.at(i).state = ItemState::NormalChecked;
    }
}

std::vector<ListEvent> EachChecked(int rows) {
    std::vector<ListEvent> each;
    for (int i = 1; i <= rows; ++i) {
        each.push_back({kState, i});
    }
    return each;
}

TEST(RowWatch, EachChangeIsToldAsAReaderFollowsIt) {
    struct Scenario {
        const char* what;
        bool focusedBefore;
        std::function<void(TestList&)> change;
        bool focusedAfter;
        std::vector<ListEvent> heard;
    } scenarios[] = {
        // The rest (a key's focus and selection, a check, a style, an edit,
        // a move, another category, a whole list) on the real window:
        // tests/access/list_object_test.cpp.
        {"nothing", true, [](TestList&) {}, true, {}},
        {"the focus moves in a pane without the focus",
         false,
         [](TestList& l) { Focus(l, 2); },
         false,
         {{kSelection, 3}}},
        {"the pane takes the focus", false, [](TestList&) {}, true, {{kFocus, 1}}},
        {"a row joins the selection",
         true,
         [](TestList& l) { l.at(3).selected = true; },
         true,
         {{kAdd, 4}}},
        // Texts are read only when the change count moved, as every edit moves it.
        {"a text changed past the count", true, [](TestList& l) { l.at(2).text = "x"; }, true, {}},
        {"a row inserted",
         true,
         [](TestList& l) {
             InsertItem(l.store.currentItems, test::MakeItem("new"), 0);
             ++l.store.changeCount;
         },
         true,
         {{kReorder, 0}, {kFocus, 1}}},
        {"twenty rows checked: each told", true, [](TestList& l) { CheckFirst(l, 20); }, true,
         EachChecked(20)},
        {"twenty-one: the list told",
         true,
         [](TestList& l) { CheckFirst(l, 21); },
         true,
         {{kReorder, 0}}},
    };
    for (const Scenario& s : scenarios) {
        std::string words;
        for (int i = 0; i < 30; ++i) {
            words += "r" + std::to_string(i) + " ";
        }
        TestList list(words);
        Focus(list, 0);
        RowWatch watch;
        EXPECT_TRUE(watch.Compare(list.store, true).empty()) << "before the start";
        watch.Start(list.store, s.focusedBefore);
        s.change(list);
        EXPECT_EQ(watch.Compare(list.store, s.focusedAfter), s.heard) << s.what;
        EXPECT_TRUE(watch.Compare(list.store, s.focusedAfter).empty()) << s.what << ", twice";
    }
}

}  // namespace
}  // namespace tessel
