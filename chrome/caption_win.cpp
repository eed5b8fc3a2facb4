#include "chrome/caption_win.h"

#include <windows.h>

#include "chrome/caption.h"
#include "process/app_state_win.h"
#include "process/wide_text_win.h"
#include "store/cp932.h"

namespace tessel {

void SetCaption(std::string_view text) {
    TitleBuffer.assign(Cp932Prefix(text, kMaxTitleBytes));
    if (MainFrameHandle != nullptr) {
        // The caption the taskbar and window switchers read, kept in
        // UTF-16 past the window's ANSI procedure, whose WM_GETTEXT answers
        // in cp932.
        DefWindowProcW(MainFrameHandle, WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(WideFromCp932(TitleBuffer).c_str()));
    }
}

}  // namespace tessel
