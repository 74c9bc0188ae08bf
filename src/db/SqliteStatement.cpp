#include "db/SqliteStatement.h"

#include "db/FieldValue.h"

#include <sqlite3.h>
#include <utility>

namespace db {

namespace {

// SQLite's own message, after a sentence saying what it means where the message alone does
// not tell a user what to do.
QString explained(const char* what, const QString& message) {
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(what), message);
}

} // namespace

Error sqliteError(sqlite3* db, int rc) {
    const QString message =
        QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)).trimmed();
    switch (rc) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return {DuplicateKeyError, explained("Another record already has this value.", message)};
    case SQLITE_CONSTRAINT_NOTNULL:
        return {IntegrityError, explained("A value is required here.", message)};
    default:
        break;
    }
    switch (rc & 0xff) {
    case SQLITE_CONSTRAINT:
        return {IntegrityError, message};
    case SQLITE_MISMATCH:
        return {TypeMismatchError,
                explained("A value does not fit the type of its field.", message)};
    case SQLITE_ERROR:
        return {CommandError, message};
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {DatabaseFileError,
                explained("Another window or program is using the database; try again.", message)};
    case SQLITE_READONLY:
        return {DatabaseFileError, explained("The database file cannot be written.", message)};
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return {DatabaseFileError,
                explained("The database file is damaged or is not a database.", message)};
    default:
        return {DatabaseFileError, message};
    }
}

Statement::~Statement() {
    finalize();
}

Statement::Statement(Statement&& other) noexcept
    : m_db(std::exchange(other.m_db, nullptr)), m_stmt(std::exchange(other.m_stmt, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        finalize();
        m_db = std::exchange(other.m_db, nullptr);
        m_stmt = std::exchange(other.m_stmt, nullptr);
    }
    return *this;
}

bool Statement::prepare(sqlite3* db, const QString& sql, Error& error) {
    finalize();
    m_db = db;
    const QByteArray text = sql.toUtf8();
    const char* tail = nullptr;
    int rc = sqlite3_prepare_v2(db, text.constData(), int(text.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK) {
        error = sqliteError(db, rc);
        finalize();
        return false;
    }
    if (!m_stmt) {
        error = {CommandError, QStringLiteral("There is no SQL statement to run.")};
        return false;
    }
    // Whitespace, semicolons and comments may follow; another statement may not.
    sqlite3_stmt* next = nullptr;
    const char* end = text.constData() + text.size();
    rc = sqlite3_prepare_v2(db, tail, int(end - tail), &next, nullptr);
    if (rc != SQLITE_OK || next) {
        sqlite3_finalize(next);
        finalize();
        error = {CommandError, QStringLiteral("Only one SQL statement can run at a time; the "
                                              "text after the first one was not run.")};
        return false;
    }
    error = {};
    return true;
}

void Statement::finalize() {
    if (m_stmt)
        sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
}

Statement::Step Statement::step(Error& error) {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return Step::Row;
    if (rc == SQLITE_DONE)
        return Step::Done;
    error = sqliteError(m_db, rc);
    return Step::Failed;
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
}

void Statement::bind(int index, const Variant& value) {
    switch (value.type()) {
    case VarType::Empty:
    case VarType::Null:
        sqlite3_bind_null(m_stmt, index);
        return;
    case VarType::Integer:
    case VarType::Long:
        sqlite3_bind_int64(m_stmt, index, value.toLong());
        return;
    case VarType::Boolean:
        sqlite3_bind_int(m_stmt, index, value.toBool() ? 1 : 0);
        return;
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
        sqlite3_bind_double(m_stmt, index, value.toDouble());
        return;
    case VarType::Date: {
        const QByteArray text = isoDateText(value).toUtf8();
        sqlite3_bind_text(m_stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        return;
    }
    case VarType::String: {
        // A null pointer would bind NULL; an empty text stays an empty text.
        const QStringView text = value.textView();
        const char16_t* units = text.isNull() ? u"" : text.utf16();
        sqlite3_bind_text16(m_stmt, index, units, int(text.size() * 2), SQLITE_TRANSIENT);
        return;
    }
    }
}

bool Statement::run(Error& error) {
    Step s;
    while ((s = step(error)) == Step::Row) {
    }
    return s == Step::Done;
}

} // namespace db
