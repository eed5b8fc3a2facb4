#include "clipboard/clipboard_win.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "clipboard/clipboard_owners_win.h"
#include "clipboard/clipboard_text.h"
#include "listpane/item_commands_win.h"
#include "listpane/list_pane_win.h"
#include "process/app_state_win.h"
#include "process/program_title.h"
#include "process/wide_text_win.h"
#include "storage/list_line.h"
#include "store/cp932.h"

namespace tessel {
namespace {

// Japanese: tells a reader of CF_TEXT that its bytes are code page 932,
// whatever the ANSI code page of the system.
constexpr LCID kTextLocale =
    MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT);

MarkerUse ToMarkerUse(CopyMarkers markers) {
    return markers == CopyMarkers::With ? MarkerUse::With : MarkerUse::TextOnly;
}

// A movable block of size bytes filled by fill(void*), or an empty owner.
template <typename Fill>
GlobalBlock MakeBlock(std::size_t size, Fill fill) {
    GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE, size));
    GlobalLockScope lock(block.Get());
    if (lock.Data() == nullptr) {
        return GlobalBlock();
    }
    fill(lock.Data());
    return block;
}

// text as a UTF-16 block of exactly its size, made in one pass.
GlobalBlock MakeUnicodeBlock(std::string_view text) {
    GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)));
    std::size_t length = 0;
    {
        GlobalLockScope lock(block.Get());
        if (lock.Data() == nullptr) {
            return GlobalBlock();
        }
        wchar_t* out = static_cast<wchar_t*>(lock.Data());
        length = WriteWideFromCp932(text, out);
        out[length] = L'\0';
    }
    if (length < text.size()) {
        if (HGLOBAL smaller = GlobalReAlloc(block.Get(), (length + 1) * sizeof(wchar_t), 0)) {
            block.Release();  // the same block, or freed for the new one
            block = GlobalBlock(smaller);
        }
    }
    return block;
}

// Hands one block to the opened clipboard; true once it holds it.
bool Hand(UINT format, GlobalBlock& block) {
    if (SetClipboardData(format, block.Get()) == nullptr) {
        return false;
    }
    block.Release();  // the clipboard's now
    return true;
}

// What this program last put on the clipboard. A copy promises its texts
// and makes each when someone first asks for it, or before the program
// ends; a cut hands its bytes over at once, as its items are nowhere else
// then (PutOnClipboard).
struct OwnCopy {
    bool held = false;
    bool bytesKept = false;  // a copy's; a cut's are on the clipboard only
    std::string block;       // CF_TEXT's block, its NUL included
    bool textPromised = false;
    bool unicodePromised = false;
    DWORD sequence = 0;  // the clipboard's sequence number as this left it

    // Up to the NUL a reader stops at, should an item hold one.
    std::string_view Text() const { return ClipboardBlockText(block.data(), block.size()); }
};

OwnCopy ownCopy;
// A message-only window owns the clipboard and is asked for what it promised.
HWND ownerWindow = nullptr;

void ForgetOwnCopy() {
    OwnCopy none;
    std::swap(ownCopy, none);
}

// Makes one promised format, for the clipboard that someone holds open.
void MakePromised(UINT format) {
    if (!ownCopy.held) {
        return;
    }
    if (format == CF_TEXT && ownCopy.textPromised) {
        GlobalBlock text = MakeBlock(ownCopy.block.size(), [](void* data) {
            std::memcpy(data, ownCopy.block.data(), ownCopy.block.size());
        });
        ownCopy.textPromised = !(text && Hand(CF_TEXT, text));
    } else if (format == CF_UNICODETEXT && ownCopy.unicodePromised) {
        GlobalBlock unicode = MakeUnicodeBlock(ownCopy.Text());
        ownCopy.unicodePromised = !(unicode && Hand(CF_UNICODETEXT, unicode));
    }
    ownCopy.sequence = GetClipboardSequenceNumber();
}

// Everything promised, while the clipboard is still this window's.
void KeepPromises(HWND window) {
    if (!ownCopy.held || (!ownCopy.textPromised && !ownCopy.unicodePromised)) {
        return;
    }
    ClipboardScope clipboard(window);
    if (clipboard.Opened() && GetClipboardOwner() == window) {
        MakePromised(CF_UNICODETEXT);
        MakePromised(CF_TEXT);
    }
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_RENDERFORMAT:
            MakePromised(static_cast<UINT>(wParam));
            return 0;
        case WM_RENDERALLFORMATS:
            KeepPromises(window);
            return 0;
        case WM_DESTROYCLIPBOARD:
            ForgetOwnCopy();
            return 0;
        case WM_NCDESTROY:
            if (window == ownerWindow) {
                ownerWindow = nullptr;
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The owner window, made on first use; null when it cannot be made.
HWND OwnerWindow() {
    if (ownerWindow == nullptr) {
        constexpr wchar_t kClass[] = L"TesselListClipboardOwner";
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = instance;
        wc.lpszClassName = kClass;
        RegisterClassExW(&wc);  // refused when it is already there
        ownerWindow = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      instance, nullptr);
    }
    return ownerWindow;
}

GlobalBlock MakeLocaleBlock() {
    return MakeBlock(sizeof kTextLocale,
                     [](void* data) { std::memcpy(data, &kTextLocale, sizeof kTextLocale); });
}

// Writes the selection to the clipboard; true once the clipboard holds the
// three formats. A copy keeps its bytes and promises both texts (when there
// is a window to keep the promises). A cut writes its bytes straight into
// the block it hands over at once, with their locale, and keeps no copy: the
// system makes the UTF-16 text of them when it is read, with the code page
// the locale names (932, whatever the system's), so it is there even when
// the program is gone by then; it comes after the two.
bool PutOnClipboard(const ItemList& items, MarkerUse markers, CopyKind kind) {
    const std::size_t size = CopyTextSize(items, markers);
    const HWND owner = OwnerWindow();
    const bool promise = kind == CopyKind::Copy && owner != nullptr;
    std::string block;
    GlobalBlock text;
    if (promise) {
        try {
            block.assign(size, '\0');
        } catch (const std::bad_alloc&) {
            return false;
        }
        WriteCopyText(items, markers, block.data());
    } else {
        text = MakeBlock(
            size, [&](void* data) { WriteCopyText(items, markers, static_cast<char*>(data)); });
    }
    GlobalBlock locale = MakeLocaleBlock();
    if ((!promise && !text) || !locale) {
        return false;
    }
    {
        // Opened without a window, the clipboard would take no data.
        ClipboardScope clipboard(owner != nullptr ? owner : MainFrameHandle);
        if (!clipboard.Opened() || !EmptyClipboard()) {
            return false;
        }
        ownCopy.block = std::move(block);
        ownCopy.held = true;
        ownCopy.bytesKept = promise;
        ownCopy.textPromised = promise;
        ownCopy.unicodePromised = promise;
        if (promise) {
            // The richest first: a reader that takes the first text it
            // knows gets every character. A promise is taken without a
            // handle.
            SetClipboardData(CF_UNICODETEXT, nullptr);
            SetClipboardData(CF_TEXT, nullptr);
        } else if (!Hand(CF_TEXT, text)) {
            return false;
        }
        if (!Hand(CF_LOCALE, locale)) {
            return false;
        }
    }
    ownCopy.sequence = GetClipboardSequenceNumber();
    return true;
}

// One format's text on the opened clipboard, locked for the length of a
// scope; Has() is false when it is not there or cannot be read.
template <typename Unit>
class ClipboardTextScope {
  public:
    explicit ClipboardTextScope(UINT format) : data_(GetClipboardData(format)), lock_(data_) {
        if (lock_.Data() != nullptr) {
            text_ = ClipboardBlockText(static_cast<const Unit*>(lock_.Data()), GlobalSize(data_));
        }
    }
    ClipboardTextScope(const ClipboardTextScope&) = delete;
    ClipboardTextScope& operator=(const ClipboardTextScope&) = delete;

    bool Has() const { return lock_.Data() != nullptr; }
    std::basic_string_view<Unit> Text() const { return text_; }

  private:
    HANDLE data_;
    GlobalLockScope lock_;
    std::basic_string_view<Unit> text_;
};

// Whether bytes read as cp932 are text, read a piece at a time (a few
// lines, ending in a line feed, after which a character always begins), so
// that no copy of the whole text is made.
bool Cp932Spells(std::string_view bytes, std::wstring_view text) {
    constexpr std::size_t kPiece = 16384;
    std::wstring piece(kPiece, L'\0');
    std::size_t read = 0;
    while (!bytes.empty()) {
        std::size_t end = bytes.size();
        if (end > kPiece) {
            end = bytes.rfind('\n', kPiece - 1) + 1;
            if (end == 0) {  // a line longer than a piece
                return WideFromCp932(bytes) == text.substr(std::min(read, text.size()));
            }
        }
        const std::size_t count = WriteWideFromCp932(bytes.substr(0, end), piece.data());
        if (text.substr(std::min(read, text.size()), count) !=
            std::wstring_view(piece.data(), count)) {
            return false;
        }
        read += count;
        bytes.remove_prefix(end);
    }
    return read == text.size();
}

// Whether CF_TEXT's bytes, read as cp932, are the clipboard's UTF-16 text.
// A last lead byte without its partner is dropped here, as the list's line
// rules drop it; but when the system makes UTF-16 of a program's bytes, it
// reads that byte as code page 932's stand-in for what it cannot read (the
// middle dot, U+30FB), which then says no more than the missing byte.
bool SpellTheSameText(std::string_view bytes, std::wstring_view unicode) {
    constexpr wchar_t kUnreadable = L'\u30fb';
    if (Cp932Spells(bytes, unicode)) {
        return true;
    }
    const bool loneLeadAtEnd = !bytes.empty() && IsCp932LeadByte(bytes.back()) &&
                               Cp932Prefix(bytes, bytes.size() - 1).size() == bytes.size() - 1;
    return loneLeadAtEnd && !unicode.empty() && unicode.back() == kUnreadable &&
           Cp932Spells(bytes, unicode.substr(0, unicode.size() - 1));
}

// Which lines (CR LF, CR and LF end one, as the list's line rules say) of
// the clipboard's UTF-16 text have characters cp932 lacks.
std::vector<bool> LinesWithCharactersCp932Lacks(std::wstring_view text) {
    std::vector<bool> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring_view::npos) {
            end = text.size();
        }
        lines.push_back(!Cp932HoldsAll(text.substr(start, end - start)));
        start = end + 1;
        if (end < text.size() && text[end] == L'\r' && start < text.size() &&
            text[start] == L'\n') {
            ++start;
        }
    }
    return lines;
}

// The text to paste, cp932: UTF-16 first, as it has every character
// whatever the code page of the program that put it there. But where
// CF_TEXT read as cp932 says the very same, its bytes are taken: cp932
// spells some characters twice (the NEC and IBM rows), and a copy and
// paste within the list gives back the bytes it took. CF_TEXT is read only
// for those: otherwise it can say the same or less, and every block read is
// handed over whole. converted holds what text shows when it is not the
// clipboard's own; lacked is set when it has "?" for a character. false
// when there is no text.
bool ChoosePasteText(const ClipboardTextScope<wchar_t>& unicode,
                     std::optional<ClipboardTextScope<char>>& bytes, std::string& converted,
                     std::string_view& text, bool& lacked) {
    if (unicode.Has() && Cp932FromWideSpelledOnce(unicode.Text(), converted, lacked)) {
        text = converted;
        return true;
    }
    bytes.emplace(CF_TEXT);
    if (unicode.Has() && (!bytes->Has() || !SpellTheSameText(bytes->Text(), unicode.Text()))) {
        converted = Cp932FromWide(unicode.Text(), lacked);
        text = converted;
        return true;
    }
    text = bytes->Text();
    return bytes->Has();
}

// The clipboard's text handed to the store while the clipboard is open;
// false when there is no text or the clipboard cannot be opened. altered
// is the number of lines that did not go in whole.
bool PasteFromClipboard(int reference, int& altered) {
    // The clipboard still holds this program's own copy or cut: its bytes,
    // as CF_TEXT gives them back; a copy's without reading them through the
    // clipboard. Every line of it goes in whole.
    const bool own =
        ownCopy.held && ownCopy.sequence != 0 && GetClipboardSequenceNumber() == ownCopy.sequence;
    if (own && ownCopy.bytesKept) {
        altered = 0;
        return PasteText(AppStore, ownCopy.Text(), reference, AppSettings.InsertPositionPaste,
                         AppSettings.SeparatorLength) == 1;
    }
    if (!ClipboardHasText()) {
        return false;
    }
    ClipboardScope clipboard(MainFrameHandle);
    if (!clipboard.Opened()) {
        return false;
    }
    if (own) {
        const ClipboardTextScope<char> bytes(CF_TEXT);
        altered = 0;
        return bytes.Has() &&
               PasteText(AppStore, bytes.Text(), reference, AppSettings.InsertPositionPaste,
                         AppSettings.SeparatorLength) == 1;
    }
    const ClipboardTextScope<wchar_t> unicode(CF_UNICODETEXT);
    std::optional<ClipboardTextScope<char>> bytes;
    std::string converted;
    std::string_view text;
    std::vector<bool> replaced;
    try {
        bool lacked = false;
        if (!ChoosePasteText(unicode, bytes, converted, text, lacked)) {
            return false;
        }
        if (lacked) {
            replaced = LinesWithCharactersCp932Lacks(unicode.Text());
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (PasteText(AppStore, text, reference, AppSettings.InsertPositionPaste,
                  AppSettings.SeparatorLength) != 1) {
        return false;
    }
    altered = CountAlteredPasteLines(text, replaced);
    return true;
}

// Said once, right after the paste: the user can still take the text from
// the clipboard into another program.
void TellAlteredPaste(int lines) {
    const std::string text = "貼り付けた " + std::to_string(lines) +
                             " 行は、そのままではリストに保存できないため、\n"
                             "保存できない文字を「?」に置き換えるか、" +
                             std::to_string(kMaxListLineBytes) +
                             " バイトを超える部分を切り詰めました。\n\n"
                             "元のテキストはクリップボードに残っています。";
    MessageBoxW(MainFrameHandle, WideFromCp932(text).c_str(), WideFromCp932(kProgramTitle).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

}  // namespace

int CopyItems(CopyKind kind, CopyMarkers markers) {
    if (AppStore.currentItems == nullptr || AppStore.itemCount <= 0) {
        return 1;
    }
    if (!PutOnClipboard(*AppStore.currentItems, ToMarkerUse(markers), kind)) {
        return 0;
    }
    if (kind == CopyKind::Cut) {
        DeleteItems();
    }
    return 1;
}

int PasteItems(int reference) {
    int altered = 0;
    if (AppStore.currentItems == nullptr || !PasteFromClipboard(reference, altered)) {
        return 0;
    }
    UpdateListScroll(1);
    InvalidateListPane();
    if (altered > 0) {
        TellAlteredPaste(altered);
    }
    return 1;
}

void HandOverClipboard() {
    if (ownerWindow != nullptr) {
        KeepPromises(ownerWindow);
        DestroyWindow(ownerWindow);
    }
}

bool ClipboardHasText() {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE ||
           IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

}  // namespace tessel
