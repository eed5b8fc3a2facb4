// The real main window at the DPI of the Wine prefix it runs in (96, 120,
// 144 or 192; tests/mainwindow/CMakeLists.txt runs it in each): started
// from a system.ini as start-up reads it, measured, clicked and dragged at
// the scaled places, and sent WM_DPICHANGED as Windows sends it when the
// window moves to a screen of another DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "categorybar/category_rename_win.h"
#include "listpane/item_editor_win.h"
#include "process/window_dpi_win.h"
#include "tests/mainwindow/frame_fixture.h"

namespace tessel::test {
namespace {

// Three categories; the first has fifteen rows, more than the pane shows.
const char kList[] =
    "Alpha\r\n\x81\xa0r0\r\n\x81\xa0r1\r\n\x81\xa0r2\r\n\x81\xa0r3\r\n\x81\xa0r4\r\n"
    "\x81\xa0r5\r\n\x81\xa0r6\r\n\x81\xa0r7\r\n\x81\xa0r8\r\n\x81\xa0r9\r\n\x81\xa0rA\r\n"
    "\x81\xa0rB\r\n\x81\xa0rC\r\n\x81\xa0rD\r\n\x81\xa0rE\r\n\r\nBravo\r\n\r\nCharlie\r\n";

// The pixels of a device context's image, read through a bitmap of ours.
std::vector<DWORD> ImageBits(HDC source, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDc copy(CreateCompatibleDC(source));
    if (!bitmap || !copy || bits == nullptr) {
        ADD_FAILURE() << "no bitmap to copy into";
        return {};
    }
    SelectedObject selected(copy.Get(), bitmap.Get());
    BitBlt(copy.Get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const DWORD*>(bits);
    return std::vector<DWORD>(first, first + std::size_t(width) * std::size_t(height));
}

LONG FontHeight(HFONT font) {
    LOGFONTW description{};
    return GetObjectW(font, sizeof description, &description) ? description.lfHeight : 0;
}

RECT ChildRect(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class DpiFrameTest : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        dpi_ = SystemDpi();
        // A run meant for another prefix proves nothing at this one.
        if (const char* asked = std::getenv("TESSEL_WINE_DPI")) {
            ASSERT_EQ(dpi_, std::atoi(asked)) << "the prefix's LogPixels";
        }
    }

    // Start-up as the program runs it: the settings read from the files,
    // then the window made.
    void Start() {
        WriteFileBytes(DataFile("system.ini"),
                       "[System]\r\nLeft=100\r\nTop=100\r\nWidth=400\r\nHeight=300\r\n");
        WriteFileBytes(DataFile("list.txt"), kList);
        ASSERT_EQ(LoadSettings(), 1);
        ASSERT_NE(Create(), nullptr);
    }

    int S(int length) const { return DpiScale(dpi_)(length); }

    void Send(HWND window, UINT message, int x, int y, WPARAM keys = 0) {
        SendMessageA(window, message, keys, MAKELPARAM(x, y));
    }
    void Click(HWND window, int x, int y) {
        Send(window, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        Send(window, WM_LBUTTONUP, x, y);
        PumpMessages();
    }

    // Row 3's check box, at a point that only the box of this DPI holds
    // (right of where the box would end unscaled), 2 rows and a half down.
    POINT RowThreeCheckBox(DpiScale scale) const {
        return POINT{scale(8) + scale(13) - 2, 2 * scale(22) + scale(22) / 2};
    }

    std::string States() const {
        std::string states;
        for (const Item& item : *AppStore.currentItems) {
            states += static_cast<char>('0' + static_cast<int>(item.state));
        }
        return states.substr(0, 5);
    }

    // The middle of tab i at the bar's middle, from the widths measured at
    // this DPI and the scaled margin and spaces.
    POINT TabMiddle(int index, DpiScale scale) const {
        int x = scale(4);
        CategoryInfo info;
        for (int i = 0; i < index && AppStore.GetCategory(i, info); ++i) {
            x += info.nameWidth + 2 * scale(5);
        }
        AppStore.GetCategory(index, info);
        return POINT{x + (info.nameWidth + 2 * scale(5)) / 2, scale(18) + scale(22) / 2};
    }

    int dpi_ = 96;
};

TEST_F(DpiFrameTest, A400By300SystemIniOpensAWindowWithEverySizeAtTheDpi) {
    Start();
    EXPECT_EQ(AppDpi, dpi_);
    EXPECT_EQ(WindowDpi(frame_), dpi_);
    RECT window{};
    GetWindowRect(frame_, &window);
    // The one screen's corner is (0, 0): the position scales like the size.
    EXPECT_EQ(window.left, S(100));
    EXPECT_EQ(window.top, S(100));
    EXPECT_EQ(window.right - window.left, S(400));
    EXPECT_EQ(window.bottom - window.top, S(300));

    // The three fonts of the bars at the scaled size.
    const BarFonts fonts = OffscreenFonts();
    EXPECT_EQ(FontHeight(fonts.title), S(12));
    EXPECT_EQ(FontHeight(fonts.category), S(12));
    EXPECT_EQ(FontHeight(fonts.hover), S(12));

    // The pane inside the frame, under the bars; its bar for the long list.
    const RECT pane = ChildRect(frame_, ListPaneHandle);
    EXPECT_EQ(pane.left, S(4));
    EXPECT_EQ(pane.top, S(18) + S(22));
    EXPECT_EQ(pane.right, S(400) - S(4));
    EXPECT_EQ(pane.bottom, S(300) - S(4));
    ASSERT_TRUE(IsWindowVisible(ScrollBarHandle));
    const RECT bar = ChildRect(ListPaneHandle, ScrollBarHandle);
    EXPECT_EQ(bar.right - bar.left, S(16));
    EXPECT_EQ(bar.right, pane.right - pane.left);

    // The editor opened by a double click on row 1's text: the list font.
    Send(ListPaneHandle, WM_LBUTTONDOWN, S(60), S(11), MK_LBUTTON);
    Send(ListPaneHandle, WM_LBUTTONUP, S(60), S(11));
    Send(ListPaneHandle, WM_LBUTTONDBLCLK, S(60), S(11), MK_LBUTTON);
    Send(ListPaneHandle, WM_LBUTTONUP, S(60), S(11));
    PumpMessages();
    ASSERT_NE(itemEditor, nullptr);
    EXPECT_EQ(FontHeight(reinterpret_cast<HFONT>(SendMessageW(itemEditor, WM_GETFONT, 0, 0))),
              S(12));
    const RECT editor = ChildRect(ListPaneHandle, itemEditor);
    EXPECT_EQ(editor.left, S(8) + S(13) + S(8));
    EXPECT_EQ(editor.bottom - editor.top, S(12) + S(2));
    EndItemEdit(0);
    // The rename box: the title font, over the title text.
    ASSERT_EQ(BeginCategoryRename(0), 1);
    const HWND rename = CategoryRenameBox();
    EXPECT_EQ(FontHeight(reinterpret_cast<HFONT>(SendMessageW(rename, WM_GETFONT, 0, 0))), S(12));
    EXPECT_EQ(ChildRect(frame_, rename).left, S(22));
    EndCategoryRename(0);

    // Closed, the file keeps the 96-DPI placement it was started with.
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_NE(ReadFileBytes(DataFile("system.ini"))
                  .find("Left=100\r\nTop=100\r\nWidth=400\r\nHeight=300\r\n"),
              std::string::npos)
        << ReadFileBytes(DataFile("system.ini"));
}

TEST_F(DpiFrameTest, CheckBoxesTabsAndDragsAnswerAtTheScaledPlaces) {
    Start();
    const DpiScale scale(dpi_);
    const POINT box = RowThreeCheckBox(scale);
    Click(ListPaneHandle, box.x, box.y);
    EXPECT_EQ(States(), "00100") << "row 3 alone is checked";
    // Just below the box (in the row's margin) nothing toggles.
    Click(ListPaneHandle, box.x, 2 * S(22) + (S(22) - S(13)) / 2 + S(13));
    EXPECT_EQ(States(), "00100");

    const POINT bravo = TabMiddle(1, scale);
    Click(frame_, bravo.x, bravo.y);
    EXPECT_EQ(AppStore.currentCategory, 1);

    // Alpha dragged past Charlie's middle; a move short of the scaled drag
    // distance is no drag yet.
    const POINT alpha = TabMiddle(0, scale);
    const POINT charlie = TabMiddle(2, scale);
    Send(frame_, WM_LBUTTONDOWN, alpha.x, alpha.y, MK_LBUTTON);
    Send(frame_, WM_MOUSEMOVE, alpha.x + scale(dragThresholdX) - 1, alpha.y, MK_LBUTTON);
    EXPECT_FALSE(BarMouse.categoryDragActive);
    Send(frame_, WM_MOUSEMOVE, alpha.x + scale(dragThresholdX), alpha.y, MK_LBUTTON);
    EXPECT_TRUE(BarMouse.categoryDragActive);
    Send(frame_, WM_MOUSEMOVE, charlie.x + S(4), charlie.y, MK_LBUTTON);
    Send(frame_, WM_LBUTTONUP, charlie.x + S(4), charlie.y);
    PumpMessages();
    std::string order;
    CategoryInfo info;
    for (int i = 0; AppStore.GetCategory(i, info); ++i) {
        order += info.name.substr(0, 1);
    }
    EXPECT_EQ(order, "BCA");
}

TEST_F(DpiFrameTest, ADpiChangeMakesEverythingAgainAtTheNewDpi) {
    Start();
    const int other = dpi_ == 144 ? 192 : 144;
    const DpiScale to(other);
    const RECT started = [this] {
        RECT r{};
        GetWindowRect(frame_, &r);
        return r;
    }();
    RECT paneClient{};
    GetClientRect(ListPaneHandle, &paneClient);
    const std::vector<DWORD> frameBefore = ImageBits(OffscreenDc(), S(400), S(300));
    const std::vector<DWORD> listBefore =
        ImageBits(ListPaneImage(), paneClient.right, paneClient.bottom);

    RECT suggested{50, 40, 50 + to(400), 40 + to(300)};
    SendMessageA(frame_, WM_DPICHANGED, MAKEWPARAM(other, other),
                 reinterpret_cast<LPARAM>(&suggested));
    PumpMessages();
    EXPECT_EQ(AppDpi, other);
    RECT window{};
    GetWindowRect(frame_, &window);
    EXPECT_TRUE(EqualRect(&window, &suggested))
        << window.left << "," << window.top << " " << window.right << "," << window.bottom;
    // Fonts and image made again, tab widths measured again with the new font.
    EXPECT_EQ(FontHeight(OffscreenFonts().title), to(12));
    EXPECT_EQ(FontHeight(OffscreenFonts().category), to(12));
    EXPECT_EQ(OffscreenWidth(), to(400));
    EXPECT_EQ(OffscreenHeight(), to(300));
    int total = 0;
    CategoryInfo info;
    for (int i = 0; AppStore.GetCategory(i, info); ++i) {
        EXPECT_EQ(info.nameWidth, TextWidth932(OffscreenDc(), info.name)) << info.name;
        total += info.nameWidth + 2 * to(5);
    }
    EXPECT_EQ(AppStore.totalTabWidth, total);
    // The pane and its bar laid out again.
    const RECT pane = ChildRect(frame_, ListPaneHandle);
    EXPECT_EQ(pane.left, to(4));
    EXPECT_EQ(pane.top, to(18) + to(22));
    EXPECT_EQ(pane.bottom, to(300) - to(4));
    EXPECT_EQ(ChildRect(ListPaneHandle, ScrollBarHandle).right -
                  ChildRect(ListPaneHandle, ScrollBarHandle).left,
              to(16));

    // Back again: the very same pixels as before the trip.
    SendMessageA(frame_, WM_DPICHANGED, MAKEWPARAM(dpi_, dpi_), reinterpret_cast<LPARAM>(&started));
    PumpMessages();
    EXPECT_EQ(AppDpi, dpi_);
    EXPECT_TRUE(ImageBits(OffscreenDc(), S(400), S(300)) == frameBefore);
    EXPECT_TRUE(ImageBits(ListPaneImage(), paneClient.right, paneClient.bottom) == listBefore);

    // And to the other DPI once more: the mouse answers there at once.
    SendMessageA(frame_, WM_DPICHANGED, MAKEWPARAM(other, other),
                 reinterpret_cast<LPARAM>(&suggested));
    PumpMessages();
    const POINT box = RowThreeCheckBox(to);
    Click(ListPaneHandle, box.x, box.y);
    EXPECT_EQ(States(), "00100");
    // The file keeps 96-DPI units whatever DPI the window closes at.
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    PumpMessages();
    const std::string settings = ReadFileBytes(DataFile("system.ini"));
    EXPECT_NE(settings.find("Width=400\r\nHeight=300\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("Left=" + std::to_string(to.Unscale(50)) + "\r\n"), std::string::npos)
        << settings;
}

}  // namespace
}  // namespace tessel::test
