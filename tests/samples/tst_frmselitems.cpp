// "Selected Items" driven as the user does: clicks and keys on the test grid, the check
// boxes, the test commands; the listing and the event log read back.

#include "SampleWindowTest.h"
#include "app/Startup.h"
#include "samples/exploring/frmSelItems.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

QStringList lines(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The log's lines without their "[time]  " prefix.
QStringList logged(const QListWidget* list) {
    QStringList out;
    for (const QString& line : lines(list))
        out << line.section(QStringLiteral("]  "), 1);
    return out;
}

} // namespace

class TestFrmSelItems : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<frmSelItems> window;

    TessixGrid& grid() { return *window->Tessix1; }
    void click(int row, int col, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, modifiers,
                          viewportOf(grid()).cellRect(row, col).center());
    }
    void setRows(int rows) {
        window->txtRowCount->setText(QString::number(rows));
        QTest::mouseClick(window->cmdSetRowCount, Qt::LeftButton);
    }
    void selectAll() { QTest::keyClick(&grid(), Qt::Key_A, Qt::ControlModifier); }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() {
        services = std::make_unique<IsolatedServices>();
        window = shownWindow<frmSelItems>();
    }
    void cleanup() {
        window.reset();
        services.reset();
    }

    void loadFillsTheGridAndTheMenu() {
        QCOMPARE(window->windowTitle(), QString("Selected Items"));
        QCOMPARE(grid().RowCount(), 750);
        QCOMPARE(grid().ColCount(), 5);
        QCOMPARE(grid().CellValue(1, 1).toString(), QString("1"));
        QCOMPARE(grid().CellValue(750, 1).toString(), QString("750"));
        QVERIFY(grid().MultiSelect());
        QVERIFY(!grid().RowMode());
        QVERIFY(!grid().Editable());
        QStringList captions;
        for (QAction* item : window->mnuTestCmds->actions())
            captions << item->text();
        QCOMPARE(captions,
                 QStringList({"Clear selection", "Remove the 2nd row",
                              "Insert a new row before the 2nd one",
                              "Issue Tessix's SetCurCell(3, 1) method", "Remove the 1st column",
                              "Insert a new column before the 2nd one"}));
        QCOMPARE(window->mnuTestCmd.value(2)->text(), QString("Remove the 2nd row"));
        QVERIFY(!window->cmdShowSelectedItems->isEnabled());
        QVERIFY(window->lblPopulGrid->isHidden());
        QVERIFY(window->lblPopulListbox->isHidden());
        QVERIFY(lines(window->lstSelectedItems).isEmpty());
        // Digits only, five at most.
        window->txtRowCount->clear();
        QTest::keyClicks(window->txtRowCount, "12a34567");
        QCOMPARE(window->txtRowCount->text(), QString("12345"));
    }

    void nothingSelectedListsOneLine() {
        click(2, 2);
        window->mnuTestCmd[1]->trigger();
        QCOMPARE(grid().SelItems().Count(), 0);
        QCOMPARE(lines(window->lstSelectedItems), QStringList{"No selected cells"});
        QVERIFY(window->lblGotIn->text().startsWith("Got in: "));
        QVERIFY(window->lblGotIn->text().endsWith(" msec"));
    }

    void listingsOfRowsAndCells_data() {
        QTest::addColumn<bool>("rowMode");
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<QStringList>("listed");
        const QStringList rows{"Row: 3", "Row: 4", "Row: 5"};
        const QStringList cells{"Cell: (2, 1)", "Cell: (2, 2)", "Cell: (2, 3)"};
        QTest::newRow("rows, sorted") << true << true << rows;
        QTest::newRow("rows, not sorted") << true << false << rows;
        QTest::newRow("cells, sorted") << false << true << cells;
        QTest::newRow("cells, not sorted") << false << false << cells;
    }
    void listingsOfRowsAndCells() {
        QFETCH(bool, rowMode);
        QFETCH(bool, sorted);
        QFETCH(QStringList, listed);
        window->chkRowMode->setChecked(rowMode);
        window->chkSorted->setChecked(sorted);
        QCOMPARE(grid().RowMode(), rowMode);
        // Selected from the far end back, so the order read is the grid's, not the clicks'.
        if (rowMode) {
            click(5, 2);
            click(3, 2, Qt::ShiftModifier);
        } else {
            click(2, 3);
            click(2, 1, Qt::ShiftModifier);
        }
        QCOMPARE(lines(window->lstSelectedItems), listed);
        // The grid drops the selection when the mode changes, and the listing follows.
        window->chkRowMode->setChecked(!rowMode);
        QCOMPARE(grid().SelItems().Count(), 0);
        QCOMPARE(lines(window->lstSelectedItems), QStringList{"No selected cells"});
    }

    void longListingsStopAtTheCap_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("rowMode");
        QTest::addColumn<int>("items");
        QTest::newRow("99 999 rows of cells") << 99999 << false << 99999 * 5;
        QTest::newRow("6000 rows of cells: exactly the cap") << 6000 << false << 30000;
        QTest::newRow("30 000 rows: exactly the cap") << 30000 << true << 30000;
        QTest::newRow("30 001 rows") << 30001 << true << 30001;
    }
    void longListingsStopAtTheCap() {
        QFETCH(int, rows);
        QFETCH(bool, rowMode);
        QFETCH(int, items);
        window->chkRowMode->setChecked(rowMode);
        setRows(rows);
        QCOMPARE(grid().CellValue(rows, 1).toString(), QString::number(rows));
        selectAll();
        QCOMPARE(grid().SelItems().Count(), items);
        const QStringList listed = lines(window->lstSelectedItems);
        const QString last = rowMode ? QString("Row: %1").arg(frmSelItems::MaxListed)
                                     : QString("Cell: (%1, 5)").arg(frmSelItems::MaxListed / 5);
        QCOMPARE(listed.value(frmSelItems::MaxListed - 1), last);
        if (items > frmSelItems::MaxListed)
            QCOMPARE(listed.mid(frmSelItems::MaxListed),
                     QStringList({"Two many items...", "The rest of items", "are not displayed."}));
        else
            QCOMPARE(listed.size(), items);
    }

    void rowCountGrowsNumberedAndShrinks() {
        bool busyShown = false;
        QTimer::singleShot(0, this, [&] {
            const QCursor* cursor = QApplication::overrideCursor();
            busyShown =
                window->lblPopulGrid->isVisible() && cursor && cursor->shape() == Qt::WaitCursor;
        });
        setRows(1000);
        QVERIFY(busyShown);
        QVERIFY(window->lblPopulGrid->isHidden());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(grid().RowCount(), 1000);
        QCOMPARE(grid().CellValue(751, 1).toString(), QString("751"));
        QCOMPARE(grid().CellValue(1000, 1).toString(), QString("1000"));
        // Shrinking drops the selected rows beyond the new count, and the listing follows.
        click(9, 1);
        click(11, 1, Qt::ShiftModifier);
        setRows(10);
        QCOMPARE(grid().RowCount(), 10);
        QCOMPARE(lines(window->lstSelectedItems), QStringList({"Cell: (9, 1)", "Cell: (10, 1)"}));
    }

    void testCommandsOnTheSelection() {
        click(2, 1);
        click(3, 1, Qt::ShiftModifier);
        window->mnuTestCmd[2]->trigger(); // row 3 becomes row 2
        QCOMPARE(grid().RowCount(), 749);
        QCOMPARE(grid().CellValue(2, 1).toString(), QString("3"));
        QCOMPARE(lines(window->lstSelectedItems), QStringList{"Cell: (2, 1)"});
        window->mnuTestCmd[3]->trigger();
        QCOMPARE(grid().RowCount(), 750);
        QCOMPARE(grid().CellValue(2, 1).toString(), QString());
        window->mnuTestCmd[5]->trigger();
        QCOMPARE(grid().ColCount(), 4);
        window->mnuTestCmd[6]->trigger();
        QCOMPARE(grid().ColCount(), 5);
        click(5, 2);
        window->lstSelEvents->clear();
        window->mnuTestCmd[4]->trigger();
        QCOMPARE(grid().CurRow(), 3);
        QVERIFY(logged(window->lstSelEvents).contains("CurCellChange: lRow=3, lCol=1"));
        QVERIFY(services->boxes.shown().isEmpty());
    }

    void secondRowOfAOneRowGridIsLeftAlone() {
        setRows(1);
        window->mnuTestCmd[2]->trigger();
        QCOMPARE(grid().RowCount(), 1);
        QCOMPARE(grid().CellValue(1, 1).toString(), QString("1"));
        QVERIFY(services->boxes.shown().isEmpty());
    }

    void manualRefreshOnlyWhenAsked() {
        window->chkUpdateSelList->setChecked(false);
        QVERIFY(window->cmdShowSelectedItems->isEnabled());
        click(4, 2);
        QVERIFY(lines(window->lstSelectedItems).isEmpty());
        QTest::mouseClick(window->cmdShowSelectedItems, Qt::LeftButton);
        QCOMPARE(lines(window->lstSelectedItems), QStringList{"Cell: (4, 2)"});
        click(5, 2);
        QCOMPARE(lines(window->lstSelectedItems), QStringList{"Cell: (4, 2)"});
        // Back on, the listing catches up at once.
        window->chkUpdateSelList->setChecked(true);
        QVERIFY(!window->cmdShowSelectedItems->isEnabled());
        QCOMPARE(lines(window->lstSelectedItems), QStringList{"Cell: (5, 2)"});
    }

    void eventLogFollowsItsCheckBoxes() {
        click(2, 2);
        QStringList log = logged(window->lstSelEvents);
        QVERIFY(log.contains("BeforeSelectionChange"));
        QVERIFY(log.contains("AfterSelectionChange: bSelContentsChanged=True"));
        QVERIFY(log.contains("CurCellChange: lRow=2, lCol=2"));
        QVERIFY(!log.join('\n').contains("CellSelectionChange:"));
        QVERIFY(lines(window->lstSelEvents).value(0).startsWith('['));

        QTest::mouseClick(window->cmdClearEventLog, Qt::LeftButton);
        QCOMPARE(window->lstSelEvents->count(), 0);
        window->chkMonitorBeforeAfter->setChecked(false);
        window->chkMonitorCurCellChange->setChecked(false);
        window->chkMonitorCellSel->setChecked(true);
        click(2, 4, Qt::ShiftModifier);
        log = logged(window->lstSelEvents);
        QCOMPARE(log.size(), 2);
        QVERIFY(log.contains("CellSelectionChange: lRow=2, lCol=3, bSelected=True"));
        QVERIFY(log.contains("CellSelectionChange: lRow=2, lCol=4, bSelected=True"));
        // The listing still follows with the log's lines switched off.
        QCOMPARE(lines(window->lstSelectedItems).size(), 3);
        window->chkMonitorCellSel->setChecked(false);
        click(3, 3);
        QCOMPARE(window->lstSelEvents->count(), 2);
    }
};

QTEST_MAIN(TestFrmSelItems)
#include "tst_frmselitems.moc"
