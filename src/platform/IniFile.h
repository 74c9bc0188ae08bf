#pragma once

#include <QString>

#include <memory>
#include <optional>

// INI profile files read and edited in place, the way the classic profile functions do it:
// section and key names compare without regard to case, other lines stay as they are. A file
// is read only when it is a regular file of at most MaxIniFileBytes; any other reads as
// empty and is never written.

inline constexpr qint64 MaxIniFileBytes = 8 * 1024 * 1024;

// The value of key in section, or defaultValue without the blanks at its end when the file,
// the section or the key is missing. Whitespace around the value goes, and so do matching
// quotes around it; the value is cut at 25000 characters. Lines end at LF, CRLF or a bare CR.
QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& defaultValue);

// Sets key in section to value: replaces the first line of that key, or adds the key at
// the end of its section, or adds the section at the end of the file, or creates the file.
// Without a value (std::nullopt) it takes the key out instead, and without a key the whole
// section, as IniProfile::removeKey and removeSection do; a file that is missing stays so.
// A value with white space at an end, or with quotes around it, is written in double
// quotes, so that it reads back as it was. A file read as Latin-1 is rewritten as UTF-8 (every line
// keeping its text) when Latin-1 cannot hold the new text or the new bytes would read as UTF-8; a
// value is never changed to fit the file. The file is replaced as a whole or not at all. False, and
// the file untouched, when it cannot be read or written, or when a read could not find the value
// again:
// - a name that is empty, or has white space or a byte order mark at its start, or white
//   space at its end (the reader drops them);
// - a section name that holds ']', a key that holds '=' or begins with '[' or ';' (it would
//   end early, or be a section line or a comment);
// - a value longer than 25000 characters (a read cuts it);
// - a line break or a lone surrogate in any of them.
bool WriteProfileString(const QString& file, const QString& section,
                        const std::optional<QString>& key, const std::optional<QString>& value);

class IniDocument;

// One INI file read once, for several values read and set, then written at once; the
// functions above do the same for a single value.
class IniProfile {
public:
    explicit IniProfile(const QString& file);
    ~IniProfile();
    IniProfile(const IniProfile&) = delete;
    IniProfile& operator=(const IniProfile&) = delete;

    // Why the file could not be read (then it reads as empty and save() refuses); empty
    // when it was read or does not exist yet.
    const QString& error() const { return m_error; }

    // As ReadProfileString.
    QString value(const QString& section, const QString& key, const QString& defaultValue) const;
    // As WriteProfileString, in memory: false and nothing changed for names or a value that
    // could not be read back.
    bool setValue(const QString& section, const QString& key, const QString& value);
    // Takes out every line of key in the sections of that name, found as value() finds them,
    // so that value() then gives the default. Other lines stay as they are.
    void removeKey(const QString& section, const QString& key);
    // Takes out every section of that name, from its heading to the next section's; at the
    // end of the file, with the blank lines before it.
    void removeSection(const QString& section);
    // Replaces the file as a whole, or leaves it as it was and returns false. Nothing is
    // written while nothing changed.
    bool save();

private:
    QString m_file;
    QString m_error;
    std::unique_ptr<IniDocument> m_document;
    bool m_changed = false;
};
