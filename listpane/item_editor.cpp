#include "listpane/item_editor.h"

#include <cstdio>
#include <string>

#include "drawing/draw_primitives.h"
#include "drawing/gdi_handles.h"
#include "listpane/item_commands.h"
#include "listpane/item_edit_layout.h"
#include "listpane/list_pane.h"
#include "process/app_state.h"
#include "process/error_report.h"
#include "process/input_method.h"
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

// What one open edit knows besides its window.
struct EditSession {
    int index = -1;               // itemEditIndex
    ItemList* list = nullptr;     // the category it was opened in
    std::string original;         // the item's text when it was opened
    FontHandle font;              // lives as long as the editor
    WNDPROC classProc = nullptr;  // the EDIT class's own procedure
};
EditSession Session;

void ReportUnreadableItem(int index) {
    char detail[64];
    std::snprintf(detail, sizeof detail, "No.%dのアイテム情報が取得できません。", index);
    ReportError(kErrorProgram, detail, MainFrameHandle);
}

void DestroyEditor() {
    if (itemEditor != nullptr) {
        HWND editor = itemEditor;
        itemEditor = nullptr;
        DestroyWindow(editor);
    }
}

std::string EditorText(HWND editor) {
    const int length = GetWindowTextLengthA(editor);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    const int read = GetWindowTextA(editor, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(read > 0 ? read : 0));
    return text;
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

LRESULT CALLBACK ItemEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC classProc = Session.classProc;
    switch (message) {
        case WM_DESTROY:
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc));
            Session.font.Reset();
            return CallWindowProcA(classProc, window, message, wParam, lParam);
        case WM_SETFOCUS:
            ActiveAccelerators = nullptr;
            break;
        case WM_KILLFOCUS:
            EndItemEdit(1);
            ActiveAccelerators = AcceleratorHandle;
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_KEYDOWN:
            if (wParam == VK_TAB) {
                EndItemEdit(1);
                return 0;
            }
            if (wParam == VK_ESCAPE) {
                EndItemEdit(0);
                return 0;
            }
            if (wParam == 'A' && (GetKeyState(VK_CONTROL) & 0x8000)) {
                SendMessageA(window, EM_SETSEL, 0, -1);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == '\t') {
                return 0;
            }
            if (wParam == '\r') {
                EndItemEdit(1);
                return 0;
            }
            break;
        default:
            break;
    }
    return CallWindowProcA(classProc, window, message, wParam, lParam);
}

HWND CreateEditor(const EditAppearance& look, const Item& item) {
    HWND editor = CreateWindowExA(
        0, "EDIT", "", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, ListPaneHandle,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditorChildId)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(ListPaneHandle, GWLP_HINSTANCE)), nullptr);
    if (editor == nullptr) {
        return nullptr;
    }
    itemEditor = editor;
    Session.classProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ItemEditProc)));
    SendMessageA(editor, EM_LIMITTEXT, EditLimitFor(item.text), 0);
    const FontSpec& font = AppLayout.listFont;
    Session.font = CreateListFont(font.face, font.size, look.fontStyle);
    SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(Session.font.Get()), TRUE);
    SendMessageA(editor, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SetWindowTextA(editor, item.text.c_str());
    return editor;
}

void PlaceEditor(HWND editor, const Item& item) {
    RECT client{};
    GetClientRect(ListPaneHandle, &client);
    const EditBox box =
        ItemEditBox(Session.index, item.indent, AppStore.topIndex, client.right - client.left,
                    ScrollBarShownWidth, ListMetricsFrom(AppLayout));
    MoveWindow(editor, box.x, box.y, box.width, box.height, TRUE);
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
    PlaceEditor(editor, item);
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
    const std::string typed = EditorText(itemEditor);
    SetWindowTextA(itemEditor, "");
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
        RecordChange(AppStore, [&](ListHistory& history) {
            history.ItemChanging(Session.list, Session.index, *item);
        });
        item->text = text;
        SealListStep();
    }
    DestroyEditor();
    return 1;
}

}  // namespace tessel
