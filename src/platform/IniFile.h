#pragma once

#include <QString>

// INI profile files read and edited in place, the way the classic profile functions do it:
// section and key names compare without regard to case, other lines stay as they are.

// The value of key in section, or defaultValue when the file, the section or the key is
// missing. Whitespace around the value goes, and so do matching quotes around it; the value
// is cut at 25000 characters.
QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& defaultValue);

// Sets key in section to value: replaces the first line of that key, or adds the key at
// the end of its section, or adds the section at the end of the file, or creates the file.
// The file is replaced as a whole or not at all. False when it cannot be written, or when
// a name is empty or a name or the value holds a line break (it would corrupt the file).
bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value);
