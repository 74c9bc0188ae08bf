#pragma once
// The row UPDATE statement made from a grid row (db/RowUpdate.h writes it).

#include "db/RowUpdate.h"
#include "runtime/Variant.h"

#include <QString>

class TessixGrid;

// The UPDATE of one grid row: every column by its cell value, keyed by its column key, into
// `table`, selecting the record whose `keyField` is `key` (as the caller last stored it, not
// as edited).
db::RowUpdate GridRowUpdate(const TessixGrid& grid, int row, const QString& table,
                            const QString& keyField, const Variant& key);
