#pragma once
// A recordset's fields: each has a name, the type of its values, its value in the current
// record and the value it had when the record was read (or last stored). Assigning a value
// converts it to the field's type; one that does not convert is refused.

#include "runtime/Variant.h"

#include <QString>
#include <vector>

namespace db {

class Recordset;

class Field {
public:
    const QString& Name() const { return m_name; }
    VarType Type() const { return m_type; }
    // Empty when there is no current record.
    const Variant& Value() const;
    const Variant& OriginalValue() const;
    // false (the recordset's LastError says why) for a value the field cannot take, a
    // read-only recordset or field, or no current record.
    bool SetValue(const Variant& value);

private:
    friend class Recordset;
    Field(Recordset& records, int index, QString name, VarType type, QString column)
        : m_records(&records), m_index(index), m_name(std::move(name)), m_type(type),
          m_column(std::move(column)) {}

    Recordset* m_records;
    int m_index;
    QString m_name;
    VarType m_type;
    QString m_column; // the table column it comes from; empty when the query computes it
};

class Fields {
public:
    int Count() const { return int(m_fields.size()); }
    // By 0-based index, or by name without regard to case; nullptr when there is none.
    Field* Item(int index);
    Field* Item(const QString& name);
    const Field* Item(int index) const;
    int indexOf(const QString& name) const; // -1 when there is none

private:
    friend class Recordset;
    std::vector<Field> m_fields;
};

} // namespace db
