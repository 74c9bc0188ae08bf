#include "db/Field.h"

#include "db/Recordset.h"

namespace db {

const Variant& Field::Value() const {
    return m_records->FieldValue(m_index);
}

const Variant& Field::OriginalValue() const {
    return m_records->originalValue(m_index);
}

bool Field::SetValue(const Variant& value) {
    return m_records->setFieldValue(m_index, value);
}

Field* Fields::Item(int index) {
    return index >= 0 && index < Count() ? &m_fields[size_t(index)] : nullptr;
}

const Field* Fields::Item(int index) const {
    return index >= 0 && index < Count() ? &m_fields[size_t(index)] : nullptr;
}

Field* Fields::Item(const QString& name) {
    return Item(indexOf(name));
}

int Fields::indexOf(const QString& name) const {
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].Name().compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

} // namespace db
