#pragma once
// Sorting the grid's rows: the criteria list (`SortObject`, used by grouping), the grid's
// current sort (header clicks, SortByCol, ColSortIndex, SortLayout) and the stable multi-key
// sort itself.
//
// Rules:
// - Stable: rows that compare equal keep their order, in either direction.
// - Keys are taken out of the rows once per sort, then the row order is sorted as a
//   permutation and applied in O(n); row records move as a whole, so everything attached to
//   a row (selected bits, tags, keys, heights, looks) moves with it.
// - Empty and Null values come first in ascending order and last in descending order; for
//   the number, date and currency types a value that does not convert counts as Null.
// - Group rows stay where they are: the rows between two group rows (a band) are sorted
//   among themselves. Tree rows move with their subtree; children are sorted among their
//   siblings under the same parent.
// - Sort type 98 asks the custom comparison (the CustomSort event); without one the column
//   is sorted by value.

#include "core/GridInternal.h"

#include "components/grid/GridSortObject.h"
#include "components/grid/GridTypes.h"
#include "model/GridStore.h"

#include <functional>
#include <vector>

// Compares two values of column `col` (rows given too): < 0, 0, > 0. `result` arrives as the
// grid's own comparison; the hook may leave it unchanged.
using CustomSortFn = std::function<void(int col, int row1, int row2, const Variant& v1,
                                        const Variant& v2, int& result)>;

// A group value keyed as the sort orders values of its sort type: grouping orders its bands
// and tells them apart with it. Borrowed texts point into the value, which must outlive it.
class GroupValueKey {
public:
    GroupValueKey(const Variant& value, int sortType, bool borrow = false);
    int compare(const GroupValueKey& other) const; // the sort's order: < 0, 0, > 0
    bool sameAs(const GroupValueKey& other) const; // exactly equal (for hashing)
    size_t hash() const;

private:
    quint8 m_cls = 0;
    quint64 m_word = 0;
    QString m_text;
    Qt::CaseSensitivity m_cs = Qt::CaseInsensitive;
};

// The stable sort under the rules above. Returns the new row order as a permutation of all
// rows (new position -> old position, 0-based) for GridStore::applyPermutation. With
// parentRow != 0 only the rows below that row (its subtree) are reordered.
std::vector<int> sortPermutation(const GridStore& store, const std::vector<SortKey>& keys,
                                 const CustomSortFn& custom = {}, int parentRow = 0);

// The grid's current sort and the operations that change it.
class GridSort {
public:
    explicit GridSort(GridStore& store);

    void setCustomSort(CustomSortFn fn) { m_custom = std::move(fn); }
    // Raised around every sort, whatever started it; rows may be added or removed inside.
    void setSortHooks(std::function<void()> before, std::function<void()> after);

    // Current sort criteria, outermost first (removed columns dropped).
    std::vector<SortKey> keys() const;
    void setKeys(const std::vector<SortKey>& keys); // does not sort
    void clearKeys();

    // Sort by one column in its default order (repeated calls give the same order).
    bool SortByCol(const ColRef& col);
    // Sort by the current criteria (no-op without any).
    bool Sort();
    // Sorts the children of `row` (with their subtrees) by the current criteria.
    bool SortChildRows(int row);
    // Sorts by the given criteria without changing the current ones (e.g. SortObject).
    bool sortBy(const std::vector<SortKey>& keys);

    // 1-based position of the column in the current sort, 0 if not sorted by it. Writing 0
    // removes it; writing n (1..count+1) puts it at that position with its default order.
    int ColSortIndex(const ColRef& col) const;
    bool SetColSortIndex(const ColRef& col, int index);
    int ColSortOrder(const ColRef& col) const; // -1 when not sorted by it

    // The last permutation applied (new -> old, 0-based), for keeping the current row.
    const std::vector<int>& lastPermutation() const { return m_lastPermutation; }

private:
    struct Entry {
        const GridColumn* column;
        int order;
        int sortType;
    };
    bool run(const std::vector<SortKey>& keys, int parentRow);
    GridStore& m_store;
    std::vector<Entry> m_entries;
    CustomSortFn m_custom;
    std::function<void()> m_before;
    std::function<void()> m_after;
    std::vector<int> m_lastPermutation;
};
