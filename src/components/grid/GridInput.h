#pragma once
// Mouse and keyboard handling of the grid: clicks and drags that select and move the current
// cell, the header (sorting clicks, column resizing and dragging, hot tracking), the wheel,
// navigation keys and the mouse and keyboard events the windows handle. It owns the
// selection, the current cell and the tooltips; the widget delegates its input here.

#include "components/grid/GridNavigation.h"
#include "components/grid/GridSelection.h"
#include "components/grid/GridToolTips.h"

#include "components/grid/TessixGrid.h"

#include <QObject>
#include <QPoint>
#include <memory>

struct GridChange;

// KeyDown code of a key event (the classic virtual-key numbers), 0 for keys without one.
int windowsKeyCode(const QKeyEvent* e);
// ShiftState bits (GridShiftState) of keyboard modifiers.
int shiftState(Qt::KeyboardModifiers mods);

class GridInput : public QObject, public GridInputHandler {
    Q_OBJECT
public:
    explicit GridInput(TessixGrid& grid);
    ~GridInput() override;

    GridSelection& selection() { return m_selection; }
    const GridNavigation& navigation() const { return m_navigation; }
    GridToolTips& toolTips() { return m_toolTips; }

    // A move made by the program: raises the current-cell events. In single selection the
    // selection follows the current cell; a multiple selection is left alone.
    void SetCurCell(int row, int col);
    bool TabMovesCurCell() const { return m_tabMovesCurCell; }
    void SetTabMovesCurCell(bool on) { m_tabMovesCurCell = on; }
    // Whether a cell shows as selected (in row mode: its row).
    bool isSelected(int row, int col) const;

    // Rows moved, came or went: the current cell and the selection anchor follow their rows
    // quietly (no events: program-made row changes must not look like moves).
    void storeChanged(const GridChange& change);

    // GridInputHandler
    bool mousePress(QMouseEvent* e) override;
    bool mouseMove(QMouseEvent* e) override;
    bool mouseRelease(QMouseEvent* e) override;
    bool mouseDoubleClick(QMouseEvent* e) override;
    bool wheel(QWheelEvent* e) override;
    bool keyPress(QKeyEvent* e) override;
    void pointerLeft() override;

    // Rows or columns moved under a still pointer (a layout change, a scroll): the hot cell
    // follows what is under the pointer now, at the next turn of the event loop, so that
    // handlers that changed the layout finish before the enter and leave events run.
    void layoutChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Gesture {
        None,
        Cells,        // pressed on a cell: drag selects in multiple selection
        SelectedCell, // pressed on a selected cell: a drag starts dragging the selection
        Header,       // pressed on a header item: click sorts, drag moves the column
        ColumnDrag,
        Resize,
    };
    // How a move treats the selection.
    enum class Select { Only, Toggle, Extend, ExtendAdd, Keep };

    // {row, col} under a viewport point: row 0 on the header and outside the rows.
    std::pair<int, int> hitAt(const QPoint& pos) const;
    GridCellPos clickCell(int row, int col) const; // maps group-row and row-text hits
    void moveTo(GridCellPos cell, Select how);
    void ensureVisible(GridCellPos cell);
    void syncPaint();
    bool keyMove(QKeyEvent* e);

    void trackPointer(const QPoint& pos, int buttons, int shift);
    void updateHotSpots(const QPoint& pos);
    void setHotCell(int row, int col);
    void setHotColumn(int col);
    int dividerAt(const QPoint& pos) const; // column whose right edge is under pos, or 0
    int dropPosition(const QPoint& pos) const;
    void sortByHeader(int col, Qt::KeyboardModifiers mods);
    void endGesture();
    std::optional<GridToolTipContent> toolTipAt(const QPoint& pos);

    class Space;

    TessixGrid& m_grid;
    std::unique_ptr<Space> m_space;
    GridSelection m_selection;
    GridNavigation m_navigation;
    GridToolTips m_toolTips;
    bool m_tabMovesCurCell = true;

    Gesture m_gesture = Gesture::None;
    QPoint m_pressPos;
    GridCellPos m_pressCell;
    int m_pressCol = 0;       // header item or resized column
    int m_pressWidth = 0;     // width of the resized column at the press
    bool m_pressCtrl = false; // Ctrl held at the press (additive drag)
    bool m_resized = false;

    GridCellPos m_hotCell;
    std::optional<QPoint> m_pointer; // where the last move left the pointer, while inside
    bool m_hotRefreshQueued = false;
    int m_hotColumn = -1; // -1: the pointer is in no column area we reported
    int m_wheelRemainder = 0;
};
