// The mouse through the real widget: header clicks that sort (default order, reversing,
// modifiers adding keys, refused by the handler), column resizing and dragging, the mouse
// events with their rows and columns, hot tracking, the wheel and tooltips.

#include "GridTestAccess.h"
#include "InputTestGrid.h"

#include "input/GridInput.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>

namespace {

// Rows whose column 1 and 2 hold a two-key order: col 1 groups, col 2 orders inside.
void fillTwoKeys(InputTestGrid& t) {
    const int first[] = {2, 1, 2, 1};
    const char* second[] = {"a", "d", "c", "b"};
    for (int r = 1; r <= 4; ++r) {
        t.grid.SetCellValue(r, 1, first[r - 1]);
        t.grid.SetCellValue(r, 2, second[r - 1]);
    }
}

void wheel(QWidget* w, const QPoint& at, int delta) {
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

QString order(InputTestGrid& t) {
    QStringList rows;
    for (int r = 1; r <= t.grid.RowCount(); ++r)
        rows << t.grid.CellValue(r, 1).toString() + t.grid.CellValue(r, 2).toString();
    return rows.join(' ');
}

// Records the grid's cell enter and leave events as "enter r,c" and "leave r,c".
void logCellEnterLeave(TessixGrid& grid, QStringList& log) {
    QObject::connect(&grid, &TessixGrid::CellMouseEnter,
                     [&log](int r, int c) { log << QString("enter %1,%2").arg(r).arg(c); });
    QObject::connect(&grid, &TessixGrid::CellMouseLeave,
                     [&log](int r, int c) { log << QString("leave %1,%2").arg(r).arg(c); });
}

void clickHeader(InputTestGrid& t, int col, Qt::KeyboardModifiers mods = {}) {
    QTest::mouseClick(t.viewport(), Qt::LeftButton, mods, t.headerPoint(col));
}

} // namespace

class TestGridMouse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headerClickSorts();
    void modifiersAddSortKeys_data();
    void modifiersAddSortKeys();
    void headerClickRefusedOrOff();
    void resizeWithinLimits();
    void resizeRefusedAndFitting();
    void dragColumn();
    void dragColumnRefused();
    void mouseDownRowsAndCols_data();
    void mouseDownRowsAndCols();
    void mouseDownDoDefault();
    void mouseUpDoDefault();
    void enterLeave();
    void hotCellFollowsMovedRows();
    void headerHotTracking();
    void wheelScrollsByRows();
    void toolTips();
};

void TestGridMouse::headerClickSorts() {
    InputTestGrid t(4, 3);
    fillTwoKeys(t);
    t.grid.ColObject(2)->SetDefaultSortOrder(SortDescending);
    QSignalSpy before(&t.grid, &TessixGrid::BeforeSort);
    QSignalSpy after(&t.grid, &TessixGrid::AfterSort);

    clickHeader(t, 2); // default order of column 2: descending
    QCOMPARE(order(t), QString("1d 2c 1b 2a"));
    clickHeader(t, 2); // again: reversed
    QCOMPARE(order(t), QString("2a 1b 2c 1d"));
    clickHeader(t, 1); // another column: its own default order, alone
    QCOMPARE(order(t), QString("1b 1d 2a 2c"));
    QCOMPARE(t.grid.ColSortIndex(1), 1);
    QCOMPARE(t.grid.ColSortIndex(2), 0);
    QCOMPARE(before.count(), 3);
    QCOMPARE(after.count(), 3);
}

void TestGridMouse::modifiersAddSortKeys_data() {
    QTest::addColumn<int>("mods");
    QTest::newRow("shift") << int(Qt::ShiftModifier);
    QTest::newRow("ctrl") << int(Qt::ControlModifier);
    QTest::newRow("alt") << int(Qt::AltModifier);
}

void TestGridMouse::modifiersAddSortKeys() {
    QFETCH(int, mods);
    InputTestGrid t(4, 3);
    fillTwoKeys(t);
    clickHeader(t, 1);
    clickHeader(t, 2, Qt::KeyboardModifiers(mods));
    QCOMPARE(order(t), QString("1b 1d 2a 2c"));
    QCOMPARE(t.grid.ColSortIndex(1), 1);
    QCOMPARE(t.grid.ColSortIndex(2), 2);
    // The same column with the modifier again reverses only that key.
    clickHeader(t, 2, Qt::KeyboardModifiers(mods));
    QCOMPARE(order(t), QString("1d 1b 2c 2a"));
    QCOMPARE(t.grid.ColSortIndex(2), 2);
    // A plain click starts over with one key.
    clickHeader(t, 2);
    QCOMPARE(t.grid.ColSortIndex(1), 0);
    QCOMPARE(order(t), QString("2a 1b 2c 1d"));
}

void TestGridMouse::headerClickRefusedOrOff() {
    InputTestGrid t(4, 3);
    fillTwoKeys(t);
    const QString unsorted = order(t);
    QList<int> clicked;
    QObject::connect(&t.grid, &TessixGrid::ColHeaderClick, [&](ColHeaderClickArgs& a) {
        clicked << a.col;
        if (a.col == 2)
            a.doDefault = false; // "the click does not sort"
    });
    QSignalSpy before(&t.grid, &TessixGrid::BeforeSort);
    clickHeader(t, 2);
    QCOMPARE(order(t), unsorted);
    t.grid.SetSortOnHeaderClick(false);
    clickHeader(t, 1);
    QCOMPARE(order(t), unsorted);
    QCOMPARE(clicked, QList<int>({2, 1}));
    QCOMPARE(before.count(), 0);
}

void TestGridMouse::resizeWithinLimits() {
    InputTestGrid t(4, 3);
    GridColumn* col = t.grid.ColObject(1);
    col->SetMinWidth(40);
    col->SetMaxWidth(100);
    QSignalSpy resized(&t.grid, &TessixGrid::AfterColResize);
    const QPoint divider = t.dividerPoint(1);
    QTest::mousePress(t.viewport(), Qt::LeftButton, {}, divider);
    QTest::mouseMove(t.viewport(), divider + QPoint(25, 0));
    QCOMPARE(t.grid.ColWidth(1), 85);
    QTest::mouseMove(t.viewport(), divider + QPoint(200, 0));
    QCOMPARE(t.grid.ColWidth(1), 100);
    QTest::mouseMove(t.viewport(), divider + QPoint(-50, 0));
    QCOMPARE(t.grid.ColWidth(1), 40);
    QTest::mouseRelease(t.viewport(), Qt::LeftButton, {}, divider + QPoint(-50, 0));
    QCOMPARE(resized.count(), 1);
    QCOMPARE(t.grid.ColWidth(2), 60);
    // Resizing is not a click: no sort happened.
    QCOMPARE(t.grid.ColSortIndex(1), 0);
}

void TestGridMouse::resizeRefusedAndFitting() {
    InputTestGrid t(4, 3);
    t.grid.SetColAllowSizing(1, false);
    QSignalSpy resized(&t.grid, &TessixGrid::AfterColResize);
    const QPoint divider = t.dividerPoint(1);
    QTest::mousePress(t.viewport(), Qt::LeftButton, {}, divider);
    QTest::mouseMove(t.viewport(), divider + QPoint(30, 0));
    QTest::mouseRelease(t.viewport(), Qt::LeftButton, {}, divider + QPoint(30, 0));
    QCOMPARE(t.grid.ColWidth(1), 60);
    QCOMPARE(resized.count(), 0);

    // Double click on a divider fits the column to its contents.
    t.grid.SetCellValue(2, 2, "a much longer text than sixty pixels can show");
    QTest::mouseDClick(t.viewport(), Qt::LeftButton, {}, t.dividerPoint(2));
    QVERIFY(t.grid.ColWidth(2) > 150);
    QVERIFY(resized.count() >= 1);
}

void TestGridMouse::dragColumn() {
    InputTestGrid t(4, 4);
    QList<int> asked;
    QObject::connect(&t.grid, &TessixGrid::BeforeColDrag,
                     [&](BeforeColDragArgs& a) { asked << a.col; });
    QList<int> dropped;
    QObject::connect(&t.grid, &TessixGrid::ColHeaderDragOver,
                     [&](ColHeaderDragOverArgs& a) { dropped << a.col << a.newPos; });
    QSignalSpy moved(&t.grid, &TessixGrid::AfterColMove);
    int clicks = 0;
    QObject::connect(&t.grid, &TessixGrid::ColHeaderClick, [&](ColHeaderClickArgs&) { ++clicks; });

    QTest::mousePress(t.viewport(), Qt::LeftButton, {}, t.headerPoint(1));
    QTest::mouseMove(t.viewport(), t.headerPoint(2));
    QTest::mouseMove(t.viewport(), t.headerPoint(3));
    QTest::mouseRelease(t.viewport(), Qt::LeftButton, {}, t.headerPoint(3));
    QCOMPARE(asked, QList<int>({1}));
    QCOMPARE(dropped, QList<int>({1, 3}));
    QCOMPARE(t.grid.ColPos(1), 3);
    QCOMPARE(t.grid.ColAtPos(1), 2);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(clicks, 0); // a drag is not a click
}

void TestGridMouse::dragColumnRefused() {
    InputTestGrid t(4, 4);
    bool cancelDrag = true;
    QObject::connect(&t.grid, &TessixGrid::BeforeColDrag,
                     [&](BeforeColDragArgs& a) { a.cancel = cancelDrag; });
    QObject::connect(&t.grid, &TessixGrid::ColHeaderDragOver,
                     [&](ColHeaderDragOverArgs& a) { a.cancel = true; });
    QSignalSpy moved(&t.grid, &TessixGrid::AfterColMove);
    for (bool refuseStart : {true, false}) {
        cancelDrag = refuseStart;
        QTest::mousePress(t.viewport(), Qt::LeftButton, {}, t.headerPoint(1));
        QTest::mouseMove(t.viewport(), t.headerPoint(3));
        QTest::mouseRelease(t.viewport(), Qt::LeftButton, {}, t.headerPoint(3));
        QCOMPARE(t.grid.ColPos(1), 1);
    }
    QCOMPARE(moved.count(), 0);
    // Header dragging switched off: the column stays and nobody is asked.
    t.grid.Header().SetDragColumns(false);
    cancelDrag = false;
    int asked = 0;
    QObject::connect(&t.grid, &TessixGrid::BeforeColDrag, [&](BeforeColDragArgs&) { ++asked; });
    QTest::mousePress(t.viewport(), Qt::LeftButton, {}, t.headerPoint(1));
    QTest::mouseMove(t.viewport(), t.headerPoint(3));
    QTest::mouseRelease(t.viewport(), Qt::LeftButton, {}, t.headerPoint(3));
    QCOMPARE(asked, 0);
    QCOMPARE(t.grid.ColPos(1), 1);
}

void TestGridMouse::mouseDownRowsAndCols_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("cell") << "cell" << 3 << 2;
    QTest::newRow("header") << "header" << 0 << 2;
    QTest::newRow("below the rows") << "below" << 0 << 2;
    QTest::newRow("beyond the columns") << "right" << 3 << 0;
    QTest::newRow("header beyond the columns") << "corner" << 0 << 0;
}

void TestGridMouse::mouseDownRowsAndCols() {
    QFETCH(QString, where);
    InputTestGrid t(4, 3);
    const QPoint cell = t.cellPoint(3, 2);
    const QPoint header = t.headerPoint(2);
    const int beyondX = 3 * 60 + 20;
    const QPoint at = where == "cell"     ? cell
                      : where == "header" ? header
                      : where == "below"
                          ? QPoint(cell.x(), viewportOf(t.grid).rowsTop() + 4 * 20 + 30)
                      : where == "right" ? QPoint(beyondX, cell.y())
                                         : QPoint(beyondX, header.y());
    QList<int> down, up, move;
    QObject::connect(&t.grid, &TessixGrid::CellMouseDown,
                     [&](CellMouseArgs& a) { down << a.button << a.row << a.col; });
    QObject::connect(&t.grid, &TessixGrid::CellMouseUp,
                     [&](CellMouseArgs& a) { up << a.button << a.row << a.col; });
    QObject::connect(&t.grid, &TessixGrid::CellMouseMove,
                     [&](CellMouseArgs& a) { move << a.button << a.x << a.y << a.row << a.col; });
    QFETCH(int, row);
    QFETCH(int, col);
    QTest::mouseMove(t.viewport(), at);
    QTest::mouseClick(t.viewport(), Qt::RightButton, {}, at);
    QCOMPARE(down, QList<int>({MouseRight, row, col}));
    QCOMPARE(up, QList<int>({MouseRight, row, col}));
    QCOMPARE(move, QList<int>({MouseNone, at.x(), at.y(), row, col}));
}

void TestGridMouse::mouseDownDoDefault() {
    InputTestGrid t(4, 3);
    t.grid.SetCurCell(1, 1);
    QStringList log;
    QObject::connect(&t.grid, &TessixGrid::CellMouseDown, [&](CellMouseArgs& a) {
        log << QString("down %1,%2").arg(a.row).arg(a.col);
        a.doDefault = a.row != 3;
    });
    QObject::connect(&t.grid, &TessixGrid::CellMouseUp,
                     [&](CellMouseArgs& a) { log << QString("up %1,%2").arg(a.row).arg(a.col); });
    QObject::connect(&t.grid, &TessixGrid::CellClick,
                     [&](int r, int c) { log << QString("click %1,%2").arg(r).arg(c); });
    t.click(3, 2); // refused: no selection or current-cell change, the release still comes
    QCOMPARE(t.current(), QString("1,1"));
    QCOMPARE(t.selection(), QString("1,1"));
    t.click(2, 3);
    QCOMPARE(t.current(), QString("2,3"));
    QCOMPARE(log, QStringList({"down 3,2", "up 3,2", "down 2,3", "up 2,3", "click 2,3"}));
    // Clicking outside the rows changes nothing.
    QTest::mouseClick(t.viewport(), Qt::LeftButton, {},
                      QPoint(10, viewportOf(t.grid).rowsTop() + 4 * 20 + 30));
    QCOMPARE(t.current(), QString("2,3"));
}

void TestGridMouse::mouseUpDoDefault() {
    InputTestGrid t(4, 3);
    QStringList clicks;
    QObject::connect(&t.grid, &TessixGrid::CellClick,
                     [&](int row, int col) { clicks << QString("%1,%2").arg(row).arg(col); });
    QObject::connect(&t.grid, &TessixGrid::CellMouseUp,
                     [](CellMouseArgs& args) { args.doDefault = args.row != 2; });
    t.click(3, 1);
    t.click(2, 1);
    QCOMPARE(clicks, QStringList{"3,1"});
}

void TestGridMouse::enterLeave() {
    InputTestGrid t(4, 3);
    QStringList log;
    logCellEnterLeave(t.grid, log);
    QObject::connect(&t.grid, &TessixGrid::ColMouseEnter,
                     [&](int c) { log << QString("col enter %1").arg(c); });
    QObject::connect(&t.grid, &TessixGrid::ColMouseLeave,
                     [&](int c) { log << QString("col leave %1").arg(c); });
    const QPoint cell32 = t.cellPoint(3, 2);
    QTest::mouseMove(t.viewport(), cell32);
    QTest::mouseMove(t.viewport(), t.cellPoint(3, 3));
    QTest::mouseMove(t.viewport(), QPoint(3 * 60 + 20, cell32.y())); // the no-column area
    QTest::mouseMove(t.viewport(), t.headerPoint(1));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(t.viewport(), &leave);
    QCOMPARE(log, QStringList({"col enter 2", "enter 3,2", "col leave 2", "col enter 3",
                               "leave 3,2", "enter 3,3", "col leave 3", "col enter 0", "leave 3,3",
                               "col leave 0", "col enter 1", "col leave 1"}));
}

// Rows that move under a still pointer (hidden above it, scrolled) change the hot cell once
// the change is done, with no mouse move; after the pointer left, nothing changes.
void TestGridMouse::hotCellFollowsMovedRows() {
    InputTestGrid t(40, 3);
    QStringList log;
    logCellEnterLeave(t.grid, log);
    const QPoint at = t.cellPoint(3, 2);
    QTest::mouseMove(t.viewport(), at);
    QCOMPARE(log, QStringList({"enter 3,2"}));

    log.clear();
    t.grid.BeginUpdate();
    t.grid.SetRowVisible(1, false);
    t.grid.SetRowVisible(2, false);
    t.grid.EndUpdate();
    QCOMPARE(log, QStringList()); // not while the program's own code runs
    QTRY_COMPARE(log, QStringList({"leave 3,2", "enter 5,2"}));

    log.clear();
    t.grid.verticalScrollBar()->setValue(t.grid.internals().geometry.rowTop(10));
    QTRY_COMPARE(log, QStringList({"leave 5,2", "enter 12,2"}));

    log.clear();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(t.viewport(), &leave);
    t.grid.SetRowVisible(3, false);
    QTest::qWait(20);
    QCOMPARE(log, QStringList({"leave 12,2"}));
}

void TestGridMouse::headerHotTracking() {
    InputTestGrid t(4, 3);
    QTest::mouseMove(t.viewport(), t.headerPoint(2));
    QCOMPARE(t.grid.internals().headerView.hotCol(), 2);
    QTest::mouseMove(t.viewport(), t.cellPoint(1, 2));
    QCOMPARE(t.grid.internals().headerView.hotCol(), 0);
    // While the header button is held it shows pressed, not hot.
    QTest::mousePress(t.viewport(), Qt::LeftButton, {}, t.headerPoint(3));
    QCOMPARE(t.grid.internals().headerView.pressedCol(), 3);
    QTest::mouseRelease(t.viewport(), Qt::LeftButton, {}, t.headerPoint(3));
    QCOMPARE(t.grid.internals().headerView.pressedCol(), 0);
    t.grid.Header().SetHotTracking(false);
    QTest::mouseMove(t.viewport(), t.headerPoint(1));
    QCOMPARE(t.grid.internals().headerView.hotCol(), 0);
}

void TestGridMouse::wheelScrollsByRows() {
    InputTestGrid t(100, 3);
    t.grid.SetRowHeight(2, 45); // uneven rows: the wheel still lands on row tops
    QScrollBar* v = t.grid.verticalScrollBar();
    const QPoint at = t.cellPoint(1, 1);
    const int lines = QApplication::wheelScrollLines();
    wheel(t.viewport(), at, -120); // one notch down
    QCOMPARE(v->value(), t.grid.internals().geometry.rowTop(1 + lines));
    wheel(t.viewport(), at, -60); // half a notch: waits for the rest
    QCOMPARE(v->value(), t.grid.internals().geometry.rowTop(1 + lines));
    wheel(t.viewport(), at, -60);
    QCOMPARE(v->value(), t.grid.internals().geometry.rowTop(1 + 2 * lines));
    wheel(t.viewport(), at, 240 * 10);
    QCOMPARE(v->value(), 0);
}

void TestGridMouse::toolTips() {
    InputTestGrid t(4, 3);
    QObject::connect(&t.grid, &TessixGrid::RequestCellToolTip, [](ToolTipArgs& a) {
        if (a.row == 2) {
            a.text = QString("Row %1\r\nColumn %2").arg(a.row).arg(a.col);
            a.title = "Details";
            a.icon = ToolTipIconInfo;
        }
    });
    QObject::connect(&t.grid, &TessixGrid::RequestColHeaderToolTip, [](ToolTipArgs& a) {
        a.text = QString("Header %1").arg(a.col);
        a.title = QString("C%1 column").arg(a.col);
    });
    auto hover = [&](const QPoint& at) {
        QHelpEvent help(QEvent::ToolTip, at, t.viewport()->mapToGlobal(at));
        QApplication::sendEvent(t.viewport(), &help);
    };
    GridToolTips& tips = t.grid.internals().input.toolTips();
    hover(t.cellPoint(2, 3));
    QVERIFY(tips.isShown());
    QCOMPARE(tips.shownText(), QString("Row 2\nColumn 3"));
    QCOMPARE(tips.shownTitle(), QString("Details"));
    // A cell without a text from the handler shows none.
    hover(t.cellPoint(3, 3));
    QVERIFY(!tips.isShown());
    hover(t.headerPoint(1));
    QCOMPARE(tips.shownText(), QString("Header 1"));
    QCOMPARE(tips.shownTitle(), QString("C1 column"));
    // Leaving the item hides the tip.
    QTest::mouseMove(t.viewport(), t.cellPoint(4, 1));
    QVERIFY(!tips.isShown());
}

QTEST_MAIN(TestGridMouse)
#include "tst_gridmouse.moc"
