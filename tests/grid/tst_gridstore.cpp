#include "model/GridStore.h"

#include <QObject>
#include <QTest>

namespace {
// A store with key-less columns and `rows` rows whose column-1 value is "r<n>".
void fill(GridStore& s, int cols, int rows) {
    s.SetColCount(cols);
    for (int r = 1; r <= rows; ++r)
        s.SetCellValue(s.AddRow(), 1, QStringLiteral("r%1").arg(r));
}

QStringList column1(const GridStore& s) {
    QStringList out;
    for (int r = 1; r <= s.RowCount(); ++r)
        out << s.CellValue(r, 1).toString();
    return out;
}
} // namespace

class TestGridStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addInsertRemoveRows();
    void badRowArgumentsAreRefused();
    void addInsertRemoveColumns();
    void keysAreCaseInsensitive_data();
    void keysAreCaseInsensitive();
    void duplicateKeysAreRefused();
    void colCountWriteMakesKeylessColumns();
    void columnDefaultsApplyToCellsCreatedAfter();
    void defaultValueOfNewCells();
    void rowCountGrowsAndShrinks();
    void clearKeepsOrRemovesColumns();
    void rowTextColumn();
    void memoryManager();
    void styleTableIsShared();
    void emptyRowsHoldNoCells();
    void cellTextUsesFormatAndComboText();
    void rowSideTablesStayWithTheirRows();
    void findRows();
    void treeRows();
    void rowHeights();
    void selectionBits();
    void selectionFollowsColumns();
    void changeNotifications();
    void removedColumnObjectStaysUsable();
};

void TestGridStore::addInsertRemoveRows() {
    GridStore s;
    fill(s, 2, 3);
    QCOMPARE(s.RowCount(), 3);
    AddRowArgs before2;
    before2.insertBefore = 2;
    QCOMPARE(s.AddRow(before2), 2);
    s.SetCellValue(2, 1, "new");
    QCOMPARE(column1(s), QStringList({"r1", "new", "r2", "r3"}));
    AddRowArgs atEnd;
    atEnd.insertBefore = 5; // one past the last row appends
    QCOMPARE(s.AddRow(atEnd), 5);
    QVERIFY(s.RemoveRow(1));
    QCOMPARE(column1(s), QStringList({"new", "r2", "r3", ""}));
    QVERIFY(s.RemoveRow(4));
    QCOMPARE(s.RowCount(), 3);
}

void TestGridStore::badRowArgumentsAreRefused() {
    GridStore s;
    fill(s, 1, 1);
    QVERIFY(!s.RemoveRow(2));
    QVERIFY(!s.RemoveRow(0));
    AddRowArgs a;
    a.insertBefore = 3;
    QCOMPARE(s.AddRow(a), 0);
    a = {};
    a.parentRow = 7;
    QCOMPARE(s.AddRow(a), 0);
    QCOMPARE(s.RowCount(), 1);
    QVERIFY(!s.SetCellValue(2, 1, 5));
    QVERIFY(!s.SetCellValue(1, 2, 5));
    QVERIFY(!s.SetCellValue(1, "nokey", 5));
    QVERIFY(s.CellValue(9, 9).isEmpty());
    QCOMPARE(s.CellForeColor(9, 1), DefaultColor);
    s.SetRowCount(-4);
    QCOMPARE(s.RowCount(), 1);
}

void TestGridStore::addInsertRemoveColumns() {
    GridStore s;
    s.AddCol("a");
    s.AddCol("c");
    s.AddRow();
    s.SetCellValue(1, "a", 1);
    s.SetCellValue(1, "c", 3);
    GridColumn* b = s.AddCol("b", "B", 50, SortTypeNumber, "c");
    QVERIFY(b);
    QCOMPARE(b->index(), 2);
    QCOMPARE(s.ColIndex("c"), 3);
    QCOMPARE(s.CellValue(1, 3), Variant(3)); // the cell moved with its column
    QVERIFY(s.CellValue(1, 2).isEmpty());
    QCOMPARE(s.ColPos("b"), 2);
    QCOMPARE(s.ColAtPos(3), 3);
    QCOMPARE(b->HeaderText(), QString("B"));
    QCOMPARE(b->Width(), 50);
    QCOMPARE(b->SortType(), int(SortTypeNumber));

    QVERIFY(s.SetColPos("a", 3)); // displayed last now
    QCOMPARE(s.ColAtPos(3), 1);
    QVERIFY(s.RemoveCol("b"));
    QCOMPARE(s.ColCount(), 2);
    QCOMPARE(s.CellValue(1, 2), Variant(3));
    QCOMPARE(s.ColAtPos(1), 2); // "c" first, then "a"
    QCOMPARE(s.ColAtPos(2), 1);
    QVERIFY(!s.RemoveCol("b"));
    QVERIFY(!s.RemoveCol(RowTextColIndex));
    QVERIFY(!s.AddCol("x", {}, -1, 0, 9)); // insert before a column that does not exist
}

void TestGridStore::keysAreCaseInsensitive_data() {
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("asked");
    QTest::newRow("lower") << "Total Sales"
                           << "total sales";
    QTest::newRow("upper") << "id"
                           << "ID";
    QTest::newRow("accent") << QString::fromUtf8("Größe") << QString::fromUtf8("GRÖßE");
}

void TestGridStore::keysAreCaseInsensitive() {
    QFETCH(QString, given);
    QFETCH(QString, asked);
    GridStore s;
    s.AddCol("other");
    s.AddCol(given);
    s.AddRow();
    QVERIFY(s.SetCellValue(1, asked, 42));
    QCOMPARE(s.CellValue(1, 2), Variant(42));
    QCOMPARE(s.ColKey(asked), given); // the key keeps its own spelling
}

void TestGridStore::duplicateKeysAreRefused() {
    GridStore s;
    GridColumn* a = s.AddCol("name");
    QVERIFY(!s.AddCol("NAME"));
    GridColumn* b = s.AddCol("other");
    QVERIFY(!b->SetKey("Name"));
    QCOMPARE(b->Key(), QString("other"));
    QVERIFY(a->SetKey("renamed"));
    QCOMPARE(s.ColIndex("name"), 0);
    QCOMPARE(s.ColIndex("RENAMED"), 1);
    QVERIFY(b->SetKey("name"));
    QCOMPARE(s.ColIndex("name"), 2);
}

void TestGridStore::colCountWriteMakesKeylessColumns() {
    GridStore s;
    s.SetDefaultColWidth(70);
    s.SetColCount(5);
    QCOMPARE(s.ColCount(), 5);
    for (int c = 1; c <= 5; ++c) {
        QVERIFY(s.ColKey(c).isEmpty());
        QCOMPARE(s.ColObject(c)->Width(), 70);
        QCOMPARE(s.ColAtPos(c), c);
    }
    s.AddRow();
    s.SetCellValue(1, 5, "last");
    s.SetColCount(2);
    QCOMPARE(s.ColCount(), 2);
    s.SetColCount(5);
    QVERIFY(s.CellValue(1, 5).isEmpty()); // a new column, not the old one back
}

void TestGridStore::columnDefaultsApplyToCellsCreatedAfter() {
    // Two loads with the column colour changed in between give two colour groups.
    GridStore s;
    GridColumn* id = s.AddCol("id");
    for (int i = 0; i < 3; ++i)
        s.SetCellValue(s.AddRow(), "id", i);
    s.AddRow(); // a row whose cells are never set
    id->SetCellBackColor(0x0000FF);
    id->SetCellFont(FontObject(FontData{"Arial", 10, true, false}));
    for (int i = 0; i < 2; ++i)
        s.SetCellValue(s.AddRow(), "id", i);
    const int untouched = s.AddRow();
    for (int r = 1; r <= 4; ++r) {
        QCOMPARE(s.CellBackColor(r, "id"), DefaultColor);
        QVERIFY(!s.cellFontData(r, "id").bold);
    }
    for (int r = 5; r <= untouched; ++r) {
        QCOMPARE(s.CellBackColor(r, "id"), OleColor(0x0000FF));
        QVERIFY(s.cellFontData(r, "id").bold);
    }
    // Setting a value on an old, untouched row keeps its old defaults.
    s.SetCellValue(4, "id", 9);
    QCOMPARE(s.CellBackColor(4, "id"), DefaultColor);
    // -1 written restores the default.
    s.SetCellBackColor(5, "id", 0x00FF00);
    QCOMPARE(s.CellBackColor(5, "id"), OleColor(0x00FF00));
    s.SetCellBackColor(5, "id", DefaultColor);
    QCOMPARE(s.CellBackColor(5, "id"), DefaultColor);
}

void TestGridStore::defaultValueOfNewCells() {
    GridStore s;
    GridColumn* loaded = s.AddCol("Loaded");
    loaded->SetDefaultValue(false);
    s.AddRow();
    QCOMPARE(s.CellValue(1, "loaded").type(), VarType::Boolean);
    QCOMPARE(s.CellValue(1, "loaded"), Variant(false));
    loaded->SetDefaultValue("later");
    s.AddRow();
    QCOMPARE(s.CellValue(1, "loaded"), Variant(false));
    QCOMPARE(s.CellValue(2, "loaded"), Variant("later"));
    QCOMPARE(s.materializedCells(2), 0);
}

void TestGridStore::rowCountGrowsAndShrinks() {
    GridStore s;
    fill(s, 2, 3);
    s.SetDefaultRowHeight(30);
    s.SetRowCount(10);
    QCOMPARE(s.RowCount(), 10);
    QCOMPARE(s.RowHeight(10), 30);
    QCOMPARE(s.RowHeight(1), 18);
    QVERIFY(s.RowVisible(10));
    s.SetCellValue(10, 1, "x");
    s.SetRowCount(2);
    QCOMPARE(column1(s), QStringList({"r1", "r2"}));
    s.SetRowCount(4);
    QVERIFY(s.CellValue(3, 1).isEmpty());
    s.SetRowCount(0);
    QCOMPARE(s.RowCount(), 0);
    QCOMPARE(s.ColCount(), 2);
}

void TestGridStore::clearKeepsOrRemovesColumns() {
    GridStore s;
    fill(s, 3, 4);
    s.SetColKey(RowTextColIndex, "body");
    s.Clear();
    QCOMPARE(s.RowCount(), 0);
    QCOMPARE(s.ColCount(), 3);
    QCOMPARE(s.AllocatedRows(), 0);
    QCOMPARE(s.AddRow(), 1);
    QVERIFY(s.CellValue(1, 1).isEmpty());
    s.Clear(true);
    QCOMPARE(s.RowCount(), 0);
    QCOMPARE(s.ColCount(), 0);
    QCOMPARE(s.ColAtPos(1), 0);
    QCOMPARE(s.ColIndex("body"), RowTextColIndex); // the row-text column is not a column
    QVERIFY(s.AddCol("a"));
    QCOMPARE(s.ColIndex("a"), 1);
}

void TestGridStore::rowTextColumn() {
    GridStore s;
    fill(s, 3, 2);
    QCOMPARE(s.RowTextCol(), RowTextColIndex);
    QVERIFY(s.RowTextCol() < 1 || s.RowTextCol() > s.ColCount());
    QVERIFY(s.SetColKey(s.RowTextCol(), "Category"));
    QCOMPARE(s.ColIndex("category"), RowTextColIndex);
    QCOMPARE(s.ColCount(), 3);
    GridColumn* rt = s.ColObject(s.RowTextCol());
    QCOMPARE(rt, s.RowTextColumn());
    rt->SetCellForeColor(0x880000);
    const int row = s.AddRow();
    QVERIFY(s.SetCellValue(row, "category", "Appearance"));
    QCOMPARE(s.CellValue(row, s.RowTextCol()), Variant("Appearance"));
    QCOMPARE(s.CellForeColor(row, s.RowTextCol()), OleColor(0x880000));
    QCOMPARE(s.CellForeColor(1, s.RowTextCol()), DefaultColor); // made before the default
    QVERIFY(s.CellValue(row, 1).isEmpty());
    s.SetCellFont(row, s.RowTextCol(), FontObject(FontData{"Verdana", 9, true, false}));
    QCOMPARE(s.cellFontData(row, s.RowTextCol()).name, QString("Verdana"));
    QVERIFY(s.RemoveRow(1));
    QCOMPARE(s.CellValue(row - 1, s.RowTextCol()), Variant("Appearance"));
}

void TestGridStore::memoryManager() {
    GridStore s;
    s.SetColCount(2);
    s.SetMemMngWantFreeRows(10);
    QCOMPARE(s.MemMngWantFreeRows(), 10);
    QCOMPARE(s.AllocatedRows(), 0);
    s.AddRow();
    QCOMPARE(s.AllocatedRows(), 11); // the row and ten free ones
    for (int i = 0; i < 10; ++i)
        s.AddRow();
    QCOMPARE(s.AllocatedRows(), 11);
    s.AddRow();
    QCOMPARE(s.AllocatedRows(), 22);
    s.RemoveRow(1); // a removed row's slot is kept for the next row
    s.AddRow();
    QCOMPARE(s.AllocatedRows(), 22);
    s.SetMemMngWantFreeRows(0);
    for (int i = 0; i < 11; ++i) // ten free slots left, then one row at a time
        s.AddRow();
    QCOMPARE(s.AllocatedRows(), 23);
    s.Clear();
    QCOMPARE(s.AllocatedRows(), 0);
    s.SetMemMngWantFreeRows(20000);
    QCOMPARE(s.MemMngWantFreeRows(), 10000);
    s.SetMemMngWantFreeRows(-3);
    QCOMPARE(s.MemMngWantFreeRows(), 0);
}

void TestGridStore::styleTableIsShared() {
    GridStore s;
    fill(s, 4, 500);
    const int before = s.styleCount();
    for (int r = 1; r <= 500; ++r)
        for (int c = 1; c <= 4; ++c) {
            s.SetCellBackColor(r, c, 0xE2E9F3);
            s.SetCellFont(r, c, FontObject(FontData{"Arial", 9, true, false}));
        }
    // One look with the colour, one with colour and font.
    QCOMPARE(s.styleCount(), before + 2);
    s.SetCellBackColor(1, 1, DefaultColor);
    QCOMPARE(s.styleCount(), before + 3);
}

void TestGridStore::emptyRowsHoldNoCells() {
    GridStore s;
    s.SetColCount(512);
    s.SetRowCount(1000);
    for (int r = 1; r <= 1000; r += 99)
        QCOMPARE(s.materializedCells(r), 0);
    QVERIFY(s.CellValue(500, 300).isEmpty());
    QCOMPARE(s.CellAlignment(500, 300), int(AlignLeft));
    s.SetCellValue(500, 300, 1);
    QCOMPARE(s.materializedCells(500), 1);
    QCOMPARE(s.materializedCells(501), 0);
}

void TestGridStore::cellTextUsesFormatAndComboText() {
    GridStore s;
    GridColumn* size = s.AddCol("size");
    size->SetCellFormatString("# KB");
    GridColumn* type = s.AddCol("type");
    type->SetCellType(CellTypeCombo);
    type->SetCellComboList("types");
    s.setComboTextFn([](const QString& list, const Variant& v) -> std::optional<QString> {
        if (list == "types" && v == Variant(1))
            return QStringLiteral("Private person");
        return std::nullopt;
    });
    s.AddRow();
    s.SetCellValue(1, "size", 12);
    s.SetCellValue(1, "type", std::int16_t(1));
    QCOMPARE(s.CellText(1, "size"), QString("12 KB"));
    QCOMPARE(s.CellValue(1, "size"), Variant(12)); // the value is not changed by the format
    QCOMPARE(s.CellText(1, "type"), QString("Private person"));
    s.SetCellValue(1, "type", 7);
    QCOMPARE(s.CellText(1, "type"), QString("7")); // no entry: the value's own text

    // The view gives the same texts; a plain text cell's without a copy.
    s.AddCol("note");
    s.SetCellValue(1, "note", QStringLiteral("short"));
    s.AddRow();
    s.SetCellValue(2, "note", QStringLiteral("a text longer than what a cell keeps inline"));
    for (int row : {1, 2})
        for (const char* col : {"size", "type", "note"}) {
            QString storage;
            QCOMPARE(s.CellTextView(row, col, storage).toString(), s.CellText(row, col));
            if (QString(col) == "note")
                QVERIFY(storage.isNull()); // read where the cell keeps it
        }
    QString storage;
    QCOMPARE(s.CellTextView(1, "size", storage), QStringView(u"12 KB"));
    QCOMPARE(storage, QString("12 KB")); // made, as the value is a number
}

void TestGridStore::rowSideTablesStayWithTheirRows() {
    GridStore s;
    fill(s, 1, 3);
    QVERIFY(s.RowTag(2).isEmpty());
    QObject window;
    s.SetRowTag(2, "total row");
    s.SetRowTagObject(3, &window);
    s.SetRowKey(3, "3");
    AddRowArgs first;
    first.insertBefore = 1;
    first.tag = 7;
    QCOMPARE(s.AddRow(first), 1);
    QCOMPARE(s.RowTag(1), Variant(7));
    QCOMPARE(s.RowTag(3), Variant("total row"));
    QCOMPARE(s.RowTagObject(4), &window);
    QVERIFY(s.RowTag(4).isEmpty());
    QCOMPARE(s.RowKey(4), QString("3"));
    s.RemoveRow(3);
    QCOMPARE(s.FindRowByKey("3"), 3);
    s.SetRowTag(1, Variant());
    QVERIFY(s.RowTag(1).isEmpty());
    {
        QObject gone;
        s.SetRowTagObject(1, &gone);
    }
    QCOMPARE(s.RowTagObject(1), nullptr); // a destroyed object reads as none
}

void TestGridStore::findRows() {
    GridStore s;
    fill(s, 2, 5);
    s.SetRowKey(4, "k4");
    QCOMPARE(s.FindRow(1, "r3"), 3);
    QCOMPARE(s.FindRow(1, "r3", 4), 0);
    QCOMPARE(s.FindRow(1, "none"), 0);
    QCOMPARE(s.FindRow("nokey", "r3"), 0);
    QCOMPARE(s.FindRowByKey("k4"), 4);
    QCOMPARE(s.FindRowByKey("K4"), 0);
    QCOMPARE(s.FindRowByKey(""), 0);
}

void TestGridStore::treeRows() {
    GridStore s;
    fill(s, 1, 2); // r1, r2
    AddRowArgs child;
    child.parentRow = 1;
    QCOMPARE(s.AddRow(child), 2);
    QCOMPARE(s.AddRow(child), 3); // after the first child
    child.parentRow = 2;
    QCOMPARE(s.AddRow(child), 3); // a grandchild, inside row 1's subtree
    QCOMPARE(s.lastRowOfSubtree(1), 4);
    QCOMPARE(s.ParentRow(3), 2);
    QCOMPARE(s.ParentRow(4), 1);
    QCOMPARE(s.RowLevel(3), 2);
    QCOMPARE(s.CellValue(5, 1), Variant("r2"));
    s.RemoveRow(2); // its child moves up a level, under row 1
    QCOMPARE(s.ParentRow(2), 1);
    QCOMPARE(s.RowLevel(2), 1);
}

void TestGridStore::rowHeights() {
    GridStore s;
    s.SetColCount(1);
    s.AddRow();
    s.SetDefaultRowHeight(40);
    QCOMPARE(s.DefaultRowCellsHeight(), 40);
    s.AddRow();
    QCOMPARE(s.RowHeight(1), 18); // only rows created afterwards
    QCOMPARE(s.RowHeight(2), 40);
    QCOMPARE(s.RowCellsHeight(2), 40);
    s.SetRowCellsHeight(2, 20);
    QCOMPARE(s.RowCellsHeight(2), 20);
    s.SetRowHeight(2, 10);
    QCOMPARE(s.RowCellsHeight(2), 10); // never more than the row
    AddRowArgs tall;
    tall.height = 20;
    tall.group = true;
    tall.visible = false;
    const int g = s.AddRow(tall);
    QCOMPARE(s.RowHeight(g), 20);
    QVERIFY(s.RowIsGroup(g));
    QVERIFY(!s.RowVisible(g));
    QVERIFY(!s.SetRowHeight(g, -1));
}

void TestGridStore::selectionBits() {
    GridStore s;
    fill(s, 3, 3);
    s.SetCellSelected(2, 3, true);
    s.SetRowSelected(3, true);
    QVERIFY(s.CellSelected(2, 3));
    QVERIFY(!s.CellSelected(2, 2));
    QCOMPARE(s.materializedCells(2), 1); // selecting does not give the cell its own value
    AddRowArgs top;
    top.insertBefore = 1;
    s.AddRow(top);
    QVERIFY(s.CellSelected(3, 3));
    QVERIFY(s.RowSelected(4));
    s.clearCellSelection();
    QVERIFY(!s.CellSelected(3, 3));
    QVERIFY(!s.RowSelected(4));
}

// Selected cells keep to their columns when columns are inserted or removed before them, in
// narrow and wide grids alike, and the bulk read lists them in row and column order.
void TestGridStore::selectionFollowsColumns() {
    GridStore s;
    fill(s, 100, 3);
    const std::vector<GridCellPos> marks = {{1, 2}, {1, 62}, {1, 63}, {2, 64}, {2, 99}, {3, 100}};
    for (const GridCellPos& m : marks) {
        s.SetCellSelected(m.row, m.col, true);
        s.SetRowSelected(m.row, true);
    }
    s.SetCellSelected(2, RowTextColIndex, true);
    QVERIFY(s.CellSelected(2, RowTextColIndex));
    QCOMPARE(s.materializedCells(2), 1);

    QVERIFY(s.AddCol({}, {}, -1, SortTypeByValue, 1)); // before column 1: every mark moves up
    QVERIFY(s.RemoveCol(64));                          // drops the mark it held
    const std::vector<GridCellPos> moved = {{1, 3}, {1, 63}, {2, 64}, {2, 99}, {3, 100}};
    std::vector<GridCellPos> read(size_t(s.selectedCellCount()));
    int first = -1, last = -1;
    s.writeSelectedCells(read.data(), &first, &last);
    QVERIFY(read.size() == moved.size() && std::equal(read.begin(), read.end(), moved.begin()));
    QCOMPARE(first, 3);
    QCOMPARE(last, 100);
    QVERIFY(s.CellSelected(2, RowTextColIndex)); // not one of the columns

    QVERIFY(s.RemoveCol(100));
    QVERIFY(s.AddCol()); // a new last column starts unselected
    QVERIFY(!s.CellSelected(3, 100));
    s.SetRowSelected(1, false); // a row without its bit is skipped by the bulk read
    QCOMPARE(s.selectedCellCount(), 2);
}

void TestGridStore::changeNotifications() {
    GridStore s;
    fill(s, 2, 2);
    std::vector<GridChange> seen;
    s.setChangeHandler([&](const GridChange& c) { seen.push_back(c); });
    s.SetCellValue(2, 2, "x");
    s.SetCellValue(2, 2, "x"); // unchanged: no notice
    s.SetRowHeight(1, 25);
    s.AddRow();
    s.RemoveRow(1);
    s.Font().SetBold(true);
    QCOMPARE(seen.size(), size_t(5));
    QCOMPARE(seen[0].kind, GridChange::Cell);
    QCOMPARE(seen[0].row, 2);
    QCOMPARE(seen[0].col, 2);
    QCOMPARE(seen[1].kind, GridChange::RowHeight);
    QCOMPARE(seen[2].kind, GridChange::RowsInserted);
    QCOMPARE(seen[2].row, 3);
    QCOMPARE(seen[3].kind, GridChange::RowsRemoved);
    QCOMPARE(seen[4].kind, GridChange::Font);

    // While the handler has a repaint pending that covers every cell, only cell changes go
    // unreported (the writes still happen); a handler set anew hears them again.
    seen.clear();
    s.setCellChangesCovered(true);
    s.SetCellValue(1, 1, "y");
    s.SetCellText(1, 2, "z");
    s.SetCellForeColor(1, 1, 0xFF);
    s.SetRowHeight(1, 30);
    QCOMPARE(seen.size(), size_t(1));
    QCOMPARE(seen[0].kind, GridChange::RowHeight);
    QCOMPARE(s.CellText(1, 1), QString("y"));
    QCOMPARE(s.CellText(1, 2), QString("z"));
    s.setChangeHandler([&](const GridChange& c) { seen.push_back(c); });
    s.SetCellText(1, 2, "w");
    QCOMPARE(seen.size(), size_t(2));
    QCOMPARE(seen[1].kind, GridChange::Cell);
}

void TestGridStore::removedColumnObjectStaysUsable() {
    GridStore s;
    GridColumn* gone = s.AddCol("gone");
    s.AddCol("kept");
    s.RemoveCol("gone");
    QCOMPARE(gone->index(), 0);
    gone->SetCellBackColor(0xFF); // no effect on the grid, no crash
    gone->SetHeaderText("x");
    QVERIFY(!gone->SetKey("kept"));
    QCOMPARE(s.ColIndex("kept"), 1);
}

QTEST_MAIN(TestGridStore)
#include "tst_gridstore.moc"
