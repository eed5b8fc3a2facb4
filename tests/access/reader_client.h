// A screen reader's side, for the tests: owners of what a reader receives
// (BSTR, VARIANT), the calls it makes, the events it hears (caught with
// SetWinEventHook, out of context, as a reader in another process hears
// them), and the real main window over a list.txt to read.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "access/com_ref_win.h"
#include "commands/command_dispatch_win.h"
#include "tests/mainwindow/frame_fixture.h"

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
    // The child id held, -1 for nothing held, -2 for an object.
    long Long() const { return value_.vt == VT_I4 ? value_.lVal : value_.vt == VT_EMPTY ? -1 : -2; }

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

using TextCall = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

inline std::wstring TextOf(IAccessible* object, TextCall call, long child) {
    OwnedText text;
    (object->*call)(ChildId(child), text.Out());
    return text.Text();
}

inline std::wstring NameOf(IAccessible* object, long child) {
    return TextOf(object, &IAccessible::get_accName, child);
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

// What accHitTest finds at a client point of window (OwnedVariant::Long).
inline long HitTest(IAccessible* object, HWND window, int x, int y) {
    const POINT point = OnScreen(window, x, y);
    OwnedVariant hit;
    object->accHitTest(point.x, point.y, hit.Out());
    return hit.Long();
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

inline std::ostream& operator<<(std::ostream& out, const HeardEvent& e) {
    return out << std::hex << e.event << std::dec << ":" << e.object << ":" << e.child;
}

inline std::vector<HeardEvent> heardEvents;

inline void CALLBACK HearEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                               DWORD, DWORD) {
    heardEvents.push_back(HeardEvent{event, window, object, child});
}

// Listens to the object events of this process while it lives.
class EventEar {
  public:
    EventEar()
        : hook_(SetWinEventHook(EVENT_OBJECT_CREATE, 0x80FF, nullptr, HearEvent,
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

// The real main window as a reader in this process meets it.
class ReaderTest : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    void TearDown() override {
        FrameTest::TearDown();
        CoUninitialize();
    }

    // The window over list.txt with the list pane focused; null when it
    // cannot be made.
    HWND OpenWindow(const std::string& listFile) {
        WriteFileBytes(DataFile("list.txt"), listFile);
        if (Create() == nullptr) {
            return nullptr;
        }
        SetFocus(ListPaneHandle);
        PumpMessages();
        return frame_;
    }

    // A command as the shortcut table sends it, and what follows it shown.
    void Command(int id) {
        DispatchCommand(frame_, static_cast<WPARAM>(id));
        PumpMessages();
    }

    // What was heard since the last call about these objects of window.
    std::vector<HeardEvent> HeardAbout(HWND window, std::initializer_list<LONG> objects) {
        PumpMessages();
        std::vector<HeardEvent> heard;
        for (const HeardEvent& event : heardEvents) {
            for (LONG object : objects) {
                if (event.window == window && event.object == object) {
                    heard.push_back(event);
                }
            }
        }
        heardEvents.clear();
        return heard;
    }
};

}  // namespace tessel::test
