// The watch on the data folder: ReadDirectoryChangesW names every file
// written there, so that another program's list.txt is read and compared
// even when it keeps the size and time of the one before (a checkbox ticked
// elsewhere; FAT's two-second times). The message loop waits on its event;
// modal loops, which do not run that wait, leave it to the watch timer.
#pragma once

#include <windows.h>

namespace tessel {

// Starts watching DataDirectory; false when the system cannot (the timer
// then watches alone).
bool StartListFolderWatch();
void StopListFolderWatch();
// The event set when the folder changed; null when there is no watch.
HANDLE ListFolderWatchEvent();

struct FolderChanges {
    bool listNamed = false;    // list.txt was written, renamed or removed
    bool othersNamed = false;  // another file (a sync tool's conflict copy...)
};
// Once the event is set: what the system named, and the watch goes on. A
// change list.txt was named in is read by the next look of the watch
// (NoteListFileNamed) unless it is this program's own write.
FolderChanges TakeListFolderChanges();

}  // namespace tessel
