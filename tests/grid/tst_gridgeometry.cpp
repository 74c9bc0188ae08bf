#include "GridTestAccess.h"
#include "components/grid/TessixGrid.h"
#include "view/GridGeometry.h"

#include <QtTest>

namespace {

constexpr int RowText = -1; // the fixture's row-text column index

// A grid reduced to what the geometry reads.
class FakeSource : public GridGeometry::Source {
public:
    struct Row {
        int height = 20;
        int cellsHeight = 20;
        bool visible = true;
        bool group = false;
    };
    std::vector<Row> rows; // 0-based storage, rows are 1-based outside
    QVector<GridGeometry::ColumnSpan> cols;
    int startCol = 1;

    int rowCount() const override { return int(rows.size()); }
    GridGeometry::RowLayout rowLayout(int row) const override {
        const Row& r = rows[size_t(row - 1)];
        return {r.visible ? r.height : 0, r.cellsHeight, r.group};
    }
    QVector<GridGeometry::ColumnSpan> displayedColumns() const override { return cols; }
    int rowTextStartCol() const override { return startCol; }
    int rowTextCol() const override { return RowText; }
};

} // namespace

class TestGridGeometry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowOffsetsWithHiddenAndVariableRows();
    void rowAtMapsEveryPixelBack_data();
    void rowAtMapsEveryPixelBack();
    void pointUpdatesMatchARebuild();
    void millionRowsStayConsistent();
    void columnPositionsFollowDisplayOrder();
    void rowTextAreaStartsUnderItsColumn();
    void groupRowsSpanTheRow();
    void emptyGridAnswersNothing();
    void gridFollowsMovesHidingAndHeights();
    void shownOrdinalsFollowWhatShows();
    void changesBeforeAppendedRowsAreAskedFor_data();
    void changesBeforeAppendedRowsAreAskedFor();
};

void TestGridGeometry::rowOffsetsWithHiddenAndVariableRows() {
    FakeSource src;
    src.rows = {{20, 20}, {35, 35}, {10, 10}, {40, 40}};
    src.rows[2].visible = false;
    GridGeometry g(src);
    QCOMPARE(g.rowTop(1), 0);
    QCOMPARE(g.rowTop(2), 20);
    QCOMPARE(g.rowTop(3), 55);
    QCOMPARE(g.rowHeight(3), 0);
    QCOMPARE(g.rowTop(4), 55); // the hidden row takes no room
    QCOMPARE(g.totalHeight(), 95);
    QVERIFY(g.rowRect(3).isEmpty());
}

void TestGridGeometry::rowAtMapsEveryPixelBack_data() {
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("row");
    QTest::newRow("top") << 0 << 1;
    QTest::newRow("last pixel of row 1") << 19 << 1;
    QTest::newRow("first of row 2") << 20 << 2;
    QTest::newRow("skips hidden row 3") << 55 << 4;
    QTest::newRow("last pixel") << 94 << 4;
    QTest::newRow("below the rows") << 95 << 0;
    QTest::newRow("above the rows") << -1 << 0;
}

void TestGridGeometry::rowAtMapsEveryPixelBack() {
    QFETCH(int, y);
    QFETCH(int, row);
    FakeSource src;
    src.rows = {{20, 20}, {35, 35}, {10, 10}, {40, 40}};
    src.rows[2].visible = false;
    GridGeometry g(src);
    QCOMPARE(g.rowAt(y), row);
}

void TestGridGeometry::pointUpdatesMatchARebuild() {
    FakeSource src;
    src.rows.resize(37);
    GridGeometry g(src);
    QCOMPARE(g.totalHeight(), 37 * 20);
    src.rows[4].height = 50;
    g.rowHeightChanged(5);
    src.rows[30].visible = false;
    g.rowHeightChanged(31);
    GridGeometry fresh(src);
    for (int r = 1; r <= 37; ++r)
        QCOMPARE(g.rowTop(r), fresh.rowTop(r));
    QCOMPARE(g.totalHeight(), 37 * 20 + 30 - 20);
    QCOMPARE(g.rowAt(g.rowTop(31)), 32);

    // Rows appended one by one extend the tree in place.
    for (int i = 0; i < 40; ++i) {
        src.rows.push_back(FakeSource::Row{10 + i, 10 + i});
        g.rowsAppended(1);
    }
    GridGeometry rebuilt(src);
    QCOMPARE(g.rowCount(), 77);
    for (int r = 1; r <= 77; ++r)
        QCOMPARE(g.rowTop(r), rebuilt.rowTop(r));
    QCOMPARE(g.rowAt(g.totalHeight() - 1), 77);

    // Inserting rows needs a rebuild; until invalidated the old count stands.
    src.rows.insert(src.rows.begin(), FakeSource::Row{100, 100});
    g.invalidateRows();
    QCOMPARE(g.rowCount(), 78);
    QCOMPARE(g.rowTop(2), 100);
}

void TestGridGeometry::millionRowsStayConsistent() {
    FakeSource src;
    src.rows.resize(1000000);
    for (size_t i = 0; i < src.rows.size(); i += 7)
        src.rows[i].height = 33;
    GridGeometry g(src);
    for (int row : {1, 2, 8, 999, 500001, 999999, 1000000}) {
        const int top = g.rowTop(row);
        QCOMPARE(g.rowAt(top), row);
        QCOMPARE(g.rowAt(top + g.rowHeight(row) - 1), row);
    }
    const auto [first, last] = g.rowsIn(g.rowTop(700000) + 5, g.rowTop(700000) + 65);
    QCOMPARE(first, 700000);
    QVERIFY(last >= 700002 && last <= 700003);
}

void TestGridGeometry::columnPositionsFollowDisplayOrder() {
    FakeSource src;
    src.rows.resize(2);
    src.cols = {{1, 50}, {2, 70}, {3, 30}};
    GridGeometry g(src);
    QCOMPARE(g.colLeft(3), 120);
    QCOMPARE(g.totalWidth(), 150);
    QCOMPARE(g.colAt(119), 2);

    // The user moved column 3 to the front and hid column 2.
    src.cols = {{3, 30}, {1, 50}};
    g.invalidateColumns();
    QCOMPARE(g.colLeft(3), 0);
    QCOMPARE(g.colLeft(1), 30);
    QCOMPARE(g.colLeft(2), -1);
    QCOMPARE(g.colWidth(2), 0);
    QCOMPARE(g.colAt(29), 3);
    QCOMPARE(g.colAt(30), 1);
    QCOMPARE(g.colAt(80), 0);
    QCOMPARE(g.cellRect(1, 1), QRect(30, 0, 50, 20));
    QVERIFY(g.cellRect(1, 2).isEmpty());
}

void TestGridGeometry::rowTextAreaStartsUnderItsColumn() {
    FakeSource src;
    src.rows = {{50, 20}, {20, 20}};
    src.cols = {{1, 40}, {2, 60}, {3, 100}};
    src.startCol = 2;
    GridGeometry g(src);
    QCOMPARE(g.cellRect(1, RowText), QRect(40, 20, 160, 30));
    QCOMPARE(g.cellRect(1, 3), QRect(100, 0, 100, 20));
    QVERIFY(g.cellRect(2, RowText).isEmpty()); // no room left under the cells
    QCOMPARE(g.cellAt({45, 25}), std::make_pair(1, RowText));
    QCOMPARE(g.cellAt({10, 25}), std::make_pair(1, 0)); // left of the row text
    QCOMPARE(g.cellAt({45, 5}), std::make_pair(1, 2));

    // After a move the row text follows its start column to its new place.
    src.cols = {{2, 60}, {1, 40}, {3, 100}};
    g.invalidateColumns();
    QCOMPARE(g.cellRect(1, RowText), QRect(0, 20, 200, 30));
}

void TestGridGeometry::groupRowsSpanTheRow() {
    FakeSource src;
    src.rows = {{24, 24}, {20, 20}};
    src.rows[0].group = true;
    src.cols = {{1, 40}, {2, 60}};
    src.startCol = 2;
    GridGeometry g(src);
    QCOMPARE(g.cellRect(1, RowText), QRect(0, 0, 100, 24));
    QVERIFY(g.cellRect(1, 1).isEmpty());
    QCOMPARE(g.cellAt({5, 5}), std::make_pair(1, RowText));
    QCOMPARE(g.cellAt({5, 30}), std::make_pair(2, 1));
    QCOMPARE(g.cellAt({500, 30}), std::make_pair(2, 0));
    QCOMPARE(g.cellAt({5, 500}), std::make_pair(0, 0));
}

void TestGridGeometry::emptyGridAnswersNothing() {
    FakeSource src;
    GridGeometry g(src);
    QCOMPARE(g.rowCount(), 0);
    QCOMPARE(g.totalHeight(), 0);
    QCOMPARE(g.rowAt(0), 0);
    QCOMPARE(g.rowsIn(0, 100), std::make_pair(0, -1));
    QCOMPARE(g.totalWidth(), 0);
    QCOMPARE(g.colAt(0), 0);
    QVERIFY(g.cellRect(1, 1).isEmpty());
    QCOMPARE(g.rowTextLeft(), 0);
}

void TestGridGeometry::gridFollowsMovesHidingAndHeights() {
    // The widget's own source: the store's display order, widths, visibility and heights.
    TessixGrid grid;
    grid.Header().SetVisible(false);
    grid.AddCol("a", "", 50);
    grid.AddCol("b", "", 70);
    grid.AddCol("c", "", 30);
    grid.SetDefaultRowHeight(20);
    grid.SetRowCount(5);
    const auto rect = [&](int row, const ColRef& col) {
        int l, t, w, h;
        grid.GetCellRect(row, col, l, t, w, h);
        return QRect(l, t, w, h);
    };
    QCOMPARE(rect(1, "c"), QRect(120, 0, 30, 20));
    grid.SetColPos("c", 1);
    QCOMPARE(rect(1, "c"), QRect(0, 0, 30, 20));
    QCOMPARE(rect(1, "a"), QRect(30, 0, 50, 20));
    grid.SetColVisible("a", false);
    QCOMPARE(rect(1, "b"), QRect(30, 0, 70, 20));
    QCOMPARE(rect(1, "a"), QRect());
    QCOMPARE(grid.GetInfo(17), 2);

    // Row text under hidden column "a" starts under the next shown column, "b".
    grid.SetShowRowText(true);
    grid.SetRowTextStartCol("a");
    grid.SetRowCellsHeight(5, 10);
    QCOMPARE(rect(5, grid.RowTextCol()), QRect(30, 4 * 20 + 10, 70, 10));
    grid.SetShowRowText(false);

    grid.SetRowVisible(2, false);
    grid.SetRowHeight(3, 45);
    QCOMPARE(rect(3, "b").top(), 20);
    QCOMPARE(rect(4, "b").top(), 65);
    QCOMPARE(viewportOf(grid).cellAt(QPoint(35, 64)), std::make_pair(3, 2));
    grid.RemoveRow(1);
    QCOMPARE(rect(3, "b").top(), 45); // old row 4
    const int row = grid.AddRow();
    QCOMPARE(rect(row, "c").top(), 45 + 20 + 20);
}

void TestGridGeometry::shownOrdinalsFollowWhatShows() {
    FakeSource src;
    src.rows.resize(6);
    GridGeometry g(src);
    const auto ordinals = [&] {
        QList<int> out;
        for (int r = 1; r <= g.rowCount(); ++r)
            out << g.shownOrdinal(r);
        return out;
    };
    QCOMPARE(ordinals(), QList<int>({1, 2, 3, 4, 5, 6}));
    // Each way the rows change: one hidden, rows appended, rows removed, shown again.
    src.rows[1].visible = false;
    g.rowHeightChanged(2);
    QCOMPARE(ordinals(), QList<int>({1, 1, 2, 3, 4, 5}));
    src.rows.push_back({});
    src.rows.push_back({0, 0});
    g.rowsAppended(2);
    QCOMPARE(ordinals(), QList<int>({1, 1, 2, 3, 4, 5, 6, 6}));
    src.rows.erase(src.rows.begin(), src.rows.begin() + 1);
    g.rowsRemoved(1, 1);
    QCOMPARE(ordinals(), QList<int>({0, 1, 2, 3, 4, 5, 5}));
    src.rows[0].visible = true;
    src.rows.pop_back();
    g.invalidateRows();
    QCOMPARE(ordinals(), QList<int>({1, 2, 3, 4, 5, 6}));
}

// Appended rows are read from the source only at the next query: a change that comes first
// (on a kept row or on an appended one) must still leave what a rebuild would give.
void TestGridGeometry::changesBeforeAppendedRowsAreAskedFor_data() {
    QTest::addColumn<QString>("change");
    QTest::newRow("kept row removed") << "removeKept";
    QTest::newRow("appended rows removed") << "removeAppended";
    QTest::newRow("removal across both") << "removeAcross";
    QTest::newRow("appended row hidden") << "hideAppended";
    QTest::newRow("kept row re-heighted") << "heightKept";
    QTest::newRow("appended rows folded") << "foldAppended";
}

void TestGridGeometry::changesBeforeAppendedRowsAreAskedFor() {
    QFETCH(QString, change);
    FakeSource src;
    src.rows.resize(20);
    GridGeometry g(src);
    QCOMPARE(g.rowTop(20), 19 * 20); // taken in, tree built
    for (int i = 0; i < 30; ++i) {
        src.rows.push_back(FakeSource::Row{5 + i, 5 + i});
        g.rowsAppended(1);
    }
    const auto remove = [&](int row, int count) {
        src.rows.erase(src.rows.begin() + (row - 1), src.rows.begin() + (row - 1 + count));
        g.rowsRemoved(row, count);
    };
    if (change == "removeKept") {
        remove(3, 2);
    } else if (change == "removeAppended") {
        remove(30, 5);
    } else if (change == "removeAcross") {
        remove(18, 6);
    } else if (change == "hideAppended") {
        src.rows[39].visible = false;
        g.rowHeightChanged(40);
    } else if (change == "heightKept") {
        src.rows[1].height = 70;
        g.rowHeightChanged(2);
    } else {
        for (int r = 25; r < 35; ++r)
            src.rows[size_t(r - 1)].visible = false;
        g.rowsHeightChanged(25, 10);
    }
    const GridGeometry rebuilt(src);
    QCOMPARE(g.rowCount(), rebuilt.rowCount());
    QCOMPARE(g.totalHeight(), rebuilt.totalHeight());
    for (int r = 1; r <= rebuilt.rowCount(); ++r) {
        QCOMPARE(g.rowTop(r), rebuilt.rowTop(r));
        QCOMPARE(g.rowHeight(r), rebuilt.rowHeight(r));
        QCOMPARE(g.shownOrdinal(r), rebuilt.shownOrdinal(r));
    }
    QCOMPARE(g.rowAt(g.totalHeight() - 1), rebuilt.rowAt(rebuilt.totalHeight() - 1));
}

QTEST_MAIN(TestGridGeometry)
#include "tst_gridgeometry.moc"
