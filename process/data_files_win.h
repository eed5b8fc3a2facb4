// The three data files in DataDirectory, read into and written from the
// process-wide settings and store (process/app_state_win.h). Windows side: these
// only open, size, read, write and replace files, by UTF-16 paths; the
// formats are portable code and the files' bytes stay cp932.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tessel {

// The reads wait up to kReadPatience for a file another program holds.
// What the user should learn of them (a file not used, a copy kept) waits
// in TakeReadNotices.

// system.ini into AppSettings (placement clamped with the screen size);
// 1 when read (also when empty), 0 when missing or unreadable. A file with
// content that gives no setting is copied to "system.ini.unread-..." at
// once; an unreadable one, or one that could not be copied, is copied by
// the write at exit.
int ReadSystemSettings();
// AppSettings (and AppStore.currentCategory as "CategoryIndex") into
// system.ini, replacing it in one step; 1 on success, 0 on failure with the
// old file left whole. A file that was not used is kept under the unread
// name first; when it cannot be, nothing is written.
int WriteSystemSettings();

// layout.ini over AppLayout (UTF-8 as the editor saved it, or cp932); 1
// when read, 0 when missing or unreadable (or in UTF-16).
int ReadLayoutSettings();

// list.txt into the empty AppStore, with its bookkeeping. Category names are
// measured with the font selected into measureDc (the category-bar font).
// 1 on success (also when the file does not exist), 0 on failure. The caller
// gives the main window the current category's name as its title. A file in
// UTF-8 is taken as such; one in UTF-16, or one read with a loss (a line cut,
// a TAB dropped, a letter cp932 lacks...), counts as not read whole.
int ReadListFile(HDC measureDc);
// AppStore into list.txt, replacing it in one step; 1 on success, 0 with the
// old file left whole on failure.
// When list.txt exists but was not read whole (ReadListFile answered 0, or
// was never called), the first write first copies it to
// "list.txt.unread-YYYYMMDD-HHMMSS" beside it; when that copy cannot be
// made, nothing is written and the answer is 0.
// When list.txt was read whole but another program has changed it since
// this one last read or wrote it, the write first merges it in as
// TakeUpChangedListFile does (and writes nothing when the merge is the
// file); one that cannot be read whole is first copied to
// "list.txt.changed-YYYYMMDD-HHMMSS" (TakeChangedListCopy names it); when
// that copy cannot be made, nothing is written and the answer is 0. On a
// failure the system's error code tells why.
// A write started in the background (StartListWriteInBackground) is
// waited for first, so that there is one writer at a time.
int WriteListFile();

// The idle save's write, which holds the interface thread for about a
// millisecond at a time: the list is formatted a slice per call of
// ContinueListWrite, between the messages, and a worker thread then
// fingerprints and writes the bytes. The rules of WriteListFile hold (the
// copies of an unread or changed file are kept first). One write at a time:
// WriteListFile waits for a write under way, and a change to the list while
// it is formatted drops it, since a later save writes the change too.
//
// Begins such a write; false (with the error code) when out of memory.
bool StartListWriteInBackground();
// Whether a write begun in the background has not been taken yet; the
// watch on list.txt looks at nothing meanwhile.
bool ListWriteUnderWay();
enum class ListWriteOutcome {
    None,     // nothing under way (any more)
    Working,  // call again later
    Saved,    // list.txt holds the list as it was when the write began
    Failed,   // the old file stayed whole; the system's error code says why
};
// Formats the next slice, hands the bytes to the worker, or takes its
// result once it is done.
ListWriteOutcome ContinueListWrite();
// Takes the result of the worker once it is done (waiting for it when wait
// is true); None while there is none or it still runs. A write still being
// formatted is dropped when wait is true.
ListWriteOutcome TakeListWriteOutcome(bool wait);

// The path of list.txt (UTF-16), for reports.
std::wstring ListFilePath();
// Whether AppStore holds what list.txt held when last read or written: no
// change noted (AppStore.changeCount) since. Open edits are the caller's.
bool ListChangesSaved();
// The path of the copy the last write or merge made of another program's
// version, once; empty when it made none.
std::wstring TakeChangedListCopy();
// The items (and categories) the merges since last asked kept in both
// versions, because both sides changed them differently; taken once.
int TakeMergeConflicts();
// The files in the data folder that sync tools made as conflict copies of
// list.txt (IsListConflictCopyName), by their paths.
std::vector<std::wstring> FindListConflictCopies();
enum class ConflictCopyMerge {
    Merged,      // in AppStore (written), the copy renamed list.txt.merged-...
    NotRenamed,  // in AppStore, but the copy could not be renamed
    NotRead,     // it could not be read (yet): nothing changed
};
// Merges a conflict copy into AppStore, one undo step: every line of either
// version (there is no known base), then writes the list and renames the
// copy to "list.txt.merged-YYYYMMDD-HHMMSS".
ConflictCopyMerge MergeListConflictCopy(const std::wstring& path);
// The folder watch named list.txt: the next look reads and compares it even
// when its size and time stayed (but not this program's own write).
void NoteListFileNamed();
// As the list first changes after a read: keeps the version read, which
// another PC may start from, before this side writes over it. The memory
// at start-up stays as it is.
void KeepListVersionRead();
// The same for the copy of a list not read whole.
std::wstring TakeUnreadListCopy();

// The notices about the files read, each a text ending in the path it is
// about; taken once.
bool HasReadNotices();
std::vector<std::wstring> TakeReadNotices();

enum class OutsideListChange {
    None,        // list.txt is as this program last saw it
    TakenUp,     // another program's version is merged into AppStore
    NotTakenUp,  // it changed but could not be read whole (yet)
    WouldEmpty,  // not yet: the merge would empty a category or the list
};
// When another program (another PC, through a synced folder) has changed
// list.txt: merges it into AppStore in place, as one undo step, from the
// version this side read or wrote that is nearest to it (storage/
// list_merge.h), and writes the merge back at once when it differs from the
// file. Where both sides changed something differently, both versions stay
// and the file is also kept under the "changed" name (TakeChangedListCopy,
// TakeMergeConflicts). A merge that would empty a category or the list
// waits until the user is told: emptyingTold. While the list is empty
// because list.txt could not be read, the file is taken up whenever it can
// be. The current category follows its category, its focus is clamped; the
// caller brings the windows up to date.
OutsideListChange TakeUpChangedListFile(HDC measureDc, bool emptyingTold = false);

}  // namespace tessel
