// Opening the windows of virtual mode and database browsing as the user does: the window
// made (its load handler opens its database and recordset), a first fill where the window
// waits for a button, shown, its first rows in and its first page painted. Against Qt's
// table showing the same: the sample table through QSqlQueryModel, or the virtual grid's
// texts in a QStandardItemModel. Goal: each well under a second; the windows read a copy
// of the program's sample database.

#include "Bench.h"

#include "app/Global.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "runtime/Random.h"
#include "samples/viewing/frmVMFORS.h"
#include "samples/viewing/frmViewRecordset.h"
#include "samples/viewing/frmVirtual.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQueryModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <memory>

namespace {

// A copy of the program's sample database, made once per process.
const QTemporaryDir& sampleData() {
    static const QTemporaryDir dir;
    static const bool copied = QFile::copy(DataFolder() + QStringLiteral("/Test.db"),
                                           dir.filePath(QStringLiteral("Test.db")));
    Q_UNUSED(copied)
    return dir;
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Milliseconds from making the widget to its first page painted, the widget closed after;
// 0 when the window had to show a message (no database, say).
template <class Window> double openAndPaint(const std::function<void(Window&)>& firstFill = {}) {
    platform::MemorySettingsStore settings;
    platform::ScopedSettingsStore settingsScope(settings);
    platform::ScriptedMessageBox boxes;
    platform::ScopedMessageBox boxesScope(boxes);
    SetDataFolder(sampleData().path());
    vb::Randomize(7);
    std::unique_ptr<Window> window;
    const double ms = elapsedMs([&] {
        window = std::make_unique<Window>();
        if (firstFill)
            firstFill(*window);
        window->show();
        settle();
        window->grab();
    });
    SetDataFolder({});
    return boxes.shown().isEmpty() ? ms : 0;
}

double qtSampleTable(const QString& query) {
    QSqlDatabase database =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("windows"));
    database.setDatabaseName(sampleData().filePath(QStringLiteral("Test.db")));
    double ms = 0;
    {
        QSqlQueryModel model;
        QTableView view;
        view.verticalHeader()->hide();
        ms = elapsedMs([&] {
            database.open();
            model.setQuery(query, database);
            view.setModel(&model);
            view.resize(540, 476);
            view.show();
            settle();
            view.grab();
        });
    }
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("windows"));
    return ms;
}

double qtVirtualTexts() {
    constexpr int Rows = 400;
    QStandardItemModel model(Rows, 2);
    QTableView view;
    view.verticalHeader()->hide();
    return elapsedMs([&] {
        for (int row = 0; row < Rows; ++row)
            for (int col = 0; col < 2; ++col)
                model.setItem(row, col,
                              new QStandardItem(
                                  QStringLiteral("Row %1; Column %2").arg(row + 1).arg(col + 1)));
        view.setModel(&model);
        view.resize(409, 256);
        view.show();
        settle();
        view.grab();
    });
}

const bool registered = registerWorkloads({
    {"open_virtual_grid", "ms", 5, [] { return openAndPaint<frmVirtual>(); }, qtVirtualTexts,
     "Virtual Grid opened, its first page asked for and painted; qt: a QTableView over a "
     "QStandardItemModel of the 400 rows it may have; goal: well under 1000 ms"},
    {"open_view_recordset", "ms", 5,
     [] {
         return openAndPaint<frmViewRecordset>(
             [](frmViewRecordset& window) { window.cmdFillAll->click(); });
     },
     [] { return qtSampleTable(QStringLiteral("SELECT * FROM Customers")); },
     "Viewing ADO Recordsets opened and filled with every field of the 300 customers, "
     "painted; qt: a QTableView over a QSqlQueryModel of the table; goal: well under 1000 ms"},
    {"open_remote_databases", "ms", 5, [] { return openAndPaint<frmVMFORS>(); },
     [] { return qtSampleTable(frmVMFORS::Source); },
     "Remote Databases opened, its first page read in blocks of 20 and painted; qt: a "
     "QTableView over a QSqlQueryModel of the query; goal: well under 1000 ms"},
});

} // namespace
