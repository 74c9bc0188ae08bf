// "Bound Controls Editing" on a copy of the sample database: the grid as navigator, the
// boxes following its current row, saving the boxes (stored values, refused ones and
// conflicts with another user) and finding a company.

#include "DatabaseWindowTest.h"
#include "app/Startup.h"
#include "samples/editing/frmUpdDB_RowKeysRS.h"

#include <QLineEdit>
#include <QPushButton>

#include <memory>

class TestFrmUpdDBRowKeysRS : public QObject {
    Q_OBJECT
    std::unique_ptr<DatabaseEditFixture> fixture;
    std::unique_ptr<frmUpdDB_RowKeysRS> window;

    TessixGrid& grid() { return *window->grdRS; }
    QStringList boxes() {
        return {window->txtID->text(), window->txtCompany->text(), window->txtCountry->text(),
                window->txtPhone->text()};
    }
    QStringList record(int id) {
        return fixture->rows(
            QStringLiteral("SELECT ID, Company, Country, Phone FROM Customers WHERE ID=%1")
                .arg(id));
    }
    void fillBoxes(const QString& id, const QString& company) {
        window->txtID->setText(id);
        window->txtCompany->setText(company);
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() {
        fixture = std::make_unique<DatabaseEditFixture>();
        window = shownWindow<frmUpdDB_RowKeysRS>();
    }
    void cleanup() {
        window.reset();
        const QStringList unexpected = fixture->services.boxes.unexpected();
        const qsizetype pending = fixture->services.boxes.pending();
        fixture.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join("; ")));
        QCOMPARE(pending, qsizetype(0));
    }

    void loadShowsTheFirstRecord() {
        QCOMPARE(window->windowTitle(), "Bound Controls Editing");
        QCOMPARE(grid().RowCount(), 300);
        QVERIFY(!grid().Editable());
        QCOMPARE(grid().CurRow(), 1);
        QCOMPARE(grid().RowKey(250), "250");
        QCOMPARE(boxes(),
                 QStringList({"1", "Alpine Hardware Pty Ltd", "Australia", "+61 2 9898 2131"}));
        QVERIFY(!window->cmdSave->isEnabled());
        window->txtPhone->setText("+61 2 0000 0000");
        QVERIFY(window->cmdSave->isEnabled());
    }

    void navigationButtons_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("to");
        QTest::newRow("next") << 5 << "next" << 6;
        QTest::newRow("previous") << 5 << "prev" << 4;
        QTest::newRow("first") << 120 << "first" << 1;
        QTest::newRow("last") << 2 << "last" << 300;
        QTest::newRow("next on the last row") << 300 << "next" << 300;
        QTest::newRow("previous on the first row") << 1 << "prev" << 1;
    }
    void navigationButtons() {
        QFETCH(int, from);
        QFETCH(QString, button);
        QFETCH(int, to);
        grid().SetCurRow(from);
        window->txtCompany->setText("typed, never saved");
        QPushButton* buttons[] = {window->cmdFirst, window->cmdPrev, window->cmdNext,
                                  window->cmdLast};
        const QStringList names{"first", "prev", "next", "last"};
        buttons[names.indexOf(button)]->click();
        QCOMPARE(grid().CurRow(), to);
        if (from != to) {
            // The boxes show the record of the new row, and Save waits for an edit.
            QCOMPARE(window->txtID->text(), grid().CellValue(to, "ID").toString());
            QCOMPARE(window->txtCompany->text(), grid().CellValue(to, "Company").toString());
            QVERIFY(!window->cmdSave->isEnabled());
        }
        QCOMPARE(fixture->value("SELECT COUNT(*) FROM Customers WHERE Company LIKE 'typed%'"), "0");
    }

    // A Null field shows as an empty box and is saved back as it was typed.
    void nullFieldShowsEmpty() {
        const int row = grid().FindRowByKey("57");
        grid().SetCurRow(row);
        QCOMPARE(window->txtCountry->text(), QString());
        QCOMPARE(record(57).first().section(u'|', 2, 2), "NULL");
    }

    void saveStoresTheBoxesAndShowsTheStoredValues() {
        grid().SetCurRow(3);
        window->txtCompany->setText("Bits 'n' Bytes & Co");
        window->txtCountry->setText("Canada");
        window->txtID->setText(" 1003 ");
        window->cmdSave->click();
        QCOMPARE(fixture->boxCount(), qsizetype(0));
        QVERIFY(record(3).isEmpty());
        QCOMPARE(record(1003), QStringList("1003|Bits 'n' Bytes & Co|Canada|(320) 682-4387"));
        QCOMPARE(typed(grid().CellValue(3, "ID")), "Long 1003");
        QCOMPARE(grid().CellValue(3, "Country").toString(), "Canada");
        QVERIFY(window->cmdSave->isEnabled());
        // The row still leads to its record after the key changed.
        window->cmdNext->click();
        window->cmdPrev->click();
        QCOMPARE(window->txtID->text(), "1003");
    }

    void refusedSaves_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("message");
        QTest::newRow("a key another record has") << "2"
                                                  << "This primary key already exists!";
        QTest::newRow("letters in ID")
            << "12a" << QString("Error %1 updating databse").arg(qint32(0x80020005));
        QTest::newRow("an empty ID")
            << "" << QString("Error %1 updating databse").arg(qint32(0x80020005));
    }
    void refusedSaves() {
        QFETCH(QString, id);
        QFETCH(QString, message);
        fillBoxes(id, "Refused Ltd");
        fixture->services.boxes.answer(vbOK);
        window->cmdSave->click();
        QCOMPARE(fixture->lastBox().text.section("\r\n", 0, 0), message);
        QCOMPARE(fixture->lastBox().icon(), int(vbCritical));
        // Nothing stored, the grid as the database, the boxes as the user typed them.
        QCOMPARE(record(1), QStringList("1|Alpine Hardware Pty Ltd|Australia|+61 2 9898 2131"));
        QCOMPARE(grid().CellValue(1, "Company").toString(), "Alpine Hardware Pty Ltd");
        QCOMPARE(window->txtCompany->text(), "Refused Ltd");
        // The cancelled change is not stored later by moving on, and a proper save works.
        window->cmdNext->click();
        window->cmdPrev->click();
        QCOMPARE(record(1), QStringList("1|Alpine Hardware Pty Ltd|Australia|+61 2 9898 2131"));
        fillBoxes("1", "Accepted Ltd");
        window->cmdSave->click();
        QCOMPARE(record(1).first().section(u'|', 1, 1), "Accepted Ltd");
    }

    // Another user changed the record after the window read it: a conflict, reported with
    // the database's words, and the other user's change stays.
    void conflictWithAnotherUser() {
        QVERIFY(fixture->exec("UPDATE Customers SET Company='Changed Elsewhere' WHERE ID=1"));
        window->txtCompany->setText("Changed Here");
        fixture->services.boxes.answer(vbOK);
        window->cmdSave->click();
        const QString text = fixture->lastBox().text;
        QVERIFY2(text.startsWith(
                     QString("Error %1 updating databse\r\n").arg(qint32(db::RecordChangedError))),
                 qPrintable(text));
        QCOMPARE(record(1).first().section(u'|', 1, 1), "Changed Elsewhere");
    }

    void find_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("row");
        QTest::newRow("a quote in the text") << "  grandma's " << 17;
        QTest::newRow("a fragment") << "wine merch" << 5;
    }
    void find() {
        QFETCH(QString, answer);
        QFETCH(int, row);
        grid().SetCurRow(200);
        fixture->services.boxes.answerInput(answer);
        window->cmdFind->click();
        const platform::InputBoxRequest asked =
            fixture->services.boxes.shownInputs().last().request;
        QCOMPARE(asked.prompt, "Enter the part name of the company to search:");
        QCOMPARE(asked.title, "Search Company");
        QCOMPARE(asked.defaultText, QString());
        QCOMPARE(grid().CurRow(), row);
        QCOMPARE(window->txtCompany->text(), grid().CellValue(row, "Company").toString());
        QVERIFY(!window->cmdSave->isEnabled());
    }

    // No match: the message, and the recordset back on the current row's record, so a save
    // goes to the record the boxes show.
    void findWithoutMatch() {
        grid().SetCurRow(42);
        fixture->services.boxes.answerInput("no such company");
        fixture->services.boxes.answer(vbOK);
        window->cmdFind->click();
        QCOMPARE(fixture->lastBox().text, "Not found!");
        QCOMPARE(fixture->lastBox().icon(), int(vbExclamation));
        QCOMPARE(grid().CurRow(), 42);
        window->txtPhone->setText("555");
        window->cmdSave->click();
        QCOMPARE(fixture->value("SELECT ID FROM Customers WHERE Phone='555'"), "42");
    }

    void findCancelledOrBlank() {
        grid().SetCurRow(7);
        fixture->services.boxes.cancelInput();
        window->cmdFind->click();
        fixture->services.boxes.answerInput("   ");
        window->cmdFind->click();
        QCOMPARE(grid().CurRow(), 7);
        QCOMPARE(fixture->boxCount(), qsizetype(0));
    }
};

QTEST_MAIN(TestFrmUpdDBRowKeysRS)
#include "tst_frmupddb_rowkeysrs.moc"
