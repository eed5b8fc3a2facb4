#include "categorybar/category_rename_win.h"

#include <string>

#include "categorybar/bar_glyphs.h"
#include "categorybar/category_bar_win.h"
#include "categorybar/category_commands_win.h"
#include "categorybar/category_rules.h"
#include "drawing/draw_primitives_win.h"
#include "listpane/inplace_edit_box_win.h"
#include "process/app_state_win.h"
#include "process/input_method_win.h"
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

// The box covers the title text and ends one pixel left of the close button.
RECT RenameBoxRect() {
    RECT client{};
    GetClientRect(MainFrameHandle, &client);
    const DpiScale scale = AppScale();
    const PixelPoint origin = TitleTextOrigin(AppLayout, scale);
    const int right =
        client.right - AppLayout.CloseButtonMarginRight - AppLayout.CloseButtonSize - scale(1);
    // A window narrower than the title's margins gets an empty box, not a
    // negative width.
    return RECT{origin.x, origin.y, right > origin.x ? right : origin.x,
                origin.y + AppLayout.titleFont.size + scale(1)};
}

HWND CreateRenameBox(const std::string& name) {
    InplaceEditConfig config;
    config.parent = MainFrameHandle;
    config.childId = kRenameBoxId;
    config.place = RenameBoxRect();
    config.limitBytes = kMaxTextBytes;
    config.end = EndCategoryRename;
    config.accessibleName = "カテゴリ名";
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
