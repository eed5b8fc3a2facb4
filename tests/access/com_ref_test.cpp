// The owner of a COM reference: a copy adds one, a move none, every owner
// gives its reference back once; MakeComObject's object goes with its last.
#include "access/com_ref_win.h"

#include <oaidl.h>

#include <gtest/gtest.h>

#include <utility>

namespace tessel::test {
namespace {

// Counts what its owners do; answers only IUnknown.
struct Counter : IUnknown {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = iid == __uuidof(IUnknown) ? this : nullptr;
        return *object != nullptr ? (AddRef(), S_OK) : E_NOINTERFACE;
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
        ComRef<IUnknown> moved = std::move(copy);
        EXPECT_FALSE(copy);
        EXPECT_EQ(counter.count, 2u);
        copy = first;  // over an empty owner, then over one of the same object
        copy = moved;
        ComRef<IUnknown> asked = first.As<IUnknown>();
        EXPECT_FALSE(first.As<IDispatch>());
        EXPECT_EQ(counter.count, 4u);
        moved.Reset();
        moved.Reset();
        ComRef<IUnknown> adopted = ComRef<IUnknown>::Adopt(copy.Detach());  // handed on
        EXPECT_EQ(*asked.Put(), nullptr);  // Put gives back what was held first
        EXPECT_EQ(counter.count, 2u);
    }
    EXPECT_EQ(counter.count, 0u);
}

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
