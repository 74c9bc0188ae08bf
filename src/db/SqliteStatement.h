#pragma once
// One prepared SQLite statement, finalized with its owner, and the error numbers and
// descriptions of failed SQLite calls. Internal to the database layer: the public headers
// keep sqlite3.h out of the windows.

#include "db/Error.h"
#include "runtime/Variant.h"

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

// The error of a failed call on `db`, from its extended result code and message.
Error sqliteError(sqlite3* db, int rc);

class Statement {
public:
    Statement() = default;
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Compiles exactly one statement; text after it (a second statement) is refused, so
    // SQL built from a user's text cannot run more than the caller wrote.
    bool prepare(sqlite3* db, const QString& sql, Error& error);
    void finalize();
    bool isPrepared() const { return m_stmt != nullptr; }
    sqlite3_stmt* get() const { return m_stmt; }

    enum class Step { Row, Done, Failed };
    Step step(Error& error);
    void reset(); // back before the first row, bindings kept

    // Binds by the value's own type (1-based index): Empty and Null as NULL, Booleans as
    // 1 / 0, money and other numbers as numbers, dates as ISO text.
    void bind(int index, const Variant& value);
    // Runs it to the end: false (error set) on failure.
    bool run(Error& error);

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

} // namespace db
