#include "process/data_files_win.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <thread>
#include <utility>

#include "process/app_state_win.h"
#include "process/wide_text_win.h"
#include "process/window_dpi_win.h"
#include "process/window_placement.h"
#include "storage/content_hash.h"
#include "storage/file_handle_win.h"
#include "storage/list_file_format.h"

namespace tessel {

namespace {

constexpr const wchar_t* kListFileName = L"list.txt";
constexpr const wchar_t* kSystemFileName = L"system.ini";
constexpr const wchar_t* kLayoutFileName = L"layout.ini";
// The height a window keeps at least while layout.ini is not read yet: the
// default title bar.
constexpr int kDefaultTitleBarHeight = 18;

// Whether the store holds everything list.txt held. Until a read succeeds
// (or finds no file) it does not, and the first write keeps the old file
// under a backup name before it replaces it.
bool listFileLoadedWhole = false;

// list.txt as this program last read or wrote it: its entry and a
// fingerprint of its bytes. Another program's version differs from it.
struct KnownFile {
    FileStamp stamp;
    std::uint64_t hash = 0;
};
KnownFile knownList;
// The last entry the watch looked at, so that a file it could not take up
// is not read again until it changes again.
FileStamp lastSeenStamp;
// AppStore.changeCount when the store last matched list.txt.
std::uint64_t savedChangeCount = 0;
// The copy the last write made of another program's version, until taken.
std::wstring changedCopy;

std::wstring DataPath(const wchar_t* name) {
    return DataDirectory + L"\\" + name;
}

// "list.txt.<kind>-YYYYMMDD-HHMMSS" beside the list, "-2", "-3"... added
// when that name is taken; the name made, or empty when no copy could be.
std::wstring CopyToUnusedBackupName(const std::wstring& path, const char* kind) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char stamp[48];
    const int length =
        std::snprintf(stamp, sizeof stamp, ".%s-%04u%02u%02u-%02u%02u%02u", kind, now.wYear,
                      now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof stamp) {
        return std::wstring();
    }
    // The suffix is ASCII: each byte is its own UTF-16 unit.
    const std::wstring base = path + std::wstring(stamp, stamp + length);
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const std::wstring backup = attempt == 1 ? base : base + L"-" + std::to_wstring(attempt);
        if (CopyFileW(path.c_str(), backup.c_str(), TRUE)) {
            return backup;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            return std::wstring();
        }
    }
    return std::wstring();
}

// Before a write replaces a list that was not read whole: keeps a copy of
// it. false when it exists and no copy could be made; then nothing may be
// written over it.
bool KeepUnreadListFile(const std::wstring& path) {
    if (listFileLoadedWhole) {
        return true;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            return false;
        }
    } else if (CopyToUnusedBackupName(path, "unread").empty()) {
        return false;
    }
    listFileLoadedWhole = true;
    return true;
}

// Before a write replaces a list that another program changed since this
// one read or wrote it: keeps that version under a "changed" name. false
// when it cannot be read to compare or cannot be copied; then nothing may
// be written over it.
bool KeepChangedListFile(const std::wstring& path) {
    FileStamp stamp;
    if (!ReadFileStamp(path, stamp)) {
        return false;
    }
    if (!stamp.exists || stamp == knownList.stamp) {
        return true;
    }
    std::string bytes;
    switch (ReadWholeFile(path, bytes)) {
        case FileReadResult::Missing:
            return true;
        case FileReadResult::Failed:
            return false;
        case FileReadResult::Read:
            break;
    }
    if (knownList.stamp.exists && ContentHash(bytes) == knownList.hash) {
        return true;  // only touched
    }
    changedCopy = CopyToUnusedBackupName(path, "changed");
    return !changedCopy.empty();
}

// What the program now knows of list.txt: a file of this stamp and
// fingerprint holds the store as it was at changeCount.
void RememberListFile(const FileStamp& stamp, std::uint64_t hash, std::uint64_t changeCount) {
    knownList = KnownFile{stamp, hash};
    lastSeenStamp = stamp;
    savedChangeCount = changeCount;
}

// The same for these bytes, just read or written from AppStore.
void RememberListFile(const std::wstring& path, std::string_view bytes) {
    FileStamp stamp;
    ReadFileStamp(path, stamp);
    RememberListFile(stamp, ContentHash(bytes), AppStore.changeCount);
}

// The idle save's write of list.txt. The interface thread formats the list
// a slice at a time between its messages; a worker then fingerprints the
// bytes and writes them. Made, joined and freed on the interface thread.
struct BackgroundWrite {
    ListFileFormatter formatter;
    std::uint64_t changeCount = 0;  // of the list being formatted
    std::wstring path;
    std::string bytes;
    // The worker's results, read once done is set.
    bool saved = false;
    DWORD error = 0;
    FileStamp stamp;
    std::uint64_t hash = 0;
    std::atomic<bool> done{false};
    std::thread worker;

    BackgroundWrite() = default;
    BackgroundWrite(const BackgroundWrite&) = delete;
    BackgroundWrite& operator=(const BackgroundWrite&) = delete;
    ~BackgroundWrite() {
        if (worker.joinable()) {
            worker.join();
        }
    }
};
std::unique_ptr<BackgroundWrite> backgroundWrite;

// How long one slice of formatting may hold the interface thread, and how
// many lines are made between looks at the clock.
constexpr auto kFormatSlice = std::chrono::microseconds(1000);
constexpr std::size_t kLinesBetweenLooks = 2048;

void RunBackgroundWrite(BackgroundWrite& job) noexcept {
    job.hash = ContentHash(job.bytes);
    job.saved = ReplaceFileContent(job.path, job.bytes);
    if (job.saved) {
        // Taken at once, so that the watch knows this write for ours.
        ReadFileStamp(job.path, job.stamp);
    } else {
        job.error = GetLastError();
    }
    job.done.store(true, std::memory_order_release);
}

// Before list.txt is written over: the copies due of the file on disk.
// false when one is due and cannot be made.
bool KeepListFileBeforeWrite(const std::wstring& path) {
    // The unread copy, when one is due, already keeps what is on disk.
    const bool keptUnread = !listFileLoadedWhole;
    return KeepUnreadListFile(path) && (keptUnread || KeepChangedListFile(path));
}

// Measured as the bar draws it: through UTF-16.
int TextWidth(HDC dc, std::string_view text) {
    const std::wstring wide = WideFromCp932(text);
    SIZE extent{};
    if (!GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &extent)) {
        return 0;
    }
    return extent.cx;
}

}  // namespace

int ReadSystemSettings() {
    try {
        std::string bytes;
        if (ReadWholeFile(DataPath(kSystemFileName), bytes) != FileReadResult::Read) {
            return 0;
        }
        ParseSystemSettings(bytes, AppSettings);
        // The file's placement is in the units of a program unaware of DPI,
        // and so is the screen it is brought onto; then it becomes pixels.
        const std::vector<MonitorArea> monitors = ScreenMonitors();
        const DpiScale primary(monitors.front().dpi);
        ClampPlacement(AppSettings, primary.Unscale(ScreenWidth), primary.Unscale(ScreenHeight),
                       kDefaultTitleBarHeight);
        PlaceStoredSettings(AppSettings, monitors);
        rememberedImeOpen = AppSettings.StartIME;
        AppStore.currentCategory = AppSettings.CategoryIndex;
        return 1;
    } catch (...) {
        return 0;
    }
}

int WriteSystemSettings() {
    try {
        if (AppSettings.WindowMax == 0 && MainFrameHandle != nullptr &&
            !IsIconic(MainFrameHandle)) {
            RECT rect{};
            if (GetWindowRect(MainFrameHandle, &rect)) {
                AppSettings.NormalRect = PlacementRect{rect.left, rect.top, rect.right - rect.left,
                                                       rect.bottom - rect.top};
            }
        }
        AppSettings.CategoryIndex = AppStore.currentCategory;
        const SystemSettings stored = SettingsToStore(AppSettings, ScreenMonitors(), AppDpi);
        return ReplaceFileContent(DataPath(kSystemFileName), FormatSystemSettings(stored)) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

int ReadLayoutSettings() {
    try {
        std::string bytes;
        if (ReadWholeFile(DataPath(kLayoutFileName), bytes) != FileReadResult::Read) {
            return 0;
        }
        ParseLayoutSettings(bytes, AppLayout);
        return 1;
    } catch (...) {
        return 0;
    }
}

int ReadListFile(HDC measureDc) {
    listFileLoadedWhole = false;
    knownList = KnownFile();
    lastSeenStamp = FileStamp();
    try {
        const std::wstring path = DataPath(kListFileName);
        std::string bytes;
        switch (ReadWholeFile(path, bytes)) {
            case FileReadResult::Missing:
                // Nothing to lose, and nothing of the store is touched.
                listFileLoadedWhole = true;
                savedChangeCount = AppStore.changeCount;
                return 1;
            case FileReadResult::Failed:
                return 0;
            case FileReadResult::Read:
                break;
        }
        const int result = ParseListFile(
            bytes, AppStore, AppSettings.SeparatorLength, AppLayout.CategorySpace,
            [measureDc](std::string_view name) { return TextWidth(measureDc, name); });
        listFileLoadedWhole = result == 1;
        if (listFileLoadedWhole) {
            RememberListFile(path, bytes);
        }
        return result;
    } catch (...) {
        return 0;
    }
}

int WriteListFile() {
    // One writer at a time; what the background write saved counts.
    TakeListWriteOutcome(true);
    try {
        const std::wstring path = DataPath(kListFileName);
        if (!KeepListFileBeforeWrite(path)) {
            return 0;
        }
        const std::string bytes = FormatListFile(AppStore);
        if (!ReplaceFileContent(path, bytes)) {
            return 0;
        }
        RememberListFile(path, bytes);
        return 1;
    } catch (...) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
}

bool StartListWriteInBackground() {
    TakeListWriteOutcome(true);
    try {
        auto write = std::make_unique<BackgroundWrite>();
        write->changeCount = AppStore.changeCount;
        write->path = DataPath(kListFileName);
        backgroundWrite = std::move(write);
        return true;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
}

bool ListWriteUnderWay() {
    return backgroundWrite != nullptr;
}

ListWriteOutcome ContinueListWrite() {
    if (backgroundWrite == nullptr) {
        return ListWriteOutcome::None;
    }
    BackgroundWrite& write = *backgroundWrite;
    if (write.worker.joinable()) {
        const ListWriteOutcome outcome = TakeListWriteOutcome(false);
        return outcome == ListWriteOutcome::None ? ListWriteOutcome::Working : outcome;
    }
    if (write.changeCount != AppStore.changeCount) {
        backgroundWrite.reset();  // the list changed under the slices: a later save starts anew
        return ListWriteOutcome::None;
    }
    try {
        const auto start = std::chrono::steady_clock::now();
        while (!write.formatter.Step(AppStore, kLinesBetweenLooks)) {
            if (std::chrono::steady_clock::now() - start >= kFormatSlice) {
                return ListWriteOutcome::Working;
            }
        }
        // Checked now rather than at the start, so that a save abandoned for a
        // change keeps no copy twice.
        if (!KeepListFileBeforeWrite(write.path)) {
            const DWORD error = GetLastError();
            backgroundWrite.reset();
            SetLastError(error);
            return ListWriteOutcome::Failed;
        }
        write.bytes = std::move(write.formatter.Bytes());
        BackgroundWrite* job = &write;
        write.worker = std::thread([job] { RunBackgroundWrite(*job); });
        return ListWriteOutcome::Working;
    } catch (...) {
        // No memory for the bytes, or no thread to write them.
        backgroundWrite.reset();
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return ListWriteOutcome::Failed;
    }
}

ListWriteOutcome TakeListWriteOutcome(bool wait) {
    if (backgroundWrite == nullptr) {
        return ListWriteOutcome::None;
    }
    if (!backgroundWrite->worker.joinable()) {
        if (!wait) {
            return ListWriteOutcome::None;
        }
        backgroundWrite.reset();  // still formatting: nothing was written
        return ListWriteOutcome::None;
    }
    if (!wait && !backgroundWrite->done.load(std::memory_order_acquire)) {
        return ListWriteOutcome::None;
    }
    backgroundWrite->worker.join();
    std::unique_ptr<BackgroundWrite> write = std::move(backgroundWrite);
    if (write->saved) {
        RememberListFile(write->stamp, write->hash, write->changeCount);
        return ListWriteOutcome::Saved;
    }
    const DWORD error = write->error;
    write.reset();  // freed first, so that the error code is the write's
    SetLastError(error);
    return ListWriteOutcome::Failed;
}

std::wstring ListFilePath() {
    return DataPath(kListFileName);
}

bool ListChangesSaved() {
    return AppStore.changeCount == savedChangeCount;
}

std::wstring TakeChangedListCopy() {
    return std::exchange(changedCopy, std::wstring());
}

OutsideListChange TakeUpChangedListFile(HDC measureDc) {
    if (ListWriteUnderWay()) {
        return OutsideListChange::None;  // the stamp is ours once the write is taken
    }
    try {
        const std::wstring path = DataPath(kListFileName);
        FileStamp stamp;
        if (!ReadFileStamp(path, stamp) || stamp == lastSeenStamp) {
            return OutsideListChange::None;
        }
        if (!stamp.exists) {
            // Gone: nothing to show, and the next save writes it again.
            lastSeenStamp = stamp;
            return OutsideListChange::None;
        }
        std::string bytes;
        if (ReadWholeFile(path, bytes) != FileReadResult::Read) {
            return OutsideListChange::NotTakenUp;  // held while written: later
        }
        lastSeenStamp = stamp;
        if (knownList.stamp.exists && ContentHash(bytes) == knownList.hash) {
            knownList.stamp = stamp;  // only touched
            return OutsideListChange::None;
        }
        ListStore fresh;
        // The current category stays by position, clamped by the reader.
        fresh.currentCategory = AppStore.currentCategory;
        fresh.changeCount = AppStore.changeCount;
        // Undo steps of the list held no longer apply.
        fresh.history = AppStore.history;
        if (ParseListFile(
                bytes, fresh, AppSettings.SeparatorLength, AppLayout.CategorySpace,
                [measureDc](std::string_view name) { return TextWidth(measureDc, name); }) != 1) {
            // Not read whole: this program's list stays, and the next write
            // keeps the file under the unread name first.
            listFileLoadedWhole = false;
            return OutsideListChange::NotTakenUp;
        }
        if (fresh.history != nullptr) {
            fresh.history->Clear();
        }
        AppStore = std::move(fresh);
        RememberListFile(path, bytes);
        return OutsideListChange::TakenUp;
    } catch (...) {
        return OutsideListChange::NotTakenUp;
    }
}

}  // namespace tessel
