// Commands through the real main window's WM_COMMAND, and the in-place item
// editor they open, on a small list.
#include <windows.h>

#include <imm.h>

#include <gtest/gtest.h>

#include <string>

#include "listpane/item_editor_win.h"
#include "process/input_method_win.h"
#include "tests/mainwindow/frame_fixture.h"

namespace tessel::test {
namespace {

// One category of six items, one of each checkable state; the first is the
// focus and the only selection after loading.
const std::string kList = "C\r\n□a\r\n■b\r\n◇c\r\n◆d\r\n○e\r\n●f\r\n";

class Commands : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        Reload();
    }

    // The window afresh over kList (closing saves the list it had).
    void Reload() {
        if (frame_ != nullptr && IsWindow(frame_)) {
            SendMessageA(frame_, WM_CLOSE, 0, 0);
            PumpMessages();
        }
        AppStore = ListStore();
        WriteFileBytes(DataFile("list.txt"), kList);
        ASSERT_NE(Create(), nullptr);
    }

    void Command(int id) {
        SendMessageA(frame_, WM_COMMAND, static_cast<WPARAM>(id), 0);
        PumpMessages();
    }

    // The items as "text state", ">" per indent level, "*" when selected,
    // and a separator as "~6".
    static std::string Snapshot() {
        std::string out;
        for (int i = 0; i < AppStore.itemCount; ++i) {
            Item item;
            GetItem(AppStore.currentItems, i, item);
            out += (i ? " " : "") + std::string(static_cast<std::size_t>(item.indent), '>');
            out += item.state == ItemState::Separator ? std::string("~") : item.text;
            out += std::to_string(static_cast<int>(item.state));
            out += item.selected ? "*" : "";
        }
        return out;
    }

    static std::string TextOf(int index) {
        Item item;
        GetItem(AppStore.currentItems, index, item);
        return item.text.str();
    }

    static void Type(const std::string& text) {
        for (char c : text) {
            SendMessageA(itemEditor, WM_CHAR, static_cast<unsigned char>(c), 0);
        }
    }

    static std::string EditorText() {
        char buffer[512] = {};
        GetWindowTextA(itemEditor, buffer, sizeof buffer);
        return buffer;
    }
};

TEST_F(Commands, EachItemCommandOnce) {
    ASSERT_EQ(Snapshot(), "a0* b1 c2 d3 e4 f5");
    struct Case {
        int id;
        const char* expected;
    } cases[] = {
        {41203, "a1* b1 c2 d3 e4 f5"},     // Space: check
        {41207, "b1* c2 d3 e4 f5"},        // Delete
        {41208, "a2* b1 c2 d3 e4 f5"},     // Ctrl+D: cancelled
        {41209, "a4* b1 c2 d3 e4 f5"},     // Ctrl+B: emphasised
        {41210, "~6* a0 b1 c2 d3 e4 f5"},  // Ctrl+L: a separator at the focus row
        {41211, ">a0* b1 c2 d3 e4 f5"},    // Tab: indent
        {41213, "a0* b1* c2* d3* e4* f5*"},
        {41214, "a0 b1* c2 d3* e4 f5*"},  // Ctrl+Q: the checked ones
        {41215, "a0* b1 c2* d3 e4* f5"},
        {41216, "a0 b1 c2* d3* e4 f5"},
        {41217, "a0 b1 c2 d3 e4* f5*"},
        {41218, "a1* b1 c3 d3 e5 f5"},  // Ctrl+Shift+Q: check all
        {41219, "a0* b0 c2 d2 e4 f4"},
        {41220, "a1* b0 c3 d2 e5 f4"},  // invert
        {41221, "a0* b1 c0 d1 e4 f5"},  // no cancelled style
        {41222, "a0* b1 c2 d3 e0 f1"},  // no emphasis
        {41224, "b1 a0* c2 d3 e4 f5"},  // Alt+Down
        {41223, "a0* b1 c2 d3 e4 f5"},  // Alt+Up on the first row: nothing
        {41114, "a0* b1 c2 d3 e4 f5"},  // Left on the only category: nothing
        {41120, "a0* b1 c2 d3 e4 f5"},  // unknown
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        Reload();
        Command(c.id);
        EXPECT_EQ(Snapshot(), c.expected);
    }
}

TEST_F(Commands, ShiftTabAndCheckMoveDown) {
    Command(41211);
    Command(41211);
    Command(41212);
    EXPECT_EQ(Snapshot(), ">a0* b1 c2 d3 e4 f5");
    Command(41006);  // Alt+M: checked items sink
    EXPECT_EQ(AppSettings.CheckMoveDown, 1);
    Command(41203);
    EXPECT_EQ(Snapshot(), "b1 c2 d3 e4 >a1* f5");  // above the checked run at the end
}

TEST_F(Commands, SaveWritesTheListNow) {
    Command(41203);
    Command(41009);
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), "C\r\n■a\r\n■b\r\n◇c\r\n◆d\r\n○e\r\n●f\r\n");
    EXPECT_TRUE(IsWindow(frame_));
}

TEST_F(Commands, WindowToggles) {
    Command(41004);
    EXPECT_EQ(AppSettings.WindowTop, 1);
    EXPECT_NE(GetWindowLongA(frame_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    Command(41004);
    EXPECT_EQ(AppSettings.WindowTop, 0);
    EXPECT_EQ(GetWindowLongA(frame_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    RECT before{}, after{};
    GetWindowRect(ListPaneHandle, &before);
    Command(41005);  // Alt+C: the pane takes the category bar's place
    GetWindowRect(ListPaneHandle, &after);
    EXPECT_EQ(AppSettings.DispCategory, 0);
    EXPECT_EQ(after.top, before.top - AppLayout.CategoryHeight - AppLayout.BoundaryHeight +
                             AppLayout.TitleListSpace);
}

TEST_F(Commands, NewItemIsEditedAtOnceAndEnterCommits) {
    Command(41201);  // Ctrl+N, then the posted Enter
    ASSERT_EQ(itemEditing, 1);
    EXPECT_EQ(GetFocus(), itemEditor);
    EXPECT_EQ(ActiveAccelerators, nullptr);
    Type("milk");
    SendMessageA(itemEditor, WM_CHAR, '\r', 0);
    PumpMessages();
    EXPECT_EQ(itemEditing, 0);
    EXPECT_EQ(itemEditor, nullptr);
    EXPECT_EQ(Snapshot(), "milk0* a0 b1 c2 d3 e4 f5");
    EXPECT_EQ(GetFocus(), ListPaneHandle);
}

TEST_F(Commands, EditorKeys) {
    Command(41202);  // Enter: the whole text selected
    ASSERT_EQ(itemEditing, 1);
    DWORD from = 1, to = 0;
    SendMessageA(itemEditor, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 1u);

    // Commands on the selection do nothing while the edit is open.
    Command(41203);
    Command(41207);
    EXPECT_EQ(itemEditing, 1);
    EXPECT_EQ(Snapshot(), "a0* b1 c2 d3 e4 f5");

    Type("xy");
    SendMessageA(itemEditor, WM_KEYDOWN, VK_ESCAPE, 0);  // Esc: nothing kept
    PumpMessages();
    EXPECT_EQ(itemEditing, 0);
    EXPECT_EQ(TextOf(0), "a");

    Command(41202);
    SendMessageA(itemEditor, EM_SETSEL, 1, 1);
    SendMessageA(itemEditor, WM_CHAR, '\t', 0);  // never typed
    Type("q");
    SendMessageA(itemEditor, WM_KEYDOWN, VK_TAB, 0);  // Tab: kept, nothing indented
    PumpMessages();
    EXPECT_EQ(Snapshot(), "aq0* b1 c2 d3 e4 f5");

    Command(41202);
    SendMessageA(itemEditor, EM_SETSEL, 0, 0);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(itemEditor, WM_KEYDOWN, 'A', 0);  // Ctrl+A: the edit's text
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    SendMessageA(itemEditor, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 2u);
    EXPECT_EQ(Snapshot(), "aq0* b1 c2 d3 e4 f5");  // not every item
    Command(41202);                                // Enter as a command commits
    EXPECT_EQ(itemEditing, 0);
}

TEST_F(Commands, TypedTextStopsAt253AndAFullItemSurvivesAnEdit) {
    Command(41202);
    SendMessageA(itemEditor, EM_SETSEL, 0, -1);
    Type(std::string(300, 'x'));
    EXPECT_EQ(EditorText().size(), 253u);
    SendMessageA(itemEditor, WM_CHAR, '\r', 0);
    EXPECT_EQ(TextOf(0), std::string(253, 'x'));

    // A loaded item of 255 bytes, ending in a two-byte character.
    std::string full = std::string(253, 'y') + "あ";
    (*AppStore.currentItems)[1].text = full;
    NavigateFocus(NavigateMode::Down);
    Command(41202);
    EXPECT_EQ(EditorText(), full);
    SendMessageA(itemEditor, WM_CHAR, '\r', 0);
    EXPECT_EQ(TextOf(1), full);
}

TEST_F(Commands, BoldItemEditsInBoldAndAResizeKeepsTheText) {
    for (int i = 0; i < 4; ++i) {
        NavigateFocus(NavigateMode::Down);
    }
    Command(41202);
    ASSERT_EQ(itemEditing, 1);
    EXPECT_EQ(itemEditTextColour, AppLayout.ListBoldText);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(itemEditor, WM_GETFONT, 0, 0));
    LOGFONTA log{};
    ASSERT_NE(GetObjectA(font, sizeof log, &log), 0);
    EXPECT_GE(log.lfWeight, FW_BOLD);

    Type("zzz");
    SetWindowPos(frame_, nullptr, 0, 0, kWidth + 40, kHeight, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    EXPECT_EQ(itemEditing, 0);
    EXPECT_EQ(TextOf(4), "zzz");
}

TEST_F(Commands, InputMethodStateCarriesFromEditToEdit) {
    rememberedImeOpen = 1;
    Command(41202);
    HIMC context = ImmGetContext(frame_);
    ASSERT_NE(context, nullptr);
    EXPECT_TRUE(ImmGetOpenStatus(context));
    ImmReleaseContext(frame_, context);
    rememberedImeOpen = 0;
    SendMessageA(itemEditor, WM_CHAR, '\r', 0);
    EXPECT_EQ(rememberedImeOpen, 1);  // read back when the edit ended
    context = ImmGetContext(frame_);
    EXPECT_FALSE(ImmGetOpenStatus(context));  // and closed until the next edit
    ImmReleaseContext(frame_, context);
}

TEST_F(Commands, PreparingTheInputMethodKeepsItsState) {
    for (const BOOL open : {TRUE, FALSE}) {
        HIMC context = ImmGetContext(frame_);
        ASSERT_NE(context, nullptr);
        ImmSetOpenStatus(context, open);
        rememberedImeOpen = open ? 0 : 1;  // never what it is set to
        PrepareInputMethod();
        EXPECT_EQ(ImmGetOpenStatus(context) != FALSE, open != FALSE);
        ImmReleaseContext(frame_, context);
    }
}

}  // namespace
}  // namespace tessel::test
