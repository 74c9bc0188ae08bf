// Renders every built window to a PNG without a display, so anyone can look at what the
// program shows: tessix-shots <output folder> [page name filter]
#include "ShotPages.h"
#include "app/Startup.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QWidget>
#include <memory>

int main(int argc, char* argv[]) {
    PrepareProcess();
    QApplication app(argc, argv);
    InitializeApplication(app);
    QTextStream out(stdout);
    if (argc < 2) {
        QTextStream(stderr) << "usage: tessix-shots <output folder> [filter]\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString filter = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "cannot create " << folder << "\n";
        return 1;
    }
    int failures = 0;
    for (const ShotPage& page : AllShotPages()) {
        if (!filter.isEmpty() && !page.name.contains(filter, Qt::CaseInsensitive))
            continue;
        std::unique_ptr<QWidget> window(page.make());
        window->show();
        // Let load handlers, layouts and deferred paints run before grabbing.
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        const QString file = QDir(folder).filePath(page.name + QStringLiteral(".png"));
        if (window->grab().save(file)) {
            out << file << "\n";
        } else {
            QTextStream(stderr) << "could not write " << file << "\n";
            ++failures;
        }
        window->close();
    }
    return failures == 0 ? 0 : 1;
}
