// layout.ini values of 0 or below, absurdly large ones and fonts that do
// not exist: the pane is created, paints, scrolls and takes every input
// without crashing or dividing by zero.
#include <gtest/gtest.h>

#include <climits>

#include "listpane/list_pane_win.h"
#include "pane_fixture.h"
#include "storage/layout_settings.h"

namespace tessel::test {
namespace {

class BadLayoutTest : public PaneTest, public ::testing::WithParamInterface<int> {
  protected:
    // Recreates the pane after the layout changed (fonts are made at creation).
    void Recreate() {
        DestroyWindow(ListPaneHandle);
        ASSERT_EQ(CreateListPane(parent), 1);
        Resize(kWidth, kHeight);
    }

    // Everything a user can do to the pane.
    void Exercise() {
        Load(ListFile({"test", "□A", "\t■B", "□----", "●D", "◇E", "□F", "□G", "□H"}));
        for (int y : {-40, 0, 1, 5, 30, 60, 109, 200}) {
            Click(kTextX, y);
            Click(10, y);
            Mouse(WM_LBUTTONDBLCLK, 10, y, MK_LBUTTON);
            Mouse(WM_LBUTTONUP, 10, y);
        }
        Mouse(WM_LBUTTONDOWN, kTextX, 3, MK_LBUTTON);
        for (int y : {20, 60, -10, -10, 150, 150, 40}) {
            Mouse(WM_MOUSEMOVE, kTextX, y, MK_LBUTTON);
            Pixel(0, 0);
        }
        Mouse(WM_LBUTTONUP, kTextX, 40);
        Mouse(WM_RBUTTONDOWN, kTextX, 2, MK_RBUTTON);
        Mouse(WM_MOUSEMOVE, kTextX, 300, MK_RBUTTON);
        Mouse(WM_RBUTTONUP, kTextX, 300);
        for (WPARAM key : {VK_DOWN, VK_NEXT, VK_END, VK_PRIOR, VK_HOME, VK_UP}) {
            Key(key);
            Pump();
        }
        SendMessageA(ListPaneHandle, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
        Pump();
        SetFocus(ListPaneHandle);
        Pixel(0, 0);
        for (int width : {0, 1, 31, 32, 400}) {
            for (int height : {0, 1, 21, 32, 300}) {
                Resize(width, height);
                Focus(7);
                UpdateListScroll(1);
                Pixel(0, 0);
            }
        }
        EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETCOUNT, 0, 0), AppStore.itemCount);
        EXPECT_GE(AppStore.topIndex, 0);
        EXPECT_LE(AppStore.topIndex, std::max(AppStore.itemCount - 1, 0));
    }
};

TEST_P(BadLayoutTest, ThePaneSurvivesEveryInput) {
    const int value = GetParam();
    AppLayout.ListLineHeight = value;
    AppLayout.CheckBoxSize = value;
    AppLayout.CheckBoxMarginLeft = value;
    AppLayout.CheckBoxMarginRight = value;
    AppLayout.ListIndentWidth = value;
    AppLayout.ScrollBarWidth = value;
    AppLayout.listFont.face = "このフォントはありません";
    ASSERT_NO_FATAL_FAILURE(Recreate());
    Exercise();
}

INSTANTIATE_TEST_SUITE_P(Values, BadLayoutTest, ::testing::Values(0, -1, -22, 1, INT_MIN, INT_MAX));

TEST_F(PaneTest, AZeroLineHeightCountsAsOnePixelRows) {
    AppLayout.ListLineHeight = 0;
    LoadWords("A B C D E");
    Resize(kWidth, 3);
    Click(kTextX, 2);
    EXPECT_EQ(AppStore.focusIndex, 2);
    Focus(4);
    UpdateListScroll(1);
    EXPECT_EQ(AppStore.topIndex, 2);
}

TEST_F(PaneTest, NoCheckBoxWithASizeOfZero) {
    AppLayout.CheckBoxSize = 0;
    LoadWords("A B");
    Click(8, 11);  // where a box would be: an ordinary press
    EXPECT_EQ(States(), "0 0");
    EXPECT_EQ(Selected(), "0");
}

}  // namespace
}  // namespace tessel::test
