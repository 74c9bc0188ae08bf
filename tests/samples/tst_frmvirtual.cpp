// "Virtual Mode Demonstration": rows made only as the view needs them, up to the limit drawn
// from the shared generator, whether the user pages down or drags the scroll bar; a reset
// while scrolled down; a limit the view could show several times over.

#include "SampleWindowTest.h"
#include "app/Startup.h"
#include "runtime/Numeric.h"
#include "runtime/Random.h"
#include "samples/viewing/frmVirtual.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

constexpr double Seed = 11;

// The limits the window draws after seeding the generator with Seed: at load, then at each
// reset.
QList<int> limitsAfterSeed(int count) {
    vb::Randomize(Seed);
    QList<int> limits;
    for (int i = 0; i < count; ++i)
        limits << int(vb::RoundHalfEven(vb::Rnd() * 300 + 100));
    return limits;
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class TestFrmVirtual : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<frmVirtual> window;
    QList<int> limits;

    TessixGrid& grid() { return *window->grdVirtual; }
    QScrollBar* bar() { return grid().verticalScrollBar(); }

    // Scrolls on until no more rows come.
    void scrollToTheEnd(const QString& how) {
        if (how == "keys")
            grid().SetCurCell(1, 1);
        for (int rows = -1, current = -1;
             rows != grid().RowCount() || current != grid().CurRow();) {
            rows = grid().RowCount();
            current = grid().CurRow();
            if (how == "keys")
                QTest::keyClick(&grid(), Qt::Key_PageDown);
            else
                bar()->setValue(bar()->maximum());
            settle();
        }
    }

    void verifyRows(int count) {
        QCOMPARE(grid().RowCount(), count);
        for (int row : {1, count}) {
            QCOMPARE(grid().CellText(row, 1), QString("Row %1; Column 1").arg(row));
            QCOMPARE(grid().CellText(row, 2), QString("Row %1; Column 2").arg(row));
        }
    }

private Q_SLOTS:
    void initTestCase() {
        InitializeApplication(*qApp);
        limits = limitsAfterSeed(2);
        QVERIFY(limits[0] != limits[1]);
    }
    void init() {
        services = std::make_unique<IsolatedServices>();
        vb::Randomize(Seed);
        window = shownWindow<frmVirtual>();
        settle();
    }
    void cleanup() {
        window.reset();
        services.reset();
    }

    void opensWithTheRowsItShows() {
        QCOMPARE(window->lblTarget->text(), QString::number(limits[0]));
        QCOMPARE(grid().ColCount(), 2);
        QCOMPARE(grid().ColHeaderText(1), "Column-1");
        QCOMPARE(grid().ColHeaderText(2), "Column-2");
        QCOMPARE(grid().ColWidth(1), 120);
        QCOMPARE(grid().GridLines(), int(GridLinesNone));
        // As many rows as the view shows, a few of the hundreds the window would give.
        const int visible = viewportOf(grid()).rowsArea().height() / grid().DefaultRowHeight();
        QVERIFY2(grid().RowCount() >= visible && grid().RowCount() <= visible + 1,
                 qPrintable(QString("%1 rows, %2 visible").arg(grid().RowCount()).arg(visible)));
        verifyRows(grid().RowCount());
        QCOMPARE(window->lblInfo->text(), QString::number(grid().RowCount()));
    }

    void scrolledToTheEnd_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Page Down") << "keys";
        QTest::newRow("scroll bar") << "bar";
    }
    void scrolledToTheEnd() {
        QFETCH(QString, how);
        scrollToTheEnd(how);
        verifyRows(limits[0]);
        QCOMPARE(window->lblInfo->text(), QString::number(limits[0]));
        QCOMPARE(bar()->value(), bar()->maximum());
    }

    void resetWhileScrolledDown() {
        scrollToTheEnd("bar");
        window->cmdClear->click();
        settle();
        QCOMPARE(window->lblTarget->text(), QString::number(limits[1]));
        QCOMPARE(bar()->value(), 0);
        QVERIFY(grid().RowCount() < 20);
        verifyRows(grid().RowCount());
        QCOMPARE(window->lblInfo->text(), QString::number(grid().RowCount()));
        scrollToTheEnd("keys");
        verifyRows(limits[1]);
    }

    // A view taller than the rows: every row at once, blank space below, no row past it.
    void limitSmallerThanTheView() {
        grid().setFixedHeight(limits[0] * grid().DefaultRowHeight() + 400);
        settle();
        verifyRows(limits[0]);
        QCOMPARE(window->lblInfo->text(), QString::number(limits[0]));
    }
};

QTEST_MAIN(TestFrmVirtual)
#include "tst_frmvirtual.moc"
