// The mouse on the real main window, driven by sent mouse messages: tab
// presses and drags, Esc, the arrow buttons, the close button, hover and the
// tray mode's hit test.
#include "mainwindow/frame_mouse_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "categorybar/category_commands_win.h"
#include "categorybar/category_rename_win.h"
#include "categorybar/category_strip.h"
#include "tests/mainwindow/frame_fixture.h"

namespace tessel::test {
namespace {

constexpr int kBarY = 18 + 11;  // the middle of the category bar

class FrameMouseTest : public FrameTest {
  protected:
    void CreateWith(const std::vector<std::string>& names) {
        ASSERT_NE(Create(), nullptr);
        for (const std::string& name : names) {
            AddCategory(name);
        }
        SelectCategory(0);
    }

    // x of a point in drawn tab i at fraction/4 of its width.
    int TabX(int index, int quarter = 2) const {
        for (const PlacedTab& tab : PlaceTabs(CurrentCategoryStrip()).tabs) {
            if (tab.index == index) {
                return tab.left + tab.width * quarter / 4;
            }
        }
        ADD_FAILURE() << "tab " << index << " is not drawn";
        return -1;
    }

    void Send(UINT message, int x, int y, WPARAM wParam = 0) {
        SendMessageA(frame_, message, wParam, MAKELPARAM(x, y));
    }

    std::string Order() const {
        std::string order;
        CategoryInfo info;
        for (int i = 0; AppStore.GetCategory(i, info); ++i) {
            order += info.name.substr(0, 1);
        }
        return order;
    }
};

const std::vector<std::string> kFour = {"Alpha", "Bravo", "Charlie", "Delta"};

TEST_F(FrameMouseTest, DraggingATabDropsItAtTheMarker) {
    CreateWith(kFour);
    Send(WM_LBUTTONDOWN, TabX(0), kBarY, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), frame_);
    Send(WM_MOUSEMOVE, TabX(1), kBarY, MK_LBUTTON);
    EXPECT_TRUE(BarMouse.categoryDragActive);
    EXPECT_EQ(GetFocus(), frame_) << "so that Esc reaches the frame";
    // The right half of Charlie inserts after it.
    Send(WM_MOUSEMOVE, TabX(2, 3), kBarY, MK_LBUTTON);
    EXPECT_EQ(BarMouse.categoryDropIndex, 3);
    Send(WM_LBUTTONUP, TabX(2, 3), kBarY);
    EXPECT_EQ(Order(), "BCAD");
    EXPECT_EQ(AppStore.currentCategory, 2) << "the moved tab stays current";
    EXPECT_FALSE(BarMouse.categoryDragActive);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), ListPaneHandle);

    // Dragged leftwards onto the left half of the first tab.
    Send(WM_LBUTTONDOWN, TabX(3), kBarY, MK_LBUTTON);
    EXPECT_EQ(AppStore.currentCategory, 3) << "a press selects";
    // The move that starts a drag marks the tab's own place.
    Send(WM_MOUSEMOVE, TabX(2), kBarY, MK_LBUTTON);
    EXPECT_EQ(BarMouse.categoryDropIndex, 3);
    Send(WM_MOUSEMOVE, TabX(0, 1), kBarY, MK_LBUTTON);
    Send(WM_LBUTTONUP, TabX(0, 1), kBarY);
    EXPECT_EQ(Order(), "DBCA");
    EXPECT_EQ(AppStore.currentCategory, 0);
}

TEST_F(FrameMouseTest, APressWithoutDraggingOnlySelects) {
    CreateWith(kFour);
    Send(WM_LBUTTONDOWN, TabX(2), kBarY, MK_LBUTTON);
    Send(WM_LBUTTONUP, TabX(2), kBarY);
    EXPECT_EQ(Order(), "ABCD");
    EXPECT_EQ(AppStore.currentCategory, 2);
    // Dropped on its own place or just after it: nothing moves.
    Send(WM_LBUTTONDOWN, TabX(2), kBarY, MK_LBUTTON);
    Send(WM_MOUSEMOVE, TabX(2, 3), kBarY, MK_LBUTTON);
    Send(WM_LBUTTONUP, TabX(2, 3), kBarY);
    EXPECT_EQ(Order(), "ABCD");
    EXPECT_EQ(AppStore.currentCategory, 2);
}

TEST_F(FrameMouseTest, EscCancelsADrag) {
    CreateWith(kFour);
    Send(WM_LBUTTONDOWN, TabX(0), kBarY, MK_LBUTTON);
    Send(WM_MOUSEMOVE, TabX(3, 3), kBarY, MK_LBUTTON);
    ASSERT_TRUE(BarMouse.categoryDragActive);
    SendMessageA(frame_, WM_CHAR, VK_ESCAPE, 0);
    EXPECT_FALSE(BarMouse.categoryDragActive);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), ListPaneHandle);
    Send(WM_LBUTTONUP, TabX(3, 3), kBarY);
    EXPECT_EQ(Order(), "ABCD");
}

TEST_F(FrameMouseTest, ADragScrollsTheStripAtItsEndsAndWithTheWheel) {
    std::vector<std::string> many;
    for (int i = 0; i < 12; ++i) {
        many.push_back("Category" + std::to_string(i));
    }
    CreateWith(many);
    Send(WM_LBUTTONDOWN, TabX(0), kBarY, MK_LBUTTON);
    Send(WM_MOUSEMOVE, TabX(1), kBarY, MK_LBUTTON);
    ASSERT_TRUE(BarMouse.categoryDragActive);
    Send(WM_MOUSEMOVE, kWidth - 10, kBarY, MK_LBUTTON);
    EXPECT_EQ(AppSettings.ScrollIndex, 32);
    Send(WM_MOUSEMOVE, kWidth - 10, kBarY, MK_LBUTTON);
    EXPECT_EQ(AppSettings.ScrollIndex, 64);
    SendMessageA(frame_, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(AppSettings.ScrollIndex, 96);
    SendMessageA(frame_, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(AppSettings.ScrollIndex, 64);
    Send(WM_MOUSEMOVE, 2, kBarY, MK_LBUTTON);
    EXPECT_EQ(AppSettings.ScrollIndex, 32);
    SendMessageA(frame_, WM_CHAR, VK_ESCAPE, 0);
    // Without a drag the wheel leaves the strip alone.
    SendMessageA(frame_, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(AppSettings.ScrollIndex, 32);
}

TEST_F(FrameMouseTest, ArrowButtonsRepeatWhileHeld) {
    std::vector<std::string> many(12, "Category");
    CreateWith(many);
    Send(WM_LBUTTONDOWN, kWidth - 5, kBarY, MK_LBUTTON);
    EXPECT_EQ(BarMouse.pressedCategoryArrow, CategoryArrow::Right);
    SendMessageA(frame_, WM_TIMER, kArrowRepeatTimer, 0);
    SendMessageA(frame_, WM_TIMER, kArrowRepeatTimer, 0);
    EXPECT_EQ(AppSettings.ScrollIndex, 64);
    Send(WM_LBUTTONUP, kWidth - 5, kBarY);
    EXPECT_EQ(BarMouse.pressedCategoryArrow, CategoryArrow::None);
    SendMessageA(frame_, WM_TIMER, kArrowRepeatTimer, 0);
    EXPECT_EQ(AppSettings.ScrollIndex, 64);
    // 13 pixels into the area is the right button for a click, the left one
    // for a double click.
    Send(WM_LBUTTONDBLCLK, kWidth - 28 + 13, kBarY, MK_LBUTTON);
    EXPECT_EQ(BarMouse.pressedCategoryArrow, CategoryArrow::Left);
    SendMessageA(frame_, WM_TIMER, kArrowRepeatTimer, 0);
    EXPECT_EQ(AppSettings.ScrollIndex, 32);
    Send(WM_LBUTTONUP, kWidth - 28 + 13, kBarY);
}

TEST_F(FrameMouseTest, DoubleClickOnATabRenamesIt) {
    CreateWith(kFour);
    Send(WM_LBUTTONDOWN, TabX(1), kBarY, MK_LBUTTON);
    Send(WM_LBUTTONUP, TabX(1), kBarY);
    Send(WM_LBUTTONDBLCLK, TabX(1), kBarY, MK_LBUTTON);
    Send(WM_LBUTTONUP, TabX(1), kBarY);
    PumpMessages();
    ASSERT_NE(CategoryRenameBox(), nullptr);
    // Any press on the frame commits it.
    SetWindowTextA(CategoryRenameBox(), "Beta");
    Send(WM_RBUTTONDOWN, 200, 200, MK_RBUTTON);
    EXPECT_EQ(CategoryRenameBox(), nullptr);
    EXPECT_EQ(Order(), "ABCD");
    CategoryInfo info;
    AppStore.GetCategory(1, info);
    EXPECT_EQ(info.name, "Beta");
}

TEST_F(FrameMouseTest, CloseButtonActsOnlyWhenReleasedOverIt) {
    CreateWith(kFour);
    const int x = kWidth - 1 - 8;
    Send(WM_LBUTTONDOWN, x, 8, MK_LBUTTON);
    EXPECT_TRUE(BarMouse.closeButtonPressed);
    EXPECT_EQ(Pixel(x, 9), AppLayout.ButtonDown);
    Send(WM_MOUSEMOVE, 200, 100, MK_LBUTTON);
    EXPECT_FALSE(BarMouse.closeButtonPressed);
    Send(WM_LBUTTONUP, 200, 100);
    EXPECT_FALSE(FrameMouse.closeButtonCaptured);
    PumpMessages();
    EXPECT_TRUE(IsWindow(frame_));
    EXPECT_EQ(Pixel(x, 9), AppLayout.ButtonUp);
}

TEST_F(FrameMouseTest, HoverFollowsTheMouseUntilItLeaves) {
    CreateWith(kFour);
    Send(WM_MOUSEMOVE, TabX(2), kBarY);
    EXPECT_EQ(BarMouse.hoverCategory, 2);
    EXPECT_TRUE(FrameMouse.hoverTracking);
    Send(WM_MOUSEMOVE, 200, 200);
    EXPECT_EQ(BarMouse.hoverCategory, -1);
    SendMessageA(frame_, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(BarMouse.hoverCategory, -2);
    EXPECT_FALSE(FrameMouse.hoverTracking);
    // Without a category bar there is nothing to hover or press.
    const int x = TabX(2);
    AppSettings.DispCategory = 0;
    Send(WM_MOUSEMOVE, x, kBarY);
    EXPECT_EQ(BarMouse.hoverCategory, -2);
    Send(WM_LBUTTONDOWN, x, kBarY, MK_LBUTTON);
    Send(WM_LBUTTONUP, x, kBarY);
    EXPECT_EQ(AppStore.currentCategory, 0);
}

TEST_F(FrameMouseTest, TrayModeAnswersTheBorderZones) {
    CreateWith({});
    AppSettings.TaskTray = 1;
    RECT frame{};
    GetWindowRect(frame_, &frame);
    auto hit = [&](int x, int y) {
        return SendMessageA(frame_, WM_NCHITTEST, 0, MAKELPARAM(frame.left + x, frame.top + y));
    };
    EXPECT_EQ(hit(1, 150), HTLEFT);
    EXPECT_EQ(hit(kWidth - 2, kHeight - 20), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(200, 1), HTTOP);
    EXPECT_EQ(hit(200, 150), HTCLIENT);
    AppSettings.WindowMax = 1;
    EXPECT_EQ(hit(1, 150), HTCLIENT);
    AppSettings.WindowMax = 0;
    AppSettings.TaskTray = 0;
    EXPECT_EQ(hit(1, 150), HTCLIENT) << "the window resizes itself outside tray mode";
}

}  // namespace
}  // namespace tessel::test
