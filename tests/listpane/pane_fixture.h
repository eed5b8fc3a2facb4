// The real list pane with its real scroll bar, as a child of a plain test
// parent that stands in for the main window, over a temporary data folder
// from which list.txt is read with the program's own reader.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "listpane/item_commands_win.h"
#include "listpane/list_pane_win.h"
#include "process/app_state_win.h"
#include "process/data_files_win.h"
#include "scrollbar/scroll_bar_pane_win.h"
#include "tests/harness/temp_folder.h"
#include "tests/harness/win_test_support.h"

namespace tessel::test {

inline constexpr char kPaneParentClass[] = "ListPaneTestParent";
// Messages that reached the parent: the pane must send no WM_COMMAND, and
// hands the wheel on.
inline std::vector<UINT> parentReceived;

inline LRESULT CALLBACK PaneParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND || message == WM_MOUSEWHEEL) {
        parentReceived.push_back(message);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

inline void RegisterPaneClasses() {
    static bool done = false;
    if (done) {
        return;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_NE(RegisterListPaneClass(instance), 0);
    ASSERT_TRUE(RegisterScrollBarPane(instance));
    ASSERT_NE(RegisterTestParentClass(kPaneParentClass, PaneParentProc), 0);
    done = true;
}

// Dispatches everything queued (the scroll bar's posted notifications).
inline void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

inline void ResetStore() {
    AppStore.FreeAllCategories();
    AppStore.categoryCount = 0;
    AppStore.currentCategory = 0;
    AppStore.currentItems = nullptr;
    AppStore.itemCount = 0;
    AppStore.focusIndex = -1;
    AppStore.anchorIndex = -1;
    AppStore.topIndex = 0;
}

// list.txt lines: a category, then items written as "marker text"; the
// markers are the program's (□ ■ ◇ ◆ ○ ●), TABs indent.
inline std::string ListFile(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

class PaneTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 110;  // five rows of 22

    // One visible parent per suite: under Wine, destroying a visible
    // top-level window takes about two seconds. Each test gets a fresh pane.
    static void SetUpTestSuite() {
        RegisterPaneClasses();
        parent =
            CreateWindowExA(0, kPaneParentClass, "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                            400, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    static void TearDownTestSuite() {
        DestroyWindow(parent);
        parent = nullptr;
        Pump();
    }

    void SetUp() override {
        ASSERT_NE(parent, nullptr);
        SetLayoutDefaults(AppLayout);
        SetColourDefaults(AppLayout);
        SetSystemDefaults(AppSettings);
        ResetStore();
        dragThresholdX = 4;
        dragThresholdY = 4;
        wheelScrollLines = 3;
        ExeDirectory = folder.WidePath();
        DataDirectory = folder.WidePath();
        parentReceived.clear();
        SetCursorPos(1200, 780);  // the real pointer stays off the windows
        MainFrameHandle = parent;
        ASSERT_EQ(CreateListPane(parent), 1);
        ASSERT_NE(ListPaneHandle, nullptr);
        Resize(kWidth, kHeight);
    }

    void TearDown() override {
        if (GetCapture() != nullptr) {
            ReleaseCapture();
        }
        SetShift(false);
        if (ListPaneHandle != nullptr) {
            DestroyWindow(ListPaneHandle);
        }
        Pump();
        MainFrameHandle = nullptr;
        ResetStore();
    }

    // Places the pane as the main window does: move, then UpdateListScroll(0).
    void Resize(int width, int height) {
        MoveWindow(ListPaneHandle, 0, 0, width, height, FALSE);
        UpdateListScroll(0);
    }

    // Reads list.txt (cp932 bytes) into the store with the program's reader.
    void Load(const std::string& bytes) {
        WriteFileBytes(folder.File("list.txt"), bytes);
        ResetStore();
        ASSERT_EQ(ReadListFile(nullptr), 1);
        UpdateListScroll(0);
    }
    // One category "test" of plain items named by single words.
    void LoadWords(const std::string& words) {
        std::vector<std::string> lines{"test"};
        std::string word;
        for (char c : words + " ") {
            if (c != ' ') {
                word += c;
            } else if (!word.empty()) {
                lines.push_back("□" + word);
                word.clear();
            }
        }
        Load(ListFile(lines));
    }

    // The rows as an outside reader sees them: LB_GETCOUNT and LB_GETTEXT.
    std::string Texts() {
        const auto count = static_cast<int>(SendMessageA(ListPaneHandle, LB_GETCOUNT, 0, 0));
        std::string out;
        for (int i = 0; i < count; ++i) {
            char text[300] = {};
            SendMessageA(ListPaneHandle, LB_GETTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text));
            out += (i == 0 ? "" : " ") + std::string(text);
        }
        return out;
    }
    std::string Selected() {
        std::string out;
        const ItemList& items = *AppStore.currentItems;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].selected) {
                out += (out.empty() ? "" : " ") + std::to_string(i);
            }
        }
        return out;
    }
    std::string States() {
        std::string out;
        for (const Item& item : *AppStore.currentItems) {
            out += (out.empty() ? "" : " ") + std::to_string(static_cast<int>(item.state));
        }
        return out;
    }
    void Select(std::initializer_list<int> positions) {
        for (Item& item : *AppStore.currentItems) {
            item.selected = false;
        }
        for (int p : positions) {
            (*AppStore.currentItems)[static_cast<std::size_t>(p)].selected = true;
        }
    }
    void Focus(int row) {
        AppStore.focusIndex = row;
        AppStore.anchorIndex = row;
        Select({row});
    }

    LRESULT Mouse(UINT message, int x, int y, WPARAM keys = 0) {
        return SendMessageA(ListPaneHandle, message, keys, MAKELPARAM(x, y));
    }
    void Click(int x, int y, WPARAM keys = 0) {
        Mouse(WM_LBUTTONDOWN, x, y, MK_LBUTTON | keys);
        Mouse(WM_LBUTTONUP, x, y, keys);
    }
    void Key(WPARAM key) { SendMessageA(ListPaneHandle, WM_KEYDOWN, key, 0); }
    // Holds Shift for GetKeyState in the pane, as a real key press would.
    void SetShift(bool down) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }

    // Repaints into the pane's image and reads a pixel of it.
    COLORREF Pixel(int x, int y) {
        InvalidateRect(ListPaneHandle, nullptr, FALSE);
        UpdateWindow(ListPaneHandle);
        return GetPixel(ListPaneImage(), x, y);
    }

    bool BarShown() { return IsWindowVisible(ScrollBarHandle) != FALSE; }

    TempFolder folder;
    static inline HWND parent = nullptr;
};

// Client y in the upper or lower half of a row on screen.
inline int Upper(int row) {
    return row * 22 + 5;
}
inline int Lower(int row) {
    return row * 22 + 15;
}
inline constexpr int kTextX = 100;

}  // namespace tessel::test
