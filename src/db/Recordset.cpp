#include "db/Recordset.h"

#include "db/Connection.h"
#include "db/DatabaseHandle.h"
#include "db/FieldValue.h"
#include "db/FindCriterion.h"
#include "db/PostgresRecords.h"
#include "db/PostgresSql.h"
#include "db/RecordCursor.h"
#include "db/SqliteStatement.h"

#include <QRegularExpression>
#include <sqlite3.h>

// Index
//   Settings and opening: Open -> the fields, the write target (findWriteTarget), the cursor
//   Position: goTo (every move ends there), leaveRecord (stores changes before a move)
//   Changes: setFieldValue (Field::SetValue) -> pending; Update / UpdateBatch -> storeRecord,
//            writeRecord (RecordWrite.cpp); Filter -> rebuildView
//   Find: FindCriterion, then goTo record by record

namespace db {

namespace {

const Variant& emptyValue() {
    static const Variant empty;
    return empty;
}

// "Customers", "[Order Details]": a table, read whole; anything else is a query.
bool isTableName(const QString& source) {
    static const QRegularExpression name(
        QStringLiteral(R"(^\s*(\[[^\]]+\]|"[^"]+"|[A-Za-z_][A-Za-z0-9_]*)\s*$)"));
    return name.match(source).hasMatch();
}

QString textOf(const char* utf8) {
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

// The primary key's columns of a table, in key order.
std::vector<QString> primaryKeyOf(sqlite3* db, const QString& table) {
    Statement statement;
    Error error;
    if (!statement.prepare(db,
                           QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE pk > 0 "
                                          "ORDER BY pk"),
                           error))
        return {};
    statement.bind(1, Variant(table));
    std::vector<QString> columns;
    while (statement.step(error) == Statement::Step::Row)
        columns.push_back(
            textOf(reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0))));
    return columns;
}

struct ResultColumn {
    std::optional<VarType> declared; // from the declared type; none for a computed column
    QString name;
    QString table;  // the table it comes from; empty when computed
    QString column; // its name there
};

std::vector<ResultColumn> describeColumns(sqlite3_stmt* stmt) {
    std::vector<ResultColumn> columns;
    for (int c = 0; c < sqlite3_column_count(stmt); ++c)
        columns.push_back({fieldTypeOfDeclared(sqlite3_column_decltype(stmt, c)),
                           textOf(sqlite3_column_name(stmt, c)),
                           textOf(sqlite3_column_table_name(stmt, c)),
                           textOf(sqlite3_column_origin_name(stmt, c))});
    return columns;
}

// Whether the query reads one table once: a join of a table with itself has every field
// from one table, yet its records are not the table's. Each table the query visits is one
// SCAN or SEARCH step of its plan.
bool readsOneTable(sqlite3* db, const QString& sql) {
    Statement plan;
    Error error;
    if (!plan.prepare(db, QStringLiteral("EXPLAIN QUERY PLAN ") + sql, error))
        return false;
    int visits = 0;
    while (plan.step(error) == Statement::Step::Row) {
        const QString detail =
            textOf(reinterpret_cast<const char*>(sqlite3_column_text(plan.get(), 3)));
        if (detail.startsWith(u"SCAN ") || detail.startsWith(u"SEARCH "))
            ++visits;
    }
    return visits == 1;
}

// Where the records are written: the one table every field that is not computed comes
// from, with its whole primary key among the fields; nullopt when there is none.
std::optional<WriteTarget> writeTargetOf(sqlite3* db, const std::vector<ResultColumn>& columns,
                                         bool oneTable) {
    if (!oneTable)
        return std::nullopt;
    WriteTarget target;
    for (const ResultColumn& c : columns) {
        if (target.table.isEmpty())
            target.table = c.table;
        if (!c.table.isEmpty() && c.table.compare(target.table, Qt::CaseInsensitive) != 0)
            return std::nullopt;
        target.columns.push_back(c.column);
    }
    const std::vector<QString> key = primaryKeyOf(db, target.table);
    for (const QString& column : key) {
        const auto it =
            std::find_if(target.columns.begin(), target.columns.end(), [&](const QString& c) {
                return c.compare(column, Qt::CaseInsensitive) == 0;
            });
        if (it == target.columns.end())
            return std::nullopt;
        target.keyFields.push_back(int(it - target.columns.begin()));
    }
    if (key.empty())
        return std::nullopt;
    return target;
}

Error noRecordsError() {
    return {CommandError,
            QStringLiteral("The statement returns no records: run it with Connection.Execute.")};
}

} // namespace

Recordset::Recordset() = default;
Recordset::~Recordset() = default;

bool Recordset::fail(Error error) {
    m_error = std::move(error);
    return false;
}

bool Recordset::failIfClosed() {
    if (IsOpen())
        return false;
    fail({ClosedObjectError, QStringLiteral("The recordset is not open.")});
    return true;
}

bool Recordset::checkWritable() {
    if (m_lockType != adLockReadOnly)
        return true;
    return fail({NotSupportedError,
                 QStringLiteral("This recordset is read-only: open it with an optimistic or "
                                "batch-optimistic lock type to change its records.")});
}

// ----- Settings and opening -----

Connection* Recordset::ActiveConnection() const {
    return m_handle ? m_handle->owner : m_connection;
}

void Recordset::SetActiveConnection(Connection* connection) {
    m_connection = connection;
}

void Recordset::SetCursorLocation(int location) {
    m_cursorLocation = location;
}

void Recordset::SetCursorType(int type) {
    m_cursorType = type;
}

void Recordset::SetLockType(int type) {
    m_lockType = type;
}

void Recordset::SetCacheSize(int records) {
    m_cacheSize = std::max(1, records);
}

// Only a read-only forward-only cursor on the server side steps through the result as the
// reader moves; every other one holds the whole result.
bool Recordset::stepsRecords() const {
    return m_cursorLocation == adUseServer && m_cursorType == adOpenForwardOnly &&
           m_lockType == adLockReadOnly;
}

int Recordset::heldCursorType() const {
    return m_cursorType == adOpenKeyset || m_cursorType == adOpenDynamic ? adOpenKeyset
                                                                         : adOpenStatic;
}

bool Recordset::Open(const QString& source, Connection* connection, int cursorType, int lockType) {
    Close();
    if (connection)
        m_connection = connection;
    if (cursorType != adOpenUnspecified)
        m_cursorType = cursorType;
    if (lockType != adLockUnspecified)
        m_lockType = lockType;
    if (m_cursorType < adOpenForwardOnly || m_cursorType > adOpenStatic ||
        m_lockType < adLockReadOnly || m_lockType > adLockBatchOptimistic ||
        (m_cursorLocation != adUseServer && m_cursorLocation != adUseClient))
        return fail(
            {ArgumentError, QStringLiteral("Cursor type %1, lock type %2 or cursor location %3 is "
                                           "not one the recordset knows.")
                                .arg(m_cursorType)
                                .arg(m_lockType)
                                .arg(m_cursorLocation)});
    if (!m_connection || !m_connection->IsOpen())
        return fail({ClosedObjectError,
                     QStringLiteral("The recordset has no open connection to read from.")});
    const std::shared_ptr<DatabaseHandle> handle = m_connection->handle();
    if (handle->server)
        return openOnServer(handle, source);

    Statement statement;
    Error error;
    const bool table = isTableName(source);
    const QString sql = table ? QStringLiteral("SELECT * FROM ") + source.trimmed() : source;
    if (!statement.prepare(handle->db, sql, error))
        return fail(std::move(error));
    const std::vector<ResultColumn> columns = describeColumns(statement.get());
    if (columns.empty())
        return fail(noRecordsError());
    if (m_lockType != adLockReadOnly) {
        std::optional<WriteTarget> target =
            writeTargetOf(handle->db, columns, table || readsOneTable(handle->db, sql));
        if (!target)
            return fail({NotSupportedError,
                         QStringLiteral("These records cannot be changed: they must come from "
                                        "one table whose primary key is among the fields. Open "
                                        "them read-only instead.")});
        m_target = std::move(*target);
    }

    std::vector<VarType> readTypes;
    for (const ResultColumn& c : columns)
        readTypes.push_back(c.declared.value_or(VarType::Empty));
    if (stepsRecords()) {
        m_cursor = stepRecords(std::move(statement), readTypes, m_cacheSize);
    } else {
        m_cursorType = heldCursorType();
        m_cursor = readAllRecords(std::move(statement), readTypes, error);
        if (!m_cursor) {
            m_target = {};
            return fail(std::move(error));
        }
    }
    std::vector<QString> names;
    std::vector<std::optional<VarType>> declared;
    for (const ResultColumn& c : columns) {
        names.push_back(c.name);
        declared.push_back(c.declared);
    }
    return makeFields(handle, names, declared);
}

bool Recordset::openOnServer(const std::shared_ptr<DatabaseHandle>& handle, const QString& source) {
    if (m_lockType != adLockReadOnly)
        return fail({NotSupportedError,
                     QStringLiteral("The records on the database server are read-only here: "
                                    "open them with adLockReadOnly.")});
    const QString sql = postgresSql(
        isTableName(source) ? QStringLiteral("SELECT * FROM ") + source.trimmed() : source);
    Error error;
    ServerRecords server;
    if (stepsRecords()) {
        server = declareServerCursor(handle, sql, m_cacheSize, error);
    } else {
        m_cursorType = heldCursorType();
        server = readAllServerRecords(*handle, sql, error);
    }
    if (!server.records)
        return fail(std::move(error));
    if (server.names.empty())
        return fail(noRecordsError());
    m_cursor = std::move(server.records);
    return makeFields(handle, server.names, {server.types.begin(), server.types.end()});
}

// The first records are read before the fields are made: a computed field takes the type of
// its first value.
bool Recordset::makeFields(const std::shared_ptr<DatabaseHandle>& handle,
                           const std::vector<QString>& names,
                           const std::vector<std::optional<VarType>>& declared) {
    m_handle = handle;
    if (!goTo(0)) {
        const Error readError = m_error;
        Close();
        return fail(readError);
    }
    for (size_t f = 0; f < names.size(); ++f) {
        const VarType type =
            declared[f] ? *declared[f] : m_cursor->heldType(int(f)).value_or(VarType::String);
        const QString column = m_target.table.isEmpty() ? QString() : m_target.columns[f];
        m_fields.m_fields.push_back(Field(*this, int(f), names[f], type, column));
        m_target.types.push_back(type);
    }
    m_error = {};
    return true;
}

void Recordset::Close() {
    m_cursor.reset();
    m_fields.m_fields.clear();
    m_target = {};
    m_handle.reset();
    m_at = At::Bof;
    m_index = -1;
    m_values = nullptr;
    m_filter = adFilterNone;
    m_view.clear();
    m_pending.clear();
}

// ----- Position -----

bool Recordset::forwardOnly() const {
    return m_cursor && m_cursor->forwardOnly();
}

int Recordset::viewCount() const {
    return m_filter == adFilterPendingRecords ? int(m_view.size()) : m_cursor->count();
}

int Recordset::recordOf(int viewIndex) const {
    return m_filter == adFilterPendingRecords ? m_view[size_t(viewIndex)] : viewIndex;
}

bool Recordset::goTo(int viewIndex) {
    m_values = nullptr;
    m_index = viewIndex;
    if (viewIndex < 0) {
        m_at = At::Bof;
        m_index = -1;
        return true;
    }
    m_at = At::Eof;
    if (m_filter == adFilterPendingRecords && viewIndex >= int(m_view.size()))
        return true;
    const int record = recordOf(viewIndex);
    Error error;
    if (!m_cursor->fetch(record, error))
        return error.isError() ? fail(std::move(error)) : true;
    m_at = At::Record;
    m_values = m_cursor->record(record);
    return true;
}

bool Recordset::leaveRecord() {
    if (m_at != At::Record || batchMode() || m_lockType == adLockReadOnly ||
        !m_pending.count(currentRecord()))
        return true;
    return storeRecord(currentRecord());
}

bool Recordset::Bof() const {
    return !IsOpen() || m_at == At::Bof || (m_at == At::Eof && viewCount() == 0);
}

bool Recordset::Eof() const {
    return !IsOpen() || m_at == At::Eof;
}

bool Recordset::MoveFirst() {
    if (failIfClosed() || !leaveRecord() || !goTo(0))
        return false;
    m_error = {};
    return true;
}

bool Recordset::MoveNext() {
    if (failIfClosed())
        return false;
    if (m_at == At::Eof)
        return fail({NoCurrentRecordError,
                     QStringLiteral("There is no next record: the recordset is at its end.")});
    if (!leaveRecord() || !goTo(m_index + 1))
        return false;
    m_error = {};
    return true;
}

int Recordset::AbsolutePosition() const {
    switch (m_at) {
    case At::Record:
        return m_index + 1;
    case At::Bof:
        return adPosBOF;
    case At::Eof:
        break;
    }
    return adPosEOF;
}

bool Recordset::SetAbsolutePosition(int position) {
    if (failIfClosed())
        return false;
    if (forwardOnly())
        return fail({NotSupportedError,
                     QStringLiteral("A forward-only recordset moves only to the next record; "
                                    "open it static or keyset to position it.")});
    if (position < 1 || position > viewCount())
        return fail({ArgumentError,
                     QStringLiteral("There is no record at position %1: the recordset holds %2.")
                         .arg(position)
                         .arg(viewCount())});
    if (!leaveRecord() || !goTo(position - 1))
        return false;
    m_error = {};
    return true;
}

// ----- Fields as the grid reads them -----

QString Recordset::FieldName(int field) const {
    const Field* f = m_fields.Item(field);
    return f ? f->Name() : QString();
}

VarType Recordset::FieldType(int field) const {
    const Field* f = m_fields.Item(field);
    return f ? f->Type() : VarType::Empty;
}

const Variant& Recordset::FieldValue(int field) const {
    if (m_at != At::Record || field < 0 || field >= m_fields.Count())
        return emptyValue();
    return m_values[field];
}

const Variant& Recordset::originalValue(int field) const {
    if (m_at == At::Record) {
        const auto it = m_pending.find(currentRecord());
        if (it != m_pending.end() && it->second.changed[size_t(field)])
            return it->second.original[size_t(field)];
    }
    return FieldValue(field);
}

// ----- Changes -----

bool Recordset::setFieldValue(int field, const Variant& value) {
    if (failIfClosed() || !checkWritable())
        return false;
    if (m_at != At::Record)
        return fail(
            {NoCurrentRecordError, QStringLiteral("There is no current record to change.")});
    const Field& f = m_fields.m_fields[size_t(field)];
    if (m_target.columns[size_t(field)].isEmpty())
        return fail({NotSupportedError,
                     QStringLiteral("The field \"%1\" is computed by the query and cannot be "
                                    "changed.")
                         .arg(f.Name())});
    const std::optional<Variant> converted = toFieldType(value, f.Type());
    if (!converted)
        return fail(
            {TypeMismatchError, QStringLiteral("The field \"%1\" takes %2; \"%3\" is not one.")
                                    .arg(f.Name(), fieldTypeWords(f.Type()), value.toString())});
    Variant& slot = m_values[field];
    if (!slot.sameAs(*converted)) {
        auto [it, added] = m_pending.try_emplace(currentRecord());
        PendingRecord& pending = it->second;
        if (added) {
            pending.original.assign(m_values, m_values + m_fields.Count());
            pending.changed.assign(size_t(m_fields.Count()), false);
        }
        pending.changed[size_t(field)] = true;
        slot = *converted;
    }
    m_error = {};
    return true;
}

bool Recordset::storeRecord(int record) {
    const auto it = m_pending.find(record);
    Variant* values = m_cursor->record(record);
    Error error =
        writeRecord(m_handle->db, m_target, values, it->second.original, it->second.changed);
    if (error.isError())
        return fail(std::move(error));
    rereadRecord(m_handle->db, m_target, values);
    m_pending.erase(it);
    return true;
}

bool Recordset::Update() {
    if (failIfClosed() || !checkWritable())
        return false;
    if (m_at != At::Record)
        return fail({NoCurrentRecordError, QStringLiteral("There is no current record to store.")});
    if (!batchMode() && m_pending.count(currentRecord()) && !storeRecord(currentRecord()))
        return false;
    m_error = {};
    return true;
}

void Recordset::CancelUpdate() {
    if (m_at != At::Record)
        return;
    const auto it = m_pending.find(currentRecord());
    if (it == m_pending.end())
        return;
    std::copy(it->second.original.begin(), it->second.original.end(), m_values);
    m_pending.erase(it);
}

bool Recordset::UpdateBatch() {
    if (failIfClosed() || !checkWritable())
        return false;
    sqlite3* db = m_handle->db;
    auto exec = [db](const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); };
    // A savepoint is a transaction of its own, or nests in one the caller began.
    if (const int rc = exec("SAVEPOINT batch"); rc != SQLITE_OK)
        return fail(sqliteError(db, rc));
    std::vector<int> stored;
    Error first;
    int failed = 0;
    for (const auto& [record, pending] : m_pending) {
        Error error =
            writeRecord(db, m_target, m_cursor->record(record), pending.original, pending.changed);
        if (!error.isError())
            stored.push_back(record);
        else if (failed++ == 0)
            first = std::move(error);
    }
    if (const int rc = exec("RELEASE batch"); rc != SQLITE_OK) {
        Error error = sqliteError(db, rc);
        exec("ROLLBACK TO batch");
        exec("RELEASE batch");
        return fail(std::move(error)); // nothing was stored: everything stays pending
    }
    for (int record : stored) {
        rereadRecord(db, m_target, m_cursor->record(record));
        m_pending.erase(record);
    }
    if (m_filter == adFilterPendingRecords) {
        rebuildView();
        goTo(0);
    }
    if (failed > 0) {
        if (failed > 1)
            first.Description += QStringLiteral(" %1 of the %2 changed records were not saved.")
                                     .arg(failed)
                                     .arg(failed + int(stored.size()));
        return fail(std::move(first));
    }
    m_error = {};
    return true;
}

void Recordset::rebuildView() {
    m_view.clear();
    if (m_filter == adFilterPendingRecords) {
        for (const auto& entry : m_pending)
            m_view.push_back(entry.first);
    }
}

bool Recordset::SetFilter(int filter) {
    if (failIfClosed())
        return false;
    if (filter != adFilterNone && filter != adFilterPendingRecords)
        return fail({ArgumentError, QStringLiteral("Filter %1 is neither adFilterNone (0) nor "
                                                   "adFilterPendingRecords (1).")
                                        .arg(filter)});
    if (!leaveRecord())
        return false;
    m_filter = filter;
    rebuildView();
    if (!goTo(0))
        return false;
    m_error = {};
    return true;
}

// ----- Find -----

bool Recordset::Find(const QString& criterion, int skipRecords, int direction, int start) {
    if (failIfClosed())
        return false;
    const std::optional<FindCriterion> find = FindCriterion::parse(criterion);
    if (!find)
        return fail({ArgumentError,
                     QStringLiteral("The search \"%1\" is not of the form Field LIKE text or "
                                    "Field = value (or <>, <, >, <=, >=).")
                         .arg(criterion)});
    const int field = m_fields.indexOf(find->field());
    if (field < 0)
        return fail({ItemNotFoundError,
                     QStringLiteral("The recordset has no field \"%1\".").arg(find->field())});
    if ((direction != adSearchForward && direction != adSearchBackward) || skipRecords < 0 ||
        start < adBookmarkCurrent || start > adBookmarkLast)
        return fail({ArgumentError,
                     QStringLiteral("The direction, start or skip count of the search is not "
                                    "valid.")});
    if (forwardOnly() && (direction == adSearchBackward || start == adBookmarkLast))
        return fail(
            {NotSupportedError, QStringLiteral("A forward-only recordset searches forward only.")});
    if (!leaveRecord())
        return false;
    int from = m_index;
    if (start == adBookmarkFirst)
        from = 0;
    else if (start == adBookmarkLast)
        from = viewCount() - 1;
    else if (m_at == At::Bof)
        from = direction == adSearchForward ? 0 : -1;
    else if (m_at == At::Eof)
        from = direction == adSearchForward ? m_index : viewCount() - 1;
    for (int at = from + skipRecords * direction;; at += direction) {
        if (!goTo(at))
            return false;
        if (m_at != At::Record || find->matches(m_values[field]))
            break;
    }
    m_error = {};
    return true;
}

} // namespace db
