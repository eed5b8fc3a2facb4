// Timed Windows program (not a test): writes and reads a list.txt of
// 100,000 items in 100 categories (about 4 MB) through WriteListFile and
// ReadListFile on real files, and prints the times. Aim: each under 300 ms
// under Wine.
//   scripts/wine-run build/win/bench/list_file_wine_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/list_file_sample.h"
#include "process/app_state_win.h"
#include "process/data_files_win.h"
#include "tests/harness/measure_dc.h"

namespace {

constexpr int kRounds = 7;

double NowMs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void PrintTimes(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-26s min %7.1f ms   median %7.1f ms   max %7.1f ms\n", what, times.front(),
                times[times.size() / 2], times.back());
}

int CountItems() {
    int items = 0;
    for (int c = 0; c < tessel::AppStore.CountCategories(); ++c) {
        items += tessel::CountItems(tessel::AppStore.FindCategoryItems(c));
    }
    return items;
}

}  // namespace

int main() {
    using namespace tessel;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    DataDirectory =
        std::wstring(temp) + L"tessel-list-bench-" + std::to_wstring(GetCurrentProcessId());
    ExeDirectory = DataDirectory;
    if (!CreateDirectoryW(DataDirectory.c_str(), nullptr)) {
        std::printf("cannot create the data folder (error %lu)\n",
                    static_cast<unsigned long>(GetLastError()));
        return 1;
    }
    const std::wstring path = DataDirectory + L"\\list.txt";

    const test::MeasureDc dc;
    int status = 0;
    std::vector<double> writes;
    std::vector<double> reads;
    for (int round = 0; round < kRounds && status == 0; ++round) {
        AppStore = bench::MakeSampleStore();
        double start = NowMs();
        const int written = WriteListFile();
        writes.push_back(NowMs() - start);

        AppStore = ListStore();
        start = NowMs();
        const int read = ReadListFile(dc.Get());
        reads.push_back(NowMs() - start);
        if (written != 1 || read != 1 || AppStore.categoryCount != bench::kSampleCategories ||
            CountItems() != bench::kSampleCategories * bench::kSampleItemsPerCategory) {
            std::printf("round %d: write %d, read %d, %d categories, %d items\n", round, written,
                        read, AppStore.categoryCount, CountItems());
            status = 1;
        }
    }

    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    std::printf("list.txt: %d categories, %d items, %lu bytes; %d rounds\n",
                bench::kSampleCategories, bench::kSampleCategories * bench::kSampleItemsPerCategory,
                static_cast<unsigned long>(data.nFileSizeLow), kRounds);
    if (!writes.empty()) {
        PrintTimes("WriteListFile (replace)", writes);
        PrintTimes("ReadListFile (measured)", reads);
    }

    AppStore = ListStore();
    DeleteFileW(path.c_str());
    RemoveDirectoryW(DataDirectory.c_str());
    return status;
}
