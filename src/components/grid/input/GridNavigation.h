#pragma once
// The current cell and the keyboard moves. Moves follow what the user sees: hidden rows
// and hidden columns are skipped and columns go in display order.

#include "core/GridInternal.h"

#include "components/grid/GridTypes.h"

#include <QList>
#include <functional>
#include <optional>

// The facts navigation needs about the grid, answered from its store and
// geometry. Row offsets are in content pixels (0 = top of the first row).
class GridNavigationSpace {
public:
    virtual ~GridNavigationSpace() = default;
    virtual int rowCount() const = 0;
    virtual int colCount() const = 0;
    virtual bool rowShown(int row) const = 0;
    // Visible columns, in display order.
    virtual QList<int> shownColumns() const = 0;
    virtual int rowTop(int row) const = 0;
    // The row covering content offset y, clamped to the first/last row.
    virtual int rowAtOffset(int y) const = 0;
    // Height of the area that shows rows.
    virtual int pageHeight() const = 0;
};

enum class GridMove {
    Up,
    Down,
    Left,
    Right,
    PageUp,
    PageDown,
    RowStart, // Home
    RowEnd,   // End
    FirstRow, // Ctrl+Home
    LastRow,  // Ctrl+End
    NextCell, // Tab: along the row, then on to the next row
    PrevCell, // Shift+Tab
};

class GridEventSink;

class GridNavigation {
public:
    GridNavigation(const GridNavigationSpace& space, GridEventSink& events);
    GridNavigation(const GridNavigation&) = delete;
    GridNavigation& operator=(const GridNavigation&) = delete;

    int CurRow() const { return m_cur.row; }
    int CurCol() const { return m_cur.col; }
    GridCellPos current() const { return m_cur; }

    // Moves the current cell and raises CurRowChange, CurColChange (each only when its part
    // changed) and then CurCellChange. A handler may move the cell again; the outer move
    // then stops raising its remaining events, so the last move wins. Out-of-range
    // positions are clamped; row 0 or column 0 clears both.
    void SetCurCell(int row, int col);
    // Called right before CurCellChange with the new cell (an open editor commits first).
    void setBeforeCellChange(std::function<void(int, int)> hook) {
        m_beforeCellChange = std::move(hook);
    }

    // Follows rows that moved or went (sorting, insertion, removal) without raising
    // events: the current cell belongs to its row, not to a position.
    void followRow(int newRow);
    void rowsInserted(int before, int count);
    void rowsRemoved(int first, int count);
    void columnsChanged(); // keeps CurCol valid after columns went

    // The cell a move leads to, or nothing when the move has nowhere to go (Tab at the last
    // cell, no shown rows). With no current cell a move goes to the first cell (Ctrl+End:
    // the last row's).
    std::optional<GridCellPos> target(GridMove move, bool rowMode) const;

    int firstShownRow() const;
    int lastShownRow() const;
    // The nearest shown row at or after row (step 1) or at or before it (step -1); 0 if none.
    int shownRowFrom(int row, int step) const;

private:
    int pageTarget(int row, int direction) const;

    const GridNavigationSpace& m_space;
    GridEventSink& m_events;
    std::function<void(int, int)> m_beforeCellChange;
    GridCellPos m_cur;
    quint64 m_moveSerial = 0; // bumped by every move, to spot moves made by handlers
};
