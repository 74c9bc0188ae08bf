#include "db/RecordWrite.h"

#include "db/FieldValue.h"
#include "db/SqliteStatement.h"

#include <QStringList>
#include <algorithm>
#include <sqlite3.h>

namespace db {

namespace {

// Double quotes, not brackets: a name may hold any character (a quote is doubled).
QString quotedName(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// "column still holds the value bound at ?": money and dates compare as what they mean, not
// as the stored text or binary fraction, and text compares exactly (a change of case is a
// change).
QString unchangedTest(const QString& column, VarType type) {
    switch (type) {
    case VarType::Currency:
        return QStringLiteral("round(%1, 4) IS round(?, 4)").arg(column);
    case VarType::Date:
        return QStringLiteral("julianday(%1) IS julianday(?)").arg(column);
    case VarType::String:
        return QStringLiteral("%1 IS ? COLLATE BINARY").arg(column);
    default:
        return QStringLiteral("%1 IS ?").arg(column);
    }
}

bool isKey(const WriteTarget& target, int field) {
    return std::find(target.keyFields.begin(), target.keyFields.end(), field) !=
           target.keyFields.end();
}

QString keyText(const WriteTarget& target, const std::vector<Variant>& original) {
    QStringList parts;
    for (int k : target.keyFields)
        parts << target.columns[size_t(k)] + u'=' + original[size_t(k)].toString();
    return parts.join(QStringLiteral(", "));
}

QString keyCondition(const WriteTarget& target) {
    QStringList parts;
    for (int k : target.keyFields)
        parts << unchangedTest(quotedName(target.columns[size_t(k)]), target.types[size_t(k)]);
    return parts.join(QStringLiteral(" AND "));
}

} // namespace

Error writeRecord(sqlite3* db, const WriteTarget& target, const Variant* current,
                  const std::vector<Variant>& original, const std::vector<bool>& changed) {
    QStringList sets;
    QStringList tests{keyCondition(target)};
    std::vector<int> setFields;
    std::vector<int> testFields;
    for (size_t f = 0; f < changed.size(); ++f) {
        if (!changed[f])
            continue;
        const QString column = quotedName(target.columns[f]);
        sets << column + QStringLiteral(" = ?");
        setFields.push_back(int(f));
        if (!isKey(target, int(f))) {
            tests << unchangedTest(column, target.types[f]);
            testFields.push_back(int(f));
        }
    }
    if (sets.isEmpty())
        return {};
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                            .arg(quotedName(target.table), sets.join(QStringLiteral(", ")),
                                 tests.join(QStringLiteral(" AND ")));
    Statement statement;
    Error error;
    if (!statement.prepare(db, sql, error))
        return error;
    int index = 1;
    for (int f : setFields)
        statement.bind(index++, current[f]);
    for (int k : target.keyFields)
        statement.bind(index++, original[size_t(k)]);
    for (int f : testFields)
        statement.bind(index++, original[size_t(f)]);
    if (!statement.run(error))
        return error;
    if (sqlite3_changes(db) == 0)
        return {RecordChangedError,
                QStringLiteral("The record with %1 was changed or deleted by someone else "
                               "after it was read, so your changes to it were not saved.")
                    .arg(keyText(target, original))};
    return {};
}

void rereadRecord(sqlite3* db, const WriteTarget& target, Variant* record) {
    QStringList columns;
    std::vector<int> fields;
    for (size_t f = 0; f < target.columns.size(); ++f) {
        if (!target.columns[f].isEmpty()) {
            columns << quotedName(target.columns[f]);
            fields.push_back(int(f));
        }
    }
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3")
                            .arg(columns.join(QStringLiteral(", ")), quotedName(target.table),
                                 keyCondition(target));
    Statement statement;
    Error error;
    if (!statement.prepare(db, sql, error))
        return;
    int index = 1;
    for (int k : target.keyFields)
        statement.bind(index++, record[k]);
    if (statement.step(error) != Statement::Step::Row)
        return;
    for (size_t i = 0; i < fields.size(); ++i)
        record[fields[i]] = readValue(statement.get(), int(i), target.types[size_t(fields[i])]);
}

} // namespace db
