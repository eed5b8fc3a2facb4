// Copy, cut and paste through the real clipboard, on the real pane.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "clipboard/clipboard_owners_win.h"
#include "clipboard/clipboard_win.h"
#include "process/wide_text_win.h"
#include "tests/app/message_box_watcher.h"
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

// The clipboard's UTF-16 text; "(none)" when it holds none.
std::wstring ClipboardUnicode() {
    ClipboardScope clipboard(nullptr);
    HANDLE data = clipboard.Opened() ? GetClipboardData(CF_UNICODETEXT) : nullptr;
    GlobalLockScope lock(data);
    return lock.Data() != nullptr ? std::wstring(static_cast<const wchar_t*>(lock.Data()))
                                  : std::wstring(L"(none)");
}

// The clipboard's locale and the size of its block; 0 when it has none.
LCID ClipboardLocale(SIZE_T& blockSize) {
    ClipboardScope clipboard(nullptr);
    HANDLE data = clipboard.Opened() ? GetClipboardData(CF_LOCALE) : nullptr;
    GlobalLockScope lock(data);
    LCID locale = 0;
    blockSize = data != nullptr ? GlobalSize(data) : 0;
    if (lock.Data() != nullptr && blockSize >= sizeof locale) {
        std::memcpy(&locale, lock.Data(), sizeof locale);
    }
    return locale;
}

// A block of exactly size bytes, the first of them copied from data.
HGLOBAL Block(const void* data, std::size_t copied, std::size_t size) {
    GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    GlobalLockScope lock(block.Get());
    if (lock.Data() == nullptr) {
        return nullptr;
    }
    std::memcpy(lock.Data(), data, copied);
    return block.Release();
}

// One format for the clipboard: a block, or null for one promised to be
// rendered later.
struct Format {
    UINT id;
    HGLOBAL block;
};

// Puts the formats there as another program would, owned by owner (null: no
// owner).
void SetClipboardFormats(std::initializer_list<Format> formats, HWND owner = nullptr) {
    ClipboardScope clipboard(owner);
    ASSERT_TRUE(clipboard.Opened());
    ASSERT_TRUE(EmptyClipboard());
    for (const Format& format : formats) {
        GlobalBlock block(format.block);
        // A promise (no block) is taken without a handle to give back.
        if (SetClipboardData(format.id, block.Get()) != nullptr) {
            block.Release();  // the clipboard's now
        } else {
            EXPECT_EQ(format.block, nullptr) << format.id;
        }
    }
}

HGLOBAL TextBlock(const std::string& text) {
    return Block(text.c_str(), text.size() + 1, text.size() + 1);
}
HGLOBAL UnicodeBlock(const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    return Block(text.c_str(), bytes, bytes);
}

// Puts text there as any other program would: a block of its own, no owner.
void SetClipboardBytes(const std::string& text) {
    SetClipboardFormats({{CF_TEXT, TextBlock(text)}});
}

// The items' texts as the store holds them (cp932 bytes), joined by "|".
std::string StoredTexts() {
    std::string out;
    for (const Item& item : *AppStore.currentItems) {
        out += (out.empty() ? "" : "|") + std::string(item.text);
    }
    return out;
}

std::string Indents() {
    std::string out;
    for (const Item& item : *AppStore.currentItems) {
        out += (out.empty() ? "" : " ") + std::to_string(item.indent);
    }
    return out;
}

using Clipboard = PaneTest;
// Tests that hold whatever the system's ANSI code page: they run once more
// in a Western one (tests/CMakeLists.txt).
using AnyCodePageClipboard = PaneTest;

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

// Other programs read the same lines in UTF-16, and CF_TEXT named as
// Japanese, whatever their code page.
TEST_F(AnyCodePageClipboard, CopyPutsUnicodeTextAndLocaleBesideTheBytes) {
    Load(ListFile({"test", "\t●牛乳を買う", "□ｱｲｳ ~\\", "■x"}));
    Select({0, 1});
    ASSERT_EQ(CopyItems(CopyKind::Copy, CopyMarkers::With), 1);
    EXPECT_EQ(ClipboardBytes(), "\t●牛乳を買う\r\n□ｱｲｳ ~\\");
    EXPECT_EQ(ClipboardUnicode(),
              L"\t\u25cf\u725b\u4e73\u3092\u8cb7\u3046\r\n\u25a1\uff71\uff72\uff73 ~\\");
    SIZE_T localeSize = 0;
    EXPECT_EQ(ClipboardLocale(localeSize), 0x0411u);
    EXPECT_EQ(localeSize, sizeof(LCID));
    {
        // The richest format is offered first.
        ClipboardScope clipboard(nullptr);
        ASSERT_TRUE(clipboard.Opened());
        EXPECT_EQ(EnumClipboardFormats(0), static_cast<UINT>(CF_UNICODETEXT));
    }

    ASSERT_EQ(CopyItems(CopyKind::Cut, CopyMarkers::TextOnly), 1);
    EXPECT_EQ(ClipboardUnicode(), L"\t\u725b\u4e73\u3092\u8cb7\u3046\r\n\uff71\uff72\uff73 ~\\");
    EXPECT_EQ(ClipboardLocale(localeSize), 0x0411u);
    EXPECT_EQ(StoredTexts(), "x");
}

// A copy's texts are made when first read; whatever no one has read yet is
// made when the program ends, so the clipboard keeps it without its owner.
TEST_F(AnyCodePageClipboard, CopyIsMadeWhenTheProgramEnds) {
    Load(ListFile({"test", "\t●牛乳", "■x"}));
    Select({0, 1});
    ASSERT_EQ(CopyItems(CopyKind::Copy, CopyMarkers::With), 1);
    {
        ClipboardScope clipboard(nullptr);
        ASSERT_TRUE(clipboard.Opened());
        const UINT first = EnumClipboardFormats(0);
        const UINT second = EnumClipboardFormats(first);
        EXPECT_EQ(first, static_cast<UINT>(CF_UNICODETEXT));
        EXPECT_EQ(second, static_cast<UINT>(CF_TEXT));
        EXPECT_EQ(EnumClipboardFormats(second), static_cast<UINT>(CF_LOCALE));
    }
    HandOverClipboard();
    EXPECT_EQ(GetClipboardOwner(), nullptr);
    EXPECT_EQ(ClipboardBytes(), "\t●牛乳\r\n■x");
    EXPECT_EQ(ClipboardUnicode(), L"\t\u25cf\u725b\u4e73\r\n\u25a0x");
    SIZE_T localeSize = 0;
    EXPECT_EQ(ClipboardLocale(localeSize), 0x0411u);

    // A copy after it has its owner again.
    Select({1});
    ASSERT_EQ(CopyItems(CopyKind::Copy, CopyMarkers::TextOnly), 1);
    EXPECT_NE(GetClipboardOwner(), nullptr);
    EXPECT_EQ(ClipboardUnicode(), L"x");
}

// What a Unicode program leaves: its text made cp932, "?" for what cp932
// lacks, under the same line rules as the bytes; the lines that got one
// are told of once.
TEST_F(AnyCodePageClipboard, PastesUnicodeTextAsCp932) {
    MessageBoxWatcher boxes;
    LoadWords("a");
    Focus(0);
    AppSettings.InsertPositionPaste = 3;
    SetClipboardFormats({{CF_UNICODETEXT, UnicodeBlock(L"\u25a1\u725b\u4e73\r\n\tJos\u00e9\n\n"
                                                       L"\u25cf\u2610\u0416\r\u00e9-")}});
    ASSERT_EQ(PasteItems(AppStore.focusIndex), 1);
    EXPECT_EQ(StoredTexts(), "a|牛乳|Jos?|?Ж|?-");
    const std::vector<SeenMessageBox> seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text.rfind("貼り付けた 3 行は、", 0), 0u) << seen[0].text;
    EXPECT_EQ(States(), "0 0 0 5 0");
    EXPECT_EQ(Indents(), "0 0 1 0 0");
    EXPECT_EQ(Selected(), "1 2 3 4");
}

// Unicode wins over bytes that say something else (another code page's);
// bytes that spell the same text are kept as they are, as cp932 has two
// spellings of some characters.
TEST_F(AnyCodePageClipboard, PasteTakesTheBytesOnlyWhereTheySayTheSame) {
    struct Case {
        std::wstring unicode;
        std::string bytes;
        const char* expected;
    } cases[] = {
        {L"Jos\u00e9", "Jos\xe9", "Jos?"},
        {L"right", "wrong", "right"},
        {L"\u2170\u7e8a\u2252", "\xee\xef\xed\x40\x87\x90", "\xee\xef\xed\x40\x87\x90"},
        {L"\u2170\u7e8a\u2252", "\xfa\x40\xfa\x5c\x81\xe0", "\xfa\x40\xfa\x5c\x81\xe0"},
    };
    MessageBoxWatcher boxes;  // José's "?" is told of
    for (const Case& c : cases) {
        LoadWords("a");
        Focus(0);
        AppSettings.InsertPositionPaste = 3;
        SetClipboardFormats(
            {{CF_UNICODETEXT, UnicodeBlock(c.unicode)}, {CF_TEXT, TextBlock(c.bytes)}});
        ASSERT_EQ(PasteItems(AppStore.focusIndex), 1);
        EXPECT_EQ(StoredTexts(), std::string("a|") + c.expected) << c.expected;
    }
}

// Bytes promised by another program, counted as they are asked for.
std::string promisedBytes;
int bytesAsked = 0;

LRESULT CALLBACK RenderBytesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_RENDERFORMAT && wParam == CF_TEXT) {
        ++bytesAsked;
        SetClipboardData(CF_TEXT, TextBlock(promisedBytes));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The bytes are read only when a character of the UTF-16 text has two
// spellings: otherwise they can say nothing else, and a large paste hands
// over one block instead of two.
TEST_F(AnyCodePageClipboard, PasteReadsTheBytesOnlyForCharactersSpelledTwice) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = RenderBytesProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TesselTestBytesRenderer";
    RegisterClassW(&wc);
    HWND owner = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 wc.hInstance, nullptr);
    ASSERT_NE(owner, nullptr);
    struct Case {
        const wchar_t* unicode;
        const char* bytes;
        int asked;
        const char* expected;
    } cases[] = {
        {L"ab\u725b\r\nJos\u00e9", "ab\x8b\x8d\r\nJose", 0, "ab\x8b\x8d|Jos?"},
        {L"\u2170x", "\xee\xefx", 1, "\xee\xefx"},
        // The system reads a lone lead byte as the middle dot; the line
        // rules drop the byte.
        {L"cd\u30fb", "cd\x8b", 1, "cd"},
    };
    for (const Case& c : cases) {
        LoadWords("a");
        Focus(0);
        AppSettings.InsertPositionPaste = 3;
        promisedBytes = c.bytes;
        bytesAsked = 0;
        MessageBoxWatcher boxes;  // José's "?" is told of
        SetClipboardFormats({{CF_UNICODETEXT, UnicodeBlock(c.unicode)}, {CF_TEXT, nullptr}}, owner);
        ASSERT_EQ(PasteItems(AppStore.focusIndex), 1);
        EXPECT_EQ(StoredTexts(), std::string("a|") + c.expected);
        EXPECT_EQ(bytesAsked, c.asked) << c.expected;
    }
    SetClipboardBytes("");
    DestroyWindow(owner);
}

// Texts longer than the pieces they are compared in: a difference in the
// last line still tells, and a line longer than a piece is compared too.
TEST_F(AnyCodePageClipboard, PasteComparesLongTextsToTheirEnd) {
    const std::string ibm = "\xee\xef";  // ⅰ as NEC-selected IBM, not cp932's own
    const std::string own = Cp932FromWide(L"\u2170");
    ASSERT_NE(own, ibm);
    struct Case {
        int lines;
        std::size_t lineLength;
        bool lastDiffers;
        std::string expectedStart;
    } cases[] = {
        {400, 100, false, ibm},
        {400, 100, true, own},
        {1, 20000, false, ibm},
        {1, 20000, true, own},
    };
    MessageBoxWatcher boxes;  // a line of 20,000 is cut, and told of
    for (const Case& c : cases) {
        std::string bytes;
        std::wstring unicode;
        for (int i = 0; i < c.lines; ++i) {
            bytes += (i > 0 ? "\r\n" : "") + ibm + std::string(c.lineLength, 'x');
            unicode += (i > 0 ? L"\r\n" : L"") + std::wstring(L"\u2170") +
                       std::wstring(c.lineLength, L'x');
        }
        if (c.lastDiffers) {
            unicode.back() = L'y';
        }
        LoadWords("a");
        Focus(0);
        AppSettings.InsertPositionPaste = 3;
        SetClipboardFormats({{CF_UNICODETEXT, UnicodeBlock(unicode)}, {CF_TEXT, TextBlock(bytes)}});
        ASSERT_EQ(PasteItems(AppStore.focusIndex), 1);
        ASSERT_EQ(AppStore.itemCount, 1 + c.lines);
        EXPECT_EQ(std::string((*AppStore.currentItems)[1].text).substr(0, 2), c.expectedStart)
            << c.lines << (c.lastDiffers ? " differing" : "");
    }
}

// NEC-selected IBM characters and NEC's own duplicates come back from the
// UTF-16 round trip as other bytes; a copy or a cut and a paste within the
// list keeps every byte (a cut's read back from the clipboard).
TEST_F(AnyCodePageClipboard, CopyOrCutThenPasteKeepsBytesWithTwoSpellings) {
    const std::string twice = "\xee\xef\xed\x40\x87\x90\x87\x9a";  // ⅰ纊≒∵
    ASSERT_NE(Cp932FromWide(WideFromCp932(twice)), twice);
    struct Case {
        CopyKind kind;
        std::string expected;
    } cases[] = {
        {CopyKind::Copy, "a|" + twice + "|" + twice},
        {CopyKind::Cut, "a|" + twice},
    };
    for (const Case& c : cases) {
        Load(ListFile({"test", "□a", "□" + twice}));
        Select({1});
        ASSERT_EQ(CopyItems(c.kind, CopyMarkers::With), 1);
        AppSettings.InsertPositionPaste = 3;
        Focus(AppStore.itemCount - 1);
        ASSERT_EQ(PasteItems(AppStore.focusIndex), 1);
        EXPECT_EQ(StoredTexts(), c.expected);
    }
}

// No UTF-16 to be had (its owner renders nothing): the bytes, as ever.
TEST_F(AnyCodePageClipboard, PasteFallsBackToTheBytes) {
    HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    LoadWords("a");
    Focus(0);
    AppSettings.InsertPositionPaste = 3;
    SetClipboardFormats({{CF_UNICODETEXT, nullptr}, {CF_TEXT, TextBlock("\t■bytes\r\n\x87\x90")}},
                        owner);
    EXPECT_TRUE(ClipboardHasText());
    EXPECT_EQ(PasteItems(AppStore.focusIndex), 1);
    EXPECT_EQ(StoredTexts(), "a|bytes|\x87\x90");
    EXPECT_EQ(States(), "0 1 0");
    SetClipboardBytes("");
    DestroyWindow(owner);
}

// Another program's blocks may be larger than their text, or end in half a
// character; either reads as it did. (A block without a NUL is read up to
// its end, natively tested: Wine writes a NUL over its last character.)
TEST_F(Clipboard, PasteReadsNoFurtherThanTheBlockOrItsNul) {
    const std::wstring wide = L"ab\u725b";
    struct Case {
        Format format;
        const char* expected;
    } cases[] = {
        {{CF_UNICODETEXT, Block(L"ab\0cd", 6 * sizeof(wchar_t), 64 * sizeof(wchar_t))}, "ab"},
        {{CF_UNICODETEXT, Block(wide.data(), 3 * sizeof(wchar_t), 3 * sizeof(wchar_t) - 1)}, "ab"},
        {{CF_TEXT, Block("cd\0ef", 6, 64)}, "cd"},
        // The system reads the lone lead byte as a character of its own in
        // the UTF-16 it makes of the bytes; the line rules drop it.
        {{CF_TEXT, TextBlock("cd\x8b")}, "cd"},
        {{CF_TEXT, TextBlock("\x8b\x8d\r\n\x8b")}, "\x8b\x8d"},
    };
    for (const Case& c : cases) {
        LoadWords("a");
        Focus(0);
        AppSettings.InsertPositionPaste = 3;
        ASSERT_NE(c.format.block, nullptr);
        SetClipboardFormats({c.format});
        ASSERT_EQ(PasteItems(AppStore.focusIndex), 1);
        EXPECT_EQ(StoredTexts(), std::string("a|") + c.expected) << c.expected;
    }
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
