#pragma once
// Field types and values as the database layer hands them out: the declared column type
// decides a field's type (MONEY is Currency, BOOLEAN is Boolean, DATE is Date...), and each
// stored value is read as that type where it converts without loss. Dates are stored as ISO
// text ("2024-03-01", "2024-03-01 10:30:00"). Internal to the database layer.

#include "runtime/Variant.h"

#include <QString>
#include <optional>

struct sqlite3_stmt;

namespace db {

// The field type of a declared column type; nullopt for none (a computed column), whose
// type then comes from its values.
std::optional<VarType> fieldTypeOfDeclared(const char* declaredType);
// The type of a value SQLite computed (its storage class).
VarType fieldTypeOfStored(sqlite3_stmt* stmt, int column);

// A text value from UTF-8.
Variant textValue(const unsigned char* utf8, int bytes);
// The date of ISO text ("2024-03-01", "2024-03-01 10:30:00", "2024-03-01T10:30:00.5");
// nullopt for other text.
std::optional<Variant> dateOf(const Variant& text);

// The value of a result column, read as `type` where it converts without loss, else by its
// storage class; SQL NULL is Null.
Variant readValue(sqlite3_stmt* stmt, int column, VarType type);

// A value made fit for a field of `type`, as assigning to the field converts it: Empty and
// Null give Null; nullopt when it does not convert (letters for a number).
std::optional<Variant> toFieldType(const Variant& value, VarType type);
// What a user reads about the values a field of `type` takes ("whole numbers").
QString fieldTypeWords(VarType type);

// "2024-03-01" for a date at midnight, else "2024-03-01 10:30:00".
QString isoDateText(const Variant& date);

} // namespace db
