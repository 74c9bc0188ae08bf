#include "db/RowUpdate.h"

#include "db/Connection.h"
#include "db/FieldValue.h"

#include <QStringList>

namespace db {

namespace {

// Str() of the classic runtime: the shortest text of 15 (Double) or 7 (Single) digits, with
// the sign's place left blank for a value that is not negative.
QString numberLiteral(double value, int digits) {
    const QString text = QString::number(value, 'g', digits);
    return value < 0 ? text : u' ' + text;
}

QString moneyLiteral(Currency amount) {
    const qint64 scaled = amount.scaled;
    const quint64 magnitude = scaled < 0 ? 0 - quint64(scaled) : quint64(scaled);
    QString text = QString::number(magnitude / Currency::Scale);
    if (const quint64 fraction = magnitude % Currency::Scale) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QChar(u'0'));
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return scaled < 0 ? u'-' + text : u' ' + text;
}

QString textLiteral(const QString& text) {
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

// "the field still holds its original value": money and dates compare as what they mean,
// text exactly (a change of case is a change), Null matching Null.
QString unchangedTest(const QString& name, const Variant& original) {
    const QString literal = SqlLiteral(original);
    switch (original.type()) {
    case VarType::Currency:
        return QStringLiteral("round([%1],4) IS round(%2,4)").arg(name, literal);
    case VarType::Date:
        return QStringLiteral("julianday([%1]) IS julianday(%2)").arg(name, literal);
    case VarType::String:
        return QStringLiteral("[%1] IS %2 COLLATE BINARY").arg(name, literal);
    default:
        return QStringLiteral("[%1] IS %2").arg(name, literal);
    }
}

} // namespace

QString SqlLiteral(const Variant& value) {
    switch (value.type()) {
    case VarType::Empty:
    case VarType::Null:
        return QStringLiteral("NULL");
    case VarType::Single:
        return numberLiteral(value.toDouble(), 7);
    case VarType::Double:
        return numberLiteral(value.toDouble(), 15);
    case VarType::Currency:
        return moneyLiteral(value.toCurrency());
    case VarType::String:
        return textLiteral(value.toString());
    case VarType::Date:
        // The ordinary text form of a date (the short date, 3/1/2024) is no SQL literal.
        return textLiteral(isoDateText(value));
    case VarType::Integer:
    case VarType::Long:
    case VarType::Boolean:
        break;
    }
    return value.toString();
}

QString RowUpdate::statement() const {
    QStringList sets;
    QStringList tests{QStringLiteral("[%1]=%2").arg(keyField, SqlLiteral(key))};
    for (const RowUpdateField& f : fields) {
        const QString literal = f.checked ? SqlLiteral(Variant(*f.checked)) : SqlLiteral(f.value);
        sets << QStringLiteral("[%1]=%2").arg(f.name, literal);
        if (f.original)
            tests << unchangedTest(f.name, *f.original);
    }
    return QStringLiteral("UPDATE [%1] SET %2 WHERE %3")
        .arg(table, sets.join(u','), tests.join(QStringLiteral(" AND ")));
}

Error SaveRow(Connection& connection, const RowUpdate& row) {
    int changed = 0;
    if (!connection.Execute(row.statement(), &changed))
        return connection.LastError();
    if (changed == 0)
        return {RecordChangedError,
                QStringLiteral("The record with %1 %2 was changed or deleted by someone else "
                               "after it was read, so the row was not saved.")
                    .arg(row.keyField, row.key.toString())};
    return {};
}

} // namespace db
