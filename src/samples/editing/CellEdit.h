#pragma once
// What the database editing windows decide about one edit of a grid cell: whether it
// changes the value at all, what the grid commits after a write, and how a write the
// database refused is told to the user.

#include "components/grid/GridEvents.h"
#include "db/Error.h"
#include "runtime/Variant.h"

#include <QString>

#include <optional>

// Whether an edit changes the cell: a value of another type that reads the same (a Single 3
// and a Long 3) is no change, and neither is an empty text typed over an empty or Null cell.
bool ChangesCell(const Variant& shown, const Variant& edited);

// Whether a BeforeCommitEdit is for the window to store: a toggle is left to CellCheckChange
// (so that it is stored once), and an edit that changes nothing to nobody.
bool IsEditToStore(const BeforeCommitEditArgs& args, const Variant& shown);
// The commit after the window's write: the cell takes the value as stored; after a refusal
// (nothing stored) the editor stays open to correct it.
void CommitAsStored(BeforeCommitEditArgs& args, const std::optional<Variant>& stored);

// "Error updating row #3:" and the database's description on the next line; then, where
// the grid keeps showing what was not stored, the note that says so.
void ReportRowUpdateError(int row, const db::Error& error, const QString& note = QString());

// The note of a refused write of a check box, which keeps showing its new state.
QString CheckBoxNotSavedNote();
