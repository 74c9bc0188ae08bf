#include "GridTestAccess.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"
#include "view/CellTextLayout.h"

#include <QPainter>
#include <QtTest>

namespace {

constexpr OleColor White = 0x00FFFFFF;

// A small grid with a plain look, so pixels are predictable: white background, no lines,
// no focus rectangle, no header.
struct Fixture {
    TessixGrid grid;
    explicit Fixture(int rows = 6, int cols = 3) {
        grid.resize(320, 200);
        grid.Header().SetVisible(false);
        grid.SetBorderStyle(0);
        grid.SetGridLines(GridLinesNone);
        grid.SetShowFocusRect(false);
        grid.SetBackColor(White);
        for (int c = 1; c <= cols; ++c)
            grid.AddCol(QString("c%1").arg(c), QString(), 80);
        grid.SetDefaultRowHeight(20);
        grid.SetRowCount(rows);
        grid.show(); // a shown widget lays its viewport out at once
    }
    QImage render() { return grid.viewport()->grab().toImage(); }
    // The centre of a cell, in viewport pixels.
    QPoint centre(int row, int col) const {
        int l, t, w, h;
        grid.GetCellRect(row, col, l, t, w, h);
        return QPoint(l + w / 2, t + h / 2);
    }
};

} // namespace

class TestGridPaint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selectionColourOpaqueAndBlended();
    void oddAndEvenRowColours();
    void thinBorderIsOnePixel();
    void gridLinesUseTheirColour();
    void customDrawGetsItsCellClipped();
    void backgroundUnderTheTextForegroundOverTheLines();
    void dynamicFormatChangesTheLook();
    void paintingVisitsOnlyVisibleRows();
    void focusRectangleFramesTheCurrentCell();
    void iconsComeFromTheColumnsList();
    void updatePairsRepaintOnceAtTheOutermostEnd();
    void handlersMayChangeCellsWhilePainting();
    void textFlagsDecideWhatIsDrawn_data();
    void textFlagsDecideWhatIsDrawn();
    void tooNarrowForOneCharacterDrawsNothing();
    void ellipsisExactlyWhenTextIsWider_data();
    void ellipsisExactlyWhenTextIsWider();
};

void TestGridPaint::selectionColourOpaqueAndBlended() {
    Fixture f;
    f.grid.SetSelBackColor(0x00204080); // RGB(128, 64, 32)
    f.grid.SetSelBackColorNoFocus(0x00204080);
    f.grid.internals().store.SetCellSelected(2, 2, true);
    f.grid.SetSelAlpha(255);
    QImage img = f.render();
    QCOMPARE(img.pixelColor(f.centre(2, 2) + QPoint(30, 0)), QColor(128, 64, 32));
    QCOMPARE(img.pixelColor(f.centre(2, 1)), QColor(Qt::white));

    f.grid.SetSelAlpha(92); // semi-transparent over the white cell
    img = f.render();
    const QColor blended = img.pixelColor(f.centre(2, 2) + QPoint(30, 0));
    QVERIFY(blended.red() > 128 && blended.red() < 255);
    QVERIFY(blended.blue() > 32 && blended.blue() < 255);

    f.grid.SetHighlightSelCells(false);
    img = f.render();
    QCOMPARE(img.pixelColor(f.centre(2, 2) + QPoint(30, 0)), QColor(Qt::white));
}

void TestGridPaint::oddAndEvenRowColours() {
    Fixture f;
    f.grid.SetBackColorOddRows(0x000000FF);    // red
    f.grid.SetBackColorEvenRows(0x00FF0000);   // blue
    f.grid.SetCellBackColor(3, 2, 0x0000FF00); // a cell's own colour wins
    const QImage img = f.render();
    QCOMPARE(img.pixelColor(f.centre(1, 1)), QColor(Qt::red));
    QCOMPARE(img.pixelColor(f.centre(2, 1)), QColor(Qt::blue));
    QCOMPARE(img.pixelColor(f.centre(3, 3)), QColor(Qt::red));
    QCOMPARE(img.pixelColor(f.centre(3, 2)), QColor(Qt::green));
    // Below the last row the grid's background shows.
    QCOMPARE(img.pixelColor(10, 6 * 20 + 5), QColor(Qt::white));
    // A hidden row keeps the stripes alternating over the rows that show.
    f.grid.SetRowVisible(2, false);
    const QImage filtered = f.render();
    QCOMPARE(filtered.pixelColor(f.centre(1, 1)), QColor(Qt::red));
    QCOMPARE(filtered.pixelColor(f.centre(3, 1)), QColor(Qt::blue));
    QCOMPARE(filtered.pixelColor(f.centre(4, 1)), QColor(Qt::red));
}

void TestGridPaint::thinBorderIsOnePixel() {
    Fixture f;
    f.grid.SetBorderStyle(2);
    QCOMPARE(f.grid.viewport()->geometry().topLeft(), QPoint(1, 1));
    QCOMPARE(f.grid.GetInfo(10), 320 - 2);
    const QImage img = f.grid.grab().toImage();
    const QColor border = img.pixelColor(0, 0);
    QVERIFY(border != QColor(Qt::white));
    QCOMPARE(img.pixelColor(319, 199), border);
    QCOMPARE(img.pixelColor(160, 0), border);
    QCOMPARE(img.pixelColor(1, 1), QColor(Qt::white));
    QCOMPARE(img.pixelColor(318, 198), QColor(Qt::white));

    f.grid.SetBorderStyle(0);
    QCOMPARE(f.grid.GetInfo(10), 320);
    f.grid.SetBorderStyle(7); // not a border style: ignored
    QCOMPARE(f.grid.BorderStyle(), 0);
}

void TestGridPaint::gridLinesUseTheirColour() {
    Fixture f;
    f.grid.SetGridLines(GridLinesBoth);
    f.grid.SetGridLinesColor(0x000000FF);
    QImage img = f.render();
    QCOMPARE(img.pixelColor(79, 5), QColor(Qt::red));  // right edge of column 1
    QCOMPARE(img.pixelColor(40, 19), QColor(Qt::red)); // bottom edge of row 1
    QCOMPARE(img.pixelColor(40, 10), QColor(Qt::white));

    f.grid.SetGridLines(GridLinesHorizontal);
    img = f.render();
    QCOMPARE(img.pixelColor(79, 5), QColor(Qt::white));
    QCOMPARE(img.pixelColor(40, 19), QColor(Qt::red));
}

void TestGridPaint::customDrawGetsItsCellClipped() {
    Fixture f;
    f.grid.SetCellType(2, 2, CellTypeCustomDraw);
    QRect got;
    QRectF clip;
    int calls = 0;
    QObject::connect(&f.grid, &TessixGrid::CustomDrawCell, [&](CustomDrawCellArgs& a) {
        ++calls;
        got = a.rect();
        clip = a.painter.clipBoundingRect();
        // Draws far beyond its cell and leaves its pen changed: the grid must contain both.
        a.painter.fillRect(QRect(0, 0, 1000, 1000), Qt::red);
        a.painter.setPen(Qt::green);
    });
    const QImage img = f.render();
    QCOMPARE(calls, 1);
    QCOMPARE(got, QRect(80, 20, 80, 20));
    QCOMPARE(clip.toRect(), got);
    QCOMPARE(img.pixelColor(f.centre(2, 2)), QColor(Qt::red));
    QCOMPARE(img.pixelColor(159, 39), QColor(Qt::red));   // right/bottom are exclusive
    QCOMPARE(img.pixelColor(160, 30), QColor(Qt::white)); // clipped
    QCOMPARE(img.pixelColor(100, 40), QColor(Qt::white));
    QCOMPARE(img.pixelColor(10, 10), QColor(Qt::white));
}

void TestGridPaint::backgroundUnderTheTextForegroundOverTheLines() {
    Fixture f;
    f.grid.SetGridLines(GridLinesBoth);
    f.grid.SetGridLinesColor(0x000000FF); // red
    f.grid.SetCellValue(2, 2, "WWWWWWWW");
    QObject::connect(&f.grid, &TessixGrid::CustomDrawCellBackground, [](CustomDrawCellArgs& a) {
        if (a.row == 2 && a.col == 2)
            a.painter.fillRect(a.rect(), Qt::green);
    });
    QObject::connect(&f.grid, &TessixGrid::CustomDrawCellForeground, [](CustomDrawCellArgs& a) {
        if (a.row == 1 && a.col == 2) // a 3-pixel line where the grid line would be
            a.painter.fillRect(QRect(a.left, a.bottom - 3, a.right - a.left, 3), Qt::blue);
    });
    const QImage img = f.render();
    // The text is drawn over the background without erasing it.
    bool text = false, background = false;
    for (int x = 82; x < 158; ++x) {
        const QColor c = img.pixelColor(x, 30);
        text = text || (c.green() < 128 && c != QColor(Qt::red));
        background = background || c == QColor(Qt::green);
    }
    QVERIFY(text);
    QVERIFY(background);
    // Row 1's foreground covers its own horizontal grid line, also at the crossing.
    for (int y = 17; y <= 19; ++y) {
        QCOMPARE(img.pixelColor(120, y), QColor(Qt::blue));
        QCOMPARE(img.pixelColor(159, y), QColor(Qt::blue));
    }
    QCOMPARE(img.pixelColor(40, 19), QColor(Qt::red)); // other cells keep theirs
}

void TestGridPaint::dynamicFormatChangesTheLook() {
    Fixture f;
    f.grid.SetCellValue(2, 1, 3);
    f.grid.SetCellFormatString(2, 1, "0.00");
    int rowEvents = 0, cellEvents = 0;
    QString textSeen;
    QObject::connect(&f.grid, &TessixGrid::RowDynamicFormat,
                     [&](RowDynamicFormatArgs&) { ++rowEvents; });
    QObject::connect(&f.grid, &TessixGrid::CellDynamicFormat, [&](CellDynamicFormatArgs& a) {
        ++cellEvents;
        if (a.row == 2)
            a.backColor = 0x00FF0000; // blue
    });
    QObject::connect(&f.grid, &TessixGrid::CellDynamicText, [&](CellDynamicTextArgs& a) {
        if (a.row == 2 && a.col == 1) {
            textSeen = a.text;
            QCOMPARE(a.value.toLong(), 3); // the stored value, unformatted
        }
    });
    f.render();
    QCOMPARE(rowEvents + cellEvents, 0); // nothing asked for yet

    f.grid.SetDynamicFormattingEvents(DynamicRowFormat | DynamicCellText | DynamicCellFormat);
    const QImage img = f.render();
    QCOMPARE(rowEvents, 6);
    QCOMPARE(cellEvents, 6 * 3);
    QCOMPARE(textSeen, QString("3.00"));
    QCOMPARE(img.pixelColor(f.centre(2, 3)), QColor(Qt::blue));
    QCOMPARE(img.pixelColor(f.centre(1, 3)), QColor(Qt::white));
    QCOMPARE(f.grid.CellBackColor(2, 3), DefaultColor); // drawing only, nothing stored
}

void TestGridPaint::paintingVisitsOnlyVisibleRows() {
    Fixture f(0, 4);
    f.grid.SetRowCount(1000000);
    f.grid.SetDynamicFormattingEvents(DynamicCellFormat);
    QSet<int> rows;
    int calls = 0;
    QObject::connect(&f.grid, &TessixGrid::CellDynamicFormat, [&](CellDynamicFormatArgs& a) {
        ++calls;
        rows.insert(a.row);
    });
    f.render();
    const int shown = f.grid.viewport()->height() / 20 + 1;
    QVERIFY(calls > 0);
    QVERIFY(calls <= shown * 4);
    QVERIFY(rows.contains(1));

    // Scrolled to the end: only the last rows, and hidden rows are skipped.
    f.grid.SetRowVisible(999999, false);
    f.grid.EnsureVisibleRow(1000000);
    rows.clear();
    calls = 0;
    f.render();
    QVERIFY(rows.contains(1000000));
    QVERIFY(!rows.contains(999999));
    QVERIFY(calls <= shown * 4);
    QVERIFY(*std::min_element(rows.begin(), rows.end()) > 1000000 - shown - 2);
}

void TestGridPaint::focusRectangleFramesTheCurrentCell() {
    Fixture f;
    f.grid.SetShowFocusRect(true);
    f.grid.SetFocusRectColor1(0x000000FF);
    f.grid.SetFocusRectColor2(0x000000FF); // equal: a solid line
    f.grid.SetFocusRectThickness(2);
    f.grid.internals().navigation.SetCurCell(2, 2);
    QImage img = f.render();
    QCOMPARE(img.pixelColor(80, 20), QColor(Qt::red));
    QCOMPARE(img.pixelColor(81, 21), QColor(Qt::red)); // thickness 2
    QCOMPARE(img.pixelColor(82, 22), QColor(Qt::white));
    QCOMPARE(img.pixelColor(159, 39), QColor(Qt::red));

    f.grid.SetFocusRectColor2(0x00FF0000); // different: alternating dots
    f.grid.SetFocusRectThickness(1);
    img = f.render();
    const QColor a = img.pixelColor(90, 20), b = img.pixelColor(91, 20);
    QVERIFY(a != b);
    QVERIFY((a == QColor(Qt::red) || a == QColor(Qt::blue)));

    f.grid.SetShowFocusRect(false);
    img = f.render();
    QCOMPARE(img.pixelColor(80, 20), QColor(Qt::white));
}

void TestGridPaint::iconsComeFromTheColumnsList() {
    // Column 1 uses list 1; columns 2 and beyond the last list: the same index 1 shows a
    // different image in each.
    Fixture f;
    IconList first, second;
    QImage red(16, 16, QImage::Format_ARGB32), blue(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    first.AddImage("sample", red);
    second.AddImage("hot", blue);
    f.grid.SetImageList(QList<IconList*>{&first, &second});
    for (int col = 1; col <= 3; ++col) {
        f.grid.SetCellIcon(1, col, 1);
        f.grid.SetCellIndentLeft(1, col, 0);
    }
    const QImage img = f.render();
    QCOMPARE(img.pixelColor(8, 10), QColor(Qt::red));
    QCOMPARE(img.pixelColor(88, 10), QColor(Qt::blue));
    QCOMPARE(img.pixelColor(168, 10), QColor(Qt::blue));
    QCOMPARE(img.pixelColor(8 + 240, 10), QColor(Qt::white)); // nothing past the columns
}

void TestGridPaint::updatePairsRepaintOnceAtTheOutermostEnd() {
    Fixture f;
    f.grid.SetDynamicFormattingEvents(DynamicRowFormat);
    int painted = 0;
    QObject::connect(&f.grid, &TessixGrid::RowDynamicFormat,
                     [&](RowDynamicFormatArgs& a) { painted += a.row == 1; });
    QVERIFY(QTest::qWaitForWindowExposed(&f.grid));
    QCoreApplication::processEvents();
    painted = 0;

    f.grid.BeginUpdate();
    f.grid.BeginUpdate();
    f.grid.SetCellValue(1, 1, "changed");
    f.grid.SetRowHeight(2, 40);
    f.grid.Redraw();
    QCoreApplication::processEvents();
    f.grid.EndUpdate(); // still inside the outer pair
    QCoreApplication::processEvents();
    QCOMPARE(painted, 0);
    QVERIFY(f.grid.internals().updating());
    f.grid.EndUpdate();
    QVERIFY(!f.grid.internals().updating());
    QCoreApplication::processEvents();
    QCOMPARE(painted, 1);

    f.grid.EndUpdate(); // unbalanced: ignored
    QVERIFY(!f.grid.internals().updating());
}

void TestGridPaint::handlersMayChangeCellsWhilePainting() {
    // A formatting handler that writes looks grows the shared look table mid-paint.
    Fixture f(40, 3);
    f.grid.SetDynamicFormattingEvents(DynamicCellFormat);
    int calls = 0;
    QObject::connect(&f.grid, &TessixGrid::CellDynamicFormat, [&](CellDynamicFormatArgs& a) {
        ++calls;
        f.grid.SetCellForeColor(a.row, a.col, OleColor(0x010101 * (calls % 200)));
        f.grid.SetCellIndentLeft(a.row, a.col, calls % 7);
    });
    f.grid.SetCellValue(3, 2, "text");
    const QImage img = f.render();
    QVERIFY(calls > 0);
    QVERIFY(!img.isNull());
}

namespace {
// Whether any dark pixel lies in the rows [top, bottom) of the image.
bool inkIn(const QImage& img, int top, int bottom) {
    for (int y = std::max(0, top); y < std::min(bottom, img.height()); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 160)
                return true;
    return false;
}
} // namespace

void TestGridPaint::textFlagsDecideWhatIsDrawn_data() {
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<bool>("secondLine");
    QTest::addColumn<bool>("partialThird");
    QTest::newRow("no wrap: one line") << quint32(0) << false << false;
    QTest::newRow("word break: partial third line clipped") << quint32(0x10) << true << true;
    QTest::newRow("edit control: whole lines only") << quint32(0x2010) << true << false;
    QTest::newRow("ellipsis ends the second line") << quint32(0xA010) << true << false;
    QTest::newRow("single line wins") << quint32(0x30) << false << false;
}

void TestGridPaint::textFlagsDecideWhatIsDrawn() {
    QFETCH(quint32, flags);
    QFETCH(bool, secondLine);
    QFETCH(bool, partialThird);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    const int lh = QFontMetrics(font).lineSpacing();
    const QString text = QStringLiteral("alpha beta gamma delta epsilon zeta eta theta iota "
                                        "kappa lambda mu nu xi omicron pi rho sigma tau");
    const CellTextLayout layout(text, font, flags, 120);
    QImage img(120, lh * 5 / 2, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(Qt::black);
    layout.draw(p, img.rect(), AlignLeft, VAlignTop);
    p.end();
    QVERIFY(inkIn(img, 0, lh));
    QCOMPARE(inkIn(img, lh + 1, 2 * lh), secondLine);
    QCOMPARE(inkIn(img, 2 * lh + 1, img.height()), partialThird);
}

void TestGridPaint::tooNarrowForOneCharacterDrawsNothing() {
    // An icon column narrower than its texts shows the icons alone, not a row of "...".
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    const QFontMetrics fm(font);
    for (int width :
         {fm.horizontalAdvance(QChar(0x2026)), fm.horizontalAdvance(QStringLiteral("W\u2026"))}) {
        const CellTextLayout layout(QStringLiteral("Private person"), font, 0x8000, width);
        QImage img(width, fm.height(), QImage::Format_ARGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setPen(Qt::black);
        layout.draw(p, img.rect(), AlignLeft, VAlignTop);
        p.end();
        QCOMPARE(inkIn(img, 0, img.height()), width > fm.horizontalAdvance(QChar(0x2026)));
    }
}

void TestGridPaint::ellipsisExactlyWhenTextIsWider_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("kerned pairs") << QStringLiteral("AVAWAY To Te LT");
    QTest::newRow("ligatures") << QStringLiteral("office fluffy");
    QTest::newRow("accented Latin") << QStringLiteral("\u00DCber na\u00EFve \u0141\u00F3d\u017A");
    QTest::newRow("combining mark") << QStringLiteral("Cafe\u0301 cre\u0300me");
    QTest::newRow("right to left") << QStringLiteral("\u05E9\u05DC\u05D5\u05DD abc");
    QTest::newRow("digits") << QStringLiteral("R123456C4");
}

void TestGridPaint::ellipsisExactlyWhenTextIsWider() {
    // The text shown whole at its own width, and cut one pixel narrower: whatever shortcut
    // decides that a text fits must agree with the shaped width at the boundary.
    QFETCH(QString, text);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    const QFontMetrics fm(font);
    const int width = fm.horizontalAdvance(text);
    const auto drawn = [&](int cellWidth) {
        const CellTextLayout layout(text, font, 0x8000, cellWidth);
        QImage img(cellWidth, fm.height(), QImage::Format_ARGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setPen(Qt::black);
        layout.draw(p, img.rect(), AlignLeft, VAlignTop);
        return img;
    };
    const QImage whole = drawn(width + 40);
    QCOMPARE(drawn(width), whole.copy(0, 0, width, whole.height()));
    QVERIFY(drawn(width - 1) != whole.copy(0, 0, width - 1, whole.height()));
}

QTEST_MAIN(TestGridPaint)
#include "tst_gridpaint.moc"
