// The frame's parts as a screen reader is told of them: which child lies
// under a point, where each stands (the same boxes the mouse is tested
// against), the tabs' places and states from the strip the bar draws, and
// what a reader hears when the title or the tabs change.
#include "access/frame_reading.h"

#include <gtest/gtest.h>

#include "categorybar/pane_layout.h"
#include "mainwindow/frame_zones.h"

namespace tessel {

bool operator==(const FrameEvent& a, const FrameEvent& b) {
    return a.event == b.event && a.object == b.object && a.child == b.child;
}

std::ostream& operator<<(std::ostream& out, const FrameEvent& e) {
    return out << std::hex << e.event << std::dec << ":" << static_cast<int>(e.object) << ":"
               << e.child;
}

namespace {

constexpr std::int32_t kSelf = msaa::kSelf;

TEST(FrameReading, PointsLeadToTheChildDrawnThere) {
    const LayoutSettings layout;  // title 18, close 16 at 1 from the top right, bar 22
    struct Case {
        int x, y;
        bool barShown;
        std::int32_t child;
    } cases[] = {
        {390, 5, true, kCloseButtonChild},
        {383, 1, true, kCloseButtonChild},
        {382, 5, true, kTitleBarChild},
        {100, 17, true, kTitleBarChild},
        {100, 18, true, kCategoryBarChild},
        {100, 39, true, kCategoryBarChild},
        {100, 40, true, kListPaneChild},
        {2, 100, true, kSelf},  // the border
        {100, 20, false, kSelf},
        {100, 30, false, kListPaneChild},
        {-1, 5, true, -1},
        {400, 5, true, -1},
        {5, 300, true, -1},
    };
    for (const Case& c : cases) {
        const FrameView view{&layout, 400, 300, c.barShown, false};
        EXPECT_EQ(FrameChildAtPoint(c.x, c.y, view), c.child) << c.x << "," << c.y;
        if (c.child > kSelf) {
            EXPECT_TRUE(FrameChildBox(c.child, view).Contains(c.x, c.y)) << c.x << "," << c.y;
        }
    }
    // Each box is the one the frame's mouse and layout use.
    const FrameView view{&layout, 400, 300, true, false};
    const ClientBox close = FrameChildBox(kCloseButtonChild, view);
    EXPECT_TRUE(OnCloseButton(layout, 400, close.left, close.top));
    EXPECT_TRUE(
        OnCloseButton(layout, 400, close.left + close.width - 1, close.top + close.height - 1));
    EXPECT_FALSE(OnCloseButton(layout, 400, close.left - 1, close.top));
    const PaneRect pane = ListPaneRect(400, 300, layout, true);
    const ClientBox list = FrameChildBox(kListPaneChild, view);
    EXPECT_EQ(list.top, pane.y);
    EXPECT_EQ(list.height, pane.height);
}

TEST(FrameReading, RolesAndStatesOfTheFramesChildren) {
    const LayoutSettings layout;
    FrameView view{&layout, 400, 300, true, true};
    EXPECT_EQ(FrameChildRole(kSelf), msaa::kRoleClient);
    EXPECT_EQ(FrameChildRole(kTitleBarChild), msaa::kRoleTitleBar);
    EXPECT_EQ(FrameChildRole(kCloseButtonChild), msaa::kRolePushButton);
    EXPECT_EQ(FrameChildStates(kCloseButtonChild, view), msaa::kStatePressed);
    EXPECT_EQ(FrameChildStates(kCategoryBarChild, view), 0);
    view.barShown = false;
    view.closePressed = false;
    EXPECT_EQ(FrameChildStates(kCloseButtonChild, view), 0);
    EXPECT_EQ(FrameChildStates(kCategoryBarChild, view), msaa::kStateInvisible);
    EXPECT_EQ(NavigateFrame(kTitleBarChild, msaa::kNavNext).child, kCloseButtonChild);
    EXPECT_EQ(NavigateFrame(kSelf, msaa::kNavLastChild).child, kListPaneChild);
}

// Four tabs of 50, 60, 70 and 80 in a window of 200: the arrows start at
// 172, so the third tab is the last drawn.
CategoryStrip FourTabs(std::int32_t scroll) {
    CategoryStrip strip;
    strip.tabWidths = {50, 60, 70, 80};
    strip.totalTabWidth = 260;
    strip.windowWidth = 200;
    strip.marginLeft = 4;
    strip.barTop = 18;
    strip.barHeight = 22;
    strip.scrollIndex = scroll;
    return strip;
}

TEST(FrameReading, TabsStandWhereTheBarDrawsAndHitTestsThem) {
    struct Case {
        std::int32_t scroll;
        int tab;
        std::int32_t left;
        bool shown;
    } cases[] = {
        {0, 0, 4, true},      {0, 1, 54, true},    {0, 2, 114, true},  {0, 3, 184, false},
        {100, 0, -96, false}, {100, 1, -46, true}, {100, 3, 84, true},
    };
    for (const Case& c : cases) {
        const CategoryStrip strip = FourTabs(c.scroll);
        const ClientBox box = TabBox(strip, c.tab);
        EXPECT_EQ(box.left, c.left) << c.scroll << " " << c.tab;
        EXPECT_EQ(box.top, 18);
        EXPECT_EQ(box.width, strip.tabWidths[static_cast<std::size_t>(c.tab)]);
        EXPECT_EQ(box.height, 22);
        EXPECT_EQ(TabShown(strip, c.tab), c.shown) << c.scroll << " " << c.tab;
        EXPECT_EQ((TabStates(strip, c.tab, 1) & msaa::kStateOffscreen) != 0, !c.shown);
        // A point of the tab left of the arrows leads to it.
        const std::int32_t x = std::max(box.left, 0) + 2;
        if (c.shown && x < 172) {
            EXPECT_EQ(TabAtPoint(strip, x, 30), c.tab + 1) << c.scroll << " " << c.tab;
            EXPECT_EQ(HitTestTab(strip, x, 30), c.tab);
        }
    }
    const CategoryStrip strip = FourTabs(0);
    EXPECT_EQ(TabStates(strip, 1, 1), msaa::kStateSelectable | msaa::kStateSelected);
    EXPECT_EQ(TabStates(strip, 0, 1), msaa::kStateSelectable);
    EXPECT_EQ(TabAtPoint(strip, 190, 30), kSelf);  // the arrows
    EXPECT_EQ(TabAtPoint(strip, 100, 17), -1);
    EXPECT_EQ(TabAtPoint(strip, 100, 40), -1);
    CategoryStrip hidden = strip;
    hidden.barShown = false;
    EXPECT_EQ(TabAtPoint(hidden, 20, 30), -1);
    EXPECT_EQ(TabStates(hidden, 1, 1),
              msaa::kStateSelectable | msaa::kStateSelected | msaa::kStateInvisible);
    EXPECT_EQ(TabBarStates(hidden), msaa::kStateInvisible);
    EXPECT_EQ(NavigateTabs(2, msaa::kNavRight, 4).child, 3);
    EXPECT_EQ(NavigateTabs(2, msaa::kNavLeft, 4).child, 1);
    EXPECT_EQ(NavigateTabs(2, msaa::kNavDown, 4).kind, NavigateResult::Kind::None);
}

TEST(TabWatch, TheTitleAndTheTabsChangesAreTold) {
    constexpr auto kBar = FrameObject::CategoryBar;
    constexpr auto kClient = FrameObject::Client;
    const FrameFacts start{"home", {"home", "work", "misc"}, 0};
    struct Case {
        const char* what;
        FrameFacts after;
        std::vector<FrameEvent> heard;
    } cases[] = {
        {"nothing", start, {}},
        {"another tab current",
         {"work", {"home", "work", "misc"}, 1},
         {{msaa::kEventNameChange, kClient, kTitleBarChild}, {msaa::kEventSelection, kBar, 2}}},
        {"a tab renamed",
         {"home", {"home", "job", "misc"}, 0},
         {{msaa::kEventNameChange, kBar, 2}}},
        {"the current tab moved",
         {"home", {"work", "home", "misc"}, 1},
         {{msaa::kEventReorder, kBar, kSelf}, {msaa::kEventSelection, kBar, 2}}},
        {"a tab added",
         {"home", {"home", "work", "misc", "new"}, 0},
         {{msaa::kEventReorder, kBar, kSelf}, {msaa::kEventSelection, kBar, 1}}},
        {"every tab gone",
         {"title", {}, -1},
         {{msaa::kEventNameChange, kClient, kTitleBarChild}, {msaa::kEventReorder, kBar, kSelf}}},
    };
    for (const Case& c : cases) {
        TabWatch watch;
        EXPECT_TRUE(watch.Compare(start).empty()) << "before the start";
        watch.Start(start);
        EXPECT_EQ(watch.Compare(c.after), c.heard) << c.what;
        EXPECT_TRUE(watch.Compare(c.after).empty()) << c.what << ", told twice";
    }
}

}  // namespace
}  // namespace tessel
