// The calls of COM and of the accessibility library that answering a screen
// reader takes, found when the first reader asks. The program imports none
// of them: loading oleacc.dll, with ole32 and oleaut32 behind it, costs some
// 100 ms under Wine, which a start that no reader follows never pays.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string_view>

namespace tessel {

struct OleCalls {
    decltype(&::LresultFromObject) lresultFromObject = nullptr;
    decltype(&::AccessibleObjectFromWindow) accessibleObjectFromWindow = nullptr;
    decltype(&::CreateStdAccessibleObject) createStdAccessibleObject = nullptr;
    decltype(&::SysAllocStringLen) sysAllocStringLen = nullptr;
};

// The calls, with their libraries loaded and COM started on this thread on
// the first call; null when that fails. The thread becomes a single-threaded
// apartment, so that a reader in another process is served by this
// thread's message loop, never on a thread of its own beside the window's.
// The libraries stay loaded: objects handed to readers live in them.
const OleCalls* LoadOleCalls();

// The text as a BSTR for a reader, who frees it; null for an empty text, or
// before LoadOleCalls succeeded, or when memory runs out.
BSTR AllocateText(std::wstring_view text);

}  // namespace tessel
