#include "GridTestAccess.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"

#include <QPainter>
#include <QtTest>

namespace {

const QString LongText = QStringLiteral(
    "A long description that cannot fit on one line of a narrow column, so it has to wrap "
    "over several lines when the column breaks words.");

struct Fixture {
    TessixGrid grid;
    Fixture() {
        grid.resize(400, 300);
        grid.SetBorderStyle(0);
        grid.AddCol("a", "A", 80);
        grid.AddCol("b", "B", 80);
        grid.SetRowCount(3);
    }
    int oneLine() const { return grid.GetOptimalRowHeight(); }
};

} // namespace

class TestGridSizing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void optimalHeightGrowsWithFontLinesAndAllowances();
    void autoHeightRowFitsWrappedCells();
    void autoHeightRowHonoursMinimumAndMaximum();
    void autoHeightRowAddsTheRowText();
    void autoHeightRowsWorksInsideBeginUpdate();
    void autoWidthColWithAndWithoutHeader();
    void autoWidthColKeepsRoomForTheSortMark_data();
    void autoWidthColKeepsRoomForTheSortMark();
    void autoWidthColCountsIconsChecksAndCustomCells();
    void autoWidthColLeavesThePaintedPadding();
    void stretchColFillsTheRemainingWidth();
    void headerAutoHeightFitsMultiLineText();
};

void TestGridSizing::optimalHeightGrowsWithFontLinesAndAllowances() {
    Fixture f;
    FontObject small = f.grid.CreateFont({.Size = 7});
    FontObject big = f.grid.CreateFont({.Size = 16});
    const int plain = f.grid.GetOptimalRowHeight(small);
    QVERIFY(f.grid.GetOptimalRowHeight(big) > plain);
    QVERIFY(f.grid.GetOptimalRowHeight(small, 3) > f.grid.GetOptimalRowHeight(small, 2));
    QVERIFY(f.grid.GetOptimalRowHeight(small, 2) > plain);
    // The check-box allowance is the fourth argument, the combo-button allowance the sixth.
    QVERIFY(f.grid.GetOptimalRowHeight(small, 1, 0, true) > plain);
    QVERIFY(f.grid.GetOptimalRowHeight(small, 1, 0, false, 0, true) > plain);
    const int both = f.grid.GetOptimalRowHeight(small, 1, 0, true, 0, true);
    QVERIFY(both >= f.grid.GetOptimalRowHeight(small, 1, 0, true));
    // No arguments: one line of the grid's own font.
    QCOMPARE(f.grid.GetOptimalRowHeight(), f.grid.GetOptimalRowHeight(f.grid.Font()));
    QCOMPARE(f.grid.GetOptimalRowHeight({}, 0), f.grid.GetOptimalRowHeight({}, 1));
}

void TestGridSizing::autoHeightRowFitsWrappedCells() {
    Fixture f;
    f.grid.SetCellValue(1, "a", LongText);
    f.grid.AutoHeightRow(1);
    QCOMPARE(f.grid.RowHeight(1), f.oneLine()); // no word break: one line, clipped

    f.grid.SetCellTextFlags(1, "a", TextFlagWordBreak);
    f.grid.AutoHeightRow(1);
    const int wrapped = f.grid.RowHeight(1);
    QVERIFY(wrapped > 3 * f.oneLine() / 2);
    QCOMPARE(f.grid.RowCellsHeight(1), wrapped);

    f.grid.SetColWidth("a", 300); // wider column, fewer lines
    f.grid.AutoHeightRow(1);
    QVERIFY(f.grid.RowHeight(1) < wrapped);
    QVERIFY(f.grid.RowHeight(1) >= f.oneLine());
}

void TestGridSizing::autoHeightRowHonoursMinimumAndMaximum() {
    Fixture f;
    f.grid.SetCellValue(2, "b", LongText);
    f.grid.SetCellTextFlags(2, "b", TextFlagWordBreak | TextFlagEndEllipsis);
    f.grid.AutoHeightRow(2);
    const int natural = f.grid.RowHeight(2);
    f.grid.AutoHeightRow(2, 0, 30);
    QCOMPARE(f.grid.RowHeight(2), 30);
    f.grid.AutoHeightRow(2, natural + 50);
    QCOMPARE(f.grid.RowHeight(2), natural + 50);
    QCOMPARE(f.grid.RowCellsHeight(2), natural + 50); // no row text: all of it is cells
    f.grid.AutoHeightRow(99);                         // no such row: nothing happens
    f.grid.AutoHeightRow(0);
}

void TestGridSizing::autoHeightRowAddsTheRowText() {
    Fixture f;
    f.grid.SetShowRowText(true);
    f.grid.SetRowTextStartCol("b");
    const int rt = f.grid.RowTextCol();
    f.grid.SetCellTextFlags(1, rt, TextFlagWordBreak);
    f.grid.SetCellValue(1, rt, LongText);
    f.grid.AutoHeightRow(1);
    QCOMPARE(f.grid.RowCellsHeight(1), f.oneLine());
    QVERIFY(f.grid.RowHeight(1) > 2 * f.oneLine());
    int l, t, w, h;
    f.grid.GetCellRect(1, rt, l, t, w, h);
    QCOMPARE(l, 80); // under column "b"
    QCOMPARE(h, f.grid.RowHeight(1) - f.grid.RowCellsHeight(1));

    // A group row is all row text, shown whatever ShowRowText says.
    f.grid.SetShowRowText(false);
    f.grid.SetRowIsGroup(2, true);
    f.grid.SetCellValue(2, rt, "Band");
    f.grid.AutoHeightRow(2);
    QCOMPARE(f.grid.RowHeight(2), f.oneLine());
    f.grid.GetCellRect(2, rt, l, t, w, h);
    QCOMPARE(w, 160);
}

void TestGridSizing::autoHeightRowsWorksInsideBeginUpdate() {
    Fixture f;
    f.grid.BeginUpdate();
    f.grid.SetRowCount(50);
    for (int r = 1; r <= 50; ++r) {
        f.grid.SetCellValue(r, "a", r % 2 ? LongText : QStringLiteral("short"));
        f.grid.SetCellTextFlags(r, "a", TextFlagWordBreak);
    }
    f.grid.AutoHeightRows();
    QVERIFY(f.grid.RowHeight(1) > f.oneLine());
    QCOMPARE(f.grid.RowHeight(2), f.oneLine());
    int l, t, w, h;
    f.grid.GetCellRect(3, "a", l, t, w, h); // layout queries work inside the pair
    QCOMPARE(t, f.grid.Header().Height() + f.grid.RowHeight(1) + f.grid.RowHeight(2));
    f.grid.EndUpdate();
}

void TestGridSizing::autoWidthColWithAndWithoutHeader() {
    Fixture f;
    f.grid.SetColHeaderText("a", "A rather long header caption");
    f.grid.SetCellValue(1, "a", "ab");
    f.grid.SetCellValue(2, "a", "abcd");
    f.grid.SetAutoWidthWithHeader(false);
    f.grid.AutoWidthCol("a");
    const int cells = f.grid.ColWidth("a");
    QVERIFY(cells > 10 && cells < 80);
    f.grid.SetCellValue(3, "a", "abcdabcdabcd");
    f.grid.AutoWidthCol("a");
    QVERIFY(f.grid.ColWidth("a") > cells);

    f.grid.SetAutoWidthWithHeader(true);
    f.grid.AutoWidthCol("a");
    const int withHeader = f.grid.ColWidth("a");
    QVERIFY(
        withHeader >
        QFontMetrics(f.grid.Font().toQFont()).horizontalAdvance("A rather long header caption"));

    f.grid.ColObject("a")->SetMaxWidth(60); // limits win
    f.grid.AutoWidthCol("a");
    QCOMPARE(f.grid.ColWidth("a"), 60);
}

void TestGridSizing::autoWidthColKeepsRoomForTheSortMark_data() {
    QTest::addColumn<int>("style");
    QTest::newRow("numbered") << int(SortInfoNumbered);
    QTest::newRow("icons") << int(SortInfoIcons);
    QTest::newRow("none") << int(SortInfoNone);
}

// A column fitted to its header before a sort needs no more room once a click sorts it (one
// of two keys, numbered): its text is not squeezed by the mark.
void TestGridSizing::autoWidthColKeepsRoomForTheSortMark() {
    QFETCH(int, style);
    Fixture f;
    f.grid.Header().SetSortInfoStyle(style);
    f.grid.SetColHeaderText("a", "RAM");
    for (int row = 1; row <= 3; ++row)
        f.grid.SetCellValue(row, "a", "1Gb");
    const auto fitted = [&f] {
        f.grid.AutoWidthCol("a");
        return f.grid.ColWidth("a");
    };
    const int unsorted = fitted();
    f.grid.SetSortLayout("TXS1;2;k:b,0,0;k:a,0,0");
    QCOMPARE(f.grid.ColSortIndex("a"), 2);
    QCOMPARE(fitted(), unsorted);

    // Without sorting by clicks only a mark shown counts.
    f.grid.SetSortOnHeaderClick(false);
    QCOMPARE(fitted(), unsorted);
    f.grid.SetColSortIndex("a", 0);
    f.grid.SetColSortIndex("b", 0);
    QCOMPARE(fitted() < unsorted, style != SortInfoNone);
}

void TestGridSizing::autoWidthColCountsIconsChecksAndCustomCells() {
    Fixture f;
    f.grid.Header().SetVisible(false);
    IconList icons(QSize(40, 16));
    QImage img(40, 16, QImage::Format_ARGB32);
    img.fill(Qt::red);
    icons.AddImage("wide", img);
    f.grid.SetImageList(&icons);
    f.grid.SetCellIcon(1, "a", 1);
    f.grid.AutoWidthCol("a");
    QVERIFY(f.grid.ColWidth("a") >= 40);

    f.grid.SetCellType(1, "b", CellTypeCustomDraw);
    QObject::connect(&f.grid, &TessixGrid::RequestCustomDrawCellSize,
                     [](CustomDrawCellSizeArgs& a) { a.width = a.row == 1 ? 205 : 0; });
    f.grid.AutoWidthCols();
    QVERIFY(f.grid.ColWidth("b") >= 205);
}

namespace {

// The first and last pixel columns of rect that hold dark (text) pixels; -1, -1 for none.
std::pair<int, int> inkColumns(const QImage& image, const QRect& rect) {
    int first = -1, last = -1;
    for (int x = rect.left(); x <= rect.right(); ++x)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

} // namespace

// Renders widget at a device pixel ratio, as a screen of that scale shows it.
QImage renderAt(QWidget& widget, qreal dpr) {
    QImage image(widget.size() * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

// A fitted column shows its text whole, with the cell's indents on both sides, whatever the
// fractions of the font's advances and the screen's scale.
void TestGridSizing::autoWidthColLeavesThePaintedPadding() {
    for (const char* family : {"DejaVu Sans", "Liberation Sans", "Liberation Serif"})
        for (int size = 7; size <= 14; ++size)
            for (const char* text : {"NORDW", "WAVE Ty", "fij"}) {
                Fixture f;
                f.grid.Header().SetVisible(false);
                f.grid.SetGridLines(GridLinesVertical);
                const FontData font{QString::fromLatin1(family), double(size), false, false};
                f.grid.SetFont(FontObject(font));
                f.grid.SetCellValue(2, "a", QString::fromLatin1(text));
                f.grid.AutoWidthCol("a");
                const QRect cell = viewportOf(f.grid).cellRect(2, f.grid.ColIndex("a"));
                for (qreal dpr : {1.0, 2.0}) {
                    const QString what = QStringLiteral("%1 %2 pt \"%3\" at %4x")
                                             .arg(QLatin1String(family))
                                             .arg(size)
                                             .arg(QLatin1String(text))
                                             .arg(dpr);
                    QImage free(QSize(200, 60) * dpr, QImage::Format_RGB32);
                    free.setDevicePixelRatio(dpr);
                    free.fill(Qt::white);
                    {
                        QPainter p(&free);
                        p.setFont(font.toQFont());
                        p.setPen(Qt::black);
                        p.drawText(QPoint(20, 40), QString::fromLatin1(text));
                    }
                    const auto [freeFirst, freeLast] = inkColumns(free, free.rect());

                    // The cell in device pixels, without its grid line at the right.
                    const QRect device(cell.topLeft() * dpr, (cell.size() - QSize(1, 0)) * dpr);
                    const auto [first, last] = inkColumns(renderAt(f.grid, dpr), device);
                    QVERIFY2(first >= (cell.left() + 2) * dpr, qPrintable(what));
                    QVERIFY2(last < (cell.right() - 2) * dpr, qPrintable(what));
                    QVERIFY2(last - first == freeLast - freeFirst, qPrintable(what + " is cut"));
                }
            }
}

void TestGridSizing::stretchColFillsTheRemainingWidth() {
    Fixture f;
    f.grid.show(); // a shown widget resizes at once
    f.grid.StretchCol("b");
    QCOMPARE(f.grid.viewport()->width(), 400);
    QCOMPARE(f.grid.ColWidth("a") + f.grid.ColWidth("b"), 400);
    f.grid.resize(600, 300); // it keeps filling as the grid resizes
    QCOMPARE(f.grid.ColWidth("a") + f.grid.ColWidth("b"), f.grid.viewport()->width());
    f.grid.SetColWidth("a", 150);
    QCOMPARE(f.grid.ColWidth("a") + f.grid.ColWidth("b"), f.grid.viewport()->width());

    f.grid.StretchCol(0); // stop stretching
    f.grid.resize(700, 300);
    QCOMPARE(f.grid.ColWidth("a") + f.grid.ColWidth("b"), 600);
}

void TestGridSizing::headerAutoHeightFitsMultiLineText() {
    Fixture f;
    const int oneLine = f.grid.Header().Height();
    f.grid.SetColHeaderText("b", "Unit\r\nprice\r\nin euro");
    f.grid.Header().AutoHeight();
    const int threeLines = f.grid.Header().Height();
    QVERIFY(threeLines > 2 * oneLine);
    QCOMPARE(viewportOf(f.grid).rowsTop(), threeLines); // rows start below it

    f.grid.SetColHeaderTextFlags("b", TextFlagSingleLine | TextFlagEndEllipsis);
    f.grid.Header().AutoHeight();
    QCOMPARE(f.grid.Header().Height(), oneLine);

    f.grid.Header().SetHeight(-5); // refused
    QCOMPARE(f.grid.Header().Height(), oneLine);
    f.grid.Header().SetVisible(false);
    QCOMPARE(viewportOf(f.grid).rowsTop(), 0);
}

QTEST_MAIN(TestGridSizing)
#include "tst_gridsizing.moc"
