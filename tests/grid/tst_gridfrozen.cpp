// Frozen columns: one mapping from content to screen with a scrolled view (cells, header,
// row text, bands, hit tests, scrolling into view), painting clipped to the two areas, the
// editor over frozen and scrolled cells, header drags across the edge, and the count
// following columns that come and go.

#include "InputTestGrid.h"

#include "platform/Colors.h"

#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

constexpr int ColWidth = 60; // InputTestGrid's columns
constexpr int Frozen = 2;
constexpr int FrozenWidth = Frozen * ColWidth;

// Ten columns with the first two frozen, scrolled right by `scroll` pixels.
struct FrozenGrid : InputTestGrid {
    explicit FrozenGrid(int scroll = 0, int cols = 10) : InputTestGrid(30, cols) {
        grid.SetFrozenCols(Frozen);
        scrollTo(scroll);
    }
    void scrollTo(int x) {
        grid.HScrollBar().SetValue(x);
        QCOMPARE(grid.HScrollBar().Value(), x);
    }
    int width() { return viewport()->width(); }
    QImage render() {
        QImage image(viewport()->size(), QImage::Format_RGB32);
        viewport()->render(&image);
        return image;
    }
    // A header point inside a column's item, near its left or right edge.
    QPoint headerNear(int col, bool right) const {
        const QRect item = viewportOf(grid).headerItemRect(col);
        return QPoint(right ? item.right() - 5 : item.left() + 5, item.center().y());
    }
    void dragHeader(int col, const QPoint& to) {
        QTest::mousePress(viewport(), Qt::LeftButton, {}, headerPoint(col));
        QTest::mouseMove(viewport(), to + QPoint(col == 1 ? 1 : -1, 0));
        QTest::mouseMove(viewport(), to);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, to);
    }
    QString order() const {
        QStringList cols;
        for (int pos = 1; pos <= grid.ColCount(); ++pos)
            cols << QString::number(grid.ColAtPos(pos));
        return cols.join(' ');
    }
};

const QColor Blue(0, 0, 255);
const QColor Green(0, 160, 0);
const QColor Red(255, 0, 0);

} // namespace

class TestGridFrozen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mappingWithAScrolledView();
    void rowTextAndBandsWithAScrolledView();
    void horizontalScrolling();
    void paintingIsClippedToTheAreas();
    void edgeSettings();
    void editorOverFrozenAndScrolledCells();
    void dragAcrossTheEdge_data();
    void dragAcrossTheEdge();
    void dragRefusedByTheHandler();
    void areasCannotBeEmptied();
    void countFollowsColumns();
};

void TestGridFrozen::mappingWithAScrolledView() {
    FrozenGrid t(30);
    const GridViewport v = viewportOf(t.grid);
    QCOMPARE(v.frozenWidth(), FrozenWidth);
    // Frozen cells stay; scrolled ones move, column 3 sliding half under column 2.
    QCOMPARE(v.cellRect(1, 1), QRect(0, v.rowsTop(), ColWidth, 20));
    QCOMPARE(v.cellRect(1, 2).left(), ColWidth);
    QCOMPARE(v.cellRect(1, 3).left(), 2 * ColWidth - 30);
    QCOMPARE(v.shownCellRect(1, 3), QRect(FrozenWidth, v.rowsTop(), 30, 20));
    QCOMPARE(v.shownCellRect(1, 2), v.cellRect(1, 2));
    QCOMPARE(v.headerItemRect(3).left(), 2 * ColWidth - 30);
    QCOMPARE(v.columnsRight(), 10 * ColWidth - 30);
    int left = 0, top = 0, width = 0, height = 0;
    t.grid.GetCellRect(1, 3, left, top, width, height);
    QCOMPARE(left, 2 * ColWidth - 30);

    // Hit tests: the frozen column wins over the scrolled one drawn under it.
    struct Hit {
        int x, col;
    };
    for (const Hit& h : {Hit{10, 1}, Hit{100, 2}, Hit{FrozenWidth - 1, 2}, Hit{FrozenWidth, 3},
                         Hit{149, 3}, Hit{150, 4}}) {
        QCOMPARE(v.colAt(h.x), h.col);
        QCOMPARE(v.cellAt(QPoint(h.x, v.rowsTop() + 25)), std::make_pair(2, h.col));
        QCOMPARE(v.cellAt(QPoint(h.x, 5)), std::make_pair(0, h.col)); // the header
    }
    // A click in the frozen area over the scrolled cell selects the frozen one.
    QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, QPoint(100, v.rowsTop() + 25));
    QCOMPARE(t.current(), QString("2,2"));
    QCOMPARE(t.grid.HScrollBar().Value(), 30); // a frozen cell needs no scrolling
    QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, QPoint(FrozenWidth + 5, v.rowsTop() + 25));
    QCOMPARE(t.current(), QString("2,3"));
    QCOMPARE(t.grid.HScrollBar().Value(), 0); // brought fully into view
}

void TestGridFrozen::rowTextAndBandsWithAScrolledView() {
    FrozenGrid t;
    t.grid.SetRowIsGroup(1, true);
    t.grid.SetShowRowText(true);
    t.grid.SetRowCellsHeight(2, 10); // row 2: 10 pixels of cells, 10 of row text
    t.scrollTo(100);
    const GridViewport v = viewportOf(t.grid);
    // A band spans both areas: its caption starts at the left edge while the rest scroll.
    const QRect band = v.rowTextRect(1);
    QCOMPARE(band.left(), 0);
    QCOMPARE(band.right() + 1, v.columnsRight());
    QCOMPARE(v.cellAt(QPoint(10, band.center().y())).second, t.grid.RowTextCol());
    QCOMPARE(v.cellAt(QPoint(300, band.center().y())).second, t.grid.RowTextCol());
    // Row text under a frozen column: both areas too.
    const int textY = v.rowTextRect(2).center().y();
    QCOMPARE(v.rowTextRect(2).left(), 0);
    const QRect whole(QPoint(0, 0), t.viewport()->size());
    QCOMPARE(v.cellArea(2, t.grid.RowTextCol()), whole);
    // Under a scrolled column it scrolls, and the frozen area hides what slid under it.
    t.grid.SetRowTextStartCol(4);
    const GridViewport under = viewportOf(t.grid);
    QCOMPARE(under.rowTextRect(2).left(), 3 * ColWidth - 100);
    QCOMPARE(under.cellArea(2, t.grid.RowTextCol()), under.scrollingArea());
    QCOMPARE(under.cellArea(1, t.grid.RowTextCol()), whole);          // the band still spans both
    QCOMPARE(under.cellAt(QPoint(100, textY)), std::make_pair(2, 0)); // left of its start
    QCOMPARE(under.cellAt(QPoint(FrozenWidth + 5, textY)).second, t.grid.RowTextCol());
}

void TestGridFrozen::horizontalScrolling() {
    FrozenGrid t;
    const int width = t.width();
    QScrollBar* bar = t.grid.horizontalScrollBar();
    // Only the columns right of the frozen area scroll, through the width it leaves.
    QCOMPARE(t.grid.HScrollBar().Max(), 10 * ColWidth - width);
    QCOMPARE(t.grid.HScrollBar().LargeChange(), width - FrozenWidth);
    QCOMPARE(bar->pageStep(), width - FrozenWidth);

    t.grid.SetCurCell(1, 10);
    QCOMPARE(viewportOf(t.grid).cellRect(1, 10).right() + 1, width); // last column at the edge
    t.grid.SetCurCell(1, 1);
    QCOMPARE(t.grid.HScrollBar().Value(), 10 * ColWidth - width); // frozen: no scroll
    t.grid.SetCurCell(1, 3);
    QCOMPARE(t.grid.HScrollBar().Value(), 0); // the first scrolled column right of the edge
    QCOMPARE(viewportOf(t.grid).cellRect(1, 3).left(), FrozenWidth);

    // A frozen area wider than the grid leaves no page; the rest still scrolls to its end.
    t.grid.SetFrozenCols(8);
    QCOMPARE(t.grid.HScrollBar().Max(), 2 * ColWidth);
    QCOMPARE(t.grid.HScrollBar().LargeChange(), 1);
    t.grid.SetFrozenCols(0);
    QCOMPARE(t.grid.HScrollBar().LargeChange(), width);
}

void TestGridFrozen::paintingIsClippedToTheAreas() {
    FrozenGrid t(30);
    t.grid.Header().SetUseOSStyle(false);
    for (int r = 1; r <= t.grid.RowCount(); ++r) {
        t.grid.SetCellBackColor(r, 2, QColorToOle(Blue));
        t.grid.SetCellBackColor(r, 3, QColorToOle(Green));
        t.grid.SetCellValue(r, 3, QString()); // no text over the colours
    }
    t.grid.SetColHeaderBackColor(2, QColorToOle(Blue));
    t.grid.SetColHeaderBackColor(3, QColorToOle(Green));
    t.grid.SetFocusRectColor1(QColorToOle(Red));
    t.grid.SetFocusRectColor2(QColorToOle(Red));
    t.grid.SetGridLines(GridLinesNone);
    t.grid.SetCurCell(2, 3);
    t.scrollTo(30); // column 3 at 90..149, its left half under column 2

    const GridViewport v = viewportOf(t.grid);
    const int row2 = v.cellRect(2, 3).top();
    const int row5 = v.cellRect(5, 3).center().y();
    const int header = v.headerArea().center().y();
    const QImage shot = t.render();
    QCOMPARE(shot.pixelColor(100, row5), Blue); // the frozen cell over the scrolled one
    QCOMPARE(shot.pixelColor(FrozenWidth + 10, row5), Green);
    QCOMPARE(shot.pixelColor(100, header), Blue);
    QCOMPARE(shot.pixelColor(FrozenWidth + 10, header), Green);
    // The focus rectangle of the scrolled cell keeps out of the frozen area.
    QCOMPARE(shot.pixelColor(FrozenWidth + 10, row2), Red);
    QCOMPARE(shot.pixelColor(100, row2), Blue);
    QCOMPARE(shot.pixelColor(v.cellRect(2, 3).left(), row2 + 5), Blue);
    // No grid lines and no DrawFrozenEdgeAlways: no edge.
    QCOMPARE(shot.pixelColor(FrozenWidth - 1, row5), Blue);
}

void TestGridFrozen::edgeSettings() {
    FrozenGrid t(30);
    t.grid.SetRowCount(5); // so that the edge's end at the last row shows
    QCOMPARE(t.grid.FrozenEdgeWidth(), 2);
    // Widths the grid cannot draw are refused and change nothing.
    for (int px : {-1, 11, 1000})
        QVERIFY2(!t.grid.SetFrozenEdgeWidth(px), qPrintable(QString::number(px)));
    QCOMPARE(t.grid.FrozenEdgeWidth(), 2);
    QVERIFY(t.grid.SetFrozenEdgeWidth(10));
    QVERIFY(t.grid.SetFrozenEdgeWidth(0));
    QVERIFY(t.grid.SetFrozenEdgeWidth(3));

    for (int r = 1; r <= t.grid.RowCount(); ++r)
        t.grid.SetCellBackColor(r, 2, QColorToOle(Blue));
    t.grid.SetFrozenEdgeColor(0x80000010); // a system colour
    QCOMPARE(t.grid.FrozenEdgeColor(), 0x80000010u);
    const QRgb system = OleColorToQColor(0x80000010).rgb();
    const GridViewport v = viewportOf(t.grid);
    const int y = v.cellRect(5, 2).center().y();
    const int below = v.rowsTop() + 5 * 20 + 5;
    struct Case {
        int gridLines;
        bool always;
        bool shows;
    };
    for (const Case& c : {Case{GridLinesBoth, false, true}, Case{GridLinesHorizontal, false, true},
                          Case{GridLinesNone, false, false}, Case{GridLinesNone, true, true}}) {
        t.grid.SetGridLines(c.gridLines);
        t.grid.SetDrawFrozenEdgeAlways(c.always);
        const QImage shot = t.render();
        // Three pixels at the right end of the frozen area, over the last frozen column.
        for (int x = FrozenWidth - 3; x < FrozenWidth; ++x)
            QCOMPARE(shot.pixel(x, y) == system, c.shows);
        QCOMPARE(shot.pixelColor(FrozenWidth - 4, y), Blue);
        QVERIFY(shot.pixel(FrozenWidth, y) != system);         // the scrolled cell is untouched
        QVERIFY(shot.pixel(FrozenWidth - 1, below) != system); // ends at the last row
    }
}

void TestGridFrozen::editorOverFrozenAndScrolledCells() {
    FrozenGrid t;
    struct Case {
        int col;
        int scroll;
        QRect expected; // in the viewport, the grid lines left visible
    };
    const int top = viewportOf(t.grid).cellRect(3, 1).top();
    for (const Case& c : {Case{1, 100, QRect(0, top, ColWidth - 1, 19)},
                          Case{3, 30, QRect(FrozenWidth, top, 29, 19)},
                          Case{4, 30, QRect(150, top, ColWidth - 1, 19)}}) {
        t.grid.SetCurCell(3, c.col);
        t.key(Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(t.grid.internals().editor.editorWidget());
        QVERIFY(editor);
        t.scrollTo(c.scroll); // the editor follows its cell and stays out of the frozen area
        QCOMPARE(editor->geometry(), c.expected);
        t.key(Qt::Key_Escape);
    }
    // Scrolled entirely under the frozen area: the editor is out of sight.
    t.grid.SetCurCell(3, 3);
    t.key(Qt::Key_F2);
    t.scrollTo(ColWidth);
    QVERIFY(!t.viewport()->rect().intersects(t.grid.internals().editor.editorWidget()->geometry()));
}

void TestGridFrozen::dragAcrossTheEdge_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("onto");
    QTest::addColumn<bool>("rightHalf");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("frozen");
    QTest::addColumn<int>("newPos");
    QTest::addColumn<bool>("crosses");
    QTest::newRow("into the frozen area") << 4 << 2 << false << "1 4 2 3 5" << 3 << 2 << true;
    QTest::newRow("to the end of the frozen area")
        << 5 << 2 << true << "1 2 5 3 4" << 3 << 3 << true;
    QTest::newRow("first scrolled one frozen in place")
        << 3 << 2 << true << "1 2 3 4 5" << 3 << 3 << true;
    QTest::newRow("out to the first scrolled place")
        << 1 << 3 << false << "2 1 3 4 5" << 1 << 2 << true;
    QTest::newRow("out to the end") << 2 << 5 << true << "1 3 4 5 2" << 1 << 5 << true;
    QTest::newRow("within the frozen area") << 1 << 2 << true << "2 1 3 4 5" << 2 << 2 << false;
    QTest::newRow("within the scrolled area") << 5 << 3 << false << "1 2 5 3 4" << 2 << 3 << false;
}

void TestGridFrozen::dragAcrossTheEdge() {
    QFETCH(int, col);
    QFETCH(int, onto);
    QFETCH(bool, rightHalf);
    QFETCH(QString, order);
    QFETCH(int, frozen);
    QFETCH(int, newPos);
    QFETCH(bool, crosses);
    FrozenGrid t(0, 5);
    QList<bool> lastInArea;
    QObject::connect(&t.grid, &TessixGrid::BeforeColDrag,
                     [&](BeforeColDragArgs& a) { lastInArea << a.lastInArea; });
    QList<ColHeaderDragOverArgs> over;
    QObject::connect(&t.grid, &TessixGrid::ColHeaderDragOver,
                     [&](ColHeaderDragOverArgs& a) { over << a; });
    QSignalSpy moved(&t.grid, &TessixGrid::AfterColMove);
    t.dragHeader(col, t.headerNear(onto, rightHalf));
    QCOMPARE(lastInArea, QList<bool>{false});
    QCOMPARE(over.size(), 1);
    QCOMPARE(over[0].col, col);
    QCOMPARE(over[0].newPos, newPos);
    QCOMPARE(over[0].crossesBoundary, crosses);
    QCOMPARE(t.order(), order);
    QCOMPARE(t.grid.FrozenCols(), frozen);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(t.grid.ColPos(col), newPos);
}

void TestGridFrozen::dragRefusedByTheHandler() {
    // A window that forbids crossing cancels only the moves that cross.
    FrozenGrid t(0, 5);
    QObject::connect(&t.grid, &TessixGrid::ColHeaderDragOver,
                     [&](ColHeaderDragOverArgs& a) { a.cancel = a.crossesBoundary; });
    t.dragHeader(1, t.headerNear(4, false));
    QCOMPARE(t.order(), QString("1 2 3 4 5"));
    QCOMPARE(t.grid.FrozenCols(), 2);
    t.dragHeader(5, t.headerNear(3, false));
    QCOMPARE(t.order(), QString("1 2 5 3 4"));
    QCOMPARE(t.grid.FrozenCols(), 2);
}

void TestGridFrozen::areasCannotBeEmptied() {
    struct Case {
        int frozen, col, onto;
        QString order;
    };
    // One frozen column; then one scrolled column (three columns, two frozen); a hidden
    // column does not count as the area's other column.
    for (const Case& c : {Case{1, 1, 3, "1 2 3"}, Case{2, 3, 1, "1 2 3"}, Case{2, 1, 3, "1 2 3"}}) {
        FrozenGrid t(0, 3);
        t.grid.SetFrozenCols(c.frozen);
        if (c.col == 1 && c.frozen == 2)
            t.grid.SetColVisible(2, false);
        QList<bool> lastInArea;
        QObject::connect(&t.grid, &TessixGrid::BeforeColDrag,
                         [&](BeforeColDragArgs& a) { lastInArea << a.lastInArea; });
        int over = 0;
        QObject::connect(&t.grid, &TessixGrid::ColHeaderDragOver,
                         [&](ColHeaderDragOverArgs&) { ++over; });
        t.dragHeader(c.col, t.headerNear(c.onto, false));
        QCOMPARE(lastInArea, QList<bool>{true});
        QCOMPARE(over, 0); // not a drop the grid would make
        QCOMPARE(t.order(), c.order);
        QCOMPARE(t.grid.FrozenCols(), c.frozen);
    }
    // Nothing frozen: the only column of the grid is the last of its area too.
    FrozenGrid one(0, 1);
    one.grid.SetFrozenCols(0);
    QList<bool> lastInArea;
    QObject::connect(&one.grid, &TessixGrid::BeforeColDrag,
                     [&](BeforeColDragArgs& a) { lastInArea << a.lastInArea; });
    one.dragHeader(1, one.headerNear(1, true) + QPoint(40, 0));
    QCOMPARE(lastInArea, QList<bool>{true});
}

void TestGridFrozen::countFollowsColumns() {
    TessixGrid grid;
    grid.SetFrozenCols(2); // windows set it before their columns
    QCOMPARE(grid.FrozenCols(), 2);
    grid.SetColCount(1);
    QCOMPARE(viewportOf(grid).frozenWidth(), grid.ColWidth(1));
    grid.SetColCount(5);
    QCOMPARE(viewportOf(grid).frozenWidth(), 2 * grid.ColWidth(1));
    // A column inserted among the frozen ones or removed from them moves the edge with it.
    grid.AddCol("new", {}, -1, SortTypeByValue, 2);
    QCOMPARE(grid.FrozenCols(), 3);
    grid.AddCol("after", {}, -1, SortTypeByValue, 5); // before a scrolled column
    QCOMPARE(grid.FrozenCols(), 3);
    grid.RemoveCol(1);
    QCOMPARE(grid.FrozenCols(), 2);
    grid.RemoveCol(grid.ColAtPos(grid.ColCount()));
    QCOMPARE(grid.FrozenCols(), 2);
    // A hidden frozen column keeps its place but takes no width.
    grid.SetColVisible(grid.ColAtPos(1), false);
    QCOMPARE(viewportOf(grid).frozenWidth(), grid.ColWidth(grid.ColAtPos(2)));
    // The count survives a layout text, and a grid without columns keeps its setting.
    const QString layout = grid.ColLayout();
    grid.SetFrozenCols(0);
    grid.SetColLayout(layout);
    QCOMPARE(grid.FrozenCols(), 2);
    grid.Clear(true);
    QCOMPARE(grid.FrozenCols(), 2);
    grid.SetFrozenCols(-3);
    QCOMPARE(grid.FrozenCols(), 0);
}

QTEST_MAIN(TestGridFrozen)
#include "tst_gridfrozen.moc"
