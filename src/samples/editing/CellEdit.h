#pragma once
// What the database editing windows decide about one edit of a grid cell: whether it
// changes the value at all, and how a write the database refused is told to the user.

#include "db/Error.h"
#include "runtime/Variant.h"

#include <QString>

// Whether an edit changes the cell: a value of another type that reads the same (a Single 3
// and a Long 3) is no change, and neither is an empty text typed over an empty or Null cell.
bool ChangesCell(const Variant& shown, const Variant& edited);

// "Error updating row #3:" and the database's description on the next line; then, where
// the grid keeps showing what was not stored, the note that says so.
void ReportRowUpdateError(int row, const db::Error& error, const QString& note = QString());
