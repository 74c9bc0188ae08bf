#include "components/grid/FontObject.h"
#include "model/GridStore.h"

#include <QTest>

class TestFontObject : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void freeFontAttributes();
    void assignmentStoresACopy();
    void handleEditsOnlyItsCell();
    void cellWithoutOwnFontTakesACopyOnFirstEdit();
    void handleFollowsItsRowAndSurvivesRemoval();
    void resetCellFont();
    void gridFontEditedInPlace();
    void columnFontIsADefaultForNewCells();
    void holderHandleOutlivesHolder();
};

void TestFontObject::freeFontAttributes() {
    FontObject f;
    QCOMPARE(f.Name(), QString("Tahoma"));
    QCOMPARE(f.Size(), 8.25);
    f.SetSize(0); // refused
    QCOMPARE(f.Size(), 8.25);
    f.SetName("Arial");
    f.SetSize(10.5);
    f.SetBold(true);
    const QFont q = f.toQFont();
    QCOMPARE(q.family(), QString("Arial"));
    QCOMPARE(q.pointSizeF(), 10.5);
    QVERIFY(q.bold());
    QVERIFY(!q.italic());
    FontObject same = f; // copies of the object are one font
    same.SetItalic(true);
    QVERIFY(f.Italic());
    QVERIFY(same.sameObject(f));
    FontObject other = f.clone();
    other.SetItalic(false);
    QVERIFY(f.Italic());
}

void TestFontObject::assignmentStoresACopy() {
    GridStore s;
    s.SetColCount(2);
    s.AddRow();
    FontObject unread(FontData{"Verdana", 9, false, false});
    s.SetCellFont(1, 1, unread);
    unread.SetBold(true); // the cell keeps what it was given
    QVERIFY(!s.cellFontData(1, 1).bold);
    // Re-assigning after a change shows the change.
    s.SetCellFont(1, 1, unread);
    QVERIFY(s.cellFontData(1, 1).bold);
}

void TestFontObject::handleEditsOnlyItsCell() {
    // One font given to every cell of row 5, then Italic set through one cell's font.
    GridStore s;
    s.SetColCount(4);
    s.SetRowCount(6);
    FontObject shared(FontData{"Arial", 10, false, false});
    for (int c = 1; c <= 4; ++c)
        s.SetCellFont(5, c, shared);
    s.CellFont(5, 3).SetItalic(true);
    for (int c = 1; c <= 4; ++c)
        QCOMPARE(s.cellFontData(5, c).italic, c == 3);
    QVERIFY(!shared.Italic());
    QCOMPARE(s.cellFontData(5, 3).name, QString("Arial"));
}

void TestFontObject::cellWithoutOwnFontTakesACopyOnFirstEdit() {
    GridStore s;
    s.SetFont(FontObject(FontData{"Tahoma", 8.25, false, false}));
    s.SetColCount(2);
    s.SetRowCount(3);
    FontObject f = s.CellFont(2, 2);
    QCOMPARE(f.Name(), QString("Tahoma"));
    QCOMPARE(f.Size(), 8.25);
    f.SetBold(true);
    QVERIFY(s.cellFontData(2, 2).bold);
    QVERIFY(!s.cellFontData(2, 1).bold);
    QVERIFY(!s.cellFontData(3, 2).bold);
    QVERIFY(!s.Font().Bold());
    QVERIFY(f.Bold()); // reads back through the cell
}

void TestFontObject::handleFollowsItsRowAndSurvivesRemoval() {
    GridStore s;
    s.SetColCount(1);
    s.SetRowCount(2);
    FontObject f = s.CellFont(2, 1);
    AddRowArgs top;
    top.insertBefore = 1;
    s.AddRow(top); // the cell is row 3 now
    f.SetBold(true);
    QVERIFY(s.cellFontData(3, 1).bold);
    QVERIFY(!s.cellFontData(2, 1).bold);
    s.RemoveRow(3);
    f.SetItalic(true); // detached: edits its own copy only
    QVERIFY(f.Bold());
    QVERIFY(f.Italic());
    for (int r = 1; r <= s.RowCount(); ++r)
        QVERIFY(!s.cellFontData(r, 1).italic);
    FontObject g = s.CellFont(1, 1);
    s.Clear(true);
    g.SetBold(true);
    QVERIFY(g.Bold());
    FontObject none = s.CellFont(9, 9); // no such cell: a free copy of the grid font
    QCOMPARE(none.Name(), s.Font().Name());
}

void TestFontObject::resetCellFont() {
    GridStore s;
    GridColumn* col = s.AddCol("c");
    s.AddRow();
    s.SetCellFont(1, "c", FontObject(FontData{"Courier New", 9, true, false}));
    QVERIFY(s.ResetCellFont(1, "c"));
    QCOMPARE(s.cellFontData(1, "c"), s.fontData());
    col->SetCellFont(FontObject(FontData{"Arial", 8, false, true}));
    s.SetCellFont(1, "c", FontObject(FontData{"Courier New", 9, true, false}));
    s.ResetCellFont(1, "c");
    QCOMPARE(s.cellFontData(1, "c").name, QString("Arial"));
    QVERIFY(!s.ResetCellFont(1, "nokey"));
}

void TestFontObject::gridFontEditedInPlace() {
    GridStore s;
    s.SetColCount(1);
    s.AddRow();
    int notices = 0;
    s.setChangeHandler([&](const GridChange& c) { notices += c.kind == GridChange::Font; });
    FontObject f = s.Font();
    f.SetSize(10);
    QCOMPARE(s.fontData().size, 10.0);
    QCOMPARE(s.cellFontData(1, 1).size, 10.0); // cells without a font show the grid's
    QCOMPARE(notices, 1);
    f.SetSize(10); // unchanged
    QCOMPARE(notices, 1);
}

void TestFontObject::columnFontIsADefaultForNewCells() {
    GridStore s;
    GridColumn* col = s.AddCol("c");
    s.AddRow();
    FontObject colFont = col->CellFont();
    QCOMPARE(colFont.Name(), s.Font().Name()); // no own font yet: the grid's
    colFont.SetBold(true);
    s.AddRow();
    QVERIFY(!s.cellFontData(1, "c").bold);
    QVERIFY(s.cellFontData(2, "c").bold);
    QVERIFY(!s.Font().Bold());
}

void TestFontObject::holderHandleOutlivesHolder() {
    FontObject handle;
    {
        FontHolder holder(FontData{"Arial", 12, true, false});
        handle = holder.handle();
        QCOMPARE(handle.Size(), 12.0);
    }
    handle.SetSize(14);
    QCOMPARE(handle.Size(), 14.0);
    QVERIFY(handle.Bold());
}

QTEST_MAIN(TestFontObject)
#include "tst_fontobject.moc"
