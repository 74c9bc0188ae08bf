#include "input/GridNavigation.h"

#include "core/GridEventSink.h"

#include <algorithm>

GridNavigation::GridNavigation(const GridNavigationSpace& space, GridEventSink& events)
    : m_space(space), m_events(events) {}

void GridNavigation::SetCurCell(int row, int col) {
    GridCellPos next;
    if (row > 0 && col > 0 && m_space.rowCount() > 0 && m_space.colCount() > 0) {
        next.row = std::min(row, m_space.rowCount());
        next.col = std::min(col, m_space.colCount());
    }
    const GridCellPos prev = m_cur;
    if (next == prev)
        return;
    m_cur = next;
    const quint64 serial = ++m_moveSerial;
    // Each handler may move the cell again; that nested move raised its own events, so
    // the rest of this move's events would report a stale cell.
    if (next.row != prev.row) {
        m_events.CurRowChange(next.row, prev.row);
        if (serial != m_moveSerial)
            return;
    }
    if (next.col != prev.col) {
        m_events.CurColChange(next.col, prev.col);
        if (serial != m_moveSerial)
            return;
    }
    if (m_beforeCellChange)
        m_beforeCellChange(next.row, next.col);
    m_events.CurCellChange(next.row, next.col, prev.row, prev.col);
}

void GridNavigation::followRow(int newRow) {
    m_cur.row = newRow;
    if (newRow == 0)
        m_cur.col = 0;
}

void GridNavigation::rowsInserted(int before, int count) {
    if (m_cur.row >= before && m_cur.row > 0)
        m_cur.row += count;
}

void GridNavigation::rowsRemoved(int first, int count) {
    if (m_cur.row < first || m_cur.row == 0)
        return;
    if (m_cur.row >= first + count) {
        m_cur.row -= count;
        return;
    }
    // The current row went: the row that took its place (or the new last row) is current.
    const int rows = m_space.rowCount();
    followRow(rows == 0 ? 0 : std::min(first, rows));
}

void GridNavigation::columnsChanged() {
    if (m_cur.row == 0)
        return;
    const QList<int> cols = m_space.shownColumns();
    if (cols.isEmpty())
        m_cur = {};
    else if (!cols.contains(m_cur.col))
        m_cur.col = cols.first();
}

int GridNavigation::shownRowFrom(int row, int step) const {
    const int rows = m_space.rowCount();
    for (int r = std::clamp(row, 1, std::max(rows, 1)); r >= 1 && r <= rows; r += step) {
        if (m_space.rowShown(r))
            return r;
    }
    return 0;
}

int GridNavigation::firstShownRow() const {
    return shownRowFrom(1, 1);
}

int GridNavigation::lastShownRow() const {
    return shownRowFrom(m_space.rowCount(), -1);
}

int GridNavigation::pageTarget(int row, int direction) const {
    const int page = std::max(1, m_space.pageHeight());
    int target = m_space.rowAtOffset(m_space.rowTop(row) + direction * page);
    if (target == row)
        target = row + direction;
    const int found = shownRowFrom(target, direction);
    return found != 0 ? found : shownRowFrom(target, -direction);
}

std::optional<GridCellPos> GridNavigation::target(GridMove move, bool rowMode) const {
    const QList<int> cols = m_space.shownColumns();
    const int first = firstShownRow();
    if (first == 0 || cols.isEmpty())
        return std::nullopt;
    if (m_cur.row == 0) {
        // Moves start at the first cell, but the keys to the last row go there.
        const bool toLast = move == GridMove::LastRow || (rowMode && move == GridMove::RowEnd);
        return GridCellPos{toLast ? lastShownRow() : first, cols.first()};
    }

    const int row = m_cur.row;
    qsizetype pos = cols.indexOf(m_cur.col);
    if (pos < 0)
        pos = 0;
    const int col = cols[pos];
    // In row mode the whole row is current, so Home and End go to the first/last row.
    if (rowMode && move == GridMove::RowStart)
        move = GridMove::FirstRow;
    if (rowMode && move == GridMove::RowEnd)
        move = GridMove::LastRow;

    auto shownOr = [&](int r, int step) {
        const int found = shownRowFrom(r, step);
        return found != 0 ? found : row;
    };
    switch (move) {
    case GridMove::Up:
        return GridCellPos{row > 1 ? shownOr(row - 1, -1) : row, col};
    case GridMove::Down:
        return GridCellPos{row < m_space.rowCount() ? shownOr(row + 1, 1) : row, col};
    case GridMove::Left:
        return GridCellPos{row, cols[std::max<qsizetype>(pos - 1, 0)]};
    case GridMove::Right:
        return GridCellPos{row, cols[std::min(pos + 1, cols.size() - 1)]};
    case GridMove::PageUp:
        return GridCellPos{pageTarget(row, -1), col};
    case GridMove::PageDown:
        return GridCellPos{pageTarget(row, 1), col};
    case GridMove::RowStart:
        return GridCellPos{row, cols.first()};
    case GridMove::RowEnd:
        return GridCellPos{row, cols.last()};
    case GridMove::FirstRow:
        return GridCellPos{first, col};
    case GridMove::LastRow:
        return GridCellPos{lastShownRow(), col};
    case GridMove::NextCell: {
        if (pos + 1 < cols.size())
            return GridCellPos{row, cols[pos + 1]};
        const int next = row < m_space.rowCount() ? shownRowFrom(row + 1, 1) : 0;
        if (next == 0)
            return std::nullopt;
        return GridCellPos{next, cols.first()};
    }
    case GridMove::PrevCell: {
        if (pos > 0)
            return GridCellPos{row, cols[pos - 1]};
        const int prev = row > 1 ? shownRowFrom(row - 1, -1) : 0;
        if (prev == 0)
            return std::nullopt;
        return GridCellPos{prev, cols.last()};
    }
    }
    return std::nullopt;
}
