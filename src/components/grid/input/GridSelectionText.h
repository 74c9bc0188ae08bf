#pragma once
// The selection as tab-separated text, for Ctrl+C and for a drag whose window set no data.
//
// One line per row of the selection's bounding box, each ending in CR LF (also the last);
// one field per column between the leftmost and the rightmost selected column on screen,
// separated by tabs. A selection that is not a rectangle keeps its shape: cells inside the
// box that are not selected give empty fields, so a paste puts every cell where it was
// relative to the others. Hidden rows and columns (and rows folded under a collapsed one)
// are left out; columns come in display order; row mode takes every shown column. A field
// is the cell's shown text; one holding a tab, a line break or a double quote is put in
// double quotes with its quotes doubled, as spreadsheets read it.

#include "core/GridInternal.h"

#include <QString>

struct GridContext;

// "" when nothing is selected.
QString selectionText(const GridContext& context);
