// Failures the user must see: a modal message box with the fixed message of
// an ErrorId, an optional detail after an empty line, and the platform's
// last-error code in the caption when there is one. It only reports: it
// never ends the program and changes no state.
#pragma once

#include <windows.h>

#include "process/error_text.h"

namespace tessel {

// Shows the report, owned by owner (null during start-up, before any window
// exists), and waits for the user to close it. Always 1.
int ReportError(int errorId, const char* detail, HWND owner);

}  // namespace tessel
