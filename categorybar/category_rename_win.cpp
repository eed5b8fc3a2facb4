#include "categorybar/category_rename_win.h"

#include <string>

#include "categorybar/bar_glyphs.h"
#include "categorybar/category_bar_win.h"
#include "categorybar/category_commands_win.h"
#include "categorybar/category_rules.h"
#include "drawing/draw_primitives_win.h"
#include "editing/edit_session_win.h"
#include "process/app_state_win.h"
#include "store/cp932.h"
#include "store/list_history.h"

namespace tessel {
namespace {

// The category the open rename edits.
int RenamedIndex = -1;

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

// Stores a kept name; nothing changes when it is the name already kept.
bool FinishRename(EditEnd end, const std::string& text) {
    if (end == EditEnd::Drop) {
        return true;
    }
    std::string typed(Cp932Prefix(text, kMaxTextBytes));
    CategoryInfo info;
    if (!AppStore.GetCategory(RenamedIndex, info)) {
        ReportMissingCategory(RenamedIndex);
        return false;
    }
    StripLeadingTabs(typed);
    std::string name = CategoryNameFromEdit(std::move(typed));
    if (name == info.name) {
        return true;
    }
    const std::int32_t width = MeasureCategoryName(name);
    SealListStep();
    RecordChange(AppStore, [&](ListHistory& history) {
        history.CategoryRenamed(RenamedIndex, info.name, info.nameWidth);
    });
    AppStore.RenameCategory(RenamedIndex, name, width);
    SealListStep();
    AppStore.RecalcTabWidth(AppLayout.CategorySpace);
    // The title shows the current category, which is the one renamed.
    if (RenamedIndex == AppStore.currentCategory) {
        SetTitleText(name);
    }
    DrawBars(kBarTitle | kBarCategory);
    InvalidateFrame();
    return true;
}

}  // namespace

HWND CategoryRenameBox() {
    return OpenEditOwner() == EditOwner::CategoryName ? OpenEditBox() : nullptr;
}

bool BeginCategoryRename(int index) {
    if (OpenEditOwner() != EditOwner::None || AppStore.categoryCount <= 0 || index < 0 ||
        index >= AppStore.categoryCount || MainFrameHandle == nullptr) {
        return false;
    }
    RenamedIndex = index;
    InvalidateFrame();
    CategoryInfo info;
    if (!AppStore.GetCategory(index, info)) {
        ReportMissingCategory(index);
        return false;
    }
    EditPlace place;
    place.owner = EditOwner::CategoryName;
    place.parent = MainFrameHandle;
    place.place = RenameBoxRect();
    place.limitBytes = kMaxTextBytes;
    place.accessibleName = "カテゴリ名";
    place.finish = FinishRename;
    const FontSpec& title = AppLayout.titleFont;
    return OpenEdit(place, info.name, CreateListFont(title.face, title.size, title.style), true) !=
           nullptr;
}

bool EndCategoryRename(bool keep) {
    return EndEdit(EditOwner::CategoryName, keep ? EditEnd::Keep : EditEnd::Drop);
}

}  // namespace tessel
