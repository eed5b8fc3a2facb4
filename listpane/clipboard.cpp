#include "listpane/clipboard.h"

#include <cstring>
#include <string_view>

#include "listpane/clipboard_owners.h"
#include "listpane/clipboard_text.h"
#include "listpane/item_commands.h"
#include "listpane/list_pane.h"
#include "process/app_state.h"

namespace tessel {
namespace {

MarkerUse ToMarkerUse(CopyMarkers markers) {
    return markers == CopyMarkers::With ? MarkerUse::With : MarkerUse::TextOnly;
}

// The selection's text as a movable block, or an empty owner.
GlobalBlock MakeCopyBlock(const ItemList& items, MarkerUse markers) {
    const std::size_t size = CopyTextSize(items, markers);
    GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    GlobalLockScope lock(block.Get());
    if (lock.Data() == nullptr) {
        return GlobalBlock();
    }
    WriteCopyText(items, markers, static_cast<char*>(lock.Data()));
    return block;
}

// Writes the selection to the opened clipboard; true once it holds it.
bool PutOnClipboard(const ItemList& items, MarkerUse markers) {
    ClipboardScope clipboard(MainFrameHandle);
    if (!clipboard.Opened() || !EmptyClipboard()) {
        return false;
    }
    GlobalBlock block = MakeCopyBlock(items, markers);
    if (!block || SetClipboardData(CF_TEXT, block.Get()) == nullptr) {
        return false;
    }
    block.Release();  // the clipboard's now
    return true;
}

// The clipboard's text handed to the store while the clipboard is open;
// false when there is no text or the clipboard cannot be opened.
bool PasteFromClipboard(int reference) {
    if (!ClipboardHasText()) {
        return false;
    }
    ClipboardScope clipboard(MainFrameHandle);
    if (!clipboard.Opened()) {
        return false;
    }
    HANDLE text = GetClipboardData(CF_TEXT);
    GlobalLockScope lock(text);
    if (lock.Data() == nullptr) {
        return false;
    }
    // Never read past the block, even when another program left out the NUL.
    const auto* data = static_cast<const char*>(lock.Data());
    const SIZE_T blockSize = GlobalSize(text);
    const std::size_t length = blockSize > 0 ? strnlen(data, blockSize) : std::strlen(data);
    return PasteText(AppStore, std::string_view(data, length), reference,
                     AppSettings.InsertPositionPaste, AppSettings.SeparatorLength) == 1;
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
    if (AppStore.currentItems == nullptr || !PasteFromClipboard(reference)) {
        return 0;
    }
    UpdateListScroll(1);
    InvalidateListPane();
    return 1;
}

bool ClipboardHasText() {
    return IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

}  // namespace tessel
