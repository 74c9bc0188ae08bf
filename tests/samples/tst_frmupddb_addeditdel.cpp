// "Add, Edit, Delete Records" on a copy of the sample database: the "(New)" row and the ways
// it becomes a record, deleting, the key column kept out of editing and moving, row-level
// saving with its failures and the closing prompt, and refused INSERTs and DELETEs.

#include "DatabaseWindowTest.h"
#include "app/Startup.h"
#include "input/GridEditor.h"
#include "samples/editing/frmUpdDB_AddEditDel.h"

#include <QPushButton>

#include <memory>

namespace {

const QString IdsRefused = QStringLiteral("The ID values are generated automatically and cannot "
                                          "be changed.");

// A trigger that makes the database refuse one kind of statement, as a second user's
// database rules would.
QString refusing(const char* statement) {
    return QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %1 ON Customers BEGIN "
                          "SELECT RAISE(ABORT, 'Customers cannot be changed now'); END;")
        .arg(QLatin1String(statement));
}

} // namespace

class TestFrmUpdDBAddEditDel : public QObject {
    Q_OBJECT
    std::unique_ptr<DatabaseEditFixture> fixture;
    std::unique_ptr<frmUpdDB_AddEditDel> window;

    void open(const QByteArray& script = TestDatabase::shippedScript()) {
        fixture = std::make_unique<DatabaseEditFixture>(script);
        window = shownWindow<frmUpdDB_AddEditDel>();
    }
    TessixGrid& grid() { return *window->Tessix1; }
    GridEditor& editor() { return grid().internals().editor; }
    platform::ScriptedMessageBox& boxes() { return fixture->services.boxes; }
    QString count(const QString& where = "1") {
        return fixture->value("SELECT COUNT(*) FROM Customers WHERE " + where);
    }
    QString company(int id) {
        return fixture->value(QString("SELECT Company FROM Customers WHERE ID=%1").arg(id));
    }
    // The text the grid draws in a cell.
    QString shown(int row, const QString& col) {
        CellDynamicTextArgs args{row, grid().ColIndex(col), grid().CellValue(row, col),
                                 grid().CellText(row, col)};
        Q_EMIT grid().CellDynamicText(args);
        return args.text;
    }
    // An edit as the user makes it: on the current cell.
    void editText(int row, const QString& col, const QString& text) {
        grid().SetCurCell(row, col);
        QVERIFY(editor().StartEdit(row, grid().ColIndex(col)));
        grid().SetEditText(text);
        grid().CommitEdit();
    }
    void key(Qt::Key key) { QTest::keyClick(&grid(), key); }
    // A column's header dragged onto another's, as the user moves a column.
    void dragHeader(int col, int onto) {
        const QPoint from = viewportOf(grid()).headerItemRect(col).center();
        const QPoint to = viewportOf(grid()).headerItemRect(onto).center();
        QTest::mousePress(grid().viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(grid().viewport(), to - QPoint(1, 0));
        QTest::mouseMove(grid().viewport(), to);
        QTest::mouseRelease(grid().viewport(), Qt::LeftButton, {}, to);
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void cleanup() {
        window.reset();
        const QStringList unexpected = boxes().unexpected();
        const qsizetype pending = boxes().pending();
        fixture.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join("; ")));
        QCOMPARE(pending, qsizetype(0));
    }

    void loadEndsWithTheNewRow() {
        open();
        QCOMPARE(window->windowTitle(),
                 "Updating Database through Direct Connection - Add, Edit, Delete Records");
        QCOMPARE(grid().ColCount(), 5);
        QCOMPARE(grid().ColKey(3), "First Name");
        QCOMPARE(grid().RowCount(), 301);
        QCOMPARE(shown(301, "id"), "(New)");
        QVERIFY(grid().CellValue(301, "id").isEmpty());
        QCOMPARE(shown(300, "id"), "300");
        QCOMPARE(grid().CurRow(), 301);
        QCOMPARE(grid().ColKey(grid().CurCol()), "Company");
    }

    // Typing into the "(New)" row: a record with the next key, a fresh "(New)" row, and the
    // edit going on with the letter typed; leaving the row saves it.
    void typingIntoTheNewRow() {
        open();
        QTest::keyClicks(&grid(), "Zebra 'Z'");
        QVERIFY(editor().isEditing());
        QCOMPARE(grid().EditText(), "Zebra 'Z'");
        QCOMPARE(grid().RowCount(), 302);
        QCOMPARE(typed(grid().CellValue(301, "id")), "Long 301");
        QCOMPARE(shown(302, "id"), "(New)");
        int left = 0, top = 0, width = 0, height = 0;
        grid().GetCellRect(302, 1, left, top, width, height);
        QVERIFY(height > 0 && top + height <= grid().viewport()->height());
        QCOMPARE(count("ID=301 AND Company IS NULL"), "1");
        key(Qt::Key_Return);
        QCOMPARE(company(301), "NULL");
        // A field that was Null: the first real value counts as a change.
        grid().SetCurCell(301, "First Name");
        QTest::keyClicks(&grid(), "Zoe");
        key(Qt::Key_Return);
        grid().SetCurRow(1);
        QCOMPARE(fixture->rows("SELECT Company, [First Name], [Last Name] FROM Customers "
                               "WHERE ID=301"),
                 QStringList("Zebra 'Z'|Zoe|NULL"));
    }

    void otherWaysIntoTheNewRow_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("double click") << "double click";
        QTest::newRow("F2") << "F2";
    }
    void otherWaysIntoTheNewRow() {
        QFETCH(QString, how);
        open();
        if (how == "double click")
            QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {},
                               viewportOf(grid()).cellRect(301, 2).center());
        else
            key(Qt::Key_F2);
        QVERIFY(editor().isEditing());
        QCOMPARE(grid().RowCount(), 302);
        QCOMPARE(grid().CurRow(), 301);
        QCOMPARE(count("ID=301"), "1");
        editor().CancelEdit();
    }

    void insertAndAdd_data() {
        QTest::addColumn<bool>("button");
        QTest::newRow("Insert") << false;
        QTest::newRow("Add") << true;
    }
    void insertAndAdd() {
        QFETCH(bool, button);
        open();
        grid().SetCurCell(10, "E-mail");
        for (int i = 0; i < 2; ++i) {
            if (button)
                window->cmdAddRec->click();
            else
                key(Qt::Key_Insert);
        }
        QCOMPARE(count("ID IN (301, 302)"), "2");
        QCOMPARE(grid().RowCount(), 303);
        QCOMPARE(grid().CurRow(), 302);
        QCOMPARE(grid().ColKey(grid().CurCol()), "E-mail");
        QCOMPARE(grid().CellValue(302, "id").toString(), "302");
        QCOMPARE(shown(303, "id"), "(New)");
    }

    // An empty table has no largest key: its first record gets 1.
    void firstRecordOfAnEmptyTable() {
        open(TestDatabase::shippedScript() + "DELETE FROM Customers;");
        QCOMPARE(grid().RowCount(), 1);
        key(Qt::Key_Insert);
        QCOMPARE(fixture->rows("SELECT ID FROM Customers"), QStringList("1"));
        QCOMPARE(grid().CellValue(1, "id").toString(), "1");
        QCOMPARE(grid().CurRow(), 1);
    }

    void deleting_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("button");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("currentAfter");
        QTest::newRow("Delete key, Yes") << 5 << false << int(vbYes) << 5;
        QTest::newRow("Delete button, Yes") << 5 << true << int(vbYes) << 5;
        QTest::newRow("No") << 5 << false << int(vbNo) << 5;
        QTest::newRow("the last record") << 300 << false << int(vbYes) << 299;
    }
    void deleting() {
        QFETCH(int, row);
        QFETCH(bool, button);
        QFETCH(int, answer);
        QFETCH(int, currentAfter);
        open();
        grid().SetCurCell(row, "Company");
        const QString id = grid().CellValue(row, "id").toString();
        boxes().answer(answer);
        if (button)
            window->cmdDelRec->click();
        else
            key(Qt::Key_Delete);
        QCOMPARE(fixture->lastBox().text, "Do you really want to delete the current row?");
        QCOMPARE(fixture->lastBox().buttons(), int(vbYesNo));
        const bool deleted = answer == vbYes;
        QCOMPARE(count("ID=" + id), deleted ? "0" : "1");
        QCOMPARE(grid().RowCount(), deleted ? 300 : 301);
        QCOMPARE(grid().CurRow(), currentAfter);
        QCOMPARE(grid().ColKey(grid().CurCol()), "Company");
        QVERIFY(!editor().isEditing());
    }

    void deletingTheOnlyRecord() {
        open(TestDatabase::shippedScript() + "DELETE FROM Customers WHERE ID > 1;");
        grid().SetCurRow(1);
        boxes().answer(vbYes);
        key(Qt::Key_Delete);
        QCOMPARE(count(), "0");
        QCOMPARE(grid().RowCount(), 1);
        QCOMPARE(grid().CurRow(), 1);
        QCOMPARE(shown(1, "id"), "(New)");
    }

    void nothingToDelete() {
        open();
        boxes().answer(vbOK);
        key(Qt::Key_Delete);
        QCOMPARE(fixture->lastBox().text, "Select a row to delete!");
        QCOMPARE(fixture->lastBox().icon(), int(vbCritical));
        QCOMPARE(grid().RowCount(), 301);
        QCOMPARE(count(), "300");
    }

    // The database refuses: told, and grid and database stay alike.
    void refusedInsert() {
        open();
        QVERIFY(fixture->exec(refusing("INSERT")));
        boxes().answer(vbOK);
        QTest::keyClicks(&grid(), "Q");
        QVERIFY(fixture->lastBox().text.startsWith("The new record could not be added:\r\n"));
        QVERIFY(fixture->lastBox().text.contains("Customers cannot be changed now"));
        QVERIFY(!editor().isEditing());
        QCOMPARE(grid().RowCount(), 301);
        QCOMPARE(shown(301, "id"), "(New)");
        boxes().answer(vbOK);
        key(Qt::Key_Insert);
        QCOMPARE(grid().RowCount(), 301);
        QCOMPARE(grid().CurRow(), 301);
        QCOMPARE(count(), "300");
    }

    void refusedDelete() {
        open();
        QVERIFY(fixture->exec(refusing("DELETE")));
        grid().SetCurRow(7);
        boxes().answer(vbYes);
        boxes().answer(vbOK);
        key(Qt::Key_Delete);
        QVERIFY(fixture->lastBox().text.startsWith("The record could not be deleted:\r\n"));
        QCOMPARE(grid().RowCount(), 301);
        QCOMPARE(grid().CellValue(7, "id").toString(), "7");
        QCOMPARE(count("ID=7"), "1");
    }

    void idColumnIsNeitherEditedNorMoved() {
        open();
        grid().SetCurCell(3, "id");
        boxes().answer(vbOK);
        key(Qt::Key_F2);
        QCOMPARE(fixture->lastBox().text, IdsRefused);
        QVERIFY(!editor().isEditing());
        dragHeader(1, 5);
        QCOMPARE(grid().ColAtPos(1), 1);
        // Other columns move.
        dragHeader(2, 5);
        QVERIFY(grid().ColAtPos(2) != 2);
        QCOMPARE(grid().ColAtPos(1), 1);
    }

    void newRowStaysLastAcrossSorts() {
        open();
        grid().SortByCol("Company");
        QCOMPARE(grid().RowCount(), 301);
        QCOMPARE(shown(301, "id"), "(New)");
        QVERIFY(grid().CellValue(301, "id").isEmpty());
        QVERIFY(grid().CellValue(1, "Company").toString() <=
                grid().CellValue(300, "Company").toString());
        QCOMPARE(grid().CellValue(1, "Company").toString(),
                 company(grid().CellValue(1, "id").toLong()));
    }

    // Leaving an edited row writes it; quotes and an emptied field go through, and editing
    // a value to itself writes nothing (another user's change to that record stays).
    void savingRows() {
        open();
        editText(4, "Company", "O'Brien & Sons");
        editText(4, "Last Name", "");
        grid().SetCurRow(5);
        QCOMPARE(fixture->rows("SELECT Company, [Last Name] FROM Customers WHERE ID=4"),
                 QStringList("O'Brien & Sons|"));
        QVERIFY(fixture->exec("UPDATE Customers SET [E-mail]='elsewhere@example.com' WHERE ID=5"));
        editText(5, "Company", grid().CellValue(5, "Company").toString());
        grid().SetCurRow(6);
        QCOMPARE(fixture->value("SELECT [E-mail] FROM Customers WHERE ID=5"),
                 "elsewhere@example.com");
        QCOMPARE(fixture->boxCount(), qsizetype(0));
    }

    // A record another user changed after it was loaded is not overwritten: the save is a
    // reported conflict and the other user's change stays; a record added here and changed
    // by nobody else saves.
    void changedElsewhereIsNotOverwritten() {
        open();
        QVERIFY(fixture->exec("UPDATE Customers SET [E-mail]='elsewhere@example.com' WHERE ID=7"));
        editText(7, "Company", "Overwriter Ltd");
        boxes().answer(vbOK);
        grid().SetCurRow(8);
        QVERIFY(fixture->lastBox().text.startsWith("Error updating row #7:"));
        QCOMPARE(fixture->rows("SELECT Company, [E-mail] FROM Customers WHERE ID=7").first(),
                 fixture->value("SELECT Company FROM Customers WHERE ID=7") +
                     "|elsewhere@example.com");
        QCOMPARE(count("Company='Overwriter Ltd'"), "0");
        // Deleting the row ends it.
        boxes().answer(vbYes);
        key(Qt::Key_Delete);
        window->cmdAddRec->click();
        const int added = grid().RowCount() - 1;
        editText(added, "Company", "Newcomer Inc");
        grid().SetCurRow(1);
        QCOMPARE(count("Company='Newcomer Inc'"), "1");
        QVERIFY(window->close());
    }

    // A refused row: the message, the current cell back on the row, and the row left on the
    // way not written; once the database takes it again, leaving saves it.
    void refusedSaveReturnsToTheRow() {
        open();
        QVERIFY(fixture->exec(refusing("UPDATE")));
        editText(8, "Company", "Kept in the grid");
        boxes().answer(vbOK);
        grid().SetCurRow(12);
        QCOMPARE(fixture->lastBox().text.section("\r\n", 0, 0), "Error updating row #8:");
        QVERIFY(fixture->lastBox().text.contains("Customers cannot be changed now"));
        QCOMPARE(grid().CurRow(), 8);
        QCOMPARE(grid().ColKey(grid().CurCol()), "ID");
        QCOMPARE(fixture->boxCount(), qsizetype(1));
        QCOMPARE(grid().CellValue(8, "Company").toString(), "Kept in the grid");
        QVERIFY(fixture->exec("DROP TRIGGER refuse_UPDATE"));
        grid().SetCurRow(12);
        QCOMPARE(company(8), "Kept in the grid");
        QCOMPARE(fixture->boxCount(), qsizetype(1));
    }

    // The record went meanwhile: the save is a reported failure, not a silent no-op.
    void recordDeletedByAnotherUser() {
        open();
        QVERIFY(fixture->exec("DELETE FROM Customers WHERE ID=20"));
        editText(20, "Company", "Ghost");
        boxes().answer(vbOK);
        grid().SetCurRow(21);
        QCOMPARE(fixture->lastBox().text.section("\r\n", 0, 0), "Error updating row #20:");
        QCOMPARE(grid().CurRow(), 20);
        QCOMPARE(count("Company='Ghost'"), "0");
        // Deleting the row ends it.
        boxes().answer(vbYes);
        key(Qt::Key_Delete);
        QCOMPARE(grid().RowCount(), 300);
        QVERIFY(window->close());
    }

    void closingPrompt_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("failing");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Yes") << int(vbYes) << false << true << "Edited";
        QTest::newRow("No") << int(vbNo) << false << true << "Blue Hardware Corp.";
        QTest::newRow("Yes, refused") << int(vbYes) << true << false << "Blue Hardware Corp.";
    }
    void closingPrompt() {
        QFETCH(int, answer);
        QFETCH(bool, failing);
        QFETCH(bool, closes);
        QFETCH(QString, stored);
        open();
        if (failing)
            QVERIFY(fixture->exec(refusing("UPDATE")));
        // Still in the editor: the typed text counts.
        grid().SetCurCell(2, "Company");
        QVERIFY(editor().StartEdit(2, grid().ColIndex("Company")));
        grid().SetEditText("Edited");
        boxes().answer(answer);
        if (failing)
            boxes().answer(vbOK);
        QCOMPARE(window->close(), closes);
        const platform::MessageBoxRequest asked = boxes().shown().first().request;
        QCOMPARE(asked.text, "The current row has been edited.\r\nDo you want to save changes?");
        QCOMPARE(asked.title, window->windowTitle());
        QCOMPARE(asked.flags, int(vbYesNo | vbQuestion));
        QCOMPARE(company(2), stored);
        QCOMPARE(window->isVisible(), !closes);
    }

    void closingWithoutChangesAsksNothing() {
        open();
        editText(2, "Company", grid().CellValue(2, "Company").toString());
        QVERIFY(window->close());
        QCOMPARE(fixture->boxCount(), qsizetype(0));
    }
};

QTEST_MAIN(TestFrmUpdDBAddEditDel)
#include "tst_frmupddb_addeditdel.moc"
