#pragma once
// The row UPDATE statement made from a grid row (db/RowUpdate.h writes it).

#include "db/RowUpdate.h"
#include "runtime/Variant.h"

#include <QString>

#include <vector>

class TessixGrid;

// A grid row's cell values, one per column.
std::vector<Variant> GridRowValues(const TessixGrid& grid, int row);

// The UPDATE of one grid row: every column by its cell value, keyed by its column key, into
// `table`, selecting the record whose `keyField` is `key` (as the caller last stored it, not
// as edited) and that still holds `stored`, the row's values as loaded or last saved, so that
// a change someone else made meanwhile is never overwritten (with no `stored`, the record
// is written whatever it holds).
db::RowUpdate GridRowUpdate(const TessixGrid& grid, int row, const QString& table,
                            const QString& keyField, const Variant& key,
                            const std::vector<Variant>& stored);
