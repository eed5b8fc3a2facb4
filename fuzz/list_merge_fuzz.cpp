// The merge of two lists from their base: any three lists must merge
// without a fault, and the merge must keep its promises:
//  - every item of ours and of theirs that the other side did not delete is
//    in the result, counted per text, so a dropped duplicate shows (see
//    CheckKeepsWhatWasNotDeleted for what "did not delete" can mean);
//  - the result holds no name, text, state or indent that none of the
//    three had;
//  - merge(b, b, t) = t, merge(b, o, b) = o and merge(b, x, x) = x;
//  - the result writes and reads back to itself;
//  - the union of ours and theirs holds every line of each;
//  - of base, ours and theirs, theirs is the base nearest to theirs.
// The input is the three files, base, ours and theirs, split at 0xFF bytes
// (a byte no cp932 text holds).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <tuple>

#include "storage/list_file_format.h"
#include "storage/list_merge.h"

namespace {

using tessel::CategoryInfo;
using tessel::Item;
using tessel::ItemState;
using tessel::ListStore;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::unique_ptr<ListStore> Parse(std::string_view bytes) {
    auto store = std::make_unique<ListStore>();
    Check(tessel::ParseListFile(bytes, *store, 4, 5, nullptr) == 1);
    return store;
}

// Every separator counts as one text.
std::string KeyOf(const Item& item) {
    return item.state == ItemState::Separator ? std::string("\n") : item.text.str();
}

template <class Visit>
void ForEachItem(const ListStore& store, Visit visit) {
    CategoryInfo info;
    for (int i = 0; store.GetCategory(i, info); ++i) {
        for (const Item& item : *info.items) {
            visit(item);
        }
    }
}

std::map<std::string, int> CountTexts(const ListStore& store) {
    std::map<std::string, int> counts;
    ForEachItem(store, [&counts](const Item& item) { ++counts[KeyOf(item)]; });
    return counts;
}

using WholeLine = std::tuple<std::string, ItemState, int>;

std::map<WholeLine, int> CountLines(const ListStore& store) {
    std::map<WholeLine, int> counts;
    ForEachItem(store, [&counts](const Item& item) {
        ++counts[{KeyOf(item), item.state, item.indent}];
    });
    return counts;
}

int CountOf(const std::map<std::string, int>& counts, const std::string& key) {
    const auto it = counts.find(key);
    return it == counts.end() ? 0 : it->second;
}

// The other side may have taken out every copy of a text that the base
// held: one it took out may stand for one it put in elsewhere, and one put
// in by both sides at one place is kept once. Every copy beyond the base's
// is certain to stay, on each side, duplicates included.
void CheckKeepsWhatWasNotDeleted(const ListStore& base, const ListStore& ours,
                                 const ListStore& theirs, const ListStore& merged) {
    const auto b = CountTexts(base);
    const auto m = CountTexts(merged);
    for (const ListStore* side : {&ours, &theirs}) {
        for (const auto& [key, count] : CountTexts(*side)) {
            Check(CountOf(m, key) >= count - CountOf(b, key));
        }
    }
}

void CheckHoldsNothingNew(const ListStore& base, const ListStore& ours, const ListStore& theirs,
                          const ListStore& merged) {
    std::set<std::string> names;
    std::set<std::string> texts;
    std::set<ItemState> states;
    std::set<int> indents;
    for (const ListStore* store : {&base, &ours, &theirs}) {
        CategoryInfo info;
        for (int i = 0; store->GetCategory(i, info); ++i) {
            names.insert(info.name);
        }
        ForEachItem(*store, [&](const Item& item) {
            texts.insert(item.text.str());
            states.insert(item.state);
            indents.insert(item.indent);
        });
    }
    CategoryInfo info;
    for (int i = 0; merged.GetCategory(i, info); ++i) {
        Check(names.count(info.name) == 1);
    }
    ForEachItem(merged, [&](const Item& item) {
        Check(texts.count(item.text.str()) == 1 && states.count(item.state) == 1 &&
              indents.count(item.indent) == 1);
    });
}

void CheckIsOneSide(const ListStore& base, const ListStore& ours, const ListStore& theirs,
                    const ListStore& expected) {
    const tessel::ListMerge merge = tessel::MergeLists(base, ours, theirs);
    const std::string written = tessel::FormatListFile(merge.list);
    Check(written == tessel::FormatListFile(expected));
    Check(merge.conflicts == 0);
    Check(merge.differsFromTheirs == (written != tessel::FormatListFile(theirs)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t first = std::min(input.find('\xFF'), input.size());
    const std::size_t second = std::min(input.find('\xFF', std::min(first + 1, size)), size);
    const auto base = Parse(input.substr(0, first));
    const auto ours =
        Parse(input.substr(std::min(first + 1, size), second - std::min(first + 1, size)));
    const auto theirs = Parse(input.substr(std::min(second + 1, size)));

    const tessel::ListMerge merge = tessel::MergeLists(*base, *ours, *theirs);
    Check(merge.list.categoryCount == merge.list.CountCategories());
    Check(merge.oursCategory.size() == static_cast<std::size_t>(merge.list.categoryCount));
    CheckKeepsWhatWasNotDeleted(*base, *ours, *theirs, merge.list);
    CheckHoldsNothingNew(*base, *ours, *theirs, merge.list);
    const std::string written = tessel::FormatListFile(merge.list);
    Check(merge.differsFromTheirs == (written != tessel::FormatListFile(*theirs)));
    Check(tessel::FormatListFile(*Parse(written)) == written);

    CheckIsOneSide(*base, *base, *theirs, *theirs);
    CheckIsOneSide(*base, *ours, *base, *ours);
    CheckIsOneSide(*base, *ours, *ours, *ours);

    const tessel::ListMerge both = tessel::UnionLists(*ours, *theirs);
    const auto lines = CountLines(both.list);
    for (const ListStore* side : {ours.get(), theirs.get()}) {
        for (const auto& [line, count] : CountLines(*side)) {
            const auto it = lines.find(line);
            Check(it != lines.end() && it->second >= count);
        }
    }
    Check(tessel::FormatListFile(*Parse(tessel::FormatListFile(both.list))) ==
          tessel::FormatListFile(both.list));

    Check(tessel::CountChangedLines(*theirs, *theirs) == 0);
    Check(tessel::ChooseMergeBase({base.get(), ours.get(), theirs.get()}, *theirs) == 2);
    return 0;
}
