#include "db/PostgresRecords.h"

#include "db/DatabaseHandle.h"
#include "db/FieldValue.h"
#include "db/PostgresClient.h"

#include <libpq-fe.h>

#include <limits>

namespace db {

namespace {

using postgres::Result;
using postgres::run;

// The type OIDs of the server's built-in types (pg_type).
enum TypeOid : Oid {
    BoolOid = 16,
    Int8Oid = 20,
    Int2Oid = 21,
    Int4Oid = 23,
    Float4Oid = 700,
    Float8Oid = 701,
    DateOid = 1082,
    TimestampOid = 1114,
    TimestampTzOid = 1184,
    NumericOid = 1700,
};

// A numeric column with at most four decimals holds amounts of money, as Currency keeps them.
bool moneyColumn(const PGresult* result, int column) {
    constexpr int TypmodHeader = 4; // the modifier is ((precision << 16) | scale) + 4
    const int modifier = PQfmod(result, column);
    return modifier >= TypmodHeader && ((modifier - TypmodHeader) & 0xffff) <= 4;
}

VarType typeOf(const PGresult* result, int column) {
    switch (PQftype(result, column)) {
    case BoolOid:
        return VarType::Boolean;
    case Int2Oid:
    case Int4Oid:
    case Int8Oid:
        return VarType::Long;
    case Float4Oid:
    case Float8Oid:
        return VarType::Double;
    case DateOid:
    case TimestampOid:
    case TimestampTzOid:
        return VarType::Date;
    case NumericOid:
        return moneyColumn(result, column) ? VarType::Currency : VarType::Double;
    default:
        return VarType::String;
    }
}

// A value as the server writes it in text: "t", "42", "1500.5000", "2024-03-01".
Variant valueOf(const PGresult* result, int row, int column, VarType type) {
    if (PQgetisnull(result, row, column))
        return Variant::null();
    const char* text = PQgetvalue(result, row, column);
    const int bytes = PQgetlength(result, row, column);
    const QByteArray number = QByteArray::fromRawData(text, bytes);
    bool ok = false;
    switch (type) {
    case VarType::Boolean:
        return Variant(text[0] == 't');
    case VarType::Long: {
        const qlonglong v = number.toLongLong(&ok);
        if (ok && v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
            return Variant(int(v));
        return Variant(number.toDouble()); // beyond 32 bits, as the classic runtime holds it
    }
    case VarType::Currency:
        if (const std::optional<Currency> money = Currency::parse(QString::fromLatin1(number)))
            return Variant(*money);
        return Variant(number.toDouble());
    case VarType::Double:
        return Variant(number.toDouble());
    default:
        break;
    }
    Variant value = textValue(reinterpret_cast<const unsigned char*>(text), bytes);
    if (type == VarType::Date) {
        if (std::optional<Variant> date = dateOf(value))
            return *date;
    }
    return value;
}

void describeColumns(const PGresult* result, ServerRecords& out) {
    for (int c = 0; c < PQnfields(result); ++c) {
        out.names.push_back(QString::fromUtf8(PQfname(result, c)));
        out.types.push_back(typeOf(result, c));
    }
}

void readRows(const PGresult* result, const std::vector<VarType>& types, Variant* out) {
    const int fields = int(types.size());
    for (int r = 0; r < PQntuples(result); ++r) {
        for (int f = 0; f < fields; ++f)
            out[size_t(r) * size_t(fields) + size_t(f)] = valueOf(result, r, f, types[size_t(f)]);
    }
}

std::optional<VarType> typeOfField(const std::vector<VarType>& types, int field) {
    return types[size_t(field)];
}

class HeldRecords final : public RecordCursor {
public:
    HeldRecords(const PGresult* result, std::vector<VarType> types)
        : m_types(std::move(types)), m_count(PQntuples(result)),
          m_values(size_t(m_count) * m_types.size()) {
        readRows(result, m_types, m_values.data());
    }

    bool forwardOnly() const override { return false; }
    int count() const override { return m_count; }
    bool fetch(int index, Error&) override { return index >= 0 && index < m_count; }
    Variant* record(int index) override { return m_values.data() + size_t(index) * m_types.size(); }
    std::optional<VarType> heldType(int field) const override {
        return typeOfField(m_types, field);
    }

private:
    std::vector<VarType> m_types;
    int m_count;
    std::vector<Variant> m_values;
};

class ServerCursor final : public BlockRecords {
public:
    ServerCursor(std::shared_ptr<DatabaseHandle> handle, const QString& sql, int cacheSize)
        : BlockRecords(cacheSize), m_handle(std::move(handle)),
          m_name(QStringLiteral("tessix_records_%1").arg(++m_handle->cursorsDeclared)),
          m_query(sql) {}
    ~ServerCursor() override { release(); }
    ServerCursor(const ServerCursor&) = delete;
    ServerCursor& operator=(const ServerCursor&) = delete;

    // Declares the cursor and reads the first block, which describes the fields.
    bool open(ServerRecords& out, Error& error) {
        if (!declare(error) || (!fetch(0, error) && error.isError()))
            return false;
        out.names = m_names;
        out.types = m_types;
        return true;
    }

    Variant* record(int index) override {
        return m_block.data() + size_t(index - blockStart()) * m_types.size();
    }
    std::optional<VarType> heldType(int field) const override {
        return typeOfField(m_types, field);
    }

private:
    pg_conn* server() const { return m_handle->server; }

    bool restart(Error& error) override {
        release();
        return declare(error);
    }

    // A cursor lives in a transaction: the connection's first cursor begins it.
    bool declare(Error& error) {
        if (m_handle->openCursors == 0 && !run(server(), QStringLiteral("BEGIN"), error))
            return false;
        ++m_handle->openCursors;
        m_declared = true;
        if (!run(server(),
                 QStringLiteral("DECLARE %1 NO SCROLL CURSOR FOR %2").arg(m_name, m_query),
                 error)) {
            release();
            return false;
        }
        return true;
    }

    int readBlock(Error& error) override {
        const Result block =
            run(server(), QStringLiteral("FETCH FORWARD %1 FROM %2").arg(cacheSize()).arg(m_name),
                error);
        if (!block) {
            release();
            return -1;
        }
        if (m_names.empty()) {
            ServerRecords described;
            describeColumns(block.get(), described);
            m_names = std::move(described.names);
            m_types = std::move(described.types);
            m_block.resize(size_t(cacheSize()) * m_types.size());
        }
        const int records = PQntuples(block.get());
        readRows(block.get(), m_types, m_block.data());
        if (records < cacheSize()) // the last block: the server need keep nothing
            release();
        return records;
    }

    // Closes the cursor; the connection's last one ends the transaction (rolled back when a
    // failed statement spoilt it). Nothing is sent over a lost connection.
    void release() {
        if (!m_declared)
            return;
        m_declared = false;
        --m_handle->openCursors;
        if (PQstatus(server()) != CONNECTION_OK)
            return;
        Error ignored;
        const bool spoilt = PQtransactionStatus(server()) == PQTRANS_INERROR;
        if (!spoilt)
            run(server(), QStringLiteral("CLOSE ") + m_name, ignored);
        if (m_handle->openCursors == 0)
            run(server(), spoilt ? QStringLiteral("ROLLBACK") : QStringLiteral("COMMIT"), ignored);
    }

    std::shared_ptr<DatabaseHandle> m_handle;
    const QString m_name;
    const QString m_query;
    std::vector<QString> m_names;
    std::vector<VarType> m_types;
    std::vector<Variant> m_block; // CacheSize records
    bool m_declared = false;
};

} // namespace

ServerRecords readAllServerRecords(DatabaseHandle& handle, const QString& sql, Error& error) {
    ServerRecords out;
    const Result result = postgres::runBeside(handle, sql, error);
    if (!result)
        return out;
    if (PQresultStatus(result.get()) != PGRES_TUPLES_OK) {
        error = {CommandError, QStringLiteral("The statement returns no records: run it with "
                                              "Connection.Execute.")};
        return out;
    }
    describeColumns(result.get(), out);
    out.records = std::make_unique<HeldRecords>(result.get(), out.types);
    return out;
}

ServerRecords declareServerCursor(const std::shared_ptr<DatabaseHandle>& handle, const QString& sql,
                                  int cacheSize, Error& error) {
    ServerRecords out;
    auto cursor = std::make_unique<ServerCursor>(handle, sql, cacheSize);
    if (cursor->open(out, error))
        out.records = std::move(cursor);
    return out;
}

} // namespace db
