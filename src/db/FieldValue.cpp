#include "db/FieldValue.h"

#include <sqlite3.h>

#include <cmath>
#include <limits>

namespace db {

namespace {

Variant textOf(sqlite3_value* value) {
    const unsigned char* utf8 = sqlite3_value_text(value);
    return textValue(utf8, sqlite3_value_bytes(value));
}

// Money stored as a double: most amounts are the double nearest a whole number of
// ten-thousandths, which reads exactly without writing the double out in decimal (what
// Currency::fromDouble does, and what it would give for these).
std::optional<Currency> moneyOf(double v) {
    constexpr double FastLimit = 1e10; // 15 significant digits still reach the 4th decimal
    if (std::abs(v) < FastLimit) {
        const auto scaled = std::llround(v * Currency::Scale);
        if (double(scaled) / Currency::Scale == v)
            return Currency{scaled};
    }
    return Currency::tryFromDouble(v);
}

bool contains(const QByteArray& text, const char* word) {
    return text.contains(word);
}

} // namespace

// Short ASCII texts (most fields) are widened on the stack and land inside the Variant,
// with no string allocated in between.
Variant textValue(const unsigned char* utf8, int bytes) {
    constexpr int Short = 15;
    if (bytes == 0)
        return Variant(QStringLiteral(""));
    if (bytes <= Short) {
        char16_t units[Short];
        unsigned char seen = 0; // no branch per character: the loop widens in one go
        for (int i = 0; i < bytes; ++i) {
            seen |= utf8[i];
            units[i] = utf8[i];
        }
        if (seen < 0x80)
            return Variant(QString::fromRawData(reinterpret_cast<const QChar*>(units), bytes));
    }
    return Variant(QString::fromUtf8(reinterpret_cast<const char*>(utf8), bytes));
}

// "2024-03-01", "2024-03-01 10:30:00" or "2024-03-01T10:30:00.5"; nullopt for other text.
std::optional<Variant> dateOf(const Variant& text) {
    QString iso = text.toString();
    if (iso.size() > 10 && iso[10] == u' ')
        iso[10] = u'T';
    const QDateTime dt = iso.size() == 10
                             ? QDateTime(QDate::fromString(iso, Qt::ISODate), QTime(0, 0))
                             : QDateTime::fromString(iso, Qt::ISODate);
    const Variant date(dt);
    if (!dt.isValid() || date.isNull())
        return std::nullopt;
    return date;
}

std::optional<VarType> fieldTypeOfDeclared(const char* declaredType) {
    if (!declaredType)
        return std::nullopt;
    const QByteArray t = QByteArray(declaredType).toUpper();
    if (contains(t, "MONEY") || contains(t, "CURRENCY"))
        return VarType::Currency;
    if (contains(t, "BOOL") || contains(t, "BIT") || contains(t, "YESNO"))
        return VarType::Boolean;
    if (contains(t, "DATE") || contains(t, "TIME"))
        return VarType::Date;
    if (contains(t, "INT"))
        return VarType::Long;
    if (contains(t, "REAL") || contains(t, "FLOA") || contains(t, "DOUB") ||
        contains(t, "NUMERIC") || contains(t, "DECIMAL"))
        return VarType::Double;
    if (contains(t, "CHAR") || contains(t, "CLOB") || contains(t, "TEXT"))
        return VarType::String;
    return std::nullopt;
}

VarType fieldTypeOfStored(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return VarType::Long;
    case SQLITE_FLOAT:
        return VarType::Double;
    default:
        return VarType::String;
    }
}

// One sqlite3_column_value per column, then the value's own accessors: each sqlite3_column_*
// call checks the statement and its error state again, which for a few values a record
// costs more than reading them.
Variant readValue(sqlite3_stmt* stmt, int column, VarType type) {
    sqlite3_value* value = sqlite3_column_value(stmt, column);
    const int storage = sqlite3_value_type(value);
    if (storage == SQLITE_NULL)
        return Variant::null();
    if (storage != SQLITE_INTEGER && storage != SQLITE_FLOAT) {
        if (type != VarType::Date)
            return textOf(value); // built where the caller wants it, not copied there
        Variant text = textOf(value);
        if (std::optional<Variant> date = dateOf(text))
            return *date;
        return text;
    }
    if (type == VarType::String)
        return textOf(value);
    if (type == VarType::Boolean)
        return Variant(sqlite3_value_double(value) != 0);
    if (storage == SQLITE_FLOAT) {
        const double v = sqlite3_value_double(value);
        const std::optional<Currency> money = type == VarType::Currency ? moneyOf(v) : std::nullopt;
        return money ? Variant(*money) : Variant(v);
    }
    const sqlite3_int64 v = sqlite3_value_int64(value);
    constexpr sqlite3_int64 MaxMoney = std::numeric_limits<std::int64_t>::max() / Currency::Scale;
    if (type == VarType::Currency && v <= MaxMoney && v >= -MaxMoney)
        return Variant(Currency{v * Currency::Scale});
    if (type != VarType::Double && v >= std::numeric_limits<int>::min() &&
        v <= std::numeric_limits<int>::max())
        return Variant(int(v));
    return Variant(double(v)); // beyond 32 bits, as the classic runtime would hold it
}

std::optional<Variant> toFieldType(const Variant& value, VarType type) {
    if (value.isEmpty() || value.isNull())
        return Variant::null();
    bool ok = false;
    Variant converted = value.convertedTo(type, &ok);
    if (!ok)
        return std::nullopt;
    return converted;
}

QString fieldTypeWords(VarType type) {
    switch (type) {
    case VarType::Integer:
    case VarType::Long:
        return QStringLiteral("whole numbers");
    case VarType::Currency:
        return QStringLiteral("amounts of money");
    case VarType::Single:
    case VarType::Double:
        return QStringLiteral("numbers");
    case VarType::Boolean:
        return QStringLiteral("True or False");
    case VarType::Date:
        return QStringLiteral("dates");
    default:
        return QStringLiteral("text");
    }
}

QString isoDateText(const Variant& date) {
    const QDateTime dt = date.toDateTime();
    return dt.time() == QTime(0, 0) ? dt.date().toString(Qt::ISODate)
                                    : dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace db
