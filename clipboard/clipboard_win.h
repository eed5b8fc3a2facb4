// Items to and from the clipboard as lines of text (the text itself is
// clipboard/clipboard_text.h): the program's cp932 bytes as CF_TEXT, named
// Japanese by CF_LOCALE, and the same text as CF_UNICODETEXT for programs
// of any code page. No failure here is shown to the user; a paste that
// could not keep every line whole says so.
#pragma once

namespace tessel {

enum class CopyKind : int { Cut = 0, Copy = 1 };
enum class CopyMarkers : int { With = 0, TextOnly = 1 };

// Puts the selected items of the current category on the clipboard as one
// text of exactly its size in each format, then deletes them for Cut. A
// copy makes its texts when they are first read (or before the program
// ends); a cut hands over the bytes and the locale at once, and the system
// makes the UTF-16 text of them. 1 when done or when there is nothing to do
// (no category, no items: the clipboard stays as it was); 0 when the
// clipboard could not be written (a cut then deletes nothing).
int CopyItems(CopyKind kind, CopyMarkers markers);
// Inserts the clipboard's text as items where "InsertPosition" says for the
// reference row (focusIndex), scrolls and repaints: CF_UNICODETEXT made
// cp932 (a character cp932 lacks becomes "?"), or the bytes of CF_TEXT
// where they spell the same text or are all there is. When lines had to
// be cut or had characters replaced, a message says how many, once the
// items are in. 0 when there is no current category, no text on the
// clipboard or it cannot be opened.
int PasteItems(int reference);
// Makes every format a copy only promised, so that the clipboard keeps them
// once the program has ended; called before it ends.
void HandOverClipboard();
// True when the clipboard holds text (CF_UNICODETEXT or CF_TEXT).
bool ClipboardHasText();

}  // namespace tessel
