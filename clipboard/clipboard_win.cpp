#include "clipboard/clipboard_win.h"

#include <cstring>
#include <new>
#include <string>
#include <string_view>
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
    GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    GlobalLockScope lock(block.Get());
    if (lock.Data() == nullptr) {
        return GlobalBlock();
    }
    fill(lock.Data());
    return block;
}

// What a copy puts on the clipboard: the cp932 text, the same as UTF-16, and
// the locale that names the code page of the first.
struct CopyBlocks {
    GlobalBlock text;
    GlobalBlock unicode;
    GlobalBlock locale;
};

bool MakeCopyBlocks(const ItemList& items, MarkerUse markers, CopyBlocks& out) {
    const std::size_t size = CopyTextSize(items, markers);
    out.text = MakeBlock(
        size, [&](void* data) { WriteCopyText(items, markers, static_cast<char*>(data)); });
    if (!out.text) {
        return false;
    }
    std::wstring unicode;
    {
        GlobalLockScope lock(out.text.Get());
        if (lock.Data() == nullptr) {
            return false;
        }
        try {
            // Up to the NUL a reader stops at, should an item hold one.
            unicode =
                WideFromCp932(ClipboardBlockText(static_cast<const char*>(lock.Data()), size));
        } catch (const std::bad_alloc&) {
            return false;
        }
    }
    out.unicode = MakeBlock((unicode.size() + 1) * sizeof(wchar_t), [&](void* data) {
        std::memcpy(data, unicode.c_str(), (unicode.size() + 1) * sizeof(wchar_t));
    });
    out.locale = MakeBlock(sizeof kTextLocale,
                           [](void* data) { std::memcpy(data, &kTextLocale, sizeof kTextLocale); });
    return out.unicode && out.locale;
}

// Hands one block to the opened clipboard; true once it holds it.
bool Hand(UINT format, GlobalBlock& block) {
    if (SetClipboardData(format, block.Get()) == nullptr) {
        return false;
    }
    block.Release();  // the clipboard's now
    return true;
}

// Writes the selection to the clipboard; true once it holds all three.
bool PutOnClipboard(const ItemList& items, MarkerUse markers) {
    CopyBlocks blocks;
    if (!MakeCopyBlocks(items, markers, blocks)) {
        return false;
    }
    ClipboardScope clipboard(MainFrameHandle);
    if (!clipboard.Opened() || !EmptyClipboard()) {
        return false;
    }
    // The richest first: a reader that takes the first text it knows gets
    // every character.
    return Hand(CF_UNICODETEXT, blocks.unicode) && Hand(CF_TEXT, blocks.text) &&
           Hand(CF_LOCALE, blocks.locale);
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

// Whether CF_TEXT's bytes, read as cp932, are the clipboard's UTF-16 text.
// A last lead byte without its partner is dropped here, as the list's line
// rules drop it; but when the system makes UTF-16 of a program's bytes, it
// reads that byte as code page 932's stand-in for what it cannot read (the
// middle dot, U+30FB), which then says no more than the missing byte.
bool SpellTheSameText(std::string_view bytes, std::wstring_view unicode) {
    constexpr wchar_t kUnreadable = L'\u30fb';
    const std::wstring wide = WideFromCp932(bytes);
    if (wide == unicode) {
        return true;
    }
    const bool loneLeadAtEnd = !bytes.empty() && IsCp932LeadByte(bytes.back()) &&
                               Cp932Prefix(bytes, bytes.size() - 1).size() == bytes.size() - 1;
    return loneLeadAtEnd && unicode.size() == wide.size() + 1 &&
           unicode.substr(0, wide.size()) == wide && unicode.back() == kUnreadable;
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
// paste within the list gives back the bytes it took. converted holds what
// text shows when it is not the clipboard's own, and replaced marks the
// lines where it has "?" for a character. false when there is no text or
// memory ran out.
bool ChoosePasteText(const ClipboardTextScope<wchar_t>& unicode,
                     const ClipboardTextScope<char>& bytes, std::string& converted,
                     std::string_view& text, std::vector<bool>& replaced) {
    try {
        if (unicode.Has() && (!bytes.Has() || !SpellTheSameText(bytes.Text(), unicode.Text()))) {
            converted = Cp932FromWide(unicode.Text());
            text = converted;
            if (!Cp932HoldsAll(unicode.Text())) {
                replaced = LinesWithCharactersCp932Lacks(unicode.Text());
            }
            return true;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    text = bytes.Text();
    return bytes.Has();
}

// The clipboard's text handed to the store while the clipboard is open;
// false when there is no text or the clipboard cannot be opened. altered
// is the number of lines that did not go in whole.
bool PasteFromClipboard(int reference, int& altered) {
    if (!ClipboardHasText()) {
        return false;
    }
    ClipboardScope clipboard(MainFrameHandle);
    if (!clipboard.Opened()) {
        return false;
    }
    const ClipboardTextScope<wchar_t> unicode(CF_UNICODETEXT);
    const ClipboardTextScope<char> bytes(CF_TEXT);
    std::string converted;
    std::string_view text;
    std::vector<bool> replaced;
    if (!ChoosePasteText(unicode, bytes, converted, text, replaced)) {
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
    if (!PutOnClipboard(*AppStore.currentItems, ToMarkerUse(markers))) {
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

bool ClipboardHasText() {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE ||
           IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

}  // namespace tessel
