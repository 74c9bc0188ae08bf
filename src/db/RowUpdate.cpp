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
    for (const RowUpdateField& f : fields) {
        const QString literal =
            f.checked ? (*f.checked ? QStringLiteral("True") : QStringLiteral("False"))
                      : SqlLiteral(f.value);
        sets << QStringLiteral("[%1]=%2").arg(f.name, literal);
    }
    return QStringLiteral("UPDATE [%1] SET %2 WHERE [%3]=%4")
        .arg(table, sets.join(u','), keyField, SqlLiteral(key));
}

Error SaveRow(Connection& connection, const RowUpdate& row) {
    int changed = 0;
    if (!connection.Execute(row.statement(), &changed))
        return connection.LastError();
    if (changed == 0)
        return {RecordChangedError,
                QStringLiteral("No record has %1 %2 any more (someone else changed or deleted "
                               "it), so the row was not saved.")
                    .arg(row.keyField, row.key.toString())};
    return {};
}

} // namespace db
