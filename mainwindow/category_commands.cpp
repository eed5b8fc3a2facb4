#include "mainwindow/category_commands.h"

#include <cstdio>
#include <string>

#include "drawing/draw_primitives.h"
#include "drawing/gdi_handles.h"
#include "listpane/inplace_edit_box.h"
#include "listpane/item_commands.h"
#include "listpane/list_pane.h"
#include "mainwindow/bar_glyphs.h"
#include "mainwindow/category_bar.h"
#include "mainwindow/category_rules.h"
#include "mainwindow/frame_state.h"
#include "mainwindow/offscreen.h"
#include "process/app_state.h"
#include "process/error_report.h"
#include "process/input_method.h"
#include "process/wide_text.h"
#include "shell/command_ids.h"
#include "store/cp932.h"
#include "store/list_history.h"

namespace tessel {
namespace {

constexpr int kRenameBoxId = 200;

// The rename box: at most one, between BeginCategoryRename and
// EndCategoryRename.
struct RenameState {
    InplaceEditBox box;
    int renaming = 0;
    int index = -1;
};

RenameState rename;

void InvalidateFrame() {
    if (MainFrameHandle != nullptr) {
        InvalidateRect(MainFrameHandle, nullptr, FALSE);
    }
}

void ReportMissingCategory(int index) {
    char detail[96];
    std::snprintf(detail, sizeof detail, "No.%dのカテゴリ情報が取得できません。", index);
    ReportError(kErrorInternal, detail, MainFrameHandle);
}

// Pixel width of a name in the category font, which stays selected in the
// off-screen image between drawings.
std::int32_t MeasureCategoryName(const std::string& name) {
    return OffscreenDc() != nullptr ? TextWidth932(OffscreenDc(), name) : 0;
}

void ClearSelection(ItemList* items) {
    if (items != nullptr) {
        for (Item& item : *items) {
            item.selected = false;
        }
    }
}

void ShowEmptyState() {
    SetTitleText(kProgramTitle);
    EnsureCategoryVisible(1);
    DrawBars(kBarCategory);
    InvalidateFrame();
    AppStore.itemCount = 0;
    AppStore.currentItems = nullptr;
    AppStore.focusIndex = -1;
    AppStore.anchorIndex = -1;
    UpdateListScroll(0);
    InvalidateListPane();
}

// --- The rename box -------------------------------------------------------------

// The box covers the title text and ends one pixel left of the close button.
RECT RenameBoxRect() {
    RECT client{};
    GetClientRect(MainFrameHandle, &client);
    const PixelPoint origin = TitleTextOrigin(AppLayout);
    const int right =
        client.right - AppLayout.CloseButtonMarginRight - AppLayout.CloseButtonSize - 1;
    // A window narrower than the title's margins gets an empty box, not a
    // negative width.
    return RECT{origin.x, origin.y, right > origin.x ? right : origin.x,
                origin.y + AppLayout.titleFont.size + 1};
}

HWND CreateRenameBox(const std::string& name) {
    InplaceEditConfig config;
    config.parent = MainFrameHandle;
    config.childId = kRenameBoxId;
    config.place = RenameBoxRect();
    config.limitBytes = kMaxTextBytes;
    config.end = EndCategoryRename;
    const FontSpec& title = AppLayout.titleFont;
    return rename.box.Open(config, name, CreateListFont(title.face, title.size, title.style));
}

// Stores the typed name; nothing changes when it is the name already kept.
int CommitRename() {
    std::string typed(Cp932Prefix(rename.box.Text(), kMaxTextBytes));
    rename.box.Clear();
    CategoryInfo info;
    if (!AppStore.GetCategory(rename.index, info)) {
        ReportMissingCategory(rename.index);
        return 0;
    }
    StripLeadingTabs(typed);
    std::string name = CategoryNameFromEdit(std::move(typed));
    if (name == info.name) {
        return 1;
    }
    const std::int32_t width = MeasureCategoryName(name);
    SealListStep();
    RecordChange(AppStore, [&](ListHistory& history) {
        history.CategoryRenamed(rename.index, info.name, info.nameWidth);
    });
    AppStore.RenameCategory(rename.index, name, width);
    SealListStep();
    AppStore.RecalcTabWidth(AppLayout.CategorySpace);
    // The title shows the current category, which is the one renamed.
    if (rename.index == AppStore.currentCategory) {
        SetTitleText(name);
    }
    DrawBars(kBarTitle | kBarCategory);
    InvalidateFrame();
    return 1;
}

}  // namespace

HWND CategoryRenameBox() {
    return rename.box.Handle();
}

int NewCategory() {
    Category category;
    category.name = kNewCategoryName;
    category.nameWidth = MeasureCategoryName(category.name);
    if (!AppStore.InsertCategory(std::move(category), -1)) {
        ReportError(kErrorCreateList, kNewCategoryName, MainFrameHandle);
        return 0;
    }
    AppStore.categoryCount = AppStore.CountCategories();
    RecordChange(AppStore, [](ListHistory& history) {
        history.CategoryInserted(AppStore.categoryCount - 1);
    });
    AppStore.RecalcTabWidth(AppLayout.CategorySpace);
    SelectCategory(AppStore.categoryCount - 1);
    if (MainFrameHandle != nullptr) {
        PostMessageA(MainFrameHandle, WM_COMMAND, kCmdRenameCategory, 0);
    }
    return 1;
}

int DeleteCategory(int index) {
    if (AppStore.categoryCount <= 0 || index < 0 || index >= AppStore.categoryCount) {
        return 0;
    }
    CategoryInfo info;
    if (!AppStore.GetCategory(index, info)) {
        ReportMissingCategory(index);
        return 0;
    }
    if (AppSettings.DeleteCheck == 1) {
        std::string question = "「" + info.name + "」を削除してよろしいですか？";
        if (MessageBoxW(MainFrameHandle, WideFromCp932(question).c_str(),
                        WideFromCp932("カテゴリ削除確認").c_str(),
                        MB_ICONQUESTION | MB_OKCANCEL) != IDOK) {
            return 0;
        }
    }
    std::unique_ptr<Category> erased = AppStore.TakeCategory(index);
    if (erased == nullptr) {
        ReportMissingCategory(index);
        return 0;
    }
    // Kept by the history for an undo; freed here without one.
    RecordChange(AppStore,
                 [&](ListHistory& history) { history.CategoryErased(index, std::move(erased)); });
    // Its items are gone: nothing may clear their selection any more.
    AppStore.currentItems = nullptr;
    AppStore.RecalcTabWidth(AppLayout.CategorySpace);
    AppStore.categoryCount = AppStore.CountCategories();
    SelectCategory(NeighbourAfterDelete(index, AppStore.categoryCount));
    return 1;
}

int SelectCategory(int index) {
    ListStore& store = AppStore;
    if (store.categoryCount <= 0) {
        ShowEmptyState();
        return 0;
    }
    if (index < 0 || index >= store.categoryCount) {
        return 0;
    }
    ClearSelection(store.currentItems);
    CategoryInfo info;
    if (!store.GetCategory(index, info)) {
        ReportMissingCategory(index);
        return 0;
    }
    SetTitleText(info.name);
    store.currentCategory = index;
    store.currentItems = store.FindCategoryItems(index);
    store.itemCount = store.currentItems != nullptr ? CountItems(store.currentItems) : 0;
    store.focusIndex = CarriedFocus(store.focusIndex, store.itemCount);
    if (store.focusIndex >= 0) {
        (*store.currentItems)[static_cast<std::size_t>(store.focusIndex)].selected = true;
    }
    store.anchorIndex = store.focusIndex;
    EnsureCategoryVisible(1);
    DrawBars(kBarCategory);
    InvalidateFrame();
    UpdateListScroll(0);
    InvalidateListPane();
    return 1;
}

int MoveCategory(CategoryDirection direction) {
    const int current = AppStore.currentCategory;
    if (current < 0) {
        return 0;
    }
    const bool toRight = direction == CategoryDirection::Right;
    if (!toRight && current == 0) {
        return 0;
    }
    // Right: in front of the category after its right neighbour.
    const int moved = AppStore.RelocateCategory(current, toRight ? current + 2 : current - 1);
    if (moved < 0) {
        return 0;
    }
    RecordChange(AppStore, [&](ListHistory& history) { history.CategoryMoved(current, moved); });
    AppStore.currentCategory = moved;
    DrawBars(kBarCategory);
    InvalidateFrame();
    return 1;
}

int BeginCategoryRename(int index) {
    if (rename.renaming != 0 || AppStore.categoryCount <= 0 || index < 0 ||
        index >= AppStore.categoryCount || MainFrameHandle == nullptr) {
        return 0;
    }
    rename.index = index;
    InvalidateFrame();
    CategoryInfo info;
    if (!AppStore.GetCategory(index, info)) {
        ReportMissingCategory(index);
        return 0;
    }
    HWND box = CreateRenameBox(info.name);
    if (box == nullptr) {
        return 0;
    }
    SendMessageW(box, EM_SETSEL, 0, -1);
    ShowWindow(box, SW_SHOW);
    SetFocus(box);
    rename.renaming = 1;
    RestoreImeState();
    return 1;
}

int EndCategoryRename(int commit) {
    if (rename.renaming == 0) {
        return 1;
    }
    // The flag goes first: moving the focus makes the box lose it, and that
    // must not end the rename a second time.
    rename.renaming = 0;
    if (MainFrameHandle != nullptr) {
        SetFocus(MainFrameHandle);
    }
    RememberAndCloseIme();
    const int result = commit == 1 ? CommitRename() : 1;
    rename.box.Close();
    return result;
}

void ReleaseCategoryRenameFont() {
    // A box still open at shutdown goes with its window; it must not keep
    // drawing with a deleted font until then.
    if (rename.box.Handle() != nullptr) {
        SendMessageW(rename.box.Handle(), WM_SETFONT, 0, FALSE);
    }
    rename.box.ReleaseFont();
}

}  // namespace tessel
