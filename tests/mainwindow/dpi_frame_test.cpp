// The real main window at the DPI of the Wine prefix it runs in (96, 120,
// 144 or 192; tests/mainwindow/CMakeLists.txt runs it in each), started as
// start-up starts it, then sent WM_DPICHANGED as Windows sends it when the
// window moves to a screen of another DPI. (tests/e2e/dpi_window.sh drives
// it with the real pointer at each DPI.)
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

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

// The pixels of a device context's image (the frame's or the pane's).
std::vector<DWORD> ImageBits(HDC source) {
    BITMAP size{};
    GetObjectW(GetCurrentObject(source, OBJ_BITMAP), sizeof size, &size);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = -size.bmHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    BitmapHandle copy(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDc dc(CreateCompatibleDC(source));
    if (!copy || !dc) {
        ADD_FAILURE() << "no bitmap to copy into";
        return {};
    }
    SelectedObject selected(dc.Get(), copy.Get());
    BitBlt(dc.Get(), 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const DWORD*>(bits);
    return std::vector<DWORD>(first, first + std::size_t(size.bmWidth) * size.bmHeight);
}

class DpiFrameTest : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        dpi_ = SystemDpi();
        // A run meant for another prefix proves nothing in this one.
        if (const char* asked = std::getenv("TESSEL_WINE_DPI")) {
            ASSERT_EQ(dpi_, std::atoi(asked)) << "the prefix's LogPixels";
        }
        WriteFileBytes(DataFile("system.ini"),
                       "[System]\r\nLeft=100\r\nTop=100\r\nWidth=400\r\nHeight=300\r\n");
        WriteFileBytes(DataFile("list.txt"), kList);
        ASSERT_EQ(LoadSettings(), 1);
        ASSERT_NE(Create(), nullptr);
    }

    void Send(HWND window, UINT message, int x, int y, WPARAM keys = 0) {
        SendMessageA(window, message, keys, MAKELPARAM(x, y));
    }

    // Where the pane and its bar stand, and the bars' fonts, at scale.
    void ExpectLaidOutAt(DpiScale s) {
        const RECT pane = ChildRect(frame_, ListPaneHandle);
        EXPECT_EQ(pane.left, s(4));
        EXPECT_EQ(pane.top, s(18) + s(22));
        EXPECT_EQ(pane.right, s(400) - s(4));
        EXPECT_EQ(pane.bottom, s(300) - s(4));
        const RECT bar = ChildRect(ListPaneHandle, ScrollBarHandle);
        EXPECT_EQ(bar.right - bar.left, s(16));
        EXPECT_EQ(bar.right, pane.right - pane.left);
        EXPECT_EQ(FontHeight(OffscreenFonts().title), s(12));
        EXPECT_EQ(FontHeight(OffscreenFonts().category), s(12));
        EXPECT_EQ(FontHeight(OffscreenFonts().hover), s(12));
    }

    int dpi_ = 96;
};

TEST_F(DpiFrameTest, EverySizeFollowsTheDpiTheWindowStartsAt) {
    const DpiScale s(dpi_);
    EXPECT_EQ(AppDpi, dpi_);
    RECT window{};
    GetWindowRect(frame_, &window);
    // The one screen's corner is (0, 0): the position scales like the size.
    EXPECT_EQ(window.left, s(100));
    EXPECT_EQ(window.right - window.left, s(400));
    EXPECT_EQ(window.bottom - window.top, s(300));
    ExpectLaidOutAt(s);

    // A double click on row 1's text opens the editor in the list font.
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        Send(ListPaneHandle, message, s(60), s(11), message == WM_LBUTTONUP ? 0 : MK_LBUTTON);
    }
    PumpMessages();
    ASSERT_NE(itemEditor, nullptr);
    EXPECT_EQ(FontHeight(reinterpret_cast<HFONT>(SendMessageW(itemEditor, WM_GETFONT, 0, 0))),
              s(12));
    const RECT editor = ChildRect(ListPaneHandle, itemEditor);
    EXPECT_EQ(editor.left, s(8) + s(13) + s(8));
    EXPECT_EQ(editor.bottom - editor.top, s(12) + s(2));
    EndItemEdit(0);
}

TEST_F(DpiFrameTest, ADpiChangeMakesEverythingAgainAtTheNewDpi) {
    const int other = dpi_ == 144 ? 192 : 144;
    const DpiScale to(other);
    RECT started{};
    GetWindowRect(frame_, &started);
    const std::vector<DWORD> frameBefore = ImageBits(OffscreenDc());
    const std::vector<DWORD> listBefore = ImageBits(ListPaneImage());

    const RECT suggested{50, 40, 50 + to(400), 40 + to(300)};
    SendMessageA(frame_, WM_DPICHANGED, MAKEWPARAM(other, other),
                 reinterpret_cast<LPARAM>(&suggested));
    PumpMessages();
    EXPECT_EQ(AppDpi, other);
    RECT window{};
    GetWindowRect(frame_, &window);
    EXPECT_TRUE(EqualRect(&window, &suggested));
    EXPECT_EQ(OffscreenWidth(), to(400));
    EXPECT_EQ(OffscreenHeight(), to(300));
    ExpectLaidOutAt(to);
    // The tabs measured again in the new font.
    int total = 0;
    CategoryInfo info;
    for (int i = 0; AppStore.GetCategory(i, info); ++i) {
        EXPECT_EQ(info.nameWidth, TextWidth932(OffscreenDc(), info.name)) << info.name;
        total += info.nameWidth + 2 * to(5);
    }
    EXPECT_EQ(AppStore.totalTabWidth, total);

    // Back again: the very same pixels as before the trip.
    SendMessageA(frame_, WM_DPICHANGED, MAKEWPARAM(dpi_, dpi_), reinterpret_cast<LPARAM>(&started));
    PumpMessages();
    EXPECT_EQ(AppDpi, dpi_);
    EXPECT_TRUE(ImageBits(OffscreenDc()) == frameBefore);
    EXPECT_TRUE(ImageBits(ListPaneImage()) == listBefore);

    // Once more at the other DPI, the mouse answers at its places at once:
    // row 3's check box (at a point only a box of this DPI holds), and a tab
    // pressed but moved less than this DPI's drag distance.
    SendMessageA(frame_, WM_DPICHANGED, MAKEWPARAM(other, other),
                 reinterpret_cast<LPARAM>(&suggested));
    const POINT box{to(8) + to(13) - 2, 2 * to(22) + to(22) / 2};
    Send(ListPaneHandle, WM_LBUTTONDOWN, box.x, box.y, MK_LBUTTON);
    Send(ListPaneHandle, WM_LBUTTONUP, box.x, box.y);
    EXPECT_EQ(AppStore.currentItems->at(2).state, ItemState::NormalChecked);
    EXPECT_EQ(AppStore.currentItems->at(3).state, ItemState::Normal);
    const int barY = to(18) + to(22) / 2;
    Send(frame_, WM_LBUTTONDOWN, to(10), barY, MK_LBUTTON);
    Send(frame_, WM_MOUSEMOVE, to(10) + to(dragThresholdX) - 1, barY, MK_LBUTTON);
    EXPECT_FALSE(BarMouse.categoryDragActive);
    Send(frame_, WM_MOUSEMOVE, to(10) + to(dragThresholdX), barY, MK_LBUTTON);
    EXPECT_TRUE(BarMouse.categoryDragActive);
    Send(frame_, WM_LBUTTONUP, to(10) + to(dragThresholdX), barY);

    // The file keeps 96-DPI units whatever the DPI the window closes at.
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    PumpMessages();
    const std::string settings = ReadFileBytes(DataFile("system.ini"));
    EXPECT_NE(settings.find("Left=" + std::to_string(to.Unscale(50)) + "\r\nTop=" +
                            std::to_string(to.Unscale(40)) + "\r\nWidth=400\r\nHeight=300\r\n"),
              std::string::npos)
        << settings;
}

}  // namespace
}  // namespace tessel::test
