#include "db/Connection.h"

#include "db/DatabaseHandle.h"
#include "db/PostgresClient.h"
#include "db/PostgresSql.h"
#include "db/Recordset.h"
#include "db/SqliteStatement.h"

#include <QFileInfo>
#include <QHash>
#include <libpq-fe.h>
#include <sqlite3.h>

namespace db {

namespace {

// TRUE and FALSE as SQL words came with SQLite 3.23.
constexpr int MinimumSqliteVersion = 3023000;
constexpr int BusyTimeoutMs = 3000; // another window's connection may be writing
bool providerFailing = false;

// "Key=Value;Key=Value" with keys in lower case. A value in quotes may hold a ';'; quotes
// elsewhere (a path with an apostrophe) are part of the value.
QHash<QString, QString> connectionSettings(const QString& text) {
    QHash<QString, QString> settings;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == u';' || text[i].isSpace()) {
            ++i;
            continue;
        }
        const qsizetype eq = text.indexOf(u'=', i);
        if (eq < 0)
            break;
        const QString key = text.mid(i, eq - i).trimmed().toLower();
        qsizetype start = eq + 1;
        while (start < text.size() && text[start].isSpace())
            ++start;
        const QChar first = start < text.size() ? text[start] : QChar();
        const qsizetype closing =
            first == u'"' || first == u'\'' ? text.indexOf(first, start + 1) : -1;
        QString value;
        if (closing > 0) {
            value = text.mid(start + 1, closing - start - 1);
            i = text.indexOf(u';', closing);
        } else {
            i = text.indexOf(u';', start);
            value = text.mid(start, i < 0 ? -1 : i - start).trimmed();
        }
        settings.insert(key, value);
        if (i < 0)
            break;
        ++i;
    }
    return settings;
}

bool providerStarts() {
    return !providerFailing && sqlite3_initialize() == SQLITE_OK &&
           sqlite3_libversion_number() >= MinimumSqliteVersion;
}

} // namespace

DatabaseHandle::DatabaseHandle(sqlite3* db, Connection* owner, QString file)
    : db(db), owner(owner), file(std::move(file)) {}

DatabaseHandle::DatabaseHandle(pg_conn* server, Connection* owner, QString description)
    : server(server), owner(owner), file(std::move(description)) {}

DatabaseHandle::~DatabaseHandle() {
    if (db)
        sqlite3_close_v2(db);
    if (server)
        PQfinish(server);
}

Connection::~Connection() {
    Close();
}

bool Connection::fail(Error error) {
    m_error = std::move(error);
    return false;
}

bool Connection::Open(const QString& connectionString) {
    Close();
    if (!providerStarts())
        return fail({ProviderCannotStart,
                     QStringLiteral("The SQLite library (%1) cannot start; the database layer "
                                    "needs SQLite 3.23 or later.")
                         .arg(QString::fromUtf8(sqlite3_libversion()))});
    const bool uri = postgres::isServerConnection(connectionString, {});
    const QHash<QString, QString> settings =
        uri ? QHash<QString, QString>{{QStringLiteral("data source"), connectionString.trimmed()}}
            : connectionSettings(connectionString);
    const QString provider = settings.value(QStringLiteral("provider"));
    if (uri || postgres::isServerConnection({}, provider))
        return openServer(settings);
    if (!provider.isEmpty() && provider.compare(u"SQLite", Qt::CaseInsensitive) != 0)
        return fail({ProviderNotFoundError,
                     QStringLiteral("The provider \"%1\" is not available; databases open "
                                    "with Provider=SQLite or Provider=PostgreSQL.")
                         .arg(provider)});
    const QString file = settings.value(QStringLiteral("data source"));
    if (file.isEmpty())
        return fail({ArgumentError, QStringLiteral("The connection string names no database "
                                                   "file (Data Source=<path>).")});
    const QFileInfo info(file);
    if (!info.exists())
        return fail(
            {DatabaseFileError, QStringLiteral("The database file %1 does not exist.").arg(file)});
    if (!info.isFile())
        return fail(
            {DatabaseFileError, QStringLiteral("The database %1 is not a file.").arg(file)});

    sqlite3* db = nullptr;
    // Read-write, never create: a missing file is an error, not a new empty database. A
    // connection belongs to one window, on the one thread: SQLite need not lock it per call.
    const int rc = sqlite3_open_v2(file.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    auto fileError = [&](int code) {
        Error e = sqliteError(db, code);
        e.Description =
            QStringLiteral("The database file %1 cannot be opened. %2").arg(file, e.Description);
        sqlite3_close_v2(db);
        return fail(std::move(e));
    };
    if (rc != SQLITE_OK)
        return fileError(rc);
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    // SQLite reads the file lazily: reading the schema now finds a damaged or foreign file.
    const int check =
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr);
    if (check != SQLITE_OK)
        return fileError(check);
    // Readers never block writers: a window browsing with a forward-only recordset holds its
    // query open while other windows store their edits. (A read-only file keeps its mode.)
    sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    m_handle = std::make_shared<DatabaseHandle>(db, this, file);
    m_error = {};
    return true;
}

bool Connection::openServer(const QHash<QString, QString>& settings) {
    Error error;
    pg_conn* server = postgres::connect(settings, error);
    if (!server)
        return fail(std::move(error));
    m_handle = std::make_shared<DatabaseHandle>(server, this, postgres::describe(server));
    m_error = {};
    return true;
}

void Connection::Close() {
    if (m_handle)
        m_handle->owner = nullptr;
    m_handle.reset();
}

QString Connection::DataSource() const {
    return m_handle ? m_handle->file : QString();
}

bool Connection::OnServer() const {
    return m_handle && m_handle->server;
}

bool Connection::Execute(const QString& sql, int* recordsAffected) {
    if (!m_handle)
        return fail({ClosedObjectError, QStringLiteral("The connection is not open.")});
    Error error;
    if (m_handle->server) {
        const postgres::Result result = postgres::runBeside(*m_handle, postgresSql(sql), error);
        if (!result)
            return fail(std::move(error));
        if (recordsAffected)
            *recordsAffected = QByteArray(PQcmdTuples(result.get())).toInt();
        m_error = {};
        return true;
    }
    Statement statement;
    if (!statement.prepare(m_handle->db, sql, error))
        return fail(std::move(error));
    const sqlite3_int64 before = sqlite3_total_changes64(m_handle->db);
    if (!statement.run(error))
        return fail(std::move(error));
    if (recordsAffected)
        *recordsAffected = int(sqlite3_total_changes64(m_handle->db) - before);
    m_error = {};
    return true;
}

bool Connection::Execute(const QString& sql, Recordset& records) {
    if (!records.Open(sql, this, adOpenForwardOnly, adLockReadOnly))
        return fail(records.LastError());
    m_error = {};
    return true;
}

namespace testing {

ScopedProviderFailure::ScopedProviderFailure() {
    providerFailing = true;
}

ScopedProviderFailure::~ScopedProviderFailure() {
    providerFailing = false;
}

} // namespace testing

} // namespace db
