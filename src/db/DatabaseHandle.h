#pragma once
// An open SQLite database, shared by a connection and its recordsets and closed when the
// last of them lets go. Internal to the database layer.

#include <QString>

struct sqlite3;

namespace db {

class Connection;

struct DatabaseHandle {
    DatabaseHandle(sqlite3* db, Connection* owner, QString file);
    ~DatabaseHandle();
    DatabaseHandle(const DatabaseHandle&) = delete;
    DatabaseHandle& operator=(const DatabaseHandle&) = delete;

    sqlite3* const db;
    Connection* owner; // nullptr once the connection closed or went
    const QString file;
};

} // namespace db
