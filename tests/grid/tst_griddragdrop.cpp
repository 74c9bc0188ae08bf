// Drag and drop with other programs and Ctrl+C, headless: the text of a selection (shapes
// that are not rectangles, hidden and moved columns, row mode, quoting), the drag data the
// grid offers, drops as the viewport gets them (file lists taken, remote addresses and
// text refused by a file-collecting window), the drag protocol and the copy key. The real
// drags between programs run under an X server (tests/xcb).

#include "DropEvents.h"
#include "GridTestAccess.h"
#include "InputTestGrid.h"

#include "input/GridMimeData.h"
#include "input/GridSelectionText.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

QString selectionTextOf(const TessixGrid& grid) {
    return selectionText(grid.internals().context);
}

// A window that collects dropped files: files only, copy only, never its own drag.
struct FileCollector {
    TessixGrid& grid;
    bool draggingOut = false;
    QList<int> states;       // OLEDragOver states in order
    QList<QPoint> positions; // and where
    QStringList dropped;

    explicit FileCollector(TessixGrid& g) : grid(g) {
        grid.SetOLEDropMode(1);
        QObject::connect(&grid, &TessixGrid::OLEDragOver, [this](OLEDragOverArgs& a) {
            states << a.state;
            positions << QPoint(a.x, a.y);
            if (!a.data.GetFormat(DataFormatFiles) || draggingOut)
                a.effect = DropEffectNone;
            else
                a.effect &= DropEffectCopy;
        });
        QObject::connect(&grid, &TessixGrid::OLEDragDrop, [this](OLEDragDropArgs& a) {
            if (!a.data.GetFormat(DataFormatFiles))
                return;
            for (const QString& path : a.data.Files())
                dropped << path;
        });
    }
};

} // namespace

class TestGridDragDrop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selectionText_data();
    void selectionText();
    void fieldsQuotedAsSpreadsheetsReadThem();
    void dragDataOffered();
    void drops_data();
    void drops();
    void dragOverStatesAndLeave();
    void dropModeNoneTakesNoDrops();
    void dragProtocol();
    void ctrlC_data();
    void ctrlC();
};

void TestGridDragDrop::selectionText_data() {
    QTest::addColumn<QString>("cells"); // "r,c r,c ..."; rows alone ("r") in row mode
    QTest::addColumn<QString>(
        "setup"); // h<r>: hide row r, v<c>: hide column c, f<c>: column c first
    QTest::addColumn<QString>("expected");
    QTest::newRow("one cell") << "2,3"
                              << ""
                              << "2,3\r\n";
    QTest::newRow("rectangle") << "2,2 2,3 3,2 3,3"
                               << ""
                               << "2,2\t2,3\r\n3,2\t3,3\r\n";
    QTest::newRow("not a rectangle: empty fields keep the shape")
        << "1,1 1,3 3,2"
        << ""
        << "1,1\t\t1,3\r\n\t\t\r\n\t3,2\t\r\n";
    QTest::newRow("hidden row and column inside the box are left out") << "1,1 3,3"
                                                                       << "h2 v2"
                                                                       << "1,1\t\r\n\t3,3\r\n";
    QTest::newRow("columns in display order") << "1,1 1,3"
                                              << "f3"
                                              << "1,3\t1,1\r\n";
    QTest::newRow("only hidden columns selected") << "1,2"
                                                  << "v2"
                                                  << "";
    QTest::newRow("row mode: every shown column, unselected rows empty")
        << "2 4"
        << "v3"
        << "2,1\t2,2\t2,4\r\n\t\t\r\n4,1\t4,2\t4,4\r\n";
    QTest::newRow("nothing selected") << ""
                                      << ""
                                      << "";
}

void TestGridDragDrop::selectionText() {
    QFETCH(QString, cells);
    QFETCH(QString, setup);
    QFETCH(QString, expected);
    InputTestGrid t(6, 4);
    for (const QString& step : setup.split(' ', Qt::SkipEmptyParts)) {
        const int n = step.mid(1).toInt();
        if (step[0] == 'h')
            t.grid.SetRowVisible(n, false);
        else if (step[0] == 'v')
            t.grid.SetColVisible(n, false);
        else
            t.grid.SetColPos(n, 1);
    }
    t.grid.SetMultiSelect(true);
    const bool rowMode = !cells.isEmpty() && !cells.contains(',');
    t.grid.SetRowMode(rowMode);
    t.grid.ClearSelection();
    for (const QString& cell : cells.split(' ', Qt::SkipEmptyParts)) {
        const QStringList rc = cell.split(',');
        t.grid.SetCellSelected(rc[0].toInt(), rowMode ? 1 : rc[1].toInt(), true);
    }
    QCOMPARE(selectionTextOf(t.grid), expected);
}

void TestGridDragDrop::fieldsQuotedAsSpreadsheetsReadThem() {
    InputTestGrid t(3, 3);
    t.grid.SetCellValue(1, 1, QString("a\tb"));
    t.grid.SetCellValue(1, 2, QString("say \"hi\""));
    t.grid.SetCellValue(1, 3, QString("plain"));
    t.grid.SetCellValue(2, 1, QString("two\r\nlines"));
    t.grid.SetCellValue(2, 2, Variant(1234.5));
    t.grid.SetCellFormatString(2, 2, "0.00"); // the shown text, not the value
    t.grid.SetCellValue(2, 3, QString("cr\ronly"));
    for (int c = 1; c <= 2; ++c) { // two made texts in one line
        t.grid.SetCellValue(3, c, Variant(c));
        t.grid.SetCellFormatString(3, c, "0.0");
    }
    t.grid.SetCellValue(3, 3, QString());
    t.grid.SetMultiSelect(true);
    t.grid.internals().selection.selectAll();
    QCOMPARE(selectionTextOf(t.grid), QString("\"a\tb\"\t\"say \"\"hi\"\"\"\tplain\r\n"
                                              "\"two\r\nlines\"\t1234.50\t\"cr\ronly\"\r\n"
                                              "1.0\t2.0\t\r\n"));
}

void TestGridDragDrop::dragDataOffered() {
    // Text alone.
    GridDataObject text;
    text.SetData(QString("A\tB\r\n"), DataFormatText);
    auto mime = mimeDataFor(text);
    QCOMPARE(mime->text(), QString("A\tB\r\n"));
    QVERIFY(!mime->hasUrls());

    // A file list: URLs for file managers, the paths as text for targets that take text.
    GridDataObject files;
    QVERIFY(files.SetData({}, DataFormatFiles));
    files.Files().Add("/tmp/a b.csv");
    files.Files().Add("/tmp/c.txt");
    mime = mimeDataFor(files);
    QCOMPARE(mime->urls(), (QList<QUrl>{QUrl("file:///tmp/a%20b.csv"), QUrl("file:///tmp/c.txt")}));
    QCOMPARE(mime->data("text/uri-list"),
             QByteArray("file:///tmp/a%20b.csv\r\nfile:///tmp/c.txt\r\n"));
    QCOMPARE(mime->text(), QString("/tmp/a b.csv\n/tmp/c.txt"));

    // A text the window set wins over the list of paths.
    files.SetData(QString("two files"), DataFormatText);
    QCOMPARE(mimeDataFor(files)->text(), QString("two files"));

    // Formats the data object does not know are refused; an announced list without paths
    // offers nothing.
    GridDataObject other;
    QVERIFY(!other.SetData(QString("x"), 2));
    QVERIFY(other.SetData({}, DataFormatFiles));
    QVERIFY(other.GetFormat(DataFormatFiles));
    QVERIFY(other.isEmpty());
    QCOMPARE(other.Files().Item(1), QString());
}

void TestGridDragDrop::drops_data() {
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("asked");    // OLEDragOver raised
    QTest::addColumn<bool>("accepted"); // the move (cursor) and the drop
    QTest::addColumn<QStringList>("dropped");
    const QString none; // null: no text offered
    QTest::newRow("files from a file manager, which offers text too")
        << QStringList{"file:///tmp/a%20b.csv", "file:///home/u/c.txt"}
        << "file:///tmp/a%20b.csv\nfile:///home/u/c.txt" << true << true
        << QStringList{"/tmp/a b.csv", "/home/u/c.txt"};
    QTest::newRow("the same file twice is listed twice")
        << QStringList{"file:///tmp/x", "file:///tmp/x"} << none << true << true
        << QStringList{"/tmp/x", "/tmp/x"};
    QTest::newRow("a web address with its text: refused by the window")
        << QStringList{"https://example.com/page.html"} << "https://example.com/page.html" << true
        << false << QStringList{};
    QTest::newRow("local and remote together: no file list, the addresses as text")
        << QStringList{"file:///tmp/x", "https://example.com/y"} << none << true << false
        << QStringList{};
    QTest::newRow("neither text nor files: refused without asking")
        << QStringList{} << none << false << false << QStringList{};
    QTest::newRow("plain text: refused by the window")
        << QStringList{} << "some text" << true << false << QStringList{};
}

void TestGridDragDrop::drops() {
    QFETCH(QStringList, urls);
    QFETCH(QString, text);
    QFETCH(bool, asked);
    QFETCH(bool, accepted);
    QFETCH(QStringList, dropped);
    InputTestGrid t(3, 2);
    FileCollector window(t.grid);
    auto mime = mimeOf(urls, text);
    const DropResult r = dragAndDrop(t.viewport(), *mime, QPoint(30, 40));
    QCOMPARE(!window.states.isEmpty(), asked);
    QCOMPARE(r.moveAccepted, accepted); // refused: the no-drop cursor
    if (accepted)
        QCOMPARE(r.moveAction, Qt::CopyAction);
    QCOMPARE(r.dropAccepted, accepted);
    if (accepted)
        QCOMPARE(r.dropAction, Qt::CopyAction);
    QCOMPARE(window.dropped, dropped);
}

void TestGridDragDrop::dragOverStatesAndLeave() {
    InputTestGrid t(3, 2);
    FileCollector window(t.grid);
    int dropButton = -1, dropShift = -1, offeredAtDrop = -1;
    QObject::connect(&t.grid, &TessixGrid::OLEDragDrop, [&](OLEDragDropArgs& a) {
        dropButton = a.button;
        dropShift = a.shift;
        offeredAtDrop = a.effect;
        a.effect = DropEffectNone; // did nothing after all: the source hears none
    });
    auto mime = mimeOf({"file:///tmp/x"}, {});
    const DropResult r = dragAndDrop(t.viewport(), *mime, QPoint(30, 40));
    QCOMPARE(window.states, (QList<int>{DragStateEnter, DragStateOver}));
    QCOMPARE(window.positions, (QList<QPoint>{QPoint(30, 40), QPoint(35, 43)}));
    QVERIFY(r.moveAccepted);
    QCOMPARE(offeredAtDrop, int(DropEffectCopy));
    QCOMPARE(dropButton, int(MouseLeft));
    QCOMPARE(dropShift, int(ShiftShift));
    QVERIFY(!r.dropAccepted);

    // A drag that leaves again: the window hears it leave, with the data it saw.
    window.states.clear();
    QDragEnterEvent enter(QPoint(10, 30), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(t.grid.viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDragLeaveEvent leave;
    QApplication::sendEvent(t.grid.viewport(), &leave);
    QCOMPARE(window.states, (QList<int>{DragStateEnter, DragStateLeave}));

    // While the window's own drag runs it refuses everything.
    window.draggingOut = true;
    QVERIFY(!dragAndDrop(t.viewport(), *mime, QPoint(30, 40)).moveAccepted);
}

void TestGridDragDrop::dropModeNoneTakesNoDrops() {
    InputTestGrid t(3, 2);
    FileCollector window(t.grid);
    t.grid.SetOLEDropMode(2); // not a mode: ignored
    QCOMPARE(t.grid.OLEDropMode(), 1);
    t.grid.SetOLEDropMode(0);
    QCOMPARE(t.grid.OLEDropMode(), 0);
    auto mime = mimeOf({"file:///tmp/x"}, {});
    const DropResult r = dragAndDrop(t.viewport(), *mime, QPoint(30, 40));
    QVERIFY(window.states.isEmpty());
    QVERIFY(!r.dropAccepted);
    QVERIFY(window.dropped.isEmpty());
}

void TestGridDragDrop::dragProtocol() {
    // Without an X server the drag ends at once with no effect; what is checked here is
    // the order of the events and what the handlers can do. The real drags are in tests/xcb.
    InputTestGrid t(3, 2);
    QStringList log;
    int allowed = DropEffectCopy;
    bool nested = false;
    QObject::connect(&t.grid, &TessixGrid::OLEStartDrag, [&](OLEStartDragArgs& a) {
        log << QString("start %1").arg(a.allowedEffects);
        a.allowedEffects = allowed;
        if (nested)
            t.grid.OLEDrag(); // no second drag inside the first
    });
    QObject::connect(&t.grid, &TessixGrid::OLECompleteDrag,
                     [&](OLECompleteDragArgs& a) { log << QString("complete %1").arg(a.effect); });
    t.grid.SetCurCell(1, 1); // a selected cell to drag
    t.grid.OLEDrag();
    QCOMPARE(log, (QStringList{"start 1", "complete 0"}));

    log.clear();
    allowed = DropEffectNone; // refused by the window: no drag, and the end is still told
    t.grid.OLEDrag();
    QCOMPARE(log, (QStringList{"start 1", "complete 0"}));

    log.clear();
    allowed = DropEffectCopy;
    nested = true;
    t.grid.OLEDrag();
    QCOMPARE(log, (QStringList{"start 1", "complete 0"}));
}

void TestGridDragDrop::ctrlC_data() {
    QTest::addColumn<int>("handler"); // 0 none, 1 clears do-default, 2 sets the code to 0
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mods");
    QTest::addColumn<bool>("copied");
    QTest::newRow("Ctrl+C") << 0 << int(Qt::Key_C) << int(Qt::ControlModifier) << true;
    QTest::newRow("Ctrl+Insert") << 0 << int(Qt::Key_Insert) << int(Qt::ControlModifier) << true;
    QTest::newRow("KeyDown clears do-default")
        << 1 << int(Qt::Key_C) << int(Qt::ControlModifier) << false;
    QTest::newRow("KeyDown drops the key")
        << 2 << int(Qt::Key_C) << int(Qt::ControlModifier) << false;
    QTest::newRow("C alone types") << 0 << int(Qt::Key_C) << int(Qt::NoModifier) << false;
}

void TestGridDragDrop::ctrlC() {
    QFETCH(int, handler);
    QFETCH(int, key);
    QFETCH(int, mods);
    QFETCH(bool, copied);
    InputTestGrid t(4, 3);
    t.grid.SetEditable(false);
    t.grid.SetMultiSelect(true);
    QObject::connect(&t.grid, &TessixGrid::KeyDown, [&](KeyDownArgs& a) {
        if (handler == 1)
            a.doDefault = false;
        else if (handler == 2)
            a.keyCode = 0;
    });
    t.click(2, 1);
    t.click(3, 3, Qt::ControlModifier);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("before");
    t.key(key, Qt::KeyboardModifiers(mods));
    QCOMPARE(clipboard->text(), copied ? QString("2,1\t\t\r\n\t\t3,3\r\n") : QString("before"));

    // Nothing selected: the clipboard keeps what it had.
    t.grid.ClearSelection();
    clipboard->setText("kept");
    t.key(key, Qt::KeyboardModifiers(mods));
    QCOMPARE(clipboard->text(), QString("kept"));
}

QTEST_MAIN(TestGridDragDrop)
#include "tst_griddragdrop.moc"
