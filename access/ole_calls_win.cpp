#include "access/ole_calls_win.h"

#include "process/system_library_win.h"

namespace tessel {
namespace {

template <class Call>
bool Find(SystemLibrary library, const char* name, Call& call) {
    call = FindSystemCall<Call>(library, name);
    return call != nullptr;
}

// Answers the loaded calls, or nothing, once per process.
OleCalls Load() {
    decltype(&::CoInitializeEx) coInitializeEx = nullptr;
    OleCalls calls;
    if (!Find(SystemLibrary::Ole32, "CoInitializeEx", coInitializeEx) ||
        !Find(SystemLibrary::OleAcc, "LresultFromObject", calls.lresultFromObject) ||
        !Find(SystemLibrary::OleAcc, "AccessibleObjectFromWindow",
              calls.accessibleObjectFromWindow) ||
        !Find(SystemLibrary::OleAcc, "CreateStdAccessibleObject",
              calls.createStdAccessibleObject) ||
        !Find(SystemLibrary::OleAut32, "SysAllocStringLen", calls.sysAllocStringLen)) {
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
