#pragma once
// Moving the current cell together with the selection that goes with the move, and
// scrolling it into view. The program's moves (SetCurCell, SetCurRow), clicks, keys, the
// typing search and the editor's moves after a commit all go through here.

#include "core/GridInternal.h"

#include "components/grid/GridTypes.h"

struct GridContext;

class GridCurrentCell {
public:
    // How a move treats the selection.
    enum class Select {
        Only,      // the cell alone (a plain click or key)
        Toggle,    // Ctrl+click
        Extend,    // Shift: the range from the anchor
        ExtendAdd, // Ctrl+Shift: the range added to what was selected
        Keep,      // Ctrl+key: the selection stays (single selection follows the cell)
    };

    explicit GridCurrentCell(const GridContext& context) : m_context(context) {}

    // A move made by the program: raises the current-cell events. In single selection the
    // selection follows the current cell; a multiple selection is left alone. Indexes past
    // the last row or column are clamped; row or column 0 means no current cell.
    void set(int row, int col);
    // The row, keeping the current column (the first shown column when there is none).
    void setRow(int row);
    void moveTo(GridCellPos cell, Select how);

    // Scrolls so that the row, and the cell's column unless in row mode, is in view.
    void ensureVisible(GridCellPos cell);
    void ensureRowVisible(int row);

private:
    const GridContext& m_context;
};
