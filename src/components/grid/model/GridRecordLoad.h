#pragma once
// FillFromRS: a recordset's records loaded into the store, one row per record, inside one
// batch of changes.
//
// - No mode: the rows go and the records take their place. A grid without columns first
//   gets one column per field, keyed and headed by the field's name; a grid with columns
//   keeps them and each field lands in the column whose key is its name (without regard to
//   case); fields without such a column are not shown.
// - Mode 0: the columns are made afresh (rows and columns go first), no rows.
// - Mode 1: as no mode, but into the existing columns only (none are made).
// - Mode 2: as mode 1, the rows following the rows already there.
// New cells take the column defaults current at load time and the values keep the fields'
// types. A yes/no field becomes a check-box column (box centred, sorted by check state);
// into a column showing check boxes it loads as the check state alone, so no "True" or
// "False" is drawn beside the box. With row keys each row's key is the text of its record's
// AbsolutePosition.

#include "core/GridInternal.h"

#include <optional>

class GridHost;
class GridRecordSource;
class GridStore;

enum GridRecordLoadMode : int { LoadColumnsOnly = 0, LoadIntoColumns = 1, LoadAfterRows = 2 };

// false for an unknown mode, or when the source failed to move (the rows read until then
// stay; the source keeps its error).
bool loadRecords(GridStore& store, GridHost& host, GridRecordSource& records,
                 std::optional<int> mode, bool rowKeys);
