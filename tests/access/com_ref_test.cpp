// The owner of a COM reference: a copy adds one, a move none, every owner
// gives its reference back once, Detach hands it on, As asks for another
// interface; MakeComObject's object goes with its last reference.
#include "access/com_ref_win.h"

#include <oaidl.h>

#include <gtest/gtest.h>

#include <utility>

namespace tessel::test {
namespace {

// Counts what its owners do to it, and never goes.
struct Counter : IUnknown {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid != __uuidof(IUnknown)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++count; }
    ULONG STDMETHODCALLTYPE Release() override { return --count; }
    ULONG count = 1;
};

TEST(ComRef, EveryReferenceIsGivenBackOnce) {
    Counter counter;
    {
        ComRef<IUnknown> first = ComRef<IUnknown>::Adopt(&counter);
        ComRef<IUnknown> copy = first;
        EXPECT_EQ(counter.count, 2u);
        ComRef<IUnknown> moved = std::move(copy);
        EXPECT_FALSE(copy);
        EXPECT_EQ(counter.count, 2u);
        copy = moved;  // over an empty owner
        EXPECT_EQ(counter.count, 3u);
        copy = first;  // over an owner of the same object
        EXPECT_EQ(counter.count, 3u);
        ComRef<IUnknown> asked = first.As<IUnknown>();
        EXPECT_EQ(counter.count, 4u);
        EXPECT_FALSE(first.As<IDispatch>());
        EXPECT_EQ(counter.count, 4u);
        moved.Reset();
        moved.Reset();
        asked.Reset();
        EXPECT_EQ(counter.count, 2u);

        // Handed on to an [out] parameter, and taken up by another owner.
        IUnknown* out = copy.Detach();
        EXPECT_FALSE(copy);
        EXPECT_EQ(counter.count, 2u);
        ComRef<IUnknown> adopted = ComRef<IUnknown>::Adopt(out);
        // Put gives back what the owner held before a call fills it in.
        EXPECT_EQ(*adopted.Put(), nullptr);
        EXPECT_EQ(counter.count, 1u);
    }
    EXPECT_EQ(counter.count, 0u);
}

// Made by MakeComObject; notes its end.
class Noted : public ComObject<IUnknown> {
  public:
    explicit Noted(bool* gone) : gone_(gone) {}
    ~Noted() override { *gone_ = true; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }

  private:
    bool* gone_;
};

TEST(ComRef, AMadeObjectGoesWithItsLastReference) {
    bool gone = false;
    ComRef<Noted> made = MakeComObject<Noted>(&gone);
    ComRef<Noted> second = made;
    made.Reset();
    EXPECT_FALSE(gone);
    second.Reset();
    EXPECT_TRUE(gone);
}

}  // namespace
}  // namespace tessel::test
