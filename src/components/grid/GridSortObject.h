#pragma once
// The `SortObject`: a list of sort criteria (used by grouping, and by the grid's Sort when
// it is the source).

#include "components/grid/GridTypes.h"

#include <vector>

class GridStore;

// One resolved criterion.
struct SortKey {
    int col = 0;               // column index (RowTextColIndex allowed)
    int order = SortAscending; // GridSortOrder
    int sortType = SortTypeByValue;
};

// The criteria list of `Group` (and of the grid's Sort when it is the source). Columns are
// kept as given (index or key) and resolved when used, so keys survive column moves.
class SortObject {
public:
    struct Item {
        ColRef col;
        int order;
        int sortType;
    };
    void Clear() { m_items.clear(); }
    void Add(const ColRef& col, int order = SortAscending, int sortType = SortTypeByValue);
    int Count() const { return int(m_items.size()); }
    const Item* ItemAt(int index) const; // 1-based; nullptr outside 1..Count
    // Resolved against a store; criteria whose column does not exist are left out.
    std::vector<SortKey> keys(const GridStore& store) const;

private:
    std::vector<Item> m_items;
};
