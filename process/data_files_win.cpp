#include "process/data_files_win.h"

#include <cstdio>
#include <string>
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

// What the program now knows of list.txt: these bytes, just read or written.
void RememberListFile(const std::wstring& path, std::string_view bytes) {
    FileStamp stamp;
    ReadFileStamp(path, stamp);
    knownList = KnownFile{stamp, ContentHash(bytes)};
    lastSeenStamp = stamp;
    savedChangeCount = AppStore.changeCount;
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
    try {
        const std::wstring path = DataPath(kListFileName);
        // The unread copy, when one is due, already keeps what is on disk.
        const bool keptUnread = !listFileLoadedWhole;
        if (!KeepUnreadListFile(path) || (!keptUnread && !KeepChangedListFile(path))) {
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
