// Incremental search while typing (KeyPressBehaviour 3 and 4): a prefix builds up within
// the timeout and starts again after it, from the top or from the current row, cyclic or
// not, in the current column or in KeyPressSearchCol, matching the shown texts (combo
// entries), skipping hidden and group rows. Time is a manual clock.

#include "GridTestAccess.h"
#include "InputTestGrid.h"

#include "input/GridEditor.h"
#include "input/GridSearch.h"
#include "platform/Clock.h"

namespace {
// Column 1 names, column 2 codes; the grid searches by typing.
struct SearchGrid : InputTestGrid {
    platform::ManualClock clock;
    platform::ScopedClock scoped{clock};
    SearchGrid() : InputTestGrid(6, 2) {
        const QStringList names = {"Alpha", "beta", "Bravo", "Charlie", "Beta two", "alpine"};
        for (int r = 1; r <= 6; ++r) {
            grid.SetCellValue(r, 1, names[r - 1]);
            grid.SetCellValue(r, 2, QString("k%1").arg(7 - r));
        }
        grid.SetKeyPressBehaviour(TypingModeSearchCurCol);
        grid.SetCurCell(1, 1);
    }
    int type(const QString& text, quint32 gapMs = 100) {
        for (QChar ch : text) {
            clock.advance(gapMs);
            QTest::keyClicks(&grid, QString(ch));
        }
        return grid.CurRow();
    }
};
} // namespace

class TestGridSearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void prefixWithinTimeout();
    void restartAfterTimeout();
    void fromCurrentRow();
    void cyclicOrNot();
    void searchColumn();
    void matchesShownTexts();
    void skipsHiddenAndGroupRows();
    void searchNeverEdits();
};

void TestGridSearch::prefixWithinTimeout() {
    SearchGrid t;
    QCOMPARE(t.type("b"), 2);
    QCOMPARE(t.type("r"), 3); // "br"
    QCOMPARE(t.grid.internals().editor.isEditing(), false);
    QCOMPARE(t.type("x"), 3); // "brx" matches nothing: the current row stays
    QCOMPARE(t.current(), QString("3,1"));
}

void TestGridSearch::restartAfterTimeout() {
    SearchGrid t;
    QCOMPARE(t.type("ch"), 4);
    QCOMPARE(t.type("a", GridSearch::PrefixTimeoutMs + 1), 1); // a new prefix "a"
    QCOMPARE(t.type("lpi"), 6);                                // "alpi"
    QCOMPARE(t.type("b", GridSearch::PrefixTimeoutMs), 6);     // still "alpib"
}

void TestGridSearch::fromCurrentRow() {
    SearchGrid t;
    t.grid.SetSearchFromCurRow(true);
    QCOMPARE(t.type("b"), 2);
    QCOMPARE(t.type("b", 2000), 3); // a new "b" goes on below the current row
    QCOMPARE(t.type("b", 2000), 5);
    QCOMPARE(t.type("e"), 5); // "be": the current row still matches
    t.grid.SetSearchFromCurRow(false);
    QCOMPARE(t.type("b", 2000), 2); // from the top again
}

void TestGridSearch::cyclicOrNot() {
    SearchGrid t;
    t.grid.SetSearchFromCurRow(true);
    t.grid.SetCurCell(5, 1);
    QCOMPARE(t.type("c"), 5); // "Charlie" lies above: not found
    t.grid.SetCyclicSearch(true);
    QVERIFY(t.grid.CyclicSearch());
    QCOMPARE(t.type("c", 2000), 4);
}

void TestGridSearch::searchColumn() {
    SearchGrid t;
    t.grid.SetKeyPressBehaviour(TypingModeSearchCol);
    t.grid.SetKeyPressSearchCol(2);
    QCOMPARE(t.grid.KeyPressSearchCol(), 2);
    QCOMPARE(t.type("k3"), 4);
    QCOMPARE(t.grid.CurCol(), 1);   // the current column stays
    t.grid.SetKeyPressSearchCol(0); // no column: typing does nothing
    QCOMPARE(t.type("k6", 2000), 4);
}

void TestGridSearch::matchesShownTexts() {
    SearchGrid t;
    ComboList* list = t.grid.ComboLists().Add("codes");
    list->AddItem("Zulu", "k2");
    list->AddItem("Yankee", "k4");
    t.grid.SetKeyPressBehaviour(TypingModeSearchCol);
    t.grid.SetKeyPressSearchCol(2);
    for (int r = 1; r <= 6; ++r) {
        t.grid.SetCellType(r, 2, CellTypeCombo);
        t.grid.SetCellComboList(r, 2, "codes");
    }
    QCOMPARE(t.type("y"), 3);
    QCOMPARE(t.type("z", 2000), 5);
}

void TestGridSearch::skipsHiddenAndGroupRows() {
    SearchGrid t;
    t.grid.SetRowVisible(2, false);
    t.grid.SetRowIsGroup(3, true);
    QCOMPARE(t.type("b"), 5);
}

void TestGridSearch::searchNeverEdits() {
    SearchGrid t;
    int requests = 0;
    connect(&t.grid, &TessixGrid::RequestEdit, [&](RequestEditArgs&) { ++requests; });
    t.type("zzz");
    QCOMPARE(requests, 0);
    QCOMPARE(t.current(), QString("1,1"));
}

QTEST_MAIN(TestGridSearch)
#include "tst_gridsearch.moc"
