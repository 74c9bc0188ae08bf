#pragma once
// A connection to a database file, "Provider=SQLite;Data Source=<path>", or to a PostgreSQL
// server, "Provider=PostgreSQL;Host=...;Port=...;Database=...;User=...;Password=..." (with
// Schema=<name> for the tables of another schema) or a libpq URI "postgresql://...".
// Opening never creates a missing file and checks that the file is a database. Execute runs
// one statement (reporting the records it changed) or one query (its records as a
// recordset). The SQL is SQLite's, which runs the windows' SQL as they write it: [bracketed
// names], True and False, LIKE; on the server it is translated (PostgresSql.h), and the
// records there are read-only. A connection and its recordsets are used from one thread.

#include "db/Error.h"

#include <QHash>
#include <QString>
#include <memory>

namespace db {

class Recordset;
struct DatabaseHandle;

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool Open(const QString& connectionString);
    void Close();
    bool IsOpen() const { return m_handle != nullptr; }
    QString
    DataSource() const;    // the database file or "host:port, database name"; empty when closed
    bool OnServer() const; // open on the PostgreSQL server

    // A statement; recordsAffected (when given) gets the number of records it changed.
    bool Execute(const QString& sql, int* recordsAffected = nullptr);
    // A query: its records as a forward-only, read-only recordset.
    bool Execute(const QString& sql, Recordset& records);

    const Error& LastError() const { return m_error; }

    // The open database, shared with the recordsets opened on it: they keep it open after
    // the connection closed or went, so their statements stay valid.
    const std::shared_ptr<DatabaseHandle>& handle() const { return m_handle; }

private:
    bool fail(Error error);
    bool openServer(const QHash<QString, QString>& settings);

    std::shared_ptr<DatabaseHandle> m_handle;
    Error m_error;
};

namespace testing {

// While one lives, the database layer cannot start (error 429), as on a machine whose
// SQLite library is missing or too old.
class ScopedProviderFailure {
public:
    ScopedProviderFailure();
    ~ScopedProviderFailure();
    ScopedProviderFailure(const ScopedProviderFailure&) = delete;
    ScopedProviderFailure& operator=(const ScopedProviderFailure&) = delete;
};

} // namespace testing

} // namespace db
