#include "access/list_accessible_win.h"

#include <algorithm>

#include "access/accessible_object_win.h"
#include "access/list_reading.h"
#include "access/ole_calls_win.h"
#include "editing/user_action_win.h"
#include "listpane/item_commands_win.h"
#include "listpane/list_pane_win.h"
#include "listpane/pointer_tracking.h"
#include "process/app_state_win.h"
#include "process/wide_text_win.h"

namespace tessel {
namespace {

// The selected rows as a reader steps through them, read from the list as
// it goes: 100,000 selected rows cost nothing until they are read. Once the
// pane is gone or shows another category there are no more.
class SelectedRows : public ComObject<IEnumVARIANT> {
  public:
    SelectedRows(HWND pane, const ItemList* list, int next)
        : pane_(pane), list_(list), next_(next) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IEnumVARIANT)) {
            *object = static_cast<IEnumVARIANT*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }

    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override {
        if (items == nullptr) {
            return E_POINTER;
        }
        ULONG given = 0;
        for (int row = 0; given < count && (row = Following()) >= 0; ++given) {
            items[given].vt = VT_I4;
            items[given].lVal = ChildOfRow(row);
            next_ = row + 1;
        }
        if (fetched != nullptr) {
            *fetched = given;
        }
        return given == count ? S_OK : S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        ULONG skipped = 0;
        for (int row = 0; skipped < count && (row = Following()) >= 0; ++skipped) {
            next_ = row + 1;
        }
        return skipped == count ? S_OK : S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE Reset() override {
        next_ = 0;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
        if (copy == nullptr) {
            return E_POINTER;
        }
        *copy = nullptr;
        try {
            *copy = MakeComObject<SelectedRows>(pane_, list_, next_).Detach();
            return S_OK;
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }

  private:
    // The next selected row still to give, or -1.
    int Following() const {
        if (pane_ != ListPaneHandle || !IsWindow(pane_) || AppStore.currentItems != list_) {
            return -1;
        }
        return NextSelectedRow(*list_, next_);
    }

    HWND pane_;
    const ItemList* list_;
    int next_;
};

class ListObject : public AccessibleObject {
  public:
    explicit ListObject(HWND pane) : AccessibleObject(pane) {}

  protected:
    bool Connected() const override { return Window() == ListPaneHandle && IsWindow(Window()); }

    std::int32_t ChildCount() override { return std::max(CountItems(AppStore.currentItems), 0); }

    HRESULT Parent(ComRef<IDispatch>& parent) override {
        const OleCalls* ole = LoadOleCalls();
        if (ole == nullptr) {
            return E_FAIL;
        }
        return ole->createStdAccessibleObject(Window(), OBJID_WINDOW, __uuidof(IDispatch),
                                              reinterpret_cast<void**>(parent.Put()));
    }

    std::wstring Name(std::int32_t child) override {
        if (const Item* item = ItemOf(child)) {
            return WideFromCp932(RowName(*item));
        }
        CategoryInfo category;
        if (AppStore.categoryCount <= 0 ||
            !AppStore.GetCategory(AppStore.currentCategory, category)) {
            return std::wstring();
        }
        return WideFromCp932(category.name);
    }

    std::wstring Description(std::int32_t child) override {
        const Item* item = ItemOf(child);
        return item != nullptr ? WideFromCp932(RowDescription(*item)) : std::wstring();
    }

    std::int32_t Role(std::int32_t child) override {
        const Item* item = ItemOf(child);
        return item != nullptr ? RowRole(*item) : msaa::kRoleList;
    }

    std::int32_t States(std::int32_t child) override {
        const ListView view = View();
        const Item* item = ItemOf(child);
        return item != nullptr ? RowStates(*item, child - 1, view) : ListStates(view);
    }

    std::wstring DefaultAction(std::int32_t child) override {
        const Item* item = ItemOf(child);
        return item != nullptr ? WideFromCp932(RowDefaultAction(*item)) : std::wstring();
    }

    // What a click on the row's check box does: the row takes the focus
    // (and the selection, unless it is part of it) and the check of the
    // selection turns as the row decides. One undo step.
    HRESULT DoDefaultAction(std::int32_t child) override {
        const Item* item = ItemOf(child);
        if (item == nullptr || RowDefaultAction(*item).empty()) {
            return DISP_E_MEMBERNOTFOUND;
        }
        const int row = child - 1;
        BeginUserAction();
        PlainPressOnRow(AppStore, row);
        ToggleItemMark(row, ItemMark::Check);
        SealListStep();
        InvalidateListPane();
        return S_OK;
    }

    ClientBox Box(std::int32_t child) override {
        const ListView view = View();
        if (child == msaa::kSelf) {
            return ClientBox{0, 0, view.clientWidth, view.clientHeight};
        }
        return RowBox(child - 1, view);
    }

    std::int32_t ChildAt(std::int32_t x, std::int32_t y) override {
        return ChildAtPoint(x, y, View());
    }

    NavigateResult Navigate(std::int32_t from, std::int32_t direction) override {
        return NavigateRows(from, direction, ChildCount());
    }

    std::int32_t FocusChild() override {
        if (GetFocus() != Window()) {
            return -1;
        }
        const int focus = AppStore.focusIndex;
        return focus >= 0 && focus < ChildCount() ? ChildOfRow(focus) : msaa::kSelf;
    }

    HRESULT Selection(VARIANT* out) override {
        const ItemList* items = AppStore.currentItems;
        const int first = items != nullptr ? NextSelectedRow(*items, 0) : -1;
        if (first < 0) {
            return S_FALSE;
        }
        if (NextSelectedRow(*items, first + 1) < 0) {
            PutChild(ChildOfRow(first), out);
            return S_OK;
        }
        out->vt = VT_UNKNOWN;
        out->punkVal = MakeComObject<SelectedRows>(Window(), items, first).Detach();
        return S_OK;
    }

    HRESULT Select(std::int32_t child, std::int32_t flags) override {
        const bool takeFocus = (flags & msaa::kSelectTakeFocus) != 0;
        if (child == msaa::kSelf) {
            if (flags != msaa::kSelectTakeFocus) {
                return E_INVALIDARG;
            }
            SetFocus(Window());
            return S_OK;
        }
        if (!SelectRow(AppStore, child - 1, flags)) {
            return E_INVALIDARG;
        }
        if (takeFocus) {
            SetFocus(Window());
            UpdateListScroll(true);
        }
        InvalidateListPane();
        return S_OK;
    }

  private:
    // The row item at a child id; null for the list itself.
    const Item* ItemOf(std::int32_t child) const {
        const int row = RowOfChild(child, CountItems(AppStore.currentItems));
        return row >= 0 ? &(*AppStore.currentItems)[static_cast<std::size_t>(row)] : nullptr;
    }

    ListView View() const {
        RECT client{};
        GetClientRect(Window(), &client);
        const ListMetrics metrics = ListPaneMetrics();
        ListView view;
        view.itemCount = std::max(CountItems(AppStore.currentItems), 0);
        view.topIndex = AppStore.topIndex;
        view.focusIndex = AppStore.focusIndex;
        view.paneFocused = GetFocus() == Window();
        view.paneVisible = IsWindowVisible(Window()) != FALSE;
        view.clientWidth = client.right - client.left;
        view.clientHeight = client.bottom - client.top;
        view.rowWidth = view.clientWidth - ScrollBarShownWidth;
        view.lineHeight = metrics.lineHeight;
        return view;
    }
};

}  // namespace

ComRef<IAccessible> MakeListObject(HWND pane) {
    return MakeComObject<ListObject>(pane).As<IAccessible>();
}

}  // namespace tessel
