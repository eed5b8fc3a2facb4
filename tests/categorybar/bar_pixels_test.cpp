// The title and category bars as drawn into the real main window's
// off-screen image, read back pixel by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include "categorybar/bar_glyphs.h"
#include "categorybar/bar_gradient.h"
#include "tests/mainwindow/frame_fixture.h"

namespace tessel::test {
namespace {

class Bars : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        // Colours that tell every piece apart.
        AppLayout.NormalCategoryText = MakeColour(0x10, 0x20, 0x30);
        AppLayout.MouseOverCategoryText = MakeColour(0x00, 0x90, 0x00);
        AppLayout.SelectCategoryText = MakeColour(0xC0, 0x00, 0x00);
        AppLayout.ButtonUp = MakeColour(0x00, 0x00, 0xF0);
        AppLayout.ButtonDown = MakeColour(0xF0, 0x00, 0xF0);
        AppLayout.DragLine = MakeColour(0x00, 0xF0, 0xF0);
        AppLayout.CategoryBorder = MakeColour(0x60, 0x60, 0x00);
        // A bold, crisp face gives whole text pixels in the text colour.
        AppLayout.categoryFont = FontSpec{"Tahoma", 16, kFontBold};
    }

    // How many pixels of the box have exactly this colour.
    int CountColour(COLORREF colour, int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                count += Pixel(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }

    COLORREF BarBackground(int y) const { return GradientRowColour(AppLayout, true, y); }
};

TEST_F(Bars, GradientRowsAndShadedSideEdges) {
    ASSERT_NE(Create(), nullptr);
    // Row 0 is the title border; rows 1 .. 39 run from TitleBack1 to TitleBack2.
    EXPECT_EQ(Pixel(200, 0), AppLayout.TitleBorder);
    for (int y : {1, 10, 18, 25, 39}) {
        EXPECT_EQ(Pixel(300, y), GradientRowColour(AppLayout, true, y)) << y;
    }
    EXPECT_EQ(Pixel(300, 1), AppLayout.TitleBack1);
    // Below the bars: the window background.
    EXPECT_EQ(Pixel(300, 41), AppLayout.WindowBack);
    for (int j : {0, 1, 20, 39}) {
        EXPECT_EQ(Pixel(0, j), SideEdgeColour(AppLayout, j)) << j;
        EXPECT_EQ(Pixel(kWidth - 1, j), SideEdgeColour(AppLayout, j)) << j;
    }
    // Frame lines: sides below the bars and the bottom line.
    EXPECT_EQ(Pixel(0, 200), AppLayout.WindowBorderColour);
    EXPECT_EQ(Pixel(kWidth - 1, 200), AppLayout.WindowBorderColour);
    EXPECT_EQ(Pixel(200, kHeight - 1), AppLayout.WindowBorderColour);
    // The program's icon covers the gradient at the left of the title bar.
    int covered = 0;
    for (int y = 1; y < 17; ++y) {
        for (int x = 2; x < 18; ++x) {
            covered += Pixel(x, y) != BarBackground(y) ? 1 : 0;
        }
    }
    EXPECT_GT(covered, 16 * 16 / 2);
}

TEST_F(Bars, SolidLookOutlinesTheTitleBar) {
    AppLayout.TitleBack2 = AppLayout.TitleBack1;
    AppLayout.TitleGradient = 0;
    ASSERT_NE(Create(), nullptr);
    EXPECT_EQ(Pixel(200, 0), AppLayout.TitleBorder);
    EXPECT_EQ(Pixel(200, 17), AppLayout.TitleBorder);
    EXPECT_EQ(Pixel(0, 8), AppLayout.TitleBorder);
    EXPECT_EQ(Pixel(kWidth - 1, 8), AppLayout.TitleBorder);
    EXPECT_EQ(Pixel(300, 8), AppLayout.TitleBack1);
    EXPECT_EQ(Pixel(300, 30), AppLayout.WindowBack);
    EXPECT_EQ(Pixel(0, 30), AppLayout.WindowBorderColour);
    EXPECT_EQ(Pixel(kWidth - 1, 40), AppLayout.WindowBorderColour);
}

TEST_F(Bars, CloseButtonCrossUpAndDown) {
    ASSERT_NE(Create(), nullptr);
    PixelPoint o = CloseGlyphOrigin(AppLayout, kWidth);
    EXPECT_EQ(Pixel(o.x + 8, o.y + 8), AppLayout.ButtonUp);
    EXPECT_EQ(Pixel(o.x + 3, o.y + 3), AppLayout.ButtonUp);
    EXPECT_EQ(Pixel(o.x + 12, o.y + 3), AppLayout.ButtonUp);
    EXPECT_EQ(Pixel(o.x + 8, o.y + 3), BarBackground(o.y + 3));  // between the arms
    BarMouse.closeButtonPressed = true;
    DrawBars(kBarTitle);
    EXPECT_EQ(Pixel(o.x + 8, o.y + 8), AppLayout.ButtonDown);
    EXPECT_EQ(Pixel(o.x + 3, o.y + 12), AppLayout.ButtonDown);
}

TEST_F(Bars, ArrowsShowWhichWayTheStripCanMove) {
    ASSERT_NE(Create(), nullptr);
    for (int i = 0; i < 10; ++i) {
        AddCategory("Tab" + std::to_string(i));
    }
    AppStore.currentCategory = 0;
    DrawBars(kBarCategory);
    const int a = kWidth - 28;
    const int t = ArrowGlyphTop(AppLayout);
    // At the left end: left arrow hollow, right arrow filled.
    EXPECT_EQ(Pixel(a + 7, t + 5), AppLayout.ButtonUp);
    EXPECT_EQ(Pixel(a + 5, t + 5), BarBackground(t + 5));
    EXPECT_EQ(Pixel(a + 18, t + 5), AppLayout.ButtonUp);

    // At the right end: the other way round.
    AppSettings.ScrollIndex = 100000;
    LayoutPanes();
    ASSERT_EQ(AppSettings.ScrollIndex, AppStore.totalTabWidth - (kWidth - 28 - 4));
    DrawBars(kBarCategory);
    EXPECT_EQ(Pixel(a + 5, t + 5), AppLayout.ButtonUp);
    EXPECT_EQ(Pixel(a + 18, t + 5), BarBackground(t + 5));
    EXPECT_EQ(Pixel(a + 16, t + 5), AppLayout.ButtonUp);

    // A held button is drawn in ButtonDown.
    BarMouse.pressedCategoryArrow = CategoryArrow::Left;
    DrawBars(kBarCategory);
    EXPECT_EQ(Pixel(a + 5, t + 5), AppLayout.ButtonDown);
    EXPECT_EQ(Pixel(a + 16, t + 5), AppLayout.ButtonUp);

    // The arrow area is repainted over tab text running into it.
    EXPECT_EQ(CountColour(AppLayout.NormalCategoryText, a, 18, kWidth, 40), 0);
}

TEST_F(Bars, NoArrowsWhileEveryTabFits) {
    ASSERT_NE(Create(), nullptr);
    AddCategory("One");
    AddCategory("Two");
    AppStore.currentCategory = 0;
    DrawBars(kBarCategory);
    const int a = kWidth - 28;
    EXPECT_EQ(CountColour(AppLayout.ButtonUp, a, 18, kWidth - 1, 40), 0);
}

TEST_F(Bars, TabTextColourTellsCurrentHoveredAndOtherTabs) {
    ASSERT_NE(Create(), nullptr);
    AddCategory("WWW");
    AddCategory("MMM");
    AddCategory("HHH");
    AppStore.currentCategory = 1;
    BarMouse.hoverCategory = 2;
    DrawBars(kBarCategory);
    // The tabs' boxes from the strip geometry.
    CategoryStrip strip = CurrentCategoryStrip();
    TabPlacement placed = PlaceTabs(strip);
    ASSERT_EQ(placed.tabs.size(), 3u);
    const COLORREF colours[] = {AppLayout.NormalCategoryText, AppLayout.SelectCategoryText,
                                AppLayout.MouseOverCategoryText};
    for (int tab = 0; tab < 3; ++tab) {
        const PlacedTab& box = placed.tabs[static_cast<std::size_t>(tab)];
        for (int colour = 0; colour < 3; ++colour) {
            int count = CountColour(colours[colour], box.left, 18, box.left + box.width, 40);
            if (colour == tab) {
                EXPECT_GT(count, 10) << "tab " << tab;
            } else {
                EXPECT_EQ(count, 0) << "tab " << tab << " colour " << colour;
            }
        }
    }
    // The current tab never shows the hover colour, even under the mouse.
    BarMouse.hoverCategory = 1;
    DrawBars(kBarCategory);
    const PlacedTab& current = placed.tabs[1];
    EXPECT_GT(CountColour(AppLayout.SelectCategoryText, current.left, 18,
                          current.left + current.width, 40),
              10);
    EXPECT_EQ(CountColour(AppLayout.MouseOverCategoryText, current.left, 18,
                          current.left + current.width, 40),
              0);
}

TEST_F(Bars, DropMarkerIsTwoColumnsAtTheDropTab) {
    ASSERT_NE(Create(), nullptr);
    AddCategory("One");
    AddCategory("Two");
    AddCategory("Three");
    BarMouse.categoryDragActive = true;
    BarMouse.categoryDropIndex = 1;
    DrawBars(kBarCategory);
    const int l = PlaceTabs(CurrentCategoryStrip()).tabs[1].left;
    for (int y = 18; y < 40; ++y) {
        EXPECT_EQ(Pixel(l - 1, y), AppLayout.DragLine) << y;
        EXPECT_EQ(Pixel(l, y), AppLayout.DragLine) << y;
    }
    EXPECT_NE(Pixel(l + 1, 30), AppLayout.DragLine);
    EXPECT_NE(Pixel(l, 40), AppLayout.DragLine);

    // After the last tab.
    BarMouse.categoryDropIndex = 3;
    DrawBars(kBarCategory);
    const int end = PlaceTabs(CurrentCategoryStrip()).endX;
    EXPECT_EQ(Pixel(end, 25), AppLayout.DragLine);
    EXPECT_EQ(Pixel(l, 25), BarBackground(25));
}

TEST_F(Bars, BoundaryLineUnderTheCategoryBar) {
    AppLayout.BoundaryHeight = 4;
    ASSERT_NE(Create(), nullptr);
    const int y = 18 + 22 + 2 - 1;
    EXPECT_EQ(Pixel(4, y), AppLayout.CategoryBorder);
    EXPECT_EQ(Pixel(kWidth - 5, y), AppLayout.CategoryBorder);
    EXPECT_NE(Pixel(kWidth - 4, y), AppLayout.CategoryBorder);
    EXPECT_NE(Pixel(200, y + 1), AppLayout.CategoryBorder);
    RECT pane{};
    GetWindowRect(ListPaneHandle, &pane);
    MapWindowPoints(nullptr, frame_, reinterpret_cast<POINT*>(&pane), 2);
    EXPECT_EQ(pane.top, 18 + 22 + 4);
}

TEST_F(Bars, HiddenCategoryBarAndATitleBarOfOneRow) {
    AppSettings.DispCategory = 0;
    AppLayout.TitleBarHeight = 1;  // the gradient spans no rows
    ASSERT_NE(Create(), nullptr);
    EXPECT_EQ(Pixel(200, 0), AppLayout.TitleBorder);
    EXPECT_EQ(Pixel(200, 1), AppLayout.WindowBack);
    // The title bar's own drawing paints row 1 with a gradient of no rows.
    DrawBars(kBarTitle);
    EXPECT_EQ(Pixel(200, 1), AppLayout.TitleBack1);
    RECT pane{};
    GetWindowRect(ListPaneHandle, &pane);
    MapWindowPoints(nullptr, frame_, reinterpret_cast<POINT*>(&pane), 2);
    EXPECT_EQ(pane.top, 1 + AppLayout.TitleListSpace);
}

TEST_F(Bars, PaintCopiesTheImageToTheWindow) {
    ASSERT_NE(Create(), nullptr);
    RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC screen = GetDC(frame_);
    COLORREF top = GetPixel(screen, 200, 0);
    COLORREF row = GetPixel(screen, 300, 10);
    ReleaseDC(frame_, screen);
    EXPECT_EQ(top, AppLayout.TitleBorder);
    EXPECT_EQ(row, GradientRowColour(AppLayout, true, 10));
}

}  // namespace
}  // namespace tessel::test
