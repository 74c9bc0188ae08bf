#pragma once
// Where rows and columns are: row tops in a Fenwick tree over the row heights (hidden rows
// count 0), so y -> row and row -> y cost O(log n) even for a million rows; columns in
// display order with their left edges; the rectangles of cells, of the row-text area under
// a row and of group rows, which span the whole row. Everything is in content coordinates
// (0, 0 = top-left of the first row and column, before scrolling).
//
// The geometry does not own the data: it reads it through `Source` and rebuilds lazily
// after invalidate*() calls, so bulk changes cost one rebuild at the next query.

#include "core/GridInternal.h"

#include <QRect>
#include <QVector>
#include <cstdint>
#include <vector>

class GridGeometry {
public:
    struct RowLayout {
        int height = 0;      // whole row, 0 while hidden
        int cellsHeight = 0; // the cells part; the rest is the row-text area
        bool group = false;  // a group row: one cell spanning the row
    };
    struct ColumnSpan {
        int col = 0;         // column index
        int width = 0;       // pixels
        bool frozen = false; // in the frozen area, which comes first in display order
    };

    // What the geometry measures; the grid implements it over its store.
    class Source {
    public:
        virtual ~Source() = default;
        virtual int rowCount() const = 0;
        virtual RowLayout rowLayout(int row) const = 0;
        // rowLayout(row).height alone: the height index reads it for every row.
        virtual int rowHeight(int row) const { return rowLayout(row).height; }
        // The visible columns in display order.
        virtual QVector<ColumnSpan> displayedColumns() const = 0;
        // The shown column under which the row text starts; 0 when none is shown.
        virtual int rowTextStartCol() const = 0;
        virtual int rowTextCol() const = 0;
    };

    explicit GridGeometry(const Source& source) : m_source(source) {}

    // Rows were added, removed, reordered, hidden or re-heighted in bulk.
    void invalidateRows() { m_rowsDirty = true; }
    // Rows were added at the end (the source already counts them). Taken in at the next
    // query or row change, so rows appended one by one cost one pass over them.
    void rowsAppended(int count);
    // Rows row..row + count - 1 were removed (the source no longer counts them). Only the
    // kept heights shift; the tree is rebuilt from them at the next positional query, so a
    // run of removals between paints never asks the source for every row again.
    void rowsRemoved(int row, int count);
    // One row's height or visibility changed: O(log n) unless a rebuild is pending anyway.
    void rowHeightChanged(int row);
    // Rows first..first + count - 1 were folded or unfolded.
    void rowsHeightChanged(int first, int count);
    // No rows will come for a while: the per-row tables give back the room they grew into.
    void releaseSpareRows();
    // Columns were added, removed, moved, hidden or resized.
    void invalidateColumns() { m_colsDirty = true; }

    int rowCount() const;
    int totalHeight() const;
    int rowTop(int row) const;    // top of the row (also for hidden rows: where it would be)
    int rowHeight(int row) const; // effective height, 0 for hidden rows
    int rowAt(int y) const;       // the shown row covering y, 0 when none
    // How many shown rows there are from the first down to this one (rows that take height),
    // so alternating row colours alternate over what shows.
    int shownOrdinal(int row) const;
    // The first and last shown rows that intersect [top, bottom); (0, -1) when none.
    std::pair<int, int> rowsIn(int top, int bottom) const;

    const QVector<ColumnSpan>& columns() const; // shown columns in display order
    int totalWidth() const;
    int colLeft(int col) const;  // -1 when the column is not shown
    int colWidth(int col) const; // 0 when the column is not shown
    int colAt(int x) const;      // shown column covering x, 0 when none
    // The frozen area: the shown frozen columns, from x 0 to frozenWidth().
    int frozenWidth() const;
    bool colFrozen(int col) const;

    QRect rowRect(int row) const;
    // Cell rectangle; col may be the row-text column. Empty when nothing of it is shown.
    QRect cellRect(int row, int col) const;
    // The row-text area of an ordinary row (empty when the row has none).
    QRect rowTextRect(int row) const;
    int rowTextLeft() const;

    // The cell under a point: {row, col}; col is the row-text column over a group row or a
    // row-text area; {0, 0} outside rows, {row, 0} beyond the last column.
    std::pair<int, int> cellAt(const QPoint& p) const;

private:
    void ensureHeights() const; // m_heights, m_rowCount and m_total from the source
    void takeAppended() const;  // the rows appended since, from the source
    void ensureRows() const;    // ensureHeights() and the tree
    void ensureColumns() const;
    int prefix(int row) const; // sum of heights of rows 1..row
    void fenwickAdd(int row, int delta) const;

    const Source& m_source;
    mutable bool m_rowsDirty = true;
    mutable bool m_treeDirty = false; // heights are current, the tree is not
    mutable bool m_colsDirty = true;
    mutable std::vector<std::int64_t> m_tree; // Fenwick tree, 1-based
    mutable std::vector<int> m_heights;       // effective heights, 1-based
    mutable int m_rowCount = 0;
    mutable int m_appended = 0;       // rows past m_rowCount not taken in yet
    mutable std::int64_t m_total = 0; // sum of m_heights
    mutable int m_hiddenRows = 0;     // rows of no height; while there are none, ordinal = row
    mutable bool m_ordinalsDirty = true;
    mutable std::vector<int> m_ordinals; // shownOrdinal by row, made when first asked for
    mutable QVector<ColumnSpan> m_cols;
    mutable QVector<int> m_lefts;  // parallel to m_cols, plus the total width at the end
    mutable int m_frozenShown = 0; // the first m_frozenShown of m_cols are frozen
};
