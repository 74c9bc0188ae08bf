#pragma once
// Writing one changed record back to its table, and reading it again as stored. The UPDATE
// selects the record by its primary key as read and by the values its changed fields had
// then, so a record someone else changed or deleted meanwhile matches nothing: that is a
// conflict (RecordChangedError), never an overwrite. Internal to the database layer.

#include "db/Error.h"
#include "runtime/Variant.h"

#include <QString>
#include <vector>

struct sqlite3;

namespace db {

// Where a recordset's records are written: the table, its key and each field's column.
struct WriteTarget {
    QString table;
    std::vector<int> keyFields;   // the primary key's fields
    std::vector<QString> columns; // per field; empty for a computed field
    std::vector<VarType> types;   // per field
};

// current: the record as changed; original: as read. Only the changed fields are set.
Error writeRecord(sqlite3* db, const WriteTarget& target, const Variant* current,
                  const std::vector<Variant>& original, const std::vector<bool>& changed);
// Reads the record's table fields again by its (current) key, as the database stored them
// (after its own conversions). A record that is gone is left as it was.
void rereadRecord(sqlite3* db, const WriteTarget& target, Variant* record);

} // namespace db
