#include "commands/command_dispatch_win.h"

#include <array>

#include "categorybar/category_bar_win.h"
#include "categorybar/category_commands_win.h"
#include "categorybar/category_rename_win.h"
#include "clipboard/clipboard_win.h"
#include "commands/command_table.h"
#include "commands/list_undo_win.h"
#include "editing/edit_session_win.h"
#include "editing/user_action_win.h"
#include "listpane/item_commands_win.h"
#include "listpane/item_editor_win.h"
#include "process/app_state_win.h"
#include "saving/list_saving_win.h"
#include "shell/command_ids.h"
#include "shell/window_visibility_win.h"

namespace tessel {
namespace {

// Stay-on-top: the window keeps its place and takes the keyboard focus.
void ToggleTopmost(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    SetWindowPos(window, AppSettings.WindowTop == 1 ? HWND_NOTOPMOST : HWND_TOPMOST, r.left, r.top,
                 r.right - r.left, r.bottom - r.top, SWP_SHOWWINDOW);
    AppSettings.WindowTop = AppSettings.WindowTop == 1 ? 0 : 1;
    SetFocus(window);
}

// The list pane moves up or down by the category bar's height.
void ToggleCategoryBar(HWND window) {
    AppSettings.DispCategory = AppSettings.DispCategory == 1 ? 0 : 1;
    LayoutPanes();
    DrawFrame();
    InvalidateRect(window, nullptr, FALSE);
}

void NewItemThenEdit(HWND window) {
    // The new item is edited at once, once this command has finished.
    if (NewItem(AppStore.focusIndex, NewItemKind::Item) == 1) {
        PostMessageA(window, WM_COMMAND, kCmdEditItem, 0);
    }
}

void EditItem() {
    if (OpenEditOwner() == EditOwner::Item) {
        EndItemEdit(true);
    } else {
        BeginItemEdit(true);
    }
}

using Handler = void (*)(HWND window, int id);

// clang-format off
constexpr std::array<Handler, static_cast<std::size_t>(CommandOp::Count)> kHandlers{{
    /* ShowWindow */ [](HWND, int) { ShowMainWindow(); },
    /* Exit */ [](HWND w, int) { PostMessageA(w, WM_CLOSE, 0, 0); },
    /* ToggleMaximised */ [](HWND, int) { ToggleMaximised(); },
    /* Hide */ [](HWND, int) { HideMainWindow(); },
    /* ToggleTopmost */ [](HWND w, int) { ToggleTopmost(w); },
    /* ToggleCategoryBar */ [](HWND w, int) { ToggleCategoryBar(w); },
    /* ToggleCheckMoveDown */ [](HWND, int) { AppSettings.CheckMoveDown = AppSettings.CheckMoveDown == 1 ? 0 : 1; },
    /* ToggleTrayMode */ [](HWND, int) { ToggleTrayMode(); },
    /* FrameMenu */ [](HWND w, int) { SendMessageA(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w), -1); },
    /* SaveList */ [](HWND w, int) { SaveListReporting(w); },
    /* NewCategory */ [](HWND, int) { NewCategory(); },
    /* RenameCategory */ [](HWND, int) { BeginCategoryRename(AppStore.currentCategory); },
    /* DeleteCategory */ [](HWND, int) { DeleteCategory(AppStore.currentCategory); },
    /* SelectCategoryNumber */ [](HWND, int id) { SelectCategory(id - kCmdSelectCategory1); },
    /* PreviousCategory */ [](HWND, int) { SelectCategory(AppStore.currentCategory - 1); },
    /* NextCategory */ [](HWND, int) { SelectCategory(AppStore.currentCategory + 1); },
    /* MoveCategoryLeft */ [](HWND, int) { MoveCategory(CategoryDirection::Left); },
    /* MoveCategoryRight */ [](HWND, int) { MoveCategory(CategoryDirection::Right); },
    /* ScrollBarLeft */ [](HWND, int) { ScrollCategoryBar(false); },
    /* ScrollBarRight */ [](HWND, int) { ScrollCategoryBar(true); },
    /* NewItem */ [](HWND w, int) { NewItemThenEdit(w); },
    /* EditItem */ [](HWND, int) { EditItem(); },
    /* ToggleCheck */ [](HWND, int) { ToggleItemMark(AppStore.focusIndex, ItemMark::Check); },
    /* Cut */ [](HWND, int) { CopyItems(CopyKind::Cut, CopyMarkers::With); },
    /* Copy */ [](HWND, int) { CopyItems(CopyKind::Copy, CopyMarkers::With); },
    /* Paste */ [](HWND, int) { PasteItems(AppStore.focusIndex); },
    /* DeleteItems */ [](HWND, int) { DeleteItems(); },
    /* ToggleStrike */ [](HWND, int) { ToggleItemMark(AppStore.focusIndex, ItemMark::Strike); },
    /* ToggleBold */ [](HWND, int) { ToggleItemMark(AppStore.focusIndex, ItemMark::Bold); },
    /* NewSeparator */ [](HWND, int) { NewItem(AppStore.focusIndex, NewItemKind::Separator); },
    /* Indent */ [](HWND, int) { ChangeIndent(IndentDirection::Indent); },
    /* Outdent */ [](HWND, int) { ChangeIndent(IndentDirection::Outdent); },
    /* SelectAll */ [](HWND, int) { SelectByState(SelectWhich::All); },
    /* SelectChecked */ [](HWND, int) { SelectByState(SelectWhich::Checked); },
    /* SelectUnchecked */ [](HWND, int) { SelectByState(SelectWhich::Unchecked); },
    /* SelectStrike */ [](HWND, int) { SelectByState(SelectWhich::Strike); },
    /* SelectBold */ [](HWND, int) { SelectByState(SelectWhich::Bold); },
    /* CheckAll */ [](HWND, int) { MarkAllItems(MarkChange::SetCheck); },
    /* UncheckAll */ [](HWND, int) { MarkAllItems(MarkChange::RemoveCheck); },
    /* InvertChecks */ [](HWND, int) { MarkAllItems(MarkChange::InvertCheck); },
    /* ClearStrike */ [](HWND, int) { MarkAllItems(MarkChange::RemoveStrike); },
    /* ClearBold */ [](HWND, int) { MarkAllItems(MarkChange::RemoveBold); },
    /* MoveItemsUp */ [](HWND, int) { MoveItems(MoveDirection::Up); },
    /* MoveItemsDown */ [](HWND, int) { MoveItems(MoveDirection::Down); },
    /* CutText */ [](HWND, int) { CopyItems(CopyKind::Cut, CopyMarkers::TextOnly); },
    /* CopyText */ [](HWND, int) { CopyItems(CopyKind::Copy, CopyMarkers::TextOnly); },
    /* Undo */ [](HWND, int) { UndoListChange(); },
    /* Redo */ [](HWND, int) { RedoListChange(); },
}};
// clang-format on

}  // namespace

int DispatchCommand(HWND window, WPARAM wParam) {
    const CommandRow* row = FindCommand(static_cast<std::uint32_t>(LOWORD(wParam)));
    // An unknown identifier leaves open edits alone.
    if (!BeginUserAction(row != nullptr ? row->prep : kLeaveOpenEdits) || row == nullptr) {
        return 1;
    }
    kHandlers[static_cast<std::size_t>(row->op)](window, row->id);
    return 1;
}

}  // namespace tessel
