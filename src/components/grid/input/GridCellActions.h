#pragma once
// What the input unit hands on once it has raised its own events and the handlers left the
// default on: keys and typing, clicks and double clicks on cells. The editor implements it
// (editing, check boxes, drop-down lists, typing search).

#include "core/GridInternal.h"

class QKeyEvent;
class QPoint;
struct CellDblClickArgs;

class GridCellActions {
public:
    virtual ~GridCellActions() = default;
    // A key after KeyDown, before navigation: true when handled.
    virtual bool gridKey(QKeyEvent* e) = 0;
    // A character after KeyPress (0 when the handler dropped it).
    virtual void typed(int keyAscii) = 0;
    // After CellClick / CellDblClick (viewport point of the click).
    virtual void cellClicked(int row, int col, const QPoint& pos) = 0;
    virtual void cellDoubleClicked(const CellDblClickArgs& args) = 0;
};
