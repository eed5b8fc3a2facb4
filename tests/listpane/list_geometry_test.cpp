#include "listpane/list_geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <utility>

namespace tessel {
namespace {

ListMetrics Defaults() {
    LayoutSettings layout;
    SetLayoutDefaults(layout);
    return ListMetricsFrom(layout);
}

TEST(ListMetrics, DefaultsAreTheLayoutValues) {
    const ListMetrics m = Defaults();
    EXPECT_EQ(m.lineHeight, 22);
    EXPECT_EQ(m.indentWidth, 24);
    EXPECT_EQ(m.checkBoxSize, 13);
    EXPECT_EQ(m.checkBoxMarginLeft, 8);
    EXPECT_EQ(m.checkBoxMarginRight, 8);
    EXPECT_EQ(m.fontSize, 12);
    EXPECT_EQ(m.scrollBarWidth, 16);
}

TEST(ListMetrics, ZeroNegativeAndHugeLayoutValuesBecomeSafe) {
    LayoutSettings layout;
    SetLayoutDefaults(layout);
    layout.ListLineHeight = 0;
    layout.CheckBoxSize = -3;
    layout.ScrollBarWidth = -1;
    layout.ListIndentWidth = INT_MAX;
    layout.CheckBoxMarginLeft = INT_MIN;
    ListMetrics m = ListMetricsFrom(layout);
    EXPECT_EQ(m.lineHeight, 1);
    EXPECT_EQ(m.checkBoxSize, 0);
    EXPECT_EQ(m.scrollBarWidth, 0);
    // Still usable in sums: the widest indent and the text position.
    EXPECT_GT(CheckBoxLeft(100, m), 0);
    EXPECT_GT(TextLeft(100, m), 0);
    layout.ListLineHeight = -22;
    layout.CheckBoxSize = INT_MAX;
    m = ListMetricsFrom(layout);
    EXPECT_EQ(m.lineHeight, 1);
    EXPECT_LE(m.checkBoxSize, 4096);
    EXPECT_FALSE(IsOnCheckBox(0, 0, 0, m));
}

TEST(RowGeometry, RowAtPointCountsWholeRowsFromTheTop) {
    EXPECT_EQ(RowAtPoint(0, 0, 5, 22), 0);
    EXPECT_EQ(RowAtPoint(21, 0, 5, 22), 0);
    EXPECT_EQ(RowAtPoint(22, 0, 5, 22), 1);
    EXPECT_EQ(RowAtPoint(109, 0, 5, 22), 4);
    EXPECT_EQ(RowAtPoint(110, 0, 5, 22), -1);  // below the last item
    EXPECT_EQ(RowAtPoint(0, 3, 10, 22), 3);
    EXPECT_EQ(RowAtPoint(5, 0, 0, 22), -1);  // empty list
    // Truncation toward zero: just above the pane is still the top row.
    EXPECT_EQ(RowAtPoint(-21, 3, 10, 22), 3);
    EXPECT_EQ(RowAtPoint(-30, 3, 10, 22), 2);
    EXPECT_EQ(RowAtPoint(-1000, 0, 10, 22), -1);
    EXPECT_EQ(RowAtPoint(5, 0, 10, 0), 5);  // a zero height counts as 1
}

TEST(RowGeometry, VisibleRowsAreWholeRows) {
    EXPECT_EQ(VisibleRows(110, 22), 5);
    EXPECT_EQ(VisibleRows(131, 22), 5);
    EXPECT_EQ(VisibleRows(21, 22), 0);
    EXPECT_EQ(VisibleRows(-5, 22), 0);
    EXPECT_EQ(VisibleRows(10, 0), 10);
}

TEST(RowGeometry, CheckBoxSquareIncludesItsTopLeftAndExcludesItsFarEdges) {
    const ListMetrics m = Defaults();
    // Row 0: box from x 8 to 20, y (22 - 13) / 2 = 4 to 16.
    EXPECT_TRUE(IsOnCheckBox(8, 4, 0, m));
    EXPECT_TRUE(IsOnCheckBox(20, 16, 0, m));
    EXPECT_FALSE(IsOnCheckBox(7, 4, 0, m));
    EXPECT_FALSE(IsOnCheckBox(21, 4, 0, m));
    EXPECT_FALSE(IsOnCheckBox(8, 3, 0, m));
    EXPECT_FALSE(IsOnCheckBox(8, 17, 0, m));
    // Row 1 starts at y 22: its box at y 26.
    EXPECT_TRUE(IsOnCheckBox(8, 26, 0, m));
    EXPECT_FALSE(IsOnCheckBox(8, 25, 0, m));
    // Indent 2 moves the box by 2 x 24.
    EXPECT_TRUE(IsOnCheckBox(56, 4, 2, m));
    EXPECT_FALSE(IsOnCheckBox(8, 4, 2, m));
}

TEST(RowGeometry, TextAndCheckMarkPositions) {
    const ListMetrics m = Defaults();
    EXPECT_EQ(TextTop(0, m), 5);  // (22 - 12) / 2
    EXPECT_EQ(TextTop(44, m), 49);
    EXPECT_EQ(TextLeft(0, m), 8 + 13 + 8);
    EXPECT_EQ(TextLeft(3, m), 72 + 29);
    EXPECT_EQ(CheckMarkOffset(m), 3);
    EXPECT_EQ(CheckBoxTop(22, m), 26);
}

TEST(DropLine, StaysInsideThePaneAtBothEdges) {
    EXPECT_EQ(DropLineY(0, 0, 22, 110), 1);     // rows 0 and 1
    EXPECT_EQ(DropLineY(3, 3, 22, 110), 1);     // the first visible row
    EXPECT_EQ(DropLineY(5, 0, 22, 110), 109);   // rows 108 and 109
    EXPECT_EQ(DropLineY(2, 0, 22, 110), 44);    // rows 43 and 44
    EXPECT_EQ(DropLineY(1, 3, 22, 110), -1);    // above: nothing visible
    EXPECT_GT(DropLineY(90, 0, 22, 110), 110);  // below: nothing visible
    EXPECT_EQ(DropLineY(INT_MAX, 0, 4096, 110), 111);
}

TEST(ListScroll, FocusBelowThePageScrollsItToTheLastRowAndShowsTheBar) {
    const ListScrollPlan plan = PlanListScroll(200, 110, 22, 10, 9, 0, true, 16);
    EXPECT_EQ(plan.rows, 5);
    EXPECT_EQ(plan.top, 5);
    EXPECT_EQ(plan.max, 9);
    EXPECT_EQ(plan.page, 4);
    EXPECT_TRUE(plan.showBar);
}

TEST(ListScroll, ShortListHidesTheBarAndReturnsToTheTop) {
    const ListScrollPlan plan = PlanListScroll(200, 110, 22, 5, 4, 5, true, 16);
    EXPECT_EQ(plan.top, 0);
    EXPECT_EQ(plan.max, 4);
    EXPECT_EQ(plan.page, 4);
    EXPECT_FALSE(plan.showBar);
}

TEST(ListScroll, FocusAboveTheTopBecomesTheTop) {
    EXPECT_EQ(PlanListScroll(200, 110, 22, 20, 2, 7, true, 16).top, 2);
    // Without ensureFocusVisible the top stays, only clamped to the range.
    EXPECT_EQ(PlanListScroll(200, 110, 22, 20, 2, 7, false, 16).top, 7);
    EXPECT_EQ(PlanListScroll(200, 110, 22, 10, 2, 8, false, 16).top, 5);
    EXPECT_EQ(PlanListScroll(200, 110, 22, 10, -1, 3, true, 16).top, 0);
}

TEST(ListScroll, SmallPanesAndBarsNeverShowTheBar) {
    EXPECT_FALSE(PlanListScroll(31, 110, 22, 50, 0, 0, true, 16).showBar);
    EXPECT_FALSE(PlanListScroll(200, 31, 22, 50, 0, 0, true, 16).showBar);
    EXPECT_TRUE(PlanListScroll(32, 32, 22, 50, 0, 0, true, 16).showBar);
    EXPECT_FALSE(PlanListScroll(200, 110, 22, 50, 0, 0, true, 0).showBar);
}

TEST(ListScroll, PaneLowerThanOneRowKeepsPageAndTopValid) {
    const ListScrollPlan plan = PlanListScroll(200, 10, 22, 10, 4, 0, true, 16);
    EXPECT_EQ(plan.rows, 0);
    EXPECT_EQ(plan.page, 0);
    EXPECT_EQ(plan.top, 4);  // the partly shown row is the focus row
    const ListScrollPlan empty = PlanListScroll(200, 110, 22, 0, -1, 0, true, 16);
    EXPECT_EQ(empty.top, 0);
    EXPECT_EQ(empty.max, 0);
    EXPECT_EQ(empty.page, 0);
    EXPECT_FALSE(empty.showBar);
}

TEST(CheckBoxGradient, WhiteToBlackInABoxOfThirteen) {
    const Colour white = 0xFFFFFF;
    const Colour black = 0x000000;
    const int n = CheckBoxInterior(13);
    ASSERT_EQ(n, 11);
    // Top-left interior pixel (1, 1): step 1 of 22; bottom-right (11, 11): step 21.
    EXPECT_EQ(GradientColour(white, black, 1, n), 0xF4F4F4u);   // 244
    EXPECT_EQ(GradientColour(white, black, 21, n), 0x0C0C0Cu);  // 12
    // Each channel runs on its own: red rising while blue falls.
    EXPECT_EQ(GradientColour(0xFF0000, 0x0000FF, 11, n), 0x80007Fu);
    EXPECT_EQ(GradientColour(0x123456, 0x123456, 7, n), 0x123456u);
}

TEST(CheckBoxGradient, RunsCoverTheInteriorOnceAlongAntiDiagonals) {
    for (int box : {3, 4, 13, 20}) {
        const int n = CheckBoxInterior(box);
        std::set<std::pair<int, int>> seen;
        int lastStep = 0;
        ASSERT_EQ(GradientRunCount(n), 2 * n - 1);
        for (int r = 0; r < GradientRunCount(n); ++r) {
            const GradientRun run = GradientRunAt(n, r);
            EXPECT_EQ(run.colourStep, lastStep + 1);  // top-row starts first, then bottom-row ends
            lastStep = run.colourStep;
            for (int k = 0; k < run.length; ++k) {
                const int i = run.x1 - k;
                const int j = run.y1 + k;
                EXPECT_GE(i, 1);
                EXPECT_LE(i, n);
                EXPECT_GE(j, 1);
                EXPECT_LE(j, n);
                EXPECT_EQ(i + j - 1, run.colourStep);
                EXPECT_TRUE(seen.insert({i, j}).second) << "pixel painted twice";
            }
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(n * n)) << "box " << box;
    }
}

TEST(CheckBoxGradient, BoxesOfTwoOrLessHaveNoInterior) {
    for (int box : {2, 1, 0, -5}) {
        EXPECT_EQ(CheckBoxInterior(box), 0);
        EXPECT_EQ(GradientRunCount(CheckBoxInterior(box)), 0);
    }
}

}  // namespace
}  // namespace tessel
