// Items as clipboard text and clipboard text as items: one item per line,
// indent TABs first, then (optionally) the two-byte state marker of the
// list file, then the text. Lines are joined by CR LF, with none after the
// last. Reading follows the list file's line rules (storage/list_line.h).
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "store/list_store.h"

namespace tessel {

enum class MarkerUse { With, TextOnly };

// The text of a clipboard block of blockBytes bytes (narrow or wide units):
// up to its first NUL, never past the block, whatever another program left
// in it. A block whose size is not known (0) is trusted to hold its NUL.
template <typename Unit>
std::basic_string_view<Unit> ClipboardBlockText(const Unit* data, std::size_t blockBytes) {
    if (blockBytes == 0) {
        return std::basic_string_view<Unit>(data);
    }
    const Unit* end = data + blockBytes / sizeof(Unit);
    return std::basic_string_view<Unit>(
        data, static_cast<std::size_t>(std::find(data, end, Unit{}) - data));
}

// Bytes of the text for the selected items, the closing NUL included: at
// least 1 (an empty text when nothing is selected).
std::size_t CopyTextSize(const ItemList& items, MarkerUse markers);
// Writes that text, NUL included, into out, which holds CopyTextSize bytes.
void WriteCopyText(const ItemList& items, MarkerUse markers, char* out);

// Appends one selected item per non-empty line of text: the TABs before the
// first character give the indent (at most 100), a leading marker gives the
// state, and a text of only dashes makes a separator of separatorLength
// dashes. false when memory ran out; the items read before stay in out.
bool ParseClipboardItems(std::string_view text, int separatorLength, std::vector<Item>& out);

// How many lines of a paste's text did not go in whole: those cut at the
// line limit, and those whose number (from 0, every line counted, empty ones
// too) is marked in replaced, as their characters were replaced before.
int CountAlteredPasteLines(std::string_view text, const std::vector<bool>& replaced);

// Where pasted items go for the focus row reference and the "InsertPosition"
// paste digit: 1 at the reference, 2 behind it, 3 at the end, others (and
// any negative reference) at the top; never past the end of the list.
int PastePosition(int reference, int digit, int itemCount);

// Inserts the items of text into the current category as one block at
// PastePosition; they become the selection, with focus and anchor on the
// first of them. When no item comes of the text the focus stays on a row
// that exists (the last one at most), selected, or is -1 in an empty list.
// 0 when there is no current category (nothing changes), else 1.
int PasteText(ListStore& store, std::string_view text, int reference, int digit,
              int separatorLength);

}  // namespace tessel
