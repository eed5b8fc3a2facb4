// The main window's own parts as a screen reader reads them, on the real
// window under Wine: the title, the close button and its click, the tabs
// of the category bar and their default action, the events of the tabs,
// and the names of the two in-place edit boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "access/frame_accessible_win.h"
#include "categorybar/category_bar_win.h"
#include "categorybar/category_rename_win.h"
#include "commands/command_dispatch_win.h"
#include "listpane/item_editor_win.h"
#include "mainwindow/frame_zones.h"
#include "shell/command_ids.h"
#include "tests/access/reader_client.h"
#include "tests/mainwindow/frame_fixture.h"

namespace tessel::test {
namespace {

const std::string kList = "買い物\r\n□牛乳\r\n\r\n仕事\r\n◇報告書\r\n\r\nHome\r\n□clean\r\n";

class FrameObject : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    void TearDown() override {
        frameObject_.Reset();
        FrameTest::TearDown();
        CoUninitialize();
    }

    IAccessible* Open() {
        WriteFileBytes(DataFile("list.txt"), kList);
        if (Create() == nullptr) {
            return nullptr;
        }
        frameObject_ = ObjectOf(frame_, OBJID_CLIENT);
        return frameObject_.Get();
    }

    // The category bar as the frame's third child hands it out.
    ComRef<IAccessible> Tabs() {
        ComRef<IDispatch> child;
        frameObject_->get_accChild(ChildId(3), child.Put());
        return child.As<IAccessible>();
    }

    // The events heard about the frame since the last call.
    std::vector<HeardEvent> Heard() {
        PumpMessages();
        std::vector<HeardEvent> heard;
        for (const HeardEvent& event : heardEvents) {
            if (event.window == frame_ && event.event != EVENT_OBJECT_LOCATIONCHANGE) {
                heard.push_back(event);
            }
        }
        heardEvents.clear();
        return heard;
    }
    HeardEvent Tab(DWORD event, LONG child) const {
        return HeardEvent{event, frame_, kCategoryBarObjectId, child};
    }

    ComRef<IAccessible> frameObject_;
};

TEST_F(FrameObject, ReadsTheTitleTheCloseButtonAndTheTabs) {
    IAccessible* frame = Open();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(ChildCountOf(frame), 4);
    EXPECT_EQ(NameOf(frame, CHILDID_SELF), L"買い物");
    EXPECT_EQ(RoleOf(frame, 1), ROLE_SYSTEM_TITLEBAR);
    EXPECT_EQ(NameOf(frame, 1), L"買い物");
    EXPECT_EQ(RoleOf(frame, 2), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(NameOf(frame, 2), L"閉じる");
    EXPECT_EQ(DefaultActionOf(frame, 2), L"押す");

    // The close button where the frame draws it and takes its clicks.
    const ZoneBox close = CloseButtonBox(AppLayout, kWidth);
    const POINT corner = OnScreen(frame_, close.left, close.top);
    const RECT expected{corner.x, corner.y, corner.x + close.width, corner.y + close.height};
    const RECT place = LocationOf(frame, 2);
    EXPECT_TRUE(EqualRect(&place, &expected));
    OwnedVariant hit;
    const POINT middle = OnScreen(frame_, close.left + close.width / 2, close.top + 2);
    ASSERT_EQ(frame->accHitTest(middle.x, middle.y, hit.Out()), S_OK);
    EXPECT_EQ(hit.Long(), 2);

    ComRef<IAccessible> tabs = Tabs();
    ASSERT_TRUE(tabs);
    EXPECT_EQ(RoleOf(tabs.Get(), CHILDID_SELF), ROLE_SYSTEM_PAGETABLIST);
    EXPECT_EQ(NameOf(tabs.Get(), CHILDID_SELF), L"カテゴリ");
    ASSERT_EQ(ChildCountOf(tabs.Get()), 3);
    const wchar_t* const names[] = {L"買い物", L"仕事", L"Home"};
    const CategoryStrip strip = CurrentCategoryStrip();
    for (long tab = 1; tab <= 3; ++tab) {
        EXPECT_EQ(NameOf(tabs.Get(), tab), names[tab - 1]);
        EXPECT_EQ(RoleOf(tabs.Get(), tab), ROLE_SYSTEM_PAGETAB);
        EXPECT_EQ(StatesOf(tabs.Get(), tab),
                  STATE_SYSTEM_SELECTABLE | (tab == 1 ? STATE_SYSTEM_SELECTED : 0));
        // The middle of each tab, as the frame's hit test finds it: the
        // frame leads to the bar, the bar to the tab.
        const RECT box = LocationOf(tabs.Get(), tab);
        POINT client{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        ScreenToClient(frame_, &client);
        EXPECT_EQ(HitTestTab(strip, client.x, client.y), tab - 1);
        ASSERT_EQ(
            frame->accHitTest((box.left + box.right) / 2, (box.top + box.bottom) / 2, hit.Out()),
            S_OK);
        ASSERT_EQ(hit.Type(), VT_DISPATCH);
        ComRef<IAccessible> bar;
        ASSERT_EQ(hit.Get().pdispVal->QueryInterface(__uuidof(IAccessible),
                                                     reinterpret_cast<void**>(bar.Put())),
                  S_OK);
        OwnedVariant onTab;
        ASSERT_EQ(
            bar->accHitTest((box.left + box.right) / 2, (box.top + box.bottom) / 2, onTab.Out()),
            S_OK);
        EXPECT_EQ(onTab.Long(), tab);
    }
    OwnedVariant selection;
    ASSERT_EQ(tabs->get_accSelection(selection.Out()), S_OK);
    EXPECT_EQ(selection.Long(), 1);

    // The fourth child is the list pane's list.
    ComRef<IDispatch> paneList;
    ASSERT_EQ(frame->get_accChild(ChildId(4), paneList.Put()), S_OK);
    ComRef<IAccessible> list = paneList.As<IAccessible>();
    ASSERT_TRUE(list);
    EXPECT_EQ(RoleOf(list.Get(), CHILDID_SELF), ROLE_SYSTEM_LIST);
    EXPECT_EQ(NameOf(list.Get(), 1), L"牛乳");
    EXPECT_EQ(RoleOf(frame, 4), ROLE_SYSTEM_LIST);
}

TEST_F(FrameObject, ATabsDefaultActionMakesItsCategoryCurrent) {
    IAccessible* frame = Open();
    ASSERT_NE(frame, nullptr);
    ComRef<IAccessible> tabs = Tabs();
    ASSERT_TRUE(tabs);
    EventEar ear;
    EXPECT_EQ(DefaultActionOf(tabs.Get(), 2), L"切り替え");
    ASSERT_EQ(tabs->accDoDefaultAction(ChildId(2)), S_OK);
    EXPECT_EQ(AppStore.currentCategory, 1);
    EXPECT_EQ(NameOf(frame, 1), L"仕事");
    EXPECT_EQ(Heard(),
              (std::vector<HeardEvent>{HeardEvent{EVENT_OBJECT_NAMECHANGE, frame_, OBJID_CLIENT, 1},
                                       Tab(EVENT_OBJECT_SELECTION, 2)}));
    // The event leads a reader to the tab.
    ComRef<IAccessible> fromEvent;
    OwnedVariant child;
    ASSERT_EQ(
        AccessibleObjectFromEvent(frame_, kCategoryBarObjectId, 2, fromEvent.Put(), child.Out()),
        S_OK);
    EXPECT_EQ(NameOf(fromEvent.Get(), child.Long()), L"仕事");

    // Selecting a tab is the same; a tab cannot join a selection.
    EXPECT_EQ(tabs->accSelect(SELFLAG_ADDSELECTION, ChildId(3)), E_INVALIDARG);
    ASSERT_EQ(tabs->accSelect(SELFLAG_TAKESELECTION, ChildId(3)), S_OK);
    EXPECT_EQ(AppStore.currentCategory, 2);
    Heard();

    // A renamed tab, then tabs moved.
    ASSERT_EQ(BeginCategoryRename(2), 1);
    SetWindowTextW(CategoryRenameBox(), L"家");
    ASSERT_EQ(EndCategoryRename(1), 1);
    std::vector<HeardEvent> renamed = Heard();
    EXPECT_NE(std::find(renamed.begin(), renamed.end(), Tab(EVENT_OBJECT_NAMECHANGE, 3)),
              renamed.end());
    EXPECT_EQ(NameOf(tabs.Get(), 3), L"家");
    DispatchCommand(frame_, kCmdMoveCategoryLeft);
    EXPECT_EQ(Heard(), (std::vector<HeardEvent>{Tab(EVENT_OBJECT_REORDER, CHILDID_SELF),
                                                Tab(EVENT_OBJECT_SELECTION, 2)}));
    EXPECT_EQ(NameOf(tabs.Get(), 2), L"家");
}

// The close button's default action in either mode, after an unsaved
// change: the click saves the list on its way out or into the tray.
TEST_F(FrameObject, TheCloseButtonsDefaultActionIsItsClickInTrayMode) {
    IAccessible* frame = Open();
    ASSERT_NE(frame, nullptr);
    AppSettings.TaskTray = 1;
    DispatchCommand(frame_, kCmdToggleCheck);
    ASSERT_EQ(frame->accDoDefaultAction(ChildId(2)), S_OK);
    PumpMessages();
    EXPECT_TRUE(IsWindow(frame_));
    EXPECT_FALSE(IsWindowVisible(frame_));
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")).rfind("買い物\r\n■牛乳\r\n", 0), 0u);
    // The title bar has no action of its own.
    EXPECT_EQ(frame->accDoDefaultAction(ChildId(1)), DISP_E_MEMBERNOTFOUND);
    AppSettings.TaskTray = 0;
}

TEST_F(FrameObject, TheCloseButtonsDefaultActionIsItsClickOnTheTaskbar) {
    IAccessible* frame = Open();
    ASSERT_NE(frame, nullptr);
    DispatchCommand(frame_, kCmdToggleCheck);
    ASSERT_EQ(frame->accDoDefaultAction(ChildId(2)), S_OK);
    EXPECT_TRUE(IsWindow(frame_));  // only once the call has returned
    EXPECT_EQ(PumpMessages(), 1);
    EXPECT_FALSE(IsWindow(frame_));
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")).rfind("買い物\r\n■牛乳\r\n", 0), 0u);
    EXPECT_EQ(frame->accDoDefaultAction(ChildId(2)), CO_E_OBJNOTCONNECTED);
}

TEST_F(FrameObject, TheEditBoxesAreNamedByWhatTheyEdit) {
    ASSERT_NE(Open(), nullptr);
    ASSERT_EQ(BeginItemEdit(1), 1);
    ComRef<IAccessible> editor = ObjectOf(itemEditor, OBJID_CLIENT);
    ASSERT_TRUE(editor);
    EXPECT_EQ(NameOf(editor.Get(), CHILDID_SELF), L"項目のテキスト");
    EXPECT_EQ(RoleOf(editor.Get(), CHILDID_SELF), ROLE_SYSTEM_TEXT);
    EndItemEdit(0);

    ASSERT_EQ(BeginCategoryRename(0), 1);
    ComRef<IAccessible> rename = ObjectOf(CategoryRenameBox(), OBJID_CLIENT);
    ASSERT_TRUE(rename);
    EXPECT_EQ(NameOf(rename.Get(), CHILDID_SELF), L"カテゴリ名");
    EXPECT_EQ(RoleOf(rename.Get(), CHILDID_SELF), ROLE_SYSTEM_TEXT);
    EndCategoryRename(0);
}

}  // namespace
}  // namespace tessel::test
