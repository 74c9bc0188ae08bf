#include "SampleWindowTest.h"

#include "app/Startup.h"
#include "platform/Colors.h"
#include "samples/ideas/frmCellDynamicFmt.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <map>

namespace {

// What the window's handlers made of a cell the last time it was drawn.
struct DrawnCell {
    OleColor foreColor = DefaultColor;
    OleColor backColor = DefaultColor;
    std::optional<FontData> font;
    QString text;
};

} // namespace

class TestFrmCellDynamicFmt : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<frmCellDynamicFmt> window;
    std::map<std::pair<int, int>, DrawnCell> drawn;
    std::map<int, DrawnCell> drawnRows;
    int rowEvents = 0;
    int formatEvents = 0;
    int textEvents = 0;

    TessixGrid& grid() { return *window->Tessix1; }
    int col(const char* key) { return grid().ColIndex(QString::fromLatin1(key)); }

    // Connected after the window's own handlers, so each sees the outputs they left.
    void open() {
        window = shownWindow<frmCellDynamicFmt>();
        connect(&grid(), &TessixGrid::RowDynamicFormat, this, [this](RowDynamicFormatArgs& a) {
            ++rowEvents;
            drawnRows[a.row] = {a.foreColor,
                                DefaultColor,
                                a.font ? std::optional(a.font->data()) : std::nullopt,
                                {}};
        });
        connect(&grid(), &TessixGrid::CellDynamicFormat, this, [this](CellDynamicFormatArgs& a) {
            ++formatEvents;
            DrawnCell& cell = drawn[{a.row, a.col}];
            cell.foreColor = a.foreColor;
            cell.backColor = a.backColor;
            cell.font = a.font ? std::optional(a.font->data()) : std::nullopt;
        });
        connect(&grid(), &TessixGrid::CellDynamicText, this, [this](CellDynamicTextArgs& a) {
            ++textEvents;
            drawn[{a.row, a.col}].text = a.text;
        });
    }
    // Draws the visible cells now, whether or not the window asked for it.
    void paint() { grid().viewport()->repaint(); }
    DrawnCell cell(int row, const char* key) { return drawn[{row, col(key)}]; }
    bool highlighted(int row) { return cell(row, "sales").backColor == RGB(255, 255, 0); }
    void resetCounts() { rowEvents = formatEvents = textEvents = 0; }

    void setRow(int row, int country, int sales) {
        grid().SetCellValue(row, "cntryID", Variant(country));
        grid().SetCellValue(row, "sales", Variant(sales));
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() {
        services = std::make_unique<IsolatedServices>();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanup() {
        window.reset();
        services.reset();
        drawn.clear();
        drawnRows.clear();
        resetCounts();
        QLocale::setDefault(QLocale::c());
    }

    void opensWithTheSampleSales() {
        open();
        QCOMPARE(window->windowTitle(), QStringLiteral("Formatting Cells Dynamically"));
        QCOMPARE(grid().RowCount(), 10000);
        QCOMPARE(grid().CellValue(1, "comp").toString(), QStringLiteral("Company #00001"));
        QCOMPARE(grid().CellValue(10000, "comp").toString(), QStringLiteral("Company #10000"));
        for (int row = 1; row <= grid().RowCount(); ++row) {
            const int id = grid().CellValue(row, "cntryID").toLong();
            const int sales = grid().CellValue(row, "sales").toLong();
            QVERIFY(id >= 1 && id <= 5);
            QVERIFY(sales >= 0 && sales <= 1000000 && sales % 1000 == 0);
        }
        QCOMPARE(window->txtSalesLimit->text(), QStringLiteral("750"));
        QCOMPARE(window->SalesLimit(), 750);
        QVERIFY(window->optCntryFull->isChecked());
        QVERIFY(window->optFmtPredef->isChecked());
        QVERIFY(!window->chkHlRowsUSA->isChecked());
        QVERIFY(!window->chkHlCellsSales->isChecked());
    }

    // A sales cell is highlighted when it is not below the limit in thousands; an empty box
    // is a limit of 0.
    void limitBoundaries_data() {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<int>("sales");
        QTest::addColumn<bool>("lit");
        QTest::newRow("750 000 at 750") << "750" << 750000 << true;
        QTest::newRow("749 000 at 750") << "750" << 749000 << false;
        QTest::newRow("999 000 at 999") << "999" << 999000 << true;
        QTest::newRow("998 000 at 999") << "999" << 998000 << false;
        QTest::newRow("0 at an empty limit") << "" << 0 << true;
        QTest::newRow("0 at 1") << "1" << 0 << false;
    }
    void limitBoundaries() {
        QFETCH(QString, limit);
        QFETCH(int, sales);
        QFETCH(bool, lit);
        open();
        setRow(1, 1, sales);
        window->txtSalesLimit->setText(limit);
        paint();
        QVERIFY(!highlighted(1)); // the option is off
        window->chkHlCellsSales->setChecked(true);
        paint();
        QCOMPARE(highlighted(1), lit);
    }

    // "-" and "+" move the limit by 50 within 0..999, show it in the box and redraw the
    // highlighted cells.
    void limitButtons_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QString>("result");
        QTest::newRow("+ at 999") << "999" << true << "999";
        QTest::newRow("+ near the top") << "980" << true << "999";
        QTest::newRow("+ at 750") << "750" << true << "800";
        QTest::newRow("- at 0") << "0" << false << "0";
        QTest::newRow("- near the bottom") << "30" << false << "0";
        QTest::newRow("- at 750") << "750" << false << "700";
        QTest::newRow("+ on an empty box") << "" << true << "50";
    }
    void limitButtons() {
        QFETCH(QString, start);
        QFETCH(bool, plus);
        QFETCH(QString, result);
        open();
        window->chkHlCellsSales->setChecked(true);
        window->txtSalesLimit->setText(start);
        setRow(1, 1, result.toInt() * 1000);
        setRow(2, 1, result.toInt() * 1000 - 1000);
        paint();
        (plus ? window->cmdPlus : window->cmdMinus)->click();
        QCOMPARE(window->txtSalesLimit->text(), result);
        QCOMPARE(window->SalesLimit(), result.toInt());
        // Redrawn by the window: the new limit lies between the two rows.
        QTRY_VERIFY(highlighted(1) && !highlighted(2));
    }

    void limitBoxTakesThreeDigitsOnly() {
        open();
        window->txtSalesLimit->clear();
        QTest::keyClicks(window->txtSalesLimit, QStringLiteral("a1-b2 c3d4"));
        QCOMPARE(window->txtSalesLimit->text(), QStringLiteral("123"));
        QCOMPARE(window->SalesLimit(), 123);
    }

    // The country column shows a name for the stored ID, changed at once by the options; the
    // stored ID never changes.
    void countryNames_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("shortForm");
        QTest::newRow("Australia") << 1 << "Australia"
                                   << "Aust";
        QTest::newRow("United States") << 5 << "United States"
                                       << "USA";
    }
    void countryNames() {
        QFETCH(int, id);
        QFETCH(QString, full);
        QFETCH(QString, shortForm);
        open();
        setRow(1, id, 1000);
        paint();
        QCOMPARE(cell(1, "cntryID").text, full);
        window->optCntryShort->setChecked(true);
        QTRY_COMPARE(cell(1, "cntryID").text, shortForm);
        window->optCntryFull->setChecked(true);
        QTRY_COMPARE(cell(1, "cntryID").text, full);
        QCOMPARE(grid().CellValue(1, "cntryID").toLong(), id);
    }

    // A US row turns red in bold 9-point Arial; its sales cell above the limit is blue
    // italics on yellow. Other rows keep the grid's look.
    void usRowWithSalesAboveTheLimit() {
        open();
        setRow(1, 5, 900000);
        setRow(2, 2, 900000);
        window->chkHlRowsUSA->setChecked(true);
        window->chkHlCellsSales->setChecked(true);
        paint();

        const FontData arialBold{QStringLiteral("Arial"), 9, true, false};
        QCOMPARE(drawnRows[1].foreColor, RGB(255, 0, 0));
        QCOMPARE(drawnRows[1].font, std::optional(arialBold));
        QCOMPARE(cell(1, "comp").foreColor, RGB(255, 0, 0));
        QCOMPARE(cell(1, "comp").font, std::optional(arialBold));

        FontData italic = grid().Font().data();
        italic.italic = true;
        QCOMPARE(italic.name, QStringLiteral("Verdana"));
        QCOMPARE(cell(1, "sales").foreColor, RGB(0, 0, 255));
        QCOMPARE(cell(1, "sales").backColor, RGB(255, 255, 0));
        QCOMPARE(cell(1, "sales").font, std::optional(italic));

        QCOMPARE(drawnRows[2].foreColor, DefaultColor);
        QVERIFY(!drawnRows[2].font);
        QCOMPARE(cell(2, "comp").foreColor, DefaultColor);
        QVERIFY(highlighted(2));

        window->chkHlRowsUSA->setChecked(false);
        QTRY_COMPARE(drawnRows[1].foreColor, DefaultColor);
        QVERIFY(highlighted(1));
        // Every row is tall enough for the larger font.
        QVERIFY(grid().RowHeight(1) >= grid().GetOptimalRowHeight(FontObject(arialBold)));
    }

    void salesFormats_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("sales");
        QTest::addColumn<QString>("text");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale de(QLocale::German, QLocale::Germany);
        QTest::newRow("#,## zero is empty") << us << "optFmtPredef" << 0 << "";
        QTest::newRow("#,## thousands") << us << "optFmtPredef" << 1000000 << "1,000,000";
        QTest::newRow("#,## German") << de << "optFmtPredef" << 250000 << "250.000";
        QTest::newRow("currency") << us << "optFmtRegional" << 250000 << "$250,000.00";
        QTest::newRow("currency zero") << us << "optFmtRegional" << 0 << "$0.00";
        QTest::newRow("currency German")
            << de << "optFmtRegional" << 250000 << "250.000,00\u00A0\u20AC";
        QTest::newRow("no formatting") << us << "optFmtNone" << 250000 << "250000";
        QTest::newRow("no formatting zero") << us << "optFmtNone" << 0 << "0";
    }
    void salesFormats() {
        QFETCH(QLocale, locale);
        QFETCH(QString, option);
        QFETCH(int, sales);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        open();
        setRow(1, 1, sales);
        QRadioButton* button = option == "optFmtPredef"     ? window->optFmtPredef
                               : option == "optFmtRegional" ? window->optFmtRegional
                                                            : window->optFmtNone;
        button->setChecked(true);
        paint();
        QCOMPARE(cell(1, "sales").text, text);
        QCOMPARE(grid().CellValue(1, "sales").toLong(), sales);
    }

    // An option change redraws the visible rows once, and only them: the same number of
    // formatting events whatever the number of rows.
    void oneOptionChangeRedrawsTheVisibleCellsOnce_data() {
        QTest::addColumn<int>("rows");
        QTest::newRow("10 000 rows") << 10000;
        QTest::newRow("200 000 rows") << 200000;
    }
    void oneOptionChangeRedrawsTheVisibleCellsOnce() {
        QFETCH(int, rows);
        open();
        grid().SetRowCount(rows);
        paint();
        QApplication::processEvents();
        const int rowHeight = grid().DefaultRowHeight();
        const int rowsArea = grid().viewport()->height() - grid().Header().Height();
        const int visibleRows = (rowsArea + rowHeight - 1) / rowHeight;

        for (QAbstractButton* option : std::initializer_list<QAbstractButton*>{
                 window->optCntryShort, window->chkHlRowsUSA, window->optFmtRegional}) {
            resetCounts();
            option->click();
            QTRY_VERIFY(rowEvents > 0);
            QTest::qWait(50); // no second redraw follows
            QCOMPARE(rowEvents, visibleRows);
            QCOMPARE(formatEvents, 3 * visibleRows);
            QCOMPARE(textEvents, 3 * visibleRows);
        }
    }
};

QTEST_MAIN(TestFrmCellDynamicFmt)
#include "tst_frmcelldynamicfmt.moc"
