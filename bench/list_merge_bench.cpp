// The merge of the list with another PC's version: 100,000 items a side with
// a few changes on each, as two PCs sharing a list make them between two
// saves; and the worst a list can be, every line changed on both sides.
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/list_file_sample.h"
#include "storage/list_merge.h"

namespace tessel {
namespace {

constexpr int kItemCount = 100'000;

std::unique_ptr<ListStore> OneCategory(const std::string& prefix = "to-do item number ") {
    auto store = std::make_unique<ListStore>();
    Category category;
    category.name = "bench";
    category.items.reserve(kItemCount + 16);
    for (int i = 0; i < kItemCount; ++i) {
        category.items.push_back(
            Item{prefix + std::to_string(i), ItemState::Normal, static_cast<std::int16_t>(i % 3)});
    }
    store->InsertCategory(std::move(category), 0);
    return store;
}

// A few changes of every kind spread over the list, at places that differ
// by side: checks, new texts, an indent, insertions and a deletion.
void ChangeAFew(ListStore& store, int seed) {
    ItemList& items = *store.FindCategoryItems(0);
    for (int k = 0; k < 3; ++k) {
        items[static_cast<std::size_t>(seed * 1000 + k * 30'000)].state = ItemState::NormalChecked;
        items[static_cast<std::size_t>(seed * 2000 + k * 30'000 + 7)].text =
            "a new text " + std::to_string(seed * 10 + k);
    }
    items[static_cast<std::size_t>(seed * 3000 + 50'000)].indent = 5;
    items.erase(items.begin() + seed * 4000 + 60'000);
    items.insert(items.begin() + seed * 5000 + 20'000, Item{"pasted " + std::to_string(seed)});
    items.insert(items.begin() + seed * 5000 + 20'001, Item{"pasted too " + std::to_string(seed)});
}

void BM_MergeFewChanges100k(benchmark::State& state) {
    const auto base = OneCategory();
    auto ours = OneCategory();
    auto theirs = OneCategory();
    ChangeAFew(*ours, 1);
    ChangeAFew(*theirs, 2);
    for (auto _ : state) {
        const ListMerge merge = MergeLists(*base, *ours, *theirs);
        benchmark::DoNotOptimize(merge.conflicts);
    }
}
BENCHMARK(BM_MergeFewChanges100k)->Unit(benchmark::kMillisecond);

// 100 categories of 1,000 items, a category renamed on one side.
void BM_MergeSampleList(benchmark::State& state) {
    const ListStore base = bench::MakeSampleStore();
    ListStore ours = bench::MakeSampleStore();
    ListStore theirs = bench::MakeSampleStore();
    ours.RenameCategory(40, "renamed", 0);
    (*ours.FindCategoryItems(10))[5].state = ItemState::BoldChecked;
    (*theirs.FindCategoryItems(40))[5].text = "changed on the other PC";
    InsertItem(theirs.FindCategoryItems(90), Item{"new on the other PC"}, 3);
    for (auto _ : state) {
        const ListMerge merge = MergeLists(base, ours, theirs);
        benchmark::DoNotOptimize(merge.conflicts);
    }
}
BENCHMARK(BM_MergeSampleList)->Unit(benchmark::kMillisecond);

void BM_UnionFewChanges100k(benchmark::State& state) {
    auto ours = OneCategory();
    auto theirs = OneCategory();
    ChangeAFew(*ours, 1);
    ChangeAFew(*theirs, 2);
    for (auto _ : state) {
        const ListMerge merge = UnionLists(*ours, *theirs);
        benchmark::DoNotOptimize(merge.conflicts);
    }
}
BENCHMARK(BM_UnionFewChanges100k)->Unit(benchmark::kMillisecond);

// Four candidate bases of 100,000 items against the file.
void BM_ChooseMergeBase100k(benchmark::State& state) {
    const auto theirs = OneCategory();
    std::unique_ptr<ListStore> candidates[4];
    std::vector<const ListStore*> pointers;
    for (int i = 0; i < 4; ++i) {
        candidates[i] = OneCategory();
        ChangeAFew(*candidates[i], i);
        pointers.push_back(candidates[i].get());
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(ChooseMergeBase(pointers, *theirs));
    }
}
BENCHMARK(BM_ChooseMergeBase100k)->Unit(benchmark::kMillisecond);

// Every line different on each side: the diff gives up on matching and the
// merge keeps every line of both.
void BM_MergeAllChanged100k(benchmark::State& state) {
    const auto base = OneCategory();
    const auto ours = OneCategory("ours ");
    const auto theirs = OneCategory("theirs ");
    for (auto _ : state) {
        const ListMerge merge = MergeLists(*base, *ours, *theirs);
        benchmark::DoNotOptimize(merge.conflicts);
    }
}
BENCHMARK(BM_MergeAllChanged100k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessel

BENCHMARK_MAIN();
