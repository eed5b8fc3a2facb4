// The conflict copies sync tools make of list.txt when both PCs changed it
// while apart ("list-PC.txt", "list (... conflicted copy ...).txt",
// "list.sync-conflict-....txt"...): each is offered once for a merge.
#pragma once

#include <windows.h>

namespace tessel {

// Asks about each conflict copy in the data folder not asked about since the
// program started, one at a time, while the window is shown and free (no
// edit, drag, menu or box). Yes merges it (every line of both; one undo step)
// and renames it list.txt.merged-...; No leaves it. From the watch's timer
// and window activation.
void OfferListConflictCopies(HWND window);

}  // namespace tessel
