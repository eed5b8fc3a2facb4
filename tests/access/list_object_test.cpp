// The list pane as a screen reader reads it, on the real main window under
// Wine: the object WM_GETOBJECT hands out, its rows (Japanese text read
// back in UTF-16), states, places and hit tests, selection and default
// action, and the events a reader hears.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "listpane/item_commands_win.h"
#include "listpane/item_editor_win.h"
#include "listpane/list_pane_win.h"
#include "shell/command_ids.h"
#include "tests/access/reader_client.h"

namespace tessel::test {
namespace {

// Plain, checked and indented, cancelled, a separator; and a second category.
const std::string kList = "買い物\r\n□牛乳を買う\r\n\t■パン\r\n◇卵\r\n□" + std::string(40, '-') +
                          "\r\n\r\n仕事\r\n□報告書\r\n";

constexpr long kRow = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;

class ListObject : public ReaderTest {
  protected:
    // The window over a list.txt, the pane focused, and the pane's object.
    IAccessible* Open(const std::string& listFile = kList) {
        if (OpenWindow(listFile) == nullptr) {
            return nullptr;
        }
        list_ = ObjectOf(ListPaneHandle, OBJID_CLIENT);
        return list_.Get();
    }
    void TearDown() override {
        list_.Reset();
        ReaderTest::TearDown();
    }
    std::vector<HeardEvent> Heard() { return HeardAbout(ListPaneHandle, {OBJID_CLIENT}); }
    HeardEvent Row(DWORD event, LONG child) const {
        return HeardEvent{event, ListPaneHandle, OBJID_CLIENT, child};
    }

    ComRef<IAccessible> list_;
};

TEST_F(ListObject, ReadsTheRowsOfTheCurrentCategory) {
    IAccessible* list = Open();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(RoleOf(list, CHILDID_SELF), ROLE_SYSTEM_LIST);
    EXPECT_EQ(NameOf(list, CHILDID_SELF), L"買い物");
    ASSERT_EQ(ChildCountOf(list), 4);
    struct Row {
        const wchar_t* name;
        long role, states;
    } rows[] = {
        {L"牛乳を買う", ROLE_SYSTEM_LISTITEM, kRow | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED},
        {L"パン", ROLE_SYSTEM_LISTITEM, kRow | STATE_SYSTEM_CHECKED},
        {L"卵", ROLE_SYSTEM_LISTITEM, kRow},
        {L"セパレータ", ROLE_SYSTEM_LISTITEM, kRow},
    };
    for (long child = 1; child <= 4; ++child) {
        EXPECT_EQ(NameOf(list, child), rows[child - 1].name) << child;
        EXPECT_EQ(RoleOf(list, child), rows[child - 1].role) << child;
        EXPECT_EQ(StatesOf(list, child), rows[child - 1].states) << child;
    }
    EXPECT_EQ(TextOf(list, &IAccessible::get_accDescription, 2), L"チェックあり、インデント 1");
    EXPECT_EQ(TextOf(list, &IAccessible::get_accDefaultAction, 2), L"チェックをはずす");
    // Rows are elements of the list, not objects of their own.
    ComRef<IDispatch> element;
    EXPECT_EQ(list->get_accChild(ChildId(1), element.Put()), S_FALSE);
    EXPECT_EQ(list->get_accChild(ChildId(5), element.Put()), E_INVALIDARG);
}

TEST_F(ListObject, PlacesAndHitTestsRowsWhereThePaneDrawsThem) {
    std::string longList = "長い\r\n";
    for (int i = 0; i < 40; ++i) {
        longList += "□項目" + std::to_string(i) + "\r\n";
    }
    IAccessible* list = Open(longList);
    ASSERT_NE(list, nullptr);
    AppStore.topIndex = 5;
    UpdateListScroll(0);
    PumpMessages();
    ASSERT_GT(ScrollBarShownWidth, 0);
    RECT client{};
    GetClientRect(ListPaneHandle, &client);
    const int rowWidth = client.right - ScrollBarShownWidth;
    const int height = ListPaneMetrics().lineHeight;          // 22 at 96 DPI
    const int shown = (client.bottom + height - 1) / height;  // the last one in part
    for (int row : {4, 5, 5 + shown - 1, 5 + shown}) {
        const POINT corner = OnScreen(ListPaneHandle, 0, (row - 5) * height);
        const RECT expected{corner.x, corner.y, corner.x + rowWidth, corner.y + height};
        const RECT place = LocationOf(list, row + 1);
        EXPECT_TRUE(EqualRect(&place, &expected)) << row;
        const bool inView = row >= 5 && row < 5 + shown;
        EXPECT_EQ((StatesOf(list, row + 1) & STATE_SYSTEM_OFFSCREEN) == 0, inView) << row;
        if (inView) {  // its middle, or what shows of the row cut by the bottom
            const int y = std::min<int>((row - 5) * height + height / 2, client.bottom - 1);
            EXPECT_EQ(HitTest(list, ListPaneHandle, rowWidth / 2, y), row + 1) << row;
        }
    }
    EXPECT_EQ(HitTest(list, ListPaneHandle, client.right - 2, 30), CHILDID_SELF);  // scroll bar
    EXPECT_EQ(HitTest(list, ListPaneHandle, -3, 30), -1);                          // outside
}

TEST_F(ListObject, SelectsAndChecksAsAReaderAsks) {
    IAccessible* list = Open();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, ChildId(2)), S_OK);
    ASSERT_EQ(list->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_EXTENDSELECTION, ChildId(4)), S_OK);
    EXPECT_EQ(list->accSelect(SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION, ChildId(1)),
              E_INVALIDARG);
    OwnedVariant focus;
    ASSERT_EQ(list->get_accFocus(focus.Out()), S_OK);
    EXPECT_EQ(focus.Long(), 4);
    // More than one row selected: an enumeration of their ids.
    OwnedVariant selection;
    ASSERT_EQ(list->get_accSelection(selection.Out()), S_OK);
    ASSERT_EQ(selection.Type(), VT_UNKNOWN);
    ComRef<IEnumVARIANT> selected;
    ASSERT_EQ(selection.Get().punkVal->QueryInterface(__uuidof(IEnumVARIANT),
                                                      reinterpret_cast<void**>(selected.Put())),
              S_OK);
    VARIANT ids[4];
    ULONG fetched = 0;
    EXPECT_EQ(selected->Next(4, ids, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 3u);
    EXPECT_EQ(ids[0].lVal * 100 + ids[1].lVal * 10 + ids[2].lVal, 234);

    // The default action is a click on the row's box: an unselected row
    // becomes the selection, its check turns, and an undo takes it back.
    EXPECT_EQ(list->accDoDefaultAction(ChildId(1)), S_OK);
    EXPECT_EQ(StatesOf(list, 1) & (STATE_SYSTEM_CHECKED | STATE_SYSTEM_SELECTED),
              STATE_SYSTEM_CHECKED | STATE_SYSTEM_SELECTED);
    EXPECT_EQ(StatesOf(list, 2) & STATE_SYSTEM_SELECTED, 0);
    EXPECT_EQ(list->accDoDefaultAction(ChildId(4)), DISP_E_MEMBERNOTFOUND);  // a separator
    Command(kCmdUndo);
    EXPECT_EQ(StatesOf(list, 1) & STATE_SYSTEM_CHECKED, 0);

    // Once the window is gone the object answers nothing.
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    PumpMessages();
    long count = -1;
    EXPECT_EQ(list->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
}

TEST_F(ListObject, AReaderHearsFocusSelectionChecksEditsAndMoves) {
    IAccessible* list = Open();
    ASSERT_NE(list, nullptr);
    EventEar ear;
    ASSERT_TRUE(ear.Listening());
    SendMessageA(ListPaneHandle, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Heard(), (std::vector<HeardEvent>{Row(EVENT_OBJECT_SELECTION, 2),
                                                Row(EVENT_OBJECT_FOCUS, 2)}));
    Command(kCmdToggleCheck);
    EXPECT_EQ(Heard(), std::vector<HeardEvent>{Row(EVENT_OBJECT_STATECHANGE, 2)});
    Command(kCmdToggleBold);
    EXPECT_EQ(Heard(), std::vector<HeardEvent>{Row(EVENT_OBJECT_DESCRIPTIONCHANGE, 2)});
    // The editor takes the focus and gives it back: the system tells of the
    // list, the pane of the row and its new name.
    ASSERT_EQ(BeginItemEdit(1), 1);
    SetWindowTextW(itemEditor, L"食パン");
    ASSERT_EQ(EndItemEdit(1), 1);
    EXPECT_EQ(Heard(), (std::vector<HeardEvent>{Row(EVENT_OBJECT_FOCUS, CHILDID_SELF),
                                                Row(EVENT_OBJECT_NAMECHANGE, 2),
                                                Row(EVENT_OBJECT_FOCUS, 2)}));
    Command(kCmdMoveItemsDown);
    EXPECT_EQ(Heard(), (std::vector<HeardEvent>{Row(EVENT_OBJECT_REORDER, CHILDID_SELF),
                                                Row(EVENT_OBJECT_FOCUS, 3)}));
    EXPECT_EQ(NameOf(list, 3), L"食パン");
    Command(kCmdNextCategory);
    EXPECT_EQ(Heard(), (std::vector<HeardEvent>{Row(EVENT_OBJECT_REORDER, CHILDID_SELF),
                                                Row(EVENT_OBJECT_FOCUS, 1)}));
    // An event leads a reader to the row it names.
    ComRef<IAccessible> fromEvent;
    OwnedVariant child;
    ASSERT_EQ(
        AccessibleObjectFromEvent(ListPaneHandle, OBJID_CLIENT, 1, fromEvent.Put(), child.Out()),
        S_OK);
    EXPECT_EQ(NameOf(fromEvent.Get(), child.Long()), L"報告書");
}

TEST_F(ListObject, AChangeToAHundredThousandRowsIsOneEvent) {
    std::string big = "大きい\r\n";
    for (int i = 0; i < 100000; ++i) {
        big += "□項目 " + std::to_string(i) + "\r\n";
    }
    IAccessible* list = Open(big);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(ChildCountOf(list), 100000);
    EventEar ear;
    Command(kCmdSelectAll);
    EXPECT_EQ(Heard(), std::vector<HeardEvent>{Row(EVENT_OBJECT_SELECTIONWITHIN, CHILDID_SELF)});
    Command(kCmdCheckAll);
    EXPECT_EQ(Heard(), std::vector<HeardEvent>{Row(EVENT_OBJECT_REORDER, CHILDID_SELF)});
    EXPECT_EQ(StatesOf(list, 100000) & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);
    SendMessageA(ListPaneHandle, WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(Heard(), (std::vector<HeardEvent>{Row(EVENT_OBJECT_SELECTION, 100000),
                                                Row(EVENT_OBJECT_FOCUS, 100000)}));
}

}  // namespace
}  // namespace tessel::test
