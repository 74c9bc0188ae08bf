#pragma once

#include <QByteArray>
#include <QString>

// Reading the program's own data files whole, with a limit: a mistaken file (a huge one, a
// folder, a link to a device that never ends) gets a reason instead of hanging the program or
// filling its memory.

struct FileContents {
    QByteArray bytes;
    QString error;        // why the file could not be read; empty when it was
    bool missing = false; // it does not exist (error says so too)
};

// The bytes of a regular file of at most maxBytes bytes.
FileContents ReadRegularFile(const QString& path, qint64 maxBytes);
