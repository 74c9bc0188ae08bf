#pragma once
// What the input unit hands on once it has raised its own events and the handlers left the
// default on: keys and typing, presses, clicks and double clicks on cells. The outline (tree
// buttons and keys) and the editor (editing, check boxes, drop-down lists, typing search)
// implement it; the input unit asks them in that order and the first that handles an
// action ends it.

#include "core/GridInternal.h"

class QKeyEvent;
class QPoint;
struct CellDblClickArgs;

class GridCellActions {
public:
    virtual ~GridCellActions() = default;
    // A key after KeyDown, before navigation: true when handled.
    virtual bool gridKey(QKeyEvent*) { return false; }
    // A character after KeyPress (0 when the handler dropped it).
    virtual void typed(int /*keyAscii*/) {}
    // A left press on a cell after CellMouseDown, before the selection moves: true when
    // handled (the selection and the current cell then stay).
    virtual bool cellPressed(int /*row*/, int /*col*/, const QPoint&) { return false; }
    // After CellClick / CellDblClick (viewport point of the click).
    virtual void cellClicked(int /*row*/, int /*col*/, const QPoint&) {}
    virtual bool cellDoubleClicked(const CellDblClickArgs&) { return false; }
};
