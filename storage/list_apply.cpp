#include "storage/list_apply.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "store/list_history.h"

namespace tessel {

bool SameListLine(const Item& a, const Item& b) {
    return a.state == b.state && a.indent == b.indent && a.text == b.text;
}

namespace {

void Seal(ListStore& store) {
    if (store.history != nullptr) {
        store.history->Seal();
    }
}

// The items of list become those of wanted: the common front and back
// stay, a middle of as many items on both sides is changed item by item,
// any other middle is taken out and the new one put in.
void ApplyItems(ListStore& store, ItemList& list, ItemList& wanted) {
    std::size_t front = 0;
    while (front < list.size() && front < wanted.size() &&
           SameListLine(list[front], wanted[front])) {
        ++front;
    }
    std::size_t back = 0;
    while (back < list.size() - front && back < wanted.size() - front &&
           SameListLine(list[list.size() - 1 - back], wanted[wanted.size() - 1 - back])) {
        ++back;
    }
    const std::size_t oldCount = list.size() - front - back;
    const std::size_t newCount = wanted.size() - front - back;
    if (oldCount == newCount) {
        for (std::size_t i = front; i < front + oldCount; ++i) {
            if (SameListLine(list[i], wanted[i])) {
                continue;
            }
            Item before = std::move(list[i]);
            list[i] = std::move(wanted[i]);
            list[i].selected = before.selected;
            const int position = static_cast<int>(i);
            // Each field that changed, as the commands record it.
            RecordChange(store, [&](ListHistory& history) {
                if (before.state != list[i].state) {
                    PositionRuns runs;
                    runs.Add(position);
                    history.StatesChanged(&list, std::move(runs), {before.state});
                }
                if (before.indent != list[i].indent) {
                    PositionRuns runs;
                    runs.Add(position);
                    history.IndentsChanged(&list, std::move(runs), list[i].indent - before.indent);
                }
                if (before.text != list[i].text.view()) {
                    history.TextChanged(&list, position, std::move(before.text));
                }
            });
        }
        return;
    }
    if (oldCount > 0) {
        std::vector<int> positions(oldCount);
        for (std::size_t i = 0; i < oldCount; ++i) {
            positions[i] = static_cast<int>(front + i);
        }
        std::vector<Item> taken;
        TakeItemsAt(list, positions, taken);
        RecordChange(store, [&](ListHistory& history) {
            history.ItemsErased(&list, std::move(positions), std::move(taken));
        });
    }
    if (newCount > 0) {
        std::vector<Item> added(
            std::make_move_iterator(wanted.begin() + static_cast<std::ptrdiff_t>(front)),
            std::make_move_iterator(wanted.begin() +
                                    static_cast<std::ptrdiff_t>(front + newCount)));
        InsertItems(&list, std::move(added), static_cast<int>(front));
        RecordChange(store, [&](ListHistory& history) {
            history.ItemsInserted(&list, static_cast<int>(front), static_cast<int>(newCount));
        });
    }
}

}  // namespace

std::vector<int> ApplyListInPlace(ListStore& store, ListStore& target,
                                  const std::vector<int>& oursCategory) {
    Seal(store);
    const int oldCount = store.CountCategories();
    // Each category of store continues at most one of target's.
    std::vector<int> continues(static_cast<std::size_t>(oldCount), -1);
    const int targetCount = target.CountCategories();
    std::vector<int> from(static_cast<std::size_t>(targetCount), -1);
    for (int i = 0; i < targetCount && i < static_cast<int>(oursCategory.size()); ++i) {
        const int ours = oursCategory[static_cast<std::size_t>(i)];
        if (ours >= 0 && ours < oldCount && continues[static_cast<std::size_t>(ours)] < 0) {
            continues[static_cast<std::size_t>(ours)] = i;
            from[static_cast<std::size_t>(i)] = ours;
        }
    }
    // The categories store has in order, by their old positions.
    std::vector<int> order;
    for (int p = oldCount - 1; p >= 0; --p) {
        if (continues[static_cast<std::size_t>(p)] >= 0) {
            continue;
        }
        std::unique_ptr<Category> removed = store.TakeCategory(p);
        RecordChange(store,
                     [&](ListHistory& history) { history.CategoryErased(p, std::move(removed)); });
    }
    for (int p = 0; p < oldCount; ++p) {
        if (continues[static_cast<std::size_t>(p)] >= 0) {
            order.push_back(p);
        }
    }
    for (int i = 0; i < targetCount; ++i) {
        ItemList* wanted = target.FindCategoryItems(i);
        CategoryInfo info;
        target.GetCategory(i, info);
        const int ours = from[static_cast<std::size_t>(i)];
        if (ours < 0) {
            Category added;
            added.name = info.name;
            added.nameWidth = info.nameWidth;
            added.items = std::move(*wanted);
            for (Item& item : added.items) {
                item.selected = false;
            }
            store.InsertCategory(std::move(added), i);
            order.insert(order.begin() + i, -1);
            RecordChange(store, [&](ListHistory& history) { history.CategoryInserted(i); });
            continue;
        }
        const int at =
            static_cast<int>(std::find(order.begin() + i, order.end(), ours) - order.begin());
        if (at != i) {
            store.RelocateCategory(at, i);
            order.erase(order.begin() + at);
            order.insert(order.begin() + i, ours);
            RecordChange(store, [&](ListHistory& history) { history.CategoryMoved(at, i); });
        }
        CategoryInfo old;
        store.GetCategory(i, old);
        if (old.name != info.name) {
            store.RenameCategory(i, info.name, info.nameWidth);
            RecordChange(store, [&](ListHistory& history) {
                history.CategoryRenamed(i, std::move(old.name), old.nameWidth);
            });
        }
        ApplyItems(store, *store.FindCategoryItems(i), *wanted);
    }
    Seal(store);
    return continues;
}

}  // namespace tessel
