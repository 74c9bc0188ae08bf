#include "model/GridSort.h"

#include <QTest>
#include <limits>
#include <numeric>
#include <random>

Q_DECLARE_METATYPE(std::vector<Variant>)

namespace {
// Rows labelled "a", "b", ... in column "label", with the given values in column "v".
void load(GridStore& s, const std::vector<Variant>& values) {
    s.AddCol("label");
    s.AddCol("v");
    for (size_t i = 0; i < values.size(); ++i) {
        const int r = s.AddRow();
        s.SetCellValue(r, "label", QString(QChar('a' + int(i))));
        s.SetCellValue(r, "v", values[i]);
    }
}

QString labels(const GridStore& s) {
    QString out;
    for (int r = 1; r <= s.RowCount(); ++r)
        out += s.CellValue(r, "label").toString();
    return out;
}

Variant date(int y, int m, int d) {
    return Variant(QDate(y, m, d));
}
} // namespace

class TestGridSort : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sortTypes_data();
    void sortTypes();
    void stableInBothDirections();
    void multiKey();
    void sortByLookTypes();
    void attachedDataMovesWithRows();
    void customSort();
    void inconsistentCustomSortKeepsEveryRow();
    void groupRowsSplitBands();
    void treeSubtreesMoveTogether();
    void sortByColUsesDefaultOrder();
    void colSortIndex();
    void sortObjectResolvesKeys();
    void hooksMayChangeRows();
    void largeSortIsOrdered();
    void mixedValuesMatchAStableSort_data();
    void mixedValuesMatchAStableSort();
};

void TestGridSort::sortTypes_data() {
    QTest::addColumn<std::vector<Variant>>("values");
    QTest::addColumn<int>("sortType");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("expected");
    const std::vector<Variant> mixed{Variant("b"), Variant(10),  Variant::null(),
                                     Variant("A"), Variant(2.5), Variant()};
    QTest::newRow("value asc") << mixed << int(SortTypeByValue) << 0 << "cfebda";
    QTest::newRow("value desc") << mixed << int(SortTypeByValue) << 1 << "adbecf";
    QTest::newRow("automatic") << mixed << int(SortTypeAutomatic) << 0 << "cfebda";
    const std::vector<Variant> words{Variant("beta"), Variant("Alpha"), Variant("alpha"),
                                     Variant("Beta")};
    QTest::newRow("text nocase") << words << int(SortTypeTextNoCase) << 0 << "bcad";
    QTest::newRow("text case") << words << int(SortTypeTextCase) << 0 << "bdca";
    const std::vector<Variant> numbers{Variant("10"), Variant(9), Variant("x"), Variant(-1.5)};
    QTest::newRow("number") << numbers << int(SortTypeNumber) << 0 << "cdba";
    QTest::newRow("number desc") << numbers << int(SortTypeNumber) << 1 << "abdc";
    QTest::newRow("value keeps text as text") << numbers << int(SortTypeByValue) << 0 << "dbac";
    const std::vector<Variant> dates{date(2024, 5, 1), Variant("2023-01-02"), date(2022, 1, 1),
                                     Variant("no date")};
    QTest::newRow("date") << dates << int(SortTypeDate) << 0 << "dcba";
    const std::vector<Variant> money{Variant(Currency::fromDouble(0.0002)),
                                     Variant(Currency::fromDouble(0.0001)), Variant("3"),
                                     Variant()};
    QTest::newRow("currency") << money << int(SortTypeCurrency) << 0 << "dbac";
    // One unit apart past what a double tells apart, and at the ends of the range.
    const std::vector<Variant> large{
        Variant(Currency{9007199254740993}), Variant(Currency{9007199254740992}),
        Variant(Currency{9007199254740994}), Variant(Currency{INT64_MAX}),
        Variant(Currency{INT64_MAX - 1}),    Variant(Currency{INT64_MIN})};
    QTest::newRow("currency beyond double") << large << int(SortTypeCurrency) << 0 << "fbaced";
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<Variant> odd{Variant(nan),  Variant(1.0),  Variant(inf), Variant(-nan),
                                   Variant(-inf), Variant(-0.0), Variant(0.0)};
    QTest::newRow("NaN after every number") << odd << int(SortTypeNumber) << 0 << "efgbcad";
    QTest::newRow("NaN after every value") << odd << int(SortTypeByValue) << 0 << "efgbcad";
    QTest::newRow("custom without hook") << mixed << int(SortTypeCustom) << 0 << "cfebda";
}

void TestGridSort::sortTypes() {
    QFETCH(std::vector<Variant>, values);
    QFETCH(int, sortType);
    QFETCH(int, order);
    QFETCH(QString, expected);
    GridStore s;
    load(s, values);
    GridSort sort(s);
    QVERIFY(sort.sortBy({{2, order, sortType}}));
    QCOMPARE(labels(s), expected);
}

void TestGridSort::stableInBothDirections() {
    GridStore s;
    load(s, {1, 2, 1, 2, 1});
    GridSort sort(s);
    sort.sortBy({{2, SortAscending, SortTypeNumber}});
    QCOMPARE(labels(s), QString("acebd"));
    sort.sortBy({{2, SortDescending, SortTypeNumber}});
    QCOMPARE(labels(s), QString("bdace"));
}

void TestGridSort::multiKey() {
    GridStore s;
    load(s, {2, 1, 2, 1});
    s.AddCol("w");
    const char* w[] = {"x", "y", "y", "x"};
    for (int r = 1; r <= 4; ++r)
        s.SetCellValue(r, "w", w[r - 1]);
    GridSort sort(s);
    sort.sortBy({{2, SortAscending, SortTypeNumber}, {3, SortDescending, SortTypeTextNoCase}});
    QCOMPARE(labels(s), QString("bdca"));
}

void TestGridSort::sortByLookTypes() {
    GridStore s;
    load(s, {0, 0, 0});
    s.SetCellIcon(1, "v", 3);
    s.SetCellIcon(3, "v", 1);
    s.SetCellCheckState(1, "v", CheckChecked);
    s.SetCellCheckState(2, "v", CheckGrayed);
    GridSort sort(s);
    sort.sortBy({{2, SortAscending, SortTypeIcon}});
    QCOMPARE(labels(s), QString("bca"));
    sort.sortBy({{2, SortAscending, SortTypeCheckState}});
    QCOMPARE(labels(s), QString("cab"));
    // Display text: "10 KB" after "9 KB" as text, so ordered by what is shown.
    GridStore t;
    load(t, {10, 9});
    t.SetCellFormatString(1, "v", "# KB");
    t.SetCellFormatString(2, "v", "# KB");
    GridSort tsort(t);
    tsort.sortBy({{2, SortAscending, SortTypeDisplayText}});
    QCOMPARE(labels(t), QString("ab"));
}

void TestGridSort::attachedDataMovesWithRows() {
    GridStore s;
    load(s, {3, 1, 2});
    s.SetRowSelected(1, true);
    s.SetCellSelected(2, "label", true);
    s.SetRowTag(3, "tag c");
    s.SetRowHeight(1, 33);
    s.SetCellBackColor(2, "v", 0xFF);
    GridSort sort(s);
    std::vector<int> seen;
    s.setChangeHandler([&](const GridChange& c) {
        if (c.kind == GridChange::RowsReordered)
            seen = *c.permutation;
    });
    sort.sortBy({{2, SortAscending, SortTypeNumber}}); // b c a
    QCOMPARE(labels(s), QString("bca"));
    QVERIFY(s.RowSelected(3));
    QVERIFY(!s.RowSelected(1));
    QVERIFY(s.CellSelected(1, "label"));
    QCOMPARE(s.RowTag(2), Variant("tag c"));
    QCOMPARE(s.RowHeight(3), 33);
    QCOMPARE(s.CellBackColor(1, "v"), OleColor(0xFF));
    QCOMPARE(seen, std::vector<int>({1, 2, 0}));
    QCOMPARE(sort.lastPermutation(), seen);
}

void TestGridSort::customSort() {
    GridStore s;
    load(s, {Variant("10.0.0.2"), Variant("9.1.1.1"), Variant("10.0.0.10")});
    GridSort sort(s);
    int calls = 0;
    sort.setCustomSort([&](int col, int, int, const Variant& a, const Variant& b, int& result) {
        ++calls;
        QCOMPARE(col, 2);
        // Compare dotted numbers part by part.
        const QStringList pa = a.toString().split('.'), pb = b.toString().split('.');
        for (int i = 0; i < 4; ++i)
            if (pa[i].toInt() != pb[i].toInt()) {
                result = pa[i].toInt() - pb[i].toInt();
                return;
            }
        result = 0;
    });
    sort.sortBy({{2, SortAscending, SortTypeCustom}});
    QVERIFY(calls > 0);
    QCOMPARE(labels(s), QString("bac"));
    // A hook that leaves the result keeps the grid's own comparison.
    sort.setCustomSort([](int, int, int, const Variant&, const Variant&, int&) {});
    sort.sortBy({{2, SortAscending, SortTypeCustom}});
    QCOMPARE(labels(s), QString("cab")); // as text: "10.0.0.10" < "10.0.0.2" < "9.1.1.1"
}

void TestGridSort::inconsistentCustomSortKeepsEveryRow() {
    GridStore s;
    std::vector<Variant> values;
    for (int i = 0; i < 26; ++i)
        values.push_back(i % 5);
    load(s, values);
    GridSort sort(s);
    int flip = 1;
    sort.setCustomSort([&](int, int, int, const Variant&, const Variant&, int& result) {
        result = flip = -flip; // answers that contradict each other
    });
    QVERIFY(sort.sortBy({{2, SortAscending, SortTypeCustom}}));
    QString sorted = labels(s);
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(sorted, QString("abcdefghijklmnopqrstuvwxyz"));
}

void TestGridSort::groupRowsSplitBands() {
    GridStore s;
    load(s, {5, 3, 0, 2, 1, 0, 9, 4});
    s.SetRowIsGroup(3, true);
    s.SetRowIsGroup(6, true);
    GridSort sort(s);
    sort.sortBy({{2, SortAscending, SortTypeNumber}});
    QCOMPARE(labels(s), QString("bacedfhg"));
    QVERIFY(s.RowIsGroup(3));
    QVERIFY(s.RowIsGroup(6));
}

void TestGridSort::treeSubtreesMoveTogether() {
    GridStore s;
    s.AddCol("label");
    s.AddCol("v");
    auto add = [&](const QString& label, int value, int parent) {
        AddRowArgs a;
        a.parentRow = parent;
        const int r = s.AddRow(a);
        s.SetCellValue(r, "label", label);
        s.SetCellValue(r, "v", value);
        return r;
    };
    const int p1 = add("P", 2, 0);
    add("x", 3, p1);
    add("y", 1, p1);
    const int p2 = add("Q", 1, 0);
    add("z", 0, p2);
    QCOMPARE(labels(s), QString("PxyQz"));
    GridSort sort(s);
    sort.setKeys({{2, SortAscending, SortTypeNumber}});
    QVERIFY(sort.SortChildRows(1));
    QCOMPARE(labels(s), QString("PyxQz")); // only P's children
    QVERIFY(sort.Sort());
    QCOMPARE(labels(s), QString("QzPyx"));
    QCOMPARE(s.ParentRow(5), 3);
    QVERIFY(!sort.SortChildRows(99));
}

void TestGridSort::sortByColUsesDefaultOrder() {
    GridStore s;
    load(s, {1, 3, 2});
    s.ColObject("v")->SetDefaultSortOrder(SortDescending);
    s.ColObject("v")->SetSortType(SortTypeNumber);
    GridSort sort(s);
    QVERIFY(sort.SortByCol("V"));
    QCOMPARE(labels(s), QString("bca"));
    QVERIFY(sort.SortByCol("v")); // repeated: same order, no toggling
    QCOMPARE(labels(s), QString("bca"));
    QCOMPARE(sort.ColSortOrder("v"), int(SortDescending));
    QVERIFY(!sort.SortByCol("missing"));
}

void TestGridSort::colSortIndex() {
    GridStore s;
    load(s, {1, 2});
    s.AddCol("w");
    GridSort sort(s);
    sort.setKeys({{2, SortAscending, 0}, {3, SortDescending, 0}});
    QCOMPARE(sort.ColSortIndex("v"), 1);
    QCOMPARE(sort.ColSortIndex("w"), 2);
    QCOMPARE(sort.ColSortIndex("label"), 0);
    QVERIFY(sort.SetColSortIndex("label", 1));
    QCOMPARE(sort.ColSortIndex("v"), 2);
    QVERIFY(!sort.SetColSortIndex("label", 5)); // out of range: unchanged
    QCOMPARE(sort.ColSortIndex("label"), 1);
    for (int c = 1; c <= 3; ++c)
        sort.SetColSortIndex(c, 0);
    QVERIFY(sort.keys().empty());
    QVERIFY(!sort.Sort()); // nothing to sort by
    sort.setKeys({{3, SortAscending, 0}, {2, SortAscending, 0}});
    s.RemoveCol("w");
    QCOMPARE(sort.keys().size(), size_t(1)); // a removed column drops out
    QCOMPARE(sort.ColSortIndex("v"), 1);
}

void TestGridSort::sortObjectResolvesKeys() {
    GridStore s;
    load(s, {2, 1});
    SortObject so;
    QCOMPARE(so.Count(), 0);
    so.Add("V", SortDescending, SortTypeNumber);
    so.Add("nokey");
    QCOMPARE(so.Count(), 2);
    QCOMPARE(so.ItemAt(1)->order, int(SortDescending));
    QVERIFY(!so.ItemAt(3));
    s.AddCol("first", {}, -1, 0, 1); // the key still finds its column after the move
    const auto keys = so.keys(s);
    QCOMPARE(keys.size(), size_t(1));
    QCOMPARE(keys[0].col, 3);
    so.Clear();
    QCOMPARE(so.Count(), 0);
}

void TestGridSort::hooksMayChangeRows() {
    GridStore s;
    load(s, {3, 1, 2});
    GridSort sort(s);
    QStringList calls;
    sort.setSortHooks(
        [&] {
            calls << "before";
            s.RemoveRow(s.RowCount());
        },
        [&] {
            calls << "after";
            s.SetCellValue(s.AddRow(), "label", "z");
        });
    QVERIFY(sort.sortBy({{2, SortAscending, SortTypeNumber}}));
    QCOMPARE(calls, QStringList({"before", "after"}));
    QCOMPARE(labels(s), QString("baz"));
}

void TestGridSort::largeSortIsOrdered() {
    GridStore s;
    s.AddCol("n");
    s.SetRowCount(100000);
    for (int r = 1; r <= s.RowCount(); ++r)
        s.SetCellValue(r, 1, (r * 7919) % 100003);
    GridSort sort(s);
    sort.sortBy({{1, SortAscending, SortTypeNumber}});
    for (int r = 2; r <= s.RowCount(); ++r)
        QVERIFY(s.CellValue(r - 1, 1).toLong() <= s.CellValue(r, 1).toLong());
}

void TestGridSort::mixedValuesMatchAStableSort_data() {
    QTest::addColumn<int>("order");
    QTest::newRow("ascending") << int(SortAscending);
    QTest::newRow("descending") << int(SortDescending);
}

// Blanks, negative and positive numbers with many repeats, and texts sharing long prefixes
// (so the leading key ties and the full comparison decides), against the library's stable
// sort with the value comparison: the order and the place of equal values must agree.
void TestGridSort::mixedValuesMatchAStableSort() {
    QFETCH(int, order);
    std::mt19937 gen(99);
    auto pick = [&](int hi) { return std::uniform_int_distribution<int>(0, hi)(gen); };
    std::vector<Variant> values;
    for (int i = 0; i < 5000; ++i) {
        switch (pick(3)) {
        case 0:
            values.emplace_back();
            break;
        case 1:
            values.emplace_back(pick(200) - 100);
            break;
        case 2:
            values.emplace_back(double(pick(2000) - 1000) / 8);
            break;
        default:
            values.emplace_back(QStringLiteral("Same prefix %1").arg(QChar('a' + pick(25))));
        }
    }
    GridStore s;
    s.AddCol("index");
    s.AddCol("v");
    for (size_t i = 0; i < values.size(); ++i) {
        const int r = s.AddRow();
        s.SetCellValue(r, 1, int(i));
        s.SetCellValue(r, 2, values[i]);
    }
    std::vector<int> expected(values.size());
    std::iota(expected.begin(), expected.end(), 0);
    std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
        const int c = Variant::compare(values[size_t(a)], values[size_t(b)], Qt::CaseInsensitive);
        return order == SortDescending ? c > 0 : c < 0;
    });
    GridSort sort(s);
    QVERIFY(sort.sortBy({{2, order, SortTypeByValue}}));
    for (int r = 1; r <= s.RowCount(); ++r)
        QCOMPARE(s.CellValue(r, 1).toLong(), expected[size_t(r - 1)]);
}

QTEST_MAIN(TestGridSort)
#include "tst_gridsort.moc"
