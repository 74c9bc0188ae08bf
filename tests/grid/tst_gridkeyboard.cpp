// Keyboard navigation through the real widget: arrows, paging, Home/End, Tab wrapping, hidden
// rows and columns, the order of the current-cell events, KeyDown, and Shift/Ctrl moves.

#include "GridTestAccess.h"
#include "InputTestGrid.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

class TestGridKeyboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void moves_data();
    void moves();
    void paging();
    void endKeysScrollIntoView();
    void eventOrder();
    void nestedMoveWins();
    void programMoves();
    void keyDownCanSwallowKeys();
    void disabledGridIgnoresKeys();
    void tabStaysInGridUnlessTurnedOff();
    void shiftAndCtrlMoves();
};

void TestGridKeyboard::moves_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mods");
    QTest::addColumn<bool>("rowMode");
    QTest::addColumn<QString>("expected");
    // Grid of 10 rows x 4 columns, row 3 and column 2 hidden, column 4 shown first.
    const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    QTest::newRow("down skips hidden row") << "2,1" << int(Qt::Key_Down) << none << false << "4,1";
    QTest::newRow("up skips hidden row") << "4,1" << int(Qt::Key_Up) << none << false << "2,1";
    QTest::newRow("up at top stays") << "1,1" << int(Qt::Key_Up) << none << false << "1,1";
    QTest::newRow("down at bottom stays") << "10,3" << int(Qt::Key_Down) << none << false << "10,3";
    QTest::newRow("right skips hidden column")
        << "1,1" << int(Qt::Key_Right) << none << false << "1,3";
    QTest::newRow("right follows display order")
        << "1,4" << int(Qt::Key_Right) << none << false << "1,1";
    QTest::newRow("left at first stays") << "1,4" << int(Qt::Key_Left) << none << false << "1,4";
    QTest::newRow("home: first displayed") << "5,3" << int(Qt::Key_Home) << none << false << "5,4";
    QTest::newRow("end: last displayed") << "5,4" << int(Qt::Key_End) << none << false << "5,3";
    QTest::newRow("ctrl+home: first row") << "5,3" << int(Qt::Key_Home) << ctrl << false << "1,3";
    QTest::newRow("ctrl+end: last row") << "2,1" << int(Qt::Key_End) << ctrl << false << "10,1";
    QTest::newRow("home in row mode") << "5,3" << int(Qt::Key_Home) << none << true << "1,3";
    QTest::newRow("tab along the row") << "1,4" << int(Qt::Key_Tab) << none << false << "1,1";
    QTest::newRow("tab wraps") << "1,3" << int(Qt::Key_Tab) << none << false << "2,4";
    QTest::newRow("tab wraps past hidden row")
        << "2,3" << int(Qt::Key_Tab) << none << false << "4,4";
    QTest::newRow("shift+tab wraps back") << "4,4" << int(Qt::Key_Tab) << shift << false << "2,3";
    QTest::newRow("backtab wraps back") << "4,4" << int(Qt::Key_Backtab) << shift << false << "2,3";
    QTest::newRow("tab at last cell stays")
        << "10,3" << int(Qt::Key_Tab) << none << false << "10,3";
    QTest::newRow("from no cell") << "0,0" << int(Qt::Key_Down) << none << false << "1,4";
    QTest::newRow("ctrl+end from no cell") << "0,0" << int(Qt::Key_End) << ctrl << false << "10,4";
    QTest::newRow("end in row mode from no cell")
        << "0,0" << int(Qt::Key_End) << none << true << "10,4";
}

void TestGridKeyboard::moves() {
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(int, mods);
    QFETCH(bool, rowMode);
    QFETCH(QString, expected);
    InputTestGrid t(10, 4);
    t.grid.SetRowVisible(3, false);
    t.grid.SetColVisible(2, false);
    t.grid.SetColPos(4, 1);
    t.grid.SetRowMode(rowMode);
    const QStringList rc = start.split(',');
    t.grid.SetCurCell(rc[0].toInt(), rc[1].toInt());
    t.key(key, Qt::KeyboardModifiers(mods));
    QCOMPARE(t.current(), expected);
}

void TestGridKeyboard::paging() {
    InputTestGrid t(100, 3);
    const int perPage = viewportOf(t.grid).rowsArea().height() / 20;
    QVERIFY(perPage > 2);
    t.grid.SetCurCell(1, 2);
    t.key(Qt::Key_PageDown);
    const int afterOne = t.grid.CurRow();
    // About one visible page further, and on screen.
    QVERIFY2(afterOne >= perPage && afterOne <= perPage + 1, qPrintable(t.current()));
    QVERIFY(viewportOf(t.grid).rowsArea().contains(viewportOf(t.grid).cellRect(afterOne, 2)));
    t.key(Qt::Key_PageDown);
    QVERIFY(t.grid.CurRow() > afterOne + perPage - 2);
    t.key(Qt::Key_PageUp);
    t.key(Qt::Key_PageUp);
    QCOMPARE(t.current(), QString("1,2"));
    // Paging stops at the ends and never lands on a hidden row.
    t.grid.SetRowVisible(100, false);
    for (int i = 0; i < 20; ++i)
        t.key(Qt::Key_PageDown);
    QCOMPARE(t.current(), QString("99,2"));
}

void TestGridKeyboard::endKeysScrollIntoView() {
    InputTestGrid t(200, 12);
    t.grid.SetCurCell(1, 1);
    t.key(Qt::Key_End, Qt::ControlModifier);
    t.key(Qt::Key_End);
    QCOMPARE(t.current(), QString("200,12"));
    QVERIFY(t.grid.verticalScrollBar()->value() > 0);
    QVERIFY(t.grid.horizontalScrollBar()->value() > 0);
    QVERIFY(viewportOf(t.grid).rowsArea().contains(viewportOf(t.grid).cellRect(200, 12)));
    t.key(Qt::Key_Home, Qt::ControlModifier);
    t.key(Qt::Key_Home);
    QCOMPARE(t.grid.verticalScrollBar()->value(), 0);
    QCOMPARE(t.grid.horizontalScrollBar()->value(), 0);
}

void TestGridKeyboard::eventOrder() {
    InputTestGrid t(5, 3);
    t.grid.SetCurCell(2, 2);
    QStringList log;
    QObject::connect(&t.grid, &TessixGrid::CurRowChange,
                     [&](int r, int prev) { log << QString("row %1 %2").arg(r).arg(prev); });
    QObject::connect(&t.grid, &TessixGrid::CurColChange,
                     [&](int c, int prev) { log << QString("col %1 %2").arg(c).arg(prev); });
    QObject::connect(&t.grid, &TessixGrid::CurCellChange,
                     [&](int r, int c, int, int) { log << QString("cell %1,%2").arg(r).arg(c); });
    t.key(Qt::Key_Down);
    QCOMPARE(log, QStringList({"row 3 2", "cell 3,2"}));
    log.clear();
    t.key(Qt::Key_Right);
    QCOMPARE(log, QStringList({"col 3 2", "cell 3,3"}));
    log.clear();
    t.key(Qt::Key_Home, Qt::ControlModifier); // row only
    t.key(Qt::Key_Right);                     // at the last column: no move, no event
    QCOMPARE(log, QStringList({"row 1 3", "cell 1,3"}));
    log.clear();
    t.grid.SetCurCell(4, 1);
    QCOMPARE(log, QStringList({"row 4 1", "col 1 3", "cell 4,1"}));
    log.clear();
    t.grid.SetCurCell(0, 0);
    QCOMPARE(log, QStringList({"row 0 4", "col 0 1", "cell 0,0"}));
}

void TestGridKeyboard::nestedMoveWins() {
    InputTestGrid t(8, 3);
    t.grid.SetCurCell(1, 1);
    QStringList cells;
    bool bounced = false;
    QObject::connect(&t.grid, &TessixGrid::CurRowChange, [&](int row, int) {
        if (row == 2 && !bounced) {
            bounced = true;
            t.grid.SetCurCell(7, 3); // the handler moves elsewhere
        }
    });
    QObject::connect(&t.grid, &TessixGrid::CurCellChange,
                     [&](int r, int c, int, int) { cells << QString("%1,%2").arg(r).arg(c); });
    t.key(Qt::Key_Down);
    QCOMPARE(t.current(), QString("7,3"));
    QCOMPARE(cells, QStringList({"7,3"})); // no stale report of 2,1
    QCOMPARE(t.selection(), QString("7,3"));
}

void TestGridKeyboard::programMoves() {
    InputTestGrid t(5, 3);
    QStringList rows;
    QObject::connect(&t.grid, &TessixGrid::CurRowChange,
                     [&](int r, int prev) { rows << QString("%1<%2").arg(r).arg(prev); });
    t.grid.SetCurRow(3); // no current column yet: the first one
    QCOMPARE(t.current(), QString("3,1"));
    t.grid.SetCurCell(99, 99); // clamped
    QCOMPARE(t.current(), QString("5,3"));
    t.grid.SetCurCell(2, ""); // no such column: no current cell
    QCOMPARE(t.current(), QString("0,0"));
    QCOMPARE(rows, QStringList({"3<0", "5<3", "0<5"}));
    // In single selection the selection follows; a multiple one is left alone.
    t.grid.SetCurCell(2, 2);
    QCOMPARE(t.selection(), QString("2,2"));
    t.grid.SetMultiSelect(true);
    t.click(4, 1, Qt::ControlModifier);
    t.grid.SetCurCell(1, 1);
    QCOMPARE(t.selection(), QString("2,2 4,1"));
    // Removing rows from code moves the current cell with its row, quietly.
    rows.clear();
    t.grid.SetCurCell(4, 2);
    rows.clear();
    t.grid.RemoveRow(1);
    QCOMPARE(t.current(), QString("3,2"));
    AddRowArgs before1;
    before1.insertBefore = 1;
    t.grid.AddRow(before1);
    QCOMPARE(t.current(), QString("4,2"));
    QCOMPARE(t.grid.CellValue(4, 1).toString(), QString("4,1"));
    QVERIFY(rows.isEmpty());
}

void TestGridKeyboard::keyDownCanSwallowKeys() {
    InputTestGrid t(5, 3);
    t.grid.SetCurCell(1, 1);
    QList<int> codes;
    int swallow = 0; // 1: keyCode := 0, 2: doDefault := False
    QObject::connect(&t.grid, &TessixGrid::KeyDown, [&](KeyDownArgs& a) {
        codes << a.keyCode;
        if (swallow == 1)
            a.keyCode = 0;
        else if (swallow == 2)
            a.doDefault = false;
    });
    t.key(Qt::Key_Down);
    t.key(Qt::Key_Delete, Qt::ShiftModifier);
    t.key(Qt::Key_F5);
    QCOMPARE(codes, QList<int>({40, 16, 46, 116})); // Shift itself comes as a key too
    QCOMPARE(t.current(), QString("2,1"));
    swallow = 1;
    t.key(Qt::Key_Down);
    swallow = 2;
    t.key(Qt::Key_Down);
    QCOMPARE(t.current(), QString("2,1"));

    QList<int> typed;
    QObject::connect(&t.grid, &TessixGrid::KeyPress, [&](KeyPressArgs& a) { typed << a.keyAscii; });
    swallow = 0;
    QTest::keyClicks(&t.grid, "aZ");
    QCOMPARE(typed, QList<int>({'a', 'Z'}));
}

void TestGridKeyboard::disabledGridIgnoresKeys() {
    InputTestGrid t(5, 3);
    t.grid.SetCurCell(1, 1);
    t.grid.SetEnabled(false);
    t.key(Qt::Key_Down);
    t.key(Qt::Key_Tab);
    QCOMPARE(t.current(), QString("1,1"));
    t.grid.SetEnabled(true);
    t.key(Qt::Key_Down);
    QCOMPARE(t.current(), QString("2,1"));
}

void TestGridKeyboard::tabStaysInGridUnlessTurnedOff() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* grid = new TessixGrid;
    auto* edit = new QLineEdit;
    layout->addWidget(grid);
    layout->addWidget(edit);
    grid->SetColCount(2);
    grid->SetRowCount(2);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    grid->setFocus();
    grid->SetCurCell(1, 2);
    QTest::keyClick(grid, Qt::Key_Tab);
    QCOMPARE(grid->CurRow(), 2);
    QCOMPARE(grid->CurCol(), 1);
    // With TabMovesCurCell off, Tab is the ordinary focus move.
    grid->SetTabMovesCurCell(false);
    QTest::keyClick(grid, Qt::Key_Tab);
    QCOMPARE(grid->CurCol(), 1);
    QVERIFY(edit->hasFocus());
}

void TestGridKeyboard::shiftAndCtrlMoves() {
    InputTestGrid t(8, 4);
    t.grid.SetMultiSelect(true);
    t.grid.SetCurCell(2, 1);
    t.click(2, 1);
    t.key(Qt::Key_Down, Qt::ShiftModifier);
    t.key(Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(t.selection(), QString("2,1 2,2 3,1 3,2"));
    // Ctrl moves the current cell only; Ctrl+Space toggles it; Shift then ranges from there.
    t.key(Qt::Key_Down, Qt::ControlModifier);
    t.key(Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(t.current(), QString("5,2"));
    QCOMPARE(t.selection(), QString("2,1 2,2 3,1 3,2"));
    t.key(Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(t.selection(), QString("2,1 2,2 3,1 3,2 5,2"));
    t.key(Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(t.selection(), QString("2,1 2,2 3,1 3,2 5,2 6,2"));
    // A plain move selects only the new cell; Ctrl+A selects everything shown.
    t.key(Qt::Key_Up);
    QCOMPARE(t.selection(), QString("5,2"));
    t.grid.SetRowVisible(8, false);
    t.key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(t.grid.SelItems().Count(), 28);
    // Single selection: Shift moves just move, Ctrl+A does nothing.
    t.grid.SetMultiSelect(false);
    t.key(Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(t.selection(), QString("6,2"));
    t.key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(t.selection(), QString("6,2"));
}

QTEST_MAIN(TestGridKeyboard)
#include "tst_gridkeyboard.moc"
