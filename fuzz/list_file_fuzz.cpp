// list.txt reader: any bytes must load without a fault, and what is loaded
// must survive writing and reading back unchanged:
//   parse(bytes) = A;  format(A) = F;  parse(F) = A;  format(parse(F)) = F;
// and what the writer wrote reads back without dropping a byte of it.
// The first byte chooses the separator length (1..255, where a separator
// keeps its kind); the rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "storage/list_file_format.h"

namespace {

using tessel::CategoryInfo;
using tessel::ListStore;

int Measure(std::string_view name) {
    return static_cast<int>(name.size()) * 3;
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckSameStore(const ListStore& a, const ListStore& b) {
    Check(a.CountCategories() == b.CountCategories());
    Check(a.categoryCount == b.categoryCount && a.currentCategory == b.currentCategory);
    Check(a.itemCount == b.itemCount && a.focusIndex == b.focusIndex);
    Check(a.totalTabWidth == b.totalTabWidth);
    CategoryInfo x;
    CategoryInfo y;
    for (int i = 0; a.GetCategory(i, x); ++i) {
        Check(b.GetCategory(i, y) == 1);
        Check(x.name == y.name && x.nameWidth == y.nameWidth);
        Check(!x.name.empty() && x.name.size() <= tessel::kMaxTextBytes);
        Check(x.items->size() == y.items->size());
        for (std::size_t j = 0; j < x.items->size(); ++j) {
            const tessel::Item& p = (*x.items)[j];
            const tessel::Item& q = (*y.items)[j];
            Check(p.text == q.text && p.state == q.state && p.indent == q.indent &&
                  p.selected == q.selected);
            Check(p.indent >= 0 && p.indent <= tessel::kMaxIndent);
            // A text fits its line behind the marker; a separator is rebuilt
            // from the separator length instead.
            Check(p.text.size() <= (p.state == tessel::ItemState::Separator
                                        ? tessel::kMaxTextBytes
                                        : tessel::kMaxTextBytes));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int separatorLength = data[0] == 0 ? 40 : data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::int32_t categoryIndex = static_cast<std::int32_t>(size % 7) - 2;

    ListStore first;
    first.currentCategory = categoryIndex;
    Check(tessel::ParseListFile(bytes, first, separatorLength, 5, Measure) == 1);
    const std::string written = tessel::FormatListFile(first);

    ListStore second;
    second.currentCategory = categoryIndex;
    bool dropped = true;
    Check(tessel::ParseListFile(written, second, separatorLength, 5, Measure, &dropped) == 1);
    Check(!dropped);
    CheckSameStore(first, second);
    Check(tessel::FormatListFile(second) == written);
    return 0;
}
