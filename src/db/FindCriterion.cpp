#include "db/FindCriterion.h"

#include <array>

namespace db {

namespace {

struct OpText {
    QStringView text;
    FindCriterion::Op op;
};
// Longest first, so "<>" is not read as "<".
constexpr std::array<OpText, 6> Comparisons{{{u"<>", FindCriterion::Op::NotEqual},
                                             {u"<=", FindCriterion::Op::LessEqual},
                                             {u">=", FindCriterion::Op::GreaterEqual},
                                             {u"=", FindCriterion::Op::Equal},
                                             {u"<", FindCriterion::Op::Less},
                                             {u">", FindCriterion::Op::Greater}}};

struct Split {
    qsizetype at = -1; // where the operator starts
    qsizetype length = 0;
    FindCriterion::Op op = FindCriterion::Op::Equal;
};

// The first operator outside a bracketed name: a comparison sign or the word LIKE.
Split findOperator(const QString& text) {
    bool inBrackets = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'[' || c == u']') {
            inBrackets = c == u'[';
            continue;
        }
        if (inBrackets)
            continue;
        for (const OpText& o : Comparisons) {
            if (QStringView(text).mid(i).startsWith(o.text))
                return {i, o.text.size(), o.op};
        }
        const bool wordStart = i > 0 && text[i - 1].isSpace();
        const QStringView rest = QStringView(text).mid(i);
        if (wordStart && rest.startsWith(u"like", Qt::CaseInsensitive) &&
            (rest.size() == 4 || rest[4].isSpace()))
            return {i, 4, FindCriterion::Op::Like};
    }
    return {};
}

QString unbracketed(QString name) {
    name = name.trimmed();
    if (name.size() >= 2 && name.startsWith(u'[') && name.endsWith(u']'))
        return name.mid(1, name.size() - 2);
    return name;
}

bool quotedWith(const QString& text, QChar quote) {
    return text.size() >= 2 && text.startsWith(quote) && text.endsWith(quote);
}

// A value that is not quoted: True or False, or else the text itself (numeric text compares
// as its number).
Variant bareValue(const QString& text) {
    if (text.compare(u"true", Qt::CaseInsensitive) == 0)
        return Variant(true);
    if (text.compare(u"false", Qt::CaseInsensitive) == 0)
        return Variant(false);
    return Variant(text);
}

bool isWildcard(QChar c) {
    return c == u'%' || c == u'*';
}

} // namespace

std::optional<FindCriterion> FindCriterion::parse(const QString& criterion) {
    const QString text = criterion.trimmed();
    const Split split = findOperator(text);
    if (split.at <= 0)
        return std::nullopt;
    FindCriterion c;
    c.m_field = unbracketed(text.left(split.at));
    c.m_op = split.op;
    const QString value = text.mid(split.at + split.length).trimmed();
    if (c.m_field.isEmpty() || value.isEmpty())
        return std::nullopt;

    QString literal = value;
    const bool quoted = quotedWith(value, u'\'');
    if (quoted)
        literal = value.mid(1, value.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    if (c.m_op == Op::Like) {
        c.m_anyBefore = !literal.isEmpty() && isWildcard(literal.front());
        if (c.m_anyBefore)
            literal.remove(0, 1);
        c.m_anyAfter = !literal.isEmpty() && isWildcard(literal.back());
        if (c.m_anyAfter)
            literal.chop(1);
        c.m_pattern = literal;
        return c;
    }
    if (quoted) {
        c.m_value = Variant(literal);
    } else if (quotedWith(value, u'#')) {
        bool ok = false;
        c.m_value = Variant(value.mid(1, value.size() - 2)).convertedTo(VarType::Date, &ok);
        if (!ok)
            return std::nullopt;
    } else {
        c.m_value = bareValue(value);
    }
    return c;
}

bool FindCriterion::matches(const Variant& value) const {
    if (value.isEmpty() || value.isNull())
        return false;
    if (m_op == Op::Like) {
        const QString text = value.toString();
        if (m_anyBefore && m_anyAfter)
            return text.contains(m_pattern, Qt::CaseInsensitive);
        if (m_anyBefore)
            return text.endsWith(m_pattern, Qt::CaseInsensitive);
        if (m_anyAfter)
            return text.startsWith(m_pattern, Qt::CaseInsensitive);
        return text.compare(m_pattern, Qt::CaseInsensitive) == 0;
    }
    const int order = Variant::compare(value, m_value, Qt::CaseInsensitive);
    switch (m_op) {
    case Op::Equal:
        return order == 0;
    case Op::NotEqual:
        return order != 0;
    case Op::Less:
        return order < 0;
    case Op::Greater:
        return order > 0;
    case Op::LessEqual:
        return order <= 0;
    case Op::GreaterEqual:
        return order >= 0;
    case Op::Like:
        break;
    }
    return false;
}

} // namespace db
