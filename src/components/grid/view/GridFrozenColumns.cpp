#include "view/GridFrozenColumns.h"

#include "core/GridContext.h"
#include "core/GridSettings.h"
#include "model/GridStore.h"
#include "platform/Colors.h"
#include "view/GridGeometry.h"

#include <QPainter>
#include <algorithm>

bool GridFrozenColumns::SetEdgeWidth(int px) {
    if (px < 0 || px > MaxEdgeWidth)
        return false;
    m_edgeWidth = px;
    m_context.repaint();
    return true;
}

void GridFrozenColumns::SetEdgeColor(OleColor color) {
    m_edgeColor = color;
    m_context.repaint();
}

void GridFrozenColumns::SetDrawEdgeAlways(bool on) {
    m_drawEdgeAlways = on;
    m_context.repaint();
}

int GridFrozenColumns::shownInArea(bool frozen) const {
    const auto& cols = m_context.geometry.columns();
    return int(std::count_if(cols.begin(), cols.end(),
                             [frozen](const auto& c) { return c.frozen == frozen; }));
}

bool GridFrozenColumns::lastInArea(int col) const {
    return shownInArea(m_context.geometry.colFrozen(col)) == 1;
}

std::optional<GridFrozenColumns::ColumnDrop> GridFrozenColumns::dropAt(int col, int x) const {
    const GridStore& store = m_context.store;
    const GridGeometry& geometry = m_context.geometry;
    const GridViewport viewport = m_context.viewport();
    const auto& cols = geometry.columns();
    const int from = store.ColPos(col);
    if (cols.isEmpty() || from == 0)
        return std::nullopt;
    // The gap: before or after the column under the pointer; left of all columns before
    // the first, right of them after the last.
    int target = viewport.colAt(x);
    bool after = false;
    if (target == 0) {
        target = x <= 0 ? cols.first().col : cols.last().col;
        after = x > 0;
    } else {
        const QRect item = viewport.headerItemRect(target);
        after = x >= item.left() + item.width() / 2;
    }
    const int gap = store.ColPos(target) - (after ? 0 : 1); // display positions before it
    const bool fromFrozen = geometry.colFrozen(col);
    const bool toFrozen = geometry.colFrozen(target);

    ColumnDrop drop;
    drop.newPos = gap < from ? gap + 1 : gap; // the column leaves its own place first
    drop.crossesBoundary = fromFrozen != toFrozen;
    drop.frozenCols =
        std::min(store.FrozenCols(), store.ColCount()) + (toFrozen ? 1 : 0) - (fromFrozen ? 1 : 0);
    if (drop.newPos == from && !drop.crossesBoundary)
        return std::nullopt;
    if (drop.crossesBoundary && lastInArea(col))
        return std::nullopt; // each area keeps a column
    return drop;
}

void GridFrozenColumns::paintOver(QPainter& p, const GridViewport& viewport, const QRect& exposed) {
    if (m_edgeWidth == 0 || viewport.frozenWidth() == 0)
        return;
    if (m_context.look.gridLines == GridLinesNone && !m_drawEdgeAlways)
        return;
    // Where the last frozen column's grid line is, over the frozen area's last pixels: in
    // the cells of each row, as grid lines are (not across bands or row text).
    const auto& cols = m_context.geometry.columns();
    const auto last =
        std::find_if(cols.rbegin(), cols.rend(), [](const auto& c) { return c.frozen; });
    const QRect area = exposed & viewport.rowsArea() & viewport.frozenArea();
    if (last == cols.rend() || area.isEmpty())
        return;
    const int left = viewport.frozenWidth() - m_edgeWidth;
    const QColor colour = OleColorToQColor(m_edgeColor);
    const auto [first, end] = viewport.rowsIn(area);
    for (int row = first; row <= end; ++row) {
        const QRect cell = viewport.cellRect(row, last->col);
        if (!cell.isEmpty())
            p.fillRect(QRect(left, cell.top(), m_edgeWidth, cell.height()) & area, colour);
    }
}
