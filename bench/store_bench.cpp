// Timings of the store's item operations on one category of 100,000 items,
// the largest list the program is expected to meet. Each should stay well
// under 5 ms.
#include <string>

#include <benchmark/benchmark.h>

#include "listpane/item_operations.h"
#include "store/list_history.h"
#include "store/list_store.h"

namespace tessel {
namespace {

constexpr int kItemCount = 100'000;

// Item texts of a realistic length, too long for the small-string buffer.
ItemList MakeItems() {
    ItemList list;
    list.reserve(kItemCount);
    for (int i = 0; i < kItemCount; ++i) {
        list.push_back(Item{"to-do item number " + std::to_string(i), ItemState::Normal,
                            static_cast<std::int16_t>(i % 3)});
    }
    return list;
}

// One store holding one category with the items; the items are reached
// through the store as the list pane reaches them.
struct OneCategory {
    ListStore store;
    ItemList* items = nullptr;

    OneCategory() {
        Category category;
        category.name = "bench";
        category.items = MakeItems();
        store.InsertCategory(std::move(category), 0);
        items = store.FindCategoryItems(0);
    }
};

void SelectEveryTenth(ItemList& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i].selected = i % 10 == 0;
    }
}

void InsertAt(benchmark::State& state, int position) {
    OneCategory doc;
    const Item item{"a newly inserted item of ordinary length"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(InsertItem(doc.items, item, position));
        state.PauseTiming();  // back to 100,000 items
        doc.items->erase(doc.items->begin() + position);
        state.ResumeTiming();
    }
}

void BM_InsertItemFront(benchmark::State& state) {
    InsertAt(state, 0);
}
void BM_InsertItemMiddle(benchmark::State& state) {
    InsertAt(state, kItemCount / 2);
}

void BM_GetItemNearEnd(benchmark::State& state) {
    OneCategory doc;
    Item out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetItem(doc.items, kItemCount - 2, out));
        benchmark::DoNotOptimize(out);
    }
}

void BM_SelectItemRange(benchmark::State& state) {
    OneCategory doc;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SelectItemRange(doc.items, 40'000, 60'000));
    }
}

void BM_MoveSelectedItems(benchmark::State& state) {
    OneCategory doc;
    SelectEveryTenth(*doc.items);
    int round = 0;
    for (auto _ : state) {
        // Alternating ends, so that every round really moves the block.
        benchmark::DoNotOptimize(MoveSelectedItems(doc.items, (round++ % 2 == 0) ? 0 : -1));
    }
}

// One row sunk to the end past every other, and back: the checked row of
// a sinking Space.
void BM_SinkOneItem(benchmark::State& state) {
    OneCategory doc;
    (*doc.items)[10].selected = true;
    int round = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoveSelectedItems(doc.items, (round++ % 2 == 0) ? -1 : 0));
    }
}

void BM_DeleteSelectedItems(benchmark::State& state) {
    OneCategory doc;
    SelectEveryTenth(*doc.items);
    const ItemList full = *doc.items;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DeleteSelectedItems(doc.items));
        state.PauseTiming();
        *doc.items = full;
        state.ResumeTiming();
    }
}

void BM_CountItems(benchmark::State& state) {
    OneCategory doc;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CountItems(doc.items));
        benchmark::DoNotOptimize(doc.store.CountCategories());
    }
}

// A bulk command on every item, every one selected, recorded in a history
// (argument 1) or not (0): what recording adds to the command alone.
void BulkCommand(benchmark::State& state, void (*command)(ListStore&)) {
    OneCategory doc;
    ItemList& items = *doc.items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].state = static_cast<ItemState>(i % 50 == 49 ? 6 : i % 6);
        items[i].selected = true;
    }
    ListHistory history;
    doc.store.currentItems = doc.items;
    doc.store.itemCount = kItemCount;
    doc.store.focusIndex = 0;
    doc.store.history = state.range(0) == 1 ? &history : nullptr;
    for (auto _ : state) {
        command(doc.store);
        state.PauseTiming();
        history.Clear();
        state.ResumeTiming();
    }
}

void BM_ToggleCheckOfAll(benchmark::State& state) {
    BulkCommand(state, [](ListStore& store) {
        ToggleMarkOfSelection(store, store.focusIndex, ItemMark::Check, false);
    });
}
void BM_IndentAll(benchmark::State& state) {
    // In and out in turns, so that no indent reaches the limit.
    BulkCommand(state, [](ListStore& store) {
        static bool in = false;
        in = !in;
        IndentSelection(store, in ? IndentDirection::Indent : IndentDirection::Outdent);
    });
}
void BM_InvertEveryCheck(benchmark::State& state) {
    BulkCommand(state, [](ListStore& store) { MarkEveryItem(store, MarkChange::InvertCheck); });
}

void BM_CheckEvery(benchmark::State& state) {
    BulkCommand(state, [](ListStore& store) {
        // Set and removed in turns, so that every round changes half the items.
        static bool set = false;
        set = !set;
        MarkEveryItem(store, set ? MarkChange::SetCheck : MarkChange::RemoveCheck);
    });
}

BENCHMARK(BM_CheckEvery)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ToggleCheckOfAll)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IndentAll)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InvertEveryCheck)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertItemFront)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertItemMiddle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GetItemNearEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectItemRange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MoveSelectedItems)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SinkOneItem)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeleteSelectedItems)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CountItems)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessel

BENCHMARK_MAIN();
