#include "core/GridSpaces.h"

#include "core/GridContext.h"
#include "core/GridSettings.h"
#include "model/GridStore.h"

#include <algorithm>

// ----- GridGeometrySource -----

int GridGeometrySource::rowCount() const {
    return m_context.store.RowCount();
}

GridGeometry::RowLayout GridGeometrySource::rowLayout(int row) const {
    const GridStore& s = m_context.store;
    GridGeometry::RowLayout l;
    l.group = s.RowIsGroup(row);
    l.height = s.shownRowHeight(row);
    // Without row text the cells take the whole row; group rows are all row text.
    l.cellsHeight = l.group                      ? 0
                    : m_context.look.showRowText ? std::min(s.RowCellsHeight(row), l.height)
                                                 : l.height;
    return l;
}

int GridGeometrySource::rowHeight(int row) const {
    return m_context.store.shownRowHeight(row);
}

QVector<GridGeometry::ColumnSpan> GridGeometrySource::displayedColumns() const {
    const GridStore& s = m_context.store;
    QVector<GridGeometry::ColumnSpan> cols;
    s.forEachShownColumn([&](int col, const GridColumn& c, int pos) {
        cols.push_back({col, c.Width(), s.colPosFrozen(pos)});
    });
    return cols;
}

int GridGeometrySource::rowTextStartCol() const {
    // A hidden start column hands over to the next shown one in display order.
    const GridStore& s = m_context.store;
    const auto& order = s.displayOrder();
    auto it = std::find(order.begin(), order.end(), m_context.look.rowTextStartCol);
    for (; it != order.end(); ++it)
        if (const GridColumn* c = s.ColObject(*it); c && c->Visible())
            return *it;
    return 0;
}

int GridGeometrySource::rowTextCol() const {
    return RowTextColIndex;
}

// ----- GridSelectionSource -----

int GridSelectionSource::rowCount() const {
    return m_context.store.RowCount();
}

int GridSelectionSource::colCount() const {
    return m_context.store.ColCount();
}

bool GridSelectionSource::rowShown(int row) const {
    return m_context.geometry.rowHeight(row) > 0;
}

QList<int> GridSelectionSource::shownColumns() const {
    QList<int> cols;
    m_context.store.forEachShownColumn(
        [&cols](int col, const GridColumn&) { cols.push_back(col); });
    return cols;
}

int GridSelectionSource::rowTop(int row) const {
    return m_context.geometry.rowTop(row);
}

int GridSelectionSource::rowAtOffset(int y) const {
    const GridGeometry& geo = m_context.geometry;
    if (geo.rowCount() == 0)
        return 0;
    const int row = geo.rowAt(std::clamp(y, 0, std::max(0, geo.totalHeight() - 1)));
    return row != 0 ? row : (y <= 0 ? 1 : geo.rowCount());
}

int GridSelectionSource::pageHeight() const {
    return m_context.viewport().rowsArea().height();
}

bool GridSelectionSource::rowSelected(int row) const {
    return m_context.store.RowSelected(row);
}

bool GridSelectionSource::rowFolded(int row) const {
    return m_context.store.rowFolded(row);
}

void GridSelectionSource::setRowSelected(int row, bool on) {
    m_context.store.SetRowSelected(row, on);
}

bool GridSelectionSource::cellSelected(int row, int col) const {
    return m_context.store.CellSelected(row, col);
}

void GridSelectionSource::setCellSelected(int row, int col, bool on) {
    m_context.store.SetCellSelected(row, col, on);
}

qsizetype GridSelectionSource::selectedCellCount() const {
    return m_context.store.selectedCellCount();
}

void GridSelectionSource::writeSelectedCells(GridCellPos* out, int* firstCol, int* lastCol) const {
    m_context.store.writeSelectedCells(out, firstCol, lastCol);
}
