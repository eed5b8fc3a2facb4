// The in-place item editor's decisions: where the edit box lies over the
// focus row, in which colour and font it shows an item of each state, and
// which text an ended edit leaves in the item.
#pragma once

#include <string>
#include <string_view>

#include "listpane/list_geometry.h"
#include "storage/layout_settings.h"
#include "store/list_store.h"

namespace tessel {

// What the editor types with; a separator is never edited.
struct EditAppearance {
    bool editable = false;
    Colour text = 0;
    int fontStyle = 0;  // the list font's style, bold added for bold items
};
EditAppearance EditAppearanceFor(ItemState state, const LayoutSettings& layout);

struct EditBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
// The box over the text of the row at index: where the row's text starts,
// one font height plus two pixels (at 96 DPI), centred in the row, to the
// scroll bar's edge.
EditBox ItemEditBox(int index, int indent, int topIndex, int clientWidth, int scrollBarShownWidth,
                    const ListMetrics& m);

// Bytes the editor accepts from typing.
inline constexpr std::size_t kEditTypedLimit = 253;
// The limit an editor opened on a text gets: never below the text, so that
// a loaded or pasted item of up to 255 bytes is not cut by opening it.
std::size_t EditLimitFor(std::string_view original);
// The text an ended edit stores: the editor's text cut, at a character
// boundary, to the editor's limit and to the item's 255 bytes.
std::string EditedItemText(std::string_view typed, std::string_view original);

}  // namespace tessel
