#pragma once
// Mouse and keyboard handling of the grid: clicks and drags that select and move the current
// cell, the header (sorting clicks, column resizing and dragging, hot tracking), the wheel,
// navigation keys and the mouse and keyboard events the windows handle. What the handlers
// leave to the grid on a cell (editing, check boxes, typing) goes on to the cell actions.

#include "core/GridInternal.h"

#include "core/GridFeature.h"
#include "input/GridToolTips.h"

#include "components/grid/GridTypes.h"

#include <QObject>
#include <QPoint>
#include <optional>
#include <vector>

class GridCellActions;
struct GridContext;

class GridInput : public QObject, public GridFeature {
    Q_OBJECT
public:
    explicit GridInput(const GridContext& context);
    ~GridInput() override;

    // Who gets the cell actions, in order.
    void setCellActions(std::vector<GridCellActions*> actions) { m_actions = std::move(actions); }
    GridToolTips& toolTips() { return m_toolTips; }

    // GridFeature
    // Rows moved, came or went: the current cell and the selection anchor follow their rows
    // quietly (no events: program-made row changes must not look like moves).
    void storeChanged(const GridChange& change) override;
    // Rows or columns moved under a still pointer (a layout change, a scroll): the hot cell
    // follows what is under the pointer now, at the next turn of the event loop, so that
    // handlers that changed the layout finish before the enter and leave events run.
    void layoutChanged() override;
    bool mousePress(QMouseEvent* e) override;
    bool mouseMove(QMouseEvent* e) override;
    bool mouseRelease(QMouseEvent* e) override;
    bool mouseDoubleClick(QMouseEvent* e) override;
    bool wheel(QWheelEvent* e) override;
    bool keyPress(QKeyEvent* e) override;
    void pointerLeft() override;

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

    // {row, col} under a viewport point: row 0 on the header and outside the rows.
    std::pair<int, int> hitAt(const QPoint& pos) const;
    GridCellPos clickCell(int row, int col) const; // maps group-row and row-text hits
    bool keyMove(QKeyEvent* e);

    void trackPointer(const QPoint& pos, int buttons, int shift);
    void updateHotSpots(const QPoint& pos);
    void setHotCell(int row, int col);
    void setHotColumn(int col);
    int dividerAt(const QPoint& pos) const; // column whose right edge is under pos, or 0
    void sortByHeader(int col, Qt::KeyboardModifiers mods);
    void endGesture();
    std::optional<GridToolTipContent> toolTipAt(const QPoint& pos);

    const GridContext& m_context;
    std::vector<GridCellActions*> m_actions;
    GridToolTips m_toolTips;

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
