#pragma once
// The selection: cells, or whole rows in row mode; one item or many. The selected bits
// live with the rows in the store (so they follow rows through sorting); this unit decides
// which bits change for a click, a key or a drag and raises the selection events.
//
// Ranges (Shift, drag) are rectangles in what the user sees: rows between two rows and
// columns between two display positions, hidden rows and hidden columns left out.
// Every change raises BeforeSelectionChange, CellSelectionChange per changed item (only
// while someone listens: selecting a whole big grid changes half a million cells) and
// AfterSelectionChange, whether the user or the program made it.

#include "core/GridInternal.h"

#include "components/grid/GridSelItems.h"
#include "input/GridNavigation.h"

#include <QSet>
#include <QVector>

// The grid as selection sees it: navigation's view plus the selected bits of the store.
// In row mode the row bit is the row's selection. In cell mode the row bit summarises the
// row ("some cell of it is selected"), so scans skip unselected rows of a million-row grid
// in one test each; painting asks CellSelected() and never reads the row bit directly.
class GridSelectionSpace : public GridNavigationSpace {
public:
    virtual bool rowSelected(int row) const = 0;
    // Folded under a collapsed row: selection reads leave it out (its bit stays).
    virtual bool rowFolded(int /*row*/) const { return false; }
    virtual void setRowSelected(int row, bool on) = 0;
    virtual bool cellSelected(int row, int col) const = 0;
    virtual void setCellSelected(int row, int col, bool on) = 0;
    // Bulk reads of the cell selection (rows whose bit is set), for SelItems: the number of
    // selected cells, and the cells ascending by row and column with their lowest and
    // highest column (0 when none).
    virtual qsizetype selectedCellCount() const = 0;
    virtual void writeSelectedCells(GridCellPos* out, int* firstCol, int* lastCol) const = 0;
};

class GridEventSink;

class GridSelection {
public:
    GridSelection(GridSelectionSpace& space, GridEventSink& events);
    GridSelection(const GridSelection&) = delete;
    GridSelection& operator=(const GridSelection&) = delete;

    bool MultiSelect() const { return m_multi; }
    // Leaving multiple selection keeps only the anchor's item.
    void SetMultiSelect(bool on);
    bool RowMode() const { return m_rowMode; }
    // Switching modes clears the selection: cell and row selections do not convert.
    void SetRowMode(bool on);

    // In row mode a cell reads as selected when its row is, and writing it (de)selects
    // the row. Col 0 addresses the row in either mode's reading.
    bool CellSelected(int row, int col) const;
    void SetCellSelected(int row, int col, bool selected);
    void ClearSelection();
    // Whether a cell shows as selected; the row-text column shows its row's selection.
    bool isShownSelected(int row, int col) const;

    GridSelItems& SelItems() { return m_items; }

    // --- user gestures (the input handlers call these) ---
    // Plain click or move: the item alone is selected and becomes the anchor.
    void selectOnly(GridCellPos cell);
    // Ctrl: toggles the item (alone in single selection); the item becomes the anchor.
    void toggle(GridCellPos cell);
    // Shift or drag: the rectangle from the anchor to cell; additive keeps what was selected
    // before the range began (Ctrl held). Repeated calls replace the previous rectangle.
    void extendTo(GridCellPos cell, bool additive);
    // Ctrl+A: every shown item.
    void selectAll();
    // Ctrl+click or Ctrl+move: the anchor moves without changing the selection.
    void setAnchor(GridCellPos cell);
    GridCellPos anchor() const { return m_anchor; }

    // Rows moved or went: the anchor follows its row; a range in progress ends.
    void followAnchorRow(int newRow);

    // For GridSelItems: the number of selected items, and the items ascending by row and
    // then by column (column 0 in row mode) with the lowest and highest column (0 when
    // none; 1..ColCount in row mode).
    qsizetype selectedCount() const;
    QVector<GridCellPos> selectedItems(int* firstCol, int* lastCol) const;
    const GridSelectionSpace& space() const { return m_space; }

private:
    struct Range {
        int row1 = 0, row2 = 0; // row indexes, row1 <= row2
        int pos1 = 0, pos2 = 0; // display positions in shownColumns(), 0-based
        bool valid() const { return row1 > 0; }
        bool contains(int row, int pos) const {
            return row >= row1 && row <= row2 && pos >= pos1 && pos <= pos2;
        }
    };
    class Change; // brackets one operation with the before/after events

    bool itemSelected(int row, int col) const;
    // Sets one item's bit; reports the change when the bit flipped. In cell mode the row's
    // summary bit follows unless the caller settles it itself (keepSummary).
    void setItem(Change& change, int row, int col, bool on, bool keepSummary = false);
    void clearItems(Change& change);
    QList<int> itemColumns() const; // shown columns in display order; {0} in row mode
    Range rangeTo(GridCellPos cell) const;
    void endRange();
    static quint64 keyOf(int row, int col) { return (quint64(quint32(row)) << 32) | quint32(col); }

    GridSelectionSpace& m_space;
    GridEventSink& m_events;
    GridSelItems m_items{*this};
    bool m_multi = false;
    bool m_rowMode = false;
    GridCellPos m_anchor;
    Range m_range; // the rectangle of the range in progress
    bool m_rangeAdditive = false;
    QSet<quint64> m_selectedBefore; // items the range covered that were selected before it
};
