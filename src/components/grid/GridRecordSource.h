#pragma once
// The records FillFromRS reads: a recordset's fields (names, types and the current record's
// values) and its moves. The database layer's recordset implements it, so the grid links no
// database; a test can hand the grid records of its own.

#include "runtime/Variant.h"

#include <QString>

class GridRecordSource {
public:
    virtual ~GridRecordSource() = default;

    // Fields by 0-based index.
    virtual int FieldCount() const = 0;
    virtual QString FieldName(int field) const = 0;
    // The type of the field's values; Boolean for yes/no fields (loaded as check states).
    virtual VarType FieldType(int field) const = 0;
    // The current record's values, one per field in field order; valid until the next move.
    // One call a record, not one a value: the load reads every value of every record.
    virtual const Variant* RecordValues() const = 0;

    virtual bool Eof() const = 0;
    // false when the move failed (the source keeps the error); reaching the end is no failure.
    virtual bool MoveFirst() = 0;
    virtual bool MoveNext() = 0;
    // The current record's 1-based position.
    virtual int AbsolutePosition() const = 0;
};
