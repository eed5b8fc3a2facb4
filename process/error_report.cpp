#include "process/error_report.h"

namespace tessel {

int ReportError(int errorId, const char* detail, HWND owner) {
    // First of all: any call below may change the code.
    const DWORD lastError = GetLastError();
    const std::string caption = ComposeErrorCaption(lastError);
    const std::string text = ComposeErrorText(errorId, detail != nullptr ? detail : "");
    const UINT icon = ErrorIconOf(errorId) == ErrorIcon::Stop ? MB_ICONHAND : MB_ICONEXCLAMATION;
    MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK | icon);
    return 1;
}

}  // namespace tessel
