#pragma once
// The records of a query on the PostgreSQL server: the whole result, read at open (static
// and keyset cursors), or a server cursor declared for the query and read CacheSize records
// at a time with FETCH FORWARD (forward-only: the client never holds more than one block).
// Values arrive as text and are read as their column's type. Internal to the database
// layer.

#include "db/RecordCursor.h"

#include <memory>
#include <vector>

namespace db {

struct DatabaseHandle;

struct ServerRecords {
    std::unique_ptr<RecordCursor> records; // nullptr (error set) when the query failed
    std::vector<QString> names;
    std::vector<VarType> types;
};

ServerRecords readAllServerRecords(DatabaseHandle& handle, const QString& sql, Error& error);
ServerRecords declareServerCursor(const std::shared_ptr<DatabaseHandle>& handle, const QString& sql,
                                  int cacheSize, Error& error);

} // namespace db
