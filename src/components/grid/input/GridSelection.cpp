#include "input/GridSelection.h"

#include "core/GridEventSink.h"

#include <algorithm>

// Raises BeforeSelectionChange when an operation starts and AfterSelectionChange when it
// ends, telling whether any bit flipped in between.
class GridSelection::Change {
public:
    explicit Change(GridSelection& sel)
        : m_sel(sel), m_itemEvents(sel.m_events.listening(GridOptionalEvent::CellSelectionChange)) {
        m_sel.m_events.BeforeSelectionChange();
    }
    ~Change() { m_sel.m_events.AfterSelectionChange(m_changed); }
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

    void flipped(int row, int col, bool on) {
        m_changed = true;
        if (m_itemEvents)
            m_sel.m_events.CellSelectionChange(row, col, on);
    }

private:
    GridSelection& m_sel;
    bool m_itemEvents;
    bool m_changed = false;
};

int GridSelItems::Count() const {
    return int(m_selection.selectedCount());
}

QVector<GridCellPos> GridSelItems::GetRows(int* firstRow, int* lastRow, int* firstCol,
                                           int* lastCol) const {
    int c1 = 0, c2 = 0;
    const QVector<GridCellPos> items = m_selection.selectedItems(&c1, &c2);
    // Rows come in ascending order.
    const int r1 = items.isEmpty() ? 0 : items.front().row;
    const int r2 = items.isEmpty() ? 0 : items.back().row;
    for (auto [out, value] :
         {std::pair{firstRow, r1}, {lastRow, r2}, {firstCol, c1}, {lastCol, c2}})
        if (out)
            *out = value;
    return items;
}

qsizetype GridSelection::selectedCount() const {
    if (!m_rowMode)
        return m_space.selectedCellCount();
    qsizetype count = 0;
    for (int r = 1, rows = m_space.rowCount(); r <= rows; ++r)
        count += m_space.rowSelected(r) && !m_space.rowFolded(r) ? 1 : 0;
    return count;
}

QVector<GridCellPos> GridSelection::selectedItems(int* firstCol, int* lastCol) const {
    // Counted first, so half a million items are written once into one allocation.
    QVector<GridCellPos> items(selectedCount());
    if (!m_rowMode) {
        m_space.writeSelectedCells(items.data(), firstCol, lastCol);
        return items;
    }
    GridCellPos* out = items.data();
    for (int r = 1, rows = m_space.rowCount(); r <= rows; ++r)
        if (m_space.rowSelected(r) && !m_space.rowFolded(r))
            *out++ = {r, 0};
    const bool any = !items.isEmpty();
    *firstCol = any ? 1 : 0;
    *lastCol = any ? m_space.colCount() : 0;
    return items;
}

GridSelection::GridSelection(GridSelectionSpace& space, GridEventSink& events)
    : m_space(space), m_events(events) {}

bool GridSelection::isShownSelected(int row, int col) const {
    // A group row or row-text area shows selected when its row holds the selection.
    return CellSelected(row, col == RowTextColIndex ? 0 : col);
}

bool GridSelection::itemSelected(int row, int col) const {
    return m_rowMode ? m_space.rowSelected(row) : m_space.cellSelected(row, col);
}

void GridSelection::setItem(Change& change, int row, int col, bool on, bool keepSummary) {
    if (itemSelected(row, col) == on)
        return;
    if (m_rowMode) {
        m_space.setRowSelected(row, on);
    } else {
        m_space.setCellSelected(row, col, on);
        if (on) {
            m_space.setRowSelected(row, true);
        } else if (!keepSummary) {
            const int cols = m_space.colCount();
            bool any = false;
            for (int c = 1; c <= cols && !any; ++c)
                any = m_space.cellSelected(row, c);
            m_space.setRowSelected(row, any);
        }
    }
    change.flipped(row, m_rowMode ? 0 : col, on);
}

void GridSelection::clearItems(Change& change) {
    // Collect first: a CellSelectionChange handler may read the selection while it changes.
    const QVector<GridCellPos> items = m_items.GetRows();
    for (const GridCellPos& item : items)
        setItem(change, item.row, item.col, false, true);
    if (!m_rowMode)
        for (const GridCellPos& item : items)
            m_space.setRowSelected(item.row, false);
}

QList<int> GridSelection::itemColumns() const {
    return m_rowMode ? QList<int>{0} : m_space.shownColumns();
}

bool GridSelection::CellSelected(int row, int col) const {
    if (row < 1 || row > m_space.rowCount())
        return false;
    if (m_rowMode || col == 0)
        return m_space.rowSelected(row);
    if (col < 1 || col > m_space.colCount())
        return false;
    return m_space.cellSelected(row, col);
}

void GridSelection::SetCellSelected(int row, int col, bool selected) {
    if (row < 1 || row > m_space.rowCount())
        return;
    if (!m_rowMode && (col < 1 || col > m_space.colCount()))
        return;
    endRange();
    Change change(*this);
    if (selected && !m_multi) {
        // One item at most: selecting another replaces it.
        for (const GridCellPos& item : m_items.GetRows())
            if (item.row != row || (!m_rowMode && item.col != col))
                setItem(change, item.row, item.col, false);
    }
    setItem(change, row, col, selected);
}

void GridSelection::ClearSelection() {
    endRange();
    Change change(*this);
    clearItems(change);
}

void GridSelection::SetMultiSelect(bool on) {
    if (m_multi == on)
        return;
    m_multi = on;
    endRange();
    if (on)
        return;
    const QVector<GridCellPos> items = m_items.GetRows();
    if (items.size() <= 1)
        return;
    Change change(*this);
    const GridCellPos keep = m_anchor;
    for (const GridCellPos& item : items)
        if (item.row != keep.row || (!m_rowMode && item.col != keep.col))
            setItem(change, item.row, item.col, false);
}

void GridSelection::SetRowMode(bool on) {
    if (m_rowMode == on)
        return;
    endRange();
    {
        Change change(*this);
        clearItems(change);
    }
    m_rowMode = on;
}

void GridSelection::endRange() {
    m_range = {};
    m_selectedBefore.clear();
}

void GridSelection::setAnchor(GridCellPos cell) {
    endRange();
    m_anchor = cell;
}

void GridSelection::followAnchorRow(int newRow) {
    endRange();
    m_anchor.row = newRow;
    if (newRow == 0)
        m_anchor.col = 0;
}

void GridSelection::selectOnly(GridCellPos cell) {
    setAnchor(cell);
    Change change(*this);
    for (const GridCellPos& item : m_items.GetRows())
        if (item.row != cell.row || (!m_rowMode && item.col != cell.col))
            setItem(change, item.row, item.col, false);
    if (cell.row > 0)
        setItem(change, cell.row, cell.col, true);
}

void GridSelection::toggle(GridCellPos cell) {
    if (!m_multi) {
        if (itemSelected(cell.row, cell.col))
            SetCellSelected(cell.row, m_rowMode ? 0 : cell.col, false);
        else
            selectOnly(cell);
        m_anchor = cell;
        return;
    }
    setAnchor(cell);
    Change change(*this);
    setItem(change, cell.row, cell.col, !itemSelected(cell.row, cell.col));
}

GridSelection::Range GridSelection::rangeTo(GridCellPos cell) const {
    Range r;
    const QList<int> cols = itemColumns();
    const GridCellPos from = m_anchor.row > 0 ? m_anchor : cell;
    r.row1 = std::min(from.row, cell.row);
    r.row2 = std::max(from.row, cell.row);
    const int p1 = std::max<qsizetype>(0, cols.indexOf(m_rowMode ? 0 : from.col));
    const int p2 = std::max<qsizetype>(0, cols.indexOf(m_rowMode ? 0 : cell.col));
    r.pos1 = std::min(p1, p2);
    r.pos2 = std::max(p1, p2);
    return r;
}

void GridSelection::extendTo(GridCellPos cell, bool additive) {
    if (cell.row <= 0)
        return;
    if (!m_multi) {
        selectOnly(cell);
        return;
    }
    if (m_anchor.row <= 0)
        m_anchor = cell;
    const QList<int> cols = itemColumns();
    const Range next = rangeTo(cell);
    Change change(*this);
    if (m_range.valid() && m_rangeAdditive != additive)
        endRange();
    if (!m_range.valid()) {
        // A new range: without Ctrl it replaces the selection, with Ctrl it adds to it.
        m_rangeAdditive = additive;
        if (!additive) {
            for (const GridCellPos& item : m_items.GetRows()) {
                const qsizetype p = cols.indexOf(m_rowMode ? 0 : item.col);
                if (!next.contains(item.row, int(p)))
                    setItem(change, item.row, item.col, false);
            }
        }
    }
    const Range prev = m_range;
    // Items that left the rectangle go back to what they were before the range.
    if (prev.valid()) {
        for (int r = prev.row1; r <= prev.row2; ++r) {
            if (!m_space.rowShown(r))
                continue;
            for (int p = prev.pos1; p <= prev.pos2 && p < cols.size(); ++p) {
                if (next.contains(r, p))
                    continue;
                const int c = cols[p];
                setItem(change, r, c, m_selectedBefore.remove(keyOf(r, c)));
            }
        }
    }
    for (int r = next.row1; r <= next.row2; ++r) {
        if (!m_space.rowShown(r))
            continue;
        for (int p = next.pos1; p <= next.pos2 && p < cols.size(); ++p) {
            if (prev.valid() && prev.contains(r, p))
                continue;
            const int c = cols[p];
            if (!itemSelected(r, c))
                setItem(change, r, c, true);
            else if (m_rangeAdditive)
                m_selectedBefore.insert(keyOf(r, c));
        }
    }
    m_range = next;
}

void GridSelection::selectAll() {
    if (!m_multi)
        return;
    endRange();
    Change change(*this);
    const QList<int> cols = itemColumns();
    const int rows = m_space.rowCount();
    for (int r = 1; r <= rows; ++r) {
        if (!m_space.rowShown(r))
            continue;
        for (int c : cols)
            setItem(change, r, c, true);
    }
}
