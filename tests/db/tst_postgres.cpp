// The PostgreSQL provider against the tests' server: the windows' SQL translated; statements
// and queries with the sample's rows, types and field names as the embedded database gives
// them; the forward-only cursor fetching CacheSize records a block; the server's errors with
// their SQLSTATE; connection strings that cannot work.

#include "db/Connection.h"
#include "db/PostgresSql.h"
#include "db/Recordset.h"
#include "db/TestDatabase.h"
#include "db/TestServer.h"

#include <QtTest>

class TestPostgres : public QObject {
    Q_OBJECT
    TestServer server;
    db::Connection connection;

    bool openServer() { return connection.Open(server.connectionString()); }

private Q_SLOTS:
    void init() { connection.Close(); }

    void translation_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("server");
        QTest::newRow("bracketed name") << "SELECT [Total Sales] FROM Customers"
                                        << "SELECT \"total sales\" FROM Customers";
        QTest::newRow("unquoted names kept") << "SELECT ID, Company FROM Customers ORDER BY ID"
                                             << "SELECT ID, Company FROM Customers ORDER BY ID";
        QTest::newRow("brackets inside text kept")
            << "SELECT * FROM Customers WHERE Company = '[Next] Level'"
            << "SELECT * FROM Customers WHERE Company = '[Next] Level'";
        QTest::newRow("quote in text") << "WHERE [E-mail] = 'o''neil [x]'"
                                       << "WHERE \"e-mail\" = 'o''neil [x]'";
        QTest::newRow("quote in a bracketed name") << "SELECT [a\"b]"
                                                   << "SELECT \"a\"\"b\"";
        QTest::newRow("LIKE without regard to case") << "WHERE Company like 'a%'"
                                                     << "WHERE Company ILIKE 'a%'";
        QTest::newRow("LIKE inside a word kept") << "SELECT Likes, UNLIKELY FROM t"
                                                 << "SELECT Likes, UNLIKELY FROM t";
        QTest::newRow("True and False kept") << "SET [Has Discount] = True WHERE x = False"
                                             << "SET \"has discount\" = True WHERE x = False";
        QTest::newRow("unclosed bracket") << "SELECT [Total"
                                          << "SELECT \"total\"";
    }
    void translation() {
        QFETCH(QString, sql);
        QFETCH(QString, server);
        QCOMPARE(db::postgresSql(sql), server);
    }

    // The sample's rows read from the server as from the embedded database: same values,
    // same types, the fields found by the names the windows write.
    void sameRecordsAsTheEmbeddedDatabase() {
        REQUIRE_TEST_SERVER(server);
        QVERIFY2(openServer(), qPrintable(connection.LastError().Description));
        QVERIFY(connection.OnServer());
        QCOMPARE(connection.DataSource(),
                 QStringLiteral("127.0.0.1:%1, database tessix").arg(server.port()));
        TestDatabase file;
        db::Connection embedded;
        QVERIFY(embedded.Open(file.connectionString()));
        const QString query = QStringLiteral("SELECT ID, Company, Country, [Total Sales], "
                                             "[Has Discount], [Customer Since] FROM Customers "
                                             "WHERE Company LIKE '%HARDWARE%' ORDER BY ID");
        db::Recordset remote, local;
        QVERIFY2(remote.Open(query, &connection, db::adOpenStatic),
                 qPrintable(remote.LastError().Description));
        QVERIFY(local.Open(query, &embedded, db::adOpenStatic));
        QCOMPARE(remote.CursorType(), int(db::adOpenStatic));
        QCOMPARE(remote.Fields().Count(), 6);
        QCOMPARE(remote.Fields().Item("Total Sales")->Type(), VarType::Currency);
        QCOMPARE(remote.Fields().Item("has discount")->Type(), VarType::Boolean);
        QCOMPARE(remote.Fields().Item("Customer Since")->Type(), VarType::Date);
        int records = 0;
        for (; !local.Eof(); local.MoveNext(), remote.MoveNext(), ++records) {
            QVERIFY(!remote.Eof());
            for (int f = 0; f < 6; ++f)
                QCOMPARE(typed(remote.Fields().Item(f)->Value()),
                         typed(local.Fields().Item(f)->Value()));
        }
        QVERIFY(remote.Eof());
        QVERIFY(records > 5);
    }

    // Statements report the records they changed; a second statement is refused; records on
    // the server are read-only.
    void statements() {
        REQUIRE_TEST_SERVER(server);
        QVERIFY(openServer());
        QVERIFY(connection.Execute("CREATE TEMP TABLE notes (ID integer PRIMARY KEY, "
                                   "[Note Text] text NOT NULL)"));
        int changed = -1;
        QVERIFY(connection.Execute("INSERT INTO notes VALUES (1, 'Apple'), (2, 'apricot'), "
                                   "(3, 'Banana')",
                                   &changed));
        QCOMPARE(changed, 3);
        QVERIFY(connection.Execute("UPDATE notes SET [Note Text] = 'x' WHERE [Note Text] LIKE "
                                   "'ap%'",
                                   &changed));
        QCOMPARE(changed, 2);
        QVERIFY(!connection.Execute("DELETE FROM notes; DROP TABLE notes"));
        QVERIFY(connection.Execute("SELECT 1 FROM notes", &changed));
        QCOMPARE(changed, 3);
        db::Recordset records;
        QVERIFY(!records.Open("notes", &connection, db::adOpenStatic, db::adLockOptimistic));
        QCOMPARE(records.LastError().Number, db::NotSupportedError);
        QVERIFY(records.Open("SELECT * FROM notes WHERE ID = 1", &connection, db::adOpenStatic,
                             db::adLockReadOnly));
        QCOMPARE(records.Fields().Item("Note Text")->Value().toString(), "x");
        QVERIFY(!records.Fields().Item("Note Text")->SetValue(Variant("y")));
    }

    // A forward-only cursor holds one block and fetches the next as the reader passes it:
    // 300 records in blocks of 20 are 15 full blocks and an empty one that ends them. Moving
    // back to the first runs the query again.
    void serverCursorFetchesBlocks() {
        REQUIRE_TEST_SERVER(server);
        QVERIFY(openServer());
        const QByteArray fetch = "FETCH FORWARD 20 FROM";
        const qint64 before = server.logSize();
        db::Recordset records;
        records.SetCacheSize(20);
        QVERIFY(records.Open("SELECT ID FROM Customers ORDER BY ID", &connection));
        QCOMPARE(records.CursorType(), int(db::adOpenForwardOnly));
        QCOMPARE(server.logged(fetch, before), 1);
        int expected = 0;
        while (!records.Eof()) {
            QCOMPARE(records.Fields().Item("id")->Value().toLong(), ++expected);
            if (expected == 20)
                QCOMPARE(server.logged(fetch, before), 1);
            if (expected == 21)
                QCOMPARE(server.logged(fetch, before), 2);
            QVERIFY(records.MoveNext());
        }
        QCOMPARE(expected, 300);
        QCOMPARE(server.logged(fetch, before), 16);
        QVERIFY(!records.SetAbsolutePosition(1));
        QVERIFY(records.MoveFirst());
        QCOMPARE(records.Fields().Item(0)->Value().toLong(), 1);
        QCOMPARE(server.logged(fetch, before), 17);
        QCOMPARE(server.logged("DECLARE", before), 2);
        // Statements beside an open cursor leave it readable, even when they fail.
        QVERIFY(!connection.Execute("SELECT no_such_column FROM Customers"));
        QVERIFY(connection.Execute("SELECT 1"));
        for (int i = 0; i < 25; ++i)
            QVERIFY(records.MoveNext());
        QCOMPARE(records.Fields().Item(0)->Value().toLong(), 26);
    }

    void serverErrors_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("words");
        QTest::newRow("duplicate key")
            << "INSERT INTO Customers (ID, Company) VALUES (1, 'Again')"
            << int(db::DuplicateKeyError)
            << "duplicate key value violates unique constraint \"customers_pkey\" (SQLSTATE "
               "23505)";
        QTest::newRow("not null") << "INSERT INTO Customers (ID, [Has Discount]) VALUES (900, "
                                     "NULL)"
                                  << int(db::IntegrityError) << "(SQLSTATE 23502)";
        QTest::newRow("no such column") << "SELECT Nothing FROM Customers" << int(db::CommandError)
                                        << "column \"nothing\" does not exist (SQLSTATE 42703)";
        QTest::newRow("no such table")
            << "SELECT * FROM Nowhere" << int(db::CommandError) << "(SQLSTATE 42P01)";
        QTest::newRow("syntax") << "SELEKT 1" << int(db::CommandError) << "(SQLSTATE 42601)";
        QTest::newRow("not a number") << "UPDATE Customers SET ID = 'abc' WHERE ID = 1"
                                      << int(db::TypeMismatchError) << "(SQLSTATE 22P02)";
    }
    void serverErrors() {
        QFETCH(QString, sql);
        QFETCH(int, number);
        QFETCH(QString, words);
        REQUIRE_TEST_SERVER(server);
        QVERIFY(openServer());
        QVERIFY(!connection.Execute(sql));
        QCOMPARE(connection.LastError().Number, number);
        QVERIFY2(connection.LastError().Description.contains(words),
                 qPrintable(connection.LastError().Description));
        // A query fails the same way when its recordset opens.
        if (sql.startsWith(u"SELECT")) {
            db::Recordset records;
            QVERIFY(!records.Open(sql, &connection));
            QCOMPARE(records.LastError().Number, number);
        }
    }

    void connectionStrings_data() {
        QTest::addColumn<QString>("more");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("words");
        QTest::newRow("as given") << "" << true << "";
        QTest::newRow("no such database")
            << ";Database=nowhere" << false << "database \"nowhere\" does not exist";
        QTest::newRow("unknown option")
            << ";Colour=blue" << false << "invalid connection option \"colour\"";
        QTest::newRow("schema") << ";Schema=pg_catalog" << true << "";
    }
    void connectionStrings() {
        QFETCH(QString, more);
        QFETCH(bool, opens);
        QFETCH(QString, words);
        REQUIRE_TEST_SERVER(server);
        QCOMPARE(connection.Open(server.connectionString(more)), opens);
        QVERIFY2(connection.LastError().Description.contains(words),
                 qPrintable(connection.LastError().Description));
        if (!opens)
            QCOMPARE(connection.LastError().Number, db::DatabaseFileError);
    }

    void uriAndUnreachableServer() {
        REQUIRE_TEST_SERVER(server);
        QVERIFY(connection.Open(
            QStringLiteral("postgresql://postgres@127.0.0.1:%1/tessix").arg(server.port())));
        QVERIFY(connection.OnServer());
        // Port 1 on the loopback address: nothing listens there.
        QVERIFY(!connection.Open("Provider=PostgreSQL;Host=127.0.0.1;Port=1;Database=tessix"));
        QCOMPARE(connection.LastError().Number, db::DatabaseFileError);
        QVERIFY2(connection.LastError().Description.startsWith(
                     "The database server cannot be reached: "),
                 qPrintable(connection.LastError().Description));
    }
};

QTEST_MAIN(TestPostgres)
#include "tst_postgres.moc"
