// Styles, placement and show command of the window at start.
#include "app/start_window_plan.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

const WorkAreaRect kWork{0, 0, 1280, 770};

SystemSettings Stored(int taskTray, int windowMax) {
    SystemSettings s;
    s.TaskTray = taskTray;
    s.WindowMax = windowMax;
    s.WindowX = 30;
    s.WindowY = 40;
    s.WindowWidth = 500;
    s.WindowHeight = 300;
    s.NormalRect = {30, 40, 500, 300};
    return s;
}

void ExpectStoredPlacement(const SystemSettings& s) {
    EXPECT_EQ(s.WindowX, 30);
    EXPECT_EQ(s.WindowY, 40);
    EXPECT_EQ(s.WindowWidth, 500);
    EXPECT_EQ(s.WindowHeight, 300);
}

void ExpectOnWorkArea(const SystemSettings& s) {
    EXPECT_EQ(s.WindowX, 0);
    EXPECT_EQ(s.WindowY, 0);
    EXPECT_EQ(s.WindowWidth, 1280);
    EXPECT_EQ(s.WindowHeight, 770);
    // The placement to return to is untouched.
    EXPECT_EQ(s.NormalRect.x, 30);
    EXPECT_EQ(s.NormalRect.width, 500);
}

TEST(StartWindowPlan, NormalStartKeepsTheStoredPlacement) {
    SystemSettings s = Stored(0, 0);
    int shown = 1;
    StartWindowPlan plan = PlanStartWindow(1, s, shown, kWork);
    EXPECT_EQ(plan.exStyle, 0u);
    EXPECT_EQ(plan.style, 0x920B0000u);
    EXPECT_EQ(plan.showCommand, 1);
    EXPECT_TRUE(plan.callShowWindow);
    EXPECT_FALSE(plan.topmostHides);
    EXPECT_EQ(shown, 1);
    ExpectStoredPlacement(s);

    SystemSettings tray = Stored(1, 0);
    plan = PlanStartWindow(10, tray, shown, kWork);
    EXPECT_EQ(plan.exStyle, 0x80u);
    EXPECT_EQ(plan.style, 0x92000000u);
    EXPECT_FALSE(plan.callShowWindow);
}

TEST(StartWindowPlan, MinimisedStartInTaskbarMode) {
    for (int command : {2, 6, 7}) {
        SystemSettings s = Stored(0, 0);
        int shown = 1;
        StartWindowPlan plan = PlanStartWindow(command, s, shown, kWork);
        EXPECT_EQ(plan.style, 0xB20B0000u) << command;
        EXPECT_EQ(plan.showCommand, command);
        EXPECT_EQ(shown, 0);
        EXPECT_TRUE(plan.callShowWindow);
        EXPECT_FALSE(plan.topmostHides);
        ExpectStoredPlacement(s);
    }
}

TEST(StartWindowPlan, MinimisedStartInTrayModeIsInvisible) {
    SystemSettings s = Stored(1, 1);
    int shown = 1;
    StartWindowPlan plan = PlanStartWindow(7, s, shown, kWork);
    EXPECT_EQ(plan.exStyle, 0x80u);
    EXPECT_EQ(plan.style, 0x82000000u);
    EXPECT_EQ(shown, 0);
    EXPECT_FALSE(plan.callShowWindow);
    // The topmost call must keep it hidden.
    EXPECT_TRUE(plan.topmostHides);
    // Maximised before: it still comes up on the work area when shown.
    ExpectOnWorkArea(s);
}

TEST(StartWindowPlan, ShowMaximisedPlacesOnTheWorkArea) {
    SystemSettings s = Stored(0, 0);
    int shown = 1;
    StartWindowPlan plan = PlanStartWindow(3, s, shown, kWork);
    EXPECT_EQ(s.WindowMax, 1);
    EXPECT_EQ(plan.showCommand, 5);
    EXPECT_EQ(plan.style, 0x920B0000u);  // never WS_MAXIMIZE
    ExpectOnWorkArea(s);
}

TEST(StartWindowPlan, StoredMaximisedStateIsKeptExceptByRestore) {
    SystemSettings s = Stored(0, 1);
    int shown = 1;
    PlanStartWindow(1, s, shown, kWork);
    EXPECT_EQ(s.WindowMax, 1);
    ExpectOnWorkArea(s);

    SystemSettings r = Stored(0, 1);
    shown = 0;
    StartWindowPlan plan = PlanStartWindow(9, r, shown, kWork);
    EXPECT_EQ(r.WindowMax, 0);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(plan.showCommand, 5);
    ExpectStoredPlacement(r);
}

TEST(StartWindowPlan, FallbackIsCentredOnTheWorkArea) {
    PlacementRect p = CentredFallbackPlacement({0, 0, 1280, 800});
    EXPECT_EQ(p.x, 440);
    EXPECT_EQ(p.y, 250);
    EXPECT_EQ(p.width, 400);
    EXPECT_EQ(p.height, 300);
    // Halving truncates toward zero, also below zero.
    p = CentredFallbackPlacement({0, 0, 399, 101});
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, -99);
}

}  // namespace
}  // namespace tessel
