#pragma once
// Small file helpers for tests that work in temporary folders.
#include <QByteArray>
#include <QString>

QByteArray readFileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);
