#include "SampleWindowTest.h"

#include "app/Startup.h"
#include "controls/HyperlinkLabel.h"
#include "samples/ideas/frmOptMult.h"

#include <QLabel>
#include <QLocale>
#include <QTextLayout>
#include <QtTest>

class TestFrmOptMult : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<frmOptMult> window;

    TessixGrid& grid() { return *window->grdMenu; }
    QString total() { return window->lblTotal->text(); }

    void open() { window = shownWindow<frmOptMult>(); }

    QPoint itemPoint(int row) {
        grid().EnsureVisibleRow(row);
        return viewportOf(grid()).cellRect(row, grid().ColIndex("Item")).center();
    }
    void clickRow(int row) {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, itemPoint(row));
    }
    void clickClear() { QTest::mouseClick(window->hlinkClear->Label1, Qt::LeftButton); }
    int rowPriced(const QString& price) {
        for (int row = 1; row <= grid().RowCount(); ++row)
            if (grid().CellValue(row, "Price").toCurrency() == *Currency::parse(price))
                return row;
        return 0;
    }
    QList<int> selectedRows() {
        QList<int> rows;
        for (const GridCellPos& item : grid().SelItems().GetRows())
            rows << item.row;
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    // Item, Icon and Price fill the grid's inside beside the vertical bar, to the pixel.
    void verifyColumnsFillTheWidth() {
        QCOMPARE(grid().ColWidth("Icon") + grid().ColWidth("Item") + grid().ColWidth("Price") +
                     grid().VScrollBar().Thickness() + 4,
                 grid().width());
        QVERIFY(!grid().HScrollBar().Visible());
    }

    // Pixels that the text takes wrapped at that width: its lines, each a font's height.
    static int textHeight(const FontObject& font, const QString& text, int width) {
        int lines = 0;
        for (const QString& paragraph : text.split(QStringLiteral("\r\n"))) {
            QTextLayout layout(paragraph, font.toQFont());
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                ++lines;
            }
            layout.endLayout();
        }
        return lines * QFontMetrics(font.toQFont()).height();
    }

    // Every row already has the height that fitting it now would give.
    void verifyRowsFitted() {
        QList<int> heights;
        for (int row = 1; row <= grid().RowCount(); ++row)
            heights << grid().RowHeight(row);
        grid().AutoHeightRows();
        for (int row = 1; row <= grid().RowCount(); ++row)
            QCOMPARE(grid().RowHeight(row), heights[row - 1]);
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() { services = std::make_unique<IsolatedServices>(); }
    void cleanup() {
        window.reset();
        services.reset();
        QLocale::setDefault(QLocale::c());
    }

    void opensWithTheMenuAndNoSelection() {
        open();
        QCOMPARE(window->windowTitle(), QStringLiteral("Option Multiselect Demo"));
        QCOMPARE(grid().RowCount(), 14);
        QCOMPARE(total(), QStringLiteral("Total: $0.00"));
        QCOMPARE(grid().SelItems().Count(), 0);
        for (int row = 1; row <= grid().RowCount(); ++row) {
            QVERIFY(grid().CellIcon(row, "Icon") > 0);
            QVERIFY(!grid().CellValue(row, "Detail").toString().isEmpty());
        }
        QCOMPARE(window->size(), window->minimumSize()); // fixed size
        QCOMPARE(window->size(), window->maximumSize());
        verifyColumnsFillTheWidth();
    }

    // Each press toggles the row it lands on and leaves the others as they were.
    void clicksToggleOneRowEach_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("selected");
        QTest::newRow("one click selects") << QList<int>{3} << QList<int>{3};
        QTest::newRow("a second click deselects") << QList<int>{3, 3} << QList<int>{};
        QTest::newRow("others stay") << QList<int>{1, 3, 5, 3} << QList<int>{1, 5};
        QTest::newRow("a row scrolled into view") << QList<int>{14, 1} << QList<int>{1, 14};
    }
    void clicksToggleOneRowEach() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, selected);
        open();
        for (int row : clicks) {
            clickRow(row);
            QTest::qWait(QApplication::doubleClickInterval() + 20);
        }
        QCOMPARE(selectedRows(), selected);
        Currency sum;
        for (int row : selected)
            sum = *Currency::add(sum, grid().CellValue(row, "Price").toCurrency());
        QCOMPARE(total(), "Total: " + frmOptMult::FormatPrice(sum));
    }

    // A quick second press is the double click's: it toggles the row back.
    void doubleClickTogglesTwice() {
        open();
        systemDoubleClick(grid().viewport(), itemPoint(2));
        QCOMPARE(selectedRows(), QList<int>{});
        QCOMPARE(total(), QStringLiteral("Total: $0.00"));
    }

    // The total adds prices exactly and shows the user's decimal separator, also after
    // clearing.
    void totalOfThreePricesThenCleared_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QString>("zero");
        QTest::newRow("point") << QLocale(QLocale::English, QLocale::UnitedStates)
                               << "Total: $13.75"
                               << "Total: $0.00";
        QTest::newRow("comma") << QLocale(QLocale::German, QLocale::Germany) << "Total: $13,75"
                               << "Total: $0,00";
    }
    void totalOfThreePricesThenCleared() {
        QFETCH(QLocale, locale);
        QFETCH(QString, sum);
        QFETCH(QString, zero);
        QLocale::setDefault(locale);
        open();
        QCOMPARE(total(), zero);
        for (const char* price : {"1.25", "2.50", "10.00"}) {
            const int row = rowPriced(QString::fromLatin1(price));
            QVERIFY2(row > 0, price);
            clickRow(row);
        }
        QCOMPARE(grid().SelItems().Count(), 3);
        QCOMPARE(total(), sum);

        clickClear();
        QCOMPARE(grid().SelItems().Count(), 0);
        QCOMPARE(total(), zero);
        clickClear(); // nothing selected: still nothing, still zero
        QCOMPARE(total(), zero);
    }

    // Keys move the selection too; the total must follow it, not only clicks.
    void totalFollowsTheKeyboard() {
        open();
        clickRow(4);
        grid().setFocus();
        QTest::keyClick(&grid(), Qt::Key_Down);
        const QList<int> rows = selectedRows();
        Currency sum;
        for (int row : rows)
            sum = *Currency::add(sum, grid().CellValue(row, "Price").toCurrency());
        QCOMPARE(total(), "Total: " + frmOptMult::FormatPrice(sum));
    }

    // The tallest option (three title lines, the longest description) shows all its text.
    void tallestRowShowsAllItsText() {
        open();
        int tallest = 1;
        for (int row = 2; row <= grid().RowCount(); ++row)
            if (grid().RowHeight(row) > grid().RowHeight(tallest))
                tallest = row;
        QCOMPARE(grid().CellValue(tallest, "Item").toString().count(u'\n'), 2);
        grid().EnsureVisibleRow(tallest);
        const GridViewport view = viewportOf(grid());
        const QRect item = view.cellRect(tallest, grid().ColIndex("Item"));
        const QRect detail = view.rowTextRect(tallest);
        QVERIFY(grid().viewport()->rect().contains(item.united(detail)));

        const QString title = grid().CellValue(tallest, "Item").toString();
        QVERIFY(item.height() >=
                textHeight(grid().CellFont(tallest, "Item"), title, item.width() - 4));
        QVERIFY(detail.height() >= textHeight(grid().CellFont(tallest, "Detail"),
                                              grid().CellValue(tallest, "Detail").toString(),
                                              detail.width() - 6));
    }

    // Presses below the last row select nothing and clear nothing.
    void pressBelowTheRowsChangesNothing() {
        open();
        grid().SetRowCount(2);
        clickRow(1);
        const int below = viewportOf(grid()).rowRect(2).bottom() + 20;
        QVERIFY(below < grid().viewport()->height());
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, QPoint(100, below));
        QCOMPARE(selectedRows(), QList<int>{1});
        QCOMPARE(total(),
                 "Total: " + frmOptMult::FormatPrice(grid().CellValue(1, "Price").toCurrency()));
    }

    // The title column gives the vertical bar its room when the bar comes and takes it back
    // when the bar goes, refitting the rows each time: no horizontal bar either way.
    void itemColumnFollowsTheVerticalBar() {
        open();
        QVERIFY(grid().VScrollBar().Visible());
        const int narrow = grid().ColWidth("Item");
        verifyColumnsFillTheWidth();

        grid().SetRowCount(5);
        QTRY_VERIFY(grid().ColWidth("Item") > narrow);
        QVERIFY(!grid().VScrollBar().Visible());
        verifyColumnsFillTheWidth();
        verifyRowsFitted();

        for (int i = 0; i < 9; ++i)
            grid().SetCellValue(grid().AddRow(), "Detail", grid().CellValue(5, "Detail"));
        QTRY_COMPARE(grid().ColWidth("Item"), narrow);
        QVERIFY(grid().VScrollBar().Visible());
        verifyColumnsFillTheWidth();
        verifyRowsFitted();
    }
};

QTEST_MAIN(TestFrmOptMult)
#include "tst_frmoptmult.moc"
