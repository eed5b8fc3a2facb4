// Reading list.txt into the store and writing it back, for a list of
// 100,000 items in 100 categories (about 4 MB). Each should take well under
// 50 ms.
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/list_file_sample.h"
#include "storage/list_file_format.h"

namespace tessel {
namespace {

int Measure(std::string_view name) {
    return static_cast<int>(name.size()) * 7;
}

void BM_ParseListFile(benchmark::State& state) {
    const std::string file = FormatListFile(bench::MakeSampleStore());
    for (auto _ : state) {
        auto store = std::make_unique<ListStore>();
        benchmark::DoNotOptimize(ParseListFile(file, *store, 40, 5, Measure));
        state.PauseTiming();  // freeing the store is not part of reading
        store.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
    state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
}
BENCHMARK(BM_ParseListFile)->Unit(benchmark::kMillisecond);

void BM_FormatListFile(benchmark::State& state) {
    const ListStore store = bench::MakeSampleStore();
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string file = FormatListFile(store);
        size = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}
BENCHMARK(BM_FormatListFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessel

BENCHMARK_MAIN();
