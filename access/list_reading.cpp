#include "access/list_reading.h"

#include <algorithm>

#include "listpane/list_geometry.h"
#include "store/item_state.h"
#include "store/saturate.h"

namespace tessel {
namespace {

constexpr char kSeparatorName[] = "\x83\x5A\x83\x70\x83\x8C\x81\x5B\x83\x5E";    // セパレータ
constexpr char kChecked[] = "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xA0\x82\xE8";  // チェックあり
constexpr char kUnchecked[] = "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xC8\x82\xB5";  // チェックなし
constexpr char kCancelled[] = "\x8E\xE6\x82\xE8\x8F\xC1\x82\xB5";                  // 取り消し
constexpr char kEmphasised[] = "\x8B\xAD\x92\xB2";                                 // 強調
constexpr char kIndent[] = "\x83\x43\x83\x93\x83\x66\x83\x93\x83\x67 ";  // インデント
constexpr char kWordBreak[] = "\x81\x41";                                // 、
constexpr char kCheckAction[] =
    "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xF0\x95\x74\x82\xAF\x82\xE9";  // チェックを付ける
constexpr char kUncheckAction[] =
    "\x83\x60\x83\x46\x83\x62\x83\x4E\x82\xF0\x82\xCD\x82\xB8\x82\xB7";  // チェックをはずす

constexpr std::int32_t kAllSelectFlags = msaa::kSelectTakeFocus | msaa::kSelectTakeSelection |
                                         msaa::kSelectExtend | msaa::kSelectAdd |
                                         msaa::kSelectRemove;

void AddWord(std::string& words, const std::string& word) {
    if (!words.empty()) {
        words += kWordBreak;
    }
    words += word;
}

std::int64_t RowTop(int position, const ListView& view) {
    return (std::int64_t{position} - view.topIndex) * view.lineHeight;
}

}  // namespace

int RowOfChild(std::int32_t child, int itemCount) {
    return child >= 1 && child <= itemCount ? child - 1 : -1;
}

std::int32_t ChildOfRow(int position) {
    return position + 1;
}

std::string RowName(const Item& item) {
    return item.state == ItemState::Separator ? std::string(kSeparatorName) : item.text.str();
}

std::string RowDescription(const Item& item) {
    std::string words;
    if (item.state != ItemState::Separator) {
        AddWord(words, IsChecked(item.state) ? kChecked : kUnchecked);
        if (StyleOf(item.state) == ItemStyle::Strike) {
            AddWord(words, kCancelled);
        } else if (StyleOf(item.state) == ItemStyle::Bold) {
            AddWord(words, kEmphasised);
        }
    }
    if (item.indent > 0) {
        AddWord(words, kIndent + std::to_string(item.indent));
    }
    return words;
}

std::string RowDefaultAction(const Item& item) {
    if (item.state == ItemState::Separator) {
        return std::string();
    }
    return IsChecked(item.state) ? kUncheckAction : kCheckAction;
}

std::int32_t RowRole(const Item&) {
    // A separator too: it keeps its place among the list's items, which a
    // reader counts and selects, and its name says what it is.
    return msaa::kRoleListItem;
}

std::int32_t RowStates(const Item& item, int position, const ListView& view) {
    std::int32_t states = msaa::kStateSelectable | msaa::kStateFocusable;
    if (item.selected) {
        states |= msaa::kStateSelected;
    }
    if (view.paneFocused && position == view.focusIndex) {
        states |= msaa::kStateFocused;
    }
    if (IsChecked(item.state)) {
        states |= msaa::kStateChecked;
    }
    if (!RowInView(position, view)) {
        states |= msaa::kStateOffscreen;
    }
    if (!view.paneVisible) {
        states |= msaa::kStateInvisible;
    }
    return states;
}

std::int32_t ListStates(const ListView& view) {
    std::int32_t states =
        msaa::kStateFocusable | msaa::kStateMultiSelectable | msaa::kStateExtSelectable;
    if (view.paneFocused) {
        states |= msaa::kStateFocused;
    }
    if (!view.paneVisible) {
        states |= msaa::kStateInvisible;
    }
    return states;
}

ClientBox RowBox(int position, const ListView& view) {
    return ClientBox{0, SaturateToInt32(RowTop(position, view)), std::max(view.rowWidth, 0),
                     view.lineHeight};
}

bool RowInView(int position, const ListView& view) {
    const std::int64_t top = RowTop(position, view);
    return position >= 0 && position < view.itemCount && top < view.clientHeight &&
           top + view.lineHeight > 0;
}

std::int32_t ChildAtPoint(std::int32_t x, std::int32_t y, const ListView& view) {
    if (x < 0 || y < 0 || x >= view.clientWidth || y >= view.clientHeight) {
        return -1;
    }
    if (x >= view.rowWidth) {
        return msaa::kSelf;  // the scroll bar
    }
    const int row = RowAtPoint(y, view.topIndex, view.itemCount, view.lineHeight);
    return row >= 0 ? ChildOfRow(row) : msaa::kSelf;
}

NavigateResult NavigateRows(std::int32_t from, std::int32_t direction, int itemCount) {
    return NavigateLine(from, direction, itemCount, msaa::kNavDown, msaa::kNavUp);
}

int NextSelectedRow(const ItemList& items, int from) {
    for (std::size_t i = static_cast<std::size_t>(std::max(from, 0)); i < items.size(); ++i) {
        if (items[i].selected) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool SelectRow(ListStore& store, int position, std::int32_t flags) {
    const bool focus = (flags & msaa::kSelectTakeFocus) != 0;
    const bool take = (flags & msaa::kSelectTakeSelection) != 0;
    const bool extend = (flags & msaa::kSelectExtend) != 0;
    const bool add = (flags & msaa::kSelectAdd) != 0;
    const bool remove = (flags & msaa::kSelectRemove) != 0;
    if ((flags & ~kAllSelectFlags) != 0 || (add && remove) || (take && (extend || add || remove))) {
        return false;
    }
    if (store.currentItems == nullptr || position < 0 ||
        position >= CountItems(store.currentItems)) {
        return false;
    }
    ItemList& items = *store.currentItems;
    if (take) {
        SelectItemRange(store.currentItems, position, position);
    } else if (extend) {
        // Without an anchor in the list the range is the row alone.
        const int anchor = store.anchorIndex >= 0 && store.anchorIndex < CountItems(&items)
                               ? store.anchorIndex
                               : position;
        const bool state = add || (!remove && items[static_cast<std::size_t>(anchor)].selected);
        for (int i = std::min(anchor, position); i <= std::max(anchor, position); ++i) {
            items[static_cast<std::size_t>(i)].selected = state;
        }
    } else if (add || remove) {
        items[static_cast<std::size_t>(position)].selected = add;
    }
    if (focus) {
        store.focusIndex = position;
        // A range keeps the anchor it was made from, as Shift does.
        if (!extend) {
            store.anchorIndex = position;
        }
    }
    return true;
}

}  // namespace tessel
