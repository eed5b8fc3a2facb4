// The history's records of changes in place: the positions as runs, and
// each kind of change undone and redone, to the whole list.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "store/list_history.h"

namespace tessel {
namespace {

TEST(PositionRunsTest, GiveBackEveryPositionInOrder) {
    std::vector<int> everyOther;
    for (int p = 0; p < 1000; p += 2) {
        everyOther.push_back(p);
    }
    std::vector<int> longRuns;  // lengths and gaps of one, two and three 7-bit groups
    for (int p : {0, 1, 2}) {
        longRuns.push_back(p);
    }
    for (int p = 130; p < 300; ++p) {
        longRuns.push_back(p);
    }
    for (int p = 20000; p < 40000; ++p) {
        longRuns.push_back(p);
    }
    longRuns.push_back(3000000);
    const std::vector<std::vector<int>> cases = {
        {}, {0}, {7}, {0, 1, 2, 3}, {5, 127, 128, 255, 256, 16383, 16384}, everyOther, longRuns,
    };
    for (const std::vector<int>& positions : cases) {
        PositionRuns runs;
        for (int p : positions) {
            runs.Add(p);
        }
        EXPECT_EQ(runs.Positions(), positions);
        EXPECT_EQ(runs.size(), positions.size());
        EXPECT_EQ(runs.empty(), positions.empty());
    }
}

TEST(PositionRunsTest, CostLittleForRunsAndScatteredPositions) {
    PositionRuns all;
    PositionRuns everyOther;
    for (int p = 0; p < 200000; ++p) {
        all.Add(p);
        if (p % 2 == 0) {
            everyOther.Add(p);
        }
    }
    EXPECT_LE(all.Bytes(), 16u);
    EXPECT_LE(everyOther.Bytes(), 100000u * 2 * 2);  // two bytes a run, and the vector's room
}

struct Snapshot {
    std::vector<std::string> texts;
    std::vector<ItemState> states;
    std::vector<int> indents;
    bool operator==(const Snapshot& other) const {
        return texts == other.texts && states == other.states && indents == other.indents;
    }
};

Snapshot Take(const ItemList& list) {
    Snapshot s;
    for (const Item& item : list) {
        s.texts.push_back(item.text.str());
        s.states.push_back(item.state);
        s.indents.push_back(item.indent);
    }
    return s;
}

// Sets the state of every third item from first on, as a command does, and
// records it.
void ChangeStates(ItemList& list, ListHistory& history, int first, ItemState state) {
    PositionRuns runs;
    std::vector<ItemState> old;
    for (int p = first; p < static_cast<int>(list.size()); p += 3) {
        runs.Add(p);
        old.push_back(list[static_cast<std::size_t>(p)].state);
        list[static_cast<std::size_t>(p)].state = state;
    }
    history.StatesChanged(&list, std::move(runs), std::move(old));
}

void ChangeIndents(ItemList& list, ListHistory& history, int first, int last, int delta) {
    PositionRuns runs;
    for (int p = first; p <= last; ++p) {
        runs.Add(p);
        list[static_cast<std::size_t>(p)].indent += static_cast<std::int16_t>(delta);
    }
    history.IndentsChanged(&list, std::move(runs), delta);
}

void ChangeText(ItemList& list, ListHistory& history, int position, const std::string& text) {
    ItemText old = std::exchange(list[static_cast<std::size_t>(position)].text, ItemText(text));
    history.TextChanged(&list, position, std::move(old));
}

TEST(ListHistoryTest, EachChangeInPlaceUndoesAndRedoesToTheWholeList) {
    const std::string longText(40, 'L');  // a text of the pool
    struct Case {
        const char* name;
        std::function<void(ItemList&, ListHistory&)> change;
    };
    const Case cases[] = {
        {"states", [](ItemList& l, ListHistory& h) { ChangeStates(l, h, 1, ItemState::Bold); }},
        {"indents in", [](ItemList& l, ListHistory& h) { ChangeIndents(l, h, 0, 199, 1); }},
        {"indents out", [](ItemList& l, ListHistory& h) { ChangeIndents(l, h, 150, 160, -1); }},
        {"a short text long", [&](ItemList& l, ListHistory& h) { ChangeText(l, h, 3, longText); }},
        {"a long text short", [](ItemList& l, ListHistory& h) { ChangeText(l, h, 4, "s"); }},
        {"all in one step, the same items twice",
         [](ItemList& l, ListHistory& h) {
             ChangeStates(l, h, 0, ItemState::StrikeChecked);
             ChangeStates(l, h, 0, ItemState::NormalChecked);
             ChangeIndents(l, h, 0, 199, 1);
             ChangeText(l, h, 0, "x");
             ChangeText(l, h, 0, "y");
         }},
    };
    for (const Case& c : cases) {
        ListStore store;
        Category category;
        for (int i = 0; i < 200; ++i) {
            category.items.emplace_back(ItemText(i % 4 == 0 ? longText : std::to_string(i)),
                                        static_cast<ItemState>(i % 6),
                                        static_cast<std::int16_t>(1 + i % 3));
        }
        store.InsertCategory(std::move(category), -1);
        ItemList& list = *store.FindCategoryItems(0);
        ListHistory history;
        const Snapshot before = Take(list);
        c.change(list, history);
        const Snapshot after = Take(list);
        ASSERT_EQ(history.UndoSteps(), 1u) << c.name;
        for (int round = 0; round < 2; ++round) {
            EXPECT_TRUE(history.Undo(store).done) << c.name;
            EXPECT_EQ(Take(list), before) << c.name << " undo " << round;
            EXPECT_TRUE(history.Redo(store).done) << c.name;
            EXPECT_EQ(Take(list), after) << c.name << " redo " << round;
        }
    }
}

}  // namespace
}  // namespace tessel
