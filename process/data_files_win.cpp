#include "process/data_files_win.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "process/app_state_win.h"
#include "process/wide_text_win.h"
#include "process/window_dpi_win.h"
#include "process/window_placement.h"
#include "storage/content_hash.h"
#include "storage/file_handle_win.h"
#include "storage/list_file_format.h"
#include "storage/text_encoding.h"

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
// The list is empty because list.txt could not be read: the watch takes
// it up as soon as it can be, even when not whole.
bool listReadFailed = false;
// The copy the last write made of a list not read whole, until taken.
std::wstring unreadCopy;
// system.ini was there but gave nothing, and no copy of it could be made
// yet: the write at exit makes one first.
bool systemFileToKeep = false;
// What the user is told of the files read, once the window shows.
std::vector<std::wstring> readNotices;

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

// "<file>.<kind>-YYYYMMDD-HHMMSS" beside the file, "-2", "-3"... added
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
    } else {
        unreadCopy = CopyToUnusedBackupName(path, "unread");
        if (unreadCopy.empty()) {
            return false;
        }
    }
    listFileLoadedWhole = true;
    return true;
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

void Notice(const char* text, const std::wstring& path) {
    readNotices.push_back(WideFromCp932(text) + L"\n\n" + path);
}

// The reasons a list is not read whole, as the user is told them.
constexpr const char* kListNotWholeNotice =
    "リストファイルの一部を読み込めませんでした。\n"
    "（長すぎる行、項目の途中のタブ、Shift-JIS にない文字など）\n"
    "保存するときに、元のファイルを別の名前で残します。";
constexpr const char* kListUtf16Notice =
    "リストファイルは UTF-16 で保存されているため、読み込めませんでした。\n"
    "保存するときに、元のファイルを別の名前で残します。\n"
    "Shift-JIS (ANSI) か UTF-8 で保存し直すと読み込めます。";

// A file's bytes as cp932: UTF-8 is brought over, cp932 stays as it is.
// lacked tells that letters cp932 lacks became "?" (or that a file marked
// as UTF-8 is none).
std::string Cp932FromFile(std::string_view bytes, TextEncoding encoding, bool& lacked) {
    lacked = false;
    if (encoding != TextEncoding::Utf8) {
        return std::string(bytes);
    }
    std::u16string utf16;
    if (!Utf16FromUtf8ForCp932(bytes, utf16)) {
        lacked = true;
        // Marked, yet no UTF-8: as cp932 behind the mark.
        return std::string(bytes.substr(bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0));
    }
    const std::wstring wide(utf16.begin(), utf16.end());
    return Cp932FromWide(wide, lacked);
}

struct ListRead {
    int result = 1;      // what ParseListFile answered
    bool whole = true;   // nothing of the file is missing from the store
    bool utf16 = false;  // a file in UTF-16: the store is untouched
};

ListRead ParseListBytes(std::string_view bytes, ListStore& store, HDC measureDc) {
    ListRead read;
    const TextEncoding encoding = ListFileEncoding(bytes);
    if (encoding == TextEncoding::Utf16) {
        read.whole = false;
        read.utf16 = true;
        return read;
    }
    bool lacked = false;
    std::string converted;  // a cp932 file is read where it lies, never copied
    if (encoding == TextEncoding::Utf8) {
        converted = Cp932FromFile(bytes, encoding, lacked);
        bytes = converted;
    }
    bool dropped = false;
    read.result = ParseListFile(
        bytes, store, AppSettings.SeparatorLength, AppLayout.CategorySpace,
        [measureDc](std::string_view name) { return TextWidth(measureDc, name); }, &dropped);
    read.whole = read.result == 1 && !dropped && !lacked;
    return read;
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

}  // namespace

int ReadSystemSettings() {
    systemFileToKeep = false;
    try {
        const std::wstring path = DataPath(kSystemFileName);
        std::string bytes;
        switch (ReadWholeFilePatiently(path, bytes)) {
            case FileReadResult::Missing:
                return 0;
            case FileReadResult::Failed:
                // Kept: exit copies it before it writes the settings used.
                systemFileToKeep = true;
                Notice(
                    "設定ファイルを読み込めなかったため、初期設定で起動しました。\n"
                    "終了するときに、元のファイルを別の名前で残してから保存します。",
                    path);
                return 0;
            case FileReadResult::Read:
                break;
        }
        const bool hasContent =
            bytes.find_first_not_of(std::string_view(" \t\r\n\0", 5)) != std::string::npos;
        if (ParseSystemSettings(bytes, AppSettings) == 0 && hasContent) {
            // Another form of the file (a mark in front, LF line ends) or
            // another file: what the user wrote is kept, never written over.
            const std::wstring copy = CopyToUnusedBackupName(path, "unread");
            systemFileToKeep = copy.empty();
            Notice(copy.empty()
                       ? "設定ファイルから設定を読み取れなかったため、初期設定で起動しました。\n"
                         "終了するときに、元のファイルを別の名前で残してから保存します。"
                       : "設定ファイルから設定を読み取れなかったため、初期設定で起動しました。\n"
                         "元のファイルは次のファイルに残しました。",
                   copy.empty() ? path : copy);
        }
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
        const std::wstring path = DataPath(kSystemFileName);
        if (systemFileToKeep) {
            // A file that was not used is kept before it is replaced, or
            // not replaced at all.
            FileStamp stamp;
            if (!ReadFileStamp(path, stamp) ||
                (stamp.exists && CopyToUnusedBackupName(path, "unread").empty())) {
                return 0;
            }
            systemFileToKeep = false;
        }
        return ReplaceFileContent(path, FormatSystemSettings(stored)) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

int ReadLayoutSettings() {
    try {
        const std::wstring path = DataPath(kLayoutFileName);
        std::string bytes;
        const FileReadResult read = ReadWholeFilePatiently(path, bytes);
        const TextEncoding encoding = LayoutFileEncoding(bytes);
        if (read == FileReadResult::Failed ||
            (read == FileReadResult::Read && encoding == TextEncoding::Utf16)) {
            Notice("レイアウトファイルを読み込めなかったため、初期のレイアウトで表示しています。",
                   path);
            return 0;
        }
        if (read != FileReadResult::Read) {
            return 0;
        }
        // Letters cp932 lacks only spoil a face name: nothing is written back.
        bool lacked = false;
        ParseLayoutSettings(Cp932FromFile(bytes, encoding, lacked), AppLayout);
        return 1;
    } catch (...) {
        return 0;
    }
}

int ReadListFile(HDC measureDc) {
    listFileLoadedWhole = false;
    listReadFailed = false;
    knownList = KnownFile();
    lastSeenStamp = FileStamp();
    try {
        const std::wstring path = DataPath(kListFileName);
        std::string bytes;
        switch (ReadWholeFilePatiently(path, bytes)) {
            case FileReadResult::Missing:
                // Nothing to lose, and nothing of the store is touched.
                listFileLoadedWhole = true;
                savedChangeCount = AppStore.changeCount;
                return 1;
            case FileReadResult::Failed:
                // The watch takes it up once it can be read.
                listReadFailed = true;
                return 0;
            case FileReadResult::Read:
                break;
        }
        const ListRead read = ParseListBytes(bytes, AppStore, measureDc);
        listFileLoadedWhole = read.whole;
        if (listFileLoadedWhole) {
            RememberListFile(path, bytes);
            return read.result;
        }
        // Not read again by the watch until it changes; the first write
        // keeps it under the unread name.
        ReadFileStamp(path, lastSeenStamp);
        savedChangeCount = AppStore.changeCount;
        if (read.result == 1) {
            Notice(read.utf16 ? kListUtf16Notice : kListNotWholeNotice, path);
        }
        return read.result;
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
        listReadFailed = false;
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

std::wstring TakeUnreadListCopy() {
    return std::exchange(unreadCopy, std::wstring());
}

bool HasReadNotices() {
    return !readNotices.empty();
}

std::vector<std::wstring> TakeReadNotices() {
    return std::exchange(readNotices, std::vector<std::wstring>());
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
        const ListRead read = ParseListBytes(bytes, fresh, measureDc);
        // A list that could not be read at all is shown as far as it can be
        // read; another version over a list read whole only when it is whole.
        if (read.utf16 || read.result != 1 || (!read.whole && !listReadFailed)) {
            // Not read whole: this program's list stays, and the next write
            // keeps the file under the unread name first.
            listFileLoadedWhole = false;
            if (listReadFailed && read.utf16) {
                listReadFailed = false;
                Notice(kListUtf16Notice, path);
            }
            return OutsideListChange::NotTakenUp;
        }
        if (fresh.history != nullptr) {
            fresh.history->Clear();
        }
        if (!read.whole) {
            Notice(kListNotWholeNotice, path);
        }
        listReadFailed = false;
        listFileLoadedWhole = read.whole;
        AppStore = std::move(fresh);
        if (listFileLoadedWhole) {
            RememberListFile(path, bytes);
        } else {
            savedChangeCount = AppStore.changeCount;
        }
        return OutsideListChange::TakenUp;
    } catch (...) {
        return OutsideListChange::NotTakenUp;
    }
}

}  // namespace tessel
