#pragma once
// What the tests of the field-, row- and grid-level editing windows share besides
// DatabaseWindowTest.h: edits made through the grid's editor and check boxes as the user
// makes them, and the database read back a value at a time.

#include "DatabaseWindowTest.h"
#include "components/grid/TessixGrid.h"
#include "grid/GridTestAccess.h"
#include "input/GridEditor.h"

#include <QListWidget>
#include <QtTest>

// The editing windows' tests read the database back a value at a time.
class DatabaseEditing : public DatabaseEditFixture {
public:
    // The first value of a query, as text: "NULL" for Null, "(none)" without a record, the
    // error's text for a bad query.
    QString sql(const QString& query) const {
        const QStringList found = rows(query);
        return found.isEmpty() ? QStringLiteral("(none)") : found.first().section(u'|', 0, 0);
    }
    // A statement run on a connection of its own, as another program would.
    void execute(const QString& statement) const { QVERIFY(exec(statement)); }
    // One field of the customer with that ID.
    QString field(int id, const QString& name) const {
        return sql(QStringLiteral("SELECT [%1] FROM Customers WHERE ID=%2").arg(name).arg(id));
    }
    // The text of the last box shown; empty when none was.
    QString lastBoxText() const { return lastBox().text; }
    // Checks after a test that every box was scripted and every answer used.
    void verifyBoxesScripted() const {
        QVERIFY2(services.boxes.unexpected().isEmpty(),
                 qPrintable(services.boxes.unexpected().join("; ")));
        QCOMPARE(services.boxes.pending(), qsizetype(0));
    }
};

// An editing window (with its grid Tessix1 and its output log List1) opened for one test
// on a fresh copy of the database, and closed after it.
template <class Window> class EditingWindowFixture {
protected:
    void openWindow() {
        data = std::make_unique<DatabaseEditing>();
        window = shownWindow<Window>();
    }
    void closeWindow() {
        window.reset();
        data->verifyBoxesScripted();
        data.reset();
    }
    TessixGrid& grid() { return *window->Tessix1; }
    platform::ScriptedMessageBox& boxes() { return data->services.boxes; }
    // The log's lines without their time.
    QStringList log() const {
        QStringList lines;
        for (int i = 0; i < window->List1->count(); ++i)
            lines << window->List1->item(i)->text().section(QStringLiteral("]  "), 1);
        return lines;
    }

    // Edits the database refuses, as a data table: the cell, the text typed, what someone
    // else did to the database meanwhile, and words its message must hold.
    static void addRefusedEditColumns() {
        QTest::addColumn<QString>("col");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("words");
    }
    struct RefusedEdit {
        QString col;
        QString text;
        QString words;
    };
    // The case of this run, with what happened meanwhile done.
    RefusedEdit fetchRefusedEdit() {
        QFETCH(QString, col);
        QFETCH(QString, text);
        QFETCH(QString, meanwhile);
        QFETCH(QString, words);
        if (!meanwhile.isEmpty())
            data->execute(meanwhile);
        return {col, text, words};
    }
    // The last box: the error of a refused write of that row, holding those words.
    void verifyRowUpdateError(int row, const QString& words) {
        const QString text = data->lastBoxText();
        QVERIFY2(text.startsWith(QStringLiteral("Error updating row #%1:\r\n").arg(row)),
                 qPrintable(text));
        QVERIFY2(text.contains(words), qPrintable(text));
        QCOMPARE(boxes().shown().last().request.icon(), int(vbCritical));
    }

    std::unique_ptr<DatabaseEditing> data;
    std::unique_ptr<Window> window;
};

// The row of the customer with that ID.
inline int rowOfId(const TessixGrid& grid, int id) {
    return grid.FindRow(QStringLiteral("id"), QString::number(id));
}

// Types a text into a cell's editor (the cell made current first, as a click would) and
// commits it as Enter would; false when the editor stayed open (the value was refused).
inline bool editCell(TessixGrid& grid, int row, const QString& col, const QString& text) {
    grid.SetCurCell(row, col);
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
