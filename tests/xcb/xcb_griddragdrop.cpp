// Real drags on an X server (run-xvfb.sh starts one of its own): the pointer is driven with
// xdotool, as a user would drive it, so the drags go through the X server's drag protocol.
// Cells dragged from a grid into a line edit of this program; a file list dropped onto a
// grid from a second program, and a web address from it refused; a file list dragged from
// a grid into the second program.

#include "grid/InputTestGrid.h"
#include "xcb/XcbDrag.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>

class TestXcbDragDrop : public QObject {
    Q_OBJECT
    Pointer m_pointer;

    void drag(QPoint from, QPoint to) { QVERIFY(m_pointer.drag(from, to)); }
    void pointerDone() { QVERIFY(m_pointer.done()); }

private Q_SLOTS:
    void initTestCase();
    void cellsIntoALineEdit();
    void filesFromAnotherProgram();
    void filesIntoAnotherProgram();
};

void TestXcbDragDrop::initTestCase() {
    if (QGuiApplication::platformName() != "xcb")
        QSKIP("needs the xcb platform: run through run-xvfb.sh");
    if (!Pointer::available())
        QFAIL("xdotool is missing: scripts/install-deps.sh installs it");
}

void TestXcbDragDrop::cellsIntoALineEdit() {
    // A window that drags its selection the way the spreadsheet sample does: StartDrag ->
    // OLEDrag, with no data of its own, so the grid offers the selection's text.
    InputTestGrid t(6, 4);
    t.grid.move(0, 0);
    t.grid.SetMultiSelect(true);
    t.grid.SetCellSelected(1, 1, true);
    t.grid.SetCellSelected(1, 3, true);
    t.grid.SetCellSelected(2, 2, true);
    int effect = -1;
    QObject::connect(&t.grid, &TessixGrid::StartDrag, [&] { t.grid.OLEDrag(); });
    QObject::connect(&t.grid, &TessixGrid::OLECompleteDrag,
                     [&](OLECompleteDragArgs& a) { effect = a.effect; });
    QLineEdit edit;
    edit.setGeometry(500, 100, 200, 30);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));

    drag(t.viewport()->mapToGlobal(t.cellPoint(1, 3)), edit.mapToGlobal(QPoint(20, 15)));
    QTRY_COMPARE_WITH_TIMEOUT(effect, int(DropEffectCopy), 15000);
    pointerDone();
    // The line edit shows the line breaks as it shows them; the fields are all there.
    QCOMPARE(edit.text().remove('\r').remove('\n'), QString("1,1\t\t1,3\t2,2\t"));
}

void TestXcbDragDrop::filesFromAnotherProgram() {
    // A file-collecting window: file lists only, copied.
    InputTestGrid t(0, 1);
    t.grid.move(0, 0);
    t.grid.SetOLEDropMode(1);
    int refusedOver = 0;
    QObject::connect(&t.grid, &TessixGrid::OLEDragOver, [&](OLEDragOverArgs& a) {
        if (a.data.GetFormat(DataFormatFiles)) {
            a.effect &= DropEffectCopy;
        } else {
            a.effect = DropEffectNone;
            ++refusedOver;
        }
    });
    QObject::connect(&t.grid, &TessixGrid::OLEDragDrop, [&](OLEDragDropArgs& a) {
        for (const QString& path : a.data.Files())
            t.grid.SetCellValue(t.grid.AddRow(), 1, path);
    });
    QTemporaryDir dir;
    const QString first = dir.filePath("a b.csv");
    const QString second = dir.filePath("c.txt");

    Peer files;
    QVERIFY(files.start({"source", "600", "100", QUrl::fromLocalFile(first).toString(),
                         QUrl::fromLocalFile(second).toString()}));
    drag(QPoint(660, 160), t.viewport()->mapToGlobal(QPoint(100, 80)));
    QVERIFY2(files.waitFor("effect 1"), qPrintable(files.out)); // Qt::CopyAction
    pointerDone();
    QCOMPARE(t.grid.RowCount(), 2);
    QCOMPARE(t.grid.CellValue(1, 1).toString(), first);
    QCOMPARE(t.grid.CellValue(2, 1).toString(), second);

    // A web address: the no-drop cursor, and the source hears the refusal.
    Peer web;
    QVERIFY(web.start({"source", "600", "100", "https://example.com/page.html"}));
    drag(QPoint(660, 160), t.viewport()->mapToGlobal(QPoint(100, 80)));
    QVERIFY2(web.waitFor("effect 0"), qPrintable(web.out));
    pointerDone();
    QVERIFY(refusedOver > 0);
    QCOMPARE(t.grid.RowCount(), 2);
}

void TestXcbDragDrop::filesIntoAnotherProgram() {
    // The file-collecting window dragging its list out: any cell, left button held.
    InputTestGrid t(2, 1);
    t.grid.move(0, 0);
    t.grid.SetCellValue(1, 1, QString("/tmp/a b.csv"));
    t.grid.SetCellValue(2, 1, QString("/tmp/c.txt"));
    int effect = -1;
    QObject::connect(&t.grid, &TessixGrid::CellMouseMove, [&](CellMouseArgs& a) {
        if (a.button == MouseLeft && a.row > 0 && a.col > 0)
            t.grid.OLEDrag();
    });
    QObject::connect(&t.grid, &TessixGrid::OLEStartDrag, [&](OLEStartDragArgs& a) {
        a.data.SetData({}, DataFormatFiles);
        for (int r = 1; r <= t.grid.RowCount(); ++r)
            a.data.Files().Add(t.grid.CellValue(r, 1).toString());
    });
    QObject::connect(&t.grid, &TessixGrid::OLECompleteDrag,
                     [&](OLECompleteDragArgs& a) { effect = a.effect; });

    Peer target;
    QVERIFY(target.start({"target", "600", "100"}));
    drag(t.viewport()->mapToGlobal(t.cellPoint(1, 1)), QPoint(660, 160));
    QVERIFY2(target.waitFor("text /tmp/a b.csv\\n/tmp/c.txt"), qPrintable(target.out));
    QVERIFY(target.out.contains("urls file:///tmp/a%20b.csv file:///tmp/c.txt\n"));
    QTRY_COMPARE_WITH_TIMEOUT(effect, int(DropEffectCopy), 10000);
    pointerDone();
}

QTEST_MAIN(TestXcbDragDrop)
#include "xcb_griddragdrop.moc"
