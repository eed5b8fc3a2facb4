#include "clipboard/clipboard_text.h"

#include <algorithm>
#include <new>
#include <utility>

#include "storage/list_file_format.h"
#include "storage/list_line.h"
#include "store/cp932.h"
#include "store/list_history.h"

namespace tessel {
namespace {

constexpr std::size_t kMarkerBytes = 2;
constexpr std::size_t kLineEndBytes = 2;

std::size_t IndentOf(const Item& item) {
    return static_cast<std::size_t>(std::clamp<int>(item.indent, 0, kMaxIndent));
}

std::size_t LineBytes(const Item& item, MarkerUse markers) {
    return IndentOf(item) + (markers == MarkerUse::With ? kMarkerBytes : 0) + item.text.size();
}

}  // namespace

std::size_t CopyTextSize(const ItemList& items, MarkerUse markers) {
    std::size_t total = 0;
    std::size_t lines = 0;
    for (const Item& item : items) {
        if (item.selected) {
            total += LineBytes(item, markers);
            ++lines;
        }
    }
    return total + (lines > 0 ? (lines - 1) * kLineEndBytes : 0) + 1;
}

void WriteCopyText(const ItemList& items, MarkerUse markers, char* out) {
    bool first = true;
    for (const Item& item : items) {
        if (!item.selected) {
            continue;
        }
        if (!first) {
            *out++ = '\r';
            *out++ = '\n';
        }
        first = false;
        out = std::fill_n(out, IndentOf(item), '\t');
        if (markers == MarkerUse::With) {
            const std::string_view marker = StateMarker(item.state);
            out = std::copy(marker.begin(), marker.end(), out);
        }
        out = std::copy(item.text.begin(), item.text.end(), out);
    }
    *out = '\0';
}

bool ParseClipboardItems(std::string_view text, int separatorLength, std::vector<Item>& out) {
    try {
        const std::string separator = SeparatorText(separatorLength);
        ListLine line;
        std::size_t position = 0;
        while (position < text.size()) {
            TakeListLine(text, position, line);
            if (line.size == 0) {
                continue;
            }
            std::string_view body = line.View();
            ItemState state = ItemState::Normal;
            if (ParseStateMarker(body, state)) {
                body.remove_prefix(kMarkerBytes);
            }
            Item item = ItemFromLine(body, state, line.tabs, separator);
            item.selected = true;
            out.push_back(std::move(item));
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

int CountAlteredPasteLines(std::string_view text, const std::vector<bool>& replaced) {
    // Half a character at the very end (another program's block cut short)
    // is no character lost.
    if (!text.empty() && IsCp932LeadByte(text.back()) &&
        Cp932Prefix(text, text.size() - 1).size() == text.size() - 1) {
        text.remove_suffix(1);
    }
    int altered = 0;
    ListLine line;
    std::size_t position = 0;
    for (std::size_t number = 0; position < text.size(); ++number) {
        const std::size_t start = position;
        TakeListLine(text, position, line);
        // The bytes a line could keep: all but its TABs and its end.
        std::string_view raw = text.substr(start, position - start);
        while (!raw.empty() && (raw.back() == '\n' || raw.back() == '\r')) {
            raw.remove_suffix(1);
        }
        const auto content = static_cast<std::size_t>(
            raw.size() - static_cast<std::size_t>(std::count(raw.begin(), raw.end(), '\t')));
        const bool cut = content > line.size;
        if (cut || (number < replaced.size() && replaced[number])) {
            ++altered;
        }
    }
    return altered;
}

int PastePosition(int reference, int digit, int itemCount) {
    if (reference < 0) {
        return 0;
    }
    int position = 0;
    switch (digit) {
        case 1:
            position = reference;
            break;
        case 2:
            position = reference + 1;
            break;
        case 3:
            position = itemCount;
            break;
        default:
            break;
    }
    return std::clamp(position, 0, std::max(itemCount, 0));
}

int PasteText(ListStore& store, std::string_view text, int reference, int digit,
              int separatorLength) {
    ItemList* items = store.currentItems;
    if (items == nullptr) {
        return 0;
    }
    const int position = PastePosition(reference, digit, CountItems(items));
    for (Item& item : *items) {
        item.selected = false;
    }
    std::vector<Item> block;
    // Out of memory part-way keeps the lines read so far, as a paste that
    // stops at that line would.
    ParseClipboardItems(text, separatorLength, block);
    const int count = static_cast<int>(block.size());
    const bool inserted = count > 0 && InsertItems(items, std::move(block), position) == 1;
    store.itemCount = CountItems(items);
    if (inserted) {
        RecordChange(store,
                     [&](ListHistory& history) { history.ItemsInserted(items, position, count); });
        store.focusIndex = position;
    } else {
        // Nothing came: the focus may not stay behind the last row.
        store.focusIndex = store.itemCount > 0 ? std::min(position, store.itemCount - 1) : -1;
        if (store.focusIndex >= 0) {
            (*items)[static_cast<std::size_t>(store.focusIndex)].selected = true;
        }
    }
    store.anchorIndex = store.focusIndex;
    return 1;
}

}  // namespace tessel
