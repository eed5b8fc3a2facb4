#include "categorybar/category_commands_win.h"

#include <cstdio>
#include <string>

#include "categorybar/category_bar_win.h"
#include "categorybar/category_rules.h"
#include "listpane/item_commands_win.h"
#include "listpane/list_pane_win.h"
#include "process/app_state_win.h"
#include "process/error_report_win.h"
#include "process/program_title.h"
#include "process/wide_text_win.h"
#include "shell/command_ids.h"
#include "store/current_category.h"
#include "store/list_history.h"

namespace tessel {

void ReportMissingCategory(int index) {
    char detail[96];
    std::snprintf(detail, sizeof detail, "No.%dのカテゴリ情報が取得できません。", index);
    ReportError(kErrorInternal, detail, MainFrameHandle);
}

bool NewCategory() {
    Category category;
    category.name = kNewCategoryName;
    category.nameWidth = MeasureCategoryName(category.name);
    if (!AppStore.InsertCategory(std::move(category), -1)) {
        ReportError(kErrorCreateList, kNewCategoryName, MainFrameHandle);
        return false;
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
    return true;
}

bool DeleteCategory(int index) {
    if (AppStore.categoryCount <= 0 || index < 0 || index >= AppStore.categoryCount) {
        return false;
    }
    CategoryInfo info;
    if (!AppStore.GetCategory(index, info)) {
        ReportMissingCategory(index);
        return false;
    }
    if (AppSettings.DeleteCheck == 1) {
        std::string question = "「" + info.name + "」を削除してよろしいですか？";
        if (MessageBoxW(MainFrameHandle, WideFromCp932(question).c_str(),
                        WideFromCp932("カテゴリ削除確認").c_str(),
                        MB_ICONQUESTION | MB_OKCANCEL) != IDOK) {
            return false;
        }
        // What the user confirmed: the category named, wherever a merge of
        // another PC's list may have moved it meanwhile; gone, nothing.
        index = AppStore.FindCategoryOf(info.items);
        if (index < 0) {
            return 0;
        }
    }
    std::unique_ptr<Category> erased = AppStore.TakeCategory(index);
    if (erased == nullptr) {
        ReportMissingCategory(index);
        return false;
    }
    // Kept by the history for an undo; freed here without one.
    RecordChange(AppStore,
                 [&](ListHistory& history) { history.CategoryErased(index, std::move(erased)); });
    AppStore.RecalcTabWidth(AppLayout.CategorySpace);
    AppStore.categoryCount = AppStore.CountCategories();
    SelectCategory(NeighbourAfterDelete(index, AppStore.categoryCount));
    return true;
}

bool SelectCategory(int index) {
    ListStore& store = AppStore;
    std::string title = kProgramTitle;
    if (store.CountCategories() > 0) {
        CategoryInfo info;
        if (index < 0 || index >= store.CountCategories()) {
            return false;
        }
        if (!store.GetCategory(index, info)) {
            ReportMissingCategory(index);
            return false;
        }
        title = std::move(info.name);
    }
    const int shown = MakeCategoryCurrent(store, index, FocusPlacement::CarriedOver);
    SetTitleText(title);
    EnsureCategoryVisible(true);
    DrawBars(kBarCategory);
    InvalidateFrame();
    UpdateListScroll(false);
    InvalidateListPane();
    return shown == 1;
}

int MoveCategoryTo(int source, int target) {
    const int moved = AppStore.RelocateCategory(source, target);
    if (moved < -1) {
        char detail[64];
        std::snprintf(detail, sizeof detail, "移動元No.%d、移動先No.%d", source, target);
        ReportError(kErrorInternal, detail, MainFrameHandle);
        return -1;
    }
    if (moved >= 0) {
        RecordChange(AppStore, [&](ListHistory& history) { history.CategoryMoved(source, moved); });
        AppStore.currentCategory = moved;
    }
    return moved;
}

bool MoveCategory(CategoryDirection direction) {
    const int current = AppStore.currentCategory;
    if (current < 0) {
        return false;
    }
    const bool toRight = direction == CategoryDirection::Right;
    if (!toRight && current == 0) {
        return false;
    }
    // Right: in front of the category after its right neighbour.
    if (MoveCategoryTo(current, toRight ? current + 2 : current - 1) < 0) {
        return false;
    }
    DrawBars(kBarCategory);
    InvalidateFrame();
    return true;
}

}  // namespace tessel
