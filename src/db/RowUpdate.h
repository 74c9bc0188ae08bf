#pragma once
// A grid row written back with one UPDATE statement, as the row-level editing windows save
// the row the user left:
//   UPDATE [Customers] SET [ID]=12,[Company]='Bits ''n'' Bytes',[Total Sales]= 1500.5,
//   [Has Discount]=True WHERE [Id]=12
// Every field is written. A check-box column writes True or False by its box; any other
// value by its type (SqlLiteral). The record is selected by the key the row had when it was
// loaded or last saved, so an edited key moves that record and no other, and by each
// field's value as loaded or last saved where the caller gives it, so a record someone else
// changed meanwhile is a conflict (RecordChangedError), never overwritten.

#include "db/Error.h"
#include "runtime/Variant.h"

#include <QString>
#include <optional>
#include <vector>

namespace db {

class Connection;

struct RowUpdateField {
    QString name;                // the column's key, which is the field's name
    Variant value;               // the cell's value
    std::optional<bool> checked; // for a check-box column: the box's state decides
    // As loaded or last saved (a check box's state as a Boolean): the record must still
    // hold it. None: the field is written whatever the record holds now.
    std::optional<Variant> original = {};
};

struct RowUpdate {
    QString table;
    std::vector<RowUpdateField> fields;
    QString keyField; // as the WHERE clause names it ("Id")
    Variant key;      // as loaded or last saved, not as edited

    QString statement() const;
};

// The literal of a value: NULL for Empty and Null; single, double and money amounts in
// invariant form with a blank before values that are not negative (" 1500.5"); text in
// single quotes with each quote doubled; dates as quoted ISO text ('2024-03-01'); whole
// numbers and Booleans as they read (12, True).
QString SqlLiteral(const Variant& value);

// Runs the statement. A statement that changes no record (the key is gone, or a field no
// longer holds its original value) is a failure too (RecordChangedError): the row was not
// saved.
Error SaveRow(Connection& connection, const RowUpdate& row);

} // namespace db
