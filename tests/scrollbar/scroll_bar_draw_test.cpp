// Pixels of the scroll bar as drawn into an off-screen image: the arrow
// buttons with their edges and glyphs, the thumb, the 00FF00 rule for
// edges, and the bar's own image after a real paint.
#include <windows.h>

#include <gtest/gtest.h>

#include "scrollbar/scroll_bar_draw_win.h"
#include "tests/scrollbar/scroll_bar_test_support.h"

namespace tessel::test {
namespace {

constexpr COLORREF kMarker = RGB(0x12, 0x34, 0x56);

// A 32-bit memory image, pre-filled with kMarker.
class Image {
  public:
    Image(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        HBRUSH brush = CreateSolidBrush(kMarker);
        const RECT all{0, 0, width, height};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~Image() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    int Count(COLORREF colour) const {
        int n = 0;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                n += At(x, y) == colour ? 1 : 0;
            }
        }
        return n;
    }

  private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

class ScrollBarDrawTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetTestColours(layout_);
        state_.maxPos = 19;
        state_.pageSize = 4;
        state_.pos = 5;  // thumb 60 .. 94 on a bar 200 high
    }

    COLORREF Track() const { return layout_.ScrollTrackBack; }
    COLORREF Button() const { return layout_.ScrollButtonBack; }
    COLORREF Border(int i) const { return layout_.ScrollBorder[i]; }
    COLORREF Slider(int i) const { return layout_.ScrollSliderBorder[i]; }

    LayoutSettings layout_;
    ScrollBarState state_;
};

TEST_F(ScrollBarDrawTest, ArrowButtonEdgesAndFills) {
    Image image(16, 200);
    DrawScrollBar(state_, image.Dc(), 16, 200, layout_);
    // Line-up button, rows 0 .. 15: the top corners belong to no edge.
    EXPECT_EQ(image.At(0, 0), Track());
    EXPECT_EQ(image.At(15, 0), Track());
    EXPECT_EQ(image.At(0, 1), Border(0));  // left
    EXPECT_EQ(image.At(0, 15), Border(0));
    EXPECT_EQ(image.At(1, 0), Border(1));  // top
    EXPECT_EQ(image.At(14, 0), Border(1));
    EXPECT_EQ(image.At(15, 1), Border(2));  // right
    EXPECT_EQ(image.At(15, 15), Border(2));
    EXPECT_EQ(image.At(1, 15), Border(3));  // bottom
    EXPECT_EQ(image.At(14, 15), Border(3));
    EXPECT_EQ(image.At(1, 1), Button());
    EXPECT_EQ(image.At(14, 14), Button());
    // Line-down button, rows 184 .. 199: the bottom corners are bare.
    EXPECT_EQ(image.At(0, 184), Border(0));
    EXPECT_EQ(image.At(0, 198), Border(0));
    EXPECT_EQ(image.At(0, 199), Track());
    EXPECT_EQ(image.At(1, 184), Border(1));
    EXPECT_EQ(image.At(14, 184), Border(1));
    EXPECT_EQ(image.At(15, 184), Border(2));
    EXPECT_EQ(image.At(15, 198), Border(2));
    EXPECT_EQ(image.At(15, 199), Track());
    EXPECT_EQ(image.At(1, 199), Border(3));
    EXPECT_EQ(image.At(14, 199), Border(3));
    EXPECT_EQ(image.At(1, 185), Button());
    EXPECT_EQ(image.At(14, 198), Button());
    // The track between arrows and thumb.
    EXPECT_EQ(image.At(0, 16), Track());
    EXPECT_EQ(image.At(8, 40), Track());
    EXPECT_EQ(image.At(15, 183), Track());
    EXPECT_EQ(image.Count(kMarker), 0);  // every pixel painted
}

TEST_F(ScrollBarDrawTest, ArrowGlyphs) {
    Image image(16, 200);
    DrawScrollBar(state_, image.Dc(), 16, 200, layout_);
    const COLORREF glyph = layout_.ScrollArrowUp;
    // Upward triangle at (5, 5): columns of 2, 4, 6, 6, 4, 2 on row 10.
    const int heights[] = {2, 4, 6, 6, 4, 2};
    for (int i = 0; i < 6; ++i) {
        const int x = 5 + i;
        EXPECT_EQ(image.At(x, 10), glyph) << x;
        EXPECT_EQ(image.At(x, 11 - heights[i]), glyph) << x;
        EXPECT_EQ(image.At(x, 10 - heights[i]), Button()) << x;
        EXPECT_EQ(image.At(x, 11), Button()) << x;
    }
    EXPECT_EQ(image.At(4, 10), Button());
    EXPECT_EQ(image.At(11, 10), Button());
    // Downward triangle at (5, 189), hanging from row 189.
    for (int i = 0; i < 6; ++i) {
        const int x = 5 + i;
        EXPECT_EQ(image.At(x, 189), glyph) << x;
        EXPECT_EQ(image.At(x, 188 + heights[i]), glyph) << x;
        EXPECT_EQ(image.At(x, 189 + heights[i]), Button()) << x;
        EXPECT_EQ(image.At(x, 188), Button()) << x;
    }
    EXPECT_EQ(image.Count(glyph), 2 * (2 + 4 + 6 + 6 + 4 + 2));
}

TEST_F(ScrollBarDrawTest, HeldArrowShowsThePressedGlyph) {
    Image image(16, 200);
    state_.upArrowPressed = true;
    DrawScrollBar(state_, image.Dc(), 16, 200, layout_);
    EXPECT_EQ(image.At(7, 5), layout_.ScrollArrowDown);
    EXPECT_EQ(image.At(7, 194), layout_.ScrollArrowUp);
    state_.upArrowPressed = false;
    state_.downArrowPressed = true;
    DrawScrollBar(state_, image.Dc(), 16, 200, layout_);
    EXPECT_EQ(image.At(7, 5), layout_.ScrollArrowUp);
    EXPECT_EQ(image.At(7, 194), layout_.ScrollArrowDown);
    // A disabled bar shows neither the pressed look nor the thumb.
    state_.enabled = false;
    DrawScrollBar(state_, image.Dc(), 16, 200, layout_);
    EXPECT_EQ(image.At(7, 194), layout_.ScrollArrowUp);
    EXPECT_EQ(image.At(8, 70), Track());
    EXPECT_EQ(image.Count(layout_.ScrollSliderBack), 0);
}

TEST_F(ScrollBarDrawTest, ThumbEdgesAndFill) {
    Image image(16, 200);
    DrawScrollBar(state_, image.Dc(), 16, 200, layout_);
    EXPECT_EQ(state_.thumbStart, 60);
    EXPECT_EQ(state_.thumbLength, 35);
    EXPECT_EQ(image.At(8, 59), Track());
    EXPECT_EQ(image.At(0, 60), Slider(0));  // top, x 0 .. 14
    EXPECT_EQ(image.At(14, 60), Slider(0));
    EXPECT_EQ(image.At(15, 60), Slider(1));  // right, rows 60 .. 94
    EXPECT_EQ(image.At(15, 94), Slider(1));
    EXPECT_EQ(image.At(0, 94), Slider(2));  // bottom, x 0 .. 14
    EXPECT_EQ(image.At(14, 94), Slider(2));
    EXPECT_EQ(image.At(0, 61), Slider(3));  // left, rows 61 .. 93
    EXPECT_EQ(image.At(0, 93), Slider(3));
    EXPECT_EQ(image.At(1, 61), layout_.ScrollSliderBack);
    EXPECT_EQ(image.At(14, 93), layout_.ScrollSliderBack);
    EXPECT_EQ(image.At(8, 95), Track());
    EXPECT_EQ(image.Count(layout_.ScrollSliderBack), 14 * 33);
}

TEST_F(ScrollBarDrawTest, GreenEdgesAreNotDrawn) {
    for (Colour& edge : layout_.ScrollBorder) {
        edge = kNoEdgeColour;
    }
    for (Colour& edge : layout_.ScrollSliderBorder) {
        edge = kNoEdgeColour;
    }
    Image image(16, 200);
    DrawScrollBar(state_, image.Dc(), 16, 200, layout_);
    EXPECT_EQ(image.Count(RGB(0, 0xFF, 0)), 0);
    EXPECT_EQ(image.At(0, 1), Track());  // where the left edge would be
    EXPECT_EQ(image.At(1, 0), Track());
    EXPECT_EQ(image.At(1, 1), Button());
    EXPECT_EQ(image.At(0, 60), Track());  // the thumb is its fill alone, inset by one
    EXPECT_EQ(image.At(15, 70), Track());
    EXPECT_EQ(image.At(8, 94), Track());
    EXPECT_EQ(image.At(1, 61), layout_.ScrollSliderBack);
    EXPECT_EQ(image.Count(layout_.ScrollSliderBack), 14 * 33);

    // One edge alone green: only that one goes.
    SetTestColours(layout_);
    layout_.ScrollBorder[1] = kNoEdgeColour;
    DrawScrollBar(state_, image.Dc(), 16, 200, layout_);
    EXPECT_EQ(image.At(5, 0), Track());
    EXPECT_EQ(image.At(0, 5), Border(0));
    // Fills know no such rule.
    layout_.ScrollSliderBack = kNoEdgeColour;
    DrawScrollBar(state_, image.Dc(), 16, 200, layout_);
    EXPECT_EQ(image.Count(RGB(0, 0xFF, 0)), 14 * 33);
}

TEST_F(ScrollBarDrawTest, NoThumbOnABarOfThreeArrowLengths) {
    Image image(16, 49);
    DrawScrollBar(state_, image.Dc(), 16, 48, layout_);
    EXPECT_EQ(state_.thumbLength, 0);
    for (int y = 16; y < 32; ++y) {
        EXPECT_EQ(image.At(8, y), Track()) << y;
        EXPECT_EQ(image.At(0, y), Track()) << y;
    }
    EXPECT_EQ(image.At(0, 32), Border(0));  // the line-down button follows
    // One pixel more and the thumb (stretched to 16) is there.
    DrawScrollBar(state_, image.Dc(), 16, 49, layout_);
    EXPECT_EQ(state_.thumbLength, 16);
    EXPECT_EQ(image.At(8, state_.thumbStart + 1), layout_.ScrollSliderBack);
}

TEST_F(ScrollBarDrawTest, NothingForEmptyOrHorizontalBars) {
    Image image(16, 200);
    DrawScrollBar(state_, image.Dc(), 0, 200, layout_);
    DrawScrollBar(state_, image.Dc(), 16, -1, layout_);
    state_.horizontal = true;
    DrawScrollBar(state_, image.Dc(), 16, 200, layout_);
    EXPECT_EQ(image.Count(kMarker), 16 * 200);
}

TEST_F(ScrollBarDrawTest, WithoutArrowsTheTrackFillsTheBar) {
    state_.noArrows = true;
    state_.pos = 0;
    Image image(16, 200);
    DrawScrollBar(state_, image.Dc(), 16, 200, layout_);
    EXPECT_EQ(image.Count(layout_.ScrollArrowUp), 0);
    EXPECT_EQ(image.At(0, 0), Slider(0));  // the thumb starts at the top
    EXPECT_EQ(image.At(8, 199), Track());
}

// The window's own image, painted by WM_PAINT.
using ScrollBarImageTest = ScrollBarWindowTest;

TEST_F(ScrollBarImageTest, PaintDrawsTheStateIntoTheBarsImage) {
    SendMessageA(bar_, SBP_SETPOS, 5, 0);
    UpdateWindow(bar_);
    HDC image = ScrollBarImageOf(bar_);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(GetPixel(image, 0, 60), AppLayout.ScrollSliderBorder[0]);
    EXPECT_EQ(GetPixel(image, 8, 70), AppLayout.ScrollSliderBack);
    EXPECT_EQ(GetPixel(image, 7, 5), AppLayout.ScrollArrowUp);
    // A held arrow repaints with the pressed glyph, the release without.
    Press(8, 5);
    UpdateWindow(bar_);
    EXPECT_EQ(GetPixel(image, 7, 5), AppLayout.ScrollArrowDown);
    Release(8, 5);
    UpdateWindow(bar_);
    EXPECT_EQ(GetPixel(image, 7, 5), AppLayout.ScrollArrowUp);
    // A dragged thumb is drawn where the pointer put it.
    Press(8, 60);  // thumb at 51 .. 85 for position 4
    Move(8, 60 + 60);
    UpdateWindow(bar_);
    EXPECT_EQ(GetPixel(image, 0, 111), AppLayout.ScrollSliderBorder[0]);
    EXPECT_EQ(GetPixel(image, 8, 105), AppLayout.ScrollTrackBack);
    Release(8, 120);
}

TEST_F(ScrollBarImageTest, ResizingRemakesTheImage) {
    SetWindowPos(bar_, nullptr, 0, 0, 16, 0, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(ScrollBarImageOf(bar_), nullptr);
    UpdateWindow(bar_);  // nothing to paint from, nothing breaks
    SetWindowPos(bar_, nullptr, 0, 0, 16, 120, SWP_NOMOVE | SWP_NOZORDER);
    HDC image = ScrollBarImageOf(bar_);
    ASSERT_NE(image, nullptr);
    UpdateWindow(bar_);
    EXPECT_EQ(GetPixel(image, 15, 118), AppLayout.ScrollBorder[2]);  // line-down button at 104
    EXPECT_EQ(GetPixel(image, 15, 119), AppLayout.ScrollTrackBack);
}

}  // namespace
}  // namespace tessel::test
