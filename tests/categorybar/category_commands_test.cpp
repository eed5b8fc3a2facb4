// The category commands on the real main window, and the store after them:
// create, delete, select, move and the rename box with its keys.
#include "categorybar/category_commands_win.h"
#include "categorybar/category_rename_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "categorybar/category_rules.h"
#include "tests/app/message_box_watcher.h"
#include "tests/mainwindow/frame_fixture.h"

namespace tessel::test {
namespace {

class CategoryCommands : public FrameTest {
  protected:
    // The frame over categories of the given sizes, named C0, C1, ..., the
    // first one current.
    void CreateWith(const std::vector<int>& itemCounts) {
        ASSERT_NE(Create(), nullptr);
        for (std::size_t i = 0; i < itemCounts.size(); ++i) {
            AddCategory("C" + std::to_string(i));
            for (int n = 0; n < itemCounts[i]; ++n) {
                Item item;
                item.text = "item" + std::to_string(n);
                InsertItem(AppStore.FindCategoryItems(static_cast<int>(i)), item, -1);
            }
        }
        AppStore.focusIndex = 0;
        ASSERT_EQ(SelectCategory(0), 1);
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        CategoryInfo info;
        for (int i = 0; AppStore.GetCategory(i, info); ++i) {
            names.push_back(info.name);
        }
        return names;
    }

    std::string Title() const {
        char title[300] = {};
        GetWindowTextA(frame_, title, sizeof title);
        return title;
    }

    // Types text into the open rename box and ends it with a key.
    void RenameWith(const std::string& text, UINT message, WPARAM key) {
        ASSERT_EQ(BeginCategoryRename(AppStore.currentCategory), 1);
        HWND box = CategoryRenameBox();
        ASSERT_NE(box, nullptr);
        SetWindowTextA(box, text.c_str());
        SendMessageA(box, message, key, 0);
        PumpMessages();
    }
};

TEST_F(CategoryCommands, NewCategoryIsAppendedCurrentInViewAndRenamed) {
    CreateWith(std::vector<int>(20, 2));
    ASSERT_EQ(NewCategory(), 1);
    EXPECT_EQ(AppStore.categoryCount, 21);
    EXPECT_EQ(AppStore.currentCategory, 20);
    EXPECT_EQ(Names().back(), kNewCategoryName);
    EXPECT_EQ(Title(), "新規カテゴリ");
    EXPECT_EQ(AppStore.itemCount, 0);
    EXPECT_EQ(AppStore.focusIndex, -1);
    // Twenty tabs overflow the 400-pixel bar: the strip scrolled to the new one.
    EXPECT_GT(AppSettings.ScrollIndex, 0);
    // The posted rename command opens the box over the title.
    PumpMessages();
    HWND box = CategoryRenameBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(IsWindowVisible(box));
    EXPECT_EQ(GetFocus(), box);
    EXPECT_EQ(ActiveAccelerators, nullptr);
    RECT r{};
    GetWindowRect(box, &r);
    MapWindowPoints(nullptr, frame_, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 22);
    EXPECT_EQ(r.right, kWidth - 1 - 16 - 1);
    EXPECT_EQ(r.top, (18 - AppLayout.titleFont.size) / 2 + 1);
    EXPECT_EQ(r.bottom - r.top, AppLayout.titleFont.size + 1);
}

TEST_F(CategoryCommands, DeleteMakesTheNeighbourCurrent) {
    AppSettings.DeleteCheck = 0;
    CreateWith({1, 2, 3});
    SelectCategory(1);
    ASSERT_EQ(DeleteCategory(1), 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"C0", "C2"}));
    EXPECT_EQ(AppStore.currentCategory, 1);  // the right neighbour
    EXPECT_EQ(Title(), "C2");
    EXPECT_EQ(AppStore.itemCount, 3);
    ASSERT_EQ(DeleteCategory(1), 1);  // the last: its left neighbour
    EXPECT_EQ(AppStore.currentCategory, 0);
    EXPECT_EQ(Title(), "C0");
    EXPECT_EQ(DeleteCategory(1), 0);
    EXPECT_EQ(DeleteCategory(-1), 0);
    ASSERT_EQ(DeleteCategory(0), 1);  // the only one: the empty state
    EXPECT_EQ(AppStore.categoryCount, 0);
    EXPECT_EQ(AppStore.totalTabWidth, 0);
    EXPECT_EQ(Title(), "てっせるリスト");
    EXPECT_EQ(AppStore.currentItems, nullptr);
    EXPECT_EQ(AppStore.itemCount, 0);
    EXPECT_EQ(AppStore.focusIndex, -1);
    EXPECT_EQ(DeleteCategory(0), 0);
}

TEST_F(CategoryCommands, DeleteAsksFirstWithDeleteCheck) {
    AppSettings.DeleteCheck = 1;
    CreateWith({1, 1});
    MessageBoxWatcher watcher;  // presses OK
    ASSERT_EQ(DeleteCategory(0), 1);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].caption, "カテゴリ削除確認");
    EXPECT_EQ(watcher.Seen()[0].text, "「C0」を削除してよろしいですか？");
    EXPECT_EQ(Names(), (std::vector<std::string>{"C1"}));
}

TEST_F(CategoryCommands, SelectCarriesTheFocusOver) {
    CreateWith({9, 3, 0});
    AppStore.focusIndex = 7;
    (*AppStore.currentItems)[7].selected = true;
    ASSERT_EQ(SelectCategory(1), 1);
    EXPECT_FALSE((*AppStore.FindCategoryItems(0))[7].selected) << "the left list is deselected";
    EXPECT_EQ(AppStore.focusIndex, 2);
    EXPECT_EQ(AppStore.anchorIndex, 2);
    EXPECT_TRUE((*AppStore.currentItems)[2].selected);
    EXPECT_EQ(AppStore.itemCount, 3);
    EXPECT_EQ(Title(), "C1");
    ASSERT_EQ(SelectCategory(2), 1);
    EXPECT_EQ(AppStore.focusIndex, -1);
    EXPECT_EQ(AppStore.anchorIndex, -1);
    // Before the first and after the last: nothing.
    EXPECT_EQ(SelectCategory(3), 0);
    EXPECT_EQ(SelectCategory(-1), 0);
    EXPECT_EQ(AppStore.currentCategory, 2);
}

TEST_F(CategoryCommands, MoveGoesOnePlaceAndStopsAtTheEnds) {
    CreateWith({1, 1, 1});
    EXPECT_EQ(MoveCategory(CategoryDirection::Left), 0);
    ASSERT_EQ(MoveCategory(CategoryDirection::Right), 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"C1", "C0", "C2"}));
    EXPECT_EQ(AppStore.currentCategory, 1);
    ASSERT_EQ(MoveCategory(CategoryDirection::Right), 1);
    EXPECT_EQ(AppStore.currentCategory, 2);
    EXPECT_EQ(MoveCategory(CategoryDirection::Right), 0);
    ASSERT_EQ(MoveCategory(CategoryDirection::Left), 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"C1", "C0", "C2"}));
    EXPECT_EQ(AppStore.currentCategory, 1);
    EXPECT_EQ(Title(), "C0");
}

TEST_F(CategoryCommands, RenameKeysCommitOrCancel) {
    CreateWith({1});
    const int width = AppStore.totalTabWidth;
    RenameWith("Shopping list", WM_CHAR, '\r');
    EXPECT_EQ(CategoryRenameBox(), nullptr);
    EXPECT_EQ(Names()[0], "Shopping list");
    EXPECT_EQ(Title(), "Shopping list");
    EXPECT_GT(AppStore.totalTabWidth, width);
    EXPECT_EQ(ActiveAccelerators, AcceleratorHandle);
    EXPECT_EQ(GetFocus(), ListPaneHandle);

    RenameWith("Discarded", WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(CategoryRenameBox(), nullptr);
    EXPECT_EQ(Names()[0], "Shopping list");
    EXPECT_EQ(Title(), "Shopping list");

    RenameWith("\t■", WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(Names()[0], kNewCategoryName);

    RenameWith("■■Work", WM_CHAR, '\r');
    EXPECT_EQ(Names()[0], "Work");
    RenameWith("  ", WM_CHAR, '\r');
    EXPECT_EQ(Names()[0], "  ");

    // Losing the focus keeps the name too.
    ASSERT_EQ(BeginCategoryRename(0), 1);
    SetWindowTextA(CategoryRenameBox(), "Home");
    SetFocus(ListPaneHandle);
    PumpMessages();
    EXPECT_EQ(CategoryRenameBox(), nullptr);
    EXPECT_EQ(Names()[0], "Home");
}

TEST_F(CategoryCommands, RenameOpensOnceAndOnlyInRange) {
    CreateWith({1, 1});
    EXPECT_EQ(BeginCategoryRename(2), 0);
    EXPECT_EQ(BeginCategoryRename(-1), 0);
    ASSERT_EQ(BeginCategoryRename(1), 1);
    EXPECT_EQ(BeginCategoryRename(1), 0);
    // Tab typed as a character is swallowed; Ctrl+A selects everything.
    HWND box = CategoryRenameBox();
    SendMessageA(box, EM_SETSEL, 0, 0);
    SendMessageA(box, WM_CHAR, '\t', 0);
    char text[16] = {};
    GetWindowTextA(box, text, sizeof text);
    EXPECT_STREQ(text, "C1");
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(box, WM_KEYDOWN, 'A', 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    DWORD start = 1;
    DWORD end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 2u);
    EXPECT_EQ(EndCategoryRename(0), 1);
    EXPECT_EQ(EndCategoryRename(1), 1) << "nothing open";
    EXPECT_EQ(Names()[1], "C1");
}

// The input method's state is carried from one edit box to the next.
TEST_F(CategoryCommands, RenameRemembersTheInputMethod) {
    CreateWith({1});
    HIMC context = ImmGetContext(frame_);
    if (context == nullptr) {
        GTEST_SKIP() << "no input context";
    }
    rememberedImeOpen = 1;
    ASSERT_EQ(BeginCategoryRename(0), 1);
    EXPECT_TRUE(ImmGetOpenStatus(context));
    ImmSetOpenStatus(context, FALSE);
    EXPECT_EQ(EndCategoryRename(1), 1);
    EXPECT_EQ(rememberedImeOpen, 0);
    ASSERT_EQ(BeginCategoryRename(0), 1);
    ImmSetOpenStatus(context, TRUE);
    EXPECT_EQ(EndCategoryRename(0), 1);
    EXPECT_EQ(rememberedImeOpen, 1);
    EXPECT_FALSE(ImmGetOpenStatus(context)) << "closed when the edit ends";
    ImmReleaseContext(frame_, context);
}

}  // namespace
}  // namespace tessel::test
