// What a screen reader is told about the list pane: its rows as children
// (child id = position + 1), their names and state words, their states,
// where each stands, which row lies under a point or follows another, and
// what selecting one does to the store. Pure functions over the store and
// the geometry the pane draws with (listpane/list_geometry.h); the window
// side (access/list_accessible_win.h) answers the reader with them.
#pragma once

#include <cstdint>
#include <string>

#include "access/reading_basics.h"
#include "store/list_store.h"

namespace tessel {

// The row at a child id, or -1 for the list itself or an id beyond the rows.
int RowOfChild(std::int32_t child, int itemCount);
std::int32_t ChildOfRow(int position);

// The pane as it is drawn now.
struct ListView {
    int itemCount = 0;
    int topIndex = 0;
    int focusIndex = -1;
    bool paneFocused = false;  // the pane has the keyboard focus
    bool paneVisible = true;
    int clientWidth = 0;
    int clientHeight = 0;
    int rowWidth = 0;  // the client width left of a shown scroll bar
    int lineHeight = 1;
};

// The name (cp932): the item's text, or "セパレータ" for a separator line.
std::string RowName(const Item& item);
// The state words (cp932), joined by "、": "チェックあり" or "チェックなし",
// "取り消し", "強調", and "インデント n" from level 1; a separator has only
// its indent.
std::string RowDescription(const Item& item);
// "チェックを付ける" or "チェックをはずす" (cp932); none for a separator.
std::string RowDefaultAction(const Item& item);
std::int32_t RowRole(const Item& item);
std::int32_t RowStates(const Item& item, int position, const ListView& view);
std::int32_t ListStates(const ListView& view);

// Where the row stands in the pane's client space, in view or not (a row
// above the top has a negative top).
ClientBox RowBox(int position, const ListView& view);
// True when some of the row shows in the pane.
bool RowInView(int position, const ListView& view);
// The child under a client point: a row's id, the list's own id on the
// pane without a row there, -1 outside the pane.
std::int32_t ChildAtPoint(std::int32_t x, std::int32_t y, const ListView& view);
// Up and down step through the rows, as next and previous do.
NavigateResult NavigateRows(std::int32_t from, std::int32_t direction, int itemCount);

// The first selected row at or after position from, or -1.
int NextSelectedRow(const ItemList& items, int from);

// What a selection request of a reader (accSelect's flags) does to the
// current list: the row takes the selection, joins or leaves it, the
// range from the anchor takes the anchor's state (or joins or leaves it),
// and the row takes the focus, and the anchor unless a range was made.
// False, with nothing changed, for a combination the platform refuses.
bool SelectRow(ListStore& store, int position, std::int32_t flags);

}  // namespace tessel
