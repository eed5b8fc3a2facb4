// The main window's own parts as a screen reader reads them, on the real
// window under Wine: the title, the close button and its click, the tabs
// and their default action and events, and the two edit boxes' names.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "access/frame_accessible_win.h"
#include "categorybar/category_rename_win.h"
#include "listpane/item_editor_win.h"
#include "mainwindow/frame_zones.h"
#include "shell/command_ids.h"
#include "tests/access/reader_client.h"

namespace tessel::test {
namespace {

const std::string kList = "買い物\r\n□牛乳\r\n\r\n仕事\r\n◇報告書\r\n\r\nHome\r\n□clean\r\n";

class FrameObject : public ReaderTest {
  protected:
    IAccessible* Open() {
        if (OpenWindow(kList) == nullptr) {
            return nullptr;
        }
        frameObject_ = ObjectOf(frame_, OBJID_CLIENT);
        return frameObject_.Get();
    }
    void TearDown() override {
        frameObject_.Reset();
        ReaderTest::TearDown();
    }
    // The category bar as the frame's third child.
    ComRef<IAccessible> Tabs() {
        ComRef<IDispatch> child;
        frameObject_->get_accChild(ChildId(3), child.Put());
        return child.As<IAccessible>();
    }
    std::vector<HeardEvent> Heard() {
        return HeardAbout(frame_, {OBJID_CLIENT, kCategoryBarObjectId});
    }
    HeardEvent Tab(DWORD event, LONG child) const {
        return HeardEvent{event, frame_, kCategoryBarObjectId, child};
    }

    ComRef<IAccessible> frameObject_;
};

TEST_F(FrameObject, ReadsTheTitleTheCloseButtonTheTabsAndTheList) {
    IAccessible* frame = Open();
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(ChildCountOf(frame), 4);
    const long roles[] = {ROLE_SYSTEM_CLIENT, ROLE_SYSTEM_TITLEBAR, ROLE_SYSTEM_PUSHBUTTON,
                          ROLE_SYSTEM_PAGETABLIST, ROLE_SYSTEM_LIST};
    const wchar_t* const names[] = {L"買い物", L"買い物", L"閉じる", L"カテゴリ", L"買い物"};
    for (long child = 0; child <= 4; ++child) {
        EXPECT_EQ(RoleOf(frame, child), roles[child]) << child;
        EXPECT_EQ(NameOf(frame, child), names[child]) << child;
    }
    EXPECT_EQ(TextOf(frame, &IAccessible::get_accDefaultAction, 2), L"押す");

    // The close button where the frame draws it and takes its clicks.
    RECT client{};
    GetClientRect(frame_, &client);
    const ZoneBox close = CloseButtonBox(AppLayout, client.right);
    const POINT corner = OnScreen(frame_, close.left, close.top);
    const RECT expected{corner.x, corner.y, corner.x + close.width, corner.y + close.height};
    const RECT place = LocationOf(frame, 2);
    EXPECT_TRUE(EqualRect(&place, &expected));
    EXPECT_EQ(HitTest(frame, frame_, close.left + 3, close.top + 3), 2);
    EXPECT_EQ(HitTest(frame, frame_, 60, 5), 1);

    ComRef<IAccessible> tabs = Tabs();
    ASSERT_TRUE(tabs);
    ASSERT_EQ(ChildCountOf(tabs.Get()), 3);
    const wchar_t* const tabNames[] = {L"買い物", L"仕事", L"Home"};
    for (long tab = 1; tab <= 3; ++tab) {
        EXPECT_EQ(NameOf(tabs.Get(), tab), tabNames[tab - 1]);
        EXPECT_EQ(StatesOf(tabs.Get(), tab),
                  STATE_SYSTEM_SELECTABLE | (tab == 1 ? STATE_SYSTEM_SELECTED : 0));
        // The middle of the tab: the frame leads to the bar, the bar to the tab.
        const RECT box = LocationOf(tabs.Get(), tab);
        POINT middle{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        ScreenToClient(frame_, &middle);
        EXPECT_EQ(HitTest(frame, frame_, middle.x, middle.y), -2);  // an object: the bar
        EXPECT_EQ(HitTest(tabs.Get(), frame_, middle.x, middle.y), tab);
    }
}

TEST_F(FrameObject, ATabsDefaultActionMakesItsCategoryCurrent) {
    IAccessible* frame = Open();
    ASSERT_NE(frame, nullptr);
    ComRef<IAccessible> tabs = Tabs();
    ASSERT_TRUE(tabs);
    EventEar ear;
    EXPECT_EQ(TextOf(tabs.Get(), &IAccessible::get_accDefaultAction, 2), L"切り替え");
    ASSERT_EQ(tabs->accDoDefaultAction(ChildId(2)), S_OK);
    EXPECT_EQ(NameOf(frame, 1), L"仕事");
    EXPECT_EQ(Heard(),
              (std::vector<HeardEvent>{HeardEvent{EVENT_OBJECT_NAMECHANGE, frame_, OBJID_CLIENT, 1},
                                       Tab(EVENT_OBJECT_SELECTION, 2)}));
    ComRef<IAccessible> fromEvent;
    OwnedVariant child;
    ASSERT_EQ(
        AccessibleObjectFromEvent(frame_, kCategoryBarObjectId, 2, fromEvent.Put(), child.Out()),
        S_OK);
    EXPECT_EQ(NameOf(fromEvent.Get(), child.Long()), L"仕事");

    // One tab is current: it can take the selection, not join one.
    EXPECT_EQ(tabs->accSelect(SELFLAG_ADDSELECTION, ChildId(3)), E_INVALIDARG);
    ASSERT_EQ(tabs->accSelect(SELFLAG_TAKESELECTION, ChildId(3)), S_OK);
    EXPECT_EQ(AppStore.currentCategory, 2);
    Heard();
    Command(kCmdMoveCategoryLeft);
    EXPECT_EQ(Heard(), (std::vector<HeardEvent>{Tab(EVENT_OBJECT_REORDER, CHILDID_SELF),
                                                Tab(EVENT_OBJECT_SELECTION, 2)}));
    EXPECT_EQ(NameOf(tabs.Get(), 2), L"Home");
}

TEST_F(FrameObject, TheCloseButtonsDefaultActionIsItsClick) {
    IAccessible* frame = Open();
    ASSERT_NE(frame, nullptr);
    Command(kCmdToggleCheck);  // unsaved: the click's exit saves it
    ASSERT_EQ(frame->accDoDefaultAction(ChildId(2)), S_OK);
    EXPECT_TRUE(IsWindow(frame_));  // posted: the exit comes after the call
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
    EXPECT_EQ(TextOf(editor.Get(), &IAccessible::get_accValue, CHILDID_SELF), L"牛乳");
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
