// Every way into a user action on the real main window, each tried with an
// item edit open, then one Ctrl+Z: what it gives back shows whether the
// action sealed the undo step and committed, kept or refused the edit
// before it acted. The places are asked of the reader's objects, so that
// the clicks land at every DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "listpane/item_editor_win.h"
#include "listpane/list_pane_win.h"
#include "shell/command_ids.h"
#include "storage/list_file_format.h"
#include "tests/access/reader_client.h"

namespace tessel::test {
namespace {

const std::string kList = "A\r\n□a1\r\n□a2\r\n\r\nB\r\n□b1\r\n\r\nC\r\n□c1\r\n";

class EntryPoints : public ReaderTest {
  protected:
    // The window over kList with "a1" being edited into "edited".
    void SetUp() override {
        ReaderTest::SetUp();
        ASSERT_NE(OpenWindow(kList), nullptr);
        loaded_ = FormatListFile(AppStore);
        list_ = ObjectOf(ListPaneHandle, OBJID_CLIENT);
        ComRef<IDispatch> bar;
        ObjectOf(frame_, OBJID_CLIENT)->get_accChild(ChildId(3), bar.Put());
        tabs_ = bar.As<IAccessible>();
        ASSERT_TRUE(list_ && tabs_);
        Command(kCmdEditItem);
        ASSERT_TRUE(itemEditing);
        SetWindowTextA(itemEditor, "edited");
    }
    void TearDown() override {
        list_.Reset();
        tabs_.Reset();
        ReaderTest::TearDown();
    }

    // The list with the edit kept.
    std::string Edited() const {
        std::string list = loaded_;
        return list.replace(list.find("a1"), 2, "edited");
    }

    // A client point of window inside a reader's child, at quarter/4 of its
    // width.
    static POINT In(IAccessible* object, long child, HWND window, int quarter = 2) {
        const RECT box = LocationOf(object, child);
        POINT point{box.left + (box.right - box.left) * quarter / 4, (box.top + box.bottom) / 2};
        ScreenToClient(window, &point);
        return point;
    }
    static void Mouse(HWND window, UINT message, POINT at, WPARAM keys = 0) {
        SendMessageA(window, message, keys, MAKELPARAM(at.x, at.y));
        PumpMessages();
    }

    std::string loaded_;
    ComRef<IAccessible> list_;
    ComRef<IAccessible> tabs_;
};

TEST_F(EntryPoints, OneUndoTakesBackTheActionOrElseTheEditItCommitted) {
    struct Way {
        const char* name;
        std::function<void()> act;
        bool editStaysOpen;
        bool undoKeepsEdit;  // the undo took back the action, not the edit
    } ways[] = {
        {"Enter in the edit box", [] { SendMessageA(itemEditor, WM_CHAR, '\r', 0); }, false, false},
        {"a command: Move down", [this] { Command(kCmdMoveItemsDown); }, false, true},
        {"a command an open edit refuses: Check", [this] { Command(kCmdToggleCheck); }, true,
         false},
        {"a menu's choice: New separator",
         [this] {
             PostMessageA(frame_, WM_COMMAND, MAKEWPARAM(kCmdNewSeparator, 0), 0);
             PumpMessages();
         },
         false, true},
        {"a tab dragged after the last",
         [this] {
             Mouse(frame_, WM_LBUTTONDOWN, In(tabs_.Get(), 1, frame_), MK_LBUTTON);
             Mouse(frame_, WM_MOUSEMOVE, In(tabs_.Get(), 2, frame_), MK_LBUTTON);
             Mouse(frame_, WM_MOUSEMOVE, In(tabs_.Get(), 3, frame_, 3), MK_LBUTTON);
             Mouse(frame_, WM_LBUTTONUP, In(tabs_.Get(), 3, frame_, 3));
         },
         false, true},
        {"a right press on the frame",
         [this] { Mouse(frame_, WM_RBUTTONDOWN, In(tabs_.Get(), 2, frame_), MK_RBUTTON); }, false,
         false},
        {"a click on another row",
         [this] {
             Mouse(ListPaneHandle, WM_LBUTTONDOWN, In(list_.Get(), 2, ListPaneHandle), MK_LBUTTON);
             Mouse(ListPaneHandle, WM_LBUTTONUP, In(list_.Get(), 2, ListPaneHandle));
         },
         false, false},
        {"a reader's default action on another row",
         [this] { ASSERT_EQ(list_->accDoDefaultAction(ChildId(2)), S_OK); }, false, true},
        {"a reader choosing another tab",
         [this] { ASSERT_EQ(tabs_->accSelect(SELFLAG_TAKESELECTION, ChildId(2)), S_OK); }, false,
         false},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        TearDown();
        SetUp();
        way.act();
        PumpMessages();
        EXPECT_EQ(itemEditing, way.editStaysOpen);
        EXPECT_EQ(FormatListFile(AppStore).find("edited") != std::string::npos, !way.editStaysOpen);
        Command(kCmdUndo);
        EXPECT_FALSE(itemEditing);
        EXPECT_EQ(FormatListFile(AppStore), way.undoKeepsEdit ? Edited() : loaded_);
    }
}

}  // namespace
}  // namespace tessel::test
