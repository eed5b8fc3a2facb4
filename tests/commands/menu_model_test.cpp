#include "commands/menu_model.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tessel {
namespace {

// Key names made visible: "K" and the key code in hexadecimal.
std::string FakeKeyName(std::int32_t keyCode) {
    char name[16];
    std::snprintf(name, sizeof name, "K%04X", static_cast<unsigned>(keyCode));
    return name;
}
const KeyNamer kKeyNames = FakeKeyName;

// "id/flags" per entry ("sub/flags" for a submenu, "-" for a separator);
// flags only when not 0.
std::string Summary(const MenuModel& menu) {
    std::string out;
    for (const MenuEntry& entry : menu) {
        std::string one = entry.IsSeparator() ? "-"
                          : entry.id == 0     ? "sub"
                                              : std::to_string(entry.id);
        if (entry.flags != 0) {
            one += "/" + std::to_string(entry.flags);
        }
        out += (out.empty() ? "" : " ") + one;
    }
    return out;
}

SystemSettings Settings(int dispMenuKey = 0) {
    SystemSettings settings;
    SetSystemDefaults(settings);
    settings.DispMenuKey = dispMenuKey;
    return settings;
}

void AddCategories(ListStore& store, int count) {
    for (int i = 0; i < count; ++i) {
        Category category;
        category.name = "c" + std::to_string(i);
        category.items = {Item{"a"}, Item{"b", ItemState::Strike},
                          Item{"c", ItemState::BoldChecked}, Item{"---", ItemState::Separator}};
        store.InsertCategory(std::move(category), -1);
    }
    store.categoryCount = count;
    store.currentCategory = count > 0 ? 0 : -1;
    store.currentItems = store.FindCategoryItems(0);
    store.itemCount = CountItems(store.currentItems);
}

TEST(MenuText, NamesTheShortcutOnlyWhenAskedAndKnown) {
    struct Case {
        int id, dispMenuKey;
        const char* expected;
    } cases[] = {
        {41101, 1, "x\tK034E"}, {41101, 0, "x"}, {41206, 1, "x\tK0156"}, {0, 1, "x"}, {1, 1, "x"},
        {41104, 1, "x\tK0131"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MenuText(c.id, "x", c.dispMenuKey, kKeyNames), c.expected) << c.id;
    }
}

TEST(FrameMenu, EntriesChecksAndGreying) {
    ListStore store;
    SystemSettings settings = Settings(1);
    settings.WindowTop = 1;
    settings.DispCategory = 0;
    settings.CheckMoveDown = 1;
    settings.TaskTray = 0;
    MenuModel menu = FrameMenu(store, settings, kKeyNames);
    EXPECT_EQ(Summary(menu),
              "41101 41102/1 41103/1 - sub/33 - 41004/2 41005 41006/2 41007 - 41001");
    EXPECT_EQ(menu[0].text, "新規カテゴリ作成(&N)\tK034E");
    EXPECT_EQ(menu[4].text, "カテゴリ選択(&S)");
    EXPECT_TRUE(menu[4].submenu.empty());
    EXPECT_EQ(menu[11].text, "終了(&X)\tK0473");

    AddCategories(store, 1);
    settings = Settings(0);
    settings.TaskTray = 1;
    menu = FrameMenu(store, settings, kKeyNames);
    EXPECT_EQ(Summary(menu), "41101 41102 41103 - sub/32 - 41004 41005/2 41006 41007/2 - 41001");
    EXPECT_EQ(menu[0].text, "新規カテゴリ作成(&N)");
    EXPECT_EQ(menu[9].text, "タスクトレイを使用(&B)");
}

TEST(FrameMenu, TwelveCategoriesNameTheFirstTenKeys) {
    ListStore store;
    AddCategories(store, 12);
    store.currentCategory = 10;
    const MenuModel menu = FrameMenu(store, Settings(1), kKeyNames);
    const MenuModel& categories = menu[4].submenu;
    EXPECT_EQ(Summary(categories), "1 2 3 4 5 6 7 8 9 10 11/4 12");
    EXPECT_EQ(categories[0].text, "c0\tK0131");
    EXPECT_EQ(categories[8].text, "c8\tK0139");
    EXPECT_EQ(categories[9].text, "c9\tK0130");
    EXPECT_EQ(categories[10].text, "c10");
    EXPECT_EQ(categories[11].text, "c11");
}

TEST(TrayMenu, Entries) {
    SystemSettings settings = Settings(1);
    settings.TaskTray = 1;
    const MenuModel menu = TrayMenu(settings, kKeyNames);
    EXPECT_EQ(Summary(menu), "41007/2 - 41001");
    EXPECT_EQ(menu[0].text, "タスクトレイを使用(&B)\tK0449");
}

TEST(ItemMenu, GreyingAndTextsByItem) {
    struct Case {
        int categories, position;
        bool clipboard;
        const char* summary;
        const char* cancelText;
        const char* emphasisText;
    } cases[] = {
        // Plain item; the clipboard decides the paste entry alone.
        {1, 0, true, "41201 41202 - 41204 41205 41206 41207 - 41208 41209 41210 - sub/32 sub/32",
         "取り消し(&S)", "強調(&B)"},
        {1, 0, false, "41201 41202 - 41204 41205 41206/1 41207 - 41208 41209 41210 - sub/32 sub/32",
         "取り消し(&S)", "強調(&B)"},
        {1, 1, true, "41201 41202 - 41204 41205 41206 41207 - 41208 41209 41210 - sub/32 sub/32",
         "取り消し解除(&S)", "強調(&B)"},
        {1, 2, true, "41201 41202 - 41204 41205 41206 41207 - 41208 41209 41210 - sub/32 sub/32",
         "取り消し(&S)", "強調解除(&B)"},
        // A separator greys text change and both styles.
        {1, 3, true,
         "41201 41202/1 - 41204 41205 41206 41207 - 41208/1 41209/1 41210 - sub/32 sub/32",
         "取り消し(&S)", "強調(&B)"},
        // No item: no focus row, past the end, no category.
        {1, -1, true,
         "41201 41202/1 - 41204/1 41205/1 41206 41207/1 - 41208/1 41209/1 41210 - sub/33 sub/33",
         "取り消し(&S)", "強調(&B)"},
        {1, 4, true,
         "41201 41202/1 - 41204/1 41205/1 41206 41207/1 - 41208/1 41209/1 41210 - sub/33 sub/33",
         "取り消し(&S)", "強調(&B)"},
        {0, 0, false,
         "41201 41202/1 - 41204/1 41205/1 41206/1 41207/1 - 41208/1 41209/1 41210 - sub/33 sub/33",
         "取り消し(&S)", "強調(&B)"},
    };
    for (const Case& c : cases) {
        ListStore store;
        AddCategories(store, c.categories);
        const MenuModel menu = ItemMenu(store, c.position, c.clipboard, Settings(0), kKeyNames);
        EXPECT_EQ(Summary(menu), c.summary) << c.position;
        EXPECT_EQ(menu[8].text, c.cancelText) << c.position;
        EXPECT_EQ(menu[9].text, c.emphasisText) << c.position;
    }
}

TEST(ItemMenu, SubmenusGreyTheirEntriesOnlyForSelection) {
    ListStore store;
    AddCategories(store, 1);
    MenuModel menu = ItemMenu(store, -1, true, Settings(1), kKeyNames);
    EXPECT_EQ(menu[12].text, "選択(&E)");
    EXPECT_EQ(Summary(menu[12].submenu), "41213/1 - 41214/1 41215/1 41216/1 41217/1");
    EXPECT_EQ(Summary(menu[13].submenu), "41218 41219 41220 41221 41222");
    EXPECT_EQ(menu[13].submenu[0].text, "チェックを付ける(&E)\tK0351");
    EXPECT_EQ(menu[13].submenu[3].text, "取り消し解除(&S)\tK0352");

    menu = ItemMenu(store, 0, true, Settings(1), kKeyNames);
    EXPECT_EQ(Summary(menu[12].submenu), "41213 - 41214 41215 41216 41217");
    EXPECT_EQ(menu[0].text, "新規項目(&N)\tK014E");
    EXPECT_EQ(menu[5].text, "貼り付け(&P)\tK0156");
}

}  // namespace
}  // namespace tessel
