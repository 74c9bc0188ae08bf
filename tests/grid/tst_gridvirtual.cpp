// Virtual mode through the real widget: the request protocol (rows one after another, one
// data request per accepted row, never a row twice, a refusal ends the data until the grid
// is emptied), when rows are asked for (filling the view, the scroll bar, the wheel, Down,
// Page Down, Ctrl+End, a taller grid), handlers that call back into the grid, and the scroll
// range while more rows may come.

#include "GridTestAccess.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace {

constexpr int RowHeight = 20;

// The program's side: supplies rows up to a limit and checks the protocol as it goes.
struct Source {
    TessixGrid& grid;
    int limit;
    QStringList faults; // protocol breaches, empty when all went as it should
    int lastNew = 0;    // the last row asked for
    int lastData = 0;   // the last row filled
    int refusals = 0;
    bool pendingData = false;        // an accepted row waits for its data
    bool inside = false;             // inside a request
    bool painting = false;           // inside a paint
    std::function<void(int)> onData; // extra work of the data handler

    Source(TessixGrid& grid, int limit) : grid(grid), limit(limit) {
        QObject::connect(&grid, &TessixGrid::RequestNewRow, [this](RequestNewRowArgs& args) {
            enter("new", args.row);
            if (pendingData)
                faults << QString("new %1 before the data of %2").arg(args.row).arg(lastNew);
            if (args.row != lastNew + 1)
                faults << QString("new %1 after %2").arg(args.row).arg(lastNew);
            lastNew = args.row;
            if (args.row > this->limit) {
                args.noMoreRows = true;
                ++refusals;
            } else {
                pendingData = true;
            }
            inside = false;
        });
        QObject::connect(&grid, &TessixGrid::RequestRowData, [this](int row) {
            enter("data", row);
            if (!pendingData || row != lastNew)
                faults << QString("data %1 unasked (last new %2)").arg(row).arg(lastNew);
            pendingData = false;
            lastData = row;
            this->grid.SetCellValue(row, 1, QString("Row %1").arg(row));
            if (onData)
                onData(row);
            inside = false;
        });
    }
    void enter(const char* what, int row) {
        if (inside)
            faults << QString("%1 %2 inside another request").arg(what).arg(row);
        if (painting)
            faults << QString("%1 %2 while painting").arg(what).arg(row);
        if (refusals > 0)
            faults << QString("%1 %2 after a refusal").arg(what).arg(row);
        inside = true;
    }
    // The grid was emptied: the protocol starts again.
    void restart(int newLimit) {
        limit = newLimit;
        lastNew = lastData = refusals = 0;
        pendingData = false;
    }
};

struct VirtualGrid {
    TessixGrid grid;
    Source source;

    explicit VirtualGrid(int limit, QSize size = QSize(300, 220)) : source(grid, limit) {
        grid.BeginUpdate();
        grid.SetDefaultRowHeight(RowHeight);
        grid.SetColCount(2);
        grid.SetVirtualMode(true);
        grid.EndUpdate();
        grid.resize(size);
        grid.show();
        if (!QTest::qWaitForWindowExposed(&grid))
            qWarning("the test grid was not exposed");
        settle();
    }
    void settle() {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }
    int rowsAreaHeight() const { return viewportOf(grid).rowsArea().height(); }
    QScrollBar* bar() { return grid.verticalScrollBar(); }
    void key(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(&grid, key, mods);
        settle();
    }
    // Rows down to one beyond the bottom of the view are there, and no more than that.
    bool fillsTheView() const {
        const int bottom = grid.verticalScrollBar()->value() + rowsAreaHeight();
        const int n = grid.RowCount();
        return n * RowHeight > bottom && (n - 1) * RowHeight <= bottom;
    }
};

} // namespace

class TestGridVirtual : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fillsTheViewOnceShown();
    void userScrollsAskForMore_data();
    void userScrollsAskForMore();
    void ctrlEndLoadsEverythingInBatches();
    void anotherKeyGivesUpCtrlEnd();
    void refusalEndsTheDataUntilCleared();
    void dataShorterThanTheView();
    void handlersCallingBackIntoTheGrid();
    void noRequestWhilePainting();
    void switchedOff();
};

void TestGridVirtual::fillsTheViewOnceShown() {
    VirtualGrid v(1000);
    QVERIFY2(v.source.faults.isEmpty(), qPrintable(v.source.faults.join('\n')));
    QVERIFY(v.fillsTheView());
    QCOMPARE(v.source.lastData, v.grid.RowCount());
    QCOMPARE(v.grid.CellValue(1, 1).toString(), QString("Row 1"));
    // Nothing more is asked while the view stands still.
    const int rows = v.grid.RowCount();
    v.settle();
    QCOMPARE(v.grid.RowCount(), rows);
    // More rows may come: the bar lets the user scroll a page past the last row.
    QCOMPARE(v.bar()->maximum(), (rows * RowHeight - v.rowsAreaHeight()) + v.rowsAreaHeight());
}

void TestGridVirtual::userScrollsAskForMore_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("scroll bar to its end") << "bar";
    QTest::newRow("wheel") << "wheel";
    QTest::newRow("Down from the last row") << "down";
    QTest::newRow("Page Down") << "pagedown";
    QTest::newRow("a taller grid") << "taller";
}

void TestGridVirtual::userScrollsAskForMore() {
    QFETCH(QString, how);
    VirtualGrid v(1000);
    const int before = v.grid.RowCount();
    if (how == "bar") {
        v.bar()->setValue(v.bar()->maximum());
    } else if (how == "wheel") {
        for (int i = 0; i < 5; ++i) {
            QWheelEvent wheel(QPointF(50, 50), v.grid.viewport()->mapToGlobal(QPointF(50, 50)),
                              QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(v.grid.viewport(), &wheel);
            v.settle();
        }
    } else if (how == "down") {
        v.grid.SetCurCell(before, 1);
        v.key(Qt::Key_Down);
        QCOMPARE(v.grid.CurRow(), before + 1); // the row was there for the key to move onto
    } else if (how == "pagedown") {
        v.grid.SetCurCell(before, 1);
        v.key(Qt::Key_PageDown);
        // A whole page further down.
        QVERIFY2(v.grid.CurRow() >= before + v.rowsAreaHeight() / RowHeight - 1,
                 qPrintable(QString("current row %1 of %2").arg(v.grid.CurRow()).arg(before)));
    } else {
        v.grid.resize(v.grid.width(), v.grid.height() * 2);
    }
    v.settle();
    QVERIFY2(v.source.faults.isEmpty(), qPrintable(v.source.faults.join('\n')));
    QVERIFY2(v.grid.RowCount() > before,
             qPrintable(QString("%1 rows, %2 before").arg(v.grid.RowCount()).arg(before)));
    QVERIFY(v.fillsTheView());
}

void TestGridVirtual::ctrlEndLoadsEverythingInBatches() {
    VirtualGrid v(100000);
    v.grid.SetCurCell(1, 2);
    QSignalSpy moves(&v.grid, &TessixGrid::CurRowChange);
    QTest::keyClick(&v.grid, Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::processEvents(); // one batch
    QVERIFY2(v.grid.RowCount() < 100000, "the rows came in one go, the event loop never ran");
    QTRY_COMPARE_WITH_TIMEOUT(v.source.refusals, 1, 60000);
    v.settle();
    QVERIFY2(v.source.faults.isEmpty(), qPrintable(v.source.faults.join('\n')));
    QCOMPARE(v.grid.RowCount(), 100000);
    // The key took effect once everything was in: the last row, the column kept, in view.
    QCOMPARE(v.grid.CurRow(), 100000);
    QCOMPARE(v.grid.CurCol(), 2);
    QCOMPARE(moves.count(), 1);
    QCOMPARE(v.bar()->value(), v.bar()->maximum());
    QCOMPARE(v.bar()->maximum(), 100000 * RowHeight - v.rowsAreaHeight()); // nothing beyond
}

void TestGridVirtual::anotherKeyGivesUpCtrlEnd() {
    VirtualGrid v(100000);
    v.grid.SetCurCell(2, 1);
    QTest::keyClick(&v.grid, Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::processEvents();
    QTest::keyClick(&v.grid, Qt::Key_Up);
    v.settle();
    const int rows = v.grid.RowCount();
    QVERIFY(rows < 100000);
    v.settle();
    QCOMPARE(v.grid.RowCount(), rows);
    QCOMPARE(v.grid.CurRow(), 1);
    QVERIFY2(v.source.faults.isEmpty(), qPrintable(v.source.faults.join('\n')));
}

void TestGridVirtual::refusalEndsTheDataUntilCleared() {
    VirtualGrid v(30);
    v.grid.SetCurCell(1, 1);
    v.key(Qt::Key_End, Qt::ControlModifier);
    QTRY_COMPARE(v.source.refusals, 1);
    QCOMPARE(v.grid.RowCount(), 30);
    QCOMPARE(v.grid.CurRow(), 30);
    // Nothing more is asked for, however the user scrolls.
    v.key(Qt::Key_Down);
    v.key(Qt::Key_PageDown);
    v.bar()->setValue(v.bar()->maximum());
    v.settle();
    QCOMPARE(v.grid.RowCount(), 30);
    QCOMPARE(v.source.refusals, 1);
    QVERIFY2(v.source.faults.isEmpty(), qPrintable(v.source.faults.join('\n')));

    // Emptied, the grid asks again from row 1, up to the new limit.
    v.source.restart(5);
    v.grid.Clear();
    v.settle();
    QVERIFY2(v.source.faults.isEmpty(), qPrintable(v.source.faults.join('\n')));
    QCOMPARE(v.grid.RowCount(), 5);
    QCOMPARE(v.grid.CellValue(1, 1).toString(), QString("Row 1"));
    QCOMPARE(v.grid.ColCount(), 2); // the columns stay
}

void TestGridVirtual::dataShorterThanTheView() {
    VirtualGrid v(3);
    QCOMPARE(v.grid.RowCount(), 3);
    QCOMPARE(v.source.refusals, 1);
    QCOMPARE(v.bar()->maximum(), 0);
    v.grid.resize(v.grid.width(), v.grid.height() * 2);
    v.grid.SetCurCell(1, 1);
    v.key(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(v.grid.RowCount(), 3);
    QCOMPARE(v.grid.CurRow(), 3);
    QVERIFY2(v.source.faults.isEmpty(), qPrintable(v.source.faults.join('\n')));
}

void TestGridVirtual::handlersCallingBackIntoTheGrid() {
    // The data handler opens its own update pair, writes colours, scrolls and lets events
    // run: none of it may ask for the next row before the handler returns.
    VirtualGrid v(0);
    v.source.onData = [&](int row) {
        v.grid.BeginUpdate();
        v.grid.SetCellBackColor(row, 2, OleColor(0xDCD2F0));
        v.grid.EndUpdate();
        v.grid.verticalScrollBar()->setValue(v.grid.verticalScrollBar()->maximum());
        QCoreApplication::processEvents();
    };
    v.source.restart(200);
    v.grid.Clear();
    v.key(Qt::Key_End, Qt::ControlModifier);
    QTRY_COMPARE(v.source.refusals, 1);
    QCOMPARE(v.grid.RowCount(), 200);
    QCOMPARE(v.grid.CellBackColor(200, 2), OleColor(0xDCD2F0));
    QVERIFY2(v.source.faults.isEmpty(), qPrintable(v.source.faults.join('\n')));

    // A handler that empties the grid: the requests start again cleanly from row 1.
    bool cleared = false;
    v.source.onData = [&](int row) {
        if (row == 3 && !cleared) {
            cleared = true;
            v.source.restart(4);
            v.grid.Clear();
        }
    };
    v.source.restart(10);
    v.grid.Clear();
    v.settle();
    QVERIFY(cleared);
    QCOMPARE(v.grid.RowCount(), 4);
    QCOMPARE(v.source.refusals, 1);
    QVERIFY2(v.source.faults.isEmpty(), qPrintable(v.source.faults.join('\n')));
}

void TestGridVirtual::noRequestWhilePainting() {
    // A formatting handler runs while the rows are painted and lets pending events run.
    VirtualGrid v(1000);
    v.grid.SetDynamicFormattingEvents(DynamicRowFormat);
    QObject::connect(&v.grid, &TessixGrid::RowDynamicFormat, [&](RowDynamicFormatArgs&) {
        v.source.painting = true;
        QCoreApplication::processEvents();
        v.source.painting = false;
    });
    // Taller: rows are wanted, and the paint comes before the event loop turns.
    const int rows = v.grid.RowCount();
    v.grid.resize(v.grid.width(), v.grid.height() * 2);
    v.grid.viewport()->repaint();
    v.settle();
    QVERIFY(v.grid.RowCount() > rows);
    QVERIFY2(v.source.faults.isEmpty(), qPrintable(v.source.faults.join('\n')));
    QVERIFY(v.fillsTheView());
}

void TestGridVirtual::switchedOff() {
    VirtualGrid v(1000);
    const int rows = v.grid.RowCount();
    v.grid.SetVirtualMode(false);
    QCOMPARE(v.bar()->maximum(), rows * RowHeight - v.rowsAreaHeight());
    v.bar()->setValue(v.bar()->maximum());
    v.grid.SetCurCell(rows, 1);
    v.key(Qt::Key_Down);
    v.key(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(v.grid.RowCount(), rows); // the rows stay, none is asked for
    QCOMPARE(v.grid.CurRow(), rows);
    QVERIFY(v.grid.VirtualMode() == false);
}

QTEST_MAIN(TestGridVirtual)
#include "tst_gridvirtual.moc"
