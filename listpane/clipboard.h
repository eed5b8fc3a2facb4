// NOT YET BUILT: items to and from the clipboard as CF_TEXT lines. The
// dispatcher already calls these; until their own change they do nothing.
#pragma once

namespace tessel {

enum class CopyKind : int { Cut = 0, Copy = 1 };
enum class CopyMarkers : int { With = 0, TextOnly = 1 };

// Puts the selected items on the clipboard (and deletes them for Cut); 1.
int CopyItems(CopyKind kind, CopyMarkers markers);
// Inserts the clipboard's text as items for the reference position; 1.
int PasteItems(int reference);

}  // namespace tessel
