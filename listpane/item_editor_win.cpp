#include "listpane/item_editor_win.h"

#include <cstdio>
#include <string>
#include <utility>

#include "drawing/draw_primitives_win.h"
#include "drawing/gdi_handles_win.h"
#include "editing/edit_session_win.h"
#include "listpane/item_commands_win.h"
#include "listpane/item_edit_layout.h"
#include "listpane/list_pane_win.h"
#include "process/app_state_win.h"
#include "process/error_report_win.h"
#include "store/list_history.h"

namespace tessel {

HWND itemEditor = nullptr;
bool itemEditing = false;
COLORREF itemEditTextColour = RGB(0, 0, 0);
COLORREF itemEditBackColour = RGB(255, 255, 255);

namespace {

// "システムエラーが発生しました。プログラムが不正です。"
constexpr int kErrorProgram = 901;

// What the open item edit knows besides its box.
struct ItemEdit {
    int index = -1;            // the row it was opened on
    ItemList* list = nullptr;  // the category it was opened in
    std::string original;      // the item's text when it was opened
};
ItemEdit Edited;

void ReportUnreadableItem(int index) {
    char detail[64];
    std::snprintf(detail, sizeof detail, "No.%dのアイテム情報が取得できません。", index);
    ReportError(kErrorProgram, detail, MainFrameHandle);
}

// The item the edit was opened on, or null when it no longer stands at
// that place of that category (text included): typed text never lands on
// another item.
Item* EditedItem() {
    if (AppStore.currentItems != Edited.list || Edited.index < 0 ||
        Edited.index >= CountItems(Edited.list)) {
        return nullptr;
    }
    Item& item = (*Edited.list)[static_cast<std::size_t>(Edited.index)];
    return item.text == Edited.original ? &item : nullptr;
}

bool FinishItemEdit(EditEnd end, const std::string& typed);

// The box over the row, in the row's font; its background is the pane's
// answer to WM_CTLCOLOREDIT.
HWND OpenEditor(const EditAppearance& look, const Item& item, bool selectAll) {
    RECT client{};
    GetClientRect(ListPaneHandle, &client);
    const EditBox box =
        ItemEditBox(Edited.index, item.indent, AppStore.topIndex, client.right - client.left,
                    ScrollBarShownWidth, ListMetricsFrom(AppLayout, AppScale()));
    EditPlace place;
    place.owner = EditOwner::Item;
    place.parent = ListPaneHandle;
    place.place = RECT{box.x, box.y, box.x + box.width, box.y + box.height};
    place.limitBytes = EditLimitFor(item.text);
    place.paintsBackground = false;
    place.accessibleName = "項目のテキスト";
    place.finish = FinishItemEdit;
    const FontSpec& font = AppLayout.listFont;
    return OpenEdit(place, item.text, CreateListFont(font.face, font.size, look.fontStyle),
                    selectAll);
}

// Writes a kept text back into the item, as an undo step of its own.
bool FinishItemEdit(EditEnd end, const std::string& typed) {
    itemEditing = false;
    itemEditor = nullptr;
    if (end == EditEnd::Drop) {
        return true;
    }
    if (AppStore.currentItems == nullptr) {
        return false;
    }
    if (Edited.index < 0 || Edited.index >= CountItems(AppStore.currentItems)) {
        ReportUnreadableItem(Edited.index);
        return false;
    }
    Item* item = EditedItem();
    if (item == nullptr) {
        return false;
    }
    const std::string text = EditedItemText(typed, Edited.original);
    if (text != item->text) {
        // An edit is a step of its own, apart from any command around it.
        SealListStep();
        ItemText oldText = std::exchange(item->text, ItemText(text));
        RecordChange(AppStore, [&](ListHistory& history) {
            history.TextChanged(Edited.list, Edited.index, std::move(oldText));
        });
        SealListStep();
    }
    return true;
}

}  // namespace

bool BeginItemEdit(bool selectAll) {
    if (OpenEditOwner() != EditOwner::None || AppStore.currentItems == nullptr ||
        AppStore.itemCount <= 0 || AppStore.focusIndex < 0 || ListPaneHandle == nullptr) {
        return false;
    }
    Edited.index = AppStore.focusIndex;
    InvalidateListPane();
    UpdateListScroll(true);
    SelectItemRange(AppStore.currentItems, AppStore.focusIndex, AppStore.focusIndex);
    AppStore.anchorIndex = AppStore.focusIndex;
    Item item;
    if (!GetItem(AppStore.currentItems, Edited.index, item)) {
        ReportUnreadableItem(Edited.index);
        return false;
    }
    const EditAppearance look = EditAppearanceFor(item.state, AppLayout);
    if (!look.editable) {
        return false;
    }
    itemEditTextColour = look.text;
    itemEditBackColour = AppLayout.ListSelectBack;
    Edited.list = AppStore.currentItems;
    Edited.original = item.text;
    HWND editor = OpenEditor(look, item, selectAll);
    if (editor == nullptr) {
        return false;
    }
    itemEditor = editor;
    itemEditing = true;
    return true;
}

bool EndItemEdit(bool keep) {
    return EndEdit(EditOwner::Item, keep ? EditEnd::Keep : EditEnd::Drop);
}

}  // namespace tessel
