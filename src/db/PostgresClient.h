#pragma once
// The PostgreSQL server through libpq: connecting with a connection string's settings,
// running one statement, and the server's errors as `Error`s (its message and SQLSTATE).
// Internal to the database layer: the public headers keep libpq-fe.h out of the windows.

#include "db/Error.h"

#include <QHash>
#include <QString>
#include <memory>

struct pg_conn;
struct pg_result;

namespace db {

struct DatabaseHandle;

namespace postgres {

struct ResultRelease {
    void operator()(pg_result* result) const;
};
using Result = std::unique_ptr<pg_result, ResultRelease>;

// Whether a connection string is for the server: Provider=PostgreSQL, or a libpq URI
// ("postgresql://user@host:port/database").
bool isServerConnection(const QString& connectionString, const QString& provider);

// Connects with a connection string's settings (keys in lower case): Host, Port, Database,
// User, Password, Schema (the schema whose tables the names find), or Data Source holding a
// libpq URI; other keys go to libpq as they are. nullptr (error set) when it fails.
pg_conn* connect(const QHash<QString, QString>& settings, Error& error);
// "host:port, database name", for telling the user where the data comes from.
QString describe(pg_conn* server);

// Runs one statement (a second one is refused by the server), on the connection's open
// transaction when there is one, inside a savepoint, so a failure leaves the recordsets'
// cursors readable. nullptr (error set) when it fails.
Result run(pg_conn* server, const QString& sql, Error& error);
Result runBeside(DatabaseHandle& handle, const QString& sql, Error& error);

// The error of a failed call: the server's message with its SQLSTATE, numbered by its class.
Error errorOf(pg_conn* server, const pg_result* result);

} // namespace postgres

} // namespace db
