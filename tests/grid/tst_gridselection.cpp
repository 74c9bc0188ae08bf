// Selection through the real widget: clicks with Ctrl and Shift, drags, the SelItems reading,
// row mode, the selection events, and the selection staying on its rows through a sort.

#include "InputTestGrid.h"

#include <QSignalSpy>

namespace {

// Clicks described as "2,1 ^3,2 +4,1 ^+5,5": ^ holds Ctrl, + holds Shift.
void runClicks(InputTestGrid& t, const QString& clicks) {
    for (QString token : clicks.split(' ', Qt::SkipEmptyParts)) {
        Qt::KeyboardModifiers mods;
        while (token.startsWith('^') || token.startsWith('+')) {
            mods |= token.startsWith('^') ? Qt::ControlModifier : Qt::ShiftModifier;
            token.remove(0, 1);
        }
        const QStringList rc = token.split(',');
        t.click(rc[0].toInt(), rc[1].toInt(), mods);
    }
}

} // namespace

class TestGridSelection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clicks_data();
    void clicks();
    void rangeSkipsHiddenRowsAndColumns();
    void dragSelectsRectangle();
    void ctrlDragKeepsEarlierSelection();
    void pressOnSelectionStartsDrag();
    void selItemsBoundingBox();
    void rowModeCellSelected();
    void modeSwitches();
    void events();
    void selectionAndCurrentRowSurviveSort();
    void selectAllOnLargeGrid();
};

void TestGridSelection::clicks_data() {
    QTest::addColumn<bool>("multi");
    QTest::addColumn<bool>("rowMode");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("current");

    QTest::newRow("single: click replaces") << false << false << "2,1 3,2"
                                            << "3,2"
                                            << "3,2";
    QTest::newRow("single: ctrl toggles off") << false << false << "3,2 ^3,2"
                                              << ""
                                              << "3,2";
    QTest::newRow("single: shift selects one") << false << false << "2,1 +4,3"
                                               << "4,3"
                                               << "4,3";
    QTest::newRow("multi: ctrl adds") << true << false << "2,1 ^3,2"
                                      << "2,1 3,2"
                                      << "3,2";
    QTest::newRow("multi: ctrl removes") << true << false << "2,1 ^3,2 ^2,1"
                                         << "3,2"
                                         << "2,1";
    QTest::newRow("multi: shift rectangle") << true << false << "2,1 +3,2"
                                            << "2,1 2,2 3,1 3,2"
                                            << "3,2";
    QTest::newRow("multi: shift upwards") << true << false << "4,3 +3,2"
                                          << "3,2 3,3 4,2 4,3"
                                          << "3,2";
    QTest::newRow("multi: next shift replaces the range") << true << false << "2,1 +3,2 +4,1"
                                                          << "2,1 3,1 4,1"
                                                          << "4,1";
    QTest::newRow("multi: ctrl+shift adds a range") << true << false << "1,1 ^3,3 ^+4,3"
                                                    << "1,1 3,3 4,3"
                                                    << "4,3";
    QTest::newRow("multi: plain click after a range") << true << false << "2,1 +4,4 3,3"
                                                      << "3,3"
                                                      << "3,3";
    QTest::newRow("rows single") << false << true << "2,1 4,3"
                                 << "4,0"
                                 << "4,3";
    QTest::newRow("rows multi: shift") << true << true << "2,1 +4,2"
                                       << "2,0 3,0 4,0"
                                       << "4,2";
    QTest::newRow("rows multi: ctrl") << true << true << "2,1 ^5,3"
                                      << "2,0 5,0"
                                      << "5,3";
    QTest::newRow("rows multi: ctrl off") << true << true << "2,1 ^5,3 ^2,2"
                                          << "5,0"
                                          << "2,2";
}

void TestGridSelection::clicks() {
    QFETCH(bool, multi);
    QFETCH(bool, rowMode);
    QFETCH(QString, clicks);
    QFETCH(QString, selected);
    QFETCH(QString, current);
    InputTestGrid t(8, 5);
    t.grid.SetMultiSelect(multi);
    t.grid.SetRowMode(rowMode);
    runClicks(t, clicks);
    QCOMPARE(t.selection(), selected);
    QCOMPARE(t.current(), current);
}

void TestGridSelection::rangeSkipsHiddenRowsAndColumns() {
    InputTestGrid t(8, 5);
    t.grid.SetMultiSelect(true);
    t.grid.SetRowVisible(3, false);
    t.grid.SetColVisible(2, false);
    runClicks(t, "2,1 +4,3");
    QCOMPARE(t.selection(), QString("2,1 2,3 4,1 4,3"));
    // Columns go by display order: with column 5 shown first, a range from it to column 1
    // covers only those two.
    t.grid.SetColPos(5, 1);
    runClicks(t, "1,5 +1,1");
    QCOMPARE(t.selection(), QString("1,1 1,5"));
}

void TestGridSelection::dragSelectsRectangle() {
    InputTestGrid t(8, 5);
    t.grid.SetMultiSelect(true);
    QTest::mousePress(t.viewport(), Qt::LeftButton, {}, t.cellPoint(2, 1));
    QTest::mouseMove(t.viewport(), t.cellPoint(5, 3));
    QCOMPARE(t.grid.SelItems().Count(), 12);
    // Going back shrinks the rectangle.
    QTest::mouseMove(t.viewport(), t.cellPoint(3, 2));
    QTest::mouseRelease(t.viewport(), Qt::LeftButton, {}, t.cellPoint(3, 2));
    QCOMPARE(t.selection(), QString("2,1 2,2 3,1 3,2"));
    QCOMPARE(t.current(), QString("3,2"));

    // In single selection a drag moves the one selected cell along.
    t.grid.SetMultiSelect(false);
    QTest::mousePress(t.viewport(), Qt::LeftButton, {}, t.cellPoint(1, 1));
    QTest::mouseMove(t.viewport(), t.cellPoint(4, 4));
    QTest::mouseRelease(t.viewport(), Qt::LeftButton, {}, t.cellPoint(4, 4));
    QCOMPARE(t.selection(), QString("4,4"));
}

void TestGridSelection::ctrlDragKeepsEarlierSelection() {
    InputTestGrid t(8, 5);
    t.grid.SetMultiSelect(true);
    t.click(4, 2);
    t.click(1, 5, Qt::ControlModifier);
    QTest::mousePress(t.viewport(), Qt::LeftButton, Qt::ControlModifier, t.cellPoint(2, 1));
    QTest::mouseMove(t.viewport(), t.cellPoint(4, 2));
    QCOMPARE(t.selection(), QString("1,5 2,1 2,2 3,1 3,2 4,1 4,2"));
    // Shrinking the Ctrl-drag gives cells back the state they had before it covered them.
    QTest::mouseMove(t.viewport(), t.cellPoint(2, 1));
    QTest::mouseRelease(t.viewport(), Qt::LeftButton, Qt::ControlModifier, t.cellPoint(2, 1));
    QCOMPARE(t.selection(), QString("1,5 2,1 4,2"));
}

void TestGridSelection::pressOnSelectionStartsDrag() {
    InputTestGrid t(8, 5);
    t.grid.SetMultiSelect(true);
    runClicks(t, "2,1 +3,2");
    QSignalSpy drags(&t.grid, &TessixGrid::StartDrag);
    // Pressing on the selection and moving drags it instead of selecting.
    QTest::mousePress(t.viewport(), Qt::LeftButton, {}, t.cellPoint(2, 2));
    QTest::mouseMove(t.viewport(), t.cellPoint(5, 4));
    QTest::mouseRelease(t.viewport(), Qt::LeftButton, {}, t.cellPoint(5, 4));
    QCOMPARE(drags.count(), 1);
    QCOMPARE(t.selection(), QString("2,1 2,2 3,1 3,2"));
    // Without a move it is a plain click: only that cell stays selected.
    t.click(3, 1);
    QCOMPARE(drags.count(), 1);
    QCOMPARE(t.selection(), QString("3,1"));
}

void TestGridSelection::selItemsBoundingBox() {
    InputTestGrid t(8, 5);
    t.grid.SetMultiSelect(true);
    int r1 = -1, r2 = -1, c1 = -1, c2 = -1;
    // Empty selection: an empty array and a zero box, not an error.
    QVERIFY(t.grid.SelItems().GetRows(&r1, &r2, &c1, &c2).isEmpty());
    QCOMPARE(QList<int>({r1, r2, c1, c2}), QList<int>({0, 0, 0, 0}));
    QCOMPARE(t.grid.SelItems().Count(), 0);

    t.grid.SetCellSelected(5, 1, true);
    t.grid.SetCellSelected(2, 3, true);
    t.grid.SetCellSelected(4, "", false); // a key no column has: ignored
    t.grid.SetCellSelected(4, 4, true);
    t.grid.SelItems().SetSorted(true);
    const QVector<GridCellPos> items = t.grid.SelItems().GetRows(&r1, &r2, &c1, &c2);
    QCOMPARE(t.grid.SelItems().Count(), 3);
    QCOMPARE(t.selection(), QString("2,3 4,4 5,1"));
    QCOMPARE(items.size(), 3);
    QCOMPARE(QList<int>({r1, r2, c1, c2}), QList<int>({2, 5, 1, 4}));

    // Row mode: one item per row, the box spans every column.
    t.grid.SetRowMode(true);
    t.grid.SetCellSelected(6, 2, true);
    t.grid.SetCellSelected(3, 1, true);
    t.grid.SelItems().GetRows(&r1, &r2, &c1, &c2);
    QCOMPARE(t.selection(), QString("3,0 6,0"));
    QCOMPARE(QList<int>({r1, r2, c1, c2}), QList<int>({3, 6, 1, 5}));
}

void TestGridSelection::rowModeCellSelected() {
    InputTestGrid t(6, 3);
    t.grid.SetMultiSelect(true);
    t.grid.SetRowMode(true);
    // Inverting CellSelected(row, 2) toggles the whole row.
    for (int row : {2, 4, 2}) {
        t.grid.SetCellSelected(row, 2, !t.grid.CellSelected(row, 2));
    }
    QCOMPARE(t.selection(), QString("4,0"));
    QVERIFY(t.grid.CellSelected(4, 1));
    QVERIFY(t.grid.CellSelected(4, 3));
    QVERIFY(!t.grid.CellSelected(2, 2));
    QVERIFY(!t.grid.CellSelected(99, 1));
}

void TestGridSelection::modeSwitches() {
    InputTestGrid t(6, 3);
    t.grid.SetMultiSelect(true);
    runClicks(t, "1,1 ^2,2 ^3,3");
    // Leaving multiple selection keeps the last clicked item.
    t.grid.SetMultiSelect(false);
    QCOMPARE(t.selection(), QString("3,3"));
    // Cell and row selections do not convert into each other.
    t.grid.SetRowMode(true);
    QCOMPARE(t.selection(), QString());
    t.click(2, 1);
    QCOMPARE(t.selection(), QString("2,0"));
    t.grid.SetRowMode(false);
    QCOMPARE(t.selection(), QString());
    QVERIFY(!t.grid.CellSelected(2, 1));
}

void TestGridSelection::events() {
    InputTestGrid t(6, 3);
    t.grid.SetMultiSelect(true);
    QStringList log;
    QObject::connect(&t.grid, &TessixGrid::BeforeSelectionChange, [&] { log << "before"; });
    QObject::connect(&t.grid, &TessixGrid::AfterSelectionChange,
                     [&](bool changed) { log << QString("after %1").arg(changed); });
    QObject::connect(&t.grid, &TessixGrid::CellSelectionChange, [&](int r, int c, bool on) {
        log << QString("cell %1,%2 %3").arg(r).arg(c).arg(on);
    });

    t.click(2, 1);
    QCOMPARE(log, QStringList({"before", "cell 2,1 1", "after 1"}));
    log.clear();
    // Clicking the only selected cell again changes nothing.
    t.click(2, 1);
    QCOMPARE(log, QStringList({"before", "after 0"}));
    log.clear();
    t.click(3, 1, Qt::ShiftModifier);
    QCOMPARE(log, QStringList({"before", "cell 3,1 1", "after 1"}));
    log.clear();
    // Program-made changes raise the events too.
    t.grid.ClearSelection();
    QCOMPARE(log, QStringList({"before", "cell 2,1 0", "cell 3,1 0", "after 1"}));
    log.clear();
    t.grid.SetCellSelected(4, 2, true);
    QCOMPARE(log, QStringList({"before", "cell 4,2 1", "after 1"}));

    // A handler that reads the selection sees it settled at once.
    int countSeen = -1;
    QObject::connect(&t.grid, &TessixGrid::CellMouseDown, [&](CellMouseArgs& a) {
        if (a.row == 5) {
            a.doDefault = false;
            t.grid.SetCellSelected(5, 3, !t.grid.CellSelected(5, 3));
            countSeen = t.grid.SelItems().Count();
        }
    });
    t.click(5, 1);
    QCOMPARE(countSeen, 2);
    QCOMPARE(t.selection(), QString("4,2 5,3"));
}

void TestGridSelection::selectionAndCurrentRowSurviveSort() {
    InputTestGrid t(6, 3);
    t.grid.SetMultiSelect(true);
    for (int r = 1; r <= 6; ++r)
        t.grid.SetCellValue(r, 1, 10 - r); // 9, 8, ... 4: sorting reverses the rows
    runClicks(t, "2,2 ^5,3");
    QCOMPARE(t.current(), QString("5,3"));

    QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, t.headerPoint(1));
    QCOMPARE(t.rowOrder(), QString("4 5 6 7 8 9"));
    // Old rows 2 and 5 are now rows 5 and 2.
    QCOMPARE(t.selection(), QString("2,3 5,2"));
    QCOMPARE(t.current(), QString("2,3"));
    QCOMPARE(t.grid.CellValue(t.grid.CurRow(), 2).toString(), QString("5,2"));
    // The anchor moved with its row too: Shift+click ranges from it.
    t.click(3, 3, Qt::ShiftModifier);
    QCOMPARE(t.selection(), QString("2,3 3,3"));
}

void TestGridSelection::selectAllOnLargeGrid() {
    TessixGrid grid;
    grid.SetColCount(5);
    grid.SetRowCount(99999);
    grid.SetMultiSelect(true);
    grid.resize(300, 200);
    grid.show();
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    int r1 = 0, r2 = 0, c1 = 0, c2 = 0;
    const QVector<GridCellPos> items = grid.SelItems().GetRows(&r1, &r2, &c1, &c2);
    QCOMPARE(items.size(), 499995);
    QCOMPARE(grid.SelItems().Count(), 499995);
    QCOMPARE(QList<int>({r1, r2, c1, c2}), QList<int>({1, 99999, 1, 5}));
    QCOMPARE(items.last().row, 99999);
    QCOMPARE(items.last().col, 5);
    grid.ClearSelection();
    QCOMPARE(grid.SelItems().Count(), 0);
}

QTEST_MAIN(TestGridSelection)
#include "tst_gridselection.moc"
