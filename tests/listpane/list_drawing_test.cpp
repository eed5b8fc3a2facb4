// Pixels of the list drawing: the pane's own off-screen image after a real
// WM_PAINT, and the primitives drawn into a memory DC.
#include "listpane/list_drawing_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

#include "drawing/gdi_handles_win.h"
#include "pane_fixture.h"

namespace tessel::test {
namespace {

constexpr COLORREF kBack = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kSelectBack = RGB(0xAA, 0xE8, 0xFF);
constexpr COLORREF kSelectBorder = RGB(0x10, 0x20, 0xC0);
constexpr COLORREF kFocus = RGB(0xFF, 0x80, 0x40);
constexpr COLORREF kBoxBack = RGB(0xF0, 0xF0, 0xF0);
constexpr COLORREF kBoxBorder = RGB(0x55, 0x55, 0x55);
constexpr COLORREF kMark = RGB(0x66, 0xCC, 0x00);
constexpr COLORREF kNormalText = RGB(0x33, 0x33, 0x33);
constexpr COLORREF kCheckText = RGB(0x00, 0x00, 0x99);
constexpr COLORREF kStrikeText = RGB(0x99, 0x00, 0x99);
constexpr COLORREF kBoldText = RGB(0xFF, 0x00, 0x00);
constexpr COLORREF kSeparator = RGB(0xAC, 0xA8, 0x99);
constexpr COLORREF kDrag = RGB(0xFF, 0x00, 0xFF);

// Text is smoothed: its pixels lie between the background and the text
// colour. True for a pixel on that blend (not the background itself).
bool TintedToward(COLORREF pixel, COLORREF colour, COLORREF back) {
    if (pixel == back) {
        return false;
    }
    const int shifts[] = {0, 8, 16};
    int strongest = 0;
    for (int shift : shifts) {
        const int d =
            static_cast<int>((colour >> shift) & 0xFF) - static_cast<int>((back >> shift) & 0xFF);
        const int best = static_cast<int>((colour >> strongest) & 0xFF) -
                         static_cast<int>((back >> strongest) & 0xFF);
        if (std::abs(d) > std::abs(best)) {
            strongest = shift;
        }
    }
    const auto channel = [](COLORREF c, int shift) {
        return static_cast<int>((c >> shift) & 0xFF);
    };
    const int span = channel(colour, strongest) - channel(back, strongest);
    if (span == 0) {
        return pixel == colour;
    }
    const double alpha = (channel(pixel, strongest) - channel(back, strongest)) / double(span);
    if (alpha <= 0.0 || alpha > 1.02) {
        return false;
    }
    for (int shift : shifts) {
        const double expected =
            channel(back, shift) + alpha * (channel(colour, shift) - channel(back, shift));
        if (std::abs(channel(pixel, shift) - expected) > 8.0) {
            return false;
        }
    }
    return true;
}

class ListDrawingTest : public PaneTest {
  protected:
    void SetUp() override {
        PaneTest::SetUp();
        AppLayout.WindowBack = kBack;
        AppLayout.ListSelectBack = kSelectBack;
        AppLayout.ListSelectBorder = kSelectBorder;
        AppLayout.ListFocusBorder = kFocus;
        AppLayout.ListCheckBack1 = kBoxBack;
        AppLayout.ListCheckBack2 = kBoxBack;
        AppLayout.ListCheckBorder = kBoxBorder;
        AppLayout.ListCheck = kMark;
        AppLayout.ListNormalText = kNormalText;
        AppLayout.ListCheckText = kCheckText;
        AppLayout.ListStrikeText = kStrikeText;
        AppLayout.ListBoldText = kBoldText;
        AppLayout.ListSeparator = kSeparator;
        AppLayout.DragLine = kDrag;
        SetFocus(parent);  // no focus frame unless a test asks for one
    }

    // Paints once and counts the pixels of a colour in a rectangle.
    int Count(COLORREF colour, int left, int top, int right, int bottom) {
        Pixel(0, 0);
        int n = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                n += GetPixel(ListPaneImage(), x, y) == colour ? 1 : 0;
            }
        }
        return n;
    }
    // Paints once and counts the text pixels of a colour (smoothed text
    // included) in a rectangle.
    int CountText(COLORREF colour, int left, int top, int right, int bottom) {
        Pixel(0, 0);
        int n = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                n += TintedToward(GetPixel(ListPaneImage(), x, y), colour, kBack) ? 1 : 0;
            }
        }
        return n;
    }
    // First and last rows in [top, bottom) holding text of a colour.
    std::pair<int, int> RowsWith(COLORREF colour, int left, int top, int right, int bottom) {
        Pixel(0, 0);
        int first = -1;
        int last = -1;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                if (TintedToward(GetPixel(ListPaneImage(), x, y), colour, kBack)) {
                    first = first < 0 ? y : first;
                    last = y;
                    break;
                }
            }
        }
        return {first, last};
    }
};

TEST_F(ListDrawingTest, NoCategoryOrAnEmptyOneShowsOnlyTheBackground) {
    EXPECT_EQ(Count(kBack, 0, 0, kWidth, kHeight), kWidth * kHeight);
    Load(ListFile({"empty"}));
    EXPECT_EQ(Count(kBack, 0, 0, kWidth, kHeight), kWidth * kHeight);
}

TEST_F(ListDrawingTest, SelectedSeparatorShowsFillOutlineAndDotsOnly) {
    Load(ListFile({"test", "□A", "□---"}));
    Focus(1);
    const int top = 22;
    EXPECT_EQ(Pixel(0, top), kSelectBorder);
    EXPECT_EQ(Pixel(kWidth - 1, top + 21), kSelectBorder);
    EXPECT_EQ(Pixel(1, top + 1), kSelectBack);
    // Dots every other pixel from x 4 on the middle row, W - 8 long.
    EXPECT_EQ(Pixel(4, top + 11), kSeparator);
    EXPECT_EQ(Pixel(5, top + 11), kSelectBack);
    EXPECT_EQ(Pixel(294, top + 11), kSeparator);
    EXPECT_EQ(Pixel(296, top + 11), kSelectBack);
    // No check box, no text: the rest of the row is the fill.
    const int dots = 146;
    EXPECT_EQ(Count(kSelectBack, 1, top + 1, kWidth - 1, top + 21), 298 * 20 - dots);
}

TEST_F(ListDrawingTest, CheckedBoldItemHasBoxMarkAndBoldColour) {
    Load(ListFile({"test", "●強調"}));
    Select({});
    // Box at (8, 4), 13 x 13: outline, plain interior, mark from (11, 7).
    EXPECT_EQ(Pixel(8, 4), kBoxBorder);
    EXPECT_EQ(Pixel(20, 16), kBoxBorder);
    EXPECT_EQ(Pixel(9, 5), kBoxBack);
    EXPECT_EQ(Pixel(19, 15), kBoxBack);
    EXPECT_EQ(Pixel(11, 9), kMark);
    EXPECT_EQ(Pixel(17, 7), kMark);
    EXPECT_EQ(Pixel(13, 13), kMark);
    EXPECT_GT(CountText(kBoldText, 29, 0, kWidth, 22), 0);
    EXPECT_EQ(CountText(kNormalText, 29, 0, kWidth, 22), 0);
}

TEST_F(ListDrawingTest, EachStateHasItsTextColourAndOnlyCheckedOnesAMark) {
    Load(ListFile({"test", "□N", "■C", "◇S", "◆T"}));
    Select({});
    EXPECT_GT(CountText(kNormalText, 29, 0, kWidth, 22), 0);
    EXPECT_EQ(CountText(kCheckText, 29, 0, kWidth, 22), 0);
    EXPECT_GT(CountText(kCheckText, 29, 22, kWidth, 44), 0);
    EXPECT_EQ(CountText(kNormalText, 29, 22, kWidth, 44), 0);
    EXPECT_GT(CountText(kStrikeText, 29, 44, kWidth, 66), 0);
    EXPECT_GT(CountText(kStrikeText, 29, 66, kWidth, 88), 0);
    EXPECT_EQ(Count(kMark, 8, 0, 21, 22), 0);
    EXPECT_GT(Count(kMark, 8, 22, 21, 44), 0);
    EXPECT_EQ(Count(kMark, 8, 44, 21, 66), 0);
    EXPECT_GT(Count(kMark, 8, 66, 21, 88), 0);
}

TEST_F(ListDrawingTest, TextStartsHalfTheSpareHeightBelowTheRowTop) {
    Load(ListFile({"test", "□Hg"}));
    Select({});
    const auto rows = RowsWith(kNormalText, 29, 0, kWidth, 22);
    ASSERT_GE(rows.first, 0);
    EXPECT_GE(rows.first, 5);    // (22 - 12) / 2
    EXPECT_LE(rows.second, 16);  // within the 12-pixel cell
}

TEST_F(ListDrawingTest, IndentMovesBoxAndText) {
    Load(ListFile({"test", "\t\t□A"}));
    Select({});
    EXPECT_EQ(Pixel(8, 4), kBack);
    EXPECT_EQ(Pixel(56, 4), kBoxBorder);
    EXPECT_EQ(CountText(kNormalText, 21, 0, 56, 22), 0);
    EXPECT_GT(CountText(kNormalText, 77, 0, kWidth, 22), 0);
}

TEST_F(ListDrawingTest, FocusFrameOnlyWithTheKeyboardFocus) {
    LoadWords("A B C");
    Focus(1);
    Select({});
    EXPECT_EQ(Pixel(0, 22), kBack);
    SetFocus(ListPaneHandle);
    ASSERT_EQ(GetFocus(), ListPaneHandle);
    // Dots where x + (y - top) is even, in step round the corners.
    EXPECT_EQ(Pixel(0, 22), kFocus);
    EXPECT_EQ(Pixel(1, 22), kBack);
    EXPECT_EQ(Pixel(2, 22), kFocus);
    EXPECT_EQ(Pixel(0, 23), kBack);
    EXPECT_EQ(Pixel(0, 24), kFocus);
    EXPECT_EQ(Pixel(kWidth - 1, 22), kBack);
    EXPECT_EQ(Pixel(kWidth - 1, 23), kFocus);
    EXPECT_EQ(Pixel(1, 43), kFocus);
    EXPECT_EQ(Pixel(0, 43), kBack);
    // Drawn over the selection outline.
    Select({1});
    EXPECT_EQ(Pixel(0, 22), kFocus);
    EXPECT_EQ(Pixel(1, 22), kSelectBorder);
    SetFocus(parent);
    EXPECT_EQ(Pixel(0, 22), kSelectBorder);
}

TEST_F(ListDrawingTest, DropLineStaysInsideThePaneAtTheTopAndBottom) {
    LoadWords("A B C D E");
    SetFocus(ListPaneHandle);
    Focus(2);
    Mouse(WM_LBUTTONDOWN, kTextX, Upper(2), MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, kTextX, Upper(0), MK_LBUTTON);  // drop 0
    EXPECT_EQ(Pixel(5, 0), kDrag);
    EXPECT_EQ(Pixel(5, 1), kDrag);
    EXPECT_EQ(Pixel(kWidth - 1, 1), kDrag);
    EXPECT_NE(Pixel(5, 2), kDrag);
    EXPECT_EQ(Pixel(0, 44), kSelectBorder);             // no focus frame while dragging
    Mouse(WM_MOUSEMOVE, kTextX, Lower(4), MK_LBUTTON);  // drop 5: the rows fill H exactly
    EXPECT_EQ(Pixel(5, kHeight - 2), kDrag);
    EXPECT_EQ(Pixel(5, kHeight - 1), kDrag);
    EXPECT_NE(Pixel(5, kHeight - 3), kDrag);
    Mouse(WM_MOUSEMOVE, kTextX, Lower(1), MK_LBUTTON);  // drop 2: boundary of rows 1 and 2
    EXPECT_EQ(Pixel(5, 43), kDrag);
    EXPECT_EQ(Pixel(5, 44), kDrag);
    Key(VK_ESCAPE);
    EXPECT_NE(Pixel(5, 44), kDrag);
}

TEST_F(ListDrawingTest, TheScrollBarsRoomIsLeftAtTheRight) {
    LoadWords("A B C D E F G H I J");
    ASSERT_EQ(ScrollBarShownWidth, 16);
    Focus(0);
    const int rowRight = kWidth - 16;
    EXPECT_EQ(Pixel(rowRight - 1, 11), kSelectBorder);
    EXPECT_EQ(Pixel(rowRight - 2, 11), kSelectBack);
    EXPECT_EQ(Pixel(rowRight, 11), kBack);
    Mouse(WM_LBUTTONDOWN, kTextX, Upper(0), MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, kTextX, Lower(1), MK_LBUTTON);
    EXPECT_EQ(Pixel(rowRight - 1, 44), kDrag);
    EXPECT_EQ(Pixel(rowRight, 44), kBack);
    Key(VK_ESCAPE);
}

TEST_F(ListDrawingTest, CheckBoxGradientFromWhiteToBlack) {
    AppLayout.ListCheckBack1 = RGB(255, 255, 255);
    AppLayout.ListCheckBack2 = RGB(0, 0, 0);
    LoadWords("A");
    Select({});
    EXPECT_EQ(Pixel(9, 5), RGB(244, 244, 244));
    EXPECT_EQ(Pixel(19, 15), RGB(12, 12, 12));
    EXPECT_EQ(Pixel(10, 5), Pixel(9, 6));  // constant along an anti-diagonal
    EXPECT_EQ(Pixel(8, 4), kBoxBorder);    // the outline covers the edge
}

// --- The paint function and the primitives on a memory DC ----------------------------

class MemoryCanvas {
  public:
    MemoryCanvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        previous_ = SelectObject(dc_.Get(), bitmap_.Get());
        RECT all{0, 0, width, height};
        FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~MemoryCanvas() { SelectObject(dc_.Get(), previous_); }
    HDC Dc() const { return dc_.Get(); }
    std::set<std::pair<int, int>> PixelsOf(COLORREF colour, int width, int height) const {
        std::set<std::pair<int, int>> found;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (GetPixel(dc_.Get(), x, y) == colour) {
                    found.insert({x, y});
                }
            }
        }
        return found;
    }

  private:
    MemoryDc dc_;
    BitmapHandle bitmap_;
    HGDIOBJ previous_ = nullptr;
};

TEST(ListPrimitives, CheckMarkIsTheNinePointPolyline) {
    MemoryCanvas canvas(10, 10);
    DrawCheckMark(canvas.Dc(), kMark, 1, 1);
    const std::set<std::pair<int, int>> expected = {
        {0, 2}, {1, 3}, {2, 4}, {3, 3}, {4, 2}, {5, 1}, {6, 0}, {6, 1}, {6, 2}, {5, 3}, {4, 4},
        {3, 5}, {2, 6}, {1, 5}, {0, 4}, {0, 3}, {1, 4}, {2, 5}, {3, 4}, {4, 3}, {5, 2}};
    std::set<std::pair<int, int>> shifted;
    for (auto [x, y] : expected) {
        shifted.insert({x + 1, y + 1});
    }
    EXPECT_EQ(canvas.PixelsOf(kMark, 10, 10), shifted);
}

TEST(ListPrimitives, DottedLineAndFrame) {
    MemoryCanvas canvas(12, 8);
    DrawDottedLine(canvas.Dc(), kSeparator, 1, 0, 5);
    DrawDottedLine(canvas.Dc(), kSeparator, 1, 1, 0);
    DrawDottedLine(canvas.Dc(), kSeparator, 1, 2, -3);
    EXPECT_EQ(canvas.PixelsOf(kSeparator, 12, 8),
              (std::set<std::pair<int, int>>{{1, 0}, {3, 0}, {5, 0}}));
    MemoryCanvas frame(6, 8);
    DrawDottedFrame(frame.Dc(), kFocus, 2, 5, 4);  // (0, 2) .. (4, 5)
    EXPECT_EQ(
        frame.PixelsOf(kFocus, 6, 8),
        (std::set<std::pair<int, int>>{{0, 2}, {2, 2}, {4, 2}, {4, 4}, {0, 4}, {1, 5}, {3, 5}}));
    MemoryCanvas none(4, 4);
    DrawDottedFrame(none.Dc(), kFocus, 0, 0, 3);
    DrawDottedFrame(none.Dc(), kFocus, 0, 3, 0);
    EXPECT_TRUE(none.PixelsOf(kFocus, 4, 4).empty());
}

TEST(ListPrimitives, APaintOfAHugeListLooksOnlyAtTheVisibleRows) {
    ListStore store;
    Category category;
    category.name = "big";
    category.items.resize(100000);
    store.InsertCategory(std::move(category), 0);
    store.currentItems = store.FindCategoryItems(0);
    store.itemCount = 100000;
    store.topIndex = 99998;
    (*store.currentItems)[99999].state = ItemState::NormalChecked;
    (*store.currentItems)[99999].selected = true;
    LayoutSettings layout;
    SetLayoutDefaults(layout);
    SetColourDefaults(layout);
    layout.ListSelectBack = kSelectBack;
    layout.ListCheck = kMark;
    MemoryCanvas canvas(200, 66);
    ListPaintInput input;
    input.store = &store;
    input.layout = &layout;
    input.width = 200;
    input.height = 66;
    DrawList(canvas.Dc(), input);
    EXPECT_EQ(GetPixel(canvas.Dc(), 100, 30), kSelectBack);  // row 1 is item 99999
    EXPECT_EQ(GetPixel(canvas.Dc(), 11, 22 + 4 + 3 + 2), kMark);
    EXPECT_EQ(GetPixel(canvas.Dc(), 100, 50), layout.WindowBack);  // no row 2
}

}  // namespace
}  // namespace tessel::test
