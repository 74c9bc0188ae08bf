// The sample database in the grid, end to end: the recordset loads of the database windows
// (all fields, predefined columns, two queries after each other, a forward-only cursor),
// row keys tying rows to records, and a row edited in the grid saved with the row UPDATE.

#include "components/grid/TessixGrid.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "db/RowUpdate.h"
#include "db/TestDatabase.h"

#include <QtTest>

namespace {

struct Sample {
    TestDatabase file;
    db::Connection connection;
    Sample() { QVERIFY(connection.Open(file.connectionString())); }
    int count(const QString& where) {
        db::Recordset rs;
        if (!connection.Execute("SELECT COUNT(*) FROM Customers WHERE " + where, rs))
            return -1;
        return rs.Fields().Item(0)->Value().toLong();
    }
};

} // namespace

class TestRecordsetGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void allFields() {
        Sample sample;
        db::Recordset rs;
        QVERIFY(rs.Open("Customers", &sample.connection, db::adOpenStatic));
        TessixGrid grid;
        QVERIFY(grid.FillFromRS(rs));
        QCOMPARE(grid.ColCount(), rs.Fields().Count());
        QCOMPARE(grid.RowCount(), 300);
        QCOMPARE(grid.ColKey(4), "Total Sales");
        QVERIFY(grid.ColObject("has discount")->CheckBoxVisible());
        int checked = 0;
        for (int r = 1; r <= grid.RowCount(); ++r)
            checked += grid.CellCheckState(r, "Has Discount") == CheckChecked;
        QCOMPARE(checked, sample.count("[Has Discount]"));
        QCOMPARE(typed(grid.CellValue(3, "Company")), "String Bits 'n' Bytes");
        QCOMPARE(grid.CellValue(120, "Total Sales").type(), VarType::Currency);
        QCOMPARE(grid.CellValue(1, "Customer Since").type(), VarType::Date);
        QCOMPARE(grid.CellValue(57, "Country").type(), VarType::Null);
    }

    // The predefined, formatted set of columns: fields land by key, the rest stay out.
    void predefinedColumns() {
        Sample sample;
        db::Recordset rs;
        QVERIFY(rs.Open("Customers", &sample.connection, db::adOpenStatic));
        TessixGrid grid;
        grid.BeginUpdate();
        grid.AddCol("company", "Company");
        grid.AddCol("country", "Country");
        GridColumn* sales = grid.AddCol("total sales", "Total sales");
        sales->SetCellAlignment(AlignRight);
        sales->SetCellFormatString("$#,##0");
        GridColumn* discount = grid.AddCol("has discount", "Discount");
        discount->SetCheckBoxVisible(true);
        discount->SetCheckBoxAlign(CheckBoxCenter);
        grid.AddCol("phone", "Phone")->SetCellAlignment(AlignCenter);
        QVERIFY(grid.FillFromRS(rs));
        grid.AutoWidthCols();
        grid.EndUpdate();
        QCOMPARE(grid.ColCount(), 5);
        QCOMPARE(grid.RowCount(), 300);
        QCOMPARE(grid.CellText(120, "total sales"), "$25,000");
        QCOMPARE(grid.CellText(120, "has discount"), QString());
    }

    // Two queries after each other, each with its own ID colour: a Canadian customer with
    // small sales shows in both groups.
    void twoQueries() {
        Sample sample;
        db::Recordset table;
        QVERIFY(table.Open("Customers", &sample.connection, db::adOpenStatic));
        TessixGrid grid;
        grid.Clear();
        QVERIFY(grid.FillFromRS(table, 0));
        grid.ColObject("id")->SetCellBackColor(0x00E8F0FF);
        db::Recordset canada;
        QVERIFY(sample.connection.Execute("SELECT * FROM [Customers] WHERE [Country]='Canada'",
                                          canada));
        QVERIFY(grid.FillFromRS(canada));
        grid.ColObject("id")->SetCellBackColor(0x00FFE8F0);
        db::Recordset small;
        QVERIFY(
            sample.connection.Execute("SELECT * FROM [Customers] WHERE [Total Sales]<1000", small));
        QVERIFY(grid.FillFromRS(small, 2));
        const int canadians = sample.count("Country='Canada'");
        QCOMPARE(grid.RowCount(), canadians + sample.count("[Total Sales]<1000"));
        QList<int> firstGroup, secondGroup;
        for (int r = 1; r <= grid.RowCount(); ++r) {
            const bool first = r <= canadians;
            QCOMPARE(grid.CellBackColor(r, "id"), OleColor(first ? 0x00E8F0FF : 0x00FFE8F0));
            (first ? firstGroup : secondGroup) << grid.CellValue(r, "id").toLong();
        }
        const int both = sample.count("Country='Canada' AND [Total Sales]<1000");
        QVERIFY(both > 0);
        int twice = 0;
        for (int id : firstGroup)
            twice += secondGroup.contains(id);
        QCOMPARE(twice, both);
    }

    // The remote-browsing cursor loads whole too: blocks of 20, 300 rows in ID order.
    void forwardOnlyLoad() {
        Sample sample;
        db::Recordset rs;
        rs.SetCacheSize(20);
        QVERIFY(rs.Open("SELECT ID, Company, Country, [Total Sales] FROM Customers ORDER BY ID",
                        &sample.connection));
        TessixGrid grid;
        QVERIFY(grid.FillFromRS(rs));
        QCOMPARE(grid.RowCount(), 300);
        QCOMPARE(grid.CellValue(300, "ID").toLong(), 300);
        QVERIFY(rs.Eof());
    }

    // Bound controls editing: the row key is the record's position, and a found record
    // tells the row.
    void rowKeysFollowRecords() {
        Sample sample;
        db::Recordset rs;
        QVERIFY(rs.Open("Customers", &sample.connection, db::adOpenKeyset, db::adLockOptimistic));
        TessixGrid grid;
        grid.SetRowKeysFromRS(1);
        QVERIFY(grid.FillFromRS(rs));
        QVERIFY(rs.SetAbsolutePosition(grid.RowKey(42).toInt()));
        QCOMPARE(rs.Fields().Item("ID")->Value().toLong(), grid.CellValue(42, "ID").toLong());
        QVERIFY(rs.Find("Company LIKE %grandma's%", 0, db::adSearchForward, db::adBookmarkFirst));
        const int row = grid.FindRowByKey(QString::number(rs.AbsolutePosition()));
        QCOMPARE(grid.CellValue(row, "Company").toString(), "Grandma's Kitchen Bakery");
    }

    // Row-level editing: the row's cells, check-box columns by their boxes, saved under the
    // key the row was loaded with although the ID cell was edited.
    void editedRowSaved() {
        Sample sample;
        TessixGrid grid;
        {
            db::Recordset rs;
            QVERIFY(rs.Open("Customers", &sample.connection, db::adOpenStatic));
            QVERIFY(grid.FillFromRS(rs));
        }
        const int row = 12;
        const Variant loadedKey = grid.CellValue(row, "id");
        grid.SetCellValue(row, "ID", Variant(500));
        grid.SetCellValue(row, "Company", Variant("Bits 'n' Bytes Two"));
        grid.SetCellCheckState(row, "Has Discount", CheckChecked);
        db::RowUpdate update{"Customers", {}, "Id", loadedKey};
        for (int c = 1; c <= grid.ColCount(); ++c) {
            db::RowUpdateField field{grid.ColKey(c), grid.CellValue(row, c), {}};
            if (grid.ColObject(c)->CheckBoxVisible())
                field.checked = grid.CellCheckState(row, c) == CheckChecked;
            update.fields.push_back(field);
        }
        const db::Error error = db::SaveRow(sample.connection, update);
        QVERIFY2(!error.isError(), qPrintable(error.Description));
        QCOMPARE(sample.count("ID=12"), 0);
        QCOMPARE(sample.count("ID=500 AND Company='Bits ''n'' Bytes Two' AND [Has Discount]"), 1);
        QCOMPARE(sample.count("1=1"), 300);
    }
};

QTEST_MAIN(TestRecordsetGrid)
#include "tst_recordsetgrid.moc"
