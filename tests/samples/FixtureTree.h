#pragma once
// Files of a given size in a fixture tree, their folders made as needed. Large sizes are
// sparse: they take no disk.

#include <QDir>
#include <QFile>
#include <QFileInfo>

inline bool makeFile(const QString& path, qint64 size) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}
