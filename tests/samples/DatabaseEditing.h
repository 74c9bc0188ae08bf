#pragma once
// What the database editing window tests share: a copy of the sample database in a
// temporary folder as the windows' Data folder, the services isolated (tips off), edits made
// through the grid's editor and check boxes as the user makes them, and the database read
// back with plain SQL.

#include "SampleWindowTest.h"
#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "db/TestDatabase.h"
#include "grid/GridTestAccess.h"
#include "input/GridEditor.h"

#include <QtTest>
#include <sqlite3.h>

class DatabaseEditing {
public:
    DatabaseEditing() {
        services.settings.save(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, "0");
        SetDataFolder(database.folder());
    }
    ~DatabaseEditing() { SetDataFolder({}); }
    DatabaseEditing(const DatabaseEditing&) = delete;
    DatabaseEditing& operator=(const DatabaseEditing&) = delete;

    // The first value of a query on a connection of its own, as text: "NULL" for Null,
    // "(none)" without a record, the error's text for a bad query.
    QString sql(const QString& query) const {
        sqlite3* db = nullptr;
        sqlite3_open_v2(database.path().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_stmt* statement = nullptr;
        QString out;
        if (sqlite3_prepare_v2(db, query.toUtf8().constData(), -1, &statement, nullptr) !=
            SQLITE_OK)
            out = QString::fromUtf8(sqlite3_errmsg(db));
        else if (sqlite3_step(statement) != SQLITE_ROW)
            out = QStringLiteral("(none)");
        else if (sqlite3_column_type(statement, 0) == SQLITE_NULL)
            out = QStringLiteral("NULL");
        else
            out =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        sqlite3_close(db);
        return out;
    }
    // A statement run on a connection of its own, as another program would.
    void execute(const QString& statement) const {
        QCOMPARE(sql(statement), QStringLiteral("(none)"));
    }
    // One field of the customer with that ID.
    QString field(int id, const QString& name) const {
        return sql(QStringLiteral("SELECT [%1] FROM Customers WHERE ID=%2").arg(name).arg(id));
    }
    IsolatedServices services;
    TestDatabase database;
};

// The row of the customer with that ID.
inline int rowOfId(const TessixGrid& grid, int id) {
    return grid.FindRow(QStringLiteral("id"), QString::number(id));
}

// Types a text into a cell's editor and commits it as Enter would; false when the editor
// stayed open (the value was refused).
inline bool editCell(TessixGrid& grid, int row, const QString& col, const QString& text) {
    if (!grid.internals().editor.StartEdit(row, grid.ColIndex(col)))
        return false;
    grid.SetEditText(text);
    grid.CommitEdit();
    return !grid.internals().editor.isEditing();
}

// A click on a cell's check box, the cell made current (and so scrolled into view) first.
inline void clickCheckBox(TessixGrid& grid, int row, const QString& col) {
    grid.SetCurCell(row, col);
    int left = 0, top = 0, width = 0, height = 0;
    grid.GetCellRect(row, col, left, top, width, height);
    QVERIFY(width > 0 && height > 0);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      QPoint(left + width / 2, top + height / 2));
}
