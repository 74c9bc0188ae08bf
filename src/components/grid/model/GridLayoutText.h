#pragma once
// ColLayout / SortLayout: the column arrangement and the sort state as short versioned texts
// the windows store in their settings unchanged.
//
//   ColLayout:  "TXL2;<count>;<frozen>;<col>,<width>,<visible>;..." listed in display order
//   SortLayout: "TXS1;<count>;<col>,<order>,<sortType>;..." outermost criterion first
// where <col> is "k:<key>" for keyed columns and "i:<index>" otherwise, <count> the grid's
// column count when written and <frozen> its FrozenCols (at most <count>): dragging a header
// across the frozen edge changes both the order and the count, so they are kept together.
// Texts of the first version, "TXL1;<count>;<entries>", still apply and leave FrozenCols.
// <key> is percent-encoded UTF-8: every character but letters, digits and "-._~" as %XX
// (upper-case hex). It is read back only in exactly that form, so a key with separators
// survives and a hand-edited or garbled one names no column.
// A text for another column set (other count, unknown key or index), an older/unknown
// version, an empty or garbled text is refused as a whole: nothing changes and the apply
// function returns false.

#include "core/GridInternal.h"

#include <QString>

class GridStore;
class GridSort;

QString encodeColLayout(const GridStore& store);
bool applyColLayout(GridStore& store, const QString& text);

QString encodeSortLayout(const GridStore& store, const GridSort& sort);
// Restores the criteria and sorts by them (an empty criteria list clears the sort).
bool applySortLayout(GridStore& store, GridSort& sort, const QString& text);
