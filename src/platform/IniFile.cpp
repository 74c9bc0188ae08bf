#include "platform/IniFile.h"

#include "platform/FileReading.h"

#include <QList>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace {

constexpr qsizetype MaxValueLength = 25000;

// One line of the file, and what it means.
struct IniLine {
    QString text;   // as read (a byte order mark included) or as set, without the line ending
    QByteArray eol; // "\n", "\r\n" or empty on a last line without one
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

// The value as its line holds it: in double quotes where the reader would otherwise trim it
// or take off quotes of its own.
QString stored(const QString& value) {
    return unquoted(value.trimmed()) == value ? value : u'"' + value + u'"';
}

// The bytes as UTF-8 text, a byte order mark kept as a character; nullopt when they are not
// valid UTF-8. Stateless, so that a sequence cut off at the end counts as invalid instead of
// being held back for more input.
std::optional<QString> utf8Text(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                    QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? std::nullopt : std::optional(std::move(text));
}

bool blank(const QString& text) {
    return text.trimmed().isEmpty();
}

QString withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.left(end);
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

} // namespace

class IniDocument {
public:
    // The text of the file's bytes.
    explicit IniDocument(const QByteArray& bytes) {
        const std::optional<QString> text = utf8Text(bytes);
        m_utf8 = text.has_value();
        split(m_utf8 ? *text : QString::fromLatin1(bytes));
    }

    // The first line of key in a section of that name, if any.
    std::optional<qsizetype> findKey(const QString& section, const QString& key) const {
        const QList<bool> inSection = linesInSection(section);
        for (qsizetype i = 0; i < m_lines.size(); ++i)
            if (inSection[i] && isKey(m_lines[i], key))
                return i;
        return std::nullopt;
    }

    // Every line of key in the sections of that name; true when there was one.
    bool removeKey(const QString& section, const QString& key) {
        const QList<bool> inSection = linesInSection(section);
        return removeLines([&](qsizetype i) { return inSection[i] && isKey(m_lines[i], key); });
    }

    // Every section of that name with its lines; true when there was one.
    bool removeSection(const QString& section) {
        const QList<bool> inSection = linesInSection(section);
        if (!removeLines([&](qsizetype i) { return inSection[i]; }))
            return false;
        // The blank lines that set the last section apart go with it.
        if (inSection.back())
            while (!m_lines.isEmpty() && blank(m_lines.back().text))
                m_lines.removeLast();
        return true;
    }

    QString value(qsizetype index) const { return m_lines[index].value; }

    void set(const QString& section, const QString& key, const QString& value) {
        if (const auto index = findKey(section, key)) {
            IniLine& line = m_lines[*index];
            line.text = line.name + u'=' + stored(value);
            return;
        }
        const QString entry = key + u'=' + stored(value);
        if (const auto last = lastLineOfSection(section)) {
            insert(*last + 1, entry);
            return;
        }
        if (!m_lines.isEmpty() && !blank(m_lines.back().text))
            insert(m_lines.size(), QString());
        insert(m_lines.size(), u'[' + section + u']');
        insert(m_lines.size(), entry);
    }

    // The file's new content. A file read as Latin-1 stays so while that holds every
    // character and the bytes would not then read as UTF-8; otherwise it becomes UTF-8,
    // which holds any text and reads back as the same lines.
    QByteArray bytes() const {
        if (!m_utf8) {
            QStringEncoder latin1(QStringConverter::Latin1);
            const QByteArray out = joined(latin1);
            if (!latin1.hasError() && !utf8Text(out))
                return out;
        }
        QStringEncoder utf8(QStringConverter::Utf8);
        return joined(utf8);
    }

private:
    static bool sameName(const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    }

    static bool isKey(const IniLine& line, const QString& key) {
        return line.kind == IniLine::Key && sameName(line.name, key);
    }

    // For each line, whether it lies in a section of that name, its heading included.
    QList<bool> linesInSection(const QString& section) const {
        QList<bool> in;
        in.reserve(m_lines.size());
        bool inSection = false;
        for (const IniLine& line : m_lines) {
            if (line.kind == IniLine::Section)
                inSection = sameName(line.name, section);
            in.append(inSection);
        }
        return in;
    }

    // Takes out the lines drop(index) names; true when it named any. A byte order mark on
    // the first line stays at the start of the file.
    template <typename Drop> bool removeLines(Drop drop) {
        QList<IniLine> kept;
        for (qsizetype i = 0; i < m_lines.size(); ++i)
            if (!drop(i))
                kept.append(m_lines[i]);
        if (kept.size() == m_lines.size())
            return false;
        const auto marked = [](const IniLine& line) {
            return line.text.startsWith(QChar::ByteOrderMark);
        };
        if (drop(0) && marked(m_lines.front()) && !kept.isEmpty() && !marked(kept.front()))
            kept.front().text.prepend(QChar::ByteOrderMark);
        m_lines = std::move(kept);
        return true;
    }

    void split(const QString& text) {
        // Lines end at LF, CRLF or a bare CR. New lines follow the style of the file's first
        // line; new files get LF.
        bool sawEol = false;
        qsizetype start = 0;
        while (start < text.size()) {
            qsizetype end = start;
            while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
                ++end;
            const qsizetype eolLength = end == text.size()                         ? 0
                                        : QStringView(text).mid(end, 2) == u"\r\n" ? 2
                                                                                   : 1;
            IniLine line;
            line.text = text.mid(start, end - start);
            line.eol = text.mid(end, eolLength).toLatin1();
            if (!sawEol && !line.eol.isEmpty()) {
                m_eol = line.eol;
                sawEol = true;
            }
            interpret(line, withoutByteOrderMark(line.text));
            m_lines.append(line);
            start = end + eolLength;
        }
    }

    static QString withoutByteOrderMark(const QString& text) {
        return text.startsWith(QChar::ByteOrderMark) ? text.mid(1) : text;
    }

    QByteArray joined(QStringEncoder& encoder) const {
        QByteArray out;
        for (const IniLine& line : m_lines)
            out += QByteArray(encoder(line.text)) + line.eol;
        return out;
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
            } else if (last && !blank(line.text)) {
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
        line.text = text;
        line.eol = m_eol;
        m_lines.insert(index, line);
    }

    QList<IniLine> m_lines;
    QByteArray m_eol = "\n";
    bool m_utf8 = true;
};

namespace {

bool holdsLineBreak(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

// A name the reader finds again: nothing at its ends that the reader drops.
bool readableName(const QString& name) {
    return !name.isEmpty() && name.isValidUtf16() && !holdsLineBreak(name) &&
           !name.front().isSpace() && !name.back().isSpace() &&
           name.front() != QChar::ByteOrderMark;
}

bool validSection(const QString& section) {
    return readableName(section) && !section.contains(u']');
}

// Not a line of another kind, a section or a comment, and no '=' to end the name early.
bool validKey(const QString& key) {
    return readableName(key) && !key.contains(u'=') && !key.startsWith(u'[') &&
           !key.startsWith(u';');
}

bool validValue(const QString& value) {
    return value.size() <= MaxValueLength && value.isValidUtf16() && !holdsLineBreak(value);
}

} // namespace

IniProfile::IniProfile(const QString& file) : m_file(file) {
    const FileContents contents = ReadRegularFile(file, MaxIniFileBytes);
    if (!contents.missing)
        m_error = contents.error;
    m_document = std::make_unique<IniDocument>(contents.bytes);
}

IniProfile::~IniProfile() = default;

QString IniProfile::value(const QString& section, const QString& key,
                          const QString& defaultValue) const {
    const auto index = m_document->findKey(section.trimmed(), key.trimmed());
    return index ? m_document->value(*index).left(MaxValueLength)
                 : withoutTrailingBlanks(defaultValue);
}

bool IniProfile::setValue(const QString& section, const QString& key, const QString& value) {
    if (!validSection(section) || !validKey(key) || !validValue(value))
        return false;
    m_document->set(section, key, value);
    m_changed = true;
    return true;
}

void IniProfile::removeKey(const QString& section, const QString& key) {
    m_changed = m_document->removeKey(section.trimmed(), key.trimmed()) || m_changed;
}

void IniProfile::removeSection(const QString& section) {
    m_changed = m_document->removeSection(section.trimmed()) || m_changed;
}

bool IniProfile::save() {
    if (!m_error.isEmpty())
        return false; // what could not be read must not be replaced by what could
    if (!m_changed)
        return true;
    QSaveFile out(m_file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(m_document->bytes());
    if (!out.commit())
        return false;
    m_changed = false;
    return true;
}

QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& defaultValue) {
    return IniProfile(file).value(section, key, defaultValue);
}

bool WriteProfileString(const QString& file, const QString& section,
                        const std::optional<QString>& key, const std::optional<QString>& value) {
    IniProfile profile(file);
    if (!key)
        profile.removeSection(section);
    else if (!value)
        profile.removeKey(section, *key);
    else if (!profile.setValue(section, *key, *value))
        return false;
    return profile.save();
}
