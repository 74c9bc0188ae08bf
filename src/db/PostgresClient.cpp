#include "db/PostgresClient.h"

#include "db/DatabaseHandle.h"

#include <libpq-fe.h>

#include <vector>

namespace db::postgres {

namespace {

constexpr const char* ConnectTimeoutSeconds = "5";

QString quotedName(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

bool lost(pg_conn* server, const QByteArray& state) {
    return PQstatus(server) == CONNECTION_BAD || state.startsWith("08") || state.startsWith("57P");
}

ErrorNumber numberOf(const QByteArray& state) {
    if (state == "23505")
        return DuplicateKeyError;
    if (state.startsWith("23"))
        return IntegrityError;
    if (state.startsWith("22"))
        return TypeMismatchError;
    return CommandError;
}

// libpq's own message, without its severity word and its hints on further lines.
QString clientMessage(pg_conn* server) {
    QString line = QString::fromUtf8(PQerrorMessage(server)).trimmed().section(u'\n', 0, 0);
    for (const QLatin1String severity : {QLatin1String("FATAL:"), QLatin1String("ERROR:")}) {
        if (line.startsWith(severity))
            line = line.mid(severity.size());
    }
    return line.trimmed();
}

} // namespace

void ResultRelease::operator()(pg_result* result) const {
    PQclear(result);
}

bool isServerConnection(const QString& connectionString, const QString& provider) {
    const QString text = connectionString.trimmed();
    return provider.compare(u"PostgreSQL", Qt::CaseInsensitive) == 0 ||
           text.startsWith(u"postgresql://", Qt::CaseInsensitive) ||
           text.startsWith(u"postgres://", Qt::CaseInsensitive);
}

pg_conn* connect(const QHash<QString, QString>& settings, Error& error) {
    static const QHash<QString, QString> keywords = {
        {QStringLiteral("database"), QStringLiteral("dbname")},
        {QStringLiteral("data source"), QStringLiteral("dbname")},
        {QStringLiteral("user id"), QStringLiteral("user")},
        {QStringLiteral("uid"), QStringLiteral("user")},
        {QStringLiteral("pwd"), QStringLiteral("password")},
        {QStringLiteral("server"), QStringLiteral("host")},
    };
    std::vector<QByteArray> names{"connect_timeout"};
    std::vector<QByteArray> values{ConnectTimeoutSeconds};
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        if (it.key() == u"provider" || it.key() == u"schema")
            continue;
        names.push_back(keywords.value(it.key(), it.key()).toUtf8());
        values.push_back(it.value().toUtf8());
    }
    std::vector<const char*> keys;
    std::vector<const char*> texts;
    for (size_t i = 0; i < names.size(); ++i) {
        keys.push_back(names[i].constData());
        texts.push_back(values[i].constData());
    }
    keys.push_back(nullptr);
    texts.push_back(nullptr);
    // expand_dbname: a database given as a URI carries the other settings.
    pg_conn* server = PQconnectdbParams(keys.data(), texts.data(), 1);
    if (PQstatus(server) != CONNECTION_OK) {
        error = {
            DatabaseFileError,
            QStringLiteral("The database server cannot be reached: %1").arg(clientMessage(server))};
        PQfinish(server);
        return nullptr;
    }
    // The server's notices (a cursor closed twice...) are no business of the user's.
    PQsetNoticeProcessor(
        server, [](void*, const char*) {}, nullptr);
    const QString schema = settings.value(QStringLiteral("schema"));
    if (!schema.isEmpty() &&
        !run(server, QStringLiteral("SET search_path TO ") + quotedName(schema), error)) {
        PQfinish(server);
        return nullptr;
    }
    return server;
}

QString describe(pg_conn* server) {
    return QStringLiteral("%1:%2, database %3")
        .arg(QString::fromUtf8(PQhost(server)), QString::fromUtf8(PQport(server)),
             QString::fromUtf8(PQdb(server)));
}

Result run(pg_conn* server, const QString& sql, Error& error) {
    // PQexecParams, even without parameters: the server then refuses a second statement.
    Result result(
        PQexecParams(server, sql.toUtf8().constData(), 0, nullptr, nullptr, nullptr, nullptr, 0));
    const ExecStatusType status = PQresultStatus(result.get());
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK)
        return result;
    error = errorOf(server, result.get());
    return nullptr;
}

Result runBeside(DatabaseHandle& handle, const QString& sql, Error& error) {
    if (handle.openCursors == 0)
        return run(handle.server, sql, error);
    Error ignored;
    if (!run(handle.server, QStringLiteral("SAVEPOINT statement"), error))
        return nullptr;
    Result result = run(handle.server, sql, error);
    if (!result)
        run(handle.server, QStringLiteral("ROLLBACK TO statement"), ignored);
    run(handle.server, QStringLiteral("RELEASE statement"), ignored);
    return result;
}

Error errorOf(pg_conn* server, const pg_result* result) {
    const QByteArray state =
        result ? QByteArray(PQresultErrorField(result, PG_DIAG_SQLSTATE)) : QByteArray();
    const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    QString message = primary ? QString::fromUtf8(primary) : clientMessage(server);
    if (!state.isEmpty())
        message += QStringLiteral(" (SQLSTATE %1)").arg(QString::fromLatin1(state));
    if (lost(server, state))
        return {DatabaseFileError,
                QStringLiteral("The connection to the database server was lost: ") + message};
    return {numberOf(state), message};
}

} // namespace db::postgres
