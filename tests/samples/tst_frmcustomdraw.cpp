#include "app/Startup.h"
#include "components/grid/TessixGrid.h"
#include "platform/Colors.h"
#include "samples/SampleWindowTest.h"
#include "samples/features/frmCustomDraw.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

constexpr int DrawCol = 2;
const QColor Untouched(1, 2, 3);

QRect cellRect(const TessixGrid& grid, int row, int col) {
    int left = 0, top = 0, width = 0, height = 0;
    grid.GetCellRect(row, col, left, top, width, height);
    return QRect(left, top, width, height);
}

bool isDark(const QColor& c) {
    return c.lightness() < 96;
}

bool isLight(const QColor& c) {
    return c.lightness() > 224;
}

} // namespace

class TestFrmCustomDraw : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<frmCustomDraw> window;

    TessixGrid& grid2() { return *window->Tessix2; }
    int progress() { return grid2().CellValue(1, DrawCol).toLong(); }
    int pie() { return grid2().CellValue(2, DrawCol).toLong(); }
    // One tick of the animation timer, delivered as the timer delivers it.
    void tick() { QVERIFY(QMetaObject::invokeMethod(window->Timer1, "timeout")); }
    QImage render(TessixGrid& grid) { return grid.viewport()->grab().toImage(); }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() {
        services = std::make_unique<IsolatedServices>();
        window = shownWindow<frmCustomDraw>();
        window->Timer1->stop(); // ticks come from the tests alone
    }
    void cleanup() {
        window.reset();
        const QStringList unexpected = services->boxes.unexpected();
        services.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join("; ")));
    }

    void loadFillsTheThreeGrids() {
        QCOMPARE(window->windowTitle(), QString("Tessix Custom Draw Demo"));
        for (TessixGrid* grid : {window->Tessix1, window->Tessix2, window->Tessix3}) {
            QCOMPARE(grid->ColCount(), 2);
            QCOMPARE(grid->ColHeaderText(1), QString("Description"));
            QCOMPARE(grid->ColHeaderText(2), QString("Custom Draw Cell"));
            QVERIFY(!grid->Editable());
        }
        QCOMPARE(window->Tessix1->RowCount(), 3);
        QCOMPARE(window->Tessix1->CellType(3, DrawCol), int(CellTypeCustomDraw));
        QCOMPARE(window->Tessix3->CellType(2, DrawCol), int(CellTypeText));
        QCOMPARE(window->Tessix3->CellValue(2, DrawCol).toString(), QString("TEST TEXT"));
        QCOMPARE(progress(), 5);
        QCOMPARE(pie(), 18);

        // The animation runs from the load and stops with the window.
        auto fresh = std::make_unique<frmCustomDraw>();
        QVERIFY(fresh->Timer1->isActive());
        QCOMPARE(fresh->Timer1->interval(), 500);
        fresh->show();
        fresh->close();
        QVERIFY(!fresh->Timer1->isActive());
    }

    void headerClicksDoNotSort() {
        TessixGrid& grid = *window->Tessix1;
        const QString first = grid.CellValue(1, 1).toString();
        const QRect header = cellRect(grid, 1, 1).translated(0, -grid.Header().Height());
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, header.center());
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, header.center());
        QCOMPARE(grid.CellValue(1, 1).toString(), first);
    }

    void ticksStepTheProgressAndThePie() {
        QList<int> percents, angles;
        for (int i = 0; i < 21; ++i) {
            tick();
            percents << progress();
            angles << pie();
        }
        // 18 ticks from 5 % reach 95 %, the 19th 100 %, the next starts over at 5 %.
        QCOMPARE(percents.mid(16, 5), (QList<int>{90, 95, 100, 5, 10}));
        // 18 degrees a tick; a full turn is drawn, then 378 becomes 18.
        QCOMPARE(angles.mid(16, 5), (QList<int>{324, 342, 360, 18, 36}));
    }

    void progressBarFollowsTheColumnWidth() {
        grid2().SetCellValue(1, DrawCol, Variant(50));
        const QColor highlight = OleColorToQColor(0x8000000D);
        const auto barEnd = [&] {
            const QRect cell = cellRect(grid2(), 1, DrawCol);
            const QImage img = render(grid2());
            int last = -1;
            for (int x = cell.left(); x <= std::min(cell.right(), img.width() - 1); ++x)
                if (img.pixelColor(x, cell.top() + 2) == highlight)
                    last = x;
            return last - cell.left() + 1; // the bar's exclusive end, from the cell's left
        };
        QCOMPARE(barEnd(), 114); // (230 - 3) / 2 = 113.5, rounded to even
        grid2().SetColWidth(DrawCol, 400);
        QCOMPARE(barEnd(), 198); // 198.5, rounded to even
    }

    void progressTextIsLightOverTheBarAndDarkBesideIt() {
        grid2().SetCellValue(1, DrawCol, Variant(50));
        const QRect cell = cellRect(grid2(), 1, DrawCol);
        const int barEnd = cell.left() + 114;
        const QImage img = render(grid2());
        const QColor highlight = OleColorToQColor(0x8000000D);
        int lightOverBar = 0, darkOverBar = 0, darkBeside = 0;
        for (int y = cell.top() + 2; y < cell.bottom() - 2; ++y) {
            for (int x = cell.left() + 1; x < cell.right() - 1; ++x) {
                const QColor c = img.pixelColor(x, y);
                if (x < barEnd) {
                    lightOverBar += isLight(c);
                    darkOverBar += isDark(c);
                } else {
                    darkBeside += isDark(c);
                }
            }
        }
        QVERIFY(highlight.lightness() < 224);
        QVERIFY(lightOverBar > 0);
        QCOMPARE(darkOverBar, 0);
        QVERIFY(darkBeside > 0);
    }

    void fittingUsesTheReportedSizes() {
        TessixGrid& grid1 = *window->Tessix1;
        // Heights were fitted at load.
        const int heights[] = {30, 40, 35};
        for (int row = 1; row <= 3; ++row)
            QVERIFY2(grid1.RowHeight(row) >= heights[row - 1], qPrintable(QString::number(row)));
        QVERIFY(grid2().RowHeight(1) >= 19);
        QVERIFY(grid2().RowHeight(2) >= 63);

        grid1.SetColWidth(DrawCol, 40);
        grid1.AutoWidthCol(DrawCol);
        QVERIFY(grid1.ColWidth(DrawCol) >= 205);
        QVERIFY(grid1.ColWidth(DrawCol) < 230); // fitted to the drawings, not kept as it was
    }

    // The handlers are called here on a painter without the grid's own clip, so whatever
    // leaves the cell shows. The pie is left out: it relies on the grid's clip.
    void drawingStaysInsideItsCell_data() {
        QTest::addColumn<int>("gridNo");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("percent");
        QTest::newRow("circles") << 1 << 1 << 0;
        QTest::newRow("ellipse") << 1 << 2 << 0;
        QTest::newRow("fonts") << 1 << 3 << 0;
        QTest::newRow("progress 5%") << 2 << 1 << 5;
        QTest::newRow("progress 100%") << 2 << 1 << 100;
    }
    void drawingStaysInsideItsCell() {
        QFETCH(int, gridNo);
        QFETCH(int, row);
        QFETCH(int, percent);
        TessixGrid& grid = gridNo == 1 ? *window->Tessix1 : grid2();
        if (percent > 0)
            grid.SetCellValue(1, DrawCol, Variant(percent));
        const QRect cell(40, 30, 24, 14); // narrower and lower than any drawing
        for (const bool clipped : {false, true}) {
            QImage img(140, 90, QImage::Format_ARGB32);
            img.fill(Untouched);
            QPainter painter(&img);
            const QRegion outer(10, 10, 100, 60);
            if (clipped)
                painter.setClipRegion(outer);
            CustomDrawCellArgs args{row,        DrawCol,          painter,          cell.left(),
                                    cell.top(), cell.right() + 1, cell.bottom() + 1};
            Q_EMIT grid.CustomDrawCell(args);
            // The clip the handler found is the clip it leaves.
            QCOMPARE(painter.hasClipping(), clipped);
            if (clipped)
                QCOMPARE(painter.clipRegion(), outer);
            painter.end();
            int painted = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const bool changed = img.pixelColor(x, y) != Untouched;
                    if (!cell.contains(x, y))
                        QVERIFY2(!changed, qPrintable(QString("%1,%2").arg(x).arg(y)));
                    painted += changed;
                }
            QVERIFY(painted > 0);
        }
    }

    void pictureBehindTheTextAndThickLine() {
        TessixGrid& grid = *window->Tessix3;
        const QImage img = render(grid);
        // The tiles fill the picture cell up to its grid lines.
        const QRect picture = cellRect(grid, 2, DrawCol);
        const QColor smile(0xff, 0xd8, 0x4a);
        const auto yellowNear = [&](QPoint at) {
            for (int dy = 0; dy < 25; ++dy)
                for (int dx = 0; dx < 27; ++dx)
                    if (img.pixelColor(at + QPoint(dx, dy)) == smile)
                        return true;
            return false;
        };
        QVERIFY(yellowNear(picture.topLeft()));
        QVERIFY(yellowNear(picture.topRight() - QPoint(27, 0)));
        QVERIFY(yellowNear(picture.bottomLeft() - QPoint(0, 25)));
        // The text is drawn over the tiles.
        int dark = 0;
        for (int x = picture.left(); x <= picture.right(); ++x)
            dark += isDark(img.pixelColor(x, picture.center().y()));
        QVERIFY(dark > 10);

        // Three dark pixel rows under the check-box cell, in place of its grid line.
        const QRect line = cellRect(grid, 1, DrawCol);
        const QRgb shadow = OleColorToQColor(0x80000015).rgb();
        for (int y = line.bottom() - 2; y <= line.bottom(); ++y)
            for (int x : {line.left(), line.center().x(), line.right()})
                QCOMPARE(img.pixel(x, y), shadow);
        QVERIFY(img.pixel(line.center().x(), line.bottom() - 3) != shadow);
    }

    void clickOnTheCheckBoxCellSaysTheGridIsNotEditable() {
        TessixGrid& grid = *window->Tessix3;
        services->boxes.answer(vbOK);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellRect(grid, 1, DrawCol).center());
        QCOMPARE(services->boxes.shown().size(), 1);
        QCOMPARE(services->boxes.shown()[0].request.text, QString("The grid isn't editable!"));
        QCOMPARE(services->boxes.shown()[0].request.flags, int(vbOKOnly));
        QCOMPARE(grid.CellCheckState(1, DrawCol), int(CheckUnchecked));
        // Other cells say nothing.
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellRect(grid, 2, DrawCol).center());
        QCOMPARE(services->boxes.shown().size(), 1);
    }
};

QTEST_MAIN(TestFrmCustomDraw)
#include "tst_frmcustomdraw.moc"
