// Connections: opening the file named by the connection string (never creating one), and
// Execute with the SQL the windows write, including the errors they test for.

#include "TestDatabase.h"
#include "db/Connection.h"
#include "db/Recordset.h"

#include <QFileInfo>
#include <QtTest>

class TestConnection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensTheSampleDatabase() {
        TestDatabase sample;
        db::Connection connection;
        QVERIFY2(connection.Open(sample.connectionString()),
                 qPrintable(connection.LastError().Description));
        QVERIFY(connection.IsOpen());
        QCOMPARE(connection.DataSource(), sample.path());
        connection.Close();
        QVERIFY(!connection.IsOpen());
        QVERIFY(!connection.Execute("SELECT 1"));
        QCOMPARE(connection.LastError().Number, db::ClosedObjectError);
    }

    void connectionStrings_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("as the program writes it") << "Provider=SQLite;Data Source=%1";
        QTest::newRow("case and blanks") << "  provider = sqlite ; DATA SOURCE = %1 ;";
        QTest::newRow("quoted path") << "Provider=SQLite;Data Source=\"%1\"";
        QTest::newRow("no provider") << "Data Source=%1";
    }
    void connectionStrings() {
        QFETCH(QString, text);
        TestDatabase sample;
        db::Connection connection;
        QVERIFY2(connection.Open(text.arg(sample.path())),
                 qPrintable(connection.LastError().Description));
    }

    // A path holding ';' or an apostrophe is read whole when quoted or last.
    void pathsWithSeparators() {
        TestDatabase sample;
        for (const QString& name : {QStringLiteral("it's;here.db"), QStringLiteral("o'brien.db")}) {
            const QString path = sample.folder() + u'/' + name;
            QVERIFY(QFile::copy(sample.path(), path));
            db::Connection connection;
            QVERIFY2(
                connection.Open(QStringLiteral("Provider=SQLite;Data Source=\"%1\"").arg(path)),
                qPrintable(connection.LastError().Description));
        }
        db::Connection last;
        QVERIFY(last.Open("Provider=SQLite;Data Source=" + sample.folder() + "/o'brien.db"));
    }

    void refusedConnections_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint32>("number");
        QTest::addColumn<QString>("inDescription");
        QTest::newRow("missing file") << "Provider=SQLite;Data Source=%1/none.db"
                                      << qint32(db::DatabaseFileError) << "none.db does not exist";
        QTest::newRow("a folder") << "Provider=SQLite;Data Source=%1"
                                  << qint32(db::DatabaseFileError) << "is not a file";
        QTest::newRow("other provider") << "Provider=Other;Data Source=%1/Test.db"
                                        << qint32(db::ProviderNotFoundError) << "\"Other\"";
        QTest::newRow("no file named")
            << "Provider=SQLite" << qint32(db::ArgumentError) << "Data Source";
    }
    void refusedConnections() {
        QFETCH(QString, text);
        QFETCH(qint32, number);
        QFETCH(QString, inDescription);
        TestDatabase sample;
        db::Connection connection;
        QVERIFY(!connection.Open(text.contains("%1") ? text.arg(sample.folder()) : text));
        QCOMPARE(connection.LastError().Number, number);
        QVERIFY2(connection.LastError().Description.contains(inDescription),
                 qPrintable(connection.LastError().Description));
        QVERIFY(!connection.IsOpen());
        QVERIFY(!QFileInfo::exists(sample.folder() + "/none.db")); // never created
    }

    void damagedFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text") << QByteArray("Company,Country\nBits 'n' Bytes,USA\n").repeated(200);
        QByteArray header("SQLite format 3");
        header.append('\0');
        QTest::newRow("header, then garbage") << header + QByteArray(4096, '\x5a');
    }
    void damagedFile() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("Test.db");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        db::Connection connection;
        QVERIFY(!connection.Open("Provider=SQLite;Data Source=" + path));
        QCOMPARE(connection.LastError().Number, db::DatabaseFileError);
        QVERIFY2(connection.LastError().Description.contains(path),
                 qPrintable(connection.LastError().Description));
        QVERIFY(connection.LastError().Description.contains("damaged"));
        QCOMPARE(QFileInfo(path).size(), qint64(bytes.size())); // left as it was
    }

    void providerThatCannotStart() {
        TestDatabase sample;
        db::Connection connection;
        {
            db::testing::ScopedProviderFailure broken;
            QVERIFY(!connection.Open(sample.connectionString()));
            QCOMPARE(connection.LastError().Number, db::ProviderCannotStart);
            QCOMPARE(connection.LastError().Number, 429);
        }
        QVERIFY(connection.Open(sample.connectionString()));
    }

    // The windows' statements run unchanged: brackets, True/False, LIKE, MAX(ID), case-blind
    // text and names; recordsAffected counts what changed.
    void windowsSqlRunsAsWritten() {
        TestDatabase sample;
        db::Connection connection;
        QVERIFY(connection.Open(sample.connectionString()));
        int changed = -1;
        QVERIFY2(connection.Execute("UPDATE [Customers] SET [Total Sales]= 1500.5,[Has "
                                    "Discount]=True WHERE [Id]=12",
                                    &changed),
                 qPrintable(connection.LastError().Description));
        QCOMPARE(changed, 1);
        db::Recordset rs;
        QVERIFY(connection.Execute("SELECT [Total Sales], [has discount] FROM customers WHERE "
                                   "id=12",
                                   rs));
        QCOMPARE(typed(rs.Fields().Item(0)->Value()), "Currency 1500.5");
        QCOMPARE(typed(rs.Fields().Item(1)->Value()), "Boolean True");

        QVERIFY(connection.Execute("SELECT MAX(ID) FROM Customers", rs));
        QCOMPARE(typed(rs.Fields().Item(0)->Value()), "Long 300");
        QCOMPARE(rs.Fields().Item(0)->Type(), VarType::Long);
        QVERIFY(connection.Execute("SELECT COUNT(*) FROM Customers WHERE Country='canada' AND "
                                   "Company LIKE '%e%'",
                                   rs));
        QVERIFY(rs.Fields().Item(0)->Value().toLong() > 0);
        QVERIFY(connection.Execute("INSERT INTO Customers (ID) VALUES (301)", &changed));
        QCOMPARE(changed, 1);
        QVERIFY(connection.Execute("DELETE FROM Customers WHERE ID=301", &changed));
        QCOMPARE(changed, 1);
        QVERIFY(connection.Execute("DELETE FROM Customers WHERE ID=301", &changed));
        QCOMPARE(changed, 0);
    }

    // What the database refuses, with the numbers the windows test for and its own words.
    void refusedStatements_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<qint32>("number");
        QTest::addColumn<QString>("inDescription");
        QTest::newRow("duplicate key")
            << "UPDATE Customers SET ID=2 WHERE ID=1" << qint32(0x80040E21)
            << "UNIQUE constraint failed: Customers.ID";
        QTest::newRow("letters for money")
            << "UPDATE Customers SET [Total Sales]='abc' WHERE ID=1" << qint32(db::IntegrityError)
            << "Total Sales takes an amount of money";
        QTest::newRow("letters for the key")
            << "UPDATE Customers SET ID='abc' WHERE ID=1" << qint32(db::TypeMismatchError)
            << "datatype mismatch";
        QTest::newRow("a date as the short date shows it")
            << "UPDATE Customers SET [Customer Since]='3/1/2024' WHERE ID=1"
            << qint32(db::IntegrityError) << "Customer Since takes a date";
        QTest::newRow("no yes/no value") << "UPDATE Customers SET [Has Discount]=NULL WHERE ID=1"
                                         << qint32(db::IntegrityError) << "A value is required";
        QTest::newRow("unknown table")
            << "SELECT * FROM Customer" << qint32(db::CommandError) << "no such table: Customer";
        QTest::newRow("syntax") << "UPDATE Customers SET WHERE" << qint32(db::CommandError)
                                << "syntax error";
        QTest::newRow("a second statement")
            << "SELECT 1; DELETE FROM Customers" << qint32(db::CommandError) << "one SQL statement";
        QTest::newRow("nothing") << "  -- a comment " << qint32(db::CommandError)
                                 << "no SQL statement";
    }
    void refusedStatements() {
        QFETCH(QString, sql);
        QFETCH(qint32, number);
        QFETCH(QString, inDescription);
        TestDatabase sample;
        db::Connection connection;
        QVERIFY(connection.Open(sample.connectionString()));
        QVERIFY(!connection.Execute(sql));
        QCOMPARE(connection.LastError().Number, number);
        QVERIFY2(connection.LastError().Description.contains(inDescription, Qt::CaseInsensitive),
                 qPrintable(connection.LastError().Description));
        // Nothing changed: the table is whole and record 1 as shipped.
        db::Recordset rs;
        QVERIFY(connection.Execute("SELECT COUNT(*), (SELECT [Total Sales] FROM Customers WHERE "
                                   "ID=1) FROM Customers",
                                   rs));
        QCOMPARE(typed(rs.Fields().Item(0)->Value()), "Long 300");
        QCOMPARE(rs.Fields().Item(1)->Value().toDouble(), 7838.78);
        QVERIFY(connection.Execute("SELECT 1"));
        QVERIFY(!connection.LastError().isError());
    }

    // A recordset keeps the database open after its connection went.
    void recordsetOutlivesItsConnection() {
        TestDatabase sample;
        db::Recordset rs;
        {
            db::Connection connection;
            QVERIFY(connection.Open(sample.connectionString()));
            rs.SetCacheSize(5);
            QVERIFY(rs.Open("SELECT ID FROM Customers ORDER BY ID", &connection));
            QCOMPARE(rs.ActiveConnection(), &connection);
        }
        QCOMPARE(rs.ActiveConnection(), nullptr);
        int records = 0;
        for (; !rs.Eof(); rs.MoveNext())
            ++records;
        QCOMPARE(records, 300);
    }
};

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
