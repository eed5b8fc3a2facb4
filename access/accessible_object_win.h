// The part of IAccessible that every object a screen reader reads shares:
// reference counting, the VARIANT and BSTR handling of each call, the
// conversion between screen and client pixels, the forwarding of calls
// about a child that is an object of its own, and the guard that keeps
// every failure (a window gone, memory run out) inside the call as an
// HRESULT. A concrete object answers in plain terms: child ids, UTF-16
// texts, the numbers of access/reading_basics.h and boxes in the client
// space of its window.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <cstdint>
#include <string>

#include "access/com_ref_win.h"
#include "access/reading_basics.h"

namespace tessel {

class AccessibleObject : public ComObject<IAccessible> {
  public:
    // IUnknown (the count is ComObject's).
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;

    // IDispatch: offered for the type IAccessible derives from; a reader
    // calls IAccessible's methods directly, so there is no type library.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* badArgument) override;

    // IAccessible.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

  protected:
    explicit AccessibleObject(HWND window) : window_(window) {}

    // The window whose client space the boxes and points are in.
    HWND Window() const { return window_; }

    // What a concrete object answers. Child ids come checked: 0 (the
    // object) up to ChildCount(); a child that is an object of its own is
    // asked itself instead, except for Box and Navigate.
    // False once the window that the object reads is gone.
    virtual bool Connected() const = 0;
    virtual std::int32_t ChildCount() = 0;
    // S_OK with a child that is an object of its own, S_FALSE for an
    // element that is read through this object.
    virtual HRESULT ChildObject(std::int32_t child, ComRef<IDispatch>& object);
    virtual HRESULT Parent(ComRef<IDispatch>& parent) = 0;
    virtual std::wstring Name(std::int32_t child) = 0;
    virtual std::wstring Value(std::int32_t child);
    virtual std::wstring Description(std::int32_t child);
    virtual std::int32_t Role(std::int32_t child) = 0;
    virtual std::int32_t States(std::int32_t child) = 0;
    virtual std::wstring DefaultAction(std::int32_t child);
    // DISP_E_MEMBERNOTFOUND where there is none.
    virtual HRESULT DoDefaultAction(std::int32_t child);
    virtual ClientBox Box(std::int32_t child) = 0;
    // The child under a client point, 0 for the object itself, -1 outside.
    virtual std::int32_t ChildAt(std::int32_t x, std::int32_t y) = 0;
    virtual NavigateResult Navigate(std::int32_t from, std::int32_t direction) = 0;
    // The child with the keyboard focus, 0 for the object itself, -1 none.
    virtual std::int32_t FocusChild();
    // The selection into out: VT_EMPTY and S_FALSE when there is none
    // (the default), one child as PutChild puts it, or more as VT_UNKNOWN
    // of an IEnumVARIANT of child ids.
    virtual HRESULT Selection(VARIANT* out);
    // E_INVALIDARG for flags the object refuses.
    virtual HRESULT Select(std::int32_t child, std::int32_t flags);

    // A child in a VARIANT as a reader expects it: an object of its own as
    // VT_DISPATCH, an element (or the object itself) as VT_I4.
    void PutChild(std::int32_t child, VARIANT* out);

  private:
    // Runs body unless the window is gone, turning any exception into an
    // HRESULT: nothing may unwind into the reader's call.
    template <class Body>
    HRESULT Guard(Body&& body);
    // A text of child: asked of the child's own object when it has one, else
    // own's text (S_FALSE when empty).
    HRESULT ReadText(const VARIANT& child, BSTR* out,
                     HRESULT (STDMETHODCALLTYPE IAccessible::*forward)(VARIANT, BSTR*),
                     std::wstring (AccessibleObject::*own)(std::int32_t));
    // A number of child (its role or its states), asked the same way.
    HRESULT ReadNumber(const VARIANT& child, VARIANT* out,
                       HRESULT (STDMETHODCALLTYPE IAccessible::*forward)(VARIANT, VARIANT*),
                       std::int32_t (AccessibleObject::*own)(std::int32_t));
    // The child id in a VARIANT (VT_I4; VT_EMPTY is the object itself),
    // false when it is none of this object's.
    bool ChildOf(const VARIANT& variant, std::int32_t& child);
    // The child as an object of its own, or empty for an element.
    ComRef<IAccessible> FullChild(std::int32_t child);

    HWND window_ = nullptr;
};

}  // namespace tessel
