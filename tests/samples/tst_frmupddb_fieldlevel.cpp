// Field-level editing: every committed cell is written at once, on a copy of the sample
// database, and read back with plain SQL.

#include "DatabaseEditing.h"
#include "app/Startup.h"
#include "samples/editing/frmUpdDB_FieldLevel.h"

#include <QListWidget>

class TestFrmUpdDBFieldLevel : public QObject, EditingWindowFixture<frmUpdDB_FieldLevel> {
    Q_OBJECT
    QString lastLogLine() const { return log().isEmpty() ? QString() : log().last(); }
    QString lastBoxText() const { return data->lastBoxText(); }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void loadsTheTableInRecordOrder() {
        QCOMPARE(grid().RowCount(), data->sql("SELECT COUNT(*) FROM Customers").toInt());
        QCOMPARE(grid().ColKey(1), QString("ID"));
        QVERIFY(!grid().SortOnHeaderClick());
        for (int row = 1; row <= grid().RowCount(); ++row)
            QCOMPARE(grid().RowTag(row).toLong(), row);
        QVERIFY(grid().ColObject("Has Discount")->CheckBoxVisible());
        QCOMPARE(window->List1->count(), 0);
    }

    // Each edit reaches the database at once, quotes and Null included, and is logged.
    void editsAreWrittenAtOnce_data() {
        QTest::addColumn<QString>("col");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::newRow("text") << "Phone"
                              << "555-0100"
                              << "555-0100";
        QTest::newRow("quote") << "Company"
                               << "Bob's \"Best\""
                               << "Bob's \"Best\"";
        QTest::newRow("title") << "Title"
                               << "Dr."
                               << "Dr.";
        QTest::newRow("money") << "Total Sales"
                               << "1500.5"
                               << "1500.5";
        QTest::newRow("emptied money") << "Total Sales"
                                       << ""
                                       << "NULL";
        QTest::newRow("date") << "Customer Since"
                              << "2024-03-01"
                              << "2024-03-01";
    }
    void editsAreWrittenAtOnce() {
        QFETCH(QString, col);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        const int row = rowOfId(grid(), 3);
        QVERIFY(editCell(grid(), row, col, text));
        QCOMPARE(data->field(3, col), stored);
        QCOMPARE(lastLogLine(),
                 QString("Row #%1, Field '%2' updated successfully").arg(row).arg(col));
        QVERIFY(window->List1->item(0)->text().startsWith('['));
        QCOMPARE(data->sql("SELECT COUNT(*) FROM Customers WHERE ID<>3 AND Phone='555-0100'"),
                 QString("0"));
    }

    // The value as it is, typed again, writes nothing and logs nothing, even where someone
    // else changed the record meanwhile.
    void unchangedValueWritesNothing() {
        data->execute("UPDATE Customers SET Phone='changed elsewhere' WHERE ID=2");
        const int row = rowOfId(grid(), 2);
        QVERIFY(editCell(grid(), row, "Phone", grid().CellValue(row, "Phone").toString()));
        QVERIFY(editCell(grid(), row, "Total Sales", "414.840"));
        QCOMPARE(data->field(2, "Phone"), QString("changed elsewhere"));
        QCOMPARE(window->List1->count(), 0);
    }

    // A number in the Title column keeps the editor open; the user can then type a title.
    void titleCannotBeANumber() {
        const int row = rowOfId(grid(), 1);
        boxes().answer(vbOK);
        QVERIFY(!editCell(grid(), row, "title", "123"));
        QCOMPARE(lastBoxText(), QString("Title can not be a number!"));
        QCOMPARE(boxes().shown().last().request.icon(), int(vbCritical));
        QCOMPARE(boxes().shown().last().request.title, QString("Tessix 7.5 Main Demo"));
        QCOMPARE(data->field(1, "Title"), QString("Mr."));
        grid().SetEditText("Prof.");
        grid().CommitEdit();
        QVERIFY(!grid().internals().editor.isEditing());
        QCOMPARE(data->field(1, "Title"), QString("Prof."));
        QCOMPARE(grid().CellValue(row, "Title").toString(), QString("Prof."));
    }

    // A value the field cannot take, or a record someone else changed meanwhile: the
    // database's words, the editor stays open and the cell and record keep the old value.
    void refusedWritesKeepTheOldValue_data() {
        addRefusedEditColumns();
        QTest::newRow("letters for money") << "Total Sales"
                                           << "abc" << QString() << "abc";
        QTest::newRow("not a date") << "Customer Since"
                                    << "soon" << QString() << "soon";
        QTest::newRow("changed elsewhere") << "Phone"
                                           << "555-0199"
                                           << "UPDATE Customers SET Phone='theirs' WHERE ID=4"
                                           << "changed or deleted by someone else";
    }
    void refusedWritesKeepTheOldValue() {
        const auto [col, text, words] = fetchRefusedEdit();
        const QString before = data->field(4, col);
        const int row = rowOfId(grid(), 4);
        const Variant shown = grid().CellValue(row, col);
        boxes().answer(vbOK);
        QVERIFY(!editCell(grid(), row, col, text));
        verifyRowUpdateError(row, words);
        grid().internals().editor.CancelEdit();
        QVERIFY(grid().CellValue(row, col).sameAs(shown));
        QCOMPARE(data->field(4, col), before);
        QCOMPARE(window->List1->count(), 0);
        // The recordset holds no leftover change: the next edit of the record stores.
        QVERIFY(editCell(grid(), row, "Last Name", "Nadal"));
        QCOMPARE(data->field(4, "Last Name"), QString("Nadal"));
        QCOMPARE(data->field(4, col), before);
    }

    // A toggle writes its field once, and logs once.
    void checkBoxToggleWritesOnce() {
        const int row = rowOfId(grid(), 1);
        QCOMPARE(data->field(1, "Has Discount"), QString("0"));
        clickCheckBox(grid(), row, "Has Discount");
        QCOMPARE(grid().CellCheckState(row, "Has Discount"), int(CheckChecked));
        QCOMPARE(data->field(1, "Has Discount"), QString("1"));
        QCOMPARE(window->List1->count(), 1);
        QCOMPARE(lastLogLine(),
                 QString("Row #%1, Field 'Has Discount' updated successfully").arg(row));
        clickCheckBox(grid(), row, "Has Discount");
        QCOMPARE(data->field(1, "Has Discount"), QString("0"));
        QCOMPARE(window->List1->count(), 2);
    }

    // A toggle the database refuses keeps the new state in the grid, and says it was not
    // saved.
    void refusedToggleSaysItWasNotSaved() {
        data->execute("DELETE FROM Customers WHERE ID=5");
        const int row = rowOfId(grid(), 5);
        boxes().answer(vbOK);
        clickCheckBox(grid(), row, "Has Discount");
        verifyRowUpdateError(row, "changed or deleted by someone else");
        const QString text = lastBoxText();
        QVERIFY2(text.endsWith("\r\nThe check box shows a state that was not saved."),
                 qPrintable(text));
        QCOMPARE(window->List1->count(), 0);
        QCOMPARE(data->sql("SELECT COUNT(*) FROM Customers WHERE ID=5"), QString("0"));
    }

    // Closing asks nothing; text still in the editor is written first.
    void closingWritesTheOpenEditor() {
        const int row = rowOfId(grid(), 6);
        grid().SetCurCell(row, "Phone");
        QVERIFY(grid().internals().editor.StartEdit(row, grid().ColIndex("Phone")));
        grid().SetEditText("555-0106");
        QVERIFY(window->close());
        QCOMPARE(data->field(6, "Phone"), QString("555-0106"));
        QVERIFY(boxes().shown().isEmpty());
    }
};

QTEST_MAIN(TestFrmUpdDBFieldLevel)
#include "tst_frmupddb_fieldlevel.moc"
