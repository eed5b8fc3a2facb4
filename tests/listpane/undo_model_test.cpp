// The item operations on a store with a history, in random sequences:
// every operation that changes the file's text is one step, undoing them all
// gives back the list as it was and redoing them all the list as it ended,
// to the byte at every step. And what the history costs.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "clipboard/clipboard_text.h"
#include "listpane/item_operations.h"
#include "storage/list_file_format.h"
#include "store/list_history.h"
#include "tests/listpane/list_fixture.h"

namespace tessel::test {
namespace {

// The current category after an undo or redo, as the window makes it.
void Show(ListStore& store, const HistoryFocus& step) {
    ASSERT_TRUE(step.done);
    store.currentCategory = step.category;
    store.currentItems = store.FindCategoryItems(step.category);
    ASSERT_NE(store.currentItems, nullptr);
    store.itemCount = CountItems(store.currentItems);
    SelectItemRange(store.currentItems, -1, -1);
    store.focusIndex = store.itemCount > 0 ? 0 : -1;
}

// A random selection around a random focus in the current category.
void SelectSome(ListStore& store, std::mt19937& rng) {
    store.itemCount = CountItems(store.currentItems);
    if (store.itemCount == 0) {
        store.focusIndex = -1;
        return;
    }
    std::uniform_int_distribution<int> position(0, store.itemCount - 1);
    store.focusIndex = position(rng);
    SelectItemRange(store.currentItems, store.focusIndex, position(rng));
    // Now and then a scattered selection.
    if (rng() % 3 == 0) {
        (*store.currentItems)[static_cast<std::size_t>(position(rng))].selected ^= true;
        (*store.currentItems)[static_cast<std::size_t>(store.focusIndex)].selected = true;
    }
}

// The operation done, for the failure message.
unsigned RandomOperation(ListStore& store, std::mt19937& rng) {
    const SystemSettings settings;
    const int reference = store.focusIndex;
    const unsigned operation = rng() % 9;
    switch (operation) {
        case 0:
            AddNewItem(store, reference, rng() % 2 ? NewItemKind::Item : NewItemKind::Separator,
                       settings, nullptr);
            break;
        case 1:
            RemoveSelectedItems(store);
            break;
        case 2:
            ToggleMarkOfSelection(store, reference, static_cast<ItemMark>(rng() % 3), rng() % 2);
            break;
        case 3:
            MoveSelectionOneStep(store, rng() % 2 ? MoveDirection::Up : MoveDirection::Down);
            break;
        case 4:
            IndentSelection(store, rng() % 2 ? IndentDirection::Indent : IndentDirection::Outdent);
            break;
        case 5:
            MarkEveryItem(store, static_cast<MarkChange>(rng() % 7));
            break;
        case 6:
            PasteText(store, "pasted\r\n\t\x81\xa1" + std::string(30, 'p') + "\r\n", reference,
                      static_cast<int>(rng() % 4), 40);
            break;
        case 7:
            MoveSelectionRecorded(store, static_cast<int>(rng() % (store.itemCount + 2)) - 1);
            break;
        default:
            // Another category becomes current: no change to undo.
            store.currentCategory = static_cast<int>(rng() % 3);
            store.currentItems = store.FindCategoryItems(store.currentCategory);
            break;
    }
    return operation;
}

TEST(UndoModel, RandomSequencesUndoAndRedoToTheByte) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        ListStore store;
        ListHistory history;
        store.history = &history;
        for (const char* name : {"one", "two", "three"}) {
            Category category;
            category.name = name;
            category.items = Named("a b c d e f");
            category.items[2].text = std::string(40, 'L');  // a text of the pool
            store.InsertCategory(std::move(category), -1);
        }
        store.currentCategory = 0;
        store.currentItems = store.FindCategoryItems(0);
        std::mt19937 rng(seed);
        std::vector<std::string> texts{FormatListFile(store)};
        for (int action = 0; action < 80; ++action) {
            history.Seal();
            SelectSome(store, rng);
            const unsigned operation = RandomOperation(store, rng);
            // Every change of the text is one step. A step may also swap two
            // items that read the same, which leaves the text as it was.
            const std::string text = FormatListFile(store);
            const std::size_t steps = history.UndoSteps();
            ASSERT_LE(steps, texts.size()) << "seed " << seed << " action " << action;
            if (steps == texts.size()) {
                texts.push_back(text);
            } else {
                ASSERT_EQ(text, texts.back())
                    << "seed " << seed << " action " << action << " operation " << operation;
            }
        }
        for (std::size_t step = texts.size() - 1; step > 0; --step) {
            Show(store, history.Undo(store));
            ASSERT_EQ(FormatListFile(store), texts[step - 1])
                << "seed " << seed << " undo " << step;
        }
        EXPECT_FALSE(history.Undo(store).done);
        for (std::size_t step = 1; step < texts.size(); ++step) {
            Show(store, history.Redo(store));
            ASSERT_EQ(FormatListFile(store), texts[step]) << "seed " << seed << " redo " << step;
        }
        EXPECT_FALSE(history.Redo(store).done);
    }
}

TEST(UndoModel, ANewChangeDropsWhatCouldHaveBeenRedone) {
    TestList list("A B C");
    ListHistory history;
    list.store.history = &history;
    list.store.focusIndex = 0;
    SelectItemRange(list.store.currentItems, 0, 0);
    RemoveSelectedItems(list.store);
    history.Seal();
    history.Undo(list.store);
    ASSERT_EQ(history.RedoSteps(), 1u);
    IndentSelection(list.store, IndentDirection::Indent);
    EXPECT_EQ(history.RedoSteps(), 0u);
    EXPECT_EQ(history.UndoSteps(), 1u);
    EXPECT_EQ(list.Texts(), "A B C");
}

// What the history holds is what the steps changed, never the whole list.
TEST(UndoModel, HistoryCostsWhatTheStepsChanged) {
    TestList list(std::vector<Item>(100000, MakeItem("an item of the list")));
    ListHistory history;
    list.store.history = &history;
    for (int step = 0; step < 100; ++step) {
        history.Seal();
        list.store.focusIndex = step * 997;
        SelectItemRange(list.store.currentItems, step * 997, step * 997);
        ToggleMarkOfSelection(list.store, step * 997, ItemMark::Check, false);
    }
    EXPECT_EQ(history.UndoSteps(), 100u);
    EXPECT_LT(history.Bytes(), 1u << 20);

    // Deleting every item: about what those items cost.
    history.Seal();
    const std::size_t before = history.Bytes();
    SelectItemRange(list.store.currentItems, 0, 99999);
    RemoveSelectedItems(list.store);
    const std::size_t itemsCost = 100000 * sizeof(Item);
    EXPECT_GT(history.Bytes() - before, itemsCost);
    EXPECT_LT(history.Bytes() - before, itemsCost * 3 / 2);

    // Beyond the limit the oldest steps go first; the newest stays.
    history.SetLimit(before);
    history.Seal();
    IndentSelection(list.store, IndentDirection::Indent);  // nothing selected is left
    SelectItemRange(list.store.currentItems, -1, -1);
    history.Seal();
    AddNewItem(list.store, 0, NewItemKind::Item, SystemSettings(), nullptr);
    EXPECT_EQ(history.UndoSteps(), 1u);
    EXPECT_LE(history.Bytes(), before);
    history.Undo(list.store);
    EXPECT_EQ(CountItems(list.store.currentItems), 0);
}

}  // namespace
}  // namespace tessel::test
