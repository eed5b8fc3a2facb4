// The frame's parts as a screen reader is told of them: which child lies
// under a point and where each stands (the boxes the mouse is tested
// against), the tabs' places and states from the strip the bar draws, and
// what a reader hears when the title or the tabs change.
#include "access/frame_reading.h"

#include <gtest/gtest.h>

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
        {2, 100, true, msaa::kSelf},  // the border
        {100, 20, false, msaa::kSelf},
        {100, 30, false, kListPaneChild},
        {-1, 5, true, -1},
        {5, 300, true, -1},
    };
    for (const Case& c : cases) {
        const FrameView view{&layout, 400, 300, c.barShown, false};
        EXPECT_EQ(FrameChildAtPoint(c.x, c.y, view), c.child) << c.x << "," << c.y;
        EXPECT_EQ(FrameChildBox(std::max(c.child, msaa::kSelf), view).Contains(c.x, c.y),
                  c.child >= msaa::kSelf)
            << c.x << "," << c.y;
    }
    const FrameView view{&layout, 400, 300, false, true};
    EXPECT_EQ(FrameChildStates(kCloseButtonChild, view), msaa::kStatePressed);
    EXPECT_EQ(FrameChildStates(kCategoryBarChild, view), msaa::kStateInvisible);
}

TEST(FrameReading, TabsStandWhereTheBarDrawsAndHitTestsThem) {
    // Four tabs of 50, 60, 70 and 80 in a window of 200: the arrows start
    // at 172, so the third tab is the last one drawn before any scroll.
    CategoryStrip strip;
    strip.tabWidths = {50, 60, 70, 80};
    strip.totalTabWidth = 260;
    strip.windowWidth = 200;
    strip.marginLeft = 4;
    strip.barTop = 18;
    strip.barHeight = 22;
    struct Case {
        std::int32_t scroll;
        int tab;
        std::int32_t left;
        bool shown;
    } cases[] = {
        {0, 0, 4, true},      {0, 2, 114, true},   {0, 3, 184, false},
        {100, 0, -96, false}, {100, 1, -46, true}, {100, 3, 84, true},
    };
    for (const Case& c : cases) {
        strip.scrollIndex = c.scroll;
        const ClientBox box = TabBox(strip, c.tab);
        EXPECT_EQ(box.left, c.left) << c.scroll << " " << c.tab;
        EXPECT_EQ(box.width, strip.tabWidths[static_cast<std::size_t>(c.tab)]);
        EXPECT_EQ(TabStates(strip, c.tab, 1), msaa::kStateSelectable |
                                                  (c.tab == 1 ? msaa::kStateSelected : 0) |
                                                  (c.shown ? 0 : msaa::kStateOffscreen));
        const std::int32_t x = std::max(box.left, 0) + 2;
        if (c.shown && x < 172) {
            EXPECT_EQ(TabAtPoint(strip, x, box.top + 1), c.tab + 1) << c.scroll << " " << c.tab;
        }
    }
    EXPECT_EQ(TabAtPoint(strip, 190, 30), msaa::kSelf);  // the arrows
    EXPECT_EQ(TabAtPoint(strip, 100, 40), -1);
    strip.barShown = false;
    EXPECT_EQ(TabAtPoint(strip, 20, 30), -1);
    EXPECT_EQ(TabStates(strip, 0, 1), msaa::kStateSelectable | msaa::kStateInvisible);
    EXPECT_EQ(NavigateTabs(2, msaa::kNavRight, 4).child, 3);
}

TEST(TabWatch, TheTitleAndTheTabsChangesAreTold) {
    constexpr auto kBar = FrameObject::CategoryBar;
    const FrameFacts start{"home", {"home", "work", "misc"}, 0};
    const FrameEvent title{msaa::kEventNameChange, FrameObject::Client, kTitleBarChild};
    const FrameEvent reorder{msaa::kEventReorder, kBar, msaa::kSelf};
    struct Case {
        const char* what;
        FrameFacts after;
        std::vector<FrameEvent> heard;
    } cases[] = {
        // Another tab current and tabs moved: tests/access/frame_object_test.cpp.
        {"nothing", start, {}},
        {"a tab renamed",
         {"home", {"home", "job", "misc"}, 0},
         {{msaa::kEventNameChange, kBar, 2}}},
        {"a tab added",
         {"home", {"home", "work", "misc", "new"}, 0},
         {reorder, {msaa::kEventSelection, kBar, 1}}},
        {"every tab gone", {"title", {}, -1}, {title, reorder}},
    };
    for (const Case& c : cases) {
        TabWatch watch;
        EXPECT_TRUE(watch.Compare(start).empty()) << "before the start";
        watch.Start(start);
        EXPECT_EQ(watch.Compare(c.after), c.heard) << c.what;
        EXPECT_TRUE(watch.Compare(c.after).empty()) << c.what << ", twice";
    }
}

}  // namespace
}  // namespace tessel
