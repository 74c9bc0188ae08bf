#pragma once
// Values written by the program (CellValue, the editor's commits): the cell takes the value,
// and a check box in the cell shows it. No events.

#include "core/GridInternal.h"

#include "components/grid/GridTypes.h"
#include "runtime/Variant.h"

class GridStore;

// The check state a value shows in a check-box cell: 0 / False unchecked, 2 grayed in a
// three-state cell, any other number / True checked. Empty, Null and text that is not a
// number leave `current`.
int checkStateForValue(const Variant& value, bool threeState, int current);

void writeCellValue(GridStore& store, int row, const ColRef& col, const Variant& value);
// A text goes straight into the cell, with no Variant in between: filling a grid writes
// texts by the million.
void writeCellText(GridStore& store, int row, const ColRef& col, const QString& text);
