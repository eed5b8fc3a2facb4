#include "access/ole_calls_win.h"

namespace tessel {
namespace {

template <class Call>
bool Find(HMODULE library, const char* name, Call& call) {
    call = reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return call != nullptr;
}

// Answers the loaded calls, or nothing, once per process.
OleCalls Load() {
    HMODULE ole32 = LoadLibraryW(L"ole32.dll");
    HMODULE oleaut32 = LoadLibraryW(L"oleaut32.dll");
    HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    decltype(&::CoInitializeEx) coInitializeEx = nullptr;
    OleCalls calls;
    if (ole32 == nullptr || oleaut32 == nullptr || oleacc == nullptr ||
        !Find(ole32, "CoInitializeEx", coInitializeEx) ||
        !Find(oleacc, "LresultFromObject", calls.lresultFromObject) ||
        !Find(oleacc, "AccessibleObjectFromWindow", calls.accessibleObjectFromWindow) ||
        !Find(oleacc, "CreateStdAccessibleObject", calls.createStdAccessibleObject) ||
        !Find(oleaut32, "SysAllocStringLen", calls.sysAllocStringLen)) {
        return OleCalls{};
    }
    // Kept for the process: the apartment must outlive every object handed
    // out. A thread that a test made multithreaded already has COM.
    const HRESULT started = coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(started) && started != RPC_E_CHANGED_MODE) {
        return OleCalls{};
    }
    return calls;
}

}  // namespace

const OleCalls* LoadOleCalls() {
    static const OleCalls calls = Load();
    return calls.lresultFromObject != nullptr ? &calls : nullptr;
}

BSTR AllocateText(std::wstring_view text) {
    const OleCalls* calls = LoadOleCalls();
    if (text.empty() || calls == nullptr) {
        return nullptr;
    }
    return calls->sysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

}  // namespace tessel
