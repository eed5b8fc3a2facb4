// The one-line box of an in-place edit: a Unicode EDIT control laid over
// the text it edits and subclassed for the keys of an in-place edit. Tab
// and Enter end the edit keeping the text, Esc ends it dropping the text,
// Ctrl+A selects everything, and losing the focus keeps the text. While it
// has the focus the shortcut keys are off. The item editor and the category
// rename box are its two configurations.
//
// The text comes in and goes out as cp932 bytes, and holds at most the
// configured number of them, as an ANSI box on a Japanese Windows would. A
// character cp932 lacks is refused as it is typed, pasted or given by the
// input method, with a beep and a balloon tip; the rest of a paste goes in.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "drawing/gdi_handles_win.h"

namespace tessel {

struct InplaceEditConfig {
    HWND parent = nullptr;
    int childId = 200;
    RECT place{};                  // in the parent's client space
    std::size_t limitBytes = 0;    // cp932 bytes the text may hold
    bool paintsBackground = true;  // false: WM_ERASEBKGND is left undone
    // Ends the edit: commit 1 keeps the text, 0 drops it. Called from the
    // box's own messages, which may destroy it.
    int (*end)(int commit) = nullptr;
    // What the box edits (cp932), the name a screen reader gives it.
    const char* accessibleName = "";
};

// Answers a box's WM_GETOBJECT with the box named as given (cp932), or 0 to
// leave the answer to the system. The screen-reader support, which sits
// above, sets it at start-up.
using EditBoxObjectCall = LRESULT (*)(HWND box, const char* name, WPARAM wParam, LPARAM lParam);
void SetEditBoxAccess(EditBoxObjectCall call);

class InplaceEditBox {
  public:
    InplaceEditBox() = default;
    InplaceEditBox(const InplaceEditBox&) = delete;
    InplaceEditBox& operator=(const InplaceEditBox&) = delete;
    ~InplaceEditBox() { Close(); }

    // Makes the box (hidden) with text, in font, which the box keeps until
    // it closes. Null when it cannot be made.
    HWND Open(const InplaceEditConfig& config, std::string_view text, FontHandle font);
    // The text as cp932 bytes: exactly the text it was opened with while
    // the user has changed nothing, otherwise the typed text ("?" for a
    // character cp932 lacks, which only SetWindowText can put there).
    std::string Text() const;
    // Empties the box without ending the edit (before its window goes).
    void Clear();
    // Destroys the window; safe from inside the box's own messages.
    void Close();
    // Lets go of the font (at shutdown, once the box no longer uses it).
    void ReleaseFont() { font_.Reset(); }
    HWND Handle() const { return window_; }

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Runs a message that may insert text, then cuts what it inserted to
    // the byte limit.
    LRESULT Inserting(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void Refuse(HWND window);
    static bool TakesCharacter(HWND window, WPARAM unit);
    static bool PastedWithout(HWND window);
    static bool TakeImeResult(HWND window);

    HWND window_ = nullptr;
    WNDPROC classProc_ = nullptr;
    InplaceEditConfig config_;
    FontHandle font_;
    std::string openedText_;   // cp932, as given
    std::wstring openedWide_;  // as the box showed it first
};

}  // namespace tessel
