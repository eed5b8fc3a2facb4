// Copy, cut and paste through the real clipboard, on the real pane.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "listpane/clipboard.h"
#include "listpane/clipboard_owners.h"
#include "tests/listpane/pane_fixture.h"

namespace tessel::test {
namespace {

// The clipboard's text as bytes; "(none)" when it holds no text.
std::string ClipboardBytes() {
    ClipboardScope clipboard(nullptr);
    HANDLE data = clipboard.Opened() ? GetClipboardData(CF_TEXT) : nullptr;
    GlobalLockScope lock(data);
    return lock.Data() != nullptr ? std::string(static_cast<const char*>(lock.Data()))
                                  : std::string("(none)");
}

// Puts text there as any other program would: a block of its own, no owner.
void SetClipboardBytes(const std::string& text) {
    ClipboardScope clipboard(nullptr);
    ASSERT_TRUE(clipboard.Opened());
    ASSERT_TRUE(EmptyClipboard());
    GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    {
        GlobalLockScope lock(block.Get());
        ASSERT_NE(lock.Data(), nullptr);
        std::memcpy(lock.Data(), text.c_str(), text.size() + 1);
    }
    ASSERT_NE(SetClipboardData(CF_TEXT, block.Get()), nullptr);
    block.Release();
}

std::string Indents() {
    std::string out;
    for (const Item& item : *AppStore.currentItems) {
        out += (out.empty() ? "" : " ") + std::to_string(item.indent);
    }
    return out;
}

using Clipboard = PaneTest;

TEST_F(Clipboard, CopyWritesTheSelectedLinesExactly) {
    Load(ListFile({"test", "\t\t●abc", "□skip", "■x", "□" + std::string(40, '-')}));
    Select({0, 2, 3});
    ASSERT_EQ(CopyItems(CopyKind::Copy, CopyMarkers::With), 1);
    EXPECT_EQ(ClipboardBytes(), "\t\t●abc\r\n■x\r\n□" + std::string(40, '-'));
    ASSERT_EQ(CopyItems(CopyKind::Copy, CopyMarkers::TextOnly), 1);
    EXPECT_EQ(ClipboardBytes(), "\t\tabc\r\nx\r\n" + std::string(40, '-'));
    EXPECT_EQ(Texts(), "abc skip x " + std::string(40, '-'));
}

TEST_F(Clipboard, CopyThenPasteReproducesTextsStatesAndIndents) {
    Load(ListFile({"test", "□a", "\t■b", "\t\t◇c", "◆d", "\t○e", "●f", "\t□---"}));
    AppSettings.InsertPositionPaste = 3;
    Select({0, 1, 2, 3, 4, 5, 6});
    ASSERT_EQ(CopyItems(CopyKind::Copy, CopyMarkers::With), 1);
    Focus(6);
    ASSERT_EQ(PasteItems(AppStore.focusIndex), 1);
    const std::string dashes(40, '-');
    EXPECT_EQ(Texts(), "a b c d e f " + dashes + " a b c d e f " + dashes);
    EXPECT_EQ(States(), "0 1 2 3 4 5 6 0 1 2 3 4 5 6");
    EXPECT_EQ(Indents(), "0 1 2 0 1 0 1 0 1 2 0 1 0 1");
    EXPECT_EQ(Selected(), "7 8 9 10 11 12 13");
    EXPECT_EQ(AppStore.focusIndex, 7);
    EXPECT_EQ(AppStore.anchorIndex, 7);
    EXPECT_EQ(AppStore.itemCount, 14);
}

TEST_F(Clipboard, PastesTextOfAnotherProgram) {
    LoadWords("a b c");
    Focus(1);
    AppSettings.InsertPositionPaste = 2;
    SetClipboardBytes("one\n\n\ttwo\r\t\t\r\n■three\tfour");
    ASSERT_EQ(PasteItems(AppStore.focusIndex), 1);
    EXPECT_EQ(Texts(), "a b one two threefour c");
    EXPECT_EQ(States(), "0 0 0 0 1 0");
    EXPECT_EQ(Indents(), "0 0 0 1 0 0");
    EXPECT_EQ(Selected(), "2 3 4");
    EXPECT_EQ(SendMessageA(ListPaneHandle, LB_GETCOUNT, 0, 0), 6);
}

TEST_F(Clipboard, PasteOfNothingKeepsTheFocusOnTheLastRow) {
    LoadWords("a b c");
    Focus(2);
    AppSettings.InsertPositionPaste = 2;
    SetClipboardBytes("\t\r\n");
    ASSERT_EQ(PasteItems(AppStore.focusIndex), 1);
    EXPECT_EQ(AppStore.focusIndex, 2);
    EXPECT_EQ(AppStore.anchorIndex, 2);
    EXPECT_EQ(Selected(), "2");
}

TEST_F(Clipboard, CutRemovesTheSelectionOnceItIsOnTheClipboard) {
    LoadWords("a b c d");
    Select({1, 2});
    AppStore.focusIndex = 1;
    ASSERT_EQ(CopyItems(CopyKind::Cut, CopyMarkers::TextOnly), 1);
    EXPECT_EQ(ClipboardBytes(), "b\r\nc");
    EXPECT_EQ(Texts(), "a d");
    EXPECT_EQ(AppStore.focusIndex, 1);
}

TEST_F(Clipboard, NothingToDoLeavesTheClipboardAlone) {
    SetClipboardBytes("kept");
    ResetStore();
    EXPECT_EQ(CopyItems(CopyKind::Cut, CopyMarkers::With), 1);
    EXPECT_EQ(PasteItems(0), 0);
    EXPECT_EQ(ClipboardBytes(), "kept");

    LoadWords("a");
    {
        ClipboardScope clipboard(nullptr);
        EmptyClipboard();
    }
    EXPECT_FALSE(ClipboardHasText());
    EXPECT_EQ(PasteItems(0), 0);
    EXPECT_EQ(Texts(), "a");
}

TEST(ClipboardOwners, GiveTheirHoldBackOnce) {
    {
        ClipboardScope first(nullptr);
        ASSERT_TRUE(first.Opened());
    }
    {
        ClipboardScope again(nullptr);  // open again: the first one closed it
        EXPECT_TRUE(again.Opened());
    }
    GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE, 16));
    const HGLOBAL handle = block.Get();
    GlobalBlock moved(std::move(block));
    EXPECT_EQ(block.Get(), nullptr);
    EXPECT_EQ(moved.Get(), handle);
    {
        GlobalLockScope lock(moved.Get());
        EXPECT_NE(lock.Data(), nullptr);
    }
    EXPECT_EQ(GlobalFlags(moved.Get()) & GMEM_LOCKCOUNT, 0u);  // unlocked again
}

}  // namespace
}  // namespace tessel::test
