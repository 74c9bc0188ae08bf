#pragma once
// What a failed database call reports: a number the windows test for (0x80040E21 is a
// duplicate key) and a description a user can act on. Each object keeps the error of its
// last call (LastError()); a call that succeeds clears it.

#include <QString>
#include <QtGlobal>

namespace db {

// The numbers, as 32-bit values the windows show in decimal.
enum ErrorNumber : qint32 {
    NoError = 0,
    ProviderCannotStart = 429,                  // the SQLite library cannot run here
    DuplicateKeyError = qint32(0x80040E21),     // primary key or unique value taken
    IntegrityError = qint32(0x80040E2F),        // a CHECK or NOT NULL rule refused it
    CommandError = qint32(0x80040E14),          // the SQL is wrong (syntax, names)
    RecordChangedError = qint32(0x80040E38),    // changed or deleted by someone else
    TypeMismatchError = qint32(0x80020005),     // a value the field cannot take
    DatabaseFileError = qint32(0x80004005),     // missing, damaged, locked, read-only
    NotSupportedError = qint32(0x800A0CB3),     // not with this cursor or lock type
    NoCurrentRecordError = qint32(0x800A0BCD),  // at BOF or EOF
    ArgumentError = qint32(0x800A0BB9),         // a bad argument
    ItemNotFoundError = qint32(0x800A0CC1),     // no field of that name or index
    ClosedObjectError = qint32(0x800A0E78),     // the object is not open
    ProviderNotFoundError = qint32(0x800A0E7A), // a provider other than SQLite
};

struct Error {
    qint32 Number = NoError;
    QString Description;

    bool isError() const { return Number != NoError; }
};

} // namespace db
