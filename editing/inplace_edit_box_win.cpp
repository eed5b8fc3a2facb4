#include "editing/inplace_edit_box_win.h"

#include <commctrl.h>
#include <imm.h>

#include <utility>

#include "process/app_state_win.h"
#include "process/wide_text_win.h"

namespace tessel {

namespace {

constexpr wchar_t kBoxProperty[] = L"TesselEditBox";

EditBoxObjectCall editBoxAccess = nullptr;

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int read = GetWindowTextW(window, &text[0], static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(read > 0 ? read : 0));
    return text;
}

std::size_t Cp932Bytes(std::wstring_view text) {
    return Cp932FromWide(text).size();
}

// Text on the clipboard as UTF-16; empty when there is none.
std::wstring ClipboardWideText(HWND owner) {
    std::wstring text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            const SIZE_T units = GlobalSize(data) / sizeof(wchar_t);
            std::size_t length = 0;
            while (length < units && wide[length] != L'\0') {
                ++length;
            }
            text.assign(wide, length);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// A one-line box takes a paste up to the end of its first line.
std::wstring FirstLine(std::wstring text) {
    const std::size_t end = text.find_first_of(L"\r\n");
    if (end != std::wstring::npos) {
        text.resize(end);
    }
    return text;
}

}  // namespace

void SetEditBoxAccess(EditBoxObjectCall call) {
    editBoxAccess = call;
}

HWND InplaceEditBox::Open(const InplaceEditConfig& config, std::string_view text, FontHandle font) {
    Close();
    HWND window = CreateWindowExW(
        0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, config.parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(config.childId)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(config.parent, GWLP_HINSTANCE)), nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    window_ = window;
    config_ = config;
    font_ = std::move(font);
    openedText_.assign(text.data(), text.size());
    openedWide_ = WideFromCp932(text);
    SetPropW(window, kBoxProperty, this);
    classProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    // The characters never exceed the bytes; the bytes are kept by Inserting.
    SendMessageW(window, EM_LIMITTEXT, config.limitBytes, 0);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    SendMessageW(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SetWindowTextW(window, openedWide_.c_str());
    const RECT& r = config.place;
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    return window;
}

std::string InplaceEditBox::Text() const {
    if (window_ == nullptr) {
        return std::string();
    }
    const std::wstring typed = WindowText(window_);
    // Untouched: byte for byte as it came, whatever did not survive the
    // round trip through UTF-16 (a lone lead byte, a duplicate character).
    return typed == openedWide_ ? openedText_ : Cp932FromWide(typed);
}

void InplaceEditBox::Clear() {
    if (window_ != nullptr) {
        SetWindowTextW(window_, L"");
    }
}

void InplaceEditBox::Close() {
    if (window_ != nullptr) {
        HWND window = std::exchange(window_, nullptr);
        DestroyWindow(window);
        // The shortcuts come back even when the box never lost the focus
        // (a minimised window takes none).
        ActiveAccelerators = AcceleratorHandle;
    }
    font_.Reset();
}

LRESULT CALLBACK InplaceEditBox::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = static_cast<InplaceEditBox*>(GetPropW(window, kBoxProperty));
    if (box == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return box->OnMessage(window, message, wParam, lParam);
}

// The box may be destroyed inside its own key or focus message (the edit
// ends there); after that nothing here touches the instance's window.
LRESULT InplaceEditBox::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC classProc = classProc_;
    switch (message) {
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc));
            RemovePropW(window, kBoxProperty);
            return CallWindowProcW(classProc, window, message, wParam, lParam);
        case WM_SETFOCUS:
            // No shortcut may fire while text is typed.
            ActiveAccelerators = nullptr;
            break;
        case WM_KILLFOCUS:
            config_.end(1);
            ActiveAccelerators = AcceleratorHandle;
            return 0;
        case WM_ERASEBKGND:
            if (!config_.paintsBackground) {
                return 1;
            }
            break;
        case WM_KEYDOWN:
            if (wParam == VK_TAB) {
                config_.end(1);
                return 0;
            }
            if (wParam == VK_ESCAPE) {
                config_.end(0);
                return 0;
            }
            if (wParam == 'A' && GetKeyState(VK_CONTROL) < 0) {
                SendMessageW(window, EM_SETSEL, 0, -1);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == '\t') {
                return 0;
            }
            if (wParam == '\r') {
                config_.end(1);
                return 0;
            }
            if (wParam == 0x16) {  // Ctrl+V: always through WM_PASTE below
                SendMessageW(window, WM_PASTE, 0, 0);
                return 0;
            }
            if (!TakesCharacter(window, wParam)) {
                return 0;
            }
            return Inserting(window, message, wParam, lParam);
        case WM_IME_CHAR:
            if (!TakesCharacter(window, wParam)) {
                return 0;
            }
            return Inserting(window, message, wParam, lParam);
        case WM_IME_COMPOSITION:
            if ((lParam & GCS_RESULTSTR) != 0 && TakeImeResult(window)) {
                // The kept part of the result is in; what is still being
                // composed goes on as usual.
                const LPARAM rest =
                    lParam & ~static_cast<LPARAM>(GCS_RESULTSTR | GCS_RESULTREADSTR |
                                                  GCS_RESULTCLAUSE | GCS_RESULTREADCLAUSE);
                return rest != 0 ? CallWindowProcW(classProc, window, message, wParam, rest) : 0;
            }
            break;
        case WM_PASTE:
            if (PastedWithout(window)) {
                return 0;
            }
            return Inserting(window, message, wParam, lParam);
        case EM_REPLACESEL:
            return Inserting(window, message, wParam, lParam);
        case WM_GETOBJECT:
            if (editBoxAccess != nullptr) {
                if (const LRESULT object =
                        editBoxAccess(window, config_.accessibleName, wParam, lParam)) {
                    return object;
                }
            }
            break;
        default:
            break;
    }
    return CallWindowProcW(classProc, window, message, wParam, lParam);
}

// The box refuses what list.txt cannot hold, at once: a beep and a balloon
// under the box.
void InplaceEditBox::Refuse(HWND window) {
    MessageBeep(MB_OK);
    static const std::wstring text = WideFromCp932("この文字はリストに保存できません");
    EDITBALLOONTIP tip{};
    tip.cbStruct = sizeof tip;
    tip.pszTitle = L"";
    tip.pszText = text.c_str();
    tip.ttiIcon = TTI_NONE;
    SendMessageW(window, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip));
}

// A typed character (one UTF-16 unit) that cp932 has, or a control key
// such as Backspace. A character outside the BMP comes as two units: the
// first is refused, the second is then dropped without a second beep.
bool InplaceEditBox::TakesCharacter(HWND window, WPARAM unit) {
    const auto c = static_cast<wchar_t>(unit);
    if (IS_LOW_SURROGATE(c)) {
        return false;
    }
    if (c < L' ' || Cp932HoldsAll(std::wstring_view(&c, 1))) {
        return true;
    }
    Refuse(window);
    return false;
}

// A paste of text that has characters cp932 lacks: the rest goes in, and
// true. false when the paste may go on as usual.
bool InplaceEditBox::PastedWithout(HWND window) {
    const std::wstring pasted = FirstLine(ClipboardWideText(window));
    if (Cp932HoldsAll(pasted)) {
        return false;
    }
    const std::wstring kept = WithoutCharactersCp932Lacks(pasted);
    SendMessageW(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
    Refuse(window);
    return true;
}

// The input method's result, when it has characters cp932 lacks: the rest
// is inserted here and true. false when the box may take it as usual.
bool InplaceEditBox::TakeImeResult(HWND window) {
    HIMC context = ImmGetContext(window);
    if (context == nullptr) {
        return false;
    }
    std::wstring result;
    const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
    if (bytes > 0) {
        result.resize(static_cast<std::size_t>(bytes) / sizeof(wchar_t));
        ImmGetCompositionStringW(context, GCS_RESULTSTR, &result[0], static_cast<DWORD>(bytes));
    }
    ImmReleaseContext(window, context);
    if (Cp932HoldsAll(result)) {
        return false;
    }
    const std::wstring kept = WithoutCharactersCp932Lacks(result);
    SendMessageW(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
    Refuse(window);
    return true;
}

LRESULT InplaceEditBox::Inserting(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::wstring before = WindowText(window);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const LRESULT result = CallWindowProcW(classProc_, window, message, wParam, lParam);
    const std::wstring after = WindowText(window);
    if (Cp932Bytes(after) <= config_.limitBytes || start > end || end > before.size()) {
        return result;
    }
    // Keep as much of the insertion as fits, never half a surrogate pair.
    const std::wstring head = before.substr(0, start);
    const std::wstring tail = before.substr(end);
    const std::size_t kept = head.size() + tail.size();
    std::wstring inserted =
        after.size() > kept ? after.substr(start, after.size() - kept) : std::wstring();
    const std::size_t room =
        config_.limitBytes - std::min(config_.limitBytes, Cp932Bytes(head + tail));
    while (!inserted.empty() && Cp932Bytes(inserted) > room) {
        inserted.pop_back();
        if (!inserted.empty() && IS_HIGH_SURROGATE(inserted.back())) {
            inserted.pop_back();
        }
    }
    SetWindowTextW(window, (head + inserted + tail).c_str());
    const auto caret = static_cast<WPARAM>(head.size() + inserted.size());
    SendMessageW(window, EM_SETSEL, caret, static_cast<LPARAM>(caret));
    if (inserted.size() < after.size() - kept) {
        MessageBeep(MB_OK);
    }
    return result;
}

}  // namespace tessel
