#include "listpane/item_edit_layout.h"

#include <algorithm>

#include "store/cp932.h"

namespace tessel {

EditAppearance EditAppearanceFor(ItemState state, const LayoutSettings& layout) {
    const int style = layout.listFont.style;
    switch (state) {
        case ItemState::Normal:
            return {true, layout.ListNormalText, style};
        case ItemState::NormalChecked:
            return {true, layout.ListCheckText, style};
        case ItemState::Strike:
        case ItemState::StrikeChecked:
            // The editor shows the words, not the line through them.
            return {true, layout.ListStrikeText, style & ~kFontStrikeOut};
        case ItemState::Bold:
        case ItemState::BoldChecked:
            return {true, layout.ListBoldText, style | kFontBold};
        case ItemState::Separator:
            break;
    }
    return {};
}

EditBox ItemEditBox(int index, int indent, int topIndex, int clientWidth, int scrollBarShownWidth,
                    const ListMetrics& m) {
    EditBox box;
    box.x = TextLeft(indent, m);
    box.height = m.fontSize + m.scale(2);
    box.y = (index - topIndex) * m.lineHeight + (m.lineHeight - box.height) / 2 + m.scale(1);
    box.width = clientWidth - scrollBarShownWidth - box.x;
    return box;
}

std::size_t EditLimitFor(std::string_view original) {
    return std::max(kEditTypedLimit, std::min(original.size(), kMaxTextBytes));
}

std::string EditedItemText(std::string_view typed, std::string_view original) {
    if (typed == original) {
        return std::string(original);
    }
    return std::string(Cp932Prefix(typed, EditLimitFor(original)));
}

}  // namespace tessel
