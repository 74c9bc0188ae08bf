// Recordsets on the sample database: every cursor and lock type the windows use, positions,
// fields and their types, writes with their conflicts and errors, batches, the pending
// filter and Find.

#include "CountedReads.h"
#include "TestDatabase.h"
#include "db/Connection.h"
#include "db/Recordset.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

// The sample database, a connection to it and one for "someone else".
struct Sample {
    TestDatabase file;
    db::Connection connection;
    db::Connection other;
    Sample() {
        QVERIFY(connection.Open(file.connectionString()));
        QVERIFY(other.Open(file.connectionString()));
    }
    // One value as stored now, read through the other connection.
    QString stored(const QString& column, int id) {
        db::Recordset rs;
        if (!other.Execute(
                QStringLiteral("SELECT [%1] FROM Customers WHERE ID=%2").arg(column).arg(id), rs))
            return other.LastError().Description;
        return rs.Eof() ? QStringLiteral("(no record)") : typed(rs.Fields().Item(0)->Value());
    }
};

const Variant& value(db::Recordset& rs, const QString& field) {
    static const Variant none;
    const db::Field* f = rs.Fields().Item(field);
    return f ? f->Value() : none;
}

int idOf(db::Recordset& rs) {
    return rs.Eof() || rs.Bof() ? 0 : value(rs, "ID").toLong();
}

bool openTable(db::Recordset& rs, Sample& sample, int cursor, int lock) {
    const bool ok = rs.Open("Customers", &sample.connection, cursor, lock);
    if (!ok)
        qWarning("%s", qPrintable(rs.LastError().Description));
    return ok;
}

} // namespace

class TestRecordset : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The remote browser's cursor: server-side, forward-only, reading blocks of 20.
    void forwardOnlyReadsEveryRecordInOrder() {
        Sample sample;
        db::Recordset rs;
        rs.SetCacheSize(20);
        rs.SetCursorLocation(db::adUseServer);
        rs.SetCursorType(db::adOpenForwardOnly);
        QVERIFY(rs.Open("SELECT ID, Company, Country, [Total Sales] FROM Customers ORDER BY ID",
                        &sample.connection));
        QCOMPARE(rs.CursorType(), int(db::adOpenForwardOnly));
        int expected = 1;
        for (; !rs.Eof(); ++expected) {
            QCOMPARE(idOf(rs), expected);
            QCOMPARE(rs.AbsolutePosition(), expected);
            QVERIFY(rs.MoveNext());
        }
        QCOMPARE(expected, 301);
        QCOMPARE(rs.AbsolutePosition(), int(db::adPosEOF));
        QVERIFY(!rs.MoveNext());
        QCOMPARE(rs.LastError().Number, db::NoCurrentRecordError);
        QVERIFY(!rs.SetAbsolutePosition(1));
        QCOMPARE(rs.LastError().Number, db::NotSupportedError);
        QVERIFY(rs.MoveFirst()); // runs the query again
        QCOMPARE(idOf(rs), 1);
    }

    // The forward-only cursor reads its records from the database a block of CacheSize at a
    // time, as the reader moves on, never the whole result up front; a static one reads it
    // all at Open.
    void forwardOnlyReadsInBlocks() {
        CountedReads counted;
        TestDatabase file(CountedReads::readsCountedScript());
        db::Connection connection;
        QVERIFY(connection.Open(file.connectionString()));
        db::Recordset rs;
        rs.SetCacheSize(20);
        rs.SetCursorLocation(db::adUseServer);
        rs.SetCursorType(db::adOpenForwardOnly);
        QVERIFY(rs.Open("SELECT ID FROM Customers ORDER BY ID", &connection));
        QCOMPARE(counted.reads(), 20);
        for (int id = 1; id < 20; ++id)
            QVERIFY(rs.MoveNext());
        QCOMPARE(idOf(rs), 20);
        QCOMPARE(counted.reads(), 20);
        QVERIFY(rs.MoveNext());
        QCOMPARE(idOf(rs), 21);
        QCOMPARE(counted.reads(), 40);
        while (!rs.Eof())
            QVERIFY(rs.MoveNext());
        QCOMPARE(counted.reads(), 300);

        db::Recordset whole;
        QVERIFY(whole.Open("Customers", &connection, db::adOpenStatic));
        QCOMPARE(counted.reads(), 600);
    }

    // A record that cannot be read mid-way: the move fails with the database's words and
    // the recordset is at its end, so a reader stops there.
    void forwardOnlyReadFailure() {
        CountedReads counted;
        TestDatabase file(CountedReads::readsCountedScript());
        db::Connection connection;
        QVERIFY(connection.Open(file.connectionString()));
        counted.failAt(45);
        db::Recordset rs;
        rs.SetCacheSize(20);
        QVERIFY(rs.Open("SELECT ID FROM Customers ORDER BY ID", &connection));
        while (idOf(rs) < 40)
            QVERIFY(rs.MoveNext());
        QVERIFY(!rs.MoveNext());
        QVERIFY2(rs.LastError().Description.contains("the record could not be read"),
                 qPrintable(rs.LastError().Description));
        QVERIFY(rs.Eof());
    }

    // A forward-only recordset left half-read holds its query open; other connections still
    // store their changes, at once.
    void halfReadRecordsetDoesNotBlockWriters() {
        Sample sample;
        db::Recordset rs;
        rs.SetCacheSize(20);
        QVERIFY(rs.Open("SELECT ID FROM Customers ORDER BY ID", &sample.connection));
        QVERIFY(rs.MoveNext());
        QElapsedTimer timer;
        timer.start();
        QVERIFY2(sample.other.Execute("UPDATE Customers SET Phone='555-0100' WHERE ID=250"),
                 qPrintable(sample.other.LastError().Description));
        QVERIFY(timer.elapsed() < 1000);
        QCOMPARE(sample.stored("Phone", 250), "String 555-0100");
    }

    void positioning_data() {
        QTest::addColumn<int>("cursor");
        QTest::newRow("static") << int(db::adOpenStatic);
        QTest::newRow("keyset") << int(db::adOpenKeyset);
    }
    void positioning() {
        QFETCH(int, cursor);
        Sample sample;
        db::Recordset rs;
        QVERIFY(openTable(rs, sample, cursor, db::adLockOptimistic));
        QCOMPARE(rs.AbsolutePosition(), 1);
        QVERIFY(rs.SetAbsolutePosition(17));
        QCOMPARE(idOf(rs), 17);
        QCOMPARE(rs.AbsolutePosition(), 17);
        for (int bad : {0, -1, 301}) {
            QVERIFY(!rs.SetAbsolutePosition(bad));
            QCOMPARE(rs.LastError().Number, db::ArgumentError);
            QCOMPARE(rs.AbsolutePosition(), 17);
        }
        QVERIFY(rs.SetAbsolutePosition(300));
        QVERIFY(rs.MoveNext());
        QVERIFY(rs.Eof() && !rs.Bof());
        QCOMPARE(rs.AbsolutePosition(), int(db::adPosEOF));
        QCOMPARE(rs.Fields().Item("ID")->Value().type(), VarType::Empty);
        QVERIFY(rs.MoveFirst());
        QCOMPARE(idOf(rs), 1);
    }

    void emptyResult() {
        Sample sample;
        for (int cursor : {int(db::adOpenForwardOnly), int(db::adOpenStatic)}) {
            db::Recordset rs;
            QVERIFY(rs.Open("SELECT * FROM Customers WHERE ID > 1000", &sample.connection, cursor));
            QVERIFY(rs.Bof() && rs.Eof());
            QCOMPARE(rs.Fields().Count(), 11); // the fields are known all the same
        }
    }

    // What a recordset becomes: only a read-only forward-only cursor on the server steps.
    void cursorTypeAfterOpen_data() {
        QTest::addColumn<int>("location");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("lock");
        QTest::addColumn<int>("becomes");
        QTest::newRow("server forward-only read-only")
            << int(db::adUseServer) << int(db::adOpenForwardOnly) << int(db::adLockReadOnly)
            << int(db::adOpenForwardOnly);
        QTest::newRow("client forward-only") << int(db::adUseClient) << int(db::adOpenForwardOnly)
                                             << int(db::adLockReadOnly) << int(db::adOpenStatic);
        QTest::newRow("forward-only that writes")
            << int(db::adUseServer) << int(db::adOpenForwardOnly) << int(db::adLockOptimistic)
            << int(db::adOpenStatic);
        QTest::newRow("keyset optimistic") << int(db::adUseServer) << int(db::adOpenKeyset)
                                           << int(db::adLockOptimistic) << int(db::adOpenKeyset);
        QTest::newRow("dynamic") << int(db::adUseServer) << int(db::adOpenDynamic)
                                 << int(db::adLockReadOnly) << int(db::adOpenKeyset);
        QTest::newRow("client batch") << int(db::adUseClient) << int(db::adOpenStatic)
                                      << int(db::adLockBatchOptimistic) << int(db::adOpenStatic);
    }
    void cursorTypeAfterOpen() {
        QFETCH(int, location);
        QFETCH(int, cursor);
        QFETCH(int, lock);
        QFETCH(int, becomes);
        Sample sample;
        db::Recordset rs;
        rs.SetCursorLocation(location);
        QVERIFY(openTable(rs, sample, cursor, lock));
        QCOMPARE(rs.CursorType(), becomes);
        QCOMPARE(rs.LockType(), lock);
    }

    void openRefused_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("lock");
        QTest::addColumn<qint32>("number");
        QTest::newRow("no such table")
            << "Customer" << int(db::adLockReadOnly) << qint32(db::CommandError);
        QTest::newRow("a statement")
            << "DELETE FROM Customers" << int(db::adLockReadOnly) << qint32(db::CommandError);
        QTest::newRow("writable without the key")
            << "SELECT Company FROM Customers" << int(db::adLockOptimistic)
            << qint32(db::NotSupportedError);
        QTest::newRow("writable over two tables")
            << "SELECT a.ID, b.Company FROM Customers a JOIN Customers b ON a.ID = b.ID + 1"
            << int(db::adLockOptimistic) << qint32(db::NotSupportedError);
        QTest::newRow("unknown lock type") << "Customers" << 9 << qint32(db::ArgumentError);
    }
    void openRefused() {
        QFETCH(QString, source);
        QFETCH(int, lock);
        QFETCH(qint32, number);
        Sample sample;
        db::Recordset rs;
        QVERIFY(!rs.Open(source, &sample.connection, db::adOpenStatic, lock));
        QCOMPARE(rs.LastError().Number, number);
        QVERIFY(!rs.IsOpen());
        QCOMPARE(sample.stored("Company", 1), "String Alpine Hardware Pty Ltd");
        db::Recordset closed;
        QVERIFY(!closed.Open("Customers"));
        QCOMPARE(closed.LastError().Number, db::ClosedObjectError);
    }

    void fieldsByIndexAndName() {
        Sample sample;
        db::Recordset rs;
        QVERIFY(openTable(rs, sample, db::adOpenStatic, db::adLockReadOnly));
        db::Fields& fields = rs.Fields();
        QCOMPARE(fields.Count(), 11);
        QCOMPARE(fields.Item(0)->Name(), "ID");
        QCOMPARE(fields.Item("total sales"), fields.Item(3));
        QCOMPARE(fields.Item("Id"), fields.Item(0));
        QCOMPARE(fields.Item("Nope"), nullptr);
        QCOMPARE(fields.Item(11), nullptr);
        const QList<VarType> types{VarType::Long,     VarType::String, VarType::String,
                                   VarType::Currency, VarType::String, VarType::String,
                                   VarType::String,   VarType::String, VarType::String,
                                   VarType::Boolean,  VarType::Date};
        for (int f = 0; f < fields.Count(); ++f)
            QCOMPARE(fields.Item(f)->Type(), types[f]);
        QVERIFY(rs.SetAbsolutePosition(3));
        QCOMPARE(typed(value(rs, "Company")), "String Bits 'n' Bytes");
        QVERIFY(rs.SetAbsolutePosition(57));
        QCOMPARE(typed(value(rs, "Country")), "Null "); // the empty country
        QVERIFY(rs.SetAbsolutePosition(120));
        QCOMPARE(typed(value(rs, "Total Sales")), "Currency 25000");
        QCOMPARE(value(rs, "Customer Since").type(), VarType::Date);
    }

    // Values of each type go in and come back the same, stored in the form SQLite keeps.
    void roundTrips_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("asStored"); // typeof and value in the database
        QTest::newRow("money") << "Total Sales" << Variant(Currency{12345678}) << "real 1234.5678";
        QTest::newRow("money from text") << "Total Sales" << Variant("1500.5") << "real 1500.5";
        QTest::newRow("yes") << "Has Discount" << Variant(true) << "integer 1";
        QTest::newRow("no") << "Has Discount" << Variant(false) << "integer 0";
        QTest::newRow("date") << "Customer Since" << Variant(QDate(2024, 3, 1))
                              << "text 2024-03-01";
        QTest::newRow("date and time")
            << "Customer Since" << Variant(QDateTime(QDate(2024, 3, 1), QTime(10, 30)))
            << "text 2024-03-01 10:30:00";
        QTest::newRow("text") << "Company" << Variant("O'Brien & Søn \"Ltd\"")
                              << "text O'Brien & Søn \"Ltd\"";
        QTest::newRow("a number as text") << "Title" << Variant(42) << "text 42";
        QTest::newRow("whole number") << "ID" << Variant("400") << "integer 400";
        QTest::newRow("null") << "Country" << Variant::null() << "null ";
    }
    void roundTrips() {
        QFETCH(QString, field);
        QFETCH(Variant, value);
        QFETCH(QString, asStored);
        Sample sample;
        db::Recordset rs;
        QVERIFY(openTable(rs, sample, db::adOpenKeyset, db::adLockOptimistic));
        QVERIFY(rs.SetAbsolutePosition(5));
        db::Field* f = rs.Fields().Item(field);
        QVERIFY2(f->SetValue(value), qPrintable(rs.LastError().Description));
        QVERIFY2(rs.Update(), qPrintable(rs.LastError().Description));
        const int id = idOf(rs);
        db::Recordset check;
        QVERIFY(sample.other.Execute(
            QStringLiteral("SELECT typeof([%1]) || ' ' || ifnull([%1], ''), [%1] FROM Customers "
                           "WHERE ID=%2")
                .arg(field)
                .arg(id),
            check));
        QCOMPARE(check.Fields().Item(0)->Value().toString(), asStored);
        db::Recordset again;
        QVERIFY(openTable(again, sample, db::adOpenStatic, db::adLockReadOnly));
        QVERIFY(again.Find(QStringLiteral("ID = %1").arg(id), 0, db::adSearchForward,
                           db::adBookmarkFirst));
        QCOMPARE(typed(again.Fields().Item(field)->Value()), typed(f->Value()));
        QCOMPARE(f->Value().type(), value.isNull() ? VarType::Null : f->Type());
    }

    void readOnlyRefusesWrites() {
        Sample sample;
        db::Recordset rs;
        QVERIFY(openTable(rs, sample, db::adOpenStatic, db::adLockReadOnly));
        QVERIFY(!rs.Fields().Item("Phone")->SetValue("555"));
        QCOMPARE(rs.LastError().Number, db::NotSupportedError);
        QVERIFY(rs.LastError().Description.contains("read-only"));
        QVERIFY(!rs.Update());
        QVERIFY(!rs.UpdateBatch());
    }

    // Field-level and bound-controls editing: assign, Update; OriginalValue keeps the value
    // as read until stored; CancelUpdate undoes what was not stored.
    void optimisticUpdateAndCancel() {
        Sample sample;
        db::Recordset rs;
        QVERIFY(openTable(rs, sample, db::adOpenKeyset, db::adLockOptimistic));
        QVERIFY(rs.SetAbsolutePosition(3));
        db::Field* phone = rs.Fields().Item("Phone");
        const QString before = phone->Value().toString();
        QVERIFY(phone->SetValue("555-0199"));
        QCOMPARE(phone->OriginalValue().toString(), before);
        QCOMPARE(sample.stored("Phone", 3), "String " + before); // not stored yet
        QVERIFY(rs.Update());
        QCOMPARE(sample.stored("Phone", 3), "String 555-0199");
        QCOMPARE(phone->OriginalValue().toString(), "555-0199");

        QVERIFY(rs.Fields().Item("Company")->SetValue("Changed"));
        QVERIFY(phone->SetValue("555-0000"));
        rs.CancelUpdate();
        QCOMPARE(value(rs, "Company").toString(), "Bits 'n' Bytes");
        QCOMPARE(phone->Value().toString(), "555-0199");
        QVERIFY(rs.Update()); // nothing left to store
        QCOMPARE(sample.stored("Company", 3), "String Bits 'n' Bytes");
    }

    // After Update the fields show the record as the database stored it.
    void updateShowsTheStoredRecord() {
        Sample sample;
        db::Recordset rs;
        QVERIFY(openTable(rs, sample, db::adOpenKeyset, db::adLockOptimistic));
        QVERIFY(rs.SetAbsolutePosition(8));
        QVERIFY(sample.other.Execute("UPDATE Customers SET Title='Prof.' WHERE ID=8"));
        QVERIFY(rs.Fields().Item("ID")->SetValue(" 308 "));
        QCOMPARE(typed(value(rs, "ID")), "Long 308");
        QVERIFY2(rs.Update(), qPrintable(rs.LastError().Description));
        QCOMPARE(typed(value(rs, "Title")), "String Prof."); // someone else's change, read back
        QCOMPARE(sample.stored("Company", 8), "(no record)");
        QCOMPARE(sample.stored("Title", 308), "String Prof.");
    }

    void movingOffStoresChanges() {
        Sample sample;
        db::Recordset rs;
        QVERIFY(openTable(rs, sample, db::adOpenKeyset, db::adLockOptimistic));
        QVERIFY(rs.Fields().Item("Phone")->SetValue("555-0123"));
        QVERIFY(rs.MoveNext());
        QCOMPARE(sample.stored("Phone", 1), "String 555-0123");
        // A move whose store fails stays on the record, changes kept.
        QVERIFY(rs.Fields().Item("ID")->SetValue(3));
        QVERIFY(!rs.SetAbsolutePosition(10));
        QCOMPARE(rs.LastError().Number, db::DuplicateKeyError);
        QCOMPARE(rs.AbsolutePosition(), 2);
        rs.CancelUpdate();
        QVERIFY(rs.SetAbsolutePosition(10));
    }

    // Optimistic writes compare the original values of the changed fields: someone else's
    // change to those fields, or the record's removal, is a conflict and nothing is
    // overwritten; a change to other fields is not.
    void conflicts_data() {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<bool>("conflict");
        QTest::addColumn<QString>("companyAfter");
        QTest::newRow("same field")
            << "UPDATE Customers SET Company='Theirs' WHERE ID=12" << true << "String Theirs";
        QTest::newRow("case only") << "UPDATE Customers SET Company=upper(Company) WHERE ID=12"
                                   << true << "String MAPLE COFFEE INC.";
        QTest::newRow("record deleted")
            << "DELETE FROM Customers WHERE ID=12" << true << "(no record)";
        QTest::newRow("another field")
            << "UPDATE Customers SET Phone='1' WHERE ID=12" << false << "String Ours";
        QTest::newRow("another record")
            << "UPDATE Customers SET Company='x' WHERE ID=13" << false << "String Ours";
    }
    void conflicts() {
        QFETCH(QString, meanwhile);
        QFETCH(bool, conflict);
        QFETCH(QString, companyAfter);
        Sample sample;
        QVERIFY(sample.connection.Execute("UPDATE Customers SET Company='Maple Coffee Inc.' "
                                          "WHERE ID=12"));
        db::Recordset rs;
        QVERIFY(openTable(rs, sample, db::adOpenKeyset, db::adLockOptimistic));
        QVERIFY(rs.SetAbsolutePosition(12));
        QVERIFY(sample.other.Execute(meanwhile));
        QVERIFY(rs.Fields().Item("Company")->SetValue("Ours"));
        QCOMPARE(rs.Update(), !conflict);
        if (conflict) {
            QCOMPARE(rs.LastError().Number, db::RecordChangedError);
            QVERIFY2(rs.LastError().Description.contains("ID=12"),
                     qPrintable(rs.LastError().Description));
            QCOMPARE(value(rs, "Company").toString(), "Ours"); // kept for the user
        }
        QCOMPARE(sample.stored("Company", 12), companyAfter);
    }

    void duplicateKeyOnUpdate() {
        Sample sample;
        db::Recordset rs;
        QVERIFY(openTable(rs, sample, db::adOpenKeyset, db::adLockOptimistic));
        QVERIFY(rs.Fields().Item("ID")->SetValue(2));
        QVERIFY(!rs.Update());
        QCOMPARE(rs.LastError().Number, qint32(0x80040E21));
        rs.CancelUpdate();
        QCOMPARE(typed(value(rs, "ID")), "Long 1");
        QCOMPARE(sample.stored("ID", 2), "Long 2");
        QCOMPARE(sample.stored("Company", 1), "String Alpine Hardware Pty Ltd");
    }

    // A value a field cannot take is refused as it is assigned, with a description naming
    // the field, what it takes and the value; the record keeps its value.
    void wrongTypeValues_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("takes");
        QTest::newRow("letters for the key") << "ID"
                                             << "abc"
                                             << "whole numbers";
        QTest::newRow("letters after digits") << "Total Sales"
                                              << "12abc"
                                              << "amounts of money";
        QTest::newRow("neither yes nor no") << "Has Discount"
                                            << "maybe"
                                            << "True or False";
        QTest::newRow("no date") << "Customer Since"
                                 << "someday"
                                 << "dates";
    }
    void wrongTypeValues() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, takes);
        Sample sample;
        db::Recordset rs;
        QVERIFY(openTable(rs, sample, db::adOpenKeyset, db::adLockOptimistic));
        db::Field* f = rs.Fields().Item(field);
        const QString before = typed(f->Value());
        QVERIFY(!f->SetValue(text));
        QCOMPARE(rs.LastError().Number, db::TypeMismatchError);
        QCOMPARE(rs.LastError().Description,
                 QStringLiteral("The field \"%1\" takes %2; \"%3\" is not one.")
                     .arg(field, takes, text));
        QCOMPARE(typed(f->Value()), before);
        QVERIFY(rs.Update());
    }

    void computedFieldsAreReadOnly() {
        Sample sample;
        db::Recordset rs;
        QVERIFY(rs.Open("SELECT ID, Company, [Total Sales] * 2 AS Twice FROM Customers",
                        &sample.connection, db::adOpenKeyset, db::adLockOptimistic));
        QCOMPARE(rs.Fields().Item("Twice")->Type(), VarType::Double);
        QVERIFY(!rs.Fields().Item("Twice")->SetValue(1));
        QCOMPARE(rs.LastError().Number, db::NotSupportedError);
        QVERIFY(rs.Fields().Item("Company")->SetValue("Alpine"));
        QVERIFY2(rs.Update(), qPrintable(rs.LastError().Description));
        QCOMPARE(sample.stored("Company", 1), "String Alpine");
    }

    // Grid-level editing: changes stay pending until UpdateBatch; the pending filter shows
    // them.
    void batchStoresEverythingAtOnce() {
        Sample sample;
        db::Recordset rs;
        rs.SetActiveConnection(&sample.connection);
        rs.SetCursorLocation(db::adUseClient);
        rs.SetCursorType(db::adOpenStatic);
        rs.SetLockType(db::adLockBatchOptimistic);
        QVERIFY(rs.Open("Customers"));
        for (int position : {15, 5, 10}) {
            QVERIFY(rs.SetAbsolutePosition(position));
            QVERIFY(rs.Fields().Item("Phone")->SetValue(QStringLiteral("555-%1").arg(position)));
            QVERIFY(rs.Update()); // kept in the recordset
        }
        QCOMPARE(sample.stored("Phone", 5), "String (450) 351-3798");
        QVERIFY(rs.SetFilter(db::adFilterPendingRecords));
        QList<int> pending;
        for (; !rs.Eof(); rs.MoveNext())
            pending << idOf(rs);
        QCOMPARE(pending, QList<int>({5, 10, 15}));
        QVERIFY(rs.SetFilter(db::adFilterNone));
        QCOMPARE(idOf(rs), 1);
        QVERIFY(rs.UpdateBatch());
        for (int id : {5, 10, 15})
            QCOMPARE(sample.stored("Phone", id), QStringLiteral("String 555-%1").arg(id));
        QVERIFY(rs.SetFilter(db::adFilterPendingRecords));
        QVERIFY(rs.Eof() && rs.Bof());
    }

    // A batch where records conflict: the others are stored, the conflicting ones stay
    // pending (the filter names the first), and the description counts them.
    void batchWithConflicts() {
        Sample sample;
        db::Recordset rs;
        rs.SetCursorLocation(db::adUseClient);
        QVERIFY(openTable(rs, sample, db::adOpenStatic, db::adLockBatchOptimistic));
        for (int position : {5, 10, 15, 20}) {
            QVERIFY(rs.SetAbsolutePosition(position));
            QVERIFY(
                rs.Fields().Item("Company")->SetValue(QStringLiteral("Batch %1").arg(position)));
        }
        QVERIFY(sample.other.Execute("UPDATE Customers SET Company='Theirs' WHERE ID=15"));
        QVERIFY(sample.other.Execute("UPDATE Customers SET Company='Theirs too' WHERE ID=20"));
        QVERIFY(!rs.UpdateBatch());
        QCOMPARE(rs.LastError().Number, db::RecordChangedError);
        QVERIFY2(rs.LastError().Description.contains("ID=15") &&
                     rs.LastError().Description.contains("2 of the 4"),
                 qPrintable(rs.LastError().Description));
        QCOMPARE(sample.stored("Company", 5), "String Batch 5");
        QCOMPARE(sample.stored("Company", 10), "String Batch 10");
        QCOMPARE(sample.stored("Company", 15), "String Theirs");
        QCOMPARE(sample.stored("Company", 20), "String Theirs too");

        QVERIFY(rs.SetFilter(db::adFilterPendingRecords));
        QVERIFY(rs.MoveFirst());
        QCOMPARE(idOf(rs), 15);
        QCOMPARE(value(rs, "Company").toString(), "Batch 15");
        rs.CancelUpdate(); // give up on 15; 20 is still pending
        QVERIFY(rs.SetFilter(db::adFilterNone));
        QVERIFY(!rs.UpdateBatch()); // 20 conflicts again
        QCOMPARE(rs.LastError().Number, db::RecordChangedError);
        QVERIFY(!rs.LastError().Description.contains("of the"));
    }

    // The bound-controls window's search: "Company LIKE %text%" from the first record; the
    // text is literal.
    void find_data() {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("skip");
        QTest::addColumn<int>("foundId"); // 0: none (EOF forward, BOF backward)
        const int first = db::adBookmarkFirst, current = db::adBookmarkCurrent,
                  last = db::adBookmarkLast, fwd = db::adSearchForward, back = db::adSearchBackward;
        QTest::newRow("unquoted fragment") << "Company LIKE %bytes%" << first << fwd << 0 << 3;
        QTest::newRow("a single quote") << "Company LIKE %grandma's%" << first << fwd << 0 << 17;
        QTest::newRow("a percent sign") << "Company LIKE %100% Organic%" << first << fwd << 0 << 88;
        QTest::newRow("brackets") << "Company LIKE %[Next]%" << first << fwd << 0 << 150;
        QTest::newRow("quoted, quotes doubled")
            << "Company LIKE 'Bits ''n''%'" << first << fwd << 0 << 3;
        QTest::newRow("a percent sign is no wildcard inside")
            << "Company LIKE %Bits%Bytes%" << first << fwd << 0 << 0;
        QTest::newRow("not found") << "Company LIKE %no such company%" << first << fwd << 0 << 0;
        QTest::newRow("equal text, any case") << "Country = 'canada'" << first << fwd << 0 << 12;
        QTest::newRow("from the current record")
            << "Country = 'Canada'" << current << fwd << 0 << 12;
        QTest::newRow("skipping the current one")
            << "Country = 'Canada'" << current << fwd << 1 << 15;
        QTest::newRow("backward from the last") << "Country = 'Canada'" << last << back << 0 << 299;
        QTest::newRow("backward, none before") << "ID < 1" << current << back << 0 << 0;
        QTest::newRow("a number") << "[Total Sales] < 100" << first << fwd << 0 << 7;
        QTest::newRow("a whole number") << "ID = 17" << first << fwd << 0 << 17;
        QTest::newRow("not equal") << "ID <> 1" << first << fwd << 0 << 2;
        QTest::newRow("yes/no") << "[Has Discount] = True" << first << fwd << 0 << 2;
        QTest::newRow("a date") << "[Customer Since] >= #2024-05-01#" << first << fwd << 0 << 28;
    }
    void find() {
        QFETCH(QString, criterion);
        QFETCH(int, start);
        QFETCH(int, direction);
        QFETCH(int, skip);
        QFETCH(int, foundId);
        Sample sample;
        db::Recordset rs;
        QVERIFY(openTable(rs, sample, db::adOpenKeyset, db::adLockOptimistic));
        QVERIFY(rs.SetAbsolutePosition(12));
        QVERIFY2(rs.Find(criterion, skip, direction, start),
                 qPrintable(rs.LastError().Description));
        QCOMPARE(idOf(rs), foundId);
        if (foundId)
            QCOMPARE(rs.AbsolutePosition(), foundId);
        else
            QVERIFY(direction == db::adSearchForward ? rs.Eof() : rs.Bof());
    }

    void findRefused_data() {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("direction");
        QTest::addColumn<qint32>("number");
        QTest::newRow("no operator") << "Company bits" << int(db::adOpenStatic)
                                     << int(db::adSearchForward) << qint32(db::ArgumentError);
        QTest::newRow("no value") << "Company LIKE " << int(db::adOpenStatic)
                                  << int(db::adSearchForward) << qint32(db::ArgumentError);
        QTest::newRow("unknown field") << "Name = 'x'" << int(db::adOpenStatic)
                                       << int(db::adSearchForward) << qint32(db::ItemNotFoundError);
        QTest::newRow("backward on forward-only")
            << "ID = 3" << int(db::adOpenForwardOnly) << int(db::adSearchBackward)
            << qint32(db::NotSupportedError);
    }
    void findRefused() {
        QFETCH(QString, criterion);
        QFETCH(int, cursor);
        QFETCH(int, direction);
        QFETCH(qint32, number);
        Sample sample;
        db::Recordset rs;
        QVERIFY(openTable(rs, sample, cursor, db::adLockReadOnly));
        QVERIFY(!rs.Find(criterion, 0, direction));
        QCOMPARE(rs.LastError().Number, number);
        QCOMPARE(idOf(rs), 1); // still where it was
    }
};

QTEST_GUILESS_MAIN(TestRecordset)
#include "tst_recordset.moc"
