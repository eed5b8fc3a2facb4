// Clipboard text reader: any text must paste without a fault into a small
// list, leaving the focus on a row that exists, and the items read must
// survive being copied (with markers) and read again. The first byte
// chooses the separator length, the second the "InsertPosition" digit and
// the focus row; the rest is the clipboard text, and also the clipboard
// block it came in, read both as cp932 bytes and as UTF-16 units: its text
// must end at the first NUL or the block's end, never past it. (UTF-16 is
// made cp932 by the system, with "?" for what cp932 lacks; what comes of
// it is bytes like any other, and the seeds hold such texts.) The count of
// lines a paste could not keep whole stays within the lines there are.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "clipboard/clipboard_text.h"
#include "storage/list_line.h"

namespace {

using tessel::Item;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckRoundTrip(const std::vector<Item>& items, int separatorLength) {
    std::string text(tessel::CopyTextSize(items, tessel::MarkerUse::With), '\0');
    tessel::WriteCopyText(items, tessel::MarkerUse::With, text.data());
    text.pop_back();
    std::vector<Item> again;
    Check(tessel::ParseClipboardItems(text, separatorLength, again));
    Check(again.size() == items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& p = items[i];
        const Item& q = again[i];
        Check(p.indent >= 0 && p.indent <= tessel::kMaxIndent && p.indent == q.indent);
        Check(q.selected && p.text.size() <= tessel::kMaxTextBytes);
        if (p.state == tessel::ItemState::Separator) {
            // Rebuilt from the separator length, whatever was cut; with no
            // dashes (length 0) nothing is left to know it by.
            Check(q.text == p.text);
            Check(q.state == p.state || p.text.empty());
        } else {
            Check(q.text == p.text && q.state == p.state);
        }
    }
}

// The block's text is its start, as long as it may be: up to its first NUL,
// else the whole block (a half unit at the end is none).
template <typename Unit>
void CheckBlock(const Unit* data, std::size_t blockBytes) {
    const std::basic_string_view<Unit> text = tessel::ClipboardBlockText(data, blockBytes);
    const std::size_t units = blockBytes / sizeof(Unit);
    Check(text.data() == data && text.size() <= units);
    Check(text.find(Unit{}) == std::basic_string_view<Unit>::npos);
    Check(text.size() == units || data[text.size()] == Unit{});
}

void CheckPaste(std::string_view text, int separatorLength, int digit, int reference,
                std::size_t expectedItems) {
    tessel::Category category;
    category.name = "c";
    for (const char* word : {"a", "b", "c"}) {
        category.items.push_back(Item{word});
    }
    tessel::ListStore store;
    store.InsertCategory(std::move(category), 0);
    store.categoryCount = 1;
    store.currentCategory = 0;
    store.currentItems = store.FindCategoryItems(0);
    store.itemCount = 3;
    Check(tessel::PasteText(store, text, reference, digit, separatorLength) == 1);
    const auto count = static_cast<std::size_t>(store.itemCount);
    Check(count == store.currentItems->size() && count == 3 + expectedItems);
    Check(store.focusIndex >= 0 && static_cast<std::size_t>(store.focusIndex) < count);
    Check(store.anchorIndex == store.focusIndex);
    std::size_t selected = 0;
    for (const Item& item : *store.currentItems) {
        selected += item.selected ? 1 : 0;
    }
    Check(selected == (expectedItems > 0 ? expectedItems : 1));
    Check((*store.currentItems)[static_cast<std::size_t>(store.focusIndex)].selected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const int separatorLength = data[0];
    const int digit = data[1] % 5;
    const int reference = data[1] / 5 % 6 - 1;  // -1 .. 4, past the list too
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);

    // libFuzzer's copy of the input is an allocation of exactly its size,
    // so that a read past the block is caught; two bytes in, it is aligned
    // for 16-bit units.
    if (size > 2) {
        CheckBlock(text.data(), text.size());
        CheckBlock(reinterpret_cast<const char16_t*>(data + 2), text.size());
    }

    std::vector<Item> items;
    Check(tessel::ParseClipboardItems(text, separatorLength, items));
    CheckRoundTrip(items, separatorLength);
    CheckPaste(text, separatorLength, digit, reference, items.size());

    // The lines a paste tells of: each at most once, every line when all of
    // them had characters replaced.
    const int altered = tessel::CountAlteredPasteLines(text, {});
    const int every =
        tessel::CountAlteredPasteLines(text, std::vector<bool>(text.size() + 1, true));
    Check(altered >= 0 && altered <= every);
    Check(static_cast<std::size_t>(every) >= items.size() &&
          static_cast<std::size_t>(every) <= text.size());
    return 0;
}
