// The store's tree: levels, subtree sizes, folding under collapsed rows, and the layout of
// bands made by grouping.
//
// Sections, in file order:
//   Looking up        levels, parents (through the cached chain of ancestors), subtrees
//   Expanding         the expand state, folds, tree buttons
//   Upkeep            counting children, lifting children of a removed row, one-pass rebuild
//   Bands             relayoutRows: the rows in a new order, bands made and removed
//
// Every row keeps the size of its subtree (its descendants follow it directly), so the end
// of a subtree is one addition. Adding a child bumps the sizes of its ancestors; the chain
// of ancestors of the last parent is kept, so children added to one parent one after
// another, or a tree built parent by parent, cost O(depth) each.

#include "model/GridStore.h"

#include "model/GridStoreRecords.h"

#include <algorithm>

// ---------------------------------------------------------------------------------------
// Looking up

int GridStore::RowLevel(int row) const {
    const Row* r = rowAt(row);
    return r ? r->level : 0;
}

const std::vector<std::pair<int, GridStore::Row*>>& GridStore::chainTo(int row) const {
    Row* r = rowAt(row);
    auto& chain = m_chain.rows;
    if (m_chain.stamp == m_treeStamp) {
        // Keep the part of the last chain that still holds the row.
        while (!chain.empty()) {
            const auto [index, a] = chain.back();
            if (index == row)
                return chain;
            if (index < row && row <= index + int(a->descendants) && a->level < r->level)
                break;
            chain.pop_back();
        }
        const int parentLevel = chain.empty() ? -1 : chain.back().second->level;
        if (parentLevel + 1 == r->level) {
            chain.emplace_back(row, r);
            return chain;
        }
    }
    // Walk back to each nearer ancestor: the closest row above with a smaller level.
    chain.assign(1, {row, r});
    int level = r->level;
    for (int i = row - 1; i >= 1 && level > 0; --i) {
        Row* a = m_rows[size_t(i - 1)];
        if (a->level < level) {
            chain.insert(chain.begin(), {i, a});
            level = a->level;
        }
    }
    m_chain.stamp = m_treeStamp;
    return chain;
}

int GridStore::ParentRow(int row) const {
    const Row* r = rowAt(row);
    if (!r || r->level == 0)
        return 0;
    const auto& chain = chainTo(row);
    return chain.size() >= 2 ? chain[chain.size() - 2].first : 0;
}

int GridStore::lastRowOfSubtree(int row) const {
    const Row* r = rowAt(row);
    return r ? row + int(r->descendants) : 0;
}

int GridStore::descendantCount(int row) const {
    const Row* r = rowAt(row);
    return r ? int(r->descendants) : 0;
}

const void* GridStore::rowId(int row) const {
    return rowAt(row);
}

// ---------------------------------------------------------------------------------------
// Expanding

bool GridStore::RowExpanded(int row) const {
    return rowFlag(row, RowExpandedFlag);
}

bool GridStore::rowFolded(int row) const {
    return rowFlag(row, RowFoldedFlag);
}

bool GridStore::SetRowExpanded(int row, bool expanded) {
    Row* r = rowAt(row);
    if (!r)
        return false;
    if (bool(r->flags & RowExpandedFlag) == expanded)
        return true;
    r->flags =
        expanded ? quint16(r->flags | RowExpandedFlag) : quint16(r->flags & ~RowExpandedFlag);
    notify({GridChange::Row, row}); // its button
    if (r->descendants > 0) {
        refold(row, row + int(r->descendants), (r->flags & RowFoldedFlag) || !expanded);
        notify({GridChange::RowsVisibility, row + 1, 0, int(r->descendants)});
    }
    return true;
}

void GridStore::refold(int first, int end, bool hidden) {
    // Rows under a collapsed row inside the range stay folded whatever `hidden` says.
    std::vector<int> collapsedLevels;
    for (int i = first; i < end; ++i) {
        Row* d = m_rows[size_t(i)];
        while (!collapsedLevels.empty() && collapsedLevels.back() >= d->level)
            collapsedLevels.pop_back();
        const bool fold = hidden || !collapsedLevels.empty();
        d->flags = fold ? quint16(d->flags | RowFoldedFlag) : quint16(d->flags & ~RowFoldedFlag);
        if (!(d->flags & RowExpandedFlag) && d->descendants > 0)
            collapsedLevels.push_back(d->level);
    }
}

int GridStore::RowTreeButton(int row) const {
    const Row* r = rowAt(row);
    if (!r)
        return TreeButtonNone;
    if (r->flags & RowTreeButtonSetFlag)
        return (r->flags & RowTreeButtonFlag) ? TreeButtonShown : TreeButtonNone;
    return r->descendants > 0 ? TreeButtonShown : TreeButtonNone;
}

bool GridStore::SetRowTreeButton(int row, int button) {
    Row* r = rowAt(row);
    if (!r)
        return false;
    r->flags |= RowTreeButtonSetFlag;
    return setRowFlag(row, RowTreeButtonFlag, button == TreeButtonShown, GridChange::Row);
}

// ---------------------------------------------------------------------------------------
// Upkeep

void GridStore::countChild(int parentRow) {
    m_hasTree = true;
    for (const auto& [index, a] : chainTo(parentRow))
        ++a->descendants;
}

int GridStore::liftChildren(int row) {
    Row* r = rowAt(row);
    const auto& chain = chainTo(row);
    for (size_t i = 0; i + 1 < chain.size(); ++i)
        --chain[i].second->descendants;
    if (r->descendants == 0)
        return 0;
    const int first = row; // 0-based: the rows after it
    const int end = row + int(r->descendants);
    for (int i = first; i < end; ++i)
        --m_rows[size_t(i)]->level;
    // They now hang from the removed row's parent: its collapse no longer hides them.
    refold(first, end, r->flags & RowFoldedFlag);
    return int(r->descendants);
}

void GridStore::rebuildTree() {
    std::vector<Row*> open; // the ancestors of the row being visited
    bool any = false;
    for (Row* r : m_rows) {
        while (!open.empty() && open.back()->level >= r->level)
            open.pop_back();
        r->descendants = 0;
        for (Row* a : open)
            ++a->descendants;
        const Row* parent = open.empty() ? nullptr : open.back();
        const bool fold =
            parent && ((parent->flags & RowFoldedFlag) || !(parent->flags & RowExpandedFlag));
        r->flags = fold ? quint16(r->flags | RowFoldedFlag) : quint16(r->flags & ~RowFoldedFlag);
        any = any || r->level > 0;
        open.push_back(r);
    }
    m_hasTree = any;
    ++m_treeStamp;
}

// ---------------------------------------------------------------------------------------
// Bands

bool GridStore::RowIsBand(int row) const {
    return rowFlag(row, RowBandFlag);
}

int GridStore::bandRowCount(int row) const {
    const Row* r = rowAt(row);
    if (!r || !(r->flags & RowBandFlag))
        return 0;
    // Inner bands are counted through their own counts, stepping over their subtrees.
    int count = 0;
    const int end = row + int(r->descendants);
    for (int i = row + 1; i <= end;) {
        const Row* child = m_rows[size_t(i - 1)];
        // A data row counts once, with whatever subtree it brought along.
        count += (child->flags & RowBandFlag) ? bandRowCount(i) : 1;
        i += int(child->descendants) + 1;
    }
    return count;
}

void GridStore::relayoutRows(const std::vector<LayoutEntry>& layout) {
    std::vector<bool> kept(m_rows.size(), false);
    std::vector<Row*> rows;
    std::vector<int> newToOld;
    std::vector<std::pair<int, const Variant*>> captions; // new bands: 1-based row, caption
    rows.reserve(layout.size());
    newToOld.reserve(layout.size());
    for (const LayoutEntry& e : layout) {
        Row* r = nullptr;
        if (e.row >= 1 && e.row <= RowCount() && !kept[size_t(e.row - 1)]) {
            kept[size_t(e.row - 1)] = true;
            r = m_rows[size_t(e.row - 1)];
            newToOld.push_back(e.row - 1);
        } else if (e.row == 0) {
            r = newRow(0, true, -1, true);
            r->flags |= RowBandFlag;
            if (!e.expanded)
                r->flags &= quint16(~RowExpandedFlag);
            newToOld.push_back(-1);
            captions.emplace_back(int(rows.size()) + 1, &e.caption);
        } else {
            continue; // named twice or no such row
        }
        r->level = quint16(std::clamp(e.level, 0, 0xFFFF));
        rows.push_back(r);
    }
    // Rows the layout left out go (bands of an earlier grouping).
    std::vector<Row*> gone;
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (!kept[i])
            gone.push_back(m_rows[i]);
    detachFontTargets([&gone](const Row* dead, const GridColumn*) {
        return std::find(gone.begin(), gone.end(), dead) != gone.end();
    });
    for (Row* r : gone)
        releaseRow(r);
    m_rows.swap(rows);
    rebuildTree();
    notify({GridChange::RowsReordered, 0, 0, RowCount(), &newToOld});
    for (const auto& [row, caption] : captions)
        SetCellValue(row, RowTextColIndex, *caption);
}
