// Failures the user must see: a modal message box with the fixed message of
// an ErrorId, an optional detail after an empty line, and the platform's
// last-error code in the caption when there is one. It only reports: it
// never ends the program and changes no state. The box is shown through the
// system's UTF-16 calls, so that its words read right on a Windows of any
// language.
#pragma once

#include <windows.h>

#include <string_view>

#include "process/error_text.h"

namespace tessel {

// Shows the report, owned by owner (null during start-up, before any window
// exists), and waits for the user to close it. Always 1.
int ReportError(int errorId, const char* detail, HWND owner);
// The same with a path on a line of its own after the detail: the path
// stays UTF-16, so that a folder whose name cp932 lacks shows as it is.
int ReportError(int errorId, const char* detail, std::wstring_view path, HWND owner);

}  // namespace tessel
