// The row UPDATE builder of the row-level editing windows: its literal table, the statement,
// and the three faults it mends (the WHERE clause takes the key as loaded, a date is written
// as ISO text, a statement that changes nothing is a failure).

#include "TestDatabase.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "db/RowUpdate.h"

#include <QtTest>

namespace {

QString stored(db::Connection& connection, const QString& sql) {
    db::Recordset rs;
    if (!connection.Execute(sql, rs))
        return connection.LastError().Description;
    return rs.Eof() ? QStringLiteral("(no record)") : typed(rs.Fields().Item(0)->Value());
}

} // namespace

class TestRowUpdate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void literals_data() {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("literal");
        QTest::newRow("empty") << Variant() << "NULL";
        QTest::newRow("null") << Variant::null() << "NULL";
        QTest::newRow("double") << Variant(1500.5) << " 1500.5";
        QTest::newRow("negative double") << Variant(-0.25) << "-0.25";
        QTest::newRow("large double") << Variant(1e20) << " 1e+20";
        QTest::newRow("single") << Variant(0.1f) << " 0.1";
        QTest::newRow("currency") << Variant(Currency{15005000}) << " 1500.5";
        QTest::newRow("currency, four decimals") << Variant(Currency{-12345}) << "-1.2345";
        QTest::newRow("currency, whole") << Variant(Currency{250000000}) << " 25000";
        QTest::newRow("text") << Variant("Bits 'n' Bytes") << "'Bits ''n'' Bytes'";
        QTest::newRow("empty text") << Variant("") << "''";
        QTest::newRow("long") << Variant(12) << "12";
        QTest::newRow("integer") << Variant(std::int16_t(-7)) << "-7";
        QTest::newRow("boolean") << Variant(true) << "True";
        QTest::newRow("date") << Variant(QDate(2024, 3, 1)) << "'2024-03-01'";
        QTest::newRow("date and time")
            << Variant(QDateTime(QDate(2024, 3, 1), QTime(9, 5, 7))) << "'2024-03-01 09:05:07'";
    }
    void literals() {
        QFETCH(Variant, value);
        QFETCH(QString, literal);
        QCOMPARE(db::SqlLiteral(value), literal);
    }

    // The numbers keep their invariant form whatever the user's locale writes.
    void literalsIgnoreTheLocale() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(db::SqlLiteral(Variant(1500.5)), " 1500.5");
        QCOMPARE(db::SqlLiteral(Variant(Currency{15005000})), " 1500.5");
        QCOMPARE(db::SqlLiteral(Variant(QDate(2024, 3, 1))), "'2024-03-01'");
        QLocale::setDefault(previous);
    }

    void statement() {
        db::RowUpdate row{"Customers",
                          {{"ID", Variant(12), {}},
                           {"Company", Variant("Bits 'n' Bytes"), {}},
                           {"Total Sales", Variant(1500.5), {}},
                           {"Has Discount", Variant(), true}},
                          "Id",
                          Variant(12)};
        QCOMPARE(row.statement(),
                 "UPDATE [Customers] SET [ID]=12,[Company]='Bits ''n'' Bytes',[Total Sales]= "
                 "1500.5,[Has Discount]=True WHERE [Id]=12");
        row.fields[3].checked = false;
        QVERIFY(row.statement().contains("[Has Discount]=False WHERE"));
    }

    // Saved through the database: quotes intact, Null written, a date stored as a date,
    // and an edited key moves the record that had the loaded key, no other.
    void savesTheRow() {
        TestDatabase sample;
        db::Connection connection;
        QVERIFY(connection.Open(sample.connectionString()));
        const db::RowUpdate row{"Customers",
                                {{"ID", Variant(400), {}},
                                 {"Company", Variant("Bits 'n' Bytes"), {}},
                                 {"Country", Variant::null(), {}},
                                 {"Total Sales", Variant(Currency{15005000}), {}},
                                 {"Has Discount", Variant(), true},
                                 {"Customer Since", Variant(QDate(2024, 3, 1)), {}}},
                                "Id",
                                Variant(12)};
        const db::Error error = db::SaveRow(connection, row);
        QVERIFY2(!error.isError(), qPrintable(error.Description));
        QCOMPARE(stored(connection, "SELECT ID FROM Customers WHERE ID=12"), "(no record)");
        QCOMPARE(stored(connection, "SELECT Company FROM Customers WHERE ID=400"),
                 "String Bits 'n' Bytes");
        QCOMPARE(stored(connection, "SELECT Country FROM Customers WHERE ID=400"), "Null ");
        QCOMPARE(stored(connection, "SELECT [Total Sales] FROM Customers WHERE ID=400"),
                 "Currency 1500.5");
        QCOMPARE(stored(connection, "SELECT [Has Discount] FROM Customers WHERE ID=400"),
                 "Boolean True");
        QCOMPARE(stored(connection, "SELECT typeof([Customer Since]) || [Customer Since] FROM "
                                    "Customers WHERE ID=400"),
                 "String text2024-03-01");
        QCOMPARE(stored(connection, "SELECT COUNT(*) FROM Customers WHERE Company='Bits ''n'' "
                                    "Bytes'"),
                 "Long 2"); // record 3 keeps its own
    }

    // A row whose record is gone, or whose loaded key now belongs to no record, saves
    // nothing, and says so.
    void changingNothingFails() {
        TestDatabase sample;
        db::Connection connection;
        QVERIFY(connection.Open(sample.connectionString()));
        QVERIFY(connection.Execute("DELETE FROM Customers WHERE ID=12"));
        const db::RowUpdate row{"Customers", {{"Company", Variant("Lost"), {}}}, "Id", Variant(12)};
        const db::Error error = db::SaveRow(connection, row);
        QCOMPARE(error.Number, db::RecordChangedError);
        QVERIFY2(error.Description.contains("Id 12"), qPrintable(error.Description));
        QCOMPARE(stored(connection, "SELECT COUNT(*) FROM Customers WHERE Company='Lost'"),
                 "Long 0");
    }

    // With the values as loaded given, the row is saved only while the record still holds
    // them all (money, dates, Null and check boxes compared as what they mean); a field
    // someone else changed meanwhile, a change of case included, is a conflict that writes
    // nothing.
    void originalValuesGuardAgainstOverwriting_data() {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<bool>("saved");
        QTest::newRow("nothing") << QString() << true;
        QTest::newRow("same values rewritten")
            << "UPDATE Customers SET [Total Sales]=7838.780, [Customer Since]='2010-08-18'" << true;
        QTest::newRow("company") << "UPDATE Customers SET Company='Other Hardware'" << false;
        QTest::newRow("case only")
            << "UPDATE Customers SET Company='ALPINE Hardware Pty Ltd'" << false;
        QTest::newRow("money") << "UPDATE Customers SET [Total Sales]=1" << false;
        QTest::newRow("date") << "UPDATE Customers SET [Customer Since]='2011-01-01'" << false;
        QTest::newRow("Null to a value") << "UPDATE Customers SET Country='Chile'" << false;
        QTest::newRow("check box") << "UPDATE Customers SET [Has Discount]=TRUE" << false;
    }
    void originalValuesGuardAgainstOverwriting() {
        QFETCH(QString, meanwhile);
        QFETCH(bool, saved);
        TestDatabase sample;
        db::Connection connection;
        QVERIFY(connection.Open(sample.connectionString()));
        QVERIFY(connection.Execute("UPDATE Customers SET Country=NULL WHERE ID=1"));
        if (!meanwhile.isEmpty())
            QVERIFY(connection.Execute(meanwhile + " WHERE ID=1"));
        const db::RowUpdate row{
            "Customers",
            {{"ID", Variant(1), {}, Variant(1)},
             {"Company", Variant("Alpine Hardware"), {}, Variant("Alpine Hardware Pty Ltd")},
             {"Country", Variant::null(), {}, Variant::null()},
             {"Total Sales", Variant(Currency{78387800}), {}, Variant(Currency{78387800})},
             {"Has Discount", Variant(false), false, Variant(false)},
             {"Customer Since", Variant(QDate(2010, 8, 18)), {}, Variant(QDate(2010, 8, 18))}},
            "Id",
            Variant(1)};
        const db::Error error = db::SaveRow(connection, row);
        QCOMPARE(error.Number, saved ? db::NoError : db::RecordChangedError);
        QCOMPARE(stored(connection, "SELECT COUNT(*) FROM Customers WHERE Company='Alpine "
                                    "Hardware'"),
                 saved ? "Long 1" : "Long 0");
    }

    void databaseErrorsReachTheCaller() {
        TestDatabase sample;
        db::Connection connection;
        QVERIFY(connection.Open(sample.connectionString()));
        const db::RowUpdate duplicate{"Customers", {{"ID", Variant(2), {}}}, "Id", Variant(1)};
        QCOMPARE(db::SaveRow(connection, duplicate).Number, db::DuplicateKeyError);
        const db::RowUpdate letters{
            "Customers", {{"Total Sales", Variant("abc"), {}}}, "Id", Variant(1)};
        const db::Error error = db::SaveRow(connection, letters);
        QCOMPARE(error.Number, db::IntegrityError);
        QVERIFY(error.Description.contains("Total Sales takes an amount of money"));
    }
};

QTEST_GUILESS_MAIN(TestRowUpdate)
#include "tst_rowupdate.moc"
