// The INI reader and writer: a few writes with names and values from the input, into a file
// that may start with any bytes. After each write either it was refused and the file is
// byte for byte as before, or the key reads back as it was written (the writer quotes what the
// reader would trim or unquote, and refuses what it would cut) and every other key reads as
// before the write. Some writes take out a key or a whole section instead: that never fails,
// the keys taken out read as missing and every other key reads as before.
// Names are taken to be the same when they match trimmed and without regard to case.

#include "FuzzSupport.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>
#include <vector>

namespace {

// One scratch file for the whole run, in a folder that goes at exit: in memory where the
// system has a memory file system, as every write syncs its file to disk.
const QString& scratchFile() {
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/tessix-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/tessix-fuzz-XXXXXX"));
    static const QString path = dir.filePath(QStringLiteral("fuzz.ini"));
    if (!dir.isValid())
        fuzz::fail("a temporary folder can be made", dir.errorString());
    return path;
}

std::optional<QByteArray> fileBytes() {
    QFile file(scratchFile());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QString shownBytes(const std::optional<QByteArray>& bytes) {
    return bytes ? QString::fromLatin1(bytes->toPercentEncoding(" []=;\"'"))
                 : QStringLiteral("(no file)");
}

bool sameName(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

bool hasLineBreak(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

// A value a file cannot hold (a line break ends a line), so it shows "not found".
const QString Missing = QStringLiteral("\n(missing)");

struct Names {
    std::vector<QString> sections, keys;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const QString& path = scratchFile();
    QFile::remove(path);
    if (in.ConsumeBool()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            fuzz::fail("the scratch file can be written", file.errorString());
        file.write(QByteArray::fromStdString(in.ConsumeRandomLengthString(512)));
    }
    Names names;
    for (int i = 0; i < 3; ++i) {
        names.sections.push_back(fuzz::takeText(in, 16));
        names.keys.push_back(fuzz::takeText(in, 16));
    }

    const int writes = in.ConsumeIntegralInRange(1, 6);
    for (int w = 0; w < writes && in.remaining_bytes() > 0; ++w) {
        const QString& section = names.sections[in.ConsumeIntegralInRange<std::size_t>(0, 2)];
        const QString& key = names.keys[in.ConsumeIntegralInRange<std::size_t>(0, 2)];
        // A short piece, sometimes repeated past the 25000 characters the reader keeps.
        const int repeat = in.ConsumeBool() ? in.ConsumeIntegralInRange(1, 3000) : 1;
        const QString value = fuzz::takeText(in, 48).repeated(repeat);
        // One write in four takes out the key, or its section, instead.
        const int removal = in.ConsumeIntegralInRange(0, 7);
        const bool removeSection = removal == 0, removeKey = removal == 1;
        const bool removes = removeSection || removeKey;

        std::vector<QString> before;
        for (const QString& s : names.sections)
            for (const QString& k : names.keys)
                before.push_back(ReadProfileString(path, s, k, Missing));
        const std::optional<QByteArray> bytesBefore = fileBytes();
        const bool written =
            WriteProfileString(path, section, removeSection ? std::nullopt : std::optional(key),
                               removes ? std::nullopt : std::optional(value));
        const std::optional<QByteArray> bytesAfter = fileBytes();

        const QString what =
            (removeSection ? QStringLiteral("remove [%1]").arg(section)
             : removeKey
                 ? QStringLiteral("remove [%1] \"%2\"").arg(section, key)
                 : QStringLiteral("[%1] \"%2\" = \"%3\"").arg(section, key, value.left(200))) +
            QStringLiteral("\n  file before: %1\n  file after:  %2")
                .arg(shownBytes(bytesBefore), shownBytes(bytesAfter));
        if (removes) {
            if (!written)
                fuzz::fail("a removal from a profile file succeeds", what);
            if (!bytesBefore && bytesAfter)
                fuzz::fail("a removal makes no file", what);
        } else {
            const bool mustRefuse = section.isEmpty() || key.isEmpty() || hasLineBreak(section) ||
                                    hasLineBreak(key) || hasLineBreak(value);
            if (written && mustRefuse)
                fuzz::fail("an empty name or a line break is refused", what);
            if (!written) {
                if (bytesAfter != bytesBefore)
                    fuzz::fail("a refused write leaves the file as it was", what);
                continue;
            }
        }
        std::size_t i = 0;
        for (const QString& s : names.sections) {
            for (const QString& k : names.keys) {
                const QString read = ReadProfileString(path, s, k, Missing);
                const bool same = sameName(s, section) && (removeSection || sameName(k, key));
                const QString expected = !same ? before[i] : removes ? Missing : value;
                if (read != expected)
                    fuzz::fail(!same     ? "a write keeps the other keys"
                               : removes ? "a key taken out reads as missing"
                                         : "a written key reads back",
                               QStringLiteral("%1\n  read [%2] \"%3\": \"%4\"\n  expected: \"%5\"")
                                   .arg(what, s, k, read.left(200), expected.left(200)));
                ++i;
            }
        }
    }
    return 0;
}
