#include "categorybar/category_bar_win.h"

#include "categorybar/bar_state.h"

#include "chrome/caption_win.h"
#include "chrome/offscreen_win.h"
#include "chrome/pane_placement_win.h"
#include "drawing/draw_primitives_win.h"
#include "listpane/item_commands_win.h"
#include "process/app_state_win.h"

namespace tessel {

void InvalidateFrame() {
    if (MainFrameHandle != nullptr) {
        InvalidateRect(MainFrameHandle, nullptr, FALSE);
    }
}

std::int32_t MeasureCategoryName(const std::string& name) {
    // The category font stays selected in the image between drawings.
    return OffscreenDc() != nullptr ? TextWidth932(OffscreenDc(), name) : 0;
}

void RemeasureCategoryNames() {
    // Without an image there is no font to measure with: the widths stay.
    const int count = OffscreenDc() != nullptr ? AppStore.CountCategories() : 0;
    CategoryInfo info;
    for (int i = 0; i < count && AppStore.GetCategory(i, info); ++i) {
        // The name stays as it is; only its width is new.
        AppStore.RenameCategory(i, info.name, MeasureCategoryName(info.name));
    }
    AppStore.RecalcTabWidth(AppLayout.CategorySpace);
}

CategoryStrip CurrentCategoryStrip() {
    CategoryStrip strip;
    const int count = AppStore.CountCategories();
    strip.tabWidths.reserve(static_cast<std::size_t>(count));
    CategoryInfo info;
    for (int i = 0; i < count && AppStore.GetCategory(i, info); ++i) {
        strip.tabWidths.push_back(TabWidth(info.nameWidth, AppLayout.CategorySpace));
    }
    strip.totalTabWidth = AppStore.totalTabWidth;
    strip.windowWidth = AppSettings.WindowWidth;
    strip.marginLeft = AppLayout.CategoryMarginLeft;
    strip.barTop = AppLayout.TitleBarHeight;
    strip.barHeight = AppLayout.CategoryHeight;
    strip.barShown = AppSettings.DispCategory == 1;
    strip.scrollIndex = AppSettings.ScrollIndex;
    strip.scale = AppScale();
    return strip;
}

BarScene CurrentBarScene() {
    BarScene scene;
    scene.layout = &AppLayout;
    scene.width = OffscreenWidth();
    scene.height = OffscreenHeight();
    scene.gradient = AppLayout.TitleGradient == 1;
    const int count = AppStore.CountCategories();
    scene.tabNames.reserve(static_cast<std::size_t>(count));
    CategoryInfo info;
    for (int i = 0; i < count && AppStore.GetCategory(i, info); ++i) {
        scene.strip.tabWidths.push_back(TabWidth(info.nameWidth, AppLayout.CategorySpace));
        scene.tabNames.push_back(std::move(info.name));
    }
    scene.strip.totalTabWidth = AppStore.totalTabWidth;
    scene.strip.windowWidth = scene.width;
    scene.strip.marginLeft = AppLayout.CategoryMarginLeft;
    scene.strip.barTop = AppLayout.TitleBarHeight;
    scene.strip.barHeight = AppLayout.CategoryHeight;
    scene.strip.barShown = AppSettings.DispCategory == 1;
    scene.strip.scrollIndex = AppSettings.ScrollIndex;
    scene.strip.scale = AppScale();
    scene.currentCategory = AppStore.currentCategory;
    scene.hoverCategory = BarMouse.hoverCategory;
    scene.pressedArrow = BarMouse.pressedCategoryArrow;
    scene.closePressed = BarMouse.closeButtonPressed;
    scene.dragActive = BarMouse.categoryDragActive;
    scene.dropIndex = BarMouse.categoryDropIndex;
    scene.title = TitleBuffer;
    scene.icon = TitleIcon();
    return scene;
}

void DrawFrame() {
    if (OffscreenDc() != nullptr) {
        PaintFrame(OffscreenDc(), CurrentBarScene(), OffscreenFonts());
    }
}

void DrawBars(int parts) {
    if (OffscreenDc() != nullptr) {
        PaintBars(OffscreenDc(), CurrentBarScene(), OffscreenFonts(), parts);
    }
}

void SetTitleText(std::string_view text) {
    SetCaption(text);
    DrawBars(kBarTitle);
    InvalidateFrame();
}

void LayoutPanes() {
    PlaceListPane();
    AppSettings.ScrollIndex = ClampStripScroll(CurrentCategoryStrip());
    UpdateListScroll(false);
}

void ScrollCategoryBar(bool toRight) {
    AppSettings.ScrollIndex = ScrollStripStep(CurrentCategoryStrip(), toRight);
    DrawBars(kBarCategory);
    InvalidateFrame();
}

void EnsureCategoryVisible(bool showCurrent) {
    AppSettings.ScrollIndex =
        EnsureTabVisible(CurrentCategoryStrip(), AppStore.currentCategory, showCurrent);
}

int HitTestCategoryTab(int x, int y) {
    if (AppStore.categoryCount <= 0) {
        return -1;
    }
    return HitTestTab(CurrentCategoryStrip(), x, y);
}

int CategoryDropIndex(int x) {
    if (AppSettings.DispCategory != 1 || AppStore.categoryCount <= 0) {
        return -1;
    }
    int direction = DropScrollDirection(CurrentCategoryStrip(), x);
    if (direction != 0) {
        ScrollCategoryBar(direction > 0);
    }
    return DropIndexAt(CurrentCategoryStrip(), x);
}

}  // namespace tessel
