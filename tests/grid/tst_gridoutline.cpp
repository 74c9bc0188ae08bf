// Outline rows through the real widget: building a tree with parent rows, collapsing that
// folds whole subtrees (painting, navigation, selection reads, the current cell), the tree
// buttons, double clicks and keys, BeforeExpandRow with children added by its handler, and
// a toggle arriving while that handler still runs.

#include "GridTestAccess.h"

#include <QApplication>
#include <QTest>

namespace {

// A shown grid holding this tree (row: name), TreeCol 1, 20-pixel rows:
//   1 A      2 a1    3 a2    4 x (child of a2)    5 y (child of a2)
//   6 a3     7 B     8 C     9 c1 (child of C)
struct TreeGrid {
    TessixGrid grid;
    QStringList toggles; // "row+" / "row-" per BeforeExpandRow

    TreeGrid() {
        grid.BeginUpdate();
        grid.SetDefaultRowHeight(20);
        grid.SetTreeCol(1); // before the columns, as windows set it
        grid.SetColCount(2);
        grid.SetColWidth(1, 150);
        grid.SetEditable(false);
        const int a = add("A");
        add("a1", a);
        const int a2 = add("a2", a);
        add("x", a2);
        add("y", a2);
        add("a3", a);
        add("B");
        const int c = add("C");
        add("c1", c);
        grid.EndUpdate();
        QObject::connect(&grid, &TessixGrid::BeforeExpandRow, [this](int row, bool expand) {
            toggles << QString("%1%2").arg(row).arg(expand ? '+' : '-');
        });
        grid.resize(300, 300);
        grid.show();
        if (!QTest::qWaitForWindowExposed(&grid))
            qWarning("the test grid was not exposed");
    }
    int add(const QString& name, int parent = 0) {
        AddRowArgs args;
        args.parentRow = parent;
        const int row = grid.AddRow(args);
        grid.SetCellValue(row, 1, name);
        return row;
    }
    QString names() const {
        QStringList out;
        for (int r = 1; r <= grid.RowCount(); ++r)
            out << grid.CellText(r, 1);
        return out.join(' ');
    }
    // The rows that show, by name.
    QString shown() const {
        QStringList out;
        for (int r = 1; r <= grid.RowCount(); ++r)
            if (!viewportOf(grid).cellRect(r, 1).isEmpty())
                out << grid.CellText(r, 1);
        return out.join(' ');
    }
    QWidget* viewport() { return grid.viewport(); }
    QPoint buttonPoint(int row, int level) const {
        const QRect cell = viewportOf(grid).cellRect(row, 1);
        return QPoint(cell.left() + grid.CellIndentLeft(row, 1) + level * 16 + 8,
                      cell.center().y());
    }
    QPoint textPoint(int row) const { return viewportOf(grid).cellRect(row, 1).center(); }
};

} // namespace

class TestGridOutline : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buildingKeepsSubtreesTogether();
    void removingAParentLiftsItsChildren();
    void collapsingFoldsSubtrees();
    void navigationAndSelectionSkipFoldedRows();
    void currentCellLeavesACollapsedSubtree();
    void buttonAndDoubleClickToggle();
    void keys_data();
    void keys();
    void childrenAddedWhileExpanding();
};

void TestGridOutline::buildingKeepsSubtreesTogether() {
    TreeGrid t;
    QCOMPARE(t.names(), "A a1 a2 x y a3 B C c1");
    const int parents[] = {0, 1, 1, 3, 3, 1, 0, 0, 8};
    for (int r = 1; r <= 9; ++r)
        QCOMPARE(t.grid.ParentRow(r), parents[r - 1]);
    // A later child of a2 goes after a2's subtree, and a3 moves down.
    QCOMPARE(t.add("z", 3), 6);
    QCOMPARE(t.names(), "A a1 a2 x y z a3 B C c1");
    QCOMPARE(t.grid.ParentRow(7), 1);
    QCOMPARE(t.add("c2", 9), 11);
    // A button shows on parents until the program says otherwise.
    QCOMPARE(t.grid.RowTreeButton(1), int(TreeButtonShown));
    QCOMPARE(t.grid.RowTreeButton(8), int(TreeButtonNone));
    t.grid.SetRowTreeButton(8, TreeButtonShown); // children to come
    QCOMPARE(t.grid.RowTreeButton(8), int(TreeButtonShown));
    t.grid.SetRowTreeButton(1, TreeButtonNone);
    QCOMPARE(t.grid.RowTreeButton(1), int(TreeButtonNone));
}

void TestGridOutline::removingAParentLiftsItsChildren() {
    TreeGrid t;
    t.grid.SetRowExpanded(3, false); // a2 collapsed: x and y folded
    QVERIFY(t.grid.RemoveRow(3));
    QCOMPARE(t.names(), "A a1 x y a3 B C c1");
    QCOMPARE(t.grid.ParentRow(3), 1);          // x now hangs from A
    QCOMPARE(t.shown(), "A a1 x y a3 B C c1"); // and shows: its collapsed parent is gone
    QCOMPARE(t.add("a4", 1), 6);
}

void TestGridOutline::collapsingFoldsSubtrees() {
    TreeGrid t;
    t.grid.SetRowExpanded(3, false);
    QCOMPARE(t.shown(), "A a1 a2 a3 B C c1");
    t.grid.SetRowExpanded(1, false);
    QCOMPARE(t.shown(), "A B C c1");
    // A's children come back; a2 stays collapsed.
    t.grid.SetRowExpanded(1, true);
    QCOMPARE(t.shown(), "A a1 a2 a3 B C c1");
    QVERIFY(!t.grid.RowExpanded(3));
    // A child added under a collapsed row is folded at once.
    t.add("c2", 8);
    t.grid.SetRowExpanded(8, false);
    QCOMPARE(t.add("c3", 8), 11);
    QCOMPARE(t.shown(), "A a1 a2 a3 B C");
}

void TestGridOutline::navigationAndSelectionSkipFoldedRows() {
    TreeGrid t;
    t.grid.SetRowMode(true);
    t.grid.SetMultiSelect(true);
    t.grid.SetCellSelected(2, 1, true); // a1
    t.grid.SetCellSelected(4, 1, true); // x
    t.grid.SetCellSelected(7, 1, true); // B
    t.grid.SetRowExpanded(1, false);
    QCOMPARE(t.grid.SelItems().Count(), 1);
    QCOMPARE(t.grid.SelItems().GetRows().value(0).row, 7);
    t.grid.SetRowExpanded(1, true); // the folded rows kept their selection
    QCOMPARE(t.grid.SelItems().Count(), 3);

    t.grid.SetRowExpanded(1, false);
    t.grid.SetCurCell(1, 1);
    QTest::keyClick(&t.grid, Qt::Key_Down);
    QCOMPARE(t.grid.CurRow(), 7);
    QTest::keyClick(&t.grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(t.grid.CurRow(), 9);
    QTest::keyClick(&t.grid, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(t.grid.CurRow(), 1);
}

void TestGridOutline::currentCellLeavesACollapsedSubtree() {
    TreeGrid t;
    t.grid.SetCurCell(5, 1); // y
    int moves = 0;
    QObject::connect(&t.grid, &TessixGrid::CurRowChange, [&moves] { ++moves; });
    t.grid.SetRowExpanded(1, false);
    QCOMPARE(t.grid.CurRow(), 1);
    QCOMPARE(moves, 1);
    t.grid.SetRowExpanded(7, false); // no children and not current: nothing moves
    QCOMPARE(t.grid.CurRow(), 1);
}

void TestGridOutline::buttonAndDoubleClickToggle() {
    TreeGrid t;
    t.grid.SetCurCell(7, 1);
    QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, t.buttonPoint(3, 1)); // a2's button
    QCOMPARE(t.toggles, QStringList{"3-"});
    QCOMPARE(t.shown(), "A a1 a2 a3 B C c1");
    QCOMPARE(t.grid.CurRow(), 7); // a click on the button leaves the current row
    QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, t.buttonPoint(3, 1));
    QCOMPARE(t.shown(), "A a1 a2 x y a3 B C c1");
    // Beside the button, a click selects; a double click toggles.
    t.toggles.clear();
    QTest::mouseDClick(t.viewport(), Qt::LeftButton, {}, t.textPoint(8));
    QCOMPARE(t.toggles, QStringList{"8-"});
    QCOMPARE(t.shown(), "A a1 a2 x y a3 B C");
    QCOMPARE(t.grid.CurRow(), 8);
    // A double click on the button toggles once per press, not a third time.
    t.toggles.clear();
    QTest::mouseDClick(t.viewport(), Qt::LeftButton, {}, t.buttonPoint(1, 0));
    QCOMPARE(t.toggles, QStringList{"1-"});
}

void TestGridOutline::keys_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("collapseFirst");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("toggles");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("expanded"); // of the start row afterwards

    QTest::newRow("keypad minus collapses")
        << 1 << false << int(Qt::Key_Minus) << true << "1-" << 1 << false;
    QTest::newRow("keypad plus expands")
        << 1 << true << int(Qt::Key_Plus) << true << "1+" << 1 << true;
    QTest::newRow("plus of an expanded row")
        << 1 << false << int(Qt::Key_Plus) << true << "" << 1 << true;
    QTest::newRow("right expands") << 3 << true << int(Qt::Key_Right) << false << "3+" << 3 << true;
    QTest::newRow("right steps into the child")
        << 3 << false << int(Qt::Key_Right) << false << "" << 4 << true;
    QTest::newRow("left collapses")
        << 3 << false << int(Qt::Key_Left) << false << "3-" << 3 << false;
    QTest::newRow("left steps to the parent")
        << 4 << false << int(Qt::Key_Left) << false << "" << 3 << true;
    QTest::newRow("left on a top row stays")
        << 7 << false << int(Qt::Key_Left) << false << "" << 7 << true;
}

void TestGridOutline::keys() {
    QFETCH(int, start);
    QFETCH(bool, collapseFirst);
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(QString, toggles);
    QFETCH(int, current);
    QFETCH(bool, expanded);
    TreeGrid t;
    t.grid.SetRowMode(true);
    if (collapseFirst)
        t.grid.SetRowExpanded(start, false);
    t.grid.SetCurCell(start, 1);
    t.grid.setFocus();
    QTest::keyClick(&t.grid, Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(t.toggles.join(' '), toggles);
    QCOMPARE(t.grid.CurRow(), current);
    QCOMPARE(t.grid.RowExpanded(start), expanded);
}

void TestGridOutline::childrenAddedWhileExpanding() {
    TreeGrid t;
    // B loads its children when first expanded, as a folder scan does, and lets pending
    // input run meanwhile: a second click on its button then must not start another load.
    t.grid.SetRowTreeButton(7, TreeButtonShown);
    t.grid.SetRowExpanded(7, false);
    int loads = 0;
    QObject::connect(&t.grid, &TessixGrid::BeforeExpandRow, [&](int row, bool expand) {
        if (row != 7 || !expand)
            return;
        ++loads;
        QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, t.buttonPoint(7, 0));
        QApplication::processEvents();
        t.add("b1", row);
        t.add("b2", row);
    });
    QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, t.buttonPoint(7, 0));
    QCOMPARE(loads, 1);
    QCOMPARE(t.toggles, QStringList{"7+"});
    QCOMPARE(t.shown(), "A a1 a2 x y a3 B b1 b2 C c1");
}

QTEST_MAIN(TestGridOutline)
#include "tst_gridoutline.moc"
