// The real main window over a fresh data folder, for the in-process tests:
// the settings at their defaults, ExeDirectory and DataDirectory in a
// temporary folder whose name cp932 lacks (as a user's folder may be), the
// classes registered once per process.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/startup_win.h"
#include "categorybar/bar_state.h"
#include "categorybar/category_bar_win.h"
#include "chrome/offscreen_win.h"
#include "drawing/draw_primitives_win.h"
#include "listpane/list_pane_win.h"
#include "mainwindow/frame_state_win.h"
#include "mainwindow/main_frame_win.h"
#include "process/app_state_win.h"
#include "process/program_title.h"
#include "process/wide_text_win.h"
#include "scrollbar/scroll_bar_pane_win.h"
#include "storage/layout_settings.h"
#include "storage/system_settings.h"
#include "tests/harness/temp_folder.h"

namespace tessel::test {

// Handles what is waiting for this thread; a quit message (posted when the
// main window goes) is counted, not obeyed.
inline int PumpMessages() {
    int quits = 0;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ++quits;
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return quits;
}

class FrameTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    static void SetUpTestSuite() {
        static bool registered = false;
        if (!registered) {
            HINSTANCE instance = GetModuleHandleA(nullptr);
            ASSERT_NE(RegisterListPaneClass(instance), 0);
            ASSERT_TRUE(RegisterScrollBarPane(instance));
            ASSERT_NE(RegisterMainFrameClass(instance), 0);
            registered = true;
        }
    }

    void SetUp() override {
        InitialiseProcessState(GetModuleHandleA(nullptr));
        SetColourDefaults(AppLayout);
        AppStore = ListStore();
        FrameMouse = FrameMouseState();
        TitleBuffer = kProgramTitle;
        WindowShown = 1;
        ExeDirectory = folder_.MakeFolder(kNonCp932Name);
        DataDirectory = folder_.MakeFolder(std::wstring(kNonCp932Name) + L"\\system");
        AppSettings.WindowX = 40;
        AppSettings.WindowY = 30;
        AppSettings.WindowWidth = kWidth;
        AppSettings.WindowHeight = kHeight;
        AppSettings.NormalRect = {40, 30, kWidth, kHeight};
    }

    void TearDown() override {
        if (frame_ != nullptr && IsWindow(frame_)) {
            SendMessageA(frame_, WM_CLOSE, 0, 0);
        }
        PumpMessages();
        frame_ = nullptr;
    }

    // Creates the window as start-up does and lets it settle.
    HWND Create() {
        frame_ = CreateMainFrame(GetModuleHandleA(nullptr), SW_SHOWNOACTIVATE);
        PumpMessages();
        return frame_;
    }

    // A file in the data folder; name is cp932.
    std::wstring DataFile(const char* name) const {
        return DataDirectory + L"\\" + WideFromCp932(name);
    }

    // A category as the list reader adds it: measured with the bar's font.
    void AddCategory(const std::string& name) {
        Category category;
        category.name = name;
        category.nameWidth = TextWidth932(OffscreenDc(), name);
        AppStore.InsertCategory(std::move(category), -1);
        AppStore.categoryCount = AppStore.CountCategories();
        AppStore.RecalcTabWidth(AppLayout.CategorySpace);
    }

    COLORREF Pixel(int x, int y) const { return GetPixel(OffscreenDc(), x, y); }

    TempFolder folder_;
    HWND frame_ = nullptr;
};

}  // namespace tessel::test
