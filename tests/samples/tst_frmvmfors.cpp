// "Browsing an ADO forward-only recordset in virtual mode": the rows handed over one record
// each as the grid asks, read from the database in blocks of 20 (the first blocks at open,
// the rest as the user scrolls); the grid ending with the query's records in ID order; the
// colour rule at its boundaries and with Nulls; a query without records; a read that fails
// mid-way; no database. Then on the tests' PostgreSQL server: the same rows and colours, the
// line telling where they come from, a server that cannot be reached, and the server stopped
// while the user scrolls.

#include "DatabaseWindowTest.h"
#include "app/Startup.h"
#include "db/Connection.h"
#include "db/CountedReads.h"
#include "db/Recordset.h"
#include "db/TestServer.h"
#include "platform/Colors.h"
#include "samples/viewing/frmVMFORS.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

namespace {

const OleColor Highlight = RGB(240, 210, 220);

void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// The sample table holding only the rows given, as "(ID, Company, Country, Sales)" tuples.
QByteArray customersScript(const QByteArray& rows) {
    QByteArray script = TestDatabase::shippedScript() + "\nDELETE FROM Customers;\n";
    if (!rows.isEmpty())
        script +=
            "INSERT INTO Customers (ID, Company, Country, [Total Sales]) VALUES " + rows + ";\n";
    return script;
}

} // namespace

class TestFrmVMFORS : public QObject {
    Q_OBJECT
    DatabaseWindowFixture<frmVMFORS> f;

    TestServer server;
    TessixGrid& grid() { return *f.window->grdVirtual; }
    void useServer(const QString& connection) {
        f.services->settings.save(frmVMFORS::ServerSettingsApp, frmVMFORS::ServerSettingsSection,
                                  frmVMFORS::ServerSettingsKey, connection);
    }

    void open(const QByteArray& script = TestDatabase::shippedScript()) { f.open(script); }
    void scrollToTheEnd() {
        for (int before = -1; before != grid().RowCount();) {
            before = grid().RowCount();
            grid().verticalScrollBar()->setValue(grid().verticalScrollBar()->maximum());
            settle();
        }
    }
    bool rowHighlighted(int row) {
        for (int col = 1; col <= grid().ColCount(); ++col)
            if (grid().CellBackColor(row, col) != Highlight)
                return false;
        return true;
    }

    // Every cell's value and colour, row by row.
    QStringList shownRows() {
        QStringList rows;
        for (int row = 1; row <= grid().RowCount(); ++row) {
            QStringList cells;
            for (int col = 1; col <= grid().ColCount(); ++col)
                cells << typed(grid().CellValue(row, col)) + u'/' +
                             QString::number(grid().CellBackColor(row, col));
            rows << cells.join(u'|');
        }
        return rows;
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() { f.start(); }
    void cleanup() {
        const QStringList unexpected = f.finish();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join("; ")));
    }

    void scrolledToTheEnd() {
        open();
        QCOMPARE(grid().ColHeaderText(4), "Total Sales");
        QCOMPARE(grid().ColWidth(1), 32);
        QCOMPARE(grid().ColWidth(2), 96);
        QVERIFY(grid().RowCount() < 40);
        scrollToTheEnd();

        db::Connection connection;
        QVERIFY(connection.Open(f.data->file().connectionString()));
        db::Recordset expected;
        QVERIFY(expected.Open(frmVMFORS::Source, &connection, db::adOpenStatic));
        int row = 0;
        for (; !expected.Eof(); expected.MoveNext()) {
            ++row;
            for (int col = 1; col <= 4; ++col)
                QCOMPARE(typed(grid().CellValue(row, col)),
                         typed(expected.Fields().Item(col - 1)->Value()));
            QCOMPARE(rowHighlighted(row),
                     frmVMFORS::IsHighlighted(expected.Fields().Item("Country")->Value(),
                                              expected.Fields().Item("Total Sales")->Value()));
        }
        QCOMPARE(grid().RowCount(), 300);
        QCOMPARE(row, 300);
        QCOMPARE(grid().CellText(6, 4), "$39,145");
        QVERIFY(rowHighlighted(6));   // Brazil, 39145
        QVERIFY(!rowHighlighted(11)); // USA, 42409
    }

    // The records come from the database 20 at a time: at open only the blocks the first
    // page needs, the rest as the user scrolls, each record read once.
    void readsInBlocks() {
        CountedReads counted;
        open(CountedReads::readsCountedScript());
        const int shown = grid().RowCount();
        QVERIFY(shown > 0 && shown < 40);
        // The current record is the next one to hand over, so it has been read too.
        const int blocks = (shown + 1 + 19) / 20;
        QCOMPARE(counted.reads(), blocks * 20);
        scrollToTheEnd();
        QCOMPARE(grid().RowCount(), 300);
        QCOMPARE(counted.reads(), 300);
        // Scrolling back reads nothing.
        grid().verticalScrollBar()->setValue(0);
        settle();
        QCOMPARE(counted.reads(), 300);
    }

    void colourRule_data() {
        QTest::addColumn<QByteArray>("customer");
        QTest::addColumn<bool>("highlighted");
        QTest::newRow("abroad, 25000") << QByteArray("(1, 'A', 'Canada', 25000)") << true;
        QTest::newRow("abroad, just below") << QByteArray("(1, 'A', 'Canada', 24999.99)") << false;
        QTest::newRow("abroad, far above") << QByteArray("(1, 'A', 'Japan', 900000)") << true;
        QTest::newRow("USA, large") << QByteArray("(1, 'A', 'USA', 90000)") << false;
        QTest::newRow("no country") << QByteArray("(1, 'A', NULL, 90000)") << false;
        QTest::newRow("no sales") << QByteArray("(1, 'A', 'Canada', NULL)") << false;
    }
    void colourRule() {
        QFETCH(QByteArray, customer);
        QFETCH(bool, highlighted);
        open(customersScript(customer));
        QCOMPARE(grid().RowCount(), 1);
        QCOMPARE(rowHighlighted(1), highlighted);
        if (!highlighted)
            QCOMPARE(grid().CellBackColor(1, 1), OleColor(-1));
    }

    void queryWithoutRecords() {
        open(customersScript({}));
        QCOMPARE(grid().RowCount(), 0);
        QCOMPARE(grid().ColCount(), 4);
        QVERIFY(grid().Header().Visible());
        scrollToTheEnd();
        QCOMPARE(grid().RowCount(), 0);
    }

    // A record that cannot be read is reported once; the rows before it stay and the grid
    // asks for no more.
    void readFailsMidway() {
        CountedReads counted;
        counted.failAt(45);
        f.services->boxes.answer(vbOK);
        open(CountedReads::readsCountedScript());
        scrollToTheEnd();
        QCOMPARE(grid().RowCount(), 40);
        QCOMPARE(f.services->boxes.shown().size(), 1);
        const platform::MessageBoxRequest box = f.services->boxes.shown()[0].request;
        QVERIFY2(box.text.contains("the record could not be read"), qPrintable(box.text));
        QCOMPARE(box.icon(), int(vbCritical));
        QCOMPARE(grid().CellValue(40, 1).toLong(), 40);
    }

    void noDatabase() {
        ScopedEmptyData empty;
        f.services->boxes.answer(vbOK);
        f.show();
        QCOMPARE(f.services->boxes.shown().size(), 1);
        QVERIFY(f.services->boxes.shown()[0].request.text.startsWith(
            "The sample database could not be opened."));
        QCOMPARE(grid().ColCount(), 0);
        QCOMPARE(grid().RowCount(), 0);
        QVERIFY(!grid().VirtualMode());
    }

    // On the PostgreSQL server the settings name.
    void sameRowsAsFromTheSampleDatabase() {
        REQUIRE_TEST_SERVER(server);
        f.open();
        QVERIFY2(f.window->lblSource->text().startsWith("Data: "),
                 qPrintable(f.window->lblSource->text()));
        QCOMPARE(f.window->lblSource->toolTip(), "Data: " + f.data->file().path());
        scrollToTheEnd();
        const QStringList embedded = shownRows();
        QCOMPARE(embedded.size(), 300);

        f.window.reset();
        useServer(server.connectionString());
        f.show();
        QCOMPARE(f.window->lblSource->text(),
                 QStringLiteral("Data: PostgreSQL server 127.0.0.1:%1, database tessix")
                     .arg(server.port()));
        QVERIFY(grid().RowCount() < 40);
        scrollToTheEnd();
        QCOMPARE(shownRows(), embedded);
    }

    void serverNotReached() {
        REQUIRE_TEST_SERVER(server);
        useServer("Provider=PostgreSQL;Host=127.0.0.1;Port=1;Database=tessix");
        f.services->boxes.answer(vbOK);
        f.show();
        QCOMPARE(f.services->boxes.shown().size(), 1);
        const platform::MessageBoxRequest box = f.services->boxes.shown()[0].request;
        QVERIFY2(box.text.startsWith("The database server could not be reached.\r\nThe "
                                     "database server cannot be reached: "),
                 qPrintable(box.text));
        QCOMPARE(box.icon(), int(vbCritical));
        QCOMPARE(f.window->lblSource->text(), "Data: the database server (not reached)");
        QCOMPARE(grid().ColCount(), 0);
    }

    // The server stopped while the user scrolls: one message; the rows shown stay, with the
    // rest of the block already fetched, and the grid asks for no more.
    void serverStoppedWhileScrolling() {
        REQUIRE_TEST_SERVER(server);
        useServer(server.connectionString());
        f.show();
        const int shown = grid().RowCount();
        QVERIFY(shown > 0 && shown < 40);
        const QStringList before = shownRows();
        QVERIFY(server.stop());
        f.services->boxes.answer(vbOK);
        scrollToTheEnd();
        const bool restarted = server.restart();
        QCOMPARE(f.services->boxes.shown().size(), 1);
        const platform::MessageBoxRequest box = f.services->boxes.shown()[0].request;
        QVERIFY2(box.text.startsWith("The next customer could not be read.\r\nThe connection "
                                     "to the database server was lost: "),
                 qPrintable(box.text));
        QCOMPARE(box.text.count(u'\n'), 1); // one line of its own: libpq's hints left out
        const int blocks = (shown + 1 + 19) / 20;
        QCOMPARE(grid().RowCount(), blocks * 20);
        QCOMPARE(shownRows().mid(0, shown), before);
        QCOMPARE(grid().CellValue(blocks * 20, 1).toLong(), blocks * 20);
        QVERIFY(restarted);
    }
};

QTEST_MAIN(TestFrmVMFORS)
#include "tst_frmvmfors.moc"
