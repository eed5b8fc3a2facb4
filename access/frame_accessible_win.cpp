#include "access/frame_accessible_win.h"

#include <algorithm>

#include "access/accessible_object_win.h"
#include "access/frame_reading.h"
#include "access/ole_calls_win.h"
#include "categorybar/bar_state.h"
#include "categorybar/category_bar_win.h"
#include "categorybar/category_commands_win.h"
#include "editing/user_action_win.h"
#include "listpane/list_pane_win.h"
#include "mainwindow/main_frame_win.h"
#include "process/app_state_win.h"
#include "process/wide_text_win.h"

namespace tessel {
namespace {

bool FrameConnected(HWND frame) {
    return frame == MainFrameHandle && IsWindow(frame);
}

// The standard object of a window (what the system makes for it).
HRESULT WindowObject(HWND window, ComRef<IDispatch>& object) {
    const OleCalls* ole = LoadOleCalls();
    if (ole == nullptr || window == nullptr) {
        return E_FAIL;
    }
    return ole->createStdAccessibleObject(window, OBJID_WINDOW, __uuidof(IDispatch),
                                          reinterpret_cast<void**>(object.Put()));
}

class FrameClientObject : public AccessibleObject {
  public:
    explicit FrameClientObject(HWND frame) : AccessibleObject(frame) {}

  protected:
    bool Connected() const override { return FrameConnected(Window()); }
    std::int32_t ChildCount() override { return kFrameChildren; }

    HRESULT ChildObject(std::int32_t child, ComRef<IDispatch>& object) override {
        if (child == kCategoryBarChild) {
            object = MakeCategoryBarObject(Window()).As<IDispatch>();
            return S_OK;
        }
        if (child == kListPaneChild && ListPaneHandle != nullptr) {
            // The pane's list, as the pane answers a reader itself.
            const OleCalls* ole = LoadOleCalls();
            if (ole == nullptr ||
                ole->accessibleObjectFromWindow(ListPaneHandle, static_cast<DWORD>(OBJID_CLIENT),
                                                __uuidof(IDispatch),
                                                reinterpret_cast<void**>(object.Put())) != S_OK) {
                return S_FALSE;
            }
            return S_OK;
        }
        return S_FALSE;
    }

    HRESULT Parent(ComRef<IDispatch>& parent) override { return WindowObject(Window(), parent); }

    std::wstring Name(std::int32_t child) override {
        if (child == kCloseButtonChild) {
            return WideFromCp932("閉じる");
        }
        return WideFromCp932(TitleBuffer);
    }

    std::int32_t Role(std::int32_t child) override { return FrameChildRole(child); }

    std::int32_t States(std::int32_t child) override {
        const std::int32_t states = FrameChildStates(child, View());
        return IsWindowVisible(Window()) ? states : states | msaa::kStateInvisible;
    }

    std::wstring DefaultAction(std::int32_t child) override {
        return child == kCloseButtonChild ? WideFromCp932("押す") : std::wstring();
    }

    // Posted: the click may end the program, which must not happen inside
    // the reader's call.
    HRESULT DoDefaultAction(std::int32_t child) override {
        if (child != kCloseButtonChild) {
            return DISP_E_MEMBERNOTFOUND;
        }
        return PostMessageW(Window(), kCloseButtonClickMessage, 0, 0) ? S_OK : E_FAIL;
    }

    ClientBox Box(std::int32_t child) override { return FrameChildBox(child, View()); }
    std::int32_t ChildAt(std::int32_t x, std::int32_t y) override {
        return FrameChildAtPoint(x, y, View());
    }
    NavigateResult Navigate(std::int32_t from, std::int32_t direction) override {
        return NavigateFrame(from, direction);
    }

    std::int32_t FocusChild() override {
        HWND focus = GetFocus();
        if (focus == Window()) {
            return msaa::kSelf;
        }
        if (ListPaneHandle != nullptr &&
            (focus == ListPaneHandle || IsChild(ListPaneHandle, focus))) {
            return kListPaneChild;
        }
        return -1;
    }

  private:
    FrameView View() const {
        RECT client{};
        GetClientRect(Window(), &client);
        FrameView view;
        view.layout = &AppLayout;
        view.width = client.right - client.left;
        view.height = client.bottom - client.top;
        view.barShown = AppSettings.DispCategory == 1;
        view.closePressed = BarMouse.closeButtonPressed;
        return view;
    }
};

class CategoryBarObject : public AccessibleObject {
  public:
    explicit CategoryBarObject(HWND frame) : AccessibleObject(frame) {}

  protected:
    bool Connected() const override { return FrameConnected(Window()); }
    std::int32_t ChildCount() override { return std::max(AppStore.CountCategories(), 0); }

    HRESULT Parent(ComRef<IDispatch>& parent) override {
        parent = MakeFrameObject(Window()).As<IDispatch>();
        return S_OK;
    }

    std::wstring Name(std::int32_t child) override {
        if (child == msaa::kSelf) {
            return WideFromCp932("カテゴリ");
        }
        CategoryInfo category;
        return AppStore.GetCategory(child - 1, category) ? WideFromCp932(category.name)
                                                         : std::wstring();
    }

    std::int32_t Role(std::int32_t child) override {
        return child == msaa::kSelf ? msaa::kRolePageTabList : msaa::kRolePageTab;
    }

    std::int32_t States(std::int32_t child) override {
        const CategoryStrip strip = CurrentCategoryStrip();
        std::int32_t states =
            child == msaa::kSelf ? TabBarStates(strip) : TabStates(strip, child - 1, CurrentTab());
        return IsWindowVisible(Window()) ? states : states | msaa::kStateInvisible;
    }

    std::wstring DefaultAction(std::int32_t child) override {
        return child == msaa::kSelf ? std::wstring() : WideFromCp932("切り替え");
    }

    HRESULT DoDefaultAction(std::int32_t child) override {
        if (child == msaa::kSelf) {
            return DISP_E_MEMBERNOTFOUND;
        }
        ChooseTab(child - 1);
        return S_OK;
    }

    ClientBox Box(std::int32_t child) override {
        const CategoryStrip strip = CurrentCategoryStrip();
        if (child == msaa::kSelf) {
            return ClientBox{0, strip.barTop, strip.windowWidth, strip.barHeight};
        }
        return TabBox(strip, child - 1);
    }

    std::int32_t ChildAt(std::int32_t x, std::int32_t y) override {
        return TabAtPoint(CurrentCategoryStrip(), x, y);
    }

    NavigateResult Navigate(std::int32_t from, std::int32_t direction) override {
        return NavigateTabs(from, direction, ChildCount());
    }

    HRESULT Selection(VARIANT* out) override {
        const int current = CurrentTab();
        if (current < 0) {
            return S_FALSE;
        }
        PutChild(current + 1, out);
        return S_OK;
    }

    // One tab is current: a tab can only take the selection (or the focus,
    // which here is the same).
    HRESULT Select(std::int32_t child, std::int32_t flags) override {
        constexpr std::int32_t kTaking = msaa::kSelectTakeFocus | msaa::kSelectTakeSelection;
        if (child == msaa::kSelf || flags == 0 || (flags & ~kTaking) != 0) {
            return E_INVALIDARG;
        }
        ChooseTab(child - 1);
        return S_OK;
    }

  private:
    static int CurrentTab() { return AppStore.categoryCount > 0 ? AppStore.currentCategory : -1; }

    // As a click on the tab: open edits end, and the tab becomes current.
    static void ChooseTab(int index) {
        BeginUserAction();
        if (index != AppStore.currentCategory) {
            SelectCategory(index);
        }
    }
};

}  // namespace

ComRef<IAccessible> MakeFrameObject(HWND frame) {
    return MakeComObject<FrameClientObject>(frame).As<IAccessible>();
}

ComRef<IAccessible> MakeCategoryBarObject(HWND frame) {
    return MakeComObject<CategoryBarObject>(frame).As<IAccessible>();
}

}  // namespace tessel
