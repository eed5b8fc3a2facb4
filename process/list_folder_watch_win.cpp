#include "process/list_folder_watch_win.h"

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

#include "process/app_state_win.h"
#include "process/data_files_win.h"
#include "storage/file_handle_win.h"

namespace tessel {
namespace {

constexpr DWORD kWatchedChanges =
    FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;

struct FolderWatch {
    FileHandle folder;
    FileHandle event;
    OVERLAPPED overlapped{};
    // DWORD-aligned, as the records require.
    DWORD buffer[4096]{};
    bool pending = false;

    FolderWatch() = default;
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;
    ~FolderWatch() {
        if (pending) {
            CancelIo(folder.Get());
            DWORD ignored = 0;
            GetOverlappedResult(folder.Get(), &overlapped, &ignored, TRUE);
        }
    }

    bool Issue() {
        overlapped = OVERLAPPED{};
        overlapped.hEvent = event.Get();
        pending = ReadDirectoryChangesW(folder.Get(), buffer, sizeof buffer, FALSE, kWatchedChanges,
                                        nullptr, &overlapped, nullptr) != 0;
        return pending;
    }
};
std::unique_ptr<FolderWatch> watch;

bool IsListFileName(const wchar_t* name, std::size_t length) {
    return length == 8 && CompareStringOrdinal(name, 8, L"list.txt", 8, TRUE) == CSTR_EQUAL;
}

}  // namespace

bool StartListFolderWatch() {
    StopListFolderWatch();
    auto made = std::make_unique<FolderWatch>();
    made->folder = FileHandle(
        CreateFileW(DataDirectory.c_str(), FILE_LIST_DIRECTORY,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
    made->event = FileHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!made->folder.Valid() || !made->event.Valid() || !made->Issue()) {
        return false;
    }
    watch = std::move(made);
    return true;
}

void StopListFolderWatch() {
    watch.reset();
}

HANDLE ListFolderWatchEvent() {
    return watch != nullptr ? watch->event.Get() : nullptr;
}

FolderChanges TakeListFolderChanges() {
    FolderChanges changes;
    if (watch == nullptr) {
        return changes;
    }
    DWORD bytes = 0;
    const bool done = GetOverlappedResult(watch->folder.Get(), &watch->overlapped, &bytes, FALSE);
    if (!done && GetLastError() == ERROR_IO_INCOMPLETE) {
        return changes;  // not yet
    }
    watch->pending = false;
    ResetEvent(watch->event.Get());
    if (!done || bytes == 0) {
        // Too many changes for the buffer: any of them may be list.txt.
        changes.listNamed = changes.othersNamed = true;
    } else {
        const auto* at = reinterpret_cast<const unsigned char*>(watch->buffer);
        for (;;) {
            FILE_NOTIFY_INFORMATION record;
            std::memcpy(&record, at, offsetof(FILE_NOTIFY_INFORMATION, FileName));
            const auto* name =
                reinterpret_cast<const wchar_t*>(at + offsetof(FILE_NOTIFY_INFORMATION, FileName));
            if (IsListFileName(name, record.FileNameLength / sizeof(wchar_t))) {
                changes.listNamed = true;
            } else {
                changes.othersNamed = true;
            }
            if (record.NextEntryOffset == 0) {
                break;
            }
            at += record.NextEntryOffset;
        }
    }
    if (changes.listNamed) {
        NoteListFileNamed();
    }
    if (!watch->Issue()) {
        watch.reset();  // the timer watches alone
    }
    return changes;
}

}  // namespace tessel
