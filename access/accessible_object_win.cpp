#include "access/accessible_object_win.h"

#include <new>

#include "access/ole_calls_win.h"

namespace tessel {

// The portable numbers are the platform's.
static_assert(msaa::kSelf == CHILDID_SELF);
static_assert(msaa::kRoleTitleBar == ROLE_SYSTEM_TITLEBAR);
static_assert(msaa::kRoleClient == ROLE_SYSTEM_CLIENT);
static_assert(msaa::kRoleList == ROLE_SYSTEM_LIST);
static_assert(msaa::kRoleListItem == ROLE_SYSTEM_LISTITEM);
static_assert(msaa::kRolePageTab == ROLE_SYSTEM_PAGETAB);
static_assert(msaa::kRolePushButton == ROLE_SYSTEM_PUSHBUTTON);
static_assert(msaa::kRolePageTabList == ROLE_SYSTEM_PAGETABLIST);
static_assert(msaa::kStateSelected == STATE_SYSTEM_SELECTED);
static_assert(msaa::kStateFocused == STATE_SYSTEM_FOCUSED);
static_assert(msaa::kStatePressed == STATE_SYSTEM_PRESSED);
static_assert(msaa::kStateChecked == STATE_SYSTEM_CHECKED);
static_assert(msaa::kStateInvisible == STATE_SYSTEM_INVISIBLE);
static_assert(msaa::kStateOffscreen == STATE_SYSTEM_OFFSCREEN);
static_assert(msaa::kStateFocusable == STATE_SYSTEM_FOCUSABLE);
static_assert(msaa::kStateSelectable == STATE_SYSTEM_SELECTABLE);
static_assert(msaa::kStateMultiSelectable == STATE_SYSTEM_MULTISELECTABLE);
static_assert(msaa::kStateExtSelectable == STATE_SYSTEM_EXTSELECTABLE);
static_assert(msaa::kNavUp == NAVDIR_UP && msaa::kNavDown == NAVDIR_DOWN);
static_assert(msaa::kNavLeft == NAVDIR_LEFT && msaa::kNavRight == NAVDIR_RIGHT);
static_assert(msaa::kNavNext == NAVDIR_NEXT && msaa::kNavPrevious == NAVDIR_PREVIOUS);
static_assert(msaa::kNavFirstChild == NAVDIR_FIRSTCHILD);
static_assert(msaa::kNavLastChild == NAVDIR_LASTCHILD);
static_assert(msaa::kSelectTakeFocus == SELFLAG_TAKEFOCUS);
static_assert(msaa::kSelectTakeSelection == SELFLAG_TAKESELECTION);
static_assert(msaa::kSelectExtend == SELFLAG_EXTENDSELECTION);
static_assert(msaa::kSelectAdd == SELFLAG_ADDSELECTION);
static_assert(msaa::kSelectRemove == SELFLAG_REMOVESELECTION);
static_assert(msaa::kEventReorder == EVENT_OBJECT_REORDER);
static_assert(msaa::kEventFocus == EVENT_OBJECT_FOCUS);
static_assert(msaa::kEventSelection == EVENT_OBJECT_SELECTION);
static_assert(msaa::kEventSelectionAdd == EVENT_OBJECT_SELECTIONADD);
static_assert(msaa::kEventSelectionRemove == EVENT_OBJECT_SELECTIONREMOVE);
static_assert(msaa::kEventSelectionWithin == EVENT_OBJECT_SELECTIONWITHIN);
static_assert(msaa::kEventStateChange == EVENT_OBJECT_STATECHANGE);
static_assert(msaa::kEventNameChange == EVENT_OBJECT_NAMECHANGE);
static_assert(msaa::kEventDescriptionChange == EVENT_OBJECT_DESCRIPTIONCHANGE);

namespace {

HRESULT CurrentExceptionResult() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

void PutEmpty(VARIANT* variant) {
    variant->vt = VT_EMPTY;
}

void PutLong(VARIANT* variant, std::int32_t value) {
    variant->vt = VT_I4;
    variant->lVal = value;
}

VARIANT Self() {
    VARIANT self;
    PutLong(&self, CHILDID_SELF);
    return self;
}

// A text for a reader: S_FALSE and null when there is none.
HRESULT PutText(const std::wstring& text, BSTR* out) {
    if (text.empty()) {
        return S_FALSE;
    }
    *out = AllocateText(text);
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

template <class Body>
HRESULT AccessibleObject::Guard(Body&& body) {
    try {
        if (!Connected()) {
            return CO_E_OBJNOTCONNECTED;
        }
        return body();
    } catch (...) {
        return CurrentExceptionResult();
    }
}

HRESULT AccessibleObject::ReadText(const VARIANT& child, BSTR* out,
                                   HRESULT (STDMETHODCALLTYPE IAccessible::*forward)(VARIANT,
                                                                                     BSTR*),
                                   std::wstring (AccessibleObject::*own)(std::int32_t)) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    return Guard([&] {
        std::int32_t id = 0;
        if (!ChildOf(child, id)) {
            return E_INVALIDARG;
        }
        if (ComRef<IAccessible> full = FullChild(id)) {
            return (full.Get()->*forward)(Self(), out);
        }
        return PutText((this->*own)(id), out);
    });
}

HRESULT AccessibleObject::ReadNumber(const VARIANT& child, VARIANT* out,
                                     HRESULT (STDMETHODCALLTYPE IAccessible::*forward)(VARIANT,
                                                                                       VARIANT*),
                                     std::int32_t (AccessibleObject::*own)(std::int32_t)) {
    if (out == nullptr) {
        return E_POINTER;
    }
    PutEmpty(out);
    return Guard([&] {
        std::int32_t id = 0;
        if (!ChildOf(child, id)) {
            return E_INVALIDARG;
        }
        if (ComRef<IAccessible> full = FullChild(id)) {
            return (full.Get()->*forward)(Self(), out);
        }
        PutLong(out, (this->*own)(id));
        return S_OK;
    });
}

bool AccessibleObject::ChildOf(const VARIANT& variant, std::int32_t& child) {
    if (variant.vt == VT_EMPTY) {
        child = CHILDID_SELF;
        return true;
    }
    if (variant.vt != VT_I4) {
        return false;
    }
    child = variant.lVal;
    return child >= CHILDID_SELF && child <= ChildCount();
}

ComRef<IAccessible> AccessibleObject::FullChild(std::int32_t child) {
    ComRef<IDispatch> object;
    if (child == CHILDID_SELF || ChildObject(child, object) != S_OK || !object) {
        return ComRef<IAccessible>();
    }
    return object.As<IAccessible>();
}

void AccessibleObject::PutChild(std::int32_t child, VARIANT* out) {
    ComRef<IDispatch> object;
    if (child != CHILDID_SELF && ChildObject(child, object) == S_OK && object) {
        out->vt = VT_DISPATCH;
        out->pdispVal = object.Detach();
        return;
    }
    PutLong(out, child);
}

HRESULT AccessibleObject::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*) {
    return E_NOTIMPL;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
    if (parent == nullptr) {
        return E_POINTER;
    }
    *parent = nullptr;
    return Guard([&] {
        ComRef<IDispatch> object;
        const HRESULT result = Parent(object);
        *parent = object.Detach();
        return result;
    });
}

HRESULT AccessibleObject::get_accChildCount(long* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return Guard([&] {
        *count = ChildCount();
        return S_OK;
    });
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    return Guard([&] {
        std::int32_t id = 0;
        if (!ChildOf(child, id) || id == CHILDID_SELF) {
            return E_INVALIDARG;
        }
        ComRef<IDispatch> full;
        if (ChildObject(id, full) != S_OK || !full) {
            return S_FALSE;
        }
        *object = full.Detach();
        return S_OK;
    });
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
    return ReadText(child, name, &IAccessible::get_accName, &AccessibleObject::Name);
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
    return ReadText(child, value, &IAccessible::get_accValue, &AccessibleObject::Value);
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
    return ReadText(child, description, &IAccessible::get_accDescription,
                    &AccessibleObject::Description);
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
    return ReadNumber(child, role, &IAccessible::get_accRole, &AccessibleObject::Role);
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
    return ReadNumber(child, state, &IAccessible::get_accState, &AccessibleObject::States);
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
    if (help == nullptr) {
        return E_POINTER;
    }
    *help = nullptr;
    return Guard([&] {
        std::int32_t id = 0;
        return ChildOf(child, id) ? S_FALSE : E_INVALIDARG;
    });
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
    if (file != nullptr) {
        *file = nullptr;
    }
    if (topic != nullptr) {
        *topic = -1;
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (shortcut == nullptr) {
        return E_POINTER;
    }
    *shortcut = nullptr;
    return Guard([&] {
        std::int32_t id = 0;
        return ChildOf(child, id) ? S_FALSE : E_INVALIDARG;
    });
}

HRESULT AccessibleObject::get_accFocus(VARIANT* focus) {
    if (focus == nullptr) {
        return E_POINTER;
    }
    PutEmpty(focus);
    return Guard([&] {
        const std::int32_t child = FocusChild();
        if (child < CHILDID_SELF) {
            return S_FALSE;
        }
        PutChild(child, focus);
        return S_OK;
    });
}

HRESULT AccessibleObject::get_accSelection(VARIANT* selection) {
    if (selection == nullptr) {
        return E_POINTER;
    }
    PutEmpty(selection);
    return Guard([&] { return Selection(selection); });
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    return ReadText(child, action, &IAccessible::get_accDefaultAction,
                    &AccessibleObject::DefaultAction);
}

HRESULT AccessibleObject::accSelect(long flags, VARIANT child) {
    return Guard([&] {
        std::int32_t id = 0;
        if (!ChildOf(child, id)) {
            return E_INVALIDARG;
        }
        if (ComRef<IAccessible> full = FullChild(id)) {
            return full->accSelect(flags, Self());
        }
        return Select(id, flags);
    });
}

HRESULT AccessibleObject::accLocation(long* left, long* top, long* width, long* height,
                                      VARIANT child) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
        return E_POINTER;
    }
    *left = *top = *width = *height = 0;
    return Guard([&] {
        std::int32_t id = 0;
        if (!ChildOf(child, id)) {
            return E_INVALIDARG;
        }
        if (ComRef<IAccessible> full = FullChild(id)) {
            return full->accLocation(left, top, width, height, Self());
        }
        const ClientBox box = Box(id);
        POINT corner{box.left, box.top};
        ClientToScreen(window_, &corner);
        *left = corner.x;
        *top = corner.y;
        *width = box.width;
        *height = box.height;
        return S_OK;
    });
}

HRESULT AccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (end == nullptr) {
        return E_POINTER;
    }
    PutEmpty(end);
    return Guard([&] {
        std::int32_t id = 0;
        if (!ChildOf(start, id)) {
            return E_INVALIDARG;
        }
        const NavigateResult result = Navigate(id, direction);
        switch (result.kind) {
            case NavigateResult::Kind::Invalid:
                return E_INVALIDARG;
            case NavigateResult::Kind::None:
                return S_FALSE;
            case NavigateResult::Kind::Child:
                break;
        }
        PutChild(result.child, end);
        return S_OK;
    });
}

HRESULT AccessibleObject::accHitTest(long x, long y, VARIANT* child) {
    if (child == nullptr) {
        return E_POINTER;
    }
    PutEmpty(child);
    return Guard([&] {
        POINT point{x, y};
        ScreenToClient(window_, &point);
        const std::int32_t hit = ChildAt(point.x, point.y);
        if (hit < CHILDID_SELF) {
            return S_FALSE;
        }
        PutChild(hit, child);
        return S_OK;
    });
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
    return Guard([&] {
        std::int32_t id = 0;
        if (!ChildOf(child, id)) {
            return E_INVALIDARG;
        }
        if (ComRef<IAccessible> full = FullChild(id)) {
            return full->accDoDefaultAction(Self());
        }
        return DoDefaultAction(id);
    });
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::ChildObject(std::int32_t, ComRef<IDispatch>&) {
    return S_FALSE;
}

std::wstring AccessibleObject::Value(std::int32_t) {
    return std::wstring();
}

std::wstring AccessibleObject::Description(std::int32_t) {
    return std::wstring();
}

std::wstring AccessibleObject::DefaultAction(std::int32_t) {
    return std::wstring();
}

HRESULT AccessibleObject::DoDefaultAction(std::int32_t) {
    return DISP_E_MEMBERNOTFOUND;
}

std::int32_t AccessibleObject::FocusChild() {
    return -1;
}

HRESULT AccessibleObject::Selection(VARIANT*) {
    return S_FALSE;
}

HRESULT AccessibleObject::Select(std::int32_t, std::int32_t) {
    return DISP_E_MEMBERNOTFOUND;
}

}  // namespace tessel
