#include "components/grid/TessixGrid.h"
#include "model/GridLayoutText.h"
#include "model/GridSort.h"
#include "model/GridStore.h"

#include <QTest>
#include <array>

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
    int frozen = 0;
    bool operator==(const Arrangement&) const = default;
};

Arrangement arrangement(const GridStore& s) {
    Arrangement a;
    a.frozen = s.FrozenCols();
    for (int p = 1; p <= s.ColCount(); ++p)
        a.order.push_back(s.ColAtPos(p));
    for (int c = 1; c <= s.ColCount(); ++c) {
        a.widths.push_back(s.ColObject(c)->Width());
        a.visible.push_back(s.ColObject(c)->Visible());
    }
    return a;
}

std::vector<std::array<int, 3>> criteria(const GridSort& sort) {
    std::vector<std::array<int, 3>> out;
    for (const SortKey& k : sort.keys())
        out.push_back({k.col, k.order, k.sortType});
    return out;
}

// Gives column 3 of the fixture `key` and sends both layouts through their texts into a
// second grid with the same columns: what did not come back, or an empty text.
QString roundTripFailure(const QString& key) {
    GridStore a, b;
    build(a);
    build(b);
    if (!a.SetColKey(3, key) || !b.SetColKey(3, key))
        return QStringLiteral("key refused by the grid");
    GridSort sa(a), sb(b);
    // The keyed column first and another after it, so the entry after the key must parse too.
    sa.setKeys({{3, SortDescending, SortTypeNumber}, {2, SortAscending, SortTypeByValue}});
    sb.setKeys({{1, SortAscending, SortTypeByValue}});
    if (!applySortLayout(b, sb, encodeSortLayout(a, sa)) || criteria(sb) != criteria(sa))
        return QStringLiteral("sort layout");
    a.SetColPos(3, 1);
    a.ColObject(3)->SetWidth(123);
    if (!applyColLayout(b, encodeColLayout(a)) || !(arrangement(b) == arrangement(a)))
        return QStringLiteral("column layout");
    return {};
}
} // namespace

class TestGridLayoutText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void colLayoutRoundTrip();
    void colLayoutRefused_data();
    void colLayoutRefused();
    void colLayoutOfFirstVersionKeepsFrozenCols();
    void sortLayoutRoundTrip();
    void gridSaysWhetherALayoutApplied();
    void sortLayoutRefused_data();
    void sortLayoutRefused();
    void sortLayoutOfEarlierVersionRestores();
    void keysRoundTrip_data();
    void keysRoundTrip();
    void singleCharacterKeysRoundTrip();
    void sortLayoutRestoresOntoItsOwnColumn();
    void sortLayoutOfTheRowTextAndRepeatedColumns();
};

void TestGridLayoutText::colLayoutRoundTrip() {
    GridStore a;
    build(a);
    a.SetColPos("total sales", 1);
    a.SetColPos(3, 5);
    a.ColObject("name")->SetWidth(150);
    a.ColObject(4)->SetVisible(false);
    a.SetColKey(1, "na;me,%"); // separators inside keys survive
    a.SetFrozenCols(2);
    const QString text = encodeColLayout(a);
    QVERIFY(text.startsWith("TXL2;5;2;"));

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
    QTest::newRow("frozen count missing")
        << "TXL2;5;k:name,10,1;k:id,10,1;i:3,10,1;i:4,10,1;k:total%20sales,10,1";
    QTest::newRow("more frozen than columns")
        << "TXL2;5;6;k:name,10,1;k:id,10,1;i:3,10,1;i:4,10,1;k:total%20sales,10,1";
    QTest::newRow("negative frozen count")
        << "TXL2;5;-1;k:name,10,1;k:id,10,1;i:3,10,1;i:4,10,1;k:total%20sales,10,1";
}

void TestGridLayoutText::colLayoutRefused() {
    QFETCH(QString, text);
    GridStore s;
    build(s);
    const Arrangement before = arrangement(s);
    QVERIFY(!applyColLayout(s, text));
    QVERIFY(arrangement(s) == before);
}

void TestGridLayoutText::colLayoutOfFirstVersionKeepsFrozenCols() {
    // Texts saved before the frozen count was kept restore the columns and leave it.
    GridStore s;
    build(s);
    s.SetFrozenCols(1);
    QVERIFY(
        applyColLayout(s, "TXL1;5;k:id,40,1;k:name,100,0;i:3,10,1;i:4,10,1;k:total%20sales,80,1"));
    QCOMPARE(s.ColAtPos(1), 2);
    QVERIFY(!s.ColObject("name")->Visible());
    QCOMPARE(s.FrozenCols(), 1);
    QVERIFY(encodeColLayout(s).startsWith("TXL2;5;1;k:id,40,1;k:name,100,0;"));
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
    // Keys are read only in the form they are written, so nothing else can name a column.
    QTest::newRow("escaped letter") << "TXS1;5;k:%69d,1,3";
    QTest::newRow("lower-case escape") << "TXS1;5;k:total%2fsales,1,3";
    QTest::newRow("unencoded space") << "TXS1;5;k:Total Sales,1,3";
    QTest::newRow("bad escape") << "TXS1;5;k:id%zz,1,3";
    QTest::newRow("cut escape") << "TXS1;5;k:id%2,1,3";
    QTest::newRow("invalid utf-8") << "TXS1;5;k:id%C3,1,3";
    QTest::newRow("empty key") << "TXS1;5;k:,1,3";
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

void TestGridLayoutText::sortLayoutOfEarlierVersionRestores() {
    GridStore s;
    build(s);
    s.SetColKey(4, "a b");
    GridSort sort(s);
    QVERIFY(applySortLayout(s, sort, "TXS1;5;k:Total%20Sales,1,3;i:3,0,0;k:a%20b,1,7"));
    const std::vector<std::array<int, 3>> expected{{5, 1, 3}, {3, 0, 0}, {4, 1, 7}};
    QCOMPARE(criteria(sort), expected);
    QCOMPARE(encodeSortLayout(s, sort), QString("TXS1;5;k:Total%20Sales,1,3;i:3,0,0;k:a%20b,1,7"));
}

void TestGridLayoutText::keysRoundTrip_data() {
    QTest::addColumn<QString>("key");
    for (const char* key : {"/", ",", ":", ";", "%", "%1", "%%", "%2C", "%1%2%3", "k:id", "i:3",
                            "a,b;c:d/e", " ", "  spaced  key  ", "-._~", "\\", "\"x\"", "#?&=+"})
        QTest::newRow(key) << QString::fromUtf8(key);
    for (char16_t c = 1; c <= 0x1F; ++c)
        QTest::addRow("control U+%04X", unsigned(c)) << QStringLiteral("a") + QChar(c) + u'b';
    QTest::newRow("delete") << QStringLiteral("a\x7f");
    QTest::newRow("non-ASCII") << QStringLiteral("Größe €");
    QTest::newRow("CJK") << QStringLiteral("列名");
    QTest::newRow("emoji") << QStringLiteral("\U0001F600 sales");
    QTest::newRow("long") << QString(300, u',') + QStringLiteral("%1");
}

void TestGridLayoutText::keysRoundTrip() {
    QFETCH(QString, key);
    QCOMPARE(roundTripFailure(key), QString());
}

void TestGridLayoutText::singleCharacterKeysRoundTrip() {
    for (char16_t c = 1; c <= 0x2FF; ++c) {
        const QString failure = roundTripFailure(QString(QChar(c)));
        QVERIFY2(failure.isEmpty(),
                 qPrintable(QString::asprintf("U+%04X: ", unsigned(c)) + failure));
    }
}

void TestGridLayoutText::sortLayoutRestoresOntoItsOwnColumn() {
    // Keys that differ only by a separator, an escape-like text or a control character.
    // "a1Fb" is what "a/b" becomes when its escape "%2F" is taken for a place marker.
    const QStringList keys{"a/b",  "a1Fb", "a,b", "a1Cb", "a:b",      "a;b",      "a0Bb", "a%b",
                           "a%1b", "a1b",  "ab",  "a b",  "a\u0001b", "a\u001fb", "a%01b"};
    GridStore a, b;
    for (const QString& key : keys) {
        QVERIFY(a.AddCol(key));
        QVERIFY(b.AddCol(key));
    }
    GridSort sa(a), sb(b);
    for (int col = 1; col <= a.ColCount(); ++col) {
        sa.setKeys({{col, SortDescending, SortTypeByValue}});
        sb.setKeys({{col % a.ColCount() + 1, SortAscending, SortTypeByValue}});
        QVERIFY2(applySortLayout(b, sb, encodeSortLayout(a, sa)), qPrintable(keys[col - 1]));
        QCOMPARE(criteria(sb), criteria(sa));
    }
}

// The grid's setters report a refused text, so a window can tell the user its saved layout
// was not restored.
void TestGridLayoutText::gridSaysWhetherALayoutApplied() {
    TessixGrid grid;
    grid.AddCol("a", "A", 50);
    grid.AddCol("b", "B", 60);
    const QString columns = grid.ColLayout();
    const QString sort = grid.SortLayout();
    grid.SetColWidth("a", 80);
    QVERIFY(grid.SetColLayout(columns));
    QCOMPARE(grid.ColWidth("a"), 50);
    QVERIFY(grid.SetSortLayout(sort));
    for (const QString& bad :
         {QString(), QStringLiteral("TXL2;garbage"), QStringLiteral("TXL2;1;0;k:other,10,1")}) {
        QVERIFY(!grid.SetColLayout(bad));
        QVERIFY(!grid.SetSortLayout(bad));
    }
    QCOMPARE(grid.ColLayout(), columns);
}

QTEST_MAIN(TestGridLayoutText)
#include "tst_gridlayouttext.moc"

// A sort on the row text column (named by its index) restores; a column given twice sorts
// once, so the text written for it restores too. The row text column is never a column of
// the column layout.
void TestGridLayoutText::sortLayoutOfTheRowTextAndRepeatedColumns() {
    GridStore a, b;
    build(a);
    build(b);
    GridSort sa(a), sb(b);
    sa.setKeys({{RowTextColIndex, SortAscending, SortTypeTextNoCase},
                {2, SortDescending, SortTypeNumber},
                {2, SortAscending, SortTypeByValue}});
    QCOMPARE(criteria(sa),
             (std::vector<std::array<int, 3>>{{RowTextColIndex, SortAscending, SortTypeTextNoCase},
                                              {2, SortDescending, SortTypeNumber}}));
    QVERIFY(applySortLayout(b, sb, encodeSortLayout(a, sa)));
    QCOMPARE(criteria(sb), criteria(sa));

    QString columns = encodeColLayout(a);
    columns.replace(QStringLiteral("k:name,"), QStringLiteral("i:-1,"));
    QVERIFY(!applyColLayout(b, columns));
}
