// The remote database workloads: the Remote Databases window browsing 1 000 000 customers on
// a PostgreSQL server through its server cursor (CacheSize 20), against Qt's QSqlQueryModel
// with Qt's PostgreSQL driver showing the same query in a QTableView (the driver reads the
// whole result before the model shows a row). A throw-away cluster on a loopback port is
// started for the run (scripts/pg-cluster.sh), the table generated on the server once, and
// the cluster removed when the run ends. Without the server the workloads give nan.

#include "Bench.h"

#include "components/grid/TessixGrid.h"
#include "platform/Settings.h"
#include "samples/viewing/frmVMFORS.h"

#include <QApplication>
#include <QHeaderView>
#include <QProcess>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

constexpr int LargeRows = 1000000;
constexpr int ScrolledPages = 300;
const QString Query = QStringLiteral("SELECT ID, Company, Country, \"total sales\" FROM "
                                     "large.customers ORDER BY ID");

// The cluster of the run: the sample table and the large one. Removed as the application
// ends (the benchmark's last statics go after QProcess can run).
class BenchServer {
public:
    static BenchServer& get() {
        static BenchServer instance;
        return instance;
    }
    bool available() const { return !m_port.isEmpty(); }
    QString connectionString(const QString& schema) const {
        return QStringLiteral("Provider=PostgreSQL;Host=127.0.0.1;Port=%1;Database=tessix;"
                              "User=postgres;Schema=%2")
            .arg(m_port, schema);
    }
    const QString& port() const { return m_port; }

private:
    BenchServer() {
        m_dir.setAutoRemove(false); // the script removes it, the server's files included
        QProcess start;
        start.start(QStringLiteral(TESSIX_PG_SCRIPT), {QStringLiteral("start"), m_dir.path()});
        start.waitForFinished(60000);
        const QString port = QString::fromLatin1(start.readAllStandardOutput()).trimmed();
        if (start.exitCode() != 0 || port.isEmpty()) {
            std::fprintf(stderr,
                         "PostgreSQL could not start (%s): the remote workloads give "
                         "nan.\n",
                         start.readAllStandardError().constData());
            remove();
            return;
        }
        if (QProcess::execute(QStringLiteral(TESSIX_PG_SCRIPT),
                              {QStringLiteral("load"), m_dir.path(), QString::number(LargeRows)}) !=
            0) {
            std::fprintf(stderr, "The benchmark tables could not be loaded.\n");
            remove();
            return;
        }
        m_port = port;
        qAddPostRoutine([] { get().remove(); });
    }
    void remove() {
        QProcess::execute(QStringLiteral(TESSIX_PG_SCRIPT),
                          {QStringLiteral("remove"), m_dir.path()});
        m_port.clear();
    }

    QTemporaryDir m_dir;
    QString m_port;
};

// The window reading from the server, as the settings point it there.
class RemoteWindow {
public:
    explicit RemoteWindow(const QString& schema) : m_scoped(m_settings) {
        m_settings.save(frmVMFORS::ServerSettingsApp, frmVMFORS::ServerSettingsSection,
                        frmVMFORS::ServerSettingsKey, BenchServer::get().connectionString(schema));
    }
    void show() {
        window = std::make_unique<frmVMFORS>();
        window->show();
        QApplication::processEvents();
    }
    std::unique_ptr<frmVMFORS> window;

private:
    platform::MemorySettingsStore m_settings;
    platform::ScopedSettingsStore m_scoped;
};

// Qt's side: the model over the same query, in a view of the window's grid size.
struct QtRemoteTable {
    QSqlDatabase database;
    QSqlQueryModel model;
    QTableView view;
    QtRemoteTable() {
        database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("remote"));
        database.setHostName(QStringLiteral("127.0.0.1"));
        database.setPort(BenchServer::get().port().toInt());
        database.setDatabaseName(QStringLiteral("tessix"));
        database.setUserName(QStringLiteral("postgres"));
        database.open();
        view.resize(360, 300);
        view.verticalHeader()->hide();
        view.setModel(&model);
    }
    ~QtRemoteTable() {
        model.clear();
        database.close();
        database = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("remote"));
    }
    void showQuery() {
        model.setQuery(Query, database);
        view.show();
        QApplication::processEvents();
    }
};

bool ready() {
    return BenchServer::get().available();
}

// Until the first page is painted: the window opens its cursor, the grid asks for the rows
// it shows, and they are drawn.
double tessixFirstPage() {
    if (!ready())
        return std::nan("");
    RemoteWindow remote(QStringLiteral("large"));
    QImage image(400, 400, QImage::Format_ARGB32_Premultiplied);
    const double ms = elapsedMs([&] {
        remote.show();
        remote.window->grdVirtual->render(&image);
    });
    return remote.window->grdVirtual->RowCount() > 0 ? ms : -1;
}

double qtFirstPage() {
    if (!ready())
        return std::nan("");
    QtRemoteTable table;
    QImage image(400, 400, QImage::Format_ARGB32_Premultiplied);
    const double ms = elapsedMs([&] {
        table.showQuery();
        table.view.render(&image);
    });
    return table.model.rowCount() > 0 ? ms : -1;
}

// Milliseconds per page of paging down, each page shown with its paint.
double msPerPage(QAbstractScrollArea& view) {
    QScrollBar* bar = view.verticalScrollBar();
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    const double ms = elapsedMs([&] {
        for (int page = 0; page < ScrolledPages; ++page) {
            bar->setValue(bar->value() + bar->pageStep());
            QApplication::processEvents();
            view.render(&image);
        }
    });
    return ms / ScrolledPages;
}

double tessixScroll() {
    if (!ready())
        return std::nan("");
    RemoteWindow remote(QStringLiteral("large"));
    remote.show();
    return msPerPage(*remote.window->grdVirtual);
}

double qtScroll() {
    if (!ready())
        return std::nan("");
    QtRemoteTable table;
    table.showQuery();
    return msPerPage(table.view);
}

// Heap held by the client once the first page is shown.
double tessixHeldBytes(const QString& schema) {
    if (!ready())
        return std::nan("");
    const double before = heapBytes();
    RemoteWindow remote(schema);
    remote.show();
    return heapBytes() - before;
}

double qtHeldBytes() {
    if (!ready())
        return std::nan("");
    const double before = heapBytes();
    QtRemoteTable table;
    table.showQuery();
    return heapBytes() - before;
}

const bool registered = registerWorkloads({
    {"remote_first_page", "ms", 5, tessixFirstPage, qtFirstPage,
     "1 000 000 rows on a local PostgreSQL server: the window's server cursor until its "
     "first page is painted; qt: QSqlQueryModel (QPSQL) in a QTableView; goals: under 50 ms "
     "and ratio >= 20"},
    {"remote_scroll", "ms", 5, tessixScroll, qtScroll,
     "per page, 300 pages down from the top, each painted; qt: the model holding the whole "
     "result"},
    {"remote_bytes", "bytes", 3, [] { return tessixHeldBytes(QStringLiteral("large")); },
     qtHeldBytes, "client heap with the first page of 1 000 000 rows shown"},
    {"remote_bytes_flat", "bytes", 3, [] { return tessixHeldBytes(QStringLiteral("large")); },
     [] { return tessixHeldBytes(QStringLiteral("public")); },
     "the window's heap with 1 000 000 rows against 300 rows (the qt column); equal: flat"},
});

} // namespace
