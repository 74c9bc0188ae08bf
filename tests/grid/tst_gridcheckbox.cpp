// Check-box cells: toggles by mouse (on the box only) and by space, two and three states,
// the commit events a toggle raises (BeforeCommitEdit sees the new state as an Integer,
// then AfterCommitEdit and CellCheckChange with the previous state), refusals, and the
// value/state link: values written by the program move the box, silently.

#include "EditEventLog.h"
#include "GridTestAccess.h"
#include "InputTestGrid.h"

#include "view/GridCellControls.h"

Q_DECLARE_METATYPE(Variant)

namespace {
// A grid whose column 2 shows check boxes (centred); column 3 is three-state.
struct CheckGrid : InputTestGrid {
    CheckGrid() : InputTestGrid(4, 3) {
        for (int r = 1; r <= 4; ++r) {
            for (int c = 2; c <= 3; ++c) {
                grid.SetCellValue(r, c, Variant());
                grid.SetCellCheckBoxVisible(r, c, true);
                grid.SetCellCheckBoxAlign(r, c, CheckBoxCenter);
            }
            grid.SetCellStyleFlags(r, 3, ThreeStateStyleFlag);
        }
    }
    QPoint boxPoint(int row, int col) {
        const CellStyle& look = grid.internals().store.CellLook(row, col);
        const QRect content =
            cellContentRect(look, viewportOf(grid).cellRect(row, col), grid.GridLines());
        return checkBoxRect(look, content, checkBoxSize(grid)).center();
    }
    void clickBox(int row, int col) {
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, boxPoint(row, col));
    }
};
} // namespace

class TestGridCheckBox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mouseToggleRaisesTheCommitEvents();
    void clickBesideTheBoxDoesNotToggle();
    void spaceToggles();
    void threeStatesCycle();
    void refusedToggleChangesNothing();
    void programWritesRaiseNothing();
    void valueMovesTheBox_data();
    void valueMovesTheBox();
    void toggleKeepsTheValuesForm_data();
    void toggleKeepsTheValuesForm();
    void notEditableNoToggle();
};

void TestGridCheckBox::mouseToggleRaisesTheCommitEvents() {
    CheckGrid t;
    EditEventLog log(t.grid);
    t.clickBox(2, 2);
    QCOMPARE(t.grid.CellCheckState(2, 2), int(CheckChecked));
    QVERIFY(t.grid.CellValue(2, 2).isEmpty()); // a state-only cell keeps no value
    QCOMPARE(t.current(), QString("2,2"));
    // The new value differs from the (empty) cell value, so "changed?" tests see a change.
    QCOMPARE(log.take(), QStringList({"Before 2,2 text=1 value=1:Integer canStay=0 kind=2",
                                      "After 2,2 previous=", "CheckChange 2,2 previous=0"}));
    t.clickBox(2, 2);
    QCOMPARE(t.grid.CellCheckState(2, 2), int(CheckUnchecked));
    QCOMPARE(log.take().last(), QString("CheckChange 2,2 previous=1"));
}

void TestGridCheckBox::clickBesideTheBoxDoesNotToggle() {
    CheckGrid t;
    t.grid.SetColWidth(2, 120);
    EditEventLog log(t.grid);
    const QRect cell = viewportOf(t.grid).cellRect(1, 2);
    QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, cell.topLeft() + QPoint(3, 3));
    QCOMPARE(t.grid.CellCheckState(1, 2), int(CheckUnchecked));
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QVERIFY(log.lines.isEmpty()); // and no text editor either
}

void TestGridCheckBox::spaceToggles() {
    CheckGrid t;
    EditEventLog log(t.grid);
    t.grid.SetCurCell(3, 2);
    t.key(Qt::Key_Space);
    QCOMPARE(t.grid.CellCheckState(3, 2), int(CheckChecked));
    t.key(Qt::Key_Space);
    QCOMPARE(t.grid.CellCheckState(3, 2), int(CheckUnchecked));
    QCOMPARE(log.lines.filter("CheckChange").size(), 2);
    // Typing letters on a check-box cell opens no text editor.
    QTest::keyClicks(&t.grid, "x");
    QVERIFY(!t.grid.internals().editor.isEditing());
}

void TestGridCheckBox::threeStatesCycle() {
    CheckGrid t;
    QList<int> states;
    connect(&t.grid, &TessixGrid::CellCheckChange,
            [&](int row, int col, int) { states << t.grid.CellCheckState(row, col); });
    for (int i = 0; i < 4; ++i)
        t.clickBox(1, 3);
    QCOMPARE(states, QList<int>({1, 2, 0, 1}));
    // A two-state box set grayed by the program turns checked.
    t.grid.SetCellCheckState(1, 2, CheckGrayed);
    t.clickBox(1, 2);
    QCOMPARE(t.grid.CellCheckState(1, 2), int(CheckChecked));
}

void TestGridCheckBox::refusedToggleChangesNothing() {
    CheckGrid t;
    EditEventLog log(t.grid);
    // Refuse the grayed state only, as a window guarding a three-state box does.
    log.onBefore = [](BeforeCommitEditArgs& a) {
        if (a.newValue == Variant(2))
            a.result = CommitDiscard;
    };
    t.clickBox(2, 3);
    t.clickBox(2, 3); // to grayed: refused
    QCOMPARE(t.grid.CellCheckState(2, 3), int(CheckChecked));
    QCOMPARE(log.lines.filter("CheckChange").size(), 1);
    QCOMPARE(log.lines.last(), QString("Before 2,3 text=2 value=2:Integer canStay=0 kind=2"));
    // Result 2 cannot keep anything open here: nothing changes either.
    log.onBefore = [](BeforeCommitEditArgs& a) { a.result = CommitStay; };
    t.clickBox(2, 3);
    QCOMPARE(t.grid.CellCheckState(2, 3), int(CheckChecked));
}

void TestGridCheckBox::programWritesRaiseNothing() {
    CheckGrid t;
    EditEventLog log(t.grid);
    t.grid.SetCellCheckState(1, 2, CheckChecked);
    t.grid.SetCellValue(2, 2, Variant(1));
    t.grid.SetCellValue(3, 3, Variant(2));
    QCOMPARE(t.grid.CellCheckState(1, 2), int(CheckChecked));
    QCOMPARE(t.grid.CellCheckState(2, 2), int(CheckChecked));
    QCOMPARE(t.grid.CellCheckState(3, 3), int(CheckGrayed));
    QVERIFY(t.grid.CellValue(1, 2).isEmpty()); // the state alone does not make a value
    QVERIFY(log.lines.isEmpty());
}

void TestGridCheckBox::valueMovesTheBox_data() {
    QTest::addColumn<Variant>("value");
    QTest::addColumn<bool>("threeState");
    QTest::addColumn<int>("expected"); // the box starts checked
    QTest::newRow("0") << Variant(0) << false << 0;
    QTest::newRow("1") << Variant(1) << false << 1;
    QTest::newRow("-1 (Not 0)") << Variant(-1) << false << 1;
    QTest::newRow("2 three-state") << Variant(2) << true << 2;
    QTest::newRow("2 two-state") << Variant(2) << false << 1;
    QTest::newRow("single 2 three-state") << Variant(2.0f) << true << 2;
    QTest::newRow("False") << Variant(false) << false << 0;
    QTest::newRow("True") << Variant(true) << true << 1;
    QTest::newRow("numeric text") << Variant("0") << false << 0;
    QTest::newRow("other text keeps") << Variant("yes") << false << 1;
    QTest::newRow("empty keeps") << Variant() << false << 1;
    QTest::newRow("null keeps") << Variant::null() << false << 1;
}

void TestGridCheckBox::valueMovesTheBox() {
    QFETCH(Variant, value);
    QFETCH(bool, threeState);
    QFETCH(int, expected);
    CheckGrid t;
    const int col = threeState ? 3 : 2;
    t.grid.SetCellCheckState(1, col, CheckChecked);
    t.grid.SetCellValue(1, col, value);
    QCOMPARE(t.grid.CellCheckState(1, col), expected);
}

void TestGridCheckBox::toggleKeepsTheValuesForm_data() {
    QTest::addColumn<Variant>("value");
    QTest::addColumn<QString>("after"); // value:type after one toggle
    QTest::newRow("boolean") << Variant(true) << "False:Boolean";
    QTest::newRow("long") << Variant(0) << "1:Long";
    QTest::newRow("integer") << Variant(std::int16_t(-1)) << "0:Integer";
    QTest::newRow("text stays") << Variant("x") << "x:String";
}

void TestGridCheckBox::toggleKeepsTheValuesForm() {
    QFETCH(Variant, value);
    QFETCH(QString, after);
    CheckGrid t;
    t.grid.SetCellValue(1, 2, value);
    Variant previous;
    connect(&t.grid, &TessixGrid::AfterCommitEdit,
            [&](int, int, const Variant& p) { previous = p; });
    t.clickBox(1, 2);
    const Variant now = t.grid.CellValue(1, 2);
    QCOMPARE(now.toString() + ":" + now.typeName(), after);
    QVERIFY(previous.sameAs(value));
}

void TestGridCheckBox::notEditableNoToggle() {
    CheckGrid t;
    t.grid.SetEditable(false);
    EditEventLog log(t.grid);
    t.clickBox(1, 2);
    t.grid.SetCurCell(1, 2);
    t.key(Qt::Key_Space);
    QCOMPARE(t.grid.CellCheckState(1, 2), int(CheckUnchecked));
    QVERIFY(log.lines.isEmpty());
}

QTEST_MAIN(TestGridCheckBox)
#include "tst_gridcheckbox.moc"
