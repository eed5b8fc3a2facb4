#include "storage/list_file_format.h"

#include <algorithm>
#include <iterator>
#include <new>
#include <utility>
#include <vector>

#include "storage/list_line.h"
#include "store/current_category.h"

namespace tessel {

namespace {

struct Marker {
    std::string_view bytes;
    ItemState state;
};

// □ ■ ◇ ◆ ○ ● in cp932.
constexpr Marker kMarkers[] = {
    {"\x81\xA0", ItemState::Normal}, {"\x81\xA1", ItemState::NormalChecked},
    {"\x81\x9E", ItemState::Strike}, {"\x81\x9F", ItemState::StrikeChecked},
    {"\x81\x9B", ItemState::Bold},   {"\x81\x9C", ItemState::BoldChecked},
};

constexpr std::string_view kLineEnd = "\r\n";

// The bookkeeping after loading: the current category clamped into the
// store and its first item selected and focused.
void SettleAfterLoad(ListStore& store, int categorySpace) {
    store.RecalcTabWidth(categorySpace);
    const int count = store.CountCategories();
    if (count == 0) {
        store.currentCategory = -1;  // what system.ini remembers of an empty list
    }
    MakeCategoryCurrent(store, std::clamp<int>(store.currentCategory, 0, std::max(count - 1, 0)),
                        FocusPlacement::FirstRow);
}

}  // namespace

std::string SeparatorText(int separatorLength) {
    const int length = std::clamp(separatorLength, 0, static_cast<int>(kMaxTextBytes));
    return std::string(static_cast<std::size_t>(length), '-');
}

std::string_view StateMarker(ItemState state) {
    for (const Marker& marker : kMarkers) {
        if (marker.state == state) {
            return marker.bytes;
        }
    }
    return kMarkers[0].bytes;
}

bool ParseStateMarker(std::string_view text, ItemState& state) {
    if (text.size() < 2) {
        return false;
    }
    for (const Marker& marker : kMarkers) {
        if (text.substr(0, 2) == marker.bytes) {
            state = marker.state;
            return true;
        }
    }
    return false;
}

Item ItemFromLine(std::string_view body, ItemState state, int tabs,
                  const std::string& separatorText) {
    const auto indent = static_cast<std::int16_t>(tabs);
    if (IsSeparatorText(body)) {
        return Item(ItemText(separatorText), ItemState::Separator, indent);
    }
    return Item(ItemText(body), state, indent);
}

namespace {

// Moves the items read for a category into its list with one allocation:
// a list grown item by item would leave the blocks it outgrew behind, about
// as much memory again as the items themselves. A sixteenth more room lets
// the first items the user adds go in without moving the whole list.
int AppendPending(ItemList* items, std::vector<Item>& pending) {
    if (items == nullptr || pending.empty()) {
        pending.clear();
        return 1;
    }
    const std::size_t count = items->size() + pending.size();
    try {
        items->reserve(count + count / 16 + 16);
    } catch (const std::bad_alloc&) {
        try {
            items->reserve(count);  // without the room to grow, when memory is short
        } catch (const std::bad_alloc&) {
            pending.clear();
            return 0;
        }
    }
    // Item moves cannot throw once the room is there.
    items->insert(items->end(), std::make_move_iterator(pending.begin()),
                  std::make_move_iterator(pending.end()));
    pending.clear();
    return 1;
}

}  // namespace

int ParseListFile(std::string_view bytes, ListStore& store, int separatorLength, int categorySpace,
                  const MeasureName& measure, bool* dropped) {
    int result = 1;
    bool lost = false;
    try {
        const std::string separator = SeparatorText(separatorLength);
        // Items go to the category read last; none before the first one.
        ItemList* items = nullptr;
        // The items read since that category's line, one scratch list for all.
        std::vector<Item> pending;
        ListLine line;
        std::size_t position = 0;
        while (position < bytes.size()) {
            TakeListLine(bytes, position, line);
            lost = lost || line.dropped;
            if (line.size == 0) {
                continue;
            }
            const std::string_view text = line.View();
            ItemState state = ItemState::Normal;
            if (!ParseStateMarker(text, state)) {
                if (AppendPending(items, pending) == 0) {
                    result = 0;
                    break;
                }
                Category category;
                category.name = std::string(text);
                category.nameWidth = measure ? measure(text) : 0;
                if (store.InsertCategory(std::move(category), -1) == 0) {
                    result = 0;
                    break;
                }
                items = store.FindCategoryItems(store.CountCategories() - 1);
                continue;
            }
            lost = lost || line.deeper || items == nullptr;
            if (items == nullptr) {
                continue;
            }
            try {
                pending.push_back(ItemFromLine(text.substr(2), state, line.tabs, separator));
            } catch (const std::bad_alloc&) {
                // What was read so far is kept.
                AppendPending(items, pending);
                result = 0;
                break;
            }
        }
        if (result == 1 && AppendPending(items, pending) == 0) {
            result = 0;
        }
    } catch (const std::bad_alloc&) {
        result = 0;
    }
    SettleAfterLoad(store, categorySpace);
    if (dropped != nullptr) {
        *dropped = lost;
    }
    return result;
}

namespace {

std::size_t ItemLineBytes(const Item& item) {
    return static_cast<std::size_t>(std::clamp<int>(item.indent, 0, kMaxIndent)) + 2 +
           item.text.size() + kLineEnd.size();
}

void AppendItemLine(std::string& out, const Item& item) {
    out.append(static_cast<std::size_t>(std::clamp<int>(item.indent, 0, kMaxIndent)), '\t');
    out += StateMarker(item.state);
    out += item.text;
    out += kLineEnd;
}

}  // namespace

bool ListFileFormatter::Step(const ListStore& store, std::size_t maxLines) {
    const int categoryCount = store.CountCategories();
    CategoryInfo info;
    std::size_t lines = 0;
    while (pass_ != Pass::Done && lines < maxLines) {
        if (category_ >= categoryCount || store.GetCategory(category_, info) == 0) {
            // Sized first, so that a list of megabytes is assembled in one block.
            if (pass_ == Pass::Sizing) {
                out_.reserve(total_);
                pass_ = Pass::Writing;
                category_ = 0;
                item_ = kCategoryLine;
                continue;
            }
            pass_ = Pass::Done;
            break;
        }
        if (item_ == kCategoryLine) {
            // Every category line but the first follows an empty line.
            const bool gap = category_ > 0;
            if (pass_ == Pass::Sizing) {
                total_ += (gap ? kLineEnd.size() : 0) + info.name.size() + kLineEnd.size();
            } else {
                if (gap) {
                    out_ += kLineEnd;
                }
                out_ += info.name;
                out_ += kLineEnd;
            }
            item_ = 0;
            ++lines;
            continue;
        }
        const ItemList& items = *info.items;
        const std::size_t first = item_;
        const std::size_t end = std::min(items.size() - first, maxLines - lines) + first;
        for (; item_ < end; ++item_) {
            if (pass_ == Pass::Sizing) {
                total_ += ItemLineBytes(items[item_]);
            } else {
                AppendItemLine(out_, items[item_]);
            }
        }
        lines += end - first;
        if (item_ >= items.size()) {
            ++category_;
            item_ = kCategoryLine;
        }
    }
    return pass_ == Pass::Done;
}

std::string FormatListFile(const ListStore& store) {
    ListFileFormatter formatter;
    formatter.Step(store, static_cast<std::size_t>(-1));
    return std::move(formatter.Bytes());
}

}  // namespace tessel
