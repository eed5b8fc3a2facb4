#include "listpane/item_editor_win.h"

#include <cstdio>
#include <string>
#include <utility>

#include "drawing/draw_primitives_win.h"
#include "drawing/gdi_handles_win.h"
#include "listpane/inplace_edit_box_win.h"
#include "listpane/item_commands_win.h"
#include "listpane/item_edit_layout.h"
#include "listpane/list_pane_win.h"
#include "process/app_state_win.h"
#include "process/error_report_win.h"
#include "process/input_method_win.h"
#include "store/list_history.h"

namespace tessel {

HWND itemEditor = nullptr;
int itemEditing = 0;
COLORREF itemEditTextColour = RGB(0, 0, 0);
COLORREF itemEditBackColour = RGB(255, 255, 255);

namespace {

// "システムエラーが発生しました。プログラムが不正です。"
constexpr int kErrorProgram = 901;
constexpr int kEditorChildId = 200;

// What one open edit knows besides its box.
struct EditSession {
    int index = -1;            // itemEditIndex
    ItemList* list = nullptr;  // the category it was opened in
    std::string original;      // the item's text when it was opened
    InplaceEditBox box;
};
EditSession Session;

void ReportUnreadableItem(int index) {
    char detail[64];
    std::snprintf(detail, sizeof detail, "No.%dのアイテム情報が取得できません。", index);
    ReportError(kErrorProgram, detail, MainFrameHandle);
}

void DestroyEditor() {
    itemEditor = nullptr;
    Session.box.Close();
}

// The item the edit was opened on, or null when it no longer stands at
// that place of that category (text included): typed text never lands on
// another item.
Item* EditedItem() {
    if (AppStore.currentItems != Session.list || Session.index < 0 ||
        Session.index >= CountItems(Session.list)) {
        return nullptr;
    }
    Item& item = (*Session.list)[static_cast<std::size_t>(Session.index)];
    return item.text == Session.original ? &item : nullptr;
}

// The box over the row, in the row's font; its background is the pane's
// answer to WM_CTLCOLOREDIT.
HWND CreateEditor(const EditAppearance& look, const Item& item) {
    RECT client{};
    GetClientRect(ListPaneHandle, &client);
    const EditBox place =
        ItemEditBox(Session.index, item.indent, AppStore.topIndex, client.right - client.left,
                    ScrollBarShownWidth, ListMetricsFrom(AppLayout, AppScale()));
    InplaceEditConfig config;
    config.parent = ListPaneHandle;
    config.childId = kEditorChildId;
    config.place = RECT{place.x, place.y, place.x + place.width, place.y + place.height};
    config.limitBytes = EditLimitFor(item.text);
    config.paintsBackground = false;
    config.end = EndItemEdit;
    config.accessibleName = "項目のテキスト";
    const FontSpec& font = AppLayout.listFont;
    HWND editor =
        Session.box.Open(config, item.text, CreateListFont(font.face, font.size, look.fontStyle));
    itemEditor = editor;
    return editor;
}

}  // namespace

int BeginItemEdit(int selectAll) {
    if (itemEditing || AppStore.currentItems == nullptr || AppStore.itemCount <= 0 ||
        AppStore.focusIndex < 0 || ListPaneHandle == nullptr) {
        return 0;
    }
    Session.index = AppStore.focusIndex;
    InvalidateListPane();
    UpdateListScroll(1);
    SelectItemRange(AppStore.currentItems, AppStore.focusIndex, AppStore.focusIndex);
    AppStore.anchorIndex = AppStore.focusIndex;
    Item item;
    if (!GetItem(AppStore.currentItems, Session.index, item)) {
        ReportUnreadableItem(Session.index);
        return 0;
    }
    const EditAppearance look = EditAppearanceFor(item.state, AppLayout);
    if (!look.editable) {
        return 0;
    }
    itemEditTextColour = look.text;
    itemEditBackColour = AppLayout.ListSelectBack;
    Session.list = AppStore.currentItems;
    Session.original = item.text;
    HWND editor = CreateEditor(look, item);
    if (editor == nullptr) {
        return 0;
    }
    if (selectAll == 1) {
        SendMessageA(editor, EM_SETSEL, 0, -1);
    }
    ShowWindow(editor, SW_SHOW);
    // The pane loses the focus here and ends edits; none is open yet.
    SetFocus(editor);
    itemEditing = 1;
    RestoreImeState();
    return 1;
}

int EndItemEdit(int commit) {
    if (!itemEditing) {
        return 1;
    }
    // First, so that the focus loss below does not end the edit again.
    itemEditing = 0;
    RememberAndCloseIme();
    SetFocus(MainFrameHandle);
    if (commit == 0 || itemEditor == nullptr) {
        DestroyEditor();
        return 1;
    }
    const std::string typed = Session.box.Text();
    Session.box.Clear();
    if (AppStore.currentItems == nullptr) {
        DestroyEditor();
        return 0;
    }
    if (Session.index < 0 || Session.index >= CountItems(AppStore.currentItems)) {
        ReportUnreadableItem(Session.index);
        DestroyEditor();
        return 0;
    }
    Item* item = EditedItem();
    if (item == nullptr) {
        DestroyEditor();
        return 0;
    }
    const std::string text = EditedItemText(typed, Session.original);
    if (text != item->text) {
        // An edit is a step of its own, apart from any command around it.
        SealListStep();
        ItemText oldText = std::exchange(item->text, ItemText(text));
        RecordChange(AppStore, [&](ListHistory& history) {
            history.TextChanged(Session.list, Session.index, std::move(oldText));
        });
        SealListStep();
    }
    DestroyEditor();
    return 1;
}

}  // namespace tessel
