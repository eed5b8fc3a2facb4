// The pane's window: creation, the outside readers' queries, keys, the
// wheel and the scroll bar's reports.
#include "listpane/list_pane_win.h"

#include <gtest/gtest.h>

#include "listpane/item_editor_win.h"
#include "pane_fixture.h"

namespace tessel::test {
namespace {

using ListPaneWindowTest = PaneTest;

TEST_F(ListPaneWindowTest, CreationMakesAHiddenScrollBarChildWithArrowsOfTheBarWidth) {
    ASSERT_NE(ScrollBarHandle, nullptr);
    EXPECT_EQ(GetParent(ScrollBarHandle), ListPaneHandle);
    EXPECT_EQ(GetDlgItem(ListPaneHandle, 201), ScrollBarHandle);
    EXPECT_FALSE(BarShown());
    EXPECT_EQ(ScrollBarStateOf(ScrollBarHandle)->arrowLength, 16);
    EXPECT_FALSE(ScrollBarStateOf(ScrollBarHandle)->noArrows);
    EXPECT_EQ(GetClassLongA(ListPaneHandle, GCL_STYLE) & CS_DBLCLKS,
              static_cast<DWORD>(CS_DBLCLKS));
    EXPECT_EQ(GetWindowLongA(ListPaneHandle, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN),
              WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
    EXPECT_EQ(ListPanePointerState().pressPoint.x, -1);
    EXPECT_EQ(ListPanePointerState().pressPoint.y, -1);
    EXPECT_EQ(SendMessageA(ListPaneHandle, WM_ERASEBKGND, 0, 0), 1);
}

TEST_F(ListPaneWindowTest, WithoutTheScrollBarClassThePaneIsNotCreated) {
    DestroyWindow(ListPaneHandle);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(UnregisterClassA(kScrollBarPaneClass, instance));
    EXPECT_EQ(CreateListPane(parent), 0);
    EXPECT_EQ(ListPaneHandle, nullptr);
    ASSERT_TRUE(RegisterScrollBarPane(instance));
    EXPECT_EQ(CreateListPane(parent), 1);
}

TEST_F(ListPaneWindowTest, OutsideReadersGetCountTextAndLength) {
    Load(ListFile({"買い物", "□牛乳", "\t■パン", "□"}));
    EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETCOUNT, 0, 0), 3);
    char text[64] = "xxxxxxxx";
    EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text)), 4);
    EXPECT_EQ(std::string(text), "パン");  // cp932 bytes, the NUL copied too
    EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETTEXTLEN, 0, 0), 4);
    EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETTEXTLEN, 2, 0), 0);
    EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETTEXT, 3, reinterpret_cast<LPARAM>(text)), LB_ERR);
    EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETTEXTLEN, 3, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETTEXT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(text)),
              LB_ERR);
    EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETTEXT, 0, 0), LB_ERR);  // no buffer
    ResetStore();
    EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETTEXTLEN, 0, 0), LB_ERR);
}

TEST_F(ListPaneWindowTest, ArrowKeysStopAtTheEndsAndShiftEndExtendsFromTheAnchor) {
    LoadWords("A B C D E F G H I J");
    Focus(0);
    Key(VK_UP);
    EXPECT_EQ(AppStore.focusIndex, 0);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(AppStore.focusIndex, 2);
    EXPECT_EQ(Selected(), "2");
    SetShift(true);
    Key(VK_END);
    SetShift(false);
    EXPECT_EQ(AppStore.focusIndex, 9);
    EXPECT_EQ(AppStore.anchorIndex, 2);
    EXPECT_EQ(Selected(), "2 3 4 5 6 7 8 9");
    EXPECT_EQ(AppStore.topIndex, 5);  // the focus row scrolled into view
    EXPECT_EQ(ScrollBarStateOf(ScrollBarHandle)->pos, 5);
    Key(VK_DOWN);
    EXPECT_EQ(AppStore.focusIndex, 9);
    Key(VK_HOME);
    EXPECT_EQ(AppStore.focusIndex, 0);
    EXPECT_EQ(Selected(), "0");
    EXPECT_EQ(AppStore.topIndex, 0);
}

TEST_F(ListPaneWindowTest, PageKeysPageThroughTheScrollBar) {
    LoadWords("A B C D E F G H I J K L");
    Focus(0);
    Key(VK_NEXT);
    Pump();  // the bar reports its new position
    EXPECT_EQ(AppStore.focusIndex, 4);
    EXPECT_EQ(AppStore.topIndex, 4);
    Key(VK_NEXT);
    Pump();
    EXPECT_EQ(AppStore.focusIndex, 8);
    EXPECT_EQ(AppStore.topIndex, 7);  // the bar stops at max - page
    Key(VK_PRIOR);
    Pump();
    EXPECT_EQ(AppStore.focusIndex, 4);
    EXPECT_EQ(AppStore.topIndex, 3);
}

TEST_F(ListPaneWindowTest, PageDownInAPaneOfOneRowDoesNothing) {
    LoadWords("A B C D E");
    Resize(kWidth, 22);
    Focus(1);
    Key(VK_NEXT);
    Pump();
    EXPECT_EQ(AppStore.focusIndex, 1);
    Key(VK_DOWN);
    EXPECT_EQ(AppStore.focusIndex, 2);
    EXPECT_EQ(AppStore.topIndex, 2);
}

TEST_F(ListPaneWindowTest, WheelScrollsTheConfiguredLinesAndPassesTheMessageOn) {
    LoadWords("A B C D E F G H I J");
    SendMessageA(ListPaneHandle, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)),
                 MAKELPARAM(10, 10));
    Pump();
    EXPECT_EQ(AppStore.topIndex, 3);
    // One message scrolls the same lines whatever its delta; the bar stops
    // at the end.
    SendMessageA(ListPaneHandle, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-1)),
                 MAKELPARAM(10, 10));
    Pump();
    EXPECT_EQ(AppStore.topIndex, 5);
    SendMessageA(ListPaneHandle, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(10, 10));
    Pump();
    EXPECT_EQ(AppStore.topIndex, 2);
    ASSERT_EQ(parentReceived.size(), 3u);
    EXPECT_EQ(parentReceived[0], static_cast<UINT>(WM_MOUSEWHEEL));
    EXPECT_EQ(AppStore.focusIndex, 0);  // scrolling leaves the focus row alone
}

TEST_F(ListPaneWindowTest, TheScrollBarsReportsMoveTheTopRow) {
    LoadWords("A B C D E F G H I J");
    SendMessageA(ScrollBarHandle, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(AppStore.topIndex, 0);  // reported through the queue
    Pump();
    EXPECT_EQ(AppStore.topIndex, 5);
    SendMessageA(ScrollBarHandle, WM_VSCROLL, SB_LINEUP, 0);
    Pump();
    EXPECT_EQ(AppStore.topIndex, 4);
}

TEST_F(ListPaneWindowTest, EditorColoursAndBrush) {
    HDC dc = CreateCompatibleDC(nullptr);
    itemEditTextColour = RGB(1, 2, 3);
    itemEditBackColour = RGB(4, 5, 6);
    const LRESULT brush =
        SendMessageA(ListPaneHandle, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_NE(brush, 0);
    LOGBRUSH info{};
    ASSERT_NE(GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof info, &info), 0);
    EXPECT_EQ(info.lbColor, AppLayout.ListSelectBack);
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
    DeleteDC(dc);
}

}  // namespace
}  // namespace tessel::test
