// A screen reader's side of the calls, for the tests: owners of what a
// reader receives (BSTR, VARIANT), the object of a window as a reader asks
// for it, and the events a reader would hear, caught with SetWinEventHook.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "access/com_ref_win.h"

namespace tessel::test {

class OwnedText {
  public:
    OwnedText() = default;
    OwnedText(const OwnedText&) = delete;
    OwnedText& operator=(const OwnedText&) = delete;
    ~OwnedText() { SysFreeString(text_); }
    BSTR* Out() {
        SysFreeString(text_);
        text_ = nullptr;
        return &text_;
    }
    std::wstring Text() const { return text_ != nullptr ? std::wstring(text_) : std::wstring(); }
    bool Null() const { return text_ == nullptr; }

  private:
    BSTR text_ = nullptr;
};

class OwnedVariant {
  public:
    OwnedVariant() { VariantInit(&value_); }
    OwnedVariant(const OwnedVariant&) = delete;
    OwnedVariant& operator=(const OwnedVariant&) = delete;
    ~OwnedVariant() { VariantClear(&value_); }
    VARIANT* Out() {
        VariantClear(&value_);
        return &value_;
    }
    const VARIANT& Get() const { return value_; }
    VARTYPE Type() const { return value_.vt; }
    long Long() const { return value_.vt == VT_I4 ? value_.lVal : -1000; }

  private:
    VARIANT value_;
};

inline VARIANT ChildId(long id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// What WM_GETOBJECT gives a reader for the window and object id.
inline ComRef<IAccessible> ObjectOf(HWND window, LONG objectId) {
    ComRef<IAccessible> object;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(objectId), __uuidof(IAccessible),
                               reinterpret_cast<void**>(object.Put()));
    return object;
}

inline std::wstring NameOf(IAccessible* object, long child) {
    OwnedText name;
    object->get_accName(ChildId(child), name.Out());
    return name.Text();
}

inline std::wstring DescriptionOf(IAccessible* object, long child) {
    OwnedText text;
    object->get_accDescription(ChildId(child), text.Out());
    return text.Text();
}

inline std::wstring DefaultActionOf(IAccessible* object, long child) {
    OwnedText text;
    object->get_accDefaultAction(ChildId(child), text.Out());
    return text.Text();
}

inline long RoleOf(IAccessible* object, long child) {
    OwnedVariant role;
    object->get_accRole(ChildId(child), role.Out());
    return role.Long();
}

inline long StatesOf(IAccessible* object, long child) {
    OwnedVariant states;
    object->get_accState(ChildId(child), states.Out());
    return states.Long();
}

inline long ChildCountOf(IAccessible* object) {
    long count = -1;
    object->get_accChildCount(&count);
    return count;
}

inline RECT LocationOf(IAccessible* object, long child) {
    long left = 0, top = 0, width = 0, height = 0;
    object->accLocation(&left, &top, &width, &height, ChildId(child));
    return RECT{left, top, left + width, top + height};
}

// A client point of a window in screen pixels.
inline POINT OnScreen(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

// One event as a reader's hook receives it.
struct HeardEvent {
    DWORD event = 0;
    HWND window = nullptr;
    LONG object = 0;
    LONG child = 0;
    bool operator==(const HeardEvent& other) const {
        return event == other.event && window == other.window && object == other.object &&
               child == other.child;
    }
};

inline std::vector<HeardEvent> heardEvents;

inline void CALLBACK HearEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                               DWORD, DWORD) {
    heardEvents.push_back(HeardEvent{event, window, object, child});
}

// The end of the object events' range (EVENT_OBJECT_END, which mingw lacks).
inline constexpr DWORD kLastObjectEvent = 0x80FF;

// Listens to the object events of this process (out of context, as a
// reader in another process does) while it lives.
class EventEar {
  public:
    EventEar()
        : hook_(SetWinEventHook(EVENT_OBJECT_CREATE, kLastObjectEvent, nullptr, HearEvent,
                                GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT)) {
        heardEvents.clear();
    }
    EventEar(const EventEar&) = delete;
    EventEar& operator=(const EventEar&) = delete;
    ~EventEar() {
        if (hook_ != nullptr) {
            UnhookWinEvent(hook_);
        }
    }
    bool Listening() const { return hook_ != nullptr; }

  private:
    HWINEVENTHOOK hook_ = nullptr;
};

}  // namespace tessel::test
