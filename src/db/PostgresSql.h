#pragma once
// The windows' SQL, written for the embedded database, made fit for the PostgreSQL server:
// [bracketed names] become "quoted" names, and LIKE compares without regard to case (ILIKE)
// as it does on the embedded database. Bracketed names are lowercased, as the server folds
// unquoted ones, so ID and [Total Sales] name the columns id and "total sales" that the
// remote tables have. Text in 'quotes' is left as written. Internal to the database layer.

#include <QString>

namespace db {

QString postgresSql(const QString& sql);

} // namespace db
