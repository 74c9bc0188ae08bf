#include "input/GridCurrentCell.h"

#include "core/GridContext.h"
#include "input/GridNavigation.h"
#include "input/GridSelection.h"
#include "model/GridStore.h"
#include "view/GridGeometry.h"
#include "view/GridScrollBars.h"

#include "components/grid/GridEvents.h"

#include <algorithm>

void GridCurrentCell::set(int row, int col) {
    const int rows = m_context.store.RowCount();
    const int cols = m_context.store.ColCount();
    const bool none = row <= 0 || col <= 0 || rows == 0 || cols == 0;
    const GridCellPos cell =
        none ? GridCellPos{} : GridCellPos{std::min(row, rows), std::min(col, cols)};
    GridSelection& selection = m_context.selection;
    if (!selection.MultiSelect()) {
        if (none)
            selection.ClearSelection();
        else
            selection.selectOnly(cell);
    } else {
        selection.setAnchor(cell);
    }
    m_context.navigation.SetCurCell(cell.row, cell.col);
    ensureVisible(m_context.navigation.current());
    m_context.repaint();
}

void GridCurrentCell::setRow(int row) {
    int col = m_context.navigation.CurCol();
    if (col == 0) {
        const auto& cols = m_context.geometry.columns();
        col = cols.isEmpty() ? 1 : cols.first().col;
    }
    set(row, col);
}

void GridCurrentCell::moveTo(GridCellPos cell, Select how) {
    GridSelection& selection = m_context.selection;
    switch (how) {
    case Select::Only:
        selection.selectOnly(cell);
        break;
    case Select::Toggle:
        selection.toggle(cell);
        break;
    case Select::Extend:
        selection.extendTo(cell, false);
        break;
    case Select::ExtendAdd:
        selection.extendTo(cell, true);
        break;
    case Select::Keep:
        if (!selection.MultiSelect())
            selection.selectOnly(cell);
        break;
    }
    m_context.navigation.SetCurCell(cell.row, cell.col);
    ensureVisible(m_context.navigation.current());
    m_context.repaint();
}

void GridCurrentCell::ensureRowVisible(int row) {
    if (m_context.geometry.rowHeight(row) <= 0)
        return;
    m_context.host.updateScrollRanges(); // the range may be stale inside BeginUpdate
    m_context.scrollBars.scrollTo(ScrollBarVertical, m_context.viewport().scrollYToShow(row));
}

void GridCurrentCell::ensureVisible(GridCellPos cell) {
    if (cell.row <= 0)
        return;
    ensureRowVisible(cell.row);
    if (!m_context.selection.RowMode())
        m_context.scrollBars.scrollTo(ScrollBarHorizontal,
                                      m_context.viewport().scrollXToShow(cell.col));
}
