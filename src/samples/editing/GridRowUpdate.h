#pragma once
// What the row-level editing windows share: telling whether an edit really changed a cell,
// and the row UPDATE statement made from a grid row (db/RowUpdate.h writes it).

#include "db/RowUpdate.h"
#include "runtime/Variant.h"

#include <QString>

class TessixGrid;

// Whether a cell's value after an edit differs from the value before it. A blank (Empty,
// Null or empty text) differs only from a value that is not blank, so typing into an empty
// cell counts while opening and leaving an empty cell does not; other values compare as in
// expressions (a Single 3 equals a Long 3, texts by case).
bool CellValueChanged(const Variant& before, const Variant& after);

// The UPDATE of one grid row: every column by its cell value, keyed by its column key, into
// `table`, selecting the record whose `keyField` is `key` (as the caller last stored it, not
// as edited).
db::RowUpdate GridRowUpdate(const TessixGrid& grid, int row, const QString& table,
                            const QString& keyField, const Variant& key);
