#include "categorybar/category_rules.h"

#include <algorithm>

#include "storage/list_file_format.h"

namespace tessel {

std::string CategoryNameFromEdit(std::string text) {
    std::size_t start = 0;
    ItemState state = ItemState::Normal;
    for (;;) {
        if (start < text.size() && text[start] == '\t') {
            ++start;
        } else if (ParseStateMarker(std::string_view(text).substr(start), state)) {
            start += 2;
        } else {
            break;
        }
    }
    text.erase(0, start);
    return text.empty() ? std::string(kNewCategoryName) : text;
}

int NeighbourAfterDelete(int deleted, int remaining) {
    if (remaining <= 0) {
        return -1;
    }
    return std::clamp(deleted, 0, remaining - 1);
}

}  // namespace tessel
