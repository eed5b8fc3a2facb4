#include "process/error_report_win.h"

#include <string>

#include "process/wide_text_win.h"

namespace tessel {
namespace {

// A path may be long; the text keeps to the size of the composed one, in
// UTF-16 units, without splitting a pair that makes one character.
void FitWideText(std::wstring& text) {
    std::size_t size = text.size();
    if (size < kErrorBufferBytes) {
        return;
    }
    size = kErrorBufferBytes - 1;
    if (IS_HIGH_SURROGATE(text[size - 1])) {
        --size;
    }
    text.resize(size);
}

int ShowReport(int errorId, const char* detail, std::wstring_view path, HWND owner) {
    // First of all: any call below may change the code.
    const DWORD lastError = GetLastError();
    const std::wstring caption = WideFromCp932(ComposeErrorCaption(lastError));
    const std::string_view detailText = detail != nullptr ? detail : "";
    std::wstring text = WideFromCp932(ComposeErrorText(errorId, detailText));
    if (!path.empty()) {
        text += detailText.empty() ? L"\n\n" : L"\n";
        text += path;
        FitWideText(text);
    }
    const UINT icon = ErrorIconOf(errorId) == ErrorIcon::Stop ? MB_ICONHAND : MB_ICONEXCLAMATION;
    MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | icon);
    return 1;
}

}  // namespace

int ReportError(int errorId, const char* detail, HWND owner) {
    return ShowReport(errorId, detail, std::wstring_view(), owner);
}

int ReportError(int errorId, const char* detail, std::wstring_view path, HWND owner) {
    return ShowReport(errorId, detail, path, owner);
}

}  // namespace tessel
