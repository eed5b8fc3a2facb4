#include "listpane/mark_changes.h"

namespace tessel {

ItemState ApplyMarkChange(ItemState state, MarkChange change) {
    switch (change) {
        case MarkChange::SetCheck:
            return WithChecked(state, true);
        case MarkChange::RemoveCheck:
            return WithChecked(state, false);
        case MarkChange::InvertCheck:
            return WithChecked(state, !IsChecked(state));
        case MarkChange::SetStrike:
            return WithStyle(state, ItemStyle::Strike);
        case MarkChange::RemoveStrike:
            return StyleOf(state) == ItemStyle::Strike ? WithStyle(state, ItemStyle::Plain) : state;
        case MarkChange::SetBold:
            return WithStyle(state, ItemStyle::Bold);
        case MarkChange::RemoveBold:
            return StyleOf(state) == ItemStyle::Bold ? WithStyle(state, ItemStyle::Plain) : state;
    }
    return state;
}

MarkChange ChooseMarkChange(const Item& reference, ItemMark mark) {
    const bool decides = reference.selected && reference.state != ItemState::Separator;
    switch (mark) {
        case ItemMark::Strike:
            return decides && StyleOf(reference.state) == ItemStyle::Strike
                       ? MarkChange::RemoveStrike
                       : MarkChange::SetStrike;
        case ItemMark::Bold:
            return decides && StyleOf(reference.state) == ItemStyle::Bold ? MarkChange::RemoveBold
                                                                          : MarkChange::SetBold;
        case ItemMark::Check:
        default:
            return decides && IsChecked(reference.state) ? MarkChange::RemoveCheck
                                                         : MarkChange::SetCheck;
    }
}

}  // namespace tessel
