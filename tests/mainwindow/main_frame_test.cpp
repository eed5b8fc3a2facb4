// The real main window under Wine: creation over a data folder, its text,
// its size limits, system commands, timers and every way it ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "categorybar/bar_gradient.h"
#include "shell/hot_key_win.h"
#include "tests/app/message_box_watcher.h"
#include "tests/mainwindow/frame_fixture.h"

namespace tessel::test {
namespace {

// Three categories, every line with CR LF, as the program writes them (a
// separator has "SeparatorLength" dashes, 40).
const std::string kList =
    "買い物\r\n□牛乳\r\n\t■パン\r\n\r\n仕事\r\n◇報告書\r\n●会議\r\n\r\nHome\r\n□" +
    std::string(40, '-') + "\r\n";

RECT ChildRect(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int CountLines(const std::string& text) {
    int lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2)) {
        ++lines;
    }
    return lines;
}

using MainFrame = FrameTest;

TEST_F(MainFrame, OpensOverAnEmptyDataFolder) {
    ASSERT_NE(Create(), nullptr);
    EXPECT_EQ(MainFrameHandle, frame_);
    EXPECT_TRUE(IsWindowVisible(frame_));
    char title[64] = {};
    GetWindowTextA(frame_, title, sizeof title);
    EXPECT_STREQ(title, "てっせるリスト");
    EXPECT_EQ(AppStore.CountCategories(), 0);
    EXPECT_EQ(GetWindowLongA(frame_, GWL_STYLE) & WS_CAPTION, 0);

    // The off-screen image covers the client area; the list pane sits inside the frame.
    EXPECT_EQ(OffscreenWidth(), kWidth);
    EXPECT_EQ(OffscreenHeight(), kHeight);
    ASSERT_NE(ListPaneHandle, nullptr);
    EXPECT_EQ(GetParent(ListPaneHandle), frame_);
    RECT pane = ChildRect(frame_, ListPaneHandle);
    EXPECT_EQ(pane.left, 4);
    EXPECT_EQ(pane.top, 18 + 22);
    EXPECT_EQ(pane.right, kWidth - 4);
    EXPECT_EQ(pane.bottom, kHeight - 4);
    EXPECT_EQ(Pixel(kWidth / 2, kHeight / 2), AppLayout.WindowBack);
}

TEST_F(MainFrame, LoadsTheListAndTitlesTheCurrentCategory) {
    WriteFileBytes(DataFile("list.txt"), kList);
    AppStore.currentCategory = 1;  // "CategoryIndex" as system.ini gives it
    ASSERT_NE(Create(), nullptr);
    EXPECT_EQ(AppStore.categoryCount, 3);
    char title[64] = {};
    GetWindowTextA(frame_, title, sizeof title);
    EXPECT_STREQ(title, "仕事");
    EXPECT_EQ(TitleBuffer, "仕事");
    // Tabs were measured on the image with the category font.
    CategoryInfo info;
    ASSERT_TRUE(AppStore.GetCategory(2, info));
    SIZE extent{};
    GetTextExtentPoint32A(OffscreenDc(), "Home", 4, &extent);
    EXPECT_EQ(info.nameWidth, extent.cx);
    EXPECT_GT(info.nameWidth, 0);
    // The image shows the tabs read after it was first drawn: the size
    // message that follows creation redraws the whole frame.
    int tabPixels = 0;
    for (int y = 18; y < 18 + 22; ++y) {
        for (int x = 4; x < kWidth - 28; ++x) {
            tabPixels += Pixel(x, y) != GradientRowColour(AppLayout, true, y) ? 1 : 0;
        }
    }
    EXPECT_GT(tabPixels, 50);
}

TEST_F(MainFrame, GetTextTruncatesAndAnswersTheFullLength) {
    ASSERT_NE(Create(), nullptr);
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    // "てっせるリスト" is 14 bytes; 5 bytes of room hold two whole characters.
    EXPECT_EQ(SendMessageA(frame_, WM_GETTEXT, 6, reinterpret_cast<LPARAM>(buffer)), 14);
    EXPECT_STREQ(buffer, "てっ");
    EXPECT_EQ(buffer[5], 'x');
    EXPECT_EQ(SendMessageA(frame_, WM_GETTEXT, 15, reinterpret_cast<LPARAM>(buffer)), 14);
    EXPECT_STREQ(buffer, "てっせるリスト");
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(SendMessageA(frame_, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 14);
    EXPECT_EQ(buffer[0], 'x');

    SetTitleText(std::string(300, 'a'));
    EXPECT_EQ(TitleBuffer.size(), 255u);
    EXPECT_EQ(SendMessageA(frame_, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(buffer)), 255);
    EXPECT_EQ(std::string(buffer), std::string(15, 'a'));
}

TEST_F(MainFrame, MinimumTrackingSizeIsTheTitleBar) {
    ASSERT_NE(Create(), nullptr);
    MINMAXINFO info{};
    info.ptMaxSize = {11, 12};
    info.ptMaxPosition = {13, 14};
    info.ptMinTrackSize = {1, 1};
    info.ptMaxTrackSize = {5000, 5000};
    EXPECT_EQ(SendMessageA(frame_, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_EQ(info.ptMinTrackSize.x, 100);
    EXPECT_EQ(info.ptMinTrackSize.y, 18);
    EXPECT_EQ(info.ptMaxSize.x, 11);
    EXPECT_EQ(info.ptMaxPosition.y, 14);
    EXPECT_EQ(info.ptMaxTrackSize.x, 5000);
    // No structure: nothing happens.
    EXPECT_EQ(SendMessageA(frame_, WM_GETMINMAXINFO, 0, 0), 0);
    // Title bar heights from layout.ini that make no sense still give a sane least size.
    AppLayout.TitleBarHeight = 0;
    SendMessageA(frame_, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.y, 1);
    AppLayout.TitleBarHeight = 1000000;
    SendMessageA(frame_, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.y, kMaxLayoutPixels);
}

TEST_F(MainFrame, ResizeMovesTheListPaneAndRemakesTheImage) {
    ASSERT_NE(Create(), nullptr);
    SetWindowPos(frame_, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
    EXPECT_EQ(AppSettings.WindowWidth, 300);
    EXPECT_EQ(AppSettings.WindowHeight, 200);
    EXPECT_EQ(OffscreenWidth(), 300);
    EXPECT_EQ(OffscreenHeight(), 200);
    RECT pane = ChildRect(frame_, ListPaneHandle);
    EXPECT_EQ(pane.right, 296);
    EXPECT_EQ(pane.bottom, 196);
    // The right border line moved with the window.
    EXPECT_EQ(Pixel(299, 150), AppLayout.WindowBorderColour);
}

TEST_F(MainFrame, CloseWritesBothFilesAndEndsTheLoop) {
    WriteFileBytes(DataFile("list.txt"), kList);
    ASSERT_NE(Create(), nullptr);
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(frame_));
    EXPECT_EQ(PumpMessages(), 1) << "WM_DESTROY posts exactly one quit message";
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), kList);
    std::string settings = ReadFileBytes(DataFile("system.ini"));
    EXPECT_EQ(settings.rfind("[System]\r\nLeft=40\r\nTop=30\r\nWidth=400\r\nHeight=300\r\n", 0), 0u)
        << settings;
    EXPECT_EQ(CountLines(settings), 22);  // header, twenty keys, closing empty line
    EXPECT_EQ(AppStore.CountCategories(), 0);
    EXPECT_EQ(AppStore.currentItems, nullptr);
    EXPECT_EQ(OffscreenDc(), nullptr);
    EXPECT_EQ(MainFrameHandle, nullptr);
}

TEST_F(MainFrame, CancelledSessionEndLeavesAWorkingProgram) {
    WriteFileBytes(DataFile("list.txt"), kList);
    ASSERT_NE(Create(), nullptr);
    // The session may end: both files are saved at once...
    EXPECT_EQ(SendMessageA(frame_, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), kList);
    EXPECT_TRUE(FileExists(DataFile("system.ini")));
    // ...but nothing is let go of while the end may still be cancelled.
    EXPECT_EQ(AppStore.CountCategories(), 3);
    EXPECT_NE(OffscreenDc(), nullptr);
    EXPECT_TRUE(IsWindowVisible(frame_));

    SendMessageA(frame_, WM_ENDSESSION, FALSE, 0);
    PumpMessages();
    ASSERT_TRUE(IsWindow(frame_));
    EXPECT_EQ(AppStore.CountCategories(), 3);
    EXPECT_EQ(TitleBuffer, "買い物");

    // Later the user closes it: the list is written whole, not emptied.
    DeleteFileW(DataFile("list.txt").c_str());
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), kList);
}

TEST_F(MainFrame, SessionEndClosesLikeTheCloseButton) {
    WriteFileBytes(DataFile("list.txt"), kList);
    ASSERT_NE(Create(), nullptr);
    EXPECT_EQ(SendMessageA(frame_, WM_QUERYENDSESSION, 0, 0), TRUE);
    DeleteFileW(DataFile("list.txt").c_str());
    SendMessageA(frame_, WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(IsWindow(frame_));
    EXPECT_EQ(PumpMessages(), 1);
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), kList);
    EXPECT_EQ(AppStore.CountCategories(), 0);
}

TEST_F(MainFrame, UnreadableListIsReportedAndNotOverwritten) {
    WriteFileBytes(DataFile("list.txt"), kList);
    // Another program holds the file without sharing while the window starts.
    HANDLE held = CreateFileW(DataFile("list.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    {
        MessageBoxWatcher watcher;
        ASSERT_NE(Create(), nullptr);
        std::vector<SeenMessageBox> seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text,
                  "リストを作成することができません。\n\n処理内容：リストファイル読み込み");
        EXPECT_EQ(seen[0].caption.rfind("てっせるリスト", 0), 0u);
    }
    EXPECT_EQ(AppStore.CountCategories(), 0);
    {
        // Still held: the close cannot keep a copy, says so and asks.
        MessageBoxWatcher watcher;
        watcher.AnswerQuestions(IDYES);
        SendMessageA(frame_, WM_CLOSE, 0, 0);
        EXPECT_EQ(watcher.Seen().size(), 2u);
        EXPECT_FALSE(IsWindow(frame_));
    }
    CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), kList);
}

TEST_F(MainFrame, SystemCommands) {
    ASSERT_NE(Create(), nullptr);
    MSG msg;
    EXPECT_EQ(SendMessageA(frame_, WM_SYSCOMMAND, SC_MAXIMIZE, 0), 0);
    ASSERT_TRUE(PeekMessageA(&msg, frame_, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 41002u);
    EXPECT_EQ(SendMessageA(frame_, WM_SYSCOMMAND, SC_RESTORE, 0), 0);
    ASSERT_TRUE(PeekMessageA(&msg, frame_, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 32781u);
    // Taskbar mode: minimising is the system's, and the window is no longer shown.
    SendMessageA(frame_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    PumpMessages();
    EXPECT_EQ(WindowShown, 0);
    EXPECT_TRUE(IsIconic(frame_));
}

TEST_F(MainFrame, MinimiseInTrayModeHidesCompletely) {
    AppSettings.TaskTray = 1;
    ASSERT_NE(Create(), nullptr);
    EXPECT_TRUE(GetWindowLongA(frame_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(IsWindowVisible(frame_));
    EXPECT_EQ(SendMessageA(frame_, WM_SYSCOMMAND, SC_MINIMIZE, 0), 0);
    EXPECT_FALSE(IsWindowVisible(frame_));
    EXPECT_FALSE(IsIconic(frame_));
    EXPECT_EQ(WindowShown, 0);
}

TEST_F(MainFrame, ArrowTimerScrollsWhileAButtonIsHeld) {
    ASSERT_NE(Create(), nullptr);
    for (int i = 0; i < 12; ++i) {
        AddCategory("Category " + std::to_string(i));
    }
    BarMouse.pressedCategoryArrow = CategoryArrow::Right;
    SendMessageA(frame_, WM_TIMER, kArrowRepeatTimer, 0);
    SendMessageA(frame_, WM_TIMER, kArrowRepeatTimer, 0);
    EXPECT_EQ(AppSettings.ScrollIndex, 64);
    BarMouse.pressedCategoryArrow = CategoryArrow::Left;
    SendMessageA(frame_, WM_TIMER, kArrowRepeatTimer, 0);
    EXPECT_EQ(AppSettings.ScrollIndex, 32);
    BarMouse.pressedCategoryArrow = CategoryArrow::None;
    SendMessageA(frame_, WM_TIMER, kArrowRepeatTimer, 0);
    EXPECT_EQ(AppSettings.ScrollIndex, 32);
}

TEST_F(MainFrame, HotKeyIsRegisteredWithItsModifiers) {
    ASSERT_NE(Create(), nullptr);
    // Ctrl+Shift+F9 (0x0378) for the frame; the same combination is then taken.
    ASSERT_EQ(RegisterWindowHotKey(0x0378, kWindowHotKeyId, frame_), 1);
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT, VK_F9));
    EXPECT_EQ(RegisterWindowHotKey(0, kWindowHotKeyId, frame_), 0);  // unregisters
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT, VK_F9));
    UnregisterHotKey(nullptr, 1);
}

TEST_F(MainFrame, LayoutValuesOfZeroOrBelowOrHugeAreSurvived) {
    AppLayout.TitleBarHeight = 0;
    AppLayout.CategoryHeight = -5;
    AppLayout.CategoryMarginLeft = -100;
    AppLayout.WindowBorderWidth = -3;
    AppLayout.CloseButtonSize = 0;
    AppLayout.BoundaryHeight = -1;
    AppLayout.categoryFont.size = 1;
    ASSERT_NE(Create(), nullptr);
    AddCategory("a");
    DrawFrame();
    RECT pane = ChildRect(frame_, ListPaneHandle);
    EXPECT_GE(pane.right - pane.left, 0);
    EXPECT_GE(pane.bottom - pane.top, 0);
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    PumpMessages();

    // Bars taller than any window: drawing is bounded by the image.
    AppLayout.TitleBarHeight = 2000000000;
    AppLayout.CategoryHeight = 2000000000;
    AppLayout.BoundaryHeight = 2000000000;
    AppLayout.CategoryMarginLeft = 4;
    AppLayout.WindowBorderWidth = 4;
    DWORD start = GetTickCount();
    ASSERT_NE(Create(), nullptr);
    DrawFrame();
    EXPECT_LT(GetTickCount() - start, 10000u);
    pane = ChildRect(frame_, ListPaneHandle);
    EXPECT_EQ(pane.bottom - pane.top, 0);
}

}  // namespace
}  // namespace tessel::test
