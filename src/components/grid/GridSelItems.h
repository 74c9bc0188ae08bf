#pragma once
// The `SelItems` object: reads the grid's selection.

#include "components/grid/GridTypes.h"

#include <QVector>

class GridSelection;

class GridSelItems {
public:
    explicit GridSelItems(const GridSelection& selection) : m_selection(selection) {}

    // Number of selected items: rows in row mode, cells otherwise.
    int Count() const;
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted) { m_sorted = sorted; }
    // The selected items, ascending by row and then by column (with Sorted False too);
    // item i in the callers' 1-based numbering is element i - 1. In row mode one item per
    // row with column 0. The outputs receive the selection's bounding box (column indexes;
    // 1..ColCount in row mode), all 0 when nothing is selected.
    QVector<GridCellPos> GetRows(int* firstRow = nullptr, int* lastRow = nullptr,
                                 int* firstCol = nullptr, int* lastCol = nullptr) const;

private:
    const GridSelection& m_selection;
    bool m_sorted = false;
};
