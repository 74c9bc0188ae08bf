// FillFromRS and RowKeysFromRS against records of the test's own: every mode, columns made
// or matched by key, the column defaults current at load time, typed values, yes/no fields
// as check states, row keys, and sources that fail.

#include "components/grid/GridRecordSource.h"
#include "components/grid/TessixGrid.h"

#include <QtTest>
#include <vector>

namespace {

struct FieldDef {
    QString name;
    VarType type;
};

// Records in memory; MoveNext fails at `failAt` (0-based) when set.
class FakeRecords : public GridRecordSource {
public:
    FakeRecords(std::vector<FieldDef> fields, std::vector<std::vector<Variant>> rows)
        : m_fields(std::move(fields)), m_rows(std::move(rows)) {}

    int FieldCount() const override { return int(m_fields.size()); }
    QString FieldName(int field) const override { return m_fields[size_t(field)].name; }
    VarType FieldType(int field) const override { return m_fields[size_t(field)].type; }
    const Variant* RecordValues() const override { return m_rows[m_pos].data(); }
    bool Eof() const override { return m_pos >= m_rows.size(); }
    bool MoveFirst() override {
        m_pos = 0;
        return true;
    }
    bool MoveNext() override {
        if (int(m_pos) == failAt)
            return false;
        ++m_pos;
        return true;
    }
    int AbsolutePosition() const override { return int(m_pos) + 1; }

    int failAt = -1;

private:
    std::vector<FieldDef> m_fields;
    std::vector<std::vector<Variant>> m_rows;
    size_t m_pos = 0;
};

// Customers as the sample database has them, three of them.
FakeRecords customers() {
    return FakeRecords({{"ID", VarType::Long},
                        {"Company", VarType::String},
                        {"Total Sales", VarType::Currency},
                        {"Has Discount", VarType::Boolean}},
                       {{Variant(1), Variant("Alpine"), Variant(Currency{12345000}), Variant(true)},
                        {Variant(2), Variant("Bits 'n' Bytes"), Variant::null(), Variant(false)},
                        {Variant(3), Variant::null(), Variant(Currency{5000}), Variant::null()}});
}

QStringList columnKeys(const TessixGrid& grid) {
    QStringList keys;
    for (int c = 1; c <= grid.ColCount(); ++c)
        keys << grid.ColKey(c);
    return keys;
}

QString typed(const Variant& value) {
    return value.typeName() + u' ' + value.toString();
}

} // namespace

class TestGridRecordLoad : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // No mode on a grid without columns: a column per field, keyed and headed by its name;
    // one row per record with the values' own types; the yes/no field as check boxes.
    void noModeMakesColumns() {
        TessixGrid grid;
        FakeRecords records = customers();
        QVERIFY(grid.FillFromRS(records));
        QCOMPARE(columnKeys(grid), QStringList({"ID", "Company", "Total Sales", "Has Discount"}));
        QCOMPARE(grid.ColHeaderText(3), "Total Sales");
        QCOMPARE(grid.ColWidth(3), grid.ColWidth(1)); // the default width for all
        QCOMPARE(grid.RowCount(), 3);
        QCOMPARE(typed(grid.CellValue(1, "id")), "Long 1");
        QCOMPARE(typed(grid.CellValue(1, "total sales")), "Currency 1234.5");
        QCOMPARE(typed(grid.CellValue(2, "Total Sales")), "Null ");
        QCOMPARE(typed(grid.CellValue(2, "Company")), "String Bits 'n' Bytes");

        const GridColumn* yesNo = grid.ColObject("has discount");
        QVERIFY(yesNo->CheckBoxVisible());
        QCOMPARE(yesNo->CheckBoxAlign(), int(CheckBoxCenter));
        QCOMPARE(yesNo->SortType(), int(SortTypeCheckState));
        QCOMPARE(grid.CellCheckState(1, 4), int(CheckChecked));
        QCOMPARE(grid.CellCheckState(2, 4), int(CheckUnchecked));
        QCOMPARE(grid.CellCheckState(3, 4), int(CheckUnchecked)); // Null
        QCOMPARE(grid.CellText(1, 4), QString());                 // no "True" beside the box
        QVERIFY(!grid.ColObject(1)->CheckBoxVisible());
    }

    // No mode on a grid with columns: fields land in the columns keyed by their names,
    // without regard to case; the others are not shown; the rows there before go.
    void noModeMatchesColumnsByKey() {
        TessixGrid grid;
        grid.AddCol("company", "Company");
        grid.AddCol("total sales", "Total sales")->SetCellFormatString("$#,##0");
        grid.AddCol("notes", "Notes");
        GridColumn* discount = grid.AddCol("has discount", "Discount");
        discount->SetCheckBoxVisible(true);
        grid.AddRow();
        grid.SetCellValue(1, "notes", "an old row");
        FakeRecords records = customers();
        QVERIFY(grid.FillFromRS(records));
        QCOMPARE(columnKeys(grid),
                 QStringList({"company", "total sales", "notes", "has discount"}));
        QCOMPARE(grid.RowCount(), 3);
        QCOMPARE(grid.CellText(1, "total sales"), "$1,235");
        QVERIFY(grid.CellValue(1, "notes").isEmpty());
        QCOMPARE(grid.CellCheckState(1, "has discount"), int(CheckChecked));
        QCOMPARE(grid.ColHeaderText(4), "Discount"); // the window's own header stays
    }

    // A yes/no field in a column without check boxes shows its value.
    void yesNoIntoAPlainColumn() {
        TessixGrid grid;
        grid.AddCol("Has Discount");
        FakeRecords records = customers();
        QVERIFY(grid.FillFromRS(records));
        QCOMPARE(typed(grid.CellValue(1, 1)), "Boolean True");
        QCOMPARE(grid.CellCheckState(1, 1), int(CheckUnchecked));
    }

    // Mode 0 builds the columns afresh (no rows); defaults set then reach the cells that
    // mode 1 loads (the formatted sales column of the recordset window).
    void modeZeroThenModeOne() {
        TessixGrid grid;
        grid.AddCol("other");
        grid.SetRowCount(5);
        FakeRecords records = customers();
        QVERIFY(grid.FillFromRS(records, 0));
        QCOMPARE(columnKeys(grid), QStringList({"ID", "Company", "Total Sales", "Has Discount"}));
        QCOMPARE(grid.RowCount(), 0);
        grid.ColObject("total sales")->SetCellAlignment(AlignRight);
        grid.ColObject("total sales")->SetCellFormatString("$#,##0");
        QVERIFY(grid.FillFromRS(records, 1));
        QCOMPARE(grid.RowCount(), 3);
        QCOMPARE(grid.CellAlignment(1, "total sales"), int(AlignRight));
        QCOMPARE(grid.CellText(1, "total sales"), "$1,235");
        QVERIFY(grid.FillFromRS(records, 1)); // mode 1 replaces the rows
        QCOMPARE(grid.RowCount(), 3);
        QVERIFY(grid.FillFromRS(records, 0)); // and mode 0 again rebuilds, not duplicates
        QCOMPARE(grid.ColCount(), 4);
    }

    // Two queries, one after the other (mode 2), each with the column colour current when
    // it loads.
    void modeTwoFollowsTheRows() {
        TessixGrid grid;
        FakeRecords first = customers();
        FakeRecords second({{"id", VarType::Long}, {"Country", VarType::String}},
                           {{Variant(7), Variant("Canada")}, {Variant(8), Variant("USA")}});
        QVERIFY(grid.FillFromRS(first, 0));
        grid.ColObject("id")->SetCellBackColor(0x00E8F0FF);
        QVERIFY(grid.FillFromRS(first));
        grid.ColObject("id")->SetCellBackColor(0x00FFE8F0);
        QVERIFY(grid.FillFromRS(second, 2));
        QCOMPARE(grid.RowCount(), 5);
        QCOMPARE(grid.CellBackColor(3, "id"), OleColor(0x00E8F0FF));
        QCOMPARE(grid.CellBackColor(4, "id"), OleColor(0x00FFE8F0));
        QCOMPARE(typed(grid.CellValue(4, "id")), "Long 7");
        QVERIFY(grid.CellValue(4, "company").isEmpty()); // the second query has no company
        QCOMPARE(grid.ColCount(), 4);                    // nor does "Country" get a column
    }

    void modesWithoutColumnsLoadNothing() {
        for (int mode : {1, 2}) {
            TessixGrid grid;
            FakeRecords records = customers();
            QVERIFY(grid.FillFromRS(records, mode));
            QCOMPARE(grid.ColCount(), 0);
            QCOMPARE(grid.RowCount(), 0);
        }
    }

    void rowKeys() {
        TessixGrid grid;
        QCOMPARE(grid.RowKeysFromRS(), 0);
        FakeRecords records = customers();
        QVERIFY(grid.FillFromRS(records));
        QCOMPARE(grid.RowKey(2), QString());
        grid.SetRowKeysFromRS(1);
        QCOMPARE(grid.RowKeysFromRS(), 1);
        QVERIFY(grid.FillFromRS(records));
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(grid.RowKey(r), QString::number(r));
        QCOMPARE(grid.FindRowByKey("3"), 3);
    }

    // A second field of the same name is shown in a column of its own, without a key.
    void fieldsOfTheSameName() {
        TessixGrid grid;
        FakeRecords records({{"ID", VarType::Long}, {"id", VarType::Long}},
                            {{Variant(1), Variant(10)}});
        QVERIFY(grid.FillFromRS(records));
        QCOMPARE(columnKeys(grid), QStringList({"ID", ""}));
        QCOMPARE(grid.ColHeaderText(2), "id");
        QCOMPARE(typed(grid.CellValue(1, 2)), "Long 10");
        QVERIFY(grid.FillFromRS(records, 1)); // matched by key: the first field only
        QCOMPARE(typed(grid.CellValue(1, 1)), "Long 1");
        QVERIFY(grid.CellValue(1, 2).isEmpty());
    }

    // A source that fails keeps the rows read before it failed; an unknown mode changes
    // nothing.
    void failures() {
        TessixGrid grid;
        FakeRecords records = customers();
        records.failAt = 1;
        QVERIFY(!grid.FillFromRS(records));
        QCOMPARE(grid.RowCount(), 2);
        FakeRecords good = customers();
        QVERIFY(!grid.FillFromRS(good, 3));
        QVERIFY(!grid.FillFromRS(good, -1));
        QCOMPARE(grid.RowCount(), 2);
        QCOMPARE(grid.ColCount(), 4);
    }
};

QTEST_MAIN(TestGridRecordLoad)
#include "tst_gridrecordload.moc"
