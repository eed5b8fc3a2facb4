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

constexpr std::uint32_t kFocus = msaa::kEventFocus;
constexpr std::uint32_t kSelection = msaa::kEventSelection;
constexpr std::uint32_t kAdd = msaa::kEventSelectionAdd;
constexpr std::uint32_t kRemove = msaa::kEventSelectionRemove;
constexpr std::uint32_t kWithin = msaa::kEventSelectionWithin;
constexpr std::uint32_t kState = msaa::kEventStateChange;
constexpr std::uint32_t kDescription = msaa::kEventDescriptionChange;
constexpr std::uint32_t kName = msaa::kEventNameChange;
constexpr std::uint32_t kReorder = msaa::kEventReorder;

// Thirty rows "r0" .. "r29", row 0 the focus, anchor and selection.
std::string ThirtyRows() {
    std::string words;
    for (int i = 0; i < 30; ++i) {
        words += "r" + std::to_string(i) + " ";
    }
    return words;
}

struct Scenario {
    const char* what;
    std::function<void(TestList&)> before;  // may be empty
    std::function<void(TestList&)> change;
    bool paneFocused;
    std::vector<ListEvent> heard;
};

void Focus(TestList& list, int row) {
    list.store.focusIndex = row;
    list.store.anchorIndex = row;
    list.Select({row});
}

void Edited(TestList& list, int row, const char* text) {
    list.at(row).text = text;
    ++list.store.changeCount;
}

TEST(RowWatch, EachChangeIsToldAsAReaderFollowsIt) {
    const Scenario scenarios[] = {
        {"nothing", nullptr, [](TestList&) {}, true, {}},
        {"the focus moves with the selection",
         nullptr,
         [](TestList& l) { Focus(l, 2); },
         true,
         {{kSelection, 3}, {kFocus, 3}}},
        {"a row joins the selection",
         nullptr,
         [](TestList& l) { l.at(3).selected = true; },
         true,
         {{kAdd, 4}}},
        {"two rows leave it",
         [](TestList& l) {
             l.Select({0, 4, 5});
         },
         [](TestList& l) { l.Select({0}); },
         true,
         {{kSelection, 1}}},
        {"a row checked",
         nullptr,
         [](TestList& l) { l.at(1).state = ItemState::NormalChecked; },
         true,
         {{kState, 2}}},
        {"a row cancelled",
         nullptr,
         [](TestList& l) { l.at(1).state = ItemState::Strike; },
         true,
         {{kDescription, 2}}},
        {"a row indented",
         nullptr,
         [](TestList& l) { l.at(4).indent = 2; },
         true,
         {{kDescription, 5}}},
        {"a row edited", nullptr, [](TestList& l) { Edited(l, 2, "x"); }, true, {{kName, 3}}},
        {"rows swapped",
         nullptr,
         [](TestList& l) {
             std::swap(l.at(0), l.at(1));
             ++l.store.changeCount;
             l.store.focusIndex = 1;
         },
         true,
         {{kReorder, 0}, {kFocus, 2}}},
        {"a row inserted",
         nullptr,
         [](TestList& l) {
             InsertItem(l.store.currentItems, test::MakeItem("new"), 0);
             ++l.store.changeCount;
         },
         true,
         {{kReorder, 0}, {kFocus, 1}}},
        {"another category",
         nullptr,
         [](TestList& l) {
             Category other;
             other.items = test::Named("x y");
             l.store.InsertCategory(std::move(other), -1);
             l.store.currentItems = l.store.FindCategoryItems(1);
             l.store.focusIndex = 1;
         },
         true,
         {{kReorder, 0}, {kFocus, 2}}},
        {"twenty rows checked", nullptr,
         [](TestList& l) {
             for (int i = 0; i < 20; ++i) {
                 l.at(i).state = ItemState::NormalChecked;
             }
         },
         true,
         [] {
             std::vector<ListEvent> each;
             for (int i = 1; i <= 20; ++i) {
                 each.push_back({kState, i});
             }
             return each;
         }()},
        {"twenty-one rows checked",
         nullptr,
         [](TestList& l) {
             for (int i = 0; i < 21; ++i) {
                 l.at(i).state = ItemState::NormalChecked;
             }
         },
         true,
         {{kReorder, 0}}},
        {"twenty-one rows restyled",
         nullptr,
         [](TestList& l) {
             for (int i = 0; i < 21; ++i) {
                 l.at(i).indent = 1;
             }
         },
         true,
         {{kReorder, 0}}},
        {"every row selected",
         nullptr,
         [](TestList& l) {
             for (Item& item : l.items()) {
                 item.selected = true;
             }
         },
         true,
         {{kWithin, 0}}},
        {"the whole selection collapses onto another row",
         [](TestList& l) {
             for (Item& item : l.items()) {
                 item.selected = true;
             }
         },
         [](TestList& l) { Focus(l, 7); },
         true,
         {{kSelection, 8}, {kFocus, 8}}},
        {"the pane takes the focus", nullptr, [](TestList&) {}, true, {{kFocus, 1}}},
        {"the focus moves in a pane without the focus",
         nullptr,
         [](TestList& l) { Focus(l, 2); },
         false,
         {{kSelection, 3}}},
    };
    for (const Scenario& s : scenarios) {
        TestList list(ThirtyRows());
        Focus(list, 0);
        if (s.before) {
            s.before(list);
        }
        RowWatch watch;
        EXPECT_TRUE(watch.Compare(list.store, true).empty()) << "before the start";
        const bool focusedBefore = std::string(s.what) != "the pane takes the focus";
        watch.Start(list.store, focusedBefore);
        s.change(list);
        EXPECT_EQ(watch.Compare(list.store, s.paneFocused), s.heard) << s.what;
        EXPECT_TRUE(watch.Compare(list.store, s.paneFocused).empty()) << s.what << ", told twice";
    }
}

TEST(RowWatch, TheFocusIsToldAgainWhenThePaneTakesItBack) {
    TestList list("a b c");
    Focus(list, 1);
    RowWatch watch;
    watch.Start(list.store, true);
    watch.FocusArrived();  // an edit box had it in between
    EXPECT_EQ(watch.Compare(list.store, true), (std::vector<ListEvent>{{kFocus, 2}}));
}

TEST(RowWatch, TextsAreReadOnlyWhenTheListChanged) {
    // An edit is told through the change count every change moves on; a
    // step that leaves it (a key, a click) reads no text.
    TestList list("a b c");
    RowWatch watch;
    watch.Start(list.store, false);
    list.at(1).text = "x";
    EXPECT_TRUE(watch.Compare(list.store, false).empty());
    ++list.store.changeCount;
    EXPECT_EQ(watch.Compare(list.store, false), (std::vector<ListEvent>{{kName, 2}}));
}

}  // namespace
}  // namespace tessel
