// Row-level editing: a row's edits are written with one UPDATE when the user leaves the row
// or agrees to save on closing, on a copy of the sample database read back with plain SQL.

#include "DatabaseEditing.h"
#include "app/Startup.h"
#include "samples/editing/frmUpdDB_RowLevel.h"

#include <QListWidget>

namespace {

const QString NotSavedNote =
    QStringLiteral("\r\nThe row's changes stay in the grid but were not saved.");

} // namespace

class TestFrmUpdDBRowLevel : public QObject, EditingWindowFixture<frmUpdDB_RowLevel> {
    Q_OBJECT
    // Leaves the current row for another one, which saves it.
    void leaveRow() {
        const int row = grid().CurRow();
        grid().SetCurCell(row == 1 ? 2 : 1, 1);
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // Several cells of a row, a quote, an emptied amount and a check box: one UPDATE when
    // the row is left, and one log line.
    void leavingTheRowSavesIt() {
        const int row = rowOfId(grid(), 3);
        QVERIFY(editCell(grid(), row, "Company", "Bits 'n' Bytes & O'Brien"));
        QVERIFY(editCell(grid(), row, "Total Sales", ""));
        clickCheckBox(grid(), row, "Has Discount");
        QVERIFY(window->RowChanged());
        QCOMPARE(data->field(3, "Company"), QString("Bits 'n' Bytes"));
        leaveRow();
        QVERIFY(!window->RowChanged());
        QCOMPARE(data->field(3, "Company"), QString("Bits 'n' Bytes & O'Brien"));
        QCOMPARE(data->field(3, "Total Sales"), QString("NULL"));
        QCOMPARE(data->field(3, "Has Discount"), QString("0"));
        QCOMPARE(data->field(3, "Customer Since"), QString("2009-08-01"));
        QCOMPARE(log(), QStringList{QString("Row #%1 updated successfully").arg(row)});
        // Saved again after a second round of edits: the row's saved values moved on.
        QVERIFY(editCell(grid(), row, "Phone", "555-0103"));
        leaveRow();
        QCOMPARE(data->field(3, "Phone"), QString("555-0103"));
        QCOMPARE(log().size(), 2);
    }

    // The same value typed again, or a toggle and its undo, changes nothing: moving away
    // writes nothing, even over a change someone else made meanwhile.
    void unchangedValuesWriteNothing() {
        data->execute("UPDATE Customers SET Country='elsewhere' WHERE ID=2");
        const int row = rowOfId(grid(), 2);
        QVERIFY(editCell(grid(), row, "Company", grid().CellValue(row, "Company").toString()));
        QVERIFY(editCell(grid(), row, "Total Sales", "414.840"));
        QVERIFY(!window->RowChanged());
        leaveRow();
        QCOMPARE(data->field(2, "Country"), QString("elsewhere"));
        QVERIFY(log().isEmpty());
    }

    // An edited key moves the record that had the loaded key, and the next save finds it
    // under its new key.
    void editedKeyMovesItsRecord() {
        const int row = rowOfId(grid(), 12);
        QVERIFY(editCell(grid(), row, "ID", "400"));
        leaveRow();
        QCOMPARE(data->sql("SELECT COUNT(*) FROM Customers WHERE ID=12"), QString("0"));
        QCOMPARE(data->field(400, "Company"), QString("Copper Hardware Co."));
        QVERIFY(editCell(grid(), row, "Company", "Copper & Tin Co."));
        leaveRow();
        QCOMPARE(data->field(400, "Company"), QString("Copper & Tin Co."));
        QCOMPARE(log().size(), 2);
    }

    // A value the database refuses, a record someone else changed or deleted meanwhile: the
    // message names the row and the reason and says the edits were not saved; the edits stay
    // in the grid, no longer pending, and the database keeps its own.
    void failedSavesAreReported_data() {
        addRefusedEditColumns();
        QTest::newRow("letters for money")
            << "Total Sales"
            << "abc" << QString() << "Total Sales takes an amount of money";
        QTest::newRow("not a date") << "Customer Since"
                                    << "soon" << QString() << "Customer Since takes a date";
        QTest::newRow("duplicate key") << "ID"
                                       << "2" << QString() << "UNIQUE";
        QTest::newRow("changed elsewhere") << "Company"
                                           << "Ours"
                                           << "UPDATE Customers SET Phone='theirs' WHERE ID=4"
                                           << "changed or deleted by someone else";
        QTest::newRow("deleted elsewhere") << "Company"
                                           << "Ours"
                                           << "DELETE FROM Customers WHERE ID=4"
                                           << "changed or deleted by someone else";
    }
    void failedSavesAreReported() {
        const auto [col, text, words] = fetchRefusedEdit();
        const QString before = data->sql("SELECT group_concat(ID || Company || Phone || "
                                         "ifnull([Total Sales], '') || [Customer Since]) FROM "
                                         "Customers");
        const int row = rowOfId(grid(), 4);
        QVERIFY(editCell(grid(), row, col, text));
        boxes().answer(vbOK);
        leaveRow();
        verifyRowUpdateError(row, words);
        QVERIFY(data->lastBoxText().endsWith(NotSavedNote));
        QCOMPARE(grid().CellValue(row, col).toString(), text);
        QVERIFY(!window->RowChanged());
        QVERIFY(log().isEmpty());
        QCOMPARE(data->sql("SELECT group_concat(ID || Company || Phone || ifnull([Total "
                           "Sales], '') || [Customer Since]) FROM Customers"),
                 before);
    }

    // Closing with the current row edited asks; Yes saves (a failing save keeps the window
    // open), No closes and writes nothing.
    void closingAsks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Yes") << "555-0101" << int(vbYes) << true << "555-0101";
        QTest::newRow("No") << "555-0101" << int(vbNo) << true << "(320) 682-4387";
        QTest::newRow("Yes, save fails") << "abc" << int(vbYes) << false << "6370";
    }
    void closingAsks() {
        QFETCH(QString, text);
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(QString, stored);
        const QString col = text == "abc" ? "Total Sales" : "Phone";
        const int row = rowOfId(grid(), 3);
        QVERIFY(editCell(grid(), row, col, text));
        boxes().answer(answer);
        if (!closed)
            boxes().answer(vbOK); // the error
        QCOMPARE(window->close(), closed);
        const platform::MessageBoxRequest box = boxes().shown().first().request;
        QCOMPARE(box.text,
                 QString("The current row has been edited.\r\nDo you want to save changes?"));
        QCOMPARE(box.title, window->windowTitle());
        QCOMPARE(box.buttons(), int(vbYesNo));
        QCOMPARE(box.icon(), int(vbQuestion));
        QCOMPARE(data->field(3, col), stored);
        QCOMPARE(window->isVisible(), !closed);
    }

    // Text still in the editor counts as typed when the window closes.
    void closingCommitsTheOpenEditor() {
        const int row = rowOfId(grid(), 5);
        grid().SetCurCell(row, "Phone");
        QVERIFY(grid().internals().editor.StartEdit(row, grid().ColIndex("Phone")));
        grid().SetEditText("555-0105");
        boxes().answer(vbYes);
        QVERIFY(window->close());
        QCOMPARE(data->field(5, "Phone"), QString("555-0105"));
    }

    void closingWithoutChangesDoesNotAsk() {
        QVERIFY(window->close());
        QVERIFY(boxes().shown().isEmpty());
    }
};

QTEST_MAIN(TestFrmUpdDBRowLevel)
#include "tst_frmupddb_rowlevel.moc"
