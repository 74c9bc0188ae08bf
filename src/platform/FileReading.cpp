#include "platform/FileReading.h"

#include <QFile>
#include <QFileInfo>

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
        // The size read may differ from the size seen (a file still growing).
        contents.bytes = file.read(maxBytes + 1);
        if (contents.bytes.size() > maxBytes)
            contents.error = tooLarge(maxBytes);
        else if (file.error() != QFileDevice::NoError)
            contents.error = file.errorString();
        if (!contents.error.isEmpty())
            contents.bytes.clear();
    }
    return contents;
}
