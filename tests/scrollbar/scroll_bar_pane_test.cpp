// The "ScrollBarPane" window as a child of a real parent: its private
// messages, scroll requests, presses, drags, the repeat timer and the
// context menu, with the notifications the parent receives.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "scrollbar/scroll_bar_menu_win.h"
#include "scrollbar/scroll_menu_model.h"
#include "tests/scrollbar/scroll_bar_test_support.h"

namespace tessel::test {
namespace {

using ScrollBarPaneTest = ScrollBarWindowTest;

// Takes the notifications still queued for window, without dispatching.
std::vector<MSG> QueuedScrolls(HWND window) {
    std::vector<MSG> found;
    MSG msg;
    while (PeekMessageA(&msg, window, WM_HSCROLL, WM_VSCROLL, PM_REMOVE)) {
        found.push_back(msg);
    }
    return found;
}

TEST_F(ScrollBarPaneTest, CreatedHiddenWithItsDefaults) {
    HWND bar = CreateScrollBarPane(parent_);
    ASSERT_NE(bar, nullptr);
    char name[32] = {};
    GetClassNameA(bar, name, sizeof name);
    EXPECT_STREQ(name, "ScrollBarPane");
    EXPECT_EQ(GetDlgCtrlID(bar), 201);
    EXPECT_EQ(GetParent(bar), parent_);
    EXPECT_FALSE(IsWindowVisible(bar));
    EXPECT_EQ(GetClassLongPtrA(bar, GCL_STYLE) & CS_DBLCLKS, 0u);
    const ScrollBarState* state = ScrollBarStateOf(bar);
    ASSERT_NE(state, nullptr);
    EXPECT_TRUE(state->enabled);
    EXPECT_FALSE(state->horizontal);
    EXPECT_EQ(state->arrowLength, 16);
    EXPECT_EQ(state->repeatDelay, static_cast<int>(GetDoubleClickTime()));
    EXPECT_EQ(ScrollBarImageOf(bar), nullptr);  // zero size: no image
    DestroyWindow(bar);

    AppLayout.ScrollBarWidth = 0;  // a broken layout.ini
    bar = CreateScrollBarPane(parent_);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(ScrollBarStateOf(bar)->arrowLength, 1);
    DestroyWindow(bar);
}

TEST_F(ScrollBarPaneTest, PrivateMessagesAndResults) {
    ScrollInfoRecord info;
    info.unused = 99;
    info.maxPos = 30;
    info.pos = 7;
    info.pageSize = 9;
    EXPECT_EQ(SendMessageA(bar_, SBP_SETINFO, reinterpret_cast<WPARAM>(&info), 0), 1);
    EXPECT_EQ(State().maxPos, 30);
    EXPECT_EQ(State().pageSize, 9);
    EXPECT_EQ(State().minPos, 0);
    EXPECT_EQ(SendMessageA(bar_, SBP_GETPOS, 0, 0), 7);
    EXPECT_EQ(SendMessageA(bar_, SBP_SETINFO, 0, 0), 0);  // no record to read
    EXPECT_EQ(GetScrollBarPos(bar_), 7);

    // Stored as sent, even outside the range: the sender keeps it valid.
    EXPECT_EQ(SendMessageA(bar_, SBP_SETPOS, 40, 0), 0);
    EXPECT_EQ(GetScrollBarPos(bar_), 40);
    EXPECT_EQ(SendMessageA(bar_, SBP_SETPOS, static_cast<WPARAM>(-2), 0), 0);
    EXPECT_EQ(GetScrollBarPos(bar_), -2);

    EXPECT_EQ(SendMessageA(bar_, SBP_SETORIENTATION, 0, 0), 1);
    EXPECT_TRUE(State().horizontal);
    EXPECT_EQ(SendMessageA(bar_, SBP_SETORIENTATION, 5, 0), 1);
    EXPECT_FALSE(State().horizontal);

    EXPECT_EQ(SendMessageA(bar_, SBP_SHOW, 0, 0), 1);
    EXPECT_FALSE(IsWindowVisible(bar_));
    EXPECT_FALSE(State().shown);
    EXPECT_EQ(SendMessageA(bar_, SBP_SHOW, 3, 0), 1);
    EXPECT_TRUE(IsWindowVisible(bar_));
    EXPECT_TRUE(State().shown);

    EXPECT_EQ(SendMessageA(bar_, SBP_ENABLE, 0, 0), 1);
    EXPECT_FALSE(State().enabled);
    EXPECT_EQ(SendMessageA(bar_, SBP_ENABLE, 1, 0), 1);
    EXPECT_TRUE(State().enabled);

    EXPECT_EQ(SendMessageA(bar_, SBP_SETCORNER, 1, 123), 1);
    EXPECT_TRUE(State().reserveCorner);

    EXPECT_EQ(SendMessageA(bar_, SBP_SETARROWS, 1, -3), 1);
    EXPECT_TRUE(State().noArrows);
    EXPECT_EQ(State().arrowLength, 1);
    EXPECT_EQ(SendMessageA(bar_, SBP_SETARROWS, 0, 24), 1);
    EXPECT_FALSE(State().noArrows);
    EXPECT_EQ(State().arrowLength, 24);
    EXPECT_TRUE(QueuedScrolls(parent_).empty());  // settings are not moves
}

TEST_F(ScrollBarPaneTest, WithoutAStateRecordNothingHappens) {
    const LONG_PTR record = SetWindowLongPtrA(bar_, GWLP_USERDATA, 0);
    ASSERT_NE(record, 0);
    ScrollInfoRecord info;
    info.maxPos = 50;
    EXPECT_EQ(SendMessageA(bar_, SBP_SETINFO, reinterpret_cast<WPARAM>(&info), 0), 0);
    EXPECT_EQ(SendMessageA(bar_, SBP_SETORIENTATION, 0, 0), 0);
    EXPECT_EQ(SendMessageA(bar_, SBP_SHOW, 0, 0), 0);
    EXPECT_TRUE(IsWindowVisible(bar_));
    EXPECT_EQ(SendMessageA(bar_, SBP_ENABLE, 0, 0), 0);
    EXPECT_EQ(SendMessageA(bar_, SBP_SETPOS, 3, 0), 0);
    EXPECT_EQ(SendMessageA(bar_, SBP_GETPOS, 0, 0), -1);
    EXPECT_EQ(SendMessageA(bar_, SBP_SETCORNER, 1, 0), 0);
    EXPECT_EQ(SendMessageA(bar_, SBP_SETARROWS, 1, 5), 0);
    EXPECT_EQ(SendMessageA(bar_, WM_VSCROLL, SB_LINEDOWN, 0), 0);
    Press(8, 195);
    EXPECT_EQ(GetCapture(), nullptr);
    Pump();
    EXPECT_TRUE(received.empty());
    SetWindowLongPtrA(bar_, GWLP_USERDATA, record);
    // Nothing reached the record meanwhile.
    EXPECT_EQ(State().maxPos, 19);
    EXPECT_EQ(State().pos, 0);
    EXPECT_FALSE(State().horizontal);
    EXPECT_EQ(State().arrowLength, 16);
}

TEST_F(ScrollBarPaneTest, ScrollRequestsPostTheCodeAlone) {
    EXPECT_EQ(SendMessageA(bar_, WM_VSCROLL, SB_LINEDOWN, 0), 1);
    EXPECT_EQ(GetScrollBarPos(bar_), 1);
    // Posted: still queued when the request returns.
    std::vector<MSG> queued = QueuedScrolls(parent_);
    ASSERT_EQ(queued.size(), 1u);
    EXPECT_EQ(queued[0].message, static_cast<UINT>(WM_VSCROLL));
    EXPECT_EQ(queued[0].wParam, static_cast<WPARAM>(SB_LINEDOWN));
    EXPECT_EQ(queued[0].lParam, 0);

    // Only the low word is the code; the report carries no position.
    EXPECT_EQ(SendMessageA(bar_, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 77), 12345), 1);
    EXPECT_EQ(GetScrollBarPos(bar_), 5);
    EXPECT_EQ(SendMessageA(bar_, WM_HSCROLL, SB_BOTTOM, 0), 1);  // either message
    EXPECT_EQ(GetScrollBarPos(bar_), 15);
    EXPECT_EQ(SendMessageA(bar_, WM_VSCROLL, SB_LINEDOWN, 0), 1);  // at the end: still reported
    EXPECT_EQ(GetScrollBarPos(bar_), 15);
    EXPECT_EQ(SendMessageA(bar_, WM_VSCROLL, SB_PAGEUP, 0), 1);
    EXPECT_EQ(GetScrollBarPos(bar_), 11);
    EXPECT_EQ(SendMessageA(bar_, WM_VSCROLL, SB_TOP, 0), 1);
    EXPECT_EQ(GetScrollBarPos(bar_), 0);
    EXPECT_EQ(SendMessageA(bar_, WM_VSCROLL, SB_LINEUP, 0), 1);
    EXPECT_EQ(GetScrollBarPos(bar_), 0);
    // Codes that are no step: nothing happens, nothing is reported.
    EXPECT_EQ(SendMessageA(bar_, WM_VSCROLL, SB_THUMBTRACK, 0), 1);
    EXPECT_EQ(SendMessageA(bar_, WM_VSCROLL, SB_ENDSCROLL, 0), 1);
    queued = QueuedScrolls(parent_);
    const WPARAM codes[] = {SB_PAGEDOWN, SB_BOTTOM, SB_LINEDOWN, SB_PAGEUP, SB_TOP, SB_LINEUP};
    ASSERT_EQ(queued.size(), std::size(codes));
    for (std::size_t i = 0; i < queued.size(); ++i) {
        EXPECT_EQ(queued[i].message, static_cast<UINT>(WM_VSCROLL)) << i;
        EXPECT_EQ(queued[i].wParam, codes[i]) << i;
        EXPECT_EQ(queued[i].lParam, 0) << i;
    }

    // A horizontal bar reports with WM_HSCROLL.
    SendMessageA(bar_, SBP_SETORIENTATION, 0, 0);
    SendMessageA(bar_, WM_VSCROLL, SB_LINEDOWN, 0);
    Pump();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, static_cast<UINT>(WM_HSCROLL));
    EXPECT_TRUE(received[0].posted);
    EXPECT_EQ(received[0].posAtReceipt, 1);
}

TEST_F(ScrollBarPaneTest, PressesOnEachPart) {
    SendMessageA(bar_, SBP_SETPOS, 5, 0);  // thumb 60 .. 94
    const struct {
        int y;
        WPARAM code;
        int pos;
    } presses[] = {
        {5, SB_LINEUP, 4},      // line-up arrow (thumb now 51 .. 85)
        {30, SB_PAGEUP, 0},     // above the thumb
        {120, SB_PAGEDOWN, 4},  // below it
        {195, SB_LINEDOWN, 5},  // line-down arrow
    };
    for (const auto& press : presses) {
        received.clear();
        Press(8, press.y);
        EXPECT_EQ(GetCapture(), bar_) << press.y;
        EXPECT_EQ(GetScrollBarPos(bar_), press.pos) << press.y;
        ASSERT_EQ(received.size(), 1u) << press.y;
        EXPECT_EQ(received[0].code, press.code);
        EXPECT_TRUE(received[0].posted);
        EXPECT_EQ(received[0].posAtReceipt, press.pos);
        Release(8, press.y);
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_FALSE(State().upArrowPressed || State().downArrowPressed || State().trackPressed);
        EXPECT_EQ(State().pressedPart, PressedPart::None);
    }
    // The thumb: a drag begins, nothing is reported.
    received.clear();
    Press(8, 70);
    EXPECT_TRUE(State().thumbPressed);
    EXPECT_TRUE(State().dragging);
    EXPECT_EQ(GetCapture(), bar_);
    Release(8, 70);
    EXPECT_FALSE(State().dragging);
    EXPECT_EQ(GetScrollBarPos(bar_), 5);
    EXPECT_TRUE(received.empty());
}

TEST_F(ScrollBarPaneTest, PressHandsTheFocusToTheParent) {
    SetForegroundWindow(parent_);
    SetFocus(bar_);
    ASSERT_EQ(GetFocus(), bar_);
    Press(8, 195);
    EXPECT_EQ(GetFocus(), parent_);
    Release(8, 195);
}

TEST_F(ScrollBarPaneTest, ShiftPressJumpsAndDrags) {
    Press(8, 150, MK_LBUTTON | MK_SHIFT);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].code, static_cast<WPARAM>(SB_THUMBPOSITION));
    EXPECT_EQ(received[0].posAtReceipt, 13);
    EXPECT_TRUE(State().dragging);
    Move(8, 160);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[1].code, static_cast<WPARAM>(SB_THUMBTRACK));
    EXPECT_EQ(received[1].posAtReceipt, 14);
    Release(8, 160);
    EXPECT_EQ(received.size(), 2u);
    EXPECT_EQ(GetScrollBarPos(bar_), 14);
}

TEST_F(ScrollBarPaneTest, DragSuspendsFarBesideAndResumes) {
    Press(8, 30);  // 14 pixels into the thumb at 16
    Move(8, 74);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].code, static_cast<WPARAM>(SB_THUMBTRACK));
    EXPECT_EQ(received[0].posAtReceipt, 5);  // the position of the thumb as moved
    Move(9, 75);                             // same position: no report
    EXPECT_EQ(received.size(), 1u);
    Move(16 + 128, 74);  // 128 beside: still dragging
    EXPECT_EQ(received.size(), 1u);
    Move(16 + 129, 74);  // further: the thumb goes back
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[1].code, static_cast<WPARAM>(SB_THUMBTRACK));
    EXPECT_EQ(received[1].posAtReceipt, 0);
    Move(400, 150);
    Move(-200, 150);
    EXPECT_EQ(received.size(), 2u);
    Move(-128, 74);  // back within reach: the drag resumes
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[2].posAtReceipt, 5);
    // Another window takes the capture: the drag ends unreported where it is.
    SetCapture(parent_);
    Pump();
    EXPECT_FALSE(State().dragging);
    EXPECT_FALSE(State().thumbPressed);
    EXPECT_EQ(received.size(), 3u);
    EXPECT_EQ(GetScrollBarPos(bar_), 5);
    ReleaseCapture();
    // Moves without the capture change nothing.
    Move(8, 150);
    EXPECT_EQ(GetScrollBarPos(bar_), 5);
    EXPECT_EQ(received.size(), 3u);
}

TEST_F(ScrollBarPaneTest, HeldArrowRepeatsAfterTheDoubleClickTime) {
    SetScrollBarInfo(bar_, 999, 0, 4);
    const DWORD delay = static_cast<DWORD>(State().repeatDelay);
    Press(8, 195);
    EXPECT_EQ(GetScrollBarPos(bar_), 1);
    if (delay >= 200) {
        PumpFor(delay / 2);
        EXPECT_EQ(GetScrollBarPos(bar_), 1) << "no repeat before the double-click time";
    }
    PumpFor(delay + 500);
    const int held = GetScrollBarPos(bar_);
    // 500 ms of 20 ms repeats; a slow machine still manages a few.
    EXPECT_GE(held, 1 + 5);
    ASSERT_EQ(static_cast<int>(received.size()), held);
    EXPECT_TRUE(received[0].posted);
    for (std::size_t i = 1; i < received.size(); ++i) {
        EXPECT_EQ(received[i].code, static_cast<WPARAM>(SB_LINEDOWN)) << i;
        EXPECT_FALSE(received[i].posted) << i;  // repeats are sent
        EXPECT_EQ(received[i].posAtReceipt, static_cast<int>(i) + 1) << i;
    }
    // The release stops the timer.
    Release(8, 195);
    const int released = GetScrollBarPos(bar_);
    PumpFor(200);
    EXPECT_EQ(GetScrollBarPos(bar_), released);
    EXPECT_EQ(static_cast<int>(received.size()), released);
}

TEST_F(ScrollBarPaneTest, CaptureLossStopsTheRepeatUnreported) {
    SetScrollBarInfo(bar_, 999, 10, 4);
    Press(8, 5);
    EXPECT_EQ(GetScrollBarPos(bar_), 9);
    EXPECT_TRUE(State().upArrowPressed);
    ReleaseCapture();
    Pump();
    EXPECT_FALSE(State().upArrowPressed);
    PumpFor(static_cast<DWORD>(State().repeatDelay) + 200);
    EXPECT_EQ(GetScrollBarPos(bar_), 9);
    EXPECT_EQ(received.size(), 1u);
}

TEST_F(ScrollBarPaneTest, PagingPausesWhileTheThumbIsUnderThePointer) {
    POINT pointer{8, 120};
    ClientToScreen(bar_, &pointer);
    SetCursorPos(pointer.x, pointer.y);
    POINT actual{};
    GetCursorPos(&actual);
    ASSERT_EQ(actual.x, pointer.x);
    ASSERT_EQ(actual.y, pointer.y);
    Press(8, 120);
    EXPECT_EQ(GetScrollBarPos(bar_), 4);
    // Pages to 8, where the thumb (86 .. 120) reaches the pointer, and stays.
    PumpFor(static_cast<DWORD>(State().repeatDelay) + 500);
    EXPECT_EQ(GetScrollBarPos(bar_), 8);
    const std::size_t reports = received.size();
    EXPECT_EQ(reports, 2u);
    // With the pointer lower down the paging resumes, until the thumb
    // (122 .. 156 at 12) reaches it again.
    POINT lower{8, 140};
    ClientToScreen(bar_, &lower);
    SetCursorPos(lower.x, lower.y);
    PumpFor(500);
    EXPECT_EQ(GetScrollBarPos(bar_), 12);
    EXPECT_EQ(received.size(), 3u);
    Release(8, 120);
}

TEST_F(ScrollBarPaneTest, MenuGreying) {
    const auto greyed = [](HMENU menu, UINT id) {
        return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
    };
    MenuHandle menu = BuildScrollBarMenu(State());  // at position 0
    ASSERT_TRUE(menu);
    ASSERT_EQ(GetMenuItemCount(menu.Get()), 10);
    for (int separator : {1, 4, 7}) {
        EXPECT_NE(GetMenuState(menu.Get(), separator, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    }
    char text[64] = {};
    GetMenuStringA(menu.Get(), kScrollMenuJump, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "ここにスクロール");
    GetMenuStringA(menu.Get(), kScrollMenuLineDown, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "下にスクロール");
    EXPECT_FALSE(greyed(menu.Get(), 1));
    EXPECT_TRUE(greyed(menu.Get(), 2));
    EXPECT_FALSE(greyed(menu.Get(), 3));
    EXPECT_TRUE(greyed(menu.Get(), 4));
    EXPECT_FALSE(greyed(menu.Get(), 5));
    EXPECT_TRUE(greyed(menu.Get(), 6));
    EXPECT_FALSE(greyed(menu.Get(), 7));

    SendMessageA(bar_, SBP_SETPOS, 15, 0);  // the last position
    menu = BuildScrollBarMenu(State());
    ASSERT_TRUE(menu);
    for (UINT id = 1; id <= 7; ++id) {
        EXPECT_EQ(greyed(menu.Get(), id), id == 3 || id == 5 || id == 7) << id;
    }

    SetScrollBarInfo(bar_, 19, 5, 0);  // a page of 0
    menu = BuildScrollBarMenu(State());
    ASSERT_TRUE(menu);
    for (UINT id = 1; id <= 7; ++id) {
        EXPECT_EQ(greyed(menu.Get(), id), id == 1) << id;
    }

    SendMessageA(bar_, SBP_SETORIENTATION, 0, 0);
    menu = BuildScrollBarMenu(State());
    GetMenuStringA(menu.Get(), kScrollMenuTop, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "左の端");
}

TEST_F(ScrollBarPaneTest, MenuChoicesMoveAndReport) {
    POINT point{8, 150};
    ClientToScreen(bar_, &point);
    RunScrollBarMenuChoice(bar_, kScrollMenuJump, point);
    EXPECT_EQ(GetScrollBarPos(bar_), 13);
    RunScrollBarMenuChoice(bar_, kScrollMenuJump, point);  // already there: unreported
    RunScrollBarMenuChoice(bar_, kScrollMenuLineDown, point);
    EXPECT_EQ(GetScrollBarPos(bar_), 14);
    RunScrollBarMenuChoice(bar_, kScrollMenuTop, point);
    EXPECT_EQ(GetScrollBarPos(bar_), 0);
    RunScrollBarMenuChoice(bar_, kScrollMenuPageDown, point);
    EXPECT_EQ(GetScrollBarPos(bar_), 4);
    RunScrollBarMenuChoice(bar_, kScrollMenuBottom, point);
    EXPECT_EQ(GetScrollBarPos(bar_), 15);
    RunScrollBarMenuChoice(bar_, 0, point);  // cancelled
    EXPECT_EQ(GetScrollBarPos(bar_), 15);
    Pump();
    const WPARAM codes[] = {SB_THUMBPOSITION, SB_LINEDOWN, SB_TOP, SB_PAGEDOWN, SB_BOTTOM};
    ASSERT_EQ(received.size(), std::size(codes));
    for (std::size_t i = 0; i < received.size(); ++i) {
        EXPECT_EQ(received[i].code, codes[i]) << i;
        EXPECT_TRUE(received[i].posted) << i;
    }
}

// Closes whatever popup menu is tracking, noting that there was one.
bool menuSeen = false;
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (menu != nullptr && IsWindowVisible(menu)) {
        menuSeen = true;
    }
    EndMenu();
}

TEST_F(ScrollBarPaneTest, NoMenuWhileAButtonIsHeld) {
    SetForegroundWindow(parent_);
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, CloseMenu);
    ASSERT_NE(timer, 0u);
    Press(8, 30);  // on the thumb
    ASSERT_EQ(GetCapture(), bar_);
    menuSeen = false;
    EXPECT_EQ(SendMessageA(bar_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar_), 0), 0);
    EXPECT_FALSE(menuSeen);
    Release(8, 30);
    // Without the capture the menu comes up (and the timer closes it).
    menuSeen = false;
    SendMessageA(bar_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar_), 0);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(menuSeen);
    EXPECT_EQ(GetScrollBarPos(bar_), 0);
}

}  // namespace
}  // namespace tessel::test
