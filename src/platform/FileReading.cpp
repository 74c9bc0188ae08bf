#include "platform/FileReading.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

QString tooLarge(qint64 maxBytes) {
    const qint64 mb = maxBytes / (1024 * 1024);
    return mb > 0 ? QStringLiteral("it is larger than %1 MB").arg(mb)
                  : QStringLiteral("it is larger than %1 bytes").arg(maxBytes);
}

} // namespace

FileContents ReadRegularFile(const QString& path, qint64 maxBytes) {
    FileContents contents;
    const QFileInfo info(path);
    QFile file(path);
    if (!info.exists()) {
        contents.missing = true;
        contents.error = QStringLiteral("the file does not exist");
    } else if (!info.isFile()) {
        contents.error = QStringLiteral("it is not a regular file");
    } else if (info.size() > maxBytes) {
        contents.error = tooLarge(maxBytes);
    } else if (!file.open(QIODevice::ReadOnly)) {
        contents.error = file.errorString();
    } else {
        // Read in pieces up to one byte past the limit: the size read may differ from the
        // size seen (a file still growing, or one of the kernel's that shows none), and a
        // single read of the limit would allocate all of it for a small file.
        contents.bytes.reserve(std::min(info.size(), maxBytes) + 1);
        for (;;) {
            const qint64 want = std::min<qint64>(64 * 1024, maxBytes + 1 - contents.bytes.size());
            const QByteArray piece = want > 0 ? file.read(want) : QByteArray();
            if (piece.isEmpty())
                break;
            contents.bytes += piece;
        }
        if (contents.bytes.size() > maxBytes)
            contents.error = tooLarge(maxBytes);
        else if (file.error() != QFileDevice::NoError)
            contents.error = file.errorString();
        if (!contents.error.isEmpty())
            contents.bytes.clear();
    }
    return contents;
}
