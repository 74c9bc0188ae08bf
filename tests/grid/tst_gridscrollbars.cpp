// The scroll-bar objects and events through the real widget: the members, the events of the
// user's scrolls with their reasons (by the bar, by keys, by the wheel), the position, and the
// visibility, thickness and enabled events, raised once the layout has settled. Also the
// desktop style event.

#include "GridTestAccess.h"
#include "InputTestGrid.h"

#include <QApplication>
#include <QProxyStyle>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// Records the scroll-bar events as short lines: "before 1 r3", "pos 1 400", "end 1"...
struct ScrollLog {
    QStringList lines;

    explicit ScrollLog(TessixGrid& grid) {
        QObject::connect(
            &grid, &TessixGrid::ScrollBarBeforeScroll, [this](int bar, int reason, bool wheel) {
                lines << QString("before %1 r%2%3").arg(bar).arg(reason).arg(wheel ? " wheel" : "");
            });
        QObject::connect(&grid, &TessixGrid::ScrollBarPosChanged, [this](int bar, int value) {
            lines << QString("pos %1 %2").arg(bar).arg(value);
        });
        QObject::connect(&grid, &TessixGrid::ScrollBarThumbTrack, [this](int bar, int value) {
            lines << QString("track %1 %2").arg(bar).arg(value);
        });
        QObject::connect(&grid, &TessixGrid::ScrollBarEndScroll,
                         [this](int bar) { lines << QString("end %1").arg(bar); });
        QObject::connect(&grid, &TessixGrid::ScrollBarVisibilityChanged,
                         [this](int bar, bool visible) {
                             lines << QString("visible %1 %2").arg(bar).arg(int(visible));
                         });
        QObject::connect(&grid, &TessixGrid::ScrollBarThicknessChanged, [this](int bar, int value) {
            lines << QString("thickness %1 %2").arg(bar).arg(value > 0 ? "+" : "0");
        });
        QObject::connect(&grid, &TessixGrid::ScrollBarEnabledChanged,
                         [this](int bar, bool enabled) {
                             lines << QString("enabled %1 %2").arg(bar).arg(int(enabled));
                         });
    }
    QStringList take() { return std::exchange(lines, {}); }
};

QScrollBar* verticalBar(TessixGrid& grid) {
    return grid.verticalScrollBar();
}

} // namespace

class TestGridScrollBars : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void members();
    void userScrollsAndTheirReasons();
    void thumbDrag();
    void visibilityAndThicknessAfterTheLayout();
    void currentCellSetBeforeTheFirstShow();
    void enabledAndDisplayMode();
    void styleChange();
};

void TestGridScrollBars::members() {
    InputTestGrid t(100, 3, QSize(300, 200));
    GridScrollBar& v = t.grid.VScrollBar();
    GridScrollBar& h = t.grid.HScrollBar();
    const int page = viewportOf(t.grid).rowsArea().height();
    QCOMPARE(v.Min(), 0);
    QCOMPARE(v.Max(), 100 * 20 - page);
    QCOMPARE(v.LargeChange(), page);
    QCOMPARE(v.SmallChange(), 20);
    QVERIFY(v.Visible());
    QVERIFY(v.Thickness() > 0);
    QCOMPARE(v.Thickness(), t.grid.verticalScrollBar()->width());
    QVERIFY(!h.Visible()); // three 60-pixel columns fit
    QCOMPARE(h.Thickness(), 0);
    v.SetValue(-5);
    QCOMPARE(v.Value(), 0);
    v.SetValue(99999);
    QCOMPARE(v.Value(), v.Max());
    QCOMPARE(t.grid.CurRow(), 0); // scrolling does not move the current cell
    QVERIFY(v.Enabled());
    QCOMPARE(v.DisplayMode(), int(ScrollBarWhenNeeded));
}

void TestGridScrollBars::userScrollsAndTheirReasons() {
    InputTestGrid t(100, 3, QSize(300, 200));
    ScrollLog log(t.grid);
    // The wheel over the rows: three rows a notch.
    const QPoint at = t.cellPoint(2, 1);
    QWheelEvent wheel(at, t.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(t.viewport(), &wheel);
    const int lines = QApplication::wheelScrollLines();
    QCOMPARE(log.take(),
             QStringList({"before 1 r1 wheel", QString("pos 1 %1").arg(20 * lines), "end 1"}));
    // Keys that scroll: a page down from the top row.
    t.grid.VScrollBar().SetValue(0);
    log.take(); // the program's scroll: a position, no user events
    t.grid.SetCurCell(1, 1);
    t.key(Qt::Key_PageDown);
    const QStringList page = log.take();
    QCOMPARE(page.value(0), "before 1 r3");
    QVERIFY(page.value(1).startsWith("pos 1 "));
    QCOMPARE(page.value(2), "end 1");
    // A key whose target is in view scrolls nothing and reports nothing.
    t.key(Qt::Key_Up);
    QCOMPARE(log.take(), QStringList());
    // The bar's own arrow.
    verticalBar(t.grid)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(log.take().value(0), "before 1 r1");
}

void TestGridScrollBars::thumbDrag() {
    InputTestGrid t(100, 3, QSize(300, 200));
    ScrollLog log(t.grid);
    QScrollBar* bar = verticalBar(t.grid);
    bar->setSliderDown(true);
    bar->setSliderPosition(100);
    bar->setSliderDown(false);
    QCOMPARE(log.take(),
             QStringList({"before 1 r5", "track 1 100", "pos 1 100", "before 1 r4", "end 1"}));
}

void TestGridScrollBars::visibilityAndThicknessAfterTheLayout() {
    InputTestGrid t(8, 3, QSize(300, 400));
    QApplication::processEvents();
    ScrollLog log(t.grid);
    t.grid.resize(300, 100);             // the rows no longer fit
    QCOMPARE(log.take(), QStringList()); // not from inside the layout
    QApplication::processEvents();
    QCOMPARE(log.take(), QStringList({"visible 1 1", "thickness 1 +"}));
    // A handler that narrows the grid on the event runs after the layout, once.
    int calls = 0;
    QObject::connect(&t.grid, &TessixGrid::ScrollBarThicknessChanged, [&](int bar, int) {
        if (bar == ScrollBarVertical && ++calls == 1)
            t.grid.SetColWidth(1, 40);
    });
    t.grid.resize(300, 400);
    QApplication::processEvents();
    QCOMPARE(log.take(), QStringList({"visible 1 0", "thickness 1 0"}));
    QCOMPARE(calls, 1);
}

// A window sets the current cell while it loads, before its layout gives the grid its real
// size: the row is in view once the window shows.
void TestGridScrollBars::currentCellSetBeforeTheFirstShow() {
    QWidget window;
    auto* grid = new TessixGrid;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(grid);
    window.resize(300, 200);
    grid->AddCol("a");
    grid->SetRowCount(300);
    grid->SetCurCell(300, 1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int left = 0, top = 0, width = 0, height = 0;
    grid->GetCellRect(300, 1, left, top, width, height);
    QVERIFY(height > 0);
    QVERIFY(top + height <= grid->viewport()->height());
    // Once shown, a resize leaves the scroll position to the user.
    grid->SetCurCell(1, 1);
    grid->EnsureVisibleRow(1);
    window.resize(300, 150);
    QApplication::processEvents();
    grid->GetCellRect(1, 1, left, top, width, height);
    QVERIFY(height > 0);
}

void TestGridScrollBars::enabledAndDisplayMode() {
    InputTestGrid t(8, 3, QSize(300, 400));
    QApplication::processEvents();
    ScrollLog log(t.grid);
    GridScrollBar& v = t.grid.VScrollBar();
    v.SetDisplayMode(ScrollBarAlways);
    QApplication::processEvents();
    QCOMPARE(log.take(), QStringList({"visible 1 1", "thickness 1 +"}));
    QVERIFY(v.Visible());
    v.SetDisplayMode(7); // not a mode: ignored
    QCOMPARE(v.DisplayMode(), int(ScrollBarAlways));
    v.SetEnabled(false);
    v.SetEnabled(false);
    QCOMPARE(log.take(), QStringList{"enabled 1 0"});
    QVERIFY(!v.Enabled());
    v.SetDisplayMode(ScrollBarNever);
    QApplication::processEvents();
    QCOMPARE(log.take(), QStringList({"visible 1 0", "thickness 1 0"}));
}

void TestGridScrollBars::styleChange() {
    InputTestGrid t(8, 3);
    int changes = 0;
    QObject::connect(&t.grid, &TessixGrid::OSStyleChange, [&changes] { ++changes; });
    QPalette palette = t.grid.palette();
    palette.setColor(QPalette::Base, Qt::yellow);
    t.grid.setPalette(palette);
    QProxyStyle style;
    t.grid.setStyle(&style);
    QCOMPARE(changes, 0);
    QApplication::processEvents();
    QCOMPARE(changes, 1); // one event for the burst
    QVERIFY(t.grid.IsFeatureAvailable(0));
    t.grid.setStyle(nullptr);
}

QTEST_MAIN(TestGridScrollBars)
#include "tst_gridscrollbars.moc"
