// Grid-level editing: edits pending in a batch until "Save Changes" or the save offered on
// closing, on a copy of the sample database read back with plain SQL; and two editing
// windows open on the same database, neither overwriting the other's changes.

#include "DatabaseEditing.h"
#include "app/Startup.h"
#include "launcher/SampleCatalogue.h"
#include "launcher/frmMain.h"
#include "samples/editing/frmUpdDB_GridLevel.h"
#include "samples/editing/frmUpdDB_RowLevel.h"

#include <QLabel>
#include <QPushButton>

class TestFrmUpdDBGridLevel : public QObject, EditingWindowFixture<frmUpdDB_GridLevel> {
    Q_OBJECT
    bool pending() const { return window->cmdSaveChanges->isEnabled(); }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void loadsWithNothingPending() {
        QCOMPARE(grid().RowCount(), data->sql("SELECT COUNT(*) FROM Customers").toInt());
        QVERIFY(!grid().SortOnHeaderClick());
        QCOMPARE(grid().RowTag(7).toLong(), 7);
        QVERIFY(!pending());
        QVERIFY(window->Label2->text().startsWith("Change cell values in several rows"));
    }

    // Edits in three rows, a quote, an emptied amount and a check box among them: nothing
    // reaches the database before the button, then all of it at once, logged once.
    void saveChangesStoresEverythingAtOnce() {
        QVERIFY(editCell(grid(), rowOfId(grid(), 1), "Company", "O'Neil & Sons"));
        QVERIFY(editCell(grid(), rowOfId(grid(), 2), "Total Sales", ""));
        clickCheckBox(grid(), rowOfId(grid(), 3), "Has Discount");
        QVERIFY(pending());
        QCOMPARE(data->field(1, "Company"), QString("Alpine Hardware Pty Ltd"));
        QCOMPARE(data->field(3, "Has Discount"), QString("1"));
        window->cmdSaveChanges->click();
        QCOMPARE(data->field(1, "Company"), QString("O'Neil & Sons"));
        QCOMPARE(data->field(2, "Total Sales"), QString("NULL"));
        QCOMPARE(data->field(3, "Has Discount"), QString("0"));
        QCOMPARE(log(), QStringList{"Changes successfully stored into database"});
        QVERIFY(!pending());
    }

    // The value as it is, typed again, is no change: the button stays disabled.
    void unchangedValueIsNoChange() {
        const int row = rowOfId(grid(), 2);
        QVERIFY(editCell(grid(), row, "Phone", grid().CellValue(row, "Phone").toString()));
        QVERIFY(editCell(grid(), row, "Total Sales", "414.840"));
        QVERIFY(!pending());
    }

    // A value the field cannot take is refused at once, with the editor open to correct it;
    // nothing is pending and the cell keeps its value.
    void wrongTypeIsRefusedAtOnce() {
        const int row = rowOfId(grid(), 4);
        boxes().answer(vbOK);
        QVERIFY(!editCell(grid(), row, "Total Sales", "abc"));
        verifyRowUpdateError(row, "abc");
        grid().internals().editor.CancelEdit();
        QCOMPARE(grid().CellValue(row, "Total Sales").toString(), QString("172"));
        QVERIFY(!pending());
    }

    // A record someone else changed meanwhile fails the batch: the message names it, the
    // current cell moves to its row, the other records are stored, and it stays pending.
    void conflictNamesTheRecordAndSelectsItsRow() {
        QVERIFY(editCell(grid(), rowOfId(grid(), 5), "Phone", "555-0105"));
        QVERIFY(editCell(grid(), rowOfId(grid(), 6), "Phone", "555-0106"));
        QVERIFY(editCell(grid(), rowOfId(grid(), 7), "Phone", "555-0107"));
        data->execute("UPDATE Customers SET Phone='theirs' WHERE ID=6");
        grid().SetCurCell(1, 3);
        boxes().answer(vbOK);
        window->cmdSaveChanges->click();
        const QString text = data->lastBoxText();
        QVERIFY2(text.startsWith("Error updating row with Id=6:\r\n"), qPrintable(text));
        QVERIFY2(text.contains("changed or deleted by someone else"), qPrintable(text));
        QCOMPARE(boxes().shown().last().request.icon(), int(vbCritical));
        QCOMPARE(grid().CurRow(), rowOfId(grid(), 6));
        QCOMPARE(grid().CurCol(), 1);
        QCOMPARE(data->field(5, "Phone"), QString("555-0105"));
        QCOMPARE(data->field(6, "Phone"), QString("theirs"));
        QCOMPARE(data->field(7, "Phone"), QString("555-0107"));
        QVERIFY(pending());
        QVERIFY(log().isEmpty());
    }

    // Closing with changes pending asks; Yes saves (a failing save keeps the window open),
    // No closes and stores nothing.
    void closingAsks_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("conflict");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Yes") << int(vbYes) << false << true << "555-0101";
        QTest::newRow("No") << int(vbNo) << false << true << "+61 2 9898 2131";
        QTest::newRow("Yes, save fails") << int(vbYes) << true << false << "theirs";
    }
    void closingAsks() {
        QFETCH(int, answer);
        QFETCH(bool, conflict);
        QFETCH(bool, closed);
        QFETCH(QString, stored);
        QVERIFY(editCell(grid(), rowOfId(grid(), 1), "Phone", "555-0101"));
        if (conflict) {
            data->execute("UPDATE Customers SET Phone='theirs' WHERE ID=1");
            boxes().answer(answer);
            boxes().answer(vbOK); // the error
        } else {
            boxes().answer(answer);
        }
        QCOMPARE(window->close(), closed);
        const platform::MessageBoxRequest box = boxes().shown().first().request;
        QCOMPARE(box.text,
                 QString("The grid contains unsaved changes.\r\nDo you want to save them?"));
        QCOMPARE(box.title, window->windowTitle());
        QCOMPARE(box.buttons(), int(vbYesNo));
        QCOMPARE(box.icon(), int(vbQuestion));
        QCOMPARE(data->field(1, "Phone"), stored);
        QCOMPARE(window->isVisible(), !closed);
    }

    void closingWithoutChangesDoesNotAsk() {
        QVERIFY(window->close());
        QVERIFY(boxes().shown().isEmpty());
    }

    // Row-level and grid-level editing open at once: a record changed and saved in one is
    // a reported conflict in the other, whichever saves second, and the first change stays.
    void rowLevelSavedFirstIsNotOverwritten() {
        auto rowLevel = shownWindow<frmUpdDB_RowLevel>();
        TessixGrid& rows = *rowLevel->Tessix1;
        QVERIFY(editCell(grid(), rowOfId(grid(), 3), "Company", "Grid's"));
        QVERIFY(editCell(rows, rowOfId(rows, 3), "Company", "Row's"));
        rows.SetCurCell(1, 1);
        QCOMPARE(data->field(3, "Company"), QString("Row's"));
        boxes().answer(vbOK);
        window->cmdSaveChanges->click();
        QVERIFY2(data->lastBoxText().startsWith("Error updating row with Id=3:\r\n"),
                 qPrintable(data->lastBoxText()));
        QCOMPARE(data->field(3, "Company"), QString("Row's"));
    }
    void gridLevelSavedFirstIsNotOverwritten() {
        auto rowLevel = shownWindow<frmUpdDB_RowLevel>();
        TessixGrid& rows = *rowLevel->Tessix1;
        QVERIFY(editCell(grid(), rowOfId(grid(), 5), "Phone", "Grid's phone"));
        window->cmdSaveChanges->click();
        QCOMPARE(data->field(5, "Phone"), QString("Grid's phone"));
        const int row = rowOfId(rows, 5);
        QVERIFY(editCell(rows, row, "Company", "Row's company"));
        boxes().answer(vbOK);
        rows.SetCurCell(1, 1);
        verifyRowUpdateError(row, "changed or deleted by someone else");
        QCOMPARE(data->field(5, "Phone"), QString("Grid's phone"));
        QCOMPARE(data->field(5, "Company"), QString("Falcon Wine Merchants LLC"));
    }

    // Closing the launcher runs the window's own closing prompt: a failing save keeps the
    // window and the launcher open, and No then lets both close.
    void closingTheLauncherAsksFirst() {
        frmMain launcher;
        launcher.show();
        QPointer<frmUpdDB_GridLevel> sample =
            qobject_cast<frmUpdDB_GridLevel*>(SampleWindow::Instance("frmUpdDB_GridLevel").Load());
        QVERIFY(sample);
        sample->show();
        QVERIFY(editCell(*sample->Tessix1, 1, "Phone", "555-0101"));
        data->execute("UPDATE Customers SET Phone='theirs' WHERE ID=1");
        boxes().answer(vbYes);
        boxes().answer(vbOK); // the error
        QVERIFY(!launcher.close());
        QVERIFY(launcher.isVisible());
        QVERIFY(sample->isVisible());
        QVERIFY(data->lastBoxText().startsWith("Error updating row with Id=1:"));
        boxes().answer(vbNo);
        QVERIFY(launcher.close());
        QVERIFY(!sample || !sample->isVisible());
        QCOMPARE(data->field(1, "Phone"), QString("theirs"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestFrmUpdDBGridLevel)
#include "tst_frmupddb_gridlevel.moc"
