#include "SampleWindowTest.h"
#include "app/Startup.h"
#include "platform/Colors.h"
#include "runtime/Random.h"
#include "samples/features/frmCustomSort.h"

#include <QApplication>
#include <QCheckBox>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

class TestFrmCustomSort : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<frmCustomSort> window;

    TessixGrid& grid() { return *window->Tessix1; }

    void open() { window = shownWindow<frmCustomSort>(); }
    void clickHeader(const QString& key) { ::clickHeader(grid(), key); }

    // One column's texts from the first row down, hidden rows left out.
    QStringList column(const QString& key) {
        QStringList texts;
        for (int row = 1; row <= grid().RowCount(); ++row)
            if (grid().RowVisible(row))
                texts << grid().CellValue(row, key).toString();
        return texts;
    }

    // Replaces the computers by these addresses and sizes, one row each.
    void setComputers(const QStringList& addresses, const QStringList& sizes) {
        grid().SetRowCount(int(addresses.size()));
        for (int row = 1; row <= grid().RowCount(); ++row) {
            grid().SetCellValue(row, "ip", addresses[row - 1]);
            grid().SetCellValue(row, "mem", sizes[row - 1]);
        }
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() {
        services = std::make_unique<IsolatedServices>();
        vb::Randomize(5);
    }
    void cleanup() {
        window.reset();
        const bool silent = services->boxes.shown().isEmpty();
        services.reset();
        QVERIFY2(silent, "the window showed a message box");
    }

    void sortKeys_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ipKey");
        QTest::addColumn<int>("megabytes");
        QTest::newRow("short parts") << "7.213.45.198"
                                     << "007.213.045.198" << 7;
        QTest::newRow("full parts") << "255.100.10.1"
                                    << "255.100.010.001" << 255;
        QTest::newRow("megabytes") << "512Mb"
                                   << "512Mb" << 512;
        QTest::newRow("gigabytes") << "2Gb"
                                   << "2Gb" << 2048;
        QTest::newRow("fraction of a gigabyte") << "1.5Gb"
                                                << "001.5Gb" << 1536;
        QTest::newRow("no number") << "Gb"
                                   << "0Gb" << 0;
        QTest::newRow("empty") << ""
                               << "000" << 0;
    }
    void sortKeys() {
        QFETCH(QString, text);
        QFETCH(QString, ipKey);
        QFETCH(int, megabytes);
        QCOMPARE(frmCustomSort::IPSortKey(text), ipKey);
        QCOMPARE(frmCustomSort::RAMInMegabytes(text), megabytes);
    }

    void loadFillsComputers() {
        open();
        QCOMPARE(window->windowTitle(), QString("Custom Sorting"));
        QCOMPARE(grid().ColCount(), 4);
        const QStringList keys{"group", "comp", "ip", "mem"};
        const QStringList headers{"Workgroup", "Computer", "IP Address", "RAM"};
        for (int col = 1; col <= 4; ++col) {
            QCOMPARE(grid().ColKey(col), keys[col - 1]);
            QCOMPARE(grid().ColHeaderText(col), headers[col - 1]);
            QCOMPARE(grid().ColSortType(col), col <= 2 ? 0 : int(SortTypeCustom));
        }
        QCOMPARE(grid().ColHeaderAlignH("mem"), int(AlignRight));

        QCOMPARE(grid().RowCount(), 25);
        const QList<std::pair<int, QString>> rows = {
            {1, "SALES Computer #02"},    {9, "SALES Computer #10"}, {10, "SUPPORT Computer #01"},
            {19, "SUPPORT Computer #10"}, {20, "DEV Computer #01"},  {25, "DEV Computer #06"}};
        for (const auto& [row, text] : rows)
            QCOMPARE(grid().CellValue(row, "group").toString() + " " +
                         grid().CellValue(row, "comp").toString(),
                     text);
        // Addresses as typed: four numbers from 1 to 255 without padding.
        static const QRegularExpression part("^([1-9]\\d{0,2})$");
        const QStringList sizes{"128Mb", "256Mb", "512Mb", "1Gb", "2Gb"};
        for (int row = 1; row <= 25; ++row) {
            const QStringList parts = grid().CellValue(row, "ip").toString().split('.');
            QCOMPARE(parts.size(), 4);
            for (const QString& number : parts)
                QVERIFY2(part.match(number).hasMatch() && number.toInt() <= 255,
                         qPrintable(number));
            QVERIFY(sizes.contains(grid().CellValue(row, "mem").toString()));
        }

        QVERIFY(grid().RowMode());
        QVERIFY(!grid().Editable());
        QCOMPARE(grid().GridLines(), int(GridLinesVertical));
        QCOMPARE(grid().BackColorOddRows(), RGB(153, 204, 204));
        QCOMPARE(grid().BackColorEvenRows(), RGB(0, 192, 224));
        QVERIFY(!grid().BackgroundPicture().isNull());
        QVERIFY(!grid().Header().UseOSStyle());
        QVERIFY(grid().Header().Flat());
        QCOMPARE(grid().Header().BackColor(), RGB(225, 228, 229));
        QCOMPARE(grid().Header().SolidSortIconColor(), RGB(225, 68, 0));
        QVERIFY(!window->chkFiltMem->isChecked());
    }

    // As text "1Gb" < "256Mb" < "2Gb"; by size the groups come in order, both ways.
    void ramSortsBySize() {
        open();
        const QStringList sizes{"2Gb", "128Mb", "1Gb", "512Mb", "256Mb", "1Gb", "128Mb"};
        setComputers(QStringList(sizes.size(), "1.1.1.1"), sizes);
        clickHeader("mem");
        QCOMPARE(column("mem"),
                 QStringList({"128Mb", "128Mb", "256Mb", "512Mb", "1Gb", "1Gb", "2Gb"}));
        clickHeader("mem");
        QCOMPARE(column("mem"),
                 QStringList({"2Gb", "1Gb", "1Gb", "512Mb", "256Mb", "128Mb", "128Mb"}));
    }

    // Each part by its number: 9.x before 10.x before 100.x, whatever the text order.
    void ipSortsByParts() {
        open();
        const QStringList addresses{"100.1.1.1", "10.10.0.1", "9.200.3.4",
                                    "10.2.3.4",  "9.30.1.1",  "10.2.3.4"};
        setComputers(addresses, QStringList(addresses.size(), "1Gb"));
        clickHeader("ip");
        const QStringList ascending{"9.30.1.1", "9.200.3.4", "10.2.3.4",
                                    "10.2.3.4", "10.10.0.1", "100.1.1.1"};
        QCOMPARE(column("ip"), ascending);
        clickHeader("ip");
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());
        QCOMPARE(column("ip"), descending);
    }

    // Workgroup and Computer sort as the grid compares texts; the window stays out of it.
    void textColumnsUseGridComparison() {
        open();
        int asked = 0;
        connect(&grid(), &TessixGrid::CustomSort, this, [&asked](CustomSortArgs&) { ++asked; });
        clickHeader("group");
        QStringList groups = column("group");
        QCOMPARE(groups.first(), QString("DEV"));
        QCOMPARE(groups.last(), QString("SUPPORT"));
        QVERIFY(std::is_sorted(groups.begin(), groups.end()));
        clickHeader("comp");
        const QStringList computers = column("comp");
        QVERIFY(std::is_sorted(computers.begin(), computers.end()));
        QCOMPARE(asked, 0);

        // Asked about another column anyway, the handler leaves the grid's result.
        CustomSortArgs args{1, 1, 2, Variant(QString("b")), Variant(QString("a")), 7};
        Q_EMIT grid().CustomSort(args);
        QCOMPARE(args.result, 7);
    }

    void filterHidesSmallComputers() {
        open();
        const QStringList sizes{"128Mb", "512Mb", "256Mb", "2Gb", "1Gb", "128Mb"};
        QStringList addresses;
        for (int i = 1; i <= sizes.size(); ++i)
            addresses << QString("10.0.0.%1").arg(i);
        setComputers(addresses, sizes);
        grid().SetCurCell(1, "ip"); // a computer the filter hides

        window->chkFiltMem->setChecked(true);
        QCOMPARE(column("ip"), QStringList({"10.0.0.2", "10.0.0.4", "10.0.0.5"}));
        QCOMPARE(grid().CurRow(), 0);
        QCOMPARE(grid().CurCol(), 0);

        // Sorting keeps the hidden rows hidden.
        clickHeader("mem");
        QCOMPARE(column("mem"), QStringList({"512Mb", "1Gb", "2Gb"}));

        grid().SetCurCell(2, "ip");
        window->chkFiltMem->setChecked(false);
        QCOMPARE(column("mem"), QStringList({"128Mb", "128Mb", "256Mb", "512Mb", "1Gb", "2Gb"}));
        QCOMPARE(grid().CurRow(), 0);
    }
};

QTEST_MAIN(TestFrmCustomSort)
#include "tst_frmcustomsort.moc"
