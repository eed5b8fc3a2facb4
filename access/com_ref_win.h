// Owners of COM references, and the one way the program makes a COM
// object of its own.
//
// The program's COM objects (what a screen reader reads) are reference
// counted, as COM asks: MakeComObject makes one with a count of 1, held by
// the ComRef it answers, and the object deletes itself in the Release that
// ends its count (ComObject below), which may come from a reader long
// after the window is gone.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include <memory>
#include <utility>

namespace tessel {

// One reference to a COM interface: copied with AddRef, released when the
// owner goes or is reset, handed on by Detach (an [out] parameter).
template <class T>
class ComRef {
  public:
    ComRef() = default;
    // Takes over a reference the caller owns.
    static ComRef Adopt(T* object) {
        ComRef ref;
        ref.object_ = object;
        return ref;
    }
    ComRef(const ComRef& other) : object_(other.object_) {
        if (object_ != nullptr) {
            object_->AddRef();
        }
    }
    ComRef(ComRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComRef& operator=(ComRef other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~ComRef() { Reset(); }

    void Reset() {
        if (T* object = std::exchange(object_, nullptr)) {
            object->Release();
        }
    }
    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For a call that hands out a reference: the old one is released first.
    T** Put() {
        Reset();
        return &object_;
    }
    // The reference leaves this owner (to a caller's [out] parameter).
    T* Detach() { return std::exchange(object_, nullptr); }
    // Another interface of the same object, or an empty owner.
    template <class U>
    ComRef<U> As() const {
        ComRef<U> other;
        if (object_ != nullptr) {
            object_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(other.Put()));
        }
        return other;
    }

  private:
    T* object_ = nullptr;
};

// The reference count of one of the program's COM objects; Interface is
// the interface it implements (IAccessible, IEnumVARIANT). Only
// MakeComObject makes one.
template <class Interface>
class ComObject : public Interface {
  public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;  // the count's end: COM's lifetime rule, in this one place
        }
        return left;
    }

  protected:
    ComObject() = default;
    virtual ~ComObject() = default;

  private:
    ULONG references_ = 1;
};

// Makes a COM object with a count of 1, held by the answer (std::bad_alloc
// when memory runs out).
template <class T, class... Args>
ComRef<T> MakeComObject(Args&&... args) {
    return ComRef<T>::Adopt(std::make_unique<T>(std::forward<Args>(args)...).release());
}

}  // namespace tessel
