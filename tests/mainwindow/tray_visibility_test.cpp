// The tray icon, showing, hiding, maximising and the two window modes on
// the real main window, and the popup menus as platform menus.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "commands/popup_menu_win.h"
#include "process/program_title.h"
#include "shell/hot_key_win.h"
#include "shell/tray_icon_win.h"
#include "shell/window_visibility_win.h"
#include "tests/mainwindow/frame_fixture.h"

namespace tessel::test {
namespace {

// The platform adds WS_CLIPSIBLINGS to every top-level window.
constexpr DWORD kModeBits =
    ~static_cast<DWORD>(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE | WS_CLIPSIBLINGS);

class Visibility : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        AppSettings.TaskTray = 0;
        AppSettings.DispTrayIcon = 1;
        AppSettings.WindowMax = 0;
        ASSERT_NE(Create(), nullptr);
    }
    void TearDown() override {
        RemoveTrayIcon(frame_);
        AppSettings.TaskTray = 0;
        FrameTest::TearDown();
    }

    void Tray(UINT mouseMessage, WPARAM icon = kTrayIconId) {
        SendMessageA(frame_, kTrayNotifyMessage, icon, static_cast<LPARAM>(mouseMessage));
        PumpMessages();
    }
    bool Visible() const { return IsWindowVisible(frame_) != FALSE; }
    DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtrA(frame_, GWL_STYLE)); }
    DWORD ExStyle() const { return static_cast<DWORD>(GetWindowLongPtrA(frame_, GWL_EXSTYLE)); }
    // The next posted WM_COMMAND or WM_SYSCOMMAND to the frame, taken off
    // the queue before anyone obeys it; 0 when none.
    WPARAM PostedCommand(UINT message) {
        MSG msg;
        return PeekMessageA(&msg, frame_, message, message, PM_REMOVE) ? msg.wParam : 0;
    }
};

// Tests that hold whatever the system's ANSI code page: they run once more
// in a Western one (tests/CMakeLists.txt).
using AnyCodePageShell = Visibility;

// The first version of the UTF-16 record is what the shell gets, in either
// build: a size of 152 written for 32 bits would be wrong on 64 bits.
TEST_F(AnyCodePageShell, TrayRecordIsTheFirstVersionOfThisBuild) {
    const NOTIFYICONDATAW record = TrayIconRecord(frame_, kProgramTitle);
    EXPECT_EQ(record.cbSize, offsetof(NOTIFYICONDATAW, szTip) + 64 * sizeof(WCHAR));
    if (sizeof(void*) == 4) {
        EXPECT_EQ(record.cbSize, 152u);
    } else {
        EXPECT_GT(record.cbSize, 152u);
    }
    EXPECT_EQ(record.hWnd, frame_);
    EXPECT_EQ(record.uID, 100u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 0x800Bu);
    EXPECT_NE(record.hIcon, nullptr);
    EXPECT_EQ(std::wstring(record.szTip), L"\u3066\u3063\u305b\u308b\u30ea\u30b9\u30c8");

    // 63 characters at most, a double-byte one counted once.
    const std::string longTip(40, 'x');
    const NOTIFYICONDATAW cut = TrayIconRecord(
        frame_, (longTip + "あいうえおかきくけこさしすせそたちつてとなにぬねの").c_str());
    EXPECT_EQ(std::wstring(cut.szTip),
              std::wstring(40, L'x') + L"あいうえおかきくけこさしすせそたちつてとなにぬ");
    EXPECT_EQ(std::wstring(TrayIconRecord(frame_, nullptr).szTip), L"");
}

TEST_F(Visibility, IconIsAddedAndRemoved) {
    EXPECT_EQ(AddTrayIcon(frame_, "てっせるリスト"), 1);
    EXPECT_EQ(AddTrayIcon(frame_, "てっせるリスト"), 1);  // replaces itself
    EXPECT_EQ(RemoveTrayIcon(frame_), 1);
    EXPECT_EQ(RemoveTrayIcon(frame_), 0);
}

TEST_F(Visibility, TrayClicksShowAndHideInTrayMode) {
    ASSERT_EQ(ToggleTrayMode(), 1);
    ASSERT_TRUE(Visible());
    Tray(WM_LBUTTONDOWN);
    EXPECT_FALSE(Visible());
    EXPECT_EQ(WindowShown, 0);
    Tray(WM_LBUTTONDOWN);
    EXPECT_TRUE(Visible());
    EXPECT_EQ(WindowShown, 1);
    Tray(WM_LBUTTONDBLCLK);  // one more press: hidden again
    EXPECT_FALSE(Visible());
    Tray(WM_MBUTTONDOWN);
    EXPECT_TRUE(Visible());
    Tray(WM_MBUTTONDBLCLK);  // the middle button only ever shows
    EXPECT_TRUE(Visible());
    Tray(WM_LBUTTONDOWN, 101);  // not our icon
    EXPECT_TRUE(Visible());
}

TEST_F(Visibility, NothingMovesWhileAResizeRuns) {
    FrameMouse.sizingActive = true;
    EXPECT_EQ(HideMainWindow(), 0);
    EXPECT_EQ(ToggleMaximised(), 0);
    EXPECT_TRUE(Visible());
    EXPECT_EQ(AppSettings.WindowMax, 0);
    FrameMouse.sizingActive = false;
}

TEST_F(Visibility, MaximisingTwiceReturnsToTheExactRectangle) {
    MoveWindow(frame_, 37, 41, 333, 222, TRUE);
    RECT before{};
    GetWindowRect(frame_, &before);
    ASSERT_EQ(ToggleMaximised(), 1);
    PumpMessages();
    EXPECT_EQ(AppSettings.WindowMax, 1);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT maximised{};
    GetWindowRect(frame_, &maximised);
    EXPECT_TRUE(EqualRect(&maximised, &work));
    EXPECT_EQ(Style() & WS_MAXIMIZE, 0u);
    ASSERT_EQ(ToggleMaximised(), 1);
    PumpMessages();
    RECT after{};
    GetWindowRect(frame_, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(AppSettings.WindowMax, 0);
}

TEST_F(Visibility, ModeSwitchesSetTheStylesAndKeepAShownWindowShown) {
    EXPECT_EQ(Style() & kModeBits, kTaskbarModeStyle);
    ASSERT_EQ(ToggleTrayMode(), 1);
    PumpMessages();
    EXPECT_EQ(AppSettings.TaskTray, 1);
    EXPECT_EQ(Style() & kModeBits, kTrayModeStyle);
    EXPECT_EQ(ExStyle() & WS_EX_TOOLWINDOW, static_cast<DWORD>(WS_EX_TOOLWINDOW));
    EXPECT_TRUE(Visible());

    // Hidden in the tray, then back to the taskbar: shown again.
    ASSERT_EQ(HideMainWindow(), 1);
    EXPECT_FALSE(Visible());
    ASSERT_EQ(ToggleTrayMode(), 1);
    PumpMessages();
    EXPECT_EQ(AppSettings.TaskTray, 0);
    EXPECT_EQ(Style() & kModeBits, kTaskbarModeStyle);
    EXPECT_EQ(ExStyle() & WS_EX_TOOLWINDOW, 0u);
    EXPECT_TRUE(Visible());
    EXPECT_EQ(WindowShown, 1);
}

TEST_F(Visibility, HotKeyPostsWhatTheModeAsks) {
    PumpMessages();
    OnHotKey(frame_, kWindowHotKeyId + 1);  // not ours
    EXPECT_EQ(PostedCommand(WM_COMMAND), 0u);

    AppSettings.TaskTray = 1;
    WindowShown = 1;
    OnHotKey(frame_, kWindowHotKeyId);
    EXPECT_EQ(PostedCommand(WM_COMMAND), 41003u);
    WindowShown = 0;
    OnHotKey(frame_, kWindowHotKeyId);
    EXPECT_EQ(PostedCommand(WM_COMMAND), 32780u);

    AppSettings.TaskTray = 0;
    OnHotKey(frame_, kWindowHotKeyId);
    EXPECT_EQ(PostedCommand(WM_SYSCOMMAND), static_cast<WPARAM>(SC_RESTORE));
    WindowShown = 1;
    SetForegroundWindow(frame_);
    if (GetForegroundWindow() == frame_) {
        OnHotKey(frame_, kWindowHotKeyId);
        EXPECT_EQ(PostedCommand(WM_SYSCOMMAND), static_cast<WPARAM>(SC_MINIMIZE));
    }
}

// The platform menu carries the model's marks: radio mark, check, greying.
TEST_F(Visibility, PopupMenuCarriesTheModel) {
    AddCategory("one");
    AddCategory("two");
    AppStore.currentCategory = 1;
    AppSettings.WindowTop = 1;
    const MenuHandle menu = BuildPopupMenu(PopupMenuModel(PopupMenuKind::Frame, -1));
    ASSERT_TRUE(menu);
    EXPECT_EQ(GetMenuItemCount(menu.Get()), 12);
    EXPECT_EQ(GetMenuState(menu.Get(), 41004, MF_BYCOMMAND) & MF_CHECKED,
              static_cast<UINT>(MF_CHECKED));
    HMENU categories = GetSubMenu(menu.Get(), 4);
    ASSERT_NE(categories, nullptr);
    EXPECT_EQ(GetMenuItemCount(categories), 2);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
    ASSERT_TRUE(GetMenuItemInfoA(categories, 1, TRUE, &info));
    EXPECT_EQ(info.wID, 2u);
    EXPECT_NE(info.fType & MFT_RADIOCHECK, 0u);
    EXPECT_NE(info.fState & MFS_CHECKED, 0u);

    AppStore.categoryCount = 0;
    const MenuHandle item = BuildPopupMenu(PopupMenuModel(PopupMenuKind::Item, -1));
    EXPECT_EQ(GetMenuState(item.Get(), 41204, MF_BYCOMMAND) & MF_GRAYED,
              static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(GetMenuState(item.Get(), 41201, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

// The menus' texts reach the platform as UTF-16, whatever its code page:
// entries, category names and the key names after the TAB.
TEST_F(AnyCodePageShell, PopupMenuTextsAreUnicode) {
    AddCategory("牛乳と卵");
    AddCategory("ｶﾀｶﾅ");
    AppSettings.DispMenuKey = 1;
    const MenuHandle menu = BuildPopupMenu(PopupMenuModel(PopupMenuKind::Frame, -1));
    ASSERT_TRUE(menu);
    HMENU categories = GetSubMenu(menu.Get(), 4);
    ASSERT_NE(categories, nullptr);
    struct Case {
        HMENU menu;
        UINT position;
        const wchar_t* expected;
    } cases[] = {
        {menu.Get(), 0, L"\u65b0\u898f\u30ab\u30c6\u30b4\u30ea\u4f5c\u6210(&N)\tCtrl+Shift+N"},
        {menu.Get(), 4, L"\u30ab\u30c6\u30b4\u30ea\u9078\u629e(&S)"},
        {categories, 0, L"\u725b\u4e73\u3068\u5375\tCtrl+1"},
        {categories, 1, L"\uff76\uff80\uff76\uff85\tCtrl+2"},
    };
    for (const Case& c : cases) {
        wchar_t text[128] = {};
        const int length = GetMenuStringW(c.menu, c.position, text, 128, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(text), c.expected) << c.position;
        EXPECT_EQ(static_cast<std::size_t>(length), std::wstring(c.expected).size()) << c.position;
    }
}

TEST_F(Visibility, MenuChoicesGoToTheDispatcherButCategoriesAreSelected) {
    AddCategory("one");
    AddCategory("two");
    PumpMessages();
    CarryOutMenuChoice(PopupMenuKind::Item, 41205);
    EXPECT_EQ(PostedCommand(WM_COMMAND), 41205u);
    CarryOutMenuChoice(PopupMenuKind::Tray, 1);  // no category entries there
    EXPECT_EQ(PostedCommand(WM_COMMAND), 1u);
    CarryOutMenuChoice(PopupMenuKind::Frame, 2);
    EXPECT_EQ(PostedCommand(WM_COMMAND), 0u);
    EXPECT_EQ(AppStore.currentCategory, 1);
    CarryOutMenuChoice(PopupMenuKind::Frame, 0);  // cancelled
    EXPECT_EQ(PostedCommand(WM_COMMAND), 0u);
}

}  // namespace
}  // namespace tessel::test
