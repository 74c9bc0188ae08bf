#pragma once
// An open database, shared by a connection and its recordsets and closed when the last of
// them lets go: an SQLite file, or a connection to the PostgreSQL server. Internal to the
// database layer.

#include <QString>

struct sqlite3;
struct pg_conn;

namespace db {

class Connection;

struct DatabaseHandle {
    DatabaseHandle(sqlite3* db, Connection* owner, QString file);
    DatabaseHandle(pg_conn* server, Connection* owner, QString description);
    ~DatabaseHandle();
    DatabaseHandle(const DatabaseHandle&) = delete;
    DatabaseHandle& operator=(const DatabaseHandle&) = delete;

    sqlite3* const db = nullptr;     // nullptr on the server
    pg_conn* const server = nullptr; // nullptr for a file
    Connection* owner;               // nullptr once the connection closed or went
    const QString file;              // the database file, or where the server is
    // The server's cursors live in one transaction, begun with the first and ended with the
    // last; each gets a name of its own.
    int openCursors = 0;
    int cursorsDeclared = 0;
};

} // namespace db
