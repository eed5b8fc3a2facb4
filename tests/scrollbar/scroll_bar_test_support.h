// A real parent window for scroll bars under test, what it receives, and
// message pumping. The parent records every WM_VSCROLL / WM_HSCROLL with
// whether it came through the queue (posted) and the position the bar
// answers at that moment.
#pragma once

#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "process/app_state_win.h"
#include "scrollbar/scroll_bar_pane_win.h"
#include "tests/harness/win_test_support.h"

namespace tessel::test {

struct Notification {
    UINT message = 0;
    WPARAM code = 0;
    LPARAM lParam = 0;
    bool posted = false;
    int posAtReceipt = 0;
};

inline std::vector<Notification> received;
inline bool dispatchingFromQueue = false;
inline HWND barUnderTest = nullptr;

inline LRESULT CALLBACK TestParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_VSCROLL || message == WM_HSCROLL) {
        const int pos = barUnderTest != nullptr ? GetScrollBarPos(barUnderTest) : -2;
        received.push_back({message, wParam, lParam, dispatchingFromQueue, pos});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

inline constexpr char kTestParentClass[] = "ScrollBarTestParent";

inline void RegisterTestClasses() {
    static bool done = false;
    if (done) {
        return;
    }
    ASSERT_TRUE(RegisterScrollBarPane(GetModuleHandleA(nullptr)));
    ASSERT_NE(RegisterTestParentClass(kTestParentClass, TestParentProc), 0);
    done = true;
}

// Dispatches everything queued, without waiting.
inline void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        dispatchingFromQueue = msg.message == WM_VSCROLL || msg.message == WM_HSCROLL;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        dispatchingFromQueue = false;
    }
}

// Dispatches messages (timers included) for about `ms` milliseconds.
inline void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        Pump();
    }
}

// Distinct colours, so that every pixel tells which rule painted it.
inline void SetTestColours(LayoutSettings& layout) {
    layout.ScrollTrackBack = RGB(0xF0, 0xF0, 0xF0);
    layout.ScrollButtonBack = RGB(0xE0, 0xE0, 0xE8);
    layout.ScrollBorder[0] = RGB(0xA1, 0x10, 0x10);
    layout.ScrollBorder[1] = RGB(0xA2, 0x20, 0x20);
    layout.ScrollBorder[2] = RGB(0xA3, 0x30, 0x30);
    layout.ScrollBorder[3] = RGB(0xA4, 0x40, 0x40);
    layout.ScrollSliderBack = RGB(0xAA, 0xE8, 0xFF);
    layout.ScrollSliderBorder[0] = RGB(0x10, 0x10, 0xB1);
    layout.ScrollSliderBorder[1] = RGB(0x20, 0x20, 0xB2);
    layout.ScrollSliderBorder[2] = RGB(0x30, 0x30, 0xB3);
    layout.ScrollSliderBorder[3] = RGB(0x40, 0x40, 0xB4);
    layout.ScrollArrowUp = RGB(0x33, 0x33, 0x33);
    layout.ScrollArrowDown = RGB(0x99, 0x77, 0x55);
}

// A visible parent 200 x 300 at (300, 200), shared by the tests of a suite
// (under Wine, destroying a visible top-level window takes about two
// seconds), with a fresh bar 16 x 200 at its right edge for each test:
// arrows of 16, 20 units with 4 per page (thumb 35 long).
class ScrollBarWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        RegisterTestClasses();
        parent_ = CreateWindowExA(0, kTestParentClass, "", WS_POPUP | WS_VISIBLE, 300, 200, 200,
                                  300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }

    static void TearDownTestSuite() {
        DestroyWindow(parent_);
        parent_ = nullptr;
        Pump();
    }

    void SetUp() override {
        ASSERT_NE(parent_, nullptr);
        SetTestColours(AppLayout);
        AppLayout.ScrollBarWidth = 16;
        SetCursorPos(5, 5);  // the real pointer stays off the windows
        bar_ = CreateScrollBarPane(parent_);
        ASSERT_NE(bar_, nullptr);
        barUnderTest = bar_;
        SetWindowPos(bar_, nullptr, 184, 0, 16, 200, SWP_NOZORDER | SWP_NOACTIVATE);
        SetScrollBarInfo(bar_, 19, 0, 4);
        ShowScrollBarPane(bar_, true);
        Pump();
        received.clear();
    }

    void TearDown() override {
        barUnderTest = nullptr;
        if (GetCapture() != nullptr) {
            ReleaseCapture();
        }
        DestroyWindow(bar_);
        Pump();
        received.clear();
    }

    const ScrollBarState& State() const { return *ScrollBarStateOf(bar_); }

    void Press(int x, int y, WPARAM keys = MK_LBUTTON) {
        PostMessageA(bar_, WM_LBUTTONDOWN, keys, MAKELPARAM(x, y));
        Pump();
    }
    void Move(int x, int y) {
        PostMessageA(bar_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
        Pump();
    }
    void Release(int x, int y) {
        PostMessageA(bar_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        Pump();
    }

    static inline HWND parent_ = nullptr;
    HWND bar_ = nullptr;
};

}  // namespace tessel::test
