#include "components/grid/GridLayoutText.h"
#include "components/grid/GridSort.h"
#include "components/grid/GridStore.h"

#include <QTest>

namespace {
// Columns "name", "id", two key-less ones and "total sales"; rows with ids 3, 1, 2.
void build(GridStore& s) {
    s.AddCol("name", "Name", 100);
    s.AddCol("id", "ID", 40);
    s.SetColCount(4);
    s.AddCol("Total Sales", "Sales", 80);
    for (int id : {3, 1, 2})
        s.SetCellValue(s.AddRow(), "id", id);
}

struct Arrangement {
    std::vector<int> order, widths;
    std::vector<bool> visible;
    bool operator==(const Arrangement&) const = default;
};

Arrangement arrangement(const GridStore& s) {
    Arrangement a;
    for (int p = 1; p <= s.ColCount(); ++p)
        a.order.push_back(s.ColAtPos(p));
    for (int c = 1; c <= s.ColCount(); ++c) {
        a.widths.push_back(s.ColObject(c)->Width());
        a.visible.push_back(s.ColObject(c)->Visible());
    }
    return a;
}
} // namespace

class TestGridLayoutText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void colLayoutRoundTrip();
    void colLayoutRefused_data();
    void colLayoutRefused();
    void sortLayoutRoundTrip();
    void sortLayoutRefused_data();
    void sortLayoutRefused();
};

void TestGridLayoutText::colLayoutRoundTrip() {
    GridStore a;
    build(a);
    a.SetColPos("total sales", 1);
    a.SetColPos(3, 5);
    a.ColObject("name")->SetWidth(150);
    a.ColObject(4)->SetVisible(false);
    a.SetColKey(1, "na;me,%"); // separators inside keys survive
    const QString text = encodeColLayout(a);
    QVERIFY(text.startsWith("TXL1;5;"));

    GridStore b;
    build(b);
    b.SetColKey(1, "NA;ME,%");
    QVERIFY(applyColLayout(b, text));
    QCOMPARE(arrangement(b), arrangement(a));
    QCOMPARE(encodeColLayout(b), QString(text).replace("na%3Bme", "NA%3BME"));
}

void TestGridLayoutText::colLayoutRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("garbage") << "#!?;;,,";
    QTest::newRow("other version") << "TXL9;5;k:name,1,1";
    QTest::newRow("other column count") << "TXL1;4;k:name,10,1;k:id,10,1;i:3,10,1;i:4,10,1";
    QTest::newRow("unknown key")
        << "TXL1;5;k:nom,10,1;k:id,10,1;i:3,10,1;i:4,10,1;k:total%20sales,10,1";
    QTest::newRow("keyed column by index")
        << "TXL1;5;i:1,10,1;k:id,10,1;i:3,10,1;i:4,10,1;k:total%20sales,10,1";
    QTest::newRow("column twice")
        << "TXL1;5;k:name,10,1;k:name,10,1;i:3,10,1;i:4,10,1;k:total%20sales,10,1";
    QTest::newRow("missing column") << "TXL1;5;k:name,10,1;k:id,10,1;i:3,10,1;i:4,10,1";
    QTest::newRow("bad width")
        << "TXL1;5;k:name,-4,1;k:id,10,1;i:3,10,1;i:4,10,1;k:total%20sales,10,1";
    QTest::newRow("bad flag")
        << "TXL1;5;k:name,10,2;k:id,10,1;i:3,10,1;i:4,10,1;k:total%20sales,10,1";
    QTest::newRow("short entry")
        << "TXL1;5;k:name,10;k:id,10,1;i:3,10,1;i:4,10,1;k:total%20sales,10,1";
}

void TestGridLayoutText::colLayoutRefused() {
    QFETCH(QString, text);
    GridStore s;
    build(s);
    const Arrangement before = arrangement(s);
    QVERIFY(!applyColLayout(s, text));
    QVERIFY(arrangement(s) == before);
}

void TestGridLayoutText::sortLayoutRoundTrip() {
    GridStore a;
    build(a);
    GridSort sa(a);
    sa.setKeys({{2, SortDescending, SortTypeNumber}});
    const QString text = encodeSortLayout(a, sa);

    GridStore b;
    build(b);
    GridSort sb(b);
    QVERIFY(applySortLayout(b, sb, text));
    QCOMPARE(sb.ColSortIndex("id"), 1);
    QCOMPARE(sb.ColSortOrder("id"), int(SortDescending));
    for (int r = 1; r <= 3; ++r) // restoring brings the sort back
        QCOMPARE(b.CellValue(r, "id"), Variant(4 - r));
    QCOMPARE(encodeSortLayout(b, sb), text);

    sb.clearKeys(); // no criteria: restores "not sorted"
    const QString none = encodeSortLayout(b, sb);
    sb.setKeys({{1, SortAscending, 0}});
    QVERIFY(applySortLayout(b, sb, none));
    QVERIFY(sb.keys().empty());
}

void TestGridLayoutText::sortLayoutRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("column layout") << "TXL1;5;";
    QTest::newRow("other count") << "TXS1;3;k:id,1,3";
    QTest::newRow("unknown key") << "TXS1;5;k:nope,1,3";
    QTest::newRow("bad order") << "TXS1;5;k:id,2,3";
    QTest::newRow("bad type") << "TXS1;5;k:id,0,x";
    QTest::newRow("row-text column") << "TXS1;5;k:body,0,0";
}

void TestGridLayoutText::sortLayoutRefused() {
    QFETCH(QString, text);
    GridStore s;
    build(s);
    s.SetColKey(RowTextColIndex, "body");
    GridSort sort(s);
    sort.setKeys({{1, SortAscending, 0}});
    QVERIFY(!applySortLayout(s, sort, text));
    QCOMPARE(sort.ColSortIndex("name"), 1);
    QCOMPARE(sort.keys().size(), size_t(1));
    QCOMPARE(s.CellValue(1, "id"), Variant(3)); // not re-sorted
}

QTEST_MAIN(TestGridLayoutText)
#include "tst_gridlayouttext.moc"
