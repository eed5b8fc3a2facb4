// The item commands as far as they touch only the store: which item is
// inserted where, what is deleted, toggled, moved, indented or selected,
// and where the focus row, the anchor and the selection end up. The window
// side (listpane/item_commands_win.h) adds the scrolling and the repaint.
#pragma once

#include <cstdint>
#include <string>

#include "listpane/mark_changes.h"
#include "storage/system_settings.h"
#include "store/list_store.h"

namespace tessel {

enum class NewItemKind { Item, Separator };
enum class MoveDirection : std::int32_t { Up = 0, Down = 1 };
enum class IndentDirection : std::int32_t { Indent = 0, Outdent = 1 };
enum class SelectWhich { All, Checked, Unchecked, Strike, Bold };

// Where a new item goes for a reference position and an "InsertPosition"
// digit: 1 at the reference, 2 behind it, 3 appended (-1), others at the
// top. A negative reference always appends.
int NewItemPosition(int reference, int digit);

// The record a new item or separator is made from when it goes to
// position: empty or dashes, and with "AutoIndent" the indent of the item
// standing at that position.
Item NewItemTemplate(const ListStore& store, int position, NewItemKind kind,
                     const SystemSettings& settings);

enum class NewItemOutcome { Inserted, NoCategory, OutOfMemory };

// Inserts a new item or separator for the reference position and makes it
// the focus, the anchor and the only selection. On OutOfMemory the list is
// unchanged and failedText (when given) receives the template's text.
NewItemOutcome AddNewItem(ListStore& store, int reference, NewItemKind kind,
                          const SystemSettings& settings, std::string* failedText);

// Deletes the selected items; the focus goes to the first deleted
// position, kept within the list, and becomes the only selection. 1 when
// something was deleted.
int RemoveSelectedItems(ListStore& store);

// Where checked items sink to when the reference item was just checked:
// the start of the run of checked items ending the list after the
// reference, or the list's size when it does not end with a checked item.
int SinkTarget(const ItemList& items, int reference);

struct ToggleOutcome {
    int result = 0;                   // 1 when done
    bool ensureFocusVisible = false;  // the caller scrolls the focus row into view
};

// Sets or clears a mark on every selected non-separator item, as the
// reference item decides; with checkMoveDown newly checked items sink.
ToggleOutcome ToggleMarkOfSelection(ListStore& store, int reference, ItemMark mark,
                                    bool checkMoveDown);

// Moves the whole selection one place up or down around the focus row;
// the block's first item becomes focus and anchor. 1 when moved.
int MoveSelectionOneStep(ListStore& store, MoveDirection direction);

// Indents or outdents every selected item within 0..100. The number of
// items changed; -1 when there is no current category or no item.
int IndentSelection(ListStore& store, IndentDirection direction);

// True when an item of that state belongs to the given selection.
bool MatchesSelection(ItemState state, SelectWhich which);
// Selects exactly the matching items; the anchor moves to the focus row.
int SelectItemsByState(ListStore& store, SelectWhich which);

// Applies a change to every item but separators, selected or not.
int MarkEveryItem(ListStore& store, MarkChange change);

}  // namespace tessel
