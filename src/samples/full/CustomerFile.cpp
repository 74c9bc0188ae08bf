#include "samples/full/CustomerFile.h"

#include "platform/FileReading.h"

#include <QSaveFile>
#include <QStringDecoder>

namespace {

constexpr int FieldCount = 8;
constexpr int MaxPatronState = 255;

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString quoted(const QString& text) {
    if (text.isEmpty())
        return {};
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// The text of the bytes, line by line: UTF-8, or Latin-1 for a line that is not valid UTF-8
// (a line feed never occurs inside a UTF-8 sequence, so lines decode apart).
QString decode(const QByteArray& bytes, CustomerFileContents& contents) {
    QString text;
    text.reserve(bytes.size());
    int line = 1;
    for (qsizetype start = 0; start < bytes.size(); ++line) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArrayView bytesOfLine(bytes.constData() + start, end - start);
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(bytesOfLine);
        if (utf8.hasError()) {
            text += QString::fromLatin1(bytesOfLine);
            if (contents.latin1LineCount++ < CustomerFile::MaxKeptLines)
                contents.latin1Lines.append(line);
        } else {
            text += decoded;
        }
        start = end;
    }
    return text;
}

// Reads the records of a text one by one; a record ends at a line end outside quotes.
class RecordReader {
public:
    explicit RecordReader(const QString& text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    int line() const { return m_line; }

    // True for a line holding nothing but blanks; it is passed over.
    bool skipBlankLine() {
        qsizetype i = m_pos;
        while (i < m_text.size() && isBlank(m_text[i]))
            ++i;
        if (i < m_text.size() && !isLineEnd(m_text[i]))
            return false;
        m_pos = i;
        endLine();
        return true;
    }

    // The fields of the next record; an empty reason when it was well-formed. A bad record
    // is passed over up to the end of its (last) line.
    QStringList next(QString& reason) {
        QStringList fields;
        reason.clear();
        for (;;) {
            skipBlanks();
            fields << (peek() == u'"' ? quotedField(reason) : plainField());
            if (!reason.isEmpty()) {
                skipRestOfLine();
                break;
            }
            if (peek() != u',')
                break;
            ++m_pos;
        }
        endLine();
        return fields;
    }

private:
    QChar peek() const { return atEnd() ? QChar() : m_text[m_pos]; }

    void skipBlanks() {
        while (!atEnd() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    QString plainField() {
        const qsizetype start = m_pos;
        while (!atEnd() && m_text[m_pos] != u',' && !isLineEnd(m_text[m_pos]))
            ++m_pos;
        return m_text.mid(start, m_pos - start).trimmed();
    }

    QString quotedField(QString& reason) {
        ++m_pos; // the opening quote
        QString value;
        for (;;) {
            if (atEnd()) {
                reason = QStringLiteral("a quoted text has no closing quote");
                return value;
            }
            const QChar c = m_text[m_pos++];
            if (c == u'"') {
                if (peek() != u'"')
                    break;
                ++m_pos; // a doubled quote stands for one
            } else if (c == u'\n') {
                ++m_line;
            }
            value += c;
        }
        skipBlanks();
        if (!atEnd() && peek() != u',' && !isLineEnd(peek()))
            reason = QStringLiteral("text follows a closing quote");
        return value;
    }

    void skipRestOfLine() {
        while (!atEnd() && !isLineEnd(m_text[m_pos]))
            ++m_pos;
    }

    // Passes over CR LF, LF or a lone CR.
    void endLine() {
        if (atEnd())
            return;
        if (m_text[m_pos] == u'\r')
            ++m_pos;
        if (!atEnd() && m_text[m_pos] == u'\n')
            ++m_pos;
        ++m_line;
    }

    const QString& m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
};

// The record of eight fields; an empty reason when every field converted.
CustomerRecord toRecord(const QStringList& fields, QString& reason) {
    CustomerRecord record;
    if (fields.size() != FieldCount) {
        reason = QStringLiteral("%1 fields expected, %2 found").arg(FieldCount).arg(fields.size());
        return record;
    }
    record.type = fields[0];
    record.id = fields[1];
    record.name = fields[2];
    record.country = fields[3];
    record.info = fields[7];

    const QString patron = fields[4].trimmed();
    bool ok = true;
    record.patron = patron.isEmpty() ? 0 : patron.toInt(&ok);
    if (!ok || record.patron < 0 || record.patron > MaxPatronState) {
        reason = QStringLiteral("the patron field \"%1\" is not a number from 0 to %2")
                     .arg(patron)
                     .arg(MaxPatronState);
        return record;
    }
    const auto amount = [&](const QString& text, const char* what) -> std::optional<Currency> {
        if (text.trimmed().isEmpty() || !reason.isEmpty())
            return std::nullopt;
        const std::optional<Currency> value = CustomerFile::parseAmount(text);
        if (!value)
            reason = QStringLiteral("the %1 field \"%2\" is not an amount")
                         .arg(QLatin1String(what), text.trimmed());
        return value;
    };
    record.sales = amount(fields[5], "sales");
    record.debt = amount(fields[6], "debt");
    return record;
}

} // namespace

namespace CustomerFile {

CustomerFileContents parse(const QByteArray& bytes) {
    CustomerFileContents contents;
    const QString text = decode(bytes, contents);
    RecordReader reader(text);
    while (!reader.atEnd()) {
        if (reader.skipBlankLine())
            continue;
        const int line = reader.line();
        QString reason;
        const QStringList fields = reader.next(reason);
        CustomerRecord record;
        if (reason.isEmpty())
            record = toRecord(fields, reason);
        if (reason.isEmpty())
            contents.records.push_back(std::move(record));
        else if (contents.problemCount++ < MaxKeptLines)
            contents.problems.append({line, reason});
    }
    return contents;
}

CustomerFileContents read(const QString& path) {
    const FileContents file = ReadRegularFile(path, MaxFileBytes);
    if (file.error.isEmpty())
        return parse(file.bytes);
    CustomerFileContents contents;
    contents.openError = file.error;
    contents.missing = file.missing;
    return contents;
}

QString formatRecord(const CustomerRecord& r) {
    const auto amount = [](const std::optional<Currency>& value) {
        return value ? formatAmount(*value) : QString();
    };
    return QStringList{quoted(r.type),
                       quoted(r.id),
                       quoted(r.name),
                       quoted(r.country),
                       QString::number(r.patron),
                       amount(r.sales),
                       amount(r.debt),
                       quoted(r.info)}
        .join(u',');
}

QByteArray format(const std::vector<CustomerRecord>& records) {
    QString text;
    for (const CustomerRecord& record : records)
        text += formatRecord(record) + QStringLiteral("\r\n");
    return text.toUtf8();
}

bool write(const QString& path, const std::vector<CustomerRecord>& records, QString* error) {
    QSaveFile file(path);
    const QByteArray bytes = format(records);
    const bool ok =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}

QString formatAmount(Currency amount) {
    const bool negative = amount.scaled < 0;
    // Unsigned, so the most negative amount has a magnitude too.
    const quint64 magnitude = negative ? 0 - quint64(amount.scaled) : quint64(amount.scaled);
    QString text = QString::number(magnitude / Currency::Scale);
    if (const quint64 fraction = magnitude % Currency::Scale) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return negative ? u'-' + text : text;
}

std::optional<Currency> parseAmount(const QString& text) {
    return Currency::parse(text);
}

} // namespace CustomerFile
