#include "db/PostgresSql.h"

namespace db {

namespace {

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// The word starting at i, when it is one (not part of a longer name).
bool wordAt(const QString& sql, qsizetype i, QStringView word) {
    if (i > 0 && isWordChar(sql[i - 1]))
        return false;
    const qsizetype end = i + word.size();
    return QStringView(sql).mid(i, word.size()).compare(word, Qt::CaseInsensitive) == 0 &&
           (end >= sql.size() || !isWordChar(sql[end]));
}

} // namespace

QString postgresSql(const QString& sql) {
    QString out;
    out.reserve(sql.size() + 8);
    for (qsizetype i = 0; i < sql.size();) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') { // a literal or a quoted name, copied whole
            const qsizetype close = sql.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? sql.size() : close + 1;
            out += QStringView(sql).mid(i, end - i);
            i = end;
        } else if (c == u'[') {
            const qsizetype close = sql.indexOf(u']', i + 1);
            const qsizetype end = close < 0 ? sql.size() : close;
            QString name = sql.mid(i + 1, end - i - 1).toLower();
            name.replace(u'"', QStringLiteral("\"\""));
            out += u'"' + name + u'"';
            i = end + 1;
        } else if (wordAt(sql, i, u"LIKE")) {
            out += QStringLiteral("ILIKE");
            i += 4;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

} // namespace db
