#include "process/data_files_win.h"

#include <algorithm>
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
#include "storage/list_apply.h"
#include "storage/list_file_format.h"
#include "storage/list_merge.h"
#include "storage/list_versions.h"
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
// The items kept in both versions by the merges since last taken.
int mergeConflicts = 0;
// The versions another PC may have started from: the one last read, taken
// as the list first changes (never at start-up), and this program's writes.
ListVersions listVersions;
// The font the category names are measured with, as ReadListFile was given it.
HDC listMeasureDc = nullptr;
// The folder watch named list.txt since the watch last read it: it is read
// and compared even when its size and time stayed.
bool listNamed = false;
// This program wrote list.txt and the folder watch has not named it since:
// the first naming of a file of that stamp is that write's, read for nothing.
bool ownWriteUnnamed = false;

std::wstring DataPath(const wchar_t* name) {
    return DataDirectory + L"\\" + name;
}

// "<file>.<kind>-YYYYMMDD-HHMMSS" beside the file, "-2", "-3"... added
// when that name is taken; the name made, or empty when none could be.
// place(name) makes the file of that name, failing when it exists.
template <class Place>
std::wstring PlaceUnderUnusedBackupName(const std::wstring& path, const char* kind, Place place) {
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
        if (place(backup)) {
            return backup;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            return std::wstring();
        }
    }
    return std::wstring();
}

std::wstring CopyToUnusedBackupName(const std::wstring& path, const char* kind) {
    return PlaceUnderUnusedBackupName(path, kind, [&path](const std::wstring& backup) {
        return CopyFileW(path.c_str(), backup.c_str(), TRUE) != 0;
    });
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

enum class DiskList {
    Known,    // list.txt is what this program last read or wrote, or gone
    Changed,  // another program's version: bytes and stamp hold it
    Failed,   // it could not be looked at or read
};

// Whether another program changed list.txt since this one read or wrote it.
DiskList CheckListFile(const std::wstring& path, std::string& bytes, FileStamp& stamp) {
    if (!ReadFileStamp(path, stamp)) {
        return DiskList::Failed;
    }
    if (!stamp.exists || stamp == knownList.stamp) {
        return DiskList::Known;
    }
    switch (ReadWholeFile(path, bytes)) {
        case FileReadResult::Missing:
            return DiskList::Known;
        case FileReadResult::Failed:
            return DiskList::Failed;
        case FileReadResult::Read:
            break;
    }
    if (knownList.stamp.exists && ContentHash(bytes) == knownList.hash) {
        knownList.stamp = stamp;  // only touched
        return DiskList::Known;
    }
    return DiskList::Changed;
}

std::int64_t NowSeconds() {
    return static_cast<std::int64_t>(GetTickCount64() / 1000);
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

// A write of these bytes is a version another PC may start from.
void NoteListWrite(std::string_view bytes) {
    ownWriteUnnamed = true;
    try {
        listVersions.NoteWrite(bytes, NowSeconds());
    } catch (...) {
        listVersions.Clear();  // no memory: the next merge keeps every line
    }
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
    // The write's difference from the version read, made by the worker too
    // (the version read does not change while a write is under way).
    const ListVersions* versions = nullptr;
    ListVersions::Write version;
    bool versionMade = false;
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
        try {
            job.version = job.versions->DiffFromRead(job.bytes, NowSeconds());
            job.versionMade = true;
        } catch (...) {
            job.versionMade = false;
        }
    } else {
        job.error = GetLastError();
    }
    job.done.store(true, std::memory_order_release);
}

// --- Another PC's version of list.txt, merged in -------------------------

// The merge of theirs into AppStore from the version nearest to theirs that
// this side read or wrote: the one the other PC most likely started from.
ListMerge MergeWithNearestBase(const ListStore& theirs) {
    const std::size_t count = listVersions.Count();
    if (count == 0) {
        // Nothing kept: a list unchanged since it was read or written is
        // where the other PC started; of any other, every line is kept.
        return ListChangesSaved() ? MergeLists(AppStore, AppStore, theirs)
                                  : UnionLists(AppStore, theirs);
    }
    // ChooseMergeBase's choice, one candidate in memory at a time.
    std::unique_ptr<ListStore> base;
    std::size_t fewest = static_cast<std::size_t>(-1);
    for (std::size_t i = 0; i < count; ++i) {
        auto candidate = std::make_unique<ListStore>();
        ParseListFile(listVersions.Version(i), *candidate, AppSettings.SeparatorLength,
                      AppLayout.CategorySpace, nullptr);
        const std::size_t changed = CountChangedLines(*candidate, theirs);
        if (changed <= fewest) {  // the newest on a tie
            fewest = changed;
            base = std::move(candidate);
        }
    }
    return MergeLists(*base, AppStore, theirs);
}

// Whether the merge leaves a category of ours without the items it had, or
// no list at all: what a writer that failed part-way leaves.
bool MergeEmpties(const ListMerge& merge) {
    const int count = merge.list.CountCategories();
    if (count == 0) {
        return AppStore.CountCategories() > 0;
    }
    for (int i = 0; i < count && i < static_cast<int>(merge.oursCategory.size()); ++i) {
        CategoryInfo info;
        const int ours = merge.oursCategory[static_cast<std::size_t>(i)];
        if (merge.list.GetCategory(i, info) == 1 && info.items != nullptr && info.items->empty() &&
            ours >= 0 && CountItems(AppStore.FindCategoryItems(ours)) > 0) {
            return true;
        }
    }
    return false;
}

void ApplyMergeToStore(ListMerge& merge);

enum class MergeStep {
    Merged,      // AppStore holds the merge; unsaved when it differs from the file
    WouldEmpty,  // not merged: it would empty a category or the list
    NotWhole,    // the file could not be read whole: not merged
};

// What a merge does that would empty a category or the list.
enum class Emptying {
    Wait,      // nothing: the user is told first
    Told,      // merged
    KeepFile,  // merged, the file also kept under the "changed" name (a save)
};

// Another PC's version (bytes, as stamp) merged into AppStore in place, one
// undo step. When both sides changed something differently, the file is
// also kept under the "changed" name.
MergeStep MergeDiskVersion(const std::wstring& path, std::string& bytes, const FileStamp& stamp,
                           Emptying emptying) {
    ListStore theirs;
    const ListRead read = ParseListBytes(bytes, theirs, listMeasureDc);
    if (read.utf16 || read.result != 1 || !read.whole) {
        return MergeStep::NotWhole;
    }
    ListMerge merge = MergeWithNearestBase(theirs);
    const bool empties = MergeEmpties(merge);
    if (empties && emptying == Emptying::Wait) {
        return MergeStep::WouldEmpty;
    }
    if (merge.conflicts > 0 || (empties && emptying == Emptying::KeepFile)) {
        changedCopy = CopyToUnusedBackupName(path, "changed");
        mergeConflicts += merge.conflicts;
    }
    ApplyMergeToStore(merge);

    // The file holds theirs, the version now read.
    knownList = KnownFile{stamp, ContentHash(bytes)};
    lastSeenStamp = stamp;
    savedChangeCount = merge.differsFromTheirs ? AppStore.changeCount - 1 : AppStore.changeCount;
    listFileLoadedWhole = true;
    listReadFailed = false;
    listVersions.SetRead(std::move(bytes));
    return MergeStep::Merged;
}

// AppStore brought to the merge in place, one undo step; the current
// category follows its category.
void ApplyMergeToStore(ListMerge& merge) {
    const int current = AppStore.currentCategory;
    const std::vector<int> moved = ApplyListInPlace(AppStore, merge.list, merge.oursCategory);
    AppStore.categoryCount = AppStore.CountCategories();
    AppStore.RecalcTabWidth(AppLayout.CategorySpace);
    int next = current >= 0 && current < static_cast<int>(moved.size())
                   ? moved[static_cast<std::size_t>(current)]
                   : -1;
    if (next < 0) {
        next = std::min(std::max(current, 0), AppStore.categoryCount - 1);
    }
    AppStore.currentCategory = next;
    AppStore.currentItems = AppStore.FindCategoryItems(next);
    AppStore.itemCount = std::max(CountItems(AppStore.currentItems), 0);
    AppStore.focusIndex = std::min(AppStore.focusIndex, AppStore.itemCount - 1);
}

enum class BeforeWrite { Write, Written, Refused };

// The check before a write: another PC's version is merged in (or, when it
// cannot be read whole, kept under the "changed" name as before).
BeforeWrite MergeOutsideListBeforeWrite(const std::wstring& path) {
    std::string bytes;
    FileStamp stamp;
    switch (CheckListFile(path, bytes, stamp)) {
        case DiskList::Known:
            return BeforeWrite::Write;
        case DiskList::Failed:
            return BeforeWrite::Refused;
        case DiskList::Changed:
            break;
    }
    if (MergeDiskVersion(path, bytes, stamp, Emptying::KeepFile) != MergeStep::Merged) {
        changedCopy = CopyToUnusedBackupName(path, "changed");
        return changedCopy.empty() ? BeforeWrite::Refused : BeforeWrite::Write;
    }
    return ListChangesSaved() ? BeforeWrite::Written : BeforeWrite::Write;
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
    listVersions.Clear();
    listMeasureDc = measureDc;
    listNamed = false;
    ownWriteUnnamed = false;
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
        KeepListVersionRead();
        const bool keptUnread = !listFileLoadedWhole;
        if (!KeepUnreadListFile(path)) {
            return 0;
        }
        if (!keptUnread) {
            switch (MergeOutsideListBeforeWrite(path)) {
                case BeforeWrite::Write:
                    break;
                case BeforeWrite::Written:
                    return 1;  // the merge took the file up as it is
                case BeforeWrite::Refused:
                    return 0;
            }
        }
        const std::string bytes = FormatListFile(AppStore);
        if (!ReplaceFileContent(path, bytes)) {
            return 0;
        }
        RememberListFile(path, bytes);
        NoteListWrite(bytes);
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
        KeepListVersionRead();
        const bool keptUnread = !listFileLoadedWhole;
        std::string theirs;
        FileStamp stamp;
        const DiskList disk =
            keptUnread ? DiskList::Known : CheckListFile(write.path, theirs, stamp);
        if (disk == DiskList::Changed) {
            // Another PC's version: merged by the watch's check first, as
            // the idle save comes back (OnIdleSaveTimer).
            backgroundWrite.reset();
            return ListWriteOutcome::None;
        }
        if (disk == DiskList::Failed || !KeepUnreadListFile(write.path)) {
            const DWORD error = GetLastError();
            backgroundWrite.reset();
            SetLastError(error);
            return ListWriteOutcome::Failed;
        }
        write.bytes = std::move(write.formatter.Bytes());
        write.versions = &listVersions;
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
        ownWriteUnnamed = true;
        if (write->versionMade) {
            listVersions.AddWrite(std::move(write->version));
        } else {
            listVersions.Clear();  // no memory: the next merge keeps every line
        }
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

std::vector<std::wstring> FindListConflictCopies() {
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW data{};
    HANDLE search = FindFirstFileW(DataPath(L"*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) {
        return found;
    }
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            IsListConflictCopyName(data.cFileName)) {
            found.push_back(DataPath(data.cFileName));
        }
    } while (FindNextFileW(search, &data));
    FindClose(search);
    return found;
}

ConflictCopyMerge MergeListConflictCopy(const std::wstring& path) {
    if (ListWriteUnderWay() || listReadFailed) {
        return ConflictCopyMerge::NotRead;  // later
    }
    try {
        std::string bytes;
        if (ReadWholeFile(path, bytes) != FileReadResult::Read) {
            return ConflictCopyMerge::NotRead;
        }
        ListStore copy;
        const ListRead read = ParseListBytes(bytes, copy, listMeasureDc);
        if (read.utf16 || read.result != 1) {
            return ConflictCopyMerge::NotRead;
        }
        ListMerge merge = UnionLists(AppStore, copy);
        ApplyMergeToStore(merge);
        const std::wstring listPath = DataPath(kListFileName);
        const std::wstring merged =
            PlaceUnderUnusedBackupName(listPath, "merged", [&path](const std::wstring& name) {
                return MoveFileExW(path.c_str(), name.c_str(), MOVEFILE_COPY_ALLOWED) != 0;
            });
        if (!ListChangesSaved()) {
            WriteListFile();  // a failure is the idle save's to report
        }
        return merged.empty() ? ConflictCopyMerge::NotRenamed : ConflictCopyMerge::Merged;
    } catch (...) {
        return ConflictCopyMerge::NotRead;
    }
}

void NoteListFileNamed() {
    listNamed = true;
}

int TakeMergeConflicts() {
    return std::exchange(mergeConflicts, 0);
}

void KeepListVersionRead() {
    // Only while nothing was written since the read: list.txt is then the
    // version read, as its fingerprint tells.
    if (listVersions.Count() > 0 || !listFileLoadedWhole || !knownList.stamp.exists ||
        ListWriteUnderWay()) {
        return;
    }
    try {
        std::string bytes;
        if (ReadWholeFile(DataPath(kListFileName), bytes) == FileReadResult::Read &&
            ContentHash(bytes) == knownList.hash) {
            listVersions.SetRead(std::move(bytes));
        }
    } catch (...) {
        listVersions.Clear();
    }
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

OutsideListChange TakeUpChangedListFile(HDC measureDc, bool emptyingTold) {
    if (ListWriteUnderWay()) {
        return OutsideListChange::None;  // the stamp is ours once the write is taken
    }
    listMeasureDc = measureDc;
    try {
        const std::wstring path = DataPath(kListFileName);
        FileStamp stamp;
        if (!ReadFileStamp(path, stamp)) {
            return OutsideListChange::None;
        }
        if (stamp == lastSeenStamp) {
            // Named by the folder watch: read and compared all the same,
            // unless it is this program's own write.
            const bool own = stamp == knownList.stamp && ownWriteUnnamed;
            ownWriteUnnamed = ownWriteUnnamed && !listNamed;
            if (!std::exchange(listNamed, false) || own) {
                return OutsideListChange::None;
            }
        }
        listNamed = false;
        if (!stamp.exists) {
            // Gone: nothing to show, and the next save writes it again.
            lastSeenStamp = stamp;
            return OutsideListChange::None;
        }
        std::string bytes;
        if (ReadWholeFile(path, bytes) != FileReadResult::Read) {
            return OutsideListChange::NotTakenUp;  // held while written: later
        }
        if (knownList.stamp.exists && ContentHash(bytes) == knownList.hash) {
            lastSeenStamp = stamp;
            knownList.stamp = stamp;  // only touched
            return OutsideListChange::None;
        }
        if (!listReadFailed) {
            switch (MergeDiskVersion(path, bytes, stamp,
                                     emptyingTold ? Emptying::Told : Emptying::Wait)) {
                case MergeStep::Merged:
                    // Written back at once, and only when it differs from
                    // the file, so that two PCs never write back and forth.
                    if (!ListChangesSaved()) {
                        WriteListFile();
                    }
                    return OutsideListChange::TakenUp;
                case MergeStep::WouldEmpty:
                    return OutsideListChange::WouldEmpty;  // looked at again once told
                case MergeStep::NotWhole:
                    // This program's list stays, and the next write keeps
                    // the file under the unread name first.
                    lastSeenStamp = stamp;
                    listFileLoadedWhole = false;
                    return OutsideListChange::NotTakenUp;
            }
        }
        lastSeenStamp = stamp;
        // The list is empty because list.txt could not be read: taken up as
        // far as it can be read.
        ListStore fresh;
        // The current category stays by position, clamped by the reader.
        fresh.currentCategory = AppStore.currentCategory;
        fresh.changeCount = AppStore.changeCount;
        // Undo steps of the list held no longer apply.
        fresh.history = AppStore.history;
        const ListRead read = ParseListBytes(bytes, fresh, measureDc);
        if (read.utf16 || read.result != 1) {
            listFileLoadedWhole = false;
            if (read.utf16) {
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
