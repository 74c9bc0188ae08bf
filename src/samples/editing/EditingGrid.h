#pragma once
// The grid of a database editing window filled from a recordset: the program's grid look,
// rows with room for check boxes, one column per field fitted to its texts, and rows that
// keep the records' order (no sorting by header click). Where each row's RowTag holds its
// record's position, edits reach the record through it.

#include <QString>

class TessixGrid;
class Variant;
namespace db {
class Field;
class Recordset;
} // namespace db

// false when the records could not be read, which is reported.
bool FillEditingGrid(TessixGrid* grid, db::Recordset& records);

// Assigns a value to a field of the row's record; the field, or null when the record or the
// value was refused (the recordset's LastError says why).
db::Field* AssignRowRecordField(const TessixGrid* grid, int row, db::Recordset& records,
                                const QString& key, const Variant& value);
