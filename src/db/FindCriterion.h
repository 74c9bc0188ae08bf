#pragma once
// The criterion of Recordset::Find: one field compared with one value, as the windows write
// them: "Company LIKE 'Ab%'", "[Total Sales] > 1000", "Country = 'Canada'", "ID <> 17", and
// "Company LIKE %text%" with the value not quoted at all.
//
// A value is literal text: a LIKE pattern has wildcards (% or *) only as its first and last
// character, so quotes, percent signs and brackets inside a user's text are searched for as
// they are. A quoted value ('it''s') has its doubled quotes undone; #2024-03-01# is a date;
// an unquoted number, True or False compares as such. Text compares without regard to case.

#include "runtime/Variant.h"

#include <QString>
#include <optional>

namespace db {

class FindCriterion {
public:
    enum class Op { Like, Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

    // nullopt for text that is no such criterion.
    static std::optional<FindCriterion> parse(const QString& criterion);

    const QString& field() const { return m_field; }
    Op op() const { return m_op; }
    bool matches(const Variant& value) const; // Null and Empty never match

private:
    QString m_field;
    Op m_op = Op::Equal;
    Variant m_value;          // what compare operators compare with
    QString m_pattern;        // LIKE: the literal part between the wildcards
    bool m_anyBefore = false; // LIKE: a leading wildcard
    bool m_anyAfter = false;  // LIKE: a trailing wildcard
};

} // namespace db
