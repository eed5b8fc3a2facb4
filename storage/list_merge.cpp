#include "storage/list_merge.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <numeric>
#include <string>
#include <unordered_map>
#include <utility>

#include "storage/sequence_diff.h"

namespace tessel {

namespace {

// Every separator is one identity, whatever its length; no item text holds
// a line end, so this stands for none.
constexpr std::string_view kSeparatorKey = "\n";

bool IsSeparator(const Item& item) {
    return item.state == ItemState::Separator || IsSeparatorText(item.text);
}

std::string_view KeyOf(const Item& item) {
    return IsSeparator(item) ? kSeparatorKey : item.text.view();
}

ItemState StateOf(const Item& item) {
    return IsSeparator(item) ? ItemState::Separator : item.state;
}

// An item as a line of the file, separators compared as separators.
bool SameLine(const Item& a, const Item& b) {
    return KeyOf(a) == KeyOf(b) && StateOf(a) == StateOf(b) && a.indent == b.indent;
}

bool SameBytes(const Item& a, const Item& b) {
    return a.text == b.text && a.state == b.state && a.indent == b.indent;
}

// One element of a line diff: an item's identity or whole line, or a
// category's name in a diff over the whole file.
struct Line {
    std::string_view text;
    ItemState state = ItemState::Normal;
    std::int16_t indent = 0;
    bool category = false;

    bool operator==(const Line& other) const {
        return text == other.text && state == other.state && indent == other.indent &&
               category == other.category;
    }
};

std::uint64_t HashLine(const Line& line) {
    std::uint64_t hash = std::hash<std::string_view>()(line.text);
    hash ^= (static_cast<std::uint64_t>(static_cast<std::uint8_t>(line.state)) << 1) ^
            (static_cast<std::uint64_t>(static_cast<std::uint16_t>(line.indent)) << 9) ^
            (line.category ? 1u : 0u);
    return hash * 0x9E3779B97F4A7C15ull;
}

// The identities of items (text only), or their whole lines.
std::vector<Line> Keys(const ItemList& items) {
    std::vector<Line> keys;
    keys.reserve(items.size());
    for (const Item& item : items) {
        keys.push_back({KeyOf(item)});
    }
    return keys;
}

Line WholeLine(const Item& item) {
    return {KeyOf(item), StateOf(item), item.indent};
}

std::uint64_t HashId(int id) {
    return static_cast<std::uint64_t>(id) * 0x9E3779B97F4A7C15ull;
}

std::vector<DiffPair> Diff(const std::vector<Line>& a, const std::vector<Line>& b) {
    return DiffSequences(a, b, HashLine);
}

// A category of one of the lists as the merge reads it.
struct CategoryView {
    std::string name;
    std::int32_t width = 0;
    const ItemList* items = nullptr;
};

const ItemList kNoItems;

std::vector<CategoryView> ViewOf(const ListStore& store) {
    std::vector<CategoryView> views;
    CategoryInfo info;
    for (int i = 0; store.GetCategory(i, info); ++i) {
        const ItemList* items = info.items ? info.items : &kNoItems;
        views.push_back({std::move(info.name), info.nameWidth, items});
    }
    return views;
}

bool SameItems(const ItemList& a, const ItemList& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameLine);
}

// --- Items -------------------------------------------------------------------

// A replaced block on one side pairs its lines with the base's as changed
// items: one for one when both hold as many, else each base line with the
// next side line that shares at least half of the shorter text at its
// front and back; beyond this many comparisons the block stays unpaired.
constexpr std::size_t kMaxPairingTries = 4096;

bool SimilarTexts(const Item& a, const Item& b) {
    if (IsSeparator(a) || IsSeparator(b)) {
        return false;
    }
    const std::string_view x = a.text.view();
    const std::string_view y = b.text.view();
    const std::size_t shorter = std::min(x.size(), y.size());
    std::size_t front = 0;
    while (front < shorter && x[front] == y[front]) {
        ++front;
    }
    std::size_t back = 0;
    while (front + back < shorter && x[x.size() - 1 - back] == y[y.size() - 1 - back]) {
        ++back;
    }
    return front + back > 0 && 2 * (front + back) >= shorter;
}

// What one side did to the base's items.
struct SideChanges {
    // Per base item: the side's item standing for it (the same or changed),
    // or -1 when the side deleted it.
    std::vector<std::ptrdiff_t> version;
    // The side's new items: (gap, item), gaps ascending; gap g lies in
    // front of base item g, gap base.size() behind the last.
    std::vector<std::pair<std::size_t, std::size_t>> inserted;
};

void PairBlock(const ItemList& base, const ItemList& side, std::size_t baseLow,
               std::size_t baseHigh, std::size_t sideLow, std::size_t sideHigh,
               SideChanges& changes) {
    const std::size_t baseCount = baseHigh - baseLow;
    const std::size_t sideCount = sideHigh - sideLow;
    if (baseCount == sideCount) {
        for (std::size_t i = 0; i < baseCount; ++i) {
            changes.version[baseLow + i] = static_cast<std::ptrdiff_t>(sideLow + i);
        }
        return;
    }
    std::vector<std::ptrdiff_t> pairedWith(sideCount, -1);
    if (baseCount * sideCount <= kMaxPairingTries) {
        std::size_t next = sideLow;
        for (std::size_t i = baseLow; i < baseHigh && next < sideHigh; ++i) {
            for (std::size_t j = next; j < sideHigh; ++j) {
                if (SimilarTexts(base[i], side[j])) {
                    changes.version[i] = static_cast<std::ptrdiff_t>(j);
                    pairedWith[j - sideLow] = static_cast<std::ptrdiff_t>(i);
                    next = j + 1;
                    break;
                }
            }
        }
    }
    std::size_t gap = baseLow;
    for (std::size_t j = sideLow; j < sideHigh; ++j) {
        if (pairedWith[j - sideLow] >= 0) {
            gap = static_cast<std::size_t>(pairedWith[j - sideLow]) + 1;
        } else {
            changes.inserted.emplace_back(gap, j);
        }
    }
}

SideChanges ChangesOf(const ItemList& base, const std::vector<Line>& baseKeys,
                      const ItemList& side) {
    SideChanges changes;
    changes.version.assign(base.size(), -1);
    std::vector<DiffPair> pairs = Diff(baseKeys, Keys(side));
    pairs.push_back({base.size(), side.size()});  // the end closes the last block
    std::size_t baseNext = 0;
    std::size_t sideNext = 0;
    for (const DiffPair& pair : pairs) {
        PairBlock(base, side, baseNext, pair.a, sideNext, pair.b, changes);
        if (pair.a < base.size()) {
            changes.version[pair.a] = static_cast<std::ptrdiff_t>(pair.b);
        }
        baseNext = pair.a + 1;
        sideNext = pair.b + 1;
    }
    return changes;
}

// Two sequences put at one place by both sides, as one: what both hold
// once (theirs' copy), the rest ours first at each difference. pairs are
// what the two hold in common.
template <class Ours, class Theirs>
void Interleave(std::vector<DiffPair> pairs, std::size_t ourCount, std::size_t theirCount,
                const Ours& takeOurs, const Theirs& takeTheirs) {
    pairs.push_back({ourCount, theirCount});  // the end closes the last difference
    std::size_t i = 0;
    std::size_t j = 0;
    for (const DiffPair& pair : pairs) {
        for (; i < pair.a; ++i) {
            takeOurs(i);
        }
        for (; j < pair.b; ++j) {
            takeTheirs(j);
        }
        if (pair.a < ourCount) {
            takeTheirs(pair.b);
            i = pair.a + 1;
            j = pair.b + 1;
        }
    }
}

// Both sides' new items at one place, compared line by line.
void MergeInsertions(const ItemList& ours, const std::vector<std::size_t>& ourNew,
                     const ItemList& theirs, const std::vector<std::size_t>& theirNew,
                     ItemList& out) {
    std::vector<Line> a;
    std::vector<Line> b;
    for (std::size_t i : ourNew) {
        a.push_back(WholeLine(ours[i]));
    }
    for (std::size_t j : theirNew) {
        b.push_back(WholeLine(theirs[j]));
    }
    Interleave(
        a.empty() || b.empty() ? std::vector<DiffPair>() : Diff(a, b), a.size(), b.size(),
        [&](std::size_t i) { out.push_back(ours[ourNew[i]]); },
        [&](std::size_t j) { out.push_back(theirs[theirNew[j]]); });
}

// Which side a field is taken from: the one that changed it, theirs when
// neither did or both alike; Conflict when both changed it differently.
enum class Take { Ours, Theirs, Conflict };

Take TakeField(bool oursKept, bool theirsKept, bool bothAlike) {
    if (oursKept || bothAlike) {
        return Take::Theirs;
    }
    return theirsKept ? Take::Ours : Take::Conflict;
}

// One base item and what each side made of it (null: deleted).
void MergeItem(const Item& base, const Item* ours, const Item* theirs, ItemList& out,
               int& conflicts) {
    if (ours == nullptr || theirs == nullptr) {
        const Item* kept = ours ? ours : theirs;
        if (kept != nullptr && !SameLine(*kept, base)) {
            out.push_back(*kept);  // deleted on one side, changed on the other
        }
        return;
    }
    // Most items are untouched on one side at least.
    if (SameBytes(*ours, base)) {
        out.push_back(*theirs);
        return;
    }
    if (SameBytes(*theirs, base) && ours->state != ItemState::Separator) {
        out.push_back(*ours);
        return;
    }
    const Take text = TakeField(KeyOf(*ours) == KeyOf(base), KeyOf(*theirs) == KeyOf(base),
                                KeyOf(*ours) == KeyOf(*theirs));
    const Take state = TakeField(StateOf(*ours) == StateOf(base), StateOf(*theirs) == StateOf(base),
                                 StateOf(*ours) == StateOf(*theirs));
    const Take indent = TakeField(ours->indent == base.indent, theirs->indent == base.indent,
                                  ours->indent == theirs->indent);
    if (text == Take::Conflict || state == Take::Conflict || indent == Take::Conflict) {
        out.push_back(*ours);
        out.push_back(*theirs);
        ++conflicts;
        return;
    }
    const auto from = [&](Take take) -> const Item& {
        return take == Take::Ours ? *ours : *theirs;
    };
    Item merged(from(text).text, StateOf(from(state)), from(indent).indent);
    if (KeyOf(merged) == kSeparatorKey) {
        merged.state = ItemState::Separator;
    }
    out.push_back(std::move(merged));
}

void MergeItems(const ItemList& base, const ItemList& ours, const ItemList& theirs, ItemList& out,
                int& conflicts) {
    const std::vector<Line> baseKeys = Keys(base);
    const SideChanges ourChanges = ChangesOf(base, baseKeys, ours);
    const SideChanges theirChanges = ChangesOf(base, baseKeys, theirs);
    out.reserve(std::max(ours.size(), theirs.size()));
    std::size_t nextOurs = 0;
    std::size_t nextTheirs = 0;
    std::vector<std::size_t> ourNew;
    std::vector<std::size_t> theirNew;
    for (std::size_t gap = 0; gap <= base.size(); ++gap) {
        ourNew.clear();
        theirNew.clear();
        for (; nextOurs < ourChanges.inserted.size() && ourChanges.inserted[nextOurs].first == gap;
             ++nextOurs) {
            ourNew.push_back(ourChanges.inserted[nextOurs].second);
        }
        for (; nextTheirs < theirChanges.inserted.size() &&
               theirChanges.inserted[nextTheirs].first == gap;
             ++nextTheirs) {
            theirNew.push_back(theirChanges.inserted[nextTheirs].second);
        }
        if (!ourNew.empty() || !theirNew.empty()) {
            MergeInsertions(ours, ourNew, theirs, theirNew, out);
        }
        if (gap < base.size()) {
            const std::ptrdiff_t o = ourChanges.version[gap];
            const std::ptrdiff_t t = theirChanges.version[gap];
            MergeItem(base[gap], o >= 0 ? &ours[static_cast<std::size_t>(o)] : nullptr,
                      t >= 0 ? &theirs[static_cast<std::size_t>(t)] : nullptr, out, conflicts);
        }
    }
}

// --- Categories --------------------------------------------------------------

// One category as it stands on each side: positions, -1 where a side has
// none (deleted there, or new on the others).
struct Match {
    int base = -1;
    int ours = -1;
    int theirs = -1;
};

// A renamed category is recognised by its items when at least half of the
// larger one's still match; beyond this many tries the rest count as new.
constexpr int kMaxRenameTries = 256;

bool ItemsStillMatch(const ItemList& a, const ItemList& b) {
    if (a.empty() || b.empty()) {
        return a.empty() && b.empty();
    }
    const std::size_t larger = std::max(a.size(), b.size());
    if (2 * std::min(a.size(), b.size()) < larger) {
        return false;
    }
    return 2 * Diff(Keys(a), Keys(b)).size() >= larger;
}

// sideOf[base position] = the side's matching position, or -1.
std::vector<int> MatchCategories(const std::vector<CategoryView>& base,
                                 const std::vector<CategoryView>& side) {
    std::vector<int> sideOf(base.size(), -1);
    std::vector<bool> taken(side.size(), false);
    // The n-th category of a name with the n-th of that name.
    std::unordered_map<std::string_view, std::vector<int>> byName;
    for (int i = static_cast<int>(base.size()) - 1; i >= 0; --i) {
        byName[base[static_cast<std::size_t>(i)].name].push_back(i);
    }
    for (std::size_t j = 0; j < side.size(); ++j) {
        auto it = byName.find(side[j].name);
        if (it != byName.end() && !it->second.empty()) {
            sideOf[static_cast<std::size_t>(it->second.back())] = static_cast<int>(j);
            it->second.pop_back();
            taken[j] = true;
        }
    }
    // Renamed ones, by their items, in order.
    int tries = 0;
    std::size_t from = 0;
    for (std::size_t i = 0; i < base.size() && tries < kMaxRenameTries; ++i) {
        if (sideOf[i] >= 0) {
            continue;
        }
        for (std::size_t j = from; j < side.size() && tries < kMaxRenameTries; ++j) {
            if (taken[j]) {
                continue;
            }
            ++tries;
            if (ItemsStillMatch(*base[i].items, *side[j].items)) {
                sideOf[i] = static_cast<int>(j);
                taken[j] = true;
                from = j + 1;
                break;
            }
        }
    }
    return sideOf;
}

class ListMerger {
  public:
    ListMerger(const ListStore& base, const ListStore& ours, const ListStore& theirs)
        : base_(ViewOf(base)), ours_(ViewOf(ours)), theirs_(ViewOf(theirs)) {}

    ListMerge Run() {
        MatchAll();
        for (int id : Order()) {
            Emit(matches_[static_cast<std::size_t>(id)]);
        }
        result_.list.categoryCount = result_.list.CountCategories();
        result_.differsFromTheirs = !SameAsTheirs();
        return std::move(result_);
    }

  private:
    void MatchAll() {
        const std::vector<int> oursOf = MatchCategories(base_, ours_);
        const std::vector<int> theirsOf = MatchCategories(base_, theirs_);
        idOfOurs_.assign(ours_.size(), -1);
        idOfTheirs_.assign(theirs_.size(), -1);
        for (std::size_t i = 0; i < base_.size(); ++i) {
            matches_.push_back({static_cast<int>(i), oursOf[i], theirsOf[i]});
            if (oursOf[i] >= 0) {
                idOfOurs_[static_cast<std::size_t>(oursOf[i])] = static_cast<int>(i);
            }
            if (theirsOf[i] >= 0) {
                idOfTheirs_[static_cast<std::size_t>(theirsOf[i])] = static_cast<int>(i);
            }
        }
        // New on both sides under one name: one category.
        std::unordered_map<std::string_view, std::vector<int>> newOfTheirs;
        for (int j = static_cast<int>(theirs_.size()) - 1; j >= 0; --j) {
            if (idOfTheirs_[static_cast<std::size_t>(j)] < 0) {
                newOfTheirs[theirs_[static_cast<std::size_t>(j)].name].push_back(j);
            }
        }
        for (std::size_t i = 0; i < ours_.size(); ++i) {
            if (idOfOurs_[i] >= 0) {
                continue;
            }
            Match match{-1, static_cast<int>(i), -1};
            auto it = newOfTheirs.find(ours_[i].name);
            if (it != newOfTheirs.end() && !it->second.empty()) {
                match.theirs = it->second.back();
                it->second.pop_back();
                idOfTheirs_[static_cast<std::size_t>(match.theirs)] =
                    static_cast<int>(matches_.size());
            }
            idOfOurs_[i] = static_cast<int>(matches_.size());
            matches_.push_back(match);
        }
        for (std::size_t j = 0; j < theirs_.size(); ++j) {
            if (idOfTheirs_[j] < 0) {
                idOfTheirs_[j] = static_cast<int>(matches_.size());
                matches_.push_back({-1, -1, static_cast<int>(j)});
            }
        }
    }

    // What one side did to the order: the categories it keeps in the base's
    // order stay; the ones it moved or added stand in the gap behind the
    // last of those before them.
    struct SideOrder {
        std::vector<bool> inPlace;                        // per match
        std::vector<std::pair<std::size_t, int>> placed;  // (gap, match), gaps ascending
    };

    SideOrder OrderOf(const std::vector<int>& idOfSide) const {
        SideOrder order;
        order.inPlace.assign(matches_.size(), false);
        std::vector<int> baseIds(base_.size());
        std::iota(baseIds.begin(), baseIds.end(), 0);
        std::vector<bool> sideInPlace(idOfSide.size(), false);
        for (const DiffPair& pair : DiffSequences(baseIds, idOfSide, HashId)) {
            order.inPlace[pair.a] = true;
            sideInPlace[pair.b] = true;
        }
        std::size_t gap = 0;
        for (std::size_t j = 0; j < idOfSide.size(); ++j) {
            const int id = idOfSide[j];
            if (sideInPlace[j]) {
                gap = static_cast<std::size_t>(matches_[static_cast<std::size_t>(id)].base) + 1;
            } else {
                order.placed.emplace_back(gap, id);
            }
        }
        return order;
    }

    // Every match once, in the merged order.
    std::vector<int> Order() const {
        const SideOrder ours = OrderOf(idOfOurs_);
        const SideOrder theirs = OrderOf(idOfTheirs_);
        std::vector<int> order;
        std::vector<bool> placed(matches_.size(), false);
        const auto place = [&](int id) {
            if (!placed[static_cast<std::size_t>(id)]) {
                placed[static_cast<std::size_t>(id)] = true;
                order.push_back(id);
            }
        };
        std::size_t nextOurs = 0;
        std::size_t nextTheirs = 0;
        for (std::size_t gap = 0; gap <= base_.size(); ++gap) {
            std::vector<int> ourIds;
            std::vector<int> theirIds;
            for (; nextOurs < ours.placed.size() && ours.placed[nextOurs].first == gap;
                 ++nextOurs) {
                ourIds.push_back(ours.placed[nextOurs].second);
            }
            for (; nextTheirs < theirs.placed.size() && theirs.placed[nextTheirs].first == gap;
                 ++nextTheirs) {
                theirIds.push_back(theirs.placed[nextTheirs].second);
            }
            MergeIds(ourIds, theirIds, place);
            if (gap < base_.size()) {
                const Match& match = matches_[gap];
                const bool movedByOurs = match.ours >= 0 && !ours.inPlace[gap];
                const bool movedByTheirs = match.theirs >= 0 && !theirs.inPlace[gap];
                if (!movedByOurs && !movedByTheirs) {
                    place(static_cast<int>(gap));
                }
            }
        }
        return order;
    }

    // The categories both sides put at one place: the common ones once, the
    // others ours first at each difference.
    template <class Place>
    static void MergeIds(const std::vector<int>& ours, const std::vector<int>& theirs,
                         const Place& place) {
        Interleave(
            ours.empty() || theirs.empty() ? std::vector<DiffPair>()
                                           : DiffSequences(ours, theirs, HashId),
            ours.size(), theirs.size(), [&](std::size_t i) { place(ours[i]); },
            [&](std::size_t j) { place(theirs[j]); });
    }

    void Add(const CategoryView& view, ItemList items, int oursPosition) {
        Category category;
        category.name = view.name;
        category.nameWidth = view.width;
        category.items = std::move(items);
        result_.list.InsertCategory(std::move(category), -1);
        result_.oursCategory.push_back(oursPosition);
    }

    void Emit(const Match& match) {
        const CategoryView* base =
            match.base >= 0 ? &base_[static_cast<std::size_t>(match.base)] : nullptr;
        const CategoryView* ours =
            match.ours >= 0 ? &ours_[static_cast<std::size_t>(match.ours)] : nullptr;
        const CategoryView* theirs =
            match.theirs >= 0 ? &theirs_[static_cast<std::size_t>(match.theirs)] : nullptr;
        if (ours == nullptr || theirs == nullptr) {
            const CategoryView* kept = ours ? ours : theirs;
            if (kept == nullptr) {
                return;  // deleted on both sides
            }
            if (base != nullptr && kept->name == base->name &&
                SameItems(*kept->items, *base->items)) {
                return;  // deleted on one side, unchanged on the other
            }
            Add(*kept, *kept->items, match.ours);
            if (base != nullptr) {
                ++result_.conflicts;  // deleted on one side, changed on the other
            }
            return;
        }
        const CategoryView* named = ours;
        if (base == nullptr || ours->name == base->name || ours->name == theirs->name) {
            named = theirs;
        } else if (theirs->name != base->name) {
            // Renamed differently on both sides: both versions.
            Add(*ours, *ours->items, match.ours);
            Add(*theirs, *theirs->items, -1);
            ++result_.conflicts;
            return;
        }
        ItemList items;
        MergeItems(base ? *base->items : kNoItems, *ours->items, *theirs->items, items,
                   result_.conflicts);
        Add(*named, std::move(items), match.ours);
    }

    bool SameAsTheirs() const {
        if (result_.list.CountCategories() != static_cast<int>(theirs_.size())) {
            return false;
        }
        CategoryInfo info;
        for (std::size_t i = 0; i < theirs_.size(); ++i) {
            result_.list.GetCategory(static_cast<int>(i), info);
            const ItemList& mine = *info.items;
            const ItemList& theirs = *theirs_[i].items;
            if (info.name != theirs_[i].name || mine.size() != theirs.size()) {
                return false;
            }
            for (std::size_t j = 0; j < mine.size(); ++j) {
                if (mine[j].text != theirs[j].text || mine[j].state != theirs[j].state ||
                    mine[j].indent != theirs[j].indent) {
                    return false;
                }
            }
        }
        return true;
    }

    const std::vector<CategoryView> base_;
    const std::vector<CategoryView> ours_;
    const std::vector<CategoryView> theirs_;
    std::vector<Match> matches_;  // the base's categories first, at their positions
    std::vector<int> idOfOurs_;   // per category of ours, its match
    std::vector<int> idOfTheirs_;
    ListMerge result_;
};

// The whole list as lines: category names and item lines.
std::vector<Line> FileLines(const std::vector<CategoryView>& views) {
    std::vector<Line> lines;
    for (const CategoryView& view : views) {
        lines.push_back({view.name, ItemState::Normal, 0, true});
        for (const Item& item : *view.items) {
            lines.push_back(WholeLine(item));
        }
    }
    return lines;
}

std::size_t ItemLines(const std::vector<Line>& lines) {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [](const Line& line) { return !line.category; }));
}

std::size_t ChangedLines(const std::vector<Line>& a, const std::vector<Line>& b) {
    std::size_t common = 0;
    for (const DiffPair& pair : Diff(a, b)) {
        common += a[pair.a].category ? 0 : 1;
    }
    return ItemLines(a) + ItemLines(b) - 2 * common;
}

wchar_t Lower(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool StartsWith(std::wstring_view text, std::wstring_view front) {
    return text.size() >= front.size() && text.substr(0, front.size()) == front;
}

}  // namespace

ListMerge MergeLists(const ListStore& base, const ListStore& ours, const ListStore& theirs) {
    return ListMerger(base, ours, theirs).Run();
}

ListMerge UnionLists(const ListStore& ours, const ListStore& theirs) {
    // With nothing in common to start from, every line is new on its side.
    const ListStore none;
    return ListMerger(none, ours, theirs).Run();
}

std::size_t CountChangedLines(const ListStore& a, const ListStore& b) {
    const std::vector<CategoryView> x = ViewOf(a);
    const std::vector<CategoryView> y = ViewOf(b);
    return ChangedLines(FileLines(x), FileLines(y));
}

int ChooseMergeBase(const std::vector<const ListStore*>& candidates, const ListStore& theirs) {
    const std::vector<CategoryView> theirViews = ViewOf(theirs);
    const std::vector<Line> theirLines = FileLines(theirViews);
    int best = -1;
    std::size_t bestChanges = 0;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::vector<CategoryView> views = ViewOf(*candidates[i]);
        const std::size_t changes = ChangedLines(FileLines(views), theirLines);
        if (best < 0 || changes <= bestChanges) {
            best = static_cast<int>(i);
            bestChanges = changes;
        }
    }
    return best;
}

bool IsListConflictCopyName(std::wstring_view fileName) {
    std::wstring name(fileName);
    std::transform(name.begin(), name.end(), name.begin(), Lower);
    constexpr std::wstring_view kExtension = L".txt";
    if (name.size() <= kExtension.size() ||
        name.substr(name.size() - kExtension.size()) != kExtension) {
        return false;
    }
    const std::wstring_view stem =
        std::wstring_view(name).substr(0, name.size() - kExtension.size());
    // OneDrive: list-PCNAME.txt.
    if (StartsWith(stem, L"list-") && stem.size() > 5) {
        return true;
    }
    // Syncthing: list.sync-conflict-YYYYMMDD-HHMMSS-DEVICE.txt.
    if (StartsWith(stem, L"list.sync-conflict-")) {
        return true;
    }
    // Dropbox, Nextcloud, Google Drive and the like: list (...).txt.
    for (std::wstring_view front : {std::wstring_view(L"list ("), std::wstring_view(L"list(")}) {
        if (StartsWith(stem, front) && stem.size() > front.size() + 1 && stem.back() == L')') {
            return true;
        }
    }
    return false;
}

}  // namespace tessel
