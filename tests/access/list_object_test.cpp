// The list pane as a screen reader reads it, on the real main window under
// Wine: the object WM_GETOBJECT hands out, its rows' names (Japanese text
// read back in UTF-16), state words, states, places, hit tests, navigation,
// selection and default action, and the events a reader hears.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "access/reading_basics.h"
#include "commands/command_dispatch_win.h"
#include "listpane/item_commands_win.h"
#include "listpane/item_editor_win.h"
#include "shell/command_ids.h"
#include "tests/access/reader_client.h"
#include "tests/mainwindow/frame_fixture.h"

namespace tessel::test {
namespace {

// Rows of every kind: plain, checked, cancelled and indented, emphasised,
// checked and indented twice, a separator, emphasised only.
const std::string kList = "買い物\r\n□牛乳を買う\r\n■パン\r\n\t◇卵\r\n\t\t●会議の資料\r\n□" +
                          std::string(40, '-') + "\r\n○強調だけ\r\n\r\n仕事\r\n□報告書\r\n";

constexpr long kRowStates = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;

class ListObject : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    void TearDown() override {
        list_.Reset();
        FrameTest::TearDown();
        CoUninitialize();
    }

    // The window over the list, the pane focused, and its object as a reader gets it.
    IAccessible* Open(const std::string& listFile = kList) {
        WriteFileBytes(DataFile("list.txt"), listFile);
        if (Create() == nullptr) {
            return nullptr;
        }
        SetFocus(ListPaneHandle);
        PumpMessages();
        list_ = ObjectOf(ListPaneHandle, OBJID_CLIENT);
        return list_.Get();
    }

    // A command as the shortcut table sends it, and what follows it shown.
    void Command(int id) {
        DispatchCommand(frame_, static_cast<WPARAM>(id));
        PumpMessages();
    }

    // The events heard about the pane's rows since the last call.
    std::vector<HeardEvent> Heard() {
        PumpMessages();
        std::vector<HeardEvent> rows;
        for (const HeardEvent& event : heardEvents) {
            if (event.window == ListPaneHandle && event.object == OBJID_CLIENT) {
                rows.push_back(event);
            }
        }
        heardEvents.clear();
        return rows;
    }
    HeardEvent Row(DWORD event, LONG child) const {
        return HeardEvent{event, ListPaneHandle, OBJID_CLIENT, child};
    }

    ComRef<IAccessible> list_;
};

TEST_F(ListObject, ReadsEveryRowOfTheCurrentCategory) {
    IAccessible* list = Open();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(RoleOf(list, CHILDID_SELF), ROLE_SYSTEM_LIST);
    EXPECT_EQ(NameOf(list, CHILDID_SELF), L"買い物");
    EXPECT_EQ(ChildCountOf(list), 6);
    EXPECT_EQ(StatesOf(list, CHILDID_SELF) & STATE_SYSTEM_FOCUSED, STATE_SYSTEM_FOCUSED);

    struct Row {
        const wchar_t* name;
        long role;
        const wchar_t* description;
        long states;
        const wchar_t* action;
    } rows[] = {
        {L"牛乳を買う", ROLE_SYSTEM_LISTITEM, L"チェックなし",
         kRowStates | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED, L"チェックを付ける"},
        {L"パン", ROLE_SYSTEM_LISTITEM, L"チェックあり", kRowStates | STATE_SYSTEM_CHECKED,
         L"チェックをはずす"},
        {L"卵", ROLE_SYSTEM_LISTITEM, L"チェックなし、取り消し、インデント 1", kRowStates,
         L"チェックを付ける"},
        {L"会議の資料", ROLE_SYSTEM_LISTITEM, L"チェックあり、強調、インデント 2",
         kRowStates | STATE_SYSTEM_CHECKED, L"チェックをはずす"},
        {L"セパレータ", ROLE_SYSTEM_SEPARATOR, L"", kRowStates, L""},
        {L"強調だけ", ROLE_SYSTEM_LISTITEM, L"チェックなし、強調", kRowStates, L"チェックを付ける"},
    };
    for (long child = 1; child <= 6; ++child) {
        const Row& row = rows[child - 1];
        EXPECT_EQ(NameOf(list, child), row.name) << child;
        EXPECT_EQ(RoleOf(list, child), row.role) << child;
        EXPECT_EQ(DescriptionOf(list, child), row.description) << child;
        EXPECT_EQ(StatesOf(list, child), row.states) << child;
        EXPECT_EQ(DefaultActionOf(list, child), row.action) << child;
    }
    // Rows are elements of the list, not objects of their own.
    ComRef<IDispatch> element;
    EXPECT_EQ(list->get_accChild(ChildId(1), element.Put()), S_FALSE);
    EXPECT_EQ(list->get_accChild(ChildId(7), element.Put()), E_INVALIDARG);
    OwnedText none;
    EXPECT_EQ(list->get_accName(ChildId(7), none.Out()), E_INVALIDARG);
}

TEST_F(ListObject, PlacesRowsWhereThePaneDrawsThem) {
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
    const int lineHeight = 22;

    // Rows above the top and below the bottom are off screen; a row cut by
    // the bottom edge shows.
    const int visible = (client.bottom + lineHeight - 1) / lineHeight;
    for (int row : {0, 4, 5, 6, 5 + visible - 1, 5 + visible, 39}) {
        const POINT corner = OnScreen(ListPaneHandle, 0, (row - 5) * lineHeight);
        const RECT expected{corner.x, corner.y, corner.x + rowWidth, corner.y + lineHeight};
        const RECT place = LocationOf(list, row + 1);
        EXPECT_TRUE(EqualRect(&place, &expected)) << row;
        const bool shows = row >= 5 && row < 5 + visible;
        EXPECT_EQ((StatesOf(list, row + 1) & STATE_SYSTEM_OFFSCREEN) != 0, !shows) << row;

        if (shows) {
            // The middle of the row leads back to it.
            OwnedVariant hit;
            const POINT middle =
                OnScreen(ListPaneHandle, rowWidth / 2, (row - 5) * lineHeight + lineHeight / 2);
            EXPECT_EQ(list->accHitTest(middle.x, middle.y, hit.Out()), S_OK);
            EXPECT_EQ(hit.Long(), row + 1) << row;
        }
    }
    // The list itself covers the client area; the scroll bar is the list's,
    // and nothing outside is.
    const POINT origin = OnScreen(ListPaneHandle, 0, 0);
    const RECT all = LocationOf(list, CHILDID_SELF);
    const RECT expected{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    EXPECT_TRUE(EqualRect(&all, &expected));
    OwnedVariant hit;
    const POINT onBar = OnScreen(ListPaneHandle, client.right - 2, 30);
    EXPECT_EQ(list->accHitTest(onBar.x, onBar.y, hit.Out()), S_OK);
    EXPECT_EQ(hit.Long(), CHILDID_SELF);
    const POINT outside = OnScreen(ListPaneHandle, -3, 30);
    EXPECT_EQ(list->accHitTest(outside.x, outside.y, hit.Out()), S_FALSE);
    EXPECT_EQ(hit.Type(), VT_EMPTY);
}

TEST_F(ListObject, NavigatesAndSelectsAsAReaderAsks) {
    IAccessible* list = Open();
    ASSERT_NE(list, nullptr);
    struct Step {
        long from, direction;
        HRESULT result;
        long to;
    } steps[] = {
        {CHILDID_SELF, NAVDIR_FIRSTCHILD, S_OK, 1},
        {CHILDID_SELF, NAVDIR_LASTCHILD, S_OK, 6},
        {3, NAVDIR_NEXT, S_OK, 4},
        {3, NAVDIR_DOWN, S_OK, 4},
        {3, NAVDIR_UP, S_OK, 2},
        {6, NAVDIR_NEXT, S_FALSE, -1000},
        {1, NAVDIR_PREVIOUS, S_FALSE, -1000},
        {2, NAVDIR_FIRSTCHILD, E_INVALIDARG, -1000},
    };
    for (const Step& step : steps) {
        OwnedVariant end;
        EXPECT_EQ(list->accNavigate(step.direction, ChildId(step.from), end.Out()), step.result)
            << step.from << " " << step.direction;
        EXPECT_EQ(end.Long(), step.to) << step.from << " " << step.direction;
    }

    // A click's selection, then a range from the anchor added with Shift.
    ASSERT_EQ(list->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, ChildId(2)), S_OK);
    EXPECT_EQ(AppStore.focusIndex, 1);
    ASSERT_EQ(list->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_EXTENDSELECTION, ChildId(4)), S_OK);
    EXPECT_EQ(AppStore.focusIndex, 3);
    EXPECT_EQ(AppStore.anchorIndex, 1);
    OwnedVariant focus;
    ASSERT_EQ(list->get_accFocus(focus.Out()), S_OK);
    EXPECT_EQ(focus.Long(), 4);

    OwnedVariant selection;
    ASSERT_EQ(list->get_accSelection(selection.Out()), S_OK);
    ASSERT_EQ(selection.Type(), VT_UNKNOWN);
    ComRef<IEnumVARIANT> selected;
    ASSERT_EQ(selection.Get().punkVal->QueryInterface(__uuidof(IEnumVARIANT),
                                                      reinterpret_cast<void**>(selected.Put())),
              S_OK);
    VARIANT children[5];
    ULONG fetched = 0;
    EXPECT_EQ(selected->Next(5, children, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 3u);
    for (ULONG i = 0; i < fetched; ++i) {
        EXPECT_EQ(children[i].vt, VT_I4);
        EXPECT_EQ(children[i].lVal, static_cast<long>(i) + 2);
    }

    // Remove and add change one row; adding and removing at once is refused.
    EXPECT_EQ(list->accSelect(SELFLAG_REMOVESELECTION, ChildId(3)), S_OK);
    EXPECT_EQ(StatesOf(list, 3) & STATE_SYSTEM_SELECTED, 0);
    EXPECT_EQ(list->accSelect(SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION, ChildId(3)),
              E_INVALIDARG);
    ASSERT_EQ(list->get_accSelection(selection.Out()), S_OK);
    EXPECT_EQ(selection.Type(), VT_UNKNOWN);
    EXPECT_EQ(list->accSelect(SELFLAG_TAKESELECTION, ChildId(6)), S_OK);
    ASSERT_EQ(list->get_accSelection(selection.Out()), S_OK);
    EXPECT_EQ(selection.Long(), 6);
}

TEST_F(ListObject, DefaultActionTurnsTheRowsCheckAsAClickOnItsBoxWould) {
    IAccessible* list = Open();
    ASSERT_NE(list, nullptr);
    const std::size_t stepsBefore = AppHistory.UndoSteps();
    // An unselected row: it becomes the selection and its check turns.
    EXPECT_EQ(list->accDoDefaultAction(ChildId(3)), S_OK);
    PumpMessages();
    EXPECT_EQ(StatesOf(list, 3) & (STATE_SYSTEM_CHECKED | STATE_SYSTEM_SELECTED),
              STATE_SYSTEM_CHECKED | STATE_SYSTEM_SELECTED);
    EXPECT_EQ(StatesOf(list, 1) & STATE_SYSTEM_SELECTED, 0);
    EXPECT_EQ(DescriptionOf(list, 3), L"チェックあり、取り消し、インデント 1");
    EXPECT_EQ(DefaultActionOf(list, 3), L"チェックをはずす");
    EXPECT_EQ(AppHistory.UndoSteps(), stepsBefore + 1);
    EXPECT_EQ(list->accDoDefaultAction(ChildId(3)), S_OK);
    EXPECT_EQ(StatesOf(list, 3) & STATE_SYSTEM_CHECKED, 0);
    // A separator has no check to turn.
    EXPECT_EQ(list->accDoDefaultAction(ChildId(5)), DISP_E_MEMBERNOTFOUND);
    // One undo step each, as the key's.
    Command(kCmdUndo);
    EXPECT_EQ(StatesOf(list, 3) & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);
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
    EXPECT_EQ(NameOf(list, 2), L"食パン");

    Command(kCmdMoveItemsDown);
    EXPECT_EQ(Heard(), (std::vector<HeardEvent>{Row(EVENT_OBJECT_REORDER, CHILDID_SELF),
                                                Row(EVENT_OBJECT_FOCUS, 3)}));
    EXPECT_EQ(NameOf(list, 3), L"食パン");

    // Another category: the list is read anew.
    Command(kCmdNextCategory);
    EXPECT_EQ(Heard(), (std::vector<HeardEvent>{Row(EVENT_OBJECT_REORDER, CHILDID_SELF),
                                                Row(EVENT_OBJECT_FOCUS, 1)}));
    EXPECT_EQ(NameOf(list, CHILDID_SELF), L"仕事");
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
    big.reserve(2'000'000);
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
    // Back to one selected row: one event names it.
    SendMessageA(ListPaneHandle, WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(Heard(), (std::vector<HeardEvent>{Row(EVENT_OBJECT_SELECTION, 100000),
                                                Row(EVENT_OBJECT_FOCUS, 100000)}));
}

TEST_F(ListObject, StopsAnsweringOnceItsWindowIsGone) {
    IAccessible* list = Open();
    ASSERT_NE(list, nullptr);
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    PumpMessages();
    ASSERT_FALSE(IsWindow(frame_));
    long count = -1;
    EXPECT_EQ(list->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(count, 0);
}

}  // namespace
}  // namespace tessel::test
