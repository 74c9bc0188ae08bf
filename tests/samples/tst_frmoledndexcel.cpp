// "Dragging Tessix cells to MS Excel", headless: the text a selection drags out as (shapes
// that are not rectangles included), what starts a drag and what does not. The drag into
// another program runs for real in tests/xcb.

#include "SampleWindowTest.h"
#include "app/Startup.h"
#include "samples/ideas/frmOLEDnD2Excel.h"

#include <QPushButton>
#include <QtTest>

namespace {

// One line of expected text from a picture of the selection's columns: 'x' a selected cell
// (its "R<row>C<col>" text), '.' an empty field; the first character is column firstCol.
QString line(int row, int firstCol, const QString& picture) {
    QStringList fields;
    for (int i = 0; i < picture.size(); ++i)
        fields << (picture[i] == u'x' ? QStringLiteral("R%1C%2").arg(row).arg(firstCol + i)
                                      : QString());
    return fields.join(u'\t') + QStringLiteral("\r\n");
}

} // namespace

class TestFrmOLEDnD2Excel : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<frmOLEDnD2Excel> window;
    // What the drags the window started offered, in order.
    QStringList dragged;

    TessixGrid& grid() { return *window->Tessix1; }
    QPoint cellPoint(int row, int col) { return viewportOf(grid()).cellRect(row, col).center(); }
    // Press on a cell and move on, as a hand starts a drag.
    void pressAndMove(int row, int col) {
        QTest::mousePress(grid().viewport(), Qt::LeftButton, {}, cellPoint(row, col));
        QTest::mouseMove(grid().viewport(), cellPoint(row + 2, col));
        QTest::mouseRelease(grid().viewport(), Qt::LeftButton, {}, cellPoint(row + 2, col));
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() {
        services = std::make_unique<IsolatedServices>();
        window = shownWindow<frmOLEDnD2Excel>();
        dragged.clear();
        // Connected after the window, so it sees the data as the window left it.
        connect(window->Tessix1, &TessixGrid::OLEStartDrag, this, [this](OLEStartDragArgs& a) {
            QCOMPARE(a.allowedEffects, int(DropEffectCopy));
            dragged << a.data.GetData(DataFormatText).toString();
        });
    }
    void cleanup() {
        window.reset();
        const bool silent = services->boxes.shown().isEmpty();
        services.reset();
        QVERIFY2(silent, "the window showed a message box");
    }

    void loadsTheSampleCells() {
        QCOMPARE(window->windowTitle(),
                 QString("OLE Drag-n-drop: Dragging Tessix cells to MS Excel"));
        QCOMPARE(grid().RowCount(), 50);
        QCOMPARE(grid().ColCount(), 9);
        QCOMPARE(grid().CellValue(1, 1).toString(), QString("R1C1"));
        QCOMPARE(grid().CellValue(50, 9).toString(), QString("R50C9"));
        QCOMPARE(grid().CellValue(12, 3).toString(), QString("R12C3"));
        QVERIFY(grid().MultiSelect());
    }

    void selectionExampleDragsItsShape() {
        grid().VScrollBar().SetValue(grid().VScrollBar().Max());
        grid().SetCellSelected(40, 1, true);
        window->cmdSelExmpl->click();
        QCOMPARE(grid().VScrollBar().Value(), 0);
        QVERIFY(!grid().CellSelected(40, 1)); // the old selection is gone
        QWidget* focus = window->focusWidget();
        QVERIFY(focus == &grid() || grid().isAncestorOf(focus));

        QString expected;
        for (int row : {2, 3})
            expected += line(row, 2, "xxxxxxx.");
        for (int row = 4; row <= 8; ++row)
            expected += line(row, 2, "xx...xx.");
        for (int row : {9, 10})
            expected += line(row, 2, "xxxxxxx.");
        expected += line(11, 2, "........");
        expected += line(12, 2, ".....xxx");
        expected += line(13, 2, ".....x..");
        QCOMPARE(frmOLEDnD2Excel::SelectionAsText(grid()), expected);

        pressAndMove(5, 3);
        QCOMPARE(dragged, QStringList{expected});
    }

    void dragsWhatIsSelected_data() {
        QTest::addColumn<QString>("cells"); // "row,col ..."
        QTest::addColumn<QString>("expected");
        QTest::newRow("one cell") << "7,4"
                                  << "R7C4\r\n";
        QTest::newRow("a row") << "3,1 3,2"
                               << "R3C1\tR3C2\r\n";
        QTest::newRow("a column") << "3,5 4,5"
                                  << "R3C5\r\nR4C5\r\n";
        QTest::newRow("a diagonal: empty fields keep it apart")
            << "1,1 2,2 3,3"
            << "R1C1\t\t\r\n\tR2C2\t\r\n\t\tR3C3\r\n";
        QTest::newRow("a gap of whole rows and columns") << "1,9 4,7"
                                                         << "\t\tR1C9\r\n"
                                                            "\t\t\r\n"
                                                            "\t\t\r\n"
                                                            "R4C7\t\t\r\n";
    }
    void dragsWhatIsSelected() {
        QFETCH(QString, cells);
        QFETCH(QString, expected);
        for (const QString& cell : cells.split(u' ')) {
            const QStringList rc = cell.split(u',');
            grid().SetCellSelected(rc[0].toInt(), rc[1].toInt(), true);
        }
        const QStringList first = cells.section(u' ', 0, 0).split(u',');
        pressAndMove(first[0].toInt(), first[1].toInt());
        QCOMPARE(dragged, QStringList{expected});
    }

    void nothingSelectedStartsNoDrag() {
        grid().ClearSelection();
        QCOMPARE(frmOLEDnD2Excel::SelectionAsText(grid()), QString());
        // The grid may raise StartDrag with nothing selected; the window starts no drag then.
        Q_EMIT grid().StartDrag();
        // A press on a cell that is not selected selects it and drags nothing.
        pressAndMove(2, 2);
        QVERIFY(dragged.isEmpty());
        QVERIFY(grid().CellSelected(4, 2));
    }
};

QTEST_MAIN(TestFrmOLEDnD2Excel)
#include "tst_frmoledndexcel.moc"
