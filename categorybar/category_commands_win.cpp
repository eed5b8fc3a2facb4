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
        return 0;
    }
    // Kept by the history for an undo; freed here without one.
    RecordChange(AppStore,
                 [&](ListHistory& history) { history.CategoryErased(index, std::move(erased)); });
    AppStore.RecalcTabWidth(AppLayout.CategorySpace);
    AppStore.categoryCount = AppStore.CountCategories();
    SelectCategory(NeighbourAfterDelete(index, AppStore.categoryCount));
    return 1;
}

int SelectCategory(int index) {
    ListStore& store = AppStore;
    std::string title = kProgramTitle;
    if (store.CountCategories() > 0) {
        CategoryInfo info;
        if (index < 0 || index >= store.CountCategories()) {
            return 0;
        }
        if (!store.GetCategory(index, info)) {
            ReportMissingCategory(index);
            return 0;
        }
        title = std::move(info.name);
    }
    const int shown = MakeCategoryCurrent(store, index, FocusPlacement::CarriedOver);
    SetTitleText(title);
    EnsureCategoryVisible(1);
    DrawBars(kBarCategory);
    InvalidateFrame();
    UpdateListScroll(0);
    InvalidateListPane();
    return shown;
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

}  // namespace tessel
