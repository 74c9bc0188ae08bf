#pragma once
// The grid as the geometry and the selection see it, answered from the context: rows and
// columns from the store (and the look's row-text settings), shown rows from the geometry.

#include "core/GridInternal.h"

#include "input/GridSelection.h"
#include "view/GridGeometry.h"

struct GridContext;

// What the geometry measures.
class GridGeometrySource : public GridGeometry::Source {
public:
    explicit GridGeometrySource(const GridContext& context) : m_context(context) {}

    int rowCount() const override;
    GridGeometry::RowLayout rowLayout(int row) const override;
    int rowHeight(int row) const override;
    QVector<GridGeometry::ColumnSpan> displayedColumns() const override;
    int rowTextStartCol() const override;
    int rowTextCol() const override;

private:
    const GridContext& m_context;
};

// What selection and navigation work on. Rows count as the geometry shows them (what the
// user sees); columns come from the store, so they are right even while the geometry has
// not caught up with a column change yet.
class GridSelectionSource : public GridSelectionSpace {
public:
    explicit GridSelectionSource(const GridContext& context) : m_context(context) {}

    int rowCount() const override;
    int colCount() const override;
    bool rowShown(int row) const override;
    QList<int> shownColumns() const override;
    int rowTop(int row) const override;
    int rowAtOffset(int y) const override;
    int pageHeight() const override;
    bool rowSelected(int row) const override;
    bool rowFolded(int row) const override;
    void setRowSelected(int row, bool on) override;
    bool cellSelected(int row, int col) const override;
    void setCellSelected(int row, int col, bool on) override;
    qsizetype selectedCellCount() const override;
    void writeSelectedCells(GridCellPos* out, int* firstCol, int* lastCol) const override;

private:
    const GridContext& m_context;
};
