#include "view/GridGeometry.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {
int clampToInt(std::int64_t v) {
    return int(std::clamp<std::int64_t>(v, 0, std::numeric_limits<int>::max()));
}
} // namespace

void GridGeometry::ensureHeights() const {
    takeAppended();
    if (!m_rowsDirty)
        return;
    m_rowsDirty = false;
    m_treeDirty = true;
    m_rowCount = std::max(0, m_source.rowCount());
    m_heights.assign(size_t(m_rowCount) + 1, 0);
    m_total = 0;
    m_hiddenRows = 0;
    m_ordinalsDirty = true;
    for (int r = 1; r <= m_rowCount; ++r) {
        m_heights[r] = std::max(0, m_source.rowHeight(r));
        m_total += m_heights[r];
        m_hiddenRows += m_heights[r] == 0;
    }
}

void GridGeometry::ensureRows() const {
    ensureHeights();
    if (!m_treeDirty)
        return;
    m_treeDirty = false;
    m_tree.assign(size_t(m_rowCount) + 1, 0);
    for (int r = 1; r <= m_rowCount; ++r) {
        m_tree[r] += m_heights[r];
        // Linear-time Fenwick build: push each node's sum to its parent.
        const int parent = r + (r & -r);
        if (parent <= m_rowCount)
            m_tree[parent] += m_tree[r];
    }
}

void GridGeometry::fenwickAdd(int row, int delta) const {
    for (int i = row; i <= m_rowCount; i += i & -i)
        m_tree[i] += delta;
}

void GridGeometry::rowsHeightChanged(int first, int count) {
    takeAppended();
    // Each row costs O(log n) in the tree; a large share of the rows is cheaper rebuilt.
    if (m_rowsDirty || count > m_rowCount / 8 + 64) {
        invalidateRows();
        return;
    }
    for (int row = first; row < first + count; ++row)
        rowHeightChanged(row);
}

void GridGeometry::rowHeightChanged(int row) {
    takeAppended();
    if (m_rowsDirty || row < 1 || row > m_rowCount)
        return;
    const int h = std::max(0, m_source.rowHeight(row));
    if (!m_treeDirty)
        fenwickAdd(row, h - m_heights[row]);
    m_total += h - m_heights[row];
    if ((h == 0) != (m_heights[row] == 0)) {
        m_hiddenRows += h == 0 ? 1 : -1;
        m_ordinalsDirty = true;
    }
    m_heights[row] = h;
}

void GridGeometry::rowsAppended(int count) {
    if (!m_rowsDirty && count > 0)
        m_appended += count;
}

void GridGeometry::takeAppended() const {
    const int count = std::exchange(m_appended, 0);
    if (m_rowsDirty || count == 0)
        return; // a rebuild reads them anyway
    // Many rows at once: the tree is rebuilt in one linear pass when first needed (a paint
    // asks for it; a count or total height does not).
    if (count > m_rowCount / 8 + 64)
        m_treeDirty = true;
    for (int i = 0; i < count; ++i) {
        const int r = ++m_rowCount;
        const int h = std::max(0, m_source.rowHeight(r));
        m_heights.push_back(h);
        m_total += h;
        m_hiddenRows += h == 0;
        if (m_treeDirty)
            continue;
        // Node r covers rows r - lowbit(r) + 1 .. r: its height and the nodes that tile the
        // rows before it down to that start (one node on average, not two prefix walks).
        const int from = r - (r & -r);
        std::int64_t sum = h;
        for (int j = r - 1; j > from; j -= j & -j)
            sum += m_tree[size_t(j)];
        m_tree.push_back(sum);
    }
    m_ordinalsDirty = true;
    if (m_rowCount != m_source.rowCount())
        m_rowsDirty = true; // the source disagrees: rebuild rather than guess
}

void GridGeometry::rowsRemoved(int row, int count) {
    if (m_rowsDirty)
        return;
    if (count > 0 && row > m_rowCount && row + count - 1 <= m_rowCount + m_appended) {
        m_appended -= count; // rows appended and gone before anything asked about them
        return;
    }
    // The appended rows not taken in yet follow the removed ones: they are still to be read
    // after the kept rows, at their new places.
    if (row < 1 || count <= 0 || row + count - 1 > m_rowCount ||
        m_rowCount + m_appended - count != m_source.rowCount()) {
        m_rowsDirty = true; // not what we hold: rebuild rather than guess
        return;
    }
    const auto first = m_heights.begin() + row;
    for (auto it = first; it != first + count; ++it) {
        m_total -= *it;
        m_hiddenRows -= *it == 0;
    }
    m_ordinalsDirty = true;
    m_heights.erase(first, first + count);
    m_rowCount -= count;
    m_treeDirty = true;
}

void GridGeometry::releaseSpareRows() {
    ensureRows();
    m_heights.shrink_to_fit();
    m_tree.shrink_to_fit();
    m_ordinals.shrink_to_fit();
}

int GridGeometry::prefix(int row) const {
    std::int64_t sum = 0;
    for (int i = std::min(row, m_rowCount); i > 0; i -= i & -i)
        sum += m_tree[i];
    return clampToInt(sum);
}

int GridGeometry::rowCount() const {
    ensureHeights();
    return m_rowCount;
}

int GridGeometry::totalHeight() const {
    ensureHeights();
    return clampToInt(m_total);
}

int GridGeometry::rowTop(int row) const {
    ensureRows();
    return row < 1 ? 0 : prefix(row - 1);
}

int GridGeometry::shownOrdinal(int row) const {
    ensureHeights();
    if (m_hiddenRows == 0 || row < 1 || row > m_rowCount)
        return row;
    if (m_ordinalsDirty) {
        // Once per change of what shows, not per paint.
        m_ordinalsDirty = false;
        m_ordinals.assign(size_t(m_rowCount) + 1, 0);
        for (int r = 1; r <= m_rowCount; ++r)
            m_ordinals[r] = m_ordinals[r - 1] + (m_heights[r] > 0);
    }
    return m_ordinals[size_t(row)];
}

int GridGeometry::rowHeight(int row) const {
    ensureHeights();
    return row >= 1 && row <= m_rowCount ? m_heights[row] : 0;
}

int GridGeometry::rowAt(int y) const {
    ensureRows();
    if (y < 0 || m_rowCount == 0)
        return 0;
    // Fenwick descent: the largest r with prefix(r) <= y; row r + 1 then covers y.
    int pos = 0;
    std::int64_t rest = y;
    int step = 1;
    while (step * 2 <= m_rowCount)
        step *= 2;
    for (; step > 0; step /= 2) {
        const int next = pos + step;
        if (next <= m_rowCount && m_tree[next] <= rest) {
            pos = next;
            rest -= m_tree[next];
        }
    }
    return pos + 1 <= m_rowCount ? pos + 1 : 0;
}

std::pair<int, int> GridGeometry::rowsIn(int top, int bottom) const {
    ensureRows();
    if (bottom <= top)
        return {0, -1};
    const int first = rowAt(std::max(0, top));
    if (first == 0)
        return {0, -1};
    int last = rowAt(bottom - 1);
    if (last == 0)
        last = m_rowCount;
    return {first, last};
}

void GridGeometry::ensureColumns() const {
    if (!m_colsDirty)
        return;
    m_colsDirty = false;
    m_cols = m_source.displayedColumns();
    m_lefts.clear();
    m_lefts.reserve(m_cols.size() + 1);
    int x = 0;
    m_frozenShown = 0;
    for (auto& c : m_cols) {
        c.width = std::max(0, c.width);
        m_lefts.push_back(x);
        x += c.width;
        // Only a leading run counts: the frozen area is one block at the left.
        if (c.frozen && m_frozenShown == int(m_lefts.size()) - 1)
            ++m_frozenShown;
    }
    m_lefts.push_back(x);
}

const QVector<GridGeometry::ColumnSpan>& GridGeometry::columns() const {
    ensureColumns();
    return m_cols;
}

int GridGeometry::totalWidth() const {
    ensureColumns();
    return m_lefts.back();
}

int GridGeometry::colLeft(int col) const {
    ensureColumns();
    for (int i = 0; i < m_cols.size(); ++i)
        if (m_cols[i].col == col)
            return m_lefts[i];
    return -1;
}

int GridGeometry::colWidth(int col) const {
    ensureColumns();
    for (const auto& c : m_cols)
        if (c.col == col)
            return c.width;
    return 0;
}

int GridGeometry::colAt(int x) const {
    ensureColumns();
    if (x < 0 || x >= m_lefts.back())
        return 0;
    const auto it = std::upper_bound(m_lefts.begin(), m_lefts.end() - 1, x);
    return m_cols[int(it - m_lefts.begin()) - 1].col;
}

int GridGeometry::frozenWidth() const {
    ensureColumns();
    return m_lefts[m_frozenShown];
}

bool GridGeometry::colFrozen(int col) const {
    ensureColumns();
    for (int i = 0; i < m_frozenShown; ++i)
        if (m_cols[i].col == col)
            return true;
    return false;
}

int GridGeometry::rowTextLeft() const {
    ensureColumns();
    const int left = colLeft(m_source.rowTextStartCol());
    return left >= 0 ? left : m_lefts.back(); // no start column shown: no row-text area
}

QRect GridGeometry::rowRect(int row) const {
    const int h = rowHeight(row);
    return h > 0 ? QRect(0, rowTop(row), totalWidth(), h) : QRect();
}

QRect GridGeometry::rowTextRect(int row) const {
    const QRect r = rowRect(row);
    if (r.isEmpty())
        return {};
    const RowLayout l = m_source.rowLayout(row);
    if (l.group)
        return r;
    const int cells = std::clamp(l.cellsHeight, 0, r.height());
    const int left = rowTextLeft();
    return QRect(left, r.top() + cells, r.width() - left, r.height() - cells);
}

QRect GridGeometry::cellRect(int row, int col) const {
    if (col == m_source.rowTextCol())
        return rowTextRect(row);
    const QRect r = rowRect(row);
    const int left = colLeft(col);
    if (r.isEmpty() || left < 0)
        return {};
    const RowLayout l = m_source.rowLayout(row);
    if (l.group)
        return {};
    return QRect(left, r.top(), colWidth(col), std::clamp(l.cellsHeight, 0, r.height()));
}

std::pair<int, int> GridGeometry::cellAt(const QPoint& p) const {
    const int row = rowAt(p.y());
    if (row == 0)
        return {0, 0};
    if (p.x() < 0 || p.x() >= totalWidth())
        return {row, 0};
    const RowLayout l = m_source.rowLayout(row);
    if (l.group || rowTextRect(row).contains(p))
        return {row, m_source.rowTextCol()};
    if (p.y() >= rowTop(row) + l.cellsHeight)
        return {row, 0}; // the row-text area left of its start column
    return {row, colAt(p.x())};
}
