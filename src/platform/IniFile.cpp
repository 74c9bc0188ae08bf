#include "platform/IniFile.h"

#include <QFile>
#include <QList>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace {

constexpr qsizetype MaxValueLength = 25000;

// One line of the file as it is on disk, and what it means.
struct IniLine {
    QByteArray bytes; // without the line ending
    QByteArray eol;   // "\n", "\r\n" or empty on a last line without one
    enum Kind { Other, Section, Key } kind = Other;
    QString name;  // section or key name, trimmed
    QString value; // key value, trimmed and unquoted
};

QString unquoted(const QString& value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

void interpret(IniLine& line, const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.indexOf(u']');
        line.kind = IniLine::Section;
        line.name = trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
        return;
    }
    const qsizetype equals = trimmed.indexOf(u'=');
    if (trimmed.startsWith(u';') || equals <= 0)
        return;
    line.kind = IniLine::Key;
    line.name = trimmed.left(equals).trimmed();
    line.value = unquoted(trimmed.mid(equals + 1).trimmed());
}

class IniDocument {
public:
    // A missing file gives an empty document; so does one that cannot be read, which
    // readable() then reports.
    explicit IniDocument(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            m_readable = !file.exists();
            return;
        }
        const QByteArray bytes = file.readAll();
        QStringDecoder utf8(QStringConverter::Utf8);
        const QString decoded = utf8(bytes);
        Q_UNUSED(decoded)
        m_utf8 = !utf8.hasError();
        split(bytes);
    }

    bool readable() const { return m_readable; }

    // The first line of key in a section of that name, if any.
    std::optional<qsizetype> findKey(const QString& section, const QString& key) const {
        bool inSection = false;
        for (qsizetype i = 0; i < m_lines.size(); ++i) {
            const IniLine& line = m_lines[i];
            if (line.kind == IniLine::Section)
                inSection = sameName(line.name, section);
            else if (inSection && line.kind == IniLine::Key && sameName(line.name, key))
                return i;
        }
        return std::nullopt;
    }

    QString value(qsizetype index) const { return m_lines[index].value; }

    void set(const QString& section, const QString& key, const QString& value) {
        if (const auto index = findKey(section, key)) {
            IniLine& line = m_lines[*index];
            line.bytes = encode(line.name + u'=' + value);
            return;
        }
        if (const auto last = lastLineOfSection(section)) {
            insert(*last + 1, key + u'=' + value);
            return;
        }
        if (!m_lines.isEmpty() && !m_lines.back().bytes.trimmed().isEmpty())
            insert(m_lines.size(), QString());
        insert(m_lines.size(), u'[' + section + u']');
        insert(m_lines.size(), key + u'=' + value);
    }

    QByteArray bytes() const {
        QByteArray out;
        for (const IniLine& line : m_lines)
            out += line.bytes + line.eol;
        return out;
    }

private:
    static bool sameName(const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    }

    void split(const QByteArray& bytes) {
        // New lines follow the style of the file's first line; new files get LF.
        bool sawEol = false;
        qsizetype start = 0;
        while (start < bytes.size()) {
            const qsizetype newline = bytes.indexOf('\n', start);
            const qsizetype end = newline < 0 ? bytes.size() : newline;
            IniLine line;
            line.bytes = bytes.mid(start, end - start);
            if (newline >= 0)
                line.eol = "\n";
            if (newline >= 0 && line.bytes.endsWith('\r')) {
                line.bytes.chop(1);
                line.eol = "\r\n";
            }
            if (!sawEol && !line.eol.isEmpty()) {
                m_eol = line.eol;
                sawEol = true;
            }
            interpret(line, decode(line.bytes));
            m_lines.append(line);
            start = end + 1;
        }
    }

    QString decode(const QByteArray& bytes) const {
        QString text = m_utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
        if (text.startsWith(QChar::ByteOrderMark))
            text.remove(0, 1);
        return text;
    }

    QByteArray encode(const QString& text) const {
        return m_utf8 ? text.toUtf8() : text.toLatin1();
    }

    // The last non-blank line of the first section of that name.
    std::optional<qsizetype> lastLineOfSection(const QString& section) const {
        std::optional<qsizetype> last;
        for (qsizetype i = 0; i < m_lines.size(); ++i) {
            const IniLine& line = m_lines[i];
            if (line.kind == IniLine::Section) {
                if (last)
                    break;
                if (sameName(line.name, section))
                    last = i;
            } else if (last && !line.bytes.trimmed().isEmpty()) {
                last = i;
            }
        }
        return last;
    }

    void insert(qsizetype index, const QString& text) {
        // A line that ends the file without a line ending gets one before anything follows.
        if (index > 0 && m_lines[index - 1].eol.isEmpty())
            m_lines[index - 1].eol = m_eol;
        IniLine line;
        line.bytes = encode(text);
        line.eol = m_eol;
        m_lines.insert(index, line);
    }

    QList<IniLine> m_lines;
    QByteArray m_eol = "\n";
    bool m_utf8 = true;
    bool m_readable = true;
};

bool validName(const QString& name) {
    return !name.trimmed().isEmpty() && !name.contains(u'\n') && !name.contains(u'\r');
}

} // namespace

QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& defaultValue) {
    const IniDocument document(file);
    const auto index = document.findKey(section.trimmed(), key.trimmed());
    return index ? document.value(*index).left(MaxValueLength) : defaultValue;
}

bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value) {
    if (!validName(section) || !validName(key) || key.contains(u'=') || section.contains(u']') ||
        value.contains(u'\n') || value.contains(u'\r'))
        return false;
    IniDocument document(file);
    if (!document.readable())
        return false;
    document.set(section.trimmed(), key.trimmed(), value);
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(document.bytes());
    return out.commit();
}
