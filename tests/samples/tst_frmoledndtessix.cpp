// "Dragging Files into Tessix", headless: files dropped as Qt delivers a file manager's drop
// (paths with spaces, accents and '%' kept as they are, duplicates listed again), text and
// web addresses refused, the window's own drag refused, and which presses start a drag out.
// A drop completed by another program runs for real in tests/xcb.

#include "SampleWindowTest.h"
#include "app/Startup.h"
#include "grid/DropEvents.h"
#include "samples/ideas/frmOLEDnD2Tessix.h"

#include <QtTest>

namespace {

QStringList fileUrls(const QStringList& paths) {
    QStringList urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    return urls;
}

} // namespace

class TestFrmOLEDnD2Tessix : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<frmOLEDnD2Tessix> window;
    // The file lists of the drags out the window started, in order.
    QList<QStringList> draggedOut;

    TessixGrid& grid() { return *window->grd; }
    QWidget* viewport() { return grid().viewport(); }
    QPoint cellPoint(int row) { return viewportOf(grid()).cellRect(row, 1).center(); }

    QStringList listed() {
        QStringList paths;
        for (int row = 1; row <= grid().RowCount(); ++row)
            paths << grid().CellValue(row, "filename").toString();
        return paths;
    }
    DropResult dropFiles(const QStringList& paths) {
        auto mime = mimeOf(fileUrls(paths), paths.join(u'\n'));
        return dragAndDrop(viewport(), *mime, QPoint(40, 40));
    }
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(viewport(), button, {}, from);
        QTest::mouseMove(viewport(), to);
        QTest::mouseRelease(viewport(), button, {}, to);
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() {
        services = std::make_unique<IsolatedServices>();
        window = shownWindow<frmOLEDnD2Tessix>();
        draggedOut.clear();
        // Connected after the window, so it sees the data as the window left it.
        connect(window->grd, &TessixGrid::OLEStartDrag, this, [this](OLEStartDragArgs& a) {
            QCOMPARE(a.allowedEffects, int(DropEffectCopy));
            QVERIFY(window->DraggingOut());
            draggedOut << QStringList(a.data.Files().begin(), a.data.Files().end());
        });
    }
    void cleanup() {
        window.reset();
        const bool silent = services->boxes.shown().isEmpty();
        services.reset();
        QVERIFY2(silent, "the window showed a message box");
    }

    void startsWithAnEmptyList() {
        QCOMPARE(window->windowTitle(), QString("OLE Drag-n-drop: Dragging Files into Tessix"));
        QCOMPARE(grid().ColCount(), 1);
        QCOMPARE(grid().ColKey(1), QString("filename"));
        QCOMPARE(grid().ColHeaderText(1), QString("Filename"));
        QCOMPARE(grid().RowCount(), 0);
        QVERIFY(!window->DraggingOut());
    }

    void listsDroppedFilesWithDuplicates() {
        const QStringList first = {"/home/anna/Reports 2026/Budget.ods",
                                   "/home/anna/Reports 2026/Ärger 100%.txt"};
        const QStringList second = {"/tmp/naïve/%20 literally.png"};
        DropResult r = dropFiles(first + second);
        QVERIFY(r.moveAccepted);
        QCOMPARE(r.dropAction, Qt::CopyAction); // offered copy, move and link: copy only
        QCOMPARE(listed(), first + second);

        r = dropFiles({first[1]});
        QVERIFY(r.dropAccepted);
        QCOMPARE(listed(), first + second + QStringList{first[1]});
        // The column is as wide as the longest path.
        QVERIFY(grid().ColWidth("filename") >= grid().fontMetrics().horizontalAdvance(first[1]));
    }

    void refusesWhatIsNotAFileList_data() {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QString>("text");
        QTest::newRow("text") << QStringList() << "/home/anna/Budget.ods";
        QTest::newRow("a web address") << QStringList{"https://example.com/a.txt"} << QString();
        QTest::newRow("a file and a web address")
            << QStringList{"file:///tmp/a.txt", "https://example.com/a.txt"} << QString();
    }
    void refusesWhatIsNotAFileList() {
        QFETCH(QStringList, urls);
        QFETCH(QString, text);
        dropFiles({"/tmp/kept.txt"});
        auto mime = mimeOf(urls, text);
        const DropResult r = dragAndDrop(viewport(), *mime, QPoint(40, 40));
        QVERIFY(!r.moveAccepted); // the no-drop cursor
        QCOMPARE(r.moveAction, Qt::IgnoreAction);
        QVERIFY(!r.dropAccepted);
        QCOMPARE(listed(), QStringList{"/tmp/kept.txt"});
    }

    void dragsTheWholeListOut() {
        const QStringList paths = {"/tmp/a b.txt", "/srv/c%d.csv", "/tmp/a b.txt"};
        dropFiles(paths);
        // From any cell, once the pointer has moved away from the press.
        drag(cellPoint(2), cellPoint(2) + QPoint(30, 0));
        QCOMPARE(draggedOut, QList<QStringList>{paths});
        // Without an X server the drag ends at once with nothing taken: a cancelled drag,
        // which keeps the list and lets files be dropped again.
        QVERIFY(!window->DraggingOut());
        QCOMPARE(listed(), paths);
        dropFiles({"/tmp/more.txt"});
        QCOMPARE(listed(), paths + QStringList{"/tmp/more.txt"});
    }

    void ownDragIsRefused() {
        dropFiles({"/tmp/a.txt", "/tmp/b.txt"});
        DropResult ownDrop;
        // While the window's drag runs, the same list comes back over the grid.
        connect(window->grd, &TessixGrid::OLEStartDrag, this, [&](OLEStartDragArgs&) {
            auto mime = mimeOf(fileUrls({"/tmp/a.txt", "/tmp/b.txt"}), {});
            ownDrop = dragAndDrop(viewport(), *mime, QPoint(40, 60));
        });
        drag(cellPoint(1), cellPoint(2));
        QCOMPARE(draggedOut.size(), 1);
        QVERIFY(!ownDrop.moveAccepted);
        QVERIFY(!ownDrop.dropAccepted);
        QCOMPARE(listed(), (QStringList{"/tmp/a.txt", "/tmp/b.txt"}));
    }

    void completedDropEmptiesTheList() {
        dropFiles({"/tmp/a.txt", "/tmp/b.txt"});
        OLECompleteDragArgs refused{DropEffectNone};
        Q_EMIT grid().OLECompleteDrag(refused);
        QCOMPARE(grid().RowCount(), 2);
        OLECompleteDragArgs copied{DropEffectCopy};
        Q_EMIT grid().OLECompleteDrag(copied);
        QCOMPARE(grid().RowCount(), 0);
        QCOMPARE(grid().ColCount(), 1); // the column stays for the next files
        QCOMPARE(grid().ColKey(1), QString("filename"));
    }

    void pressesThatStartNoDrag() {
        dropFiles({"/tmp/a.txt", "/tmp/b.txt"});
        const QPoint belowRows(40, viewport()->height() - 10);
        QCOMPARE(viewportOf(grid()).cellAt(belowRows).first, 0);
        drag(belowRows, belowRows + QPoint(40, 0));        // on the empty area below the rows
        drag(belowRows, cellPoint(1));                     // from there onto a file
        drag(cellPoint(1), cellPoint(1) + QPoint(1, 1));   // a click that shook a little
        drag(cellPoint(1), cellPoint(2), Qt::RightButton); // the other button
        QVERIFY(draggedOut.isEmpty());
        QCOMPARE(grid().RowCount(), 2);

        // An empty list has nothing to drag.
        grid().Clear();
        drag(QPoint(40, 40), QPoint(80, 80));
        QVERIFY(draggedOut.isEmpty());
    }
};

QTEST_MAIN(TestFrmOLEDnD2Tessix)
#include "tst_frmoledndtessix.moc"
