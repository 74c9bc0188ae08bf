// The folder size manager's scan: the total size of a folder tree (this machine's /usr, and a
// generated tree of 200 000 files in 20 000 folders) against `du -sb` on the same tree, warm
// cache. A run whose total differs from the sum of the regular files' sizes (as `find`
// gives it) reports -1.

#include "Bench.h"

#include "samples/full/mAPIFileSystem.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

namespace {

// 20 000 folders (200 top folders of 100) with 10 files each, of 0 to 9 999 bytes.
QString generatedTree() {
    static std::unique_ptr<QTemporaryDir> dir;
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        quint32 seed = 12345;
        for (int top = 0; top < 200; ++top)
            for (int sub = 0; sub < 100; ++sub) {
                const QString folder = dir->path() + QStringLiteral("/t%1/s%2/").arg(top).arg(sub);
                QDir().mkpath(folder);
                for (int f = 0; f < 10; ++f) {
                    seed = seed * 1103515245u + 12345u;
                    QFile file(folder + QStringLiteral("f%1").arg(f));
                    if (file.open(QIODevice::WriteOnly))
                        file.resize((seed >> 8) % 10000);
                }
            }
    }
    return dir->path();
}

QByteArray run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(-1);
    return p.readAllStandardOutput();
}

// The sum of the regular files' sizes under root, on its own volume.
quint64 findTotal(const QString& root) {
    static QHash<QString, quint64> known;
    if (!known.contains(root)) {
        quint64 sum = 0;
        const QByteArray sizes =
            run(QStringLiteral("find"), {root, "-xdev", "-type", "f", "-printf", "%s\n"});
        for (const QByteArray& line : sizes.split('\n'))
            sum += line.toULongLong();
        known.insert(root, sum);
    }
    return known.value(root);
}

double ourScan(const QString& root) {
    mAPIFileSystem::ScanCancelled = false;
    quint64 total = 0;
    const double ms = elapsedMs([&] { total = mAPIFileSystem::GetFolderSize(root); });
    return total == findTotal(root) ? ms : -1;
}

double duScan(const QString& root) {
    return elapsedMs([&] { run(QStringLiteral("du"), {"-sbx", root}); });
}

const bool registered = registerWorkloads({
    {"folder_scan_usr", "ms", 5, [] { return ourScan(QStringLiteral("/usr")); },
     [] { return duScan(QStringLiteral("/usr")); }, "qt: du -sbx /usr"},
    {"folder_scan", "ms", 5, [] { return ourScan(generatedTree()); },
     [] { return duScan(generatedTree()); },
     "200 000 files in 20 000 folders; qt: du -sbx on the same tree"},
});

} // namespace
