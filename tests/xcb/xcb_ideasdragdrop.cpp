// The drag-and-drop windows of "Ideas for Your Apps" on a real X server (run-xvfb.sh starts
// one), with the pointer driven by xdotool and the other program a second process: cells
// dragged into its text field, files dropped from it and dragged back out to it as to a
// folder. The file names have spaces, accents and '%' signs, which must survive both ways.

#include "app/Startup.h"
#include "grid/GridTestAccess.h"
#include "samples/SampleWindowTest.h"
#include "samples/ideas/frmOLEDnD2Excel.h"
#include "samples/ideas/frmOLEDnD2Tessix.h"
#include "xcb/PeerText.h"
#include "xcb/XcbDrag.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

namespace {

// Where the other program's window sits, away from the sample windows at the top left.
const QPoint PeerAt(640, 100);
const QPoint IntoPeer = PeerAt + QPoint(60, 60);

QPoint cellOnScreen(TessixGrid& grid, int row, int col) {
    return grid.viewport()->mapToGlobal(viewportOf(grid).cellRect(row, col).center());
}

QStringList peerArgs(const char* mode, const QStringList& more = {}) {
    return QStringList{QString::fromLatin1(mode), QString::number(PeerAt.x()),
                       QString::number(PeerAt.y())} +
           more;
}

} // namespace

class TestXcbIdeasDragDrop : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    Pointer pointer;

private Q_SLOTS:
    void initTestCase() {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs the xcb platform: run through run-xvfb.sh");
        if (!Pointer::available())
            QFAIL("xdotool is missing: scripts/install-deps.sh installs it");
        InitializeApplication(*qApp);
    }
    void init() { services = std::make_unique<IsolatedServices>(); }
    void cleanup() { services.reset(); }

    void cellsIntoATextField() {
        auto window = shownWindow<frmOLEDnD2Excel>();
        window->move(0, 0);
        window->cmdSelExmpl->click();
        TessixGrid& grid = *window->Tessix1;
        const QString expected = frmOLEDnD2Excel::SelectionAsText(grid);
        QCOMPARE(expected.count(QStringLiteral("\r\n")), 12);

        Peer field;
        QVERIFY(field.start(peerArgs("edit")));
        QVERIFY(pointer.drag(cellOnScreen(grid, 2, 2), IntoPeer));
        QVERIFY2(field.waitFor("text " + escapedForPeer(expected)), qPrintable(field.out));
        QVERIFY(pointer.done());
        // The field shows one line per row, the values tab-separated in their columns.
        QVERIFY2(field.waitFor("edit " + escapedForPeer(QString(expected).remove('\r'))),
                 qPrintable(field.out));
    }

    void filesInAndOutAgain() {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("Quarterly reports"));
        const QString second = dir.filePath(QStringLiteral("Café 100% sûr"));
        QVERIFY(QDir().mkpath(first) && QDir().mkpath(second));
        const QStringList paths = {first + QStringLiteral("/Budget 2026.ods"),
                                   first + QStringLiteral("/Ärger%20report.txt"),
                                   second + QStringLiteral("/naïve 50%.png")};
        QStringList urls;
        for (const QString& path : paths) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            urls << QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
        }

        auto window = shownWindow<frmOLEDnD2Tessix>();
        window->move(0, 0);
        TessixGrid& grid = *window->grd;

        // Dropped from the other program as a file manager drops them: listed as they are.
        {
            Peer files;
            QVERIFY(files.start(peerArgs("source", urls)));
            QVERIFY(pointer.drag(PeerAt + QPoint(60, 60),
                                 grid.viewport()->mapToGlobal(QPoint(100, 80))));
            QVERIFY2(files.waitFor("effect 1"), qPrintable(files.out)); // Qt::CopyAction
            QVERIFY(pointer.done());
        }
        QCOMPARE(grid.RowCount(), 3);
        for (int row = 1; row <= 3; ++row)
            QCOMPARE(grid.CellValue(row, "filename").toString(), paths[row - 1]);

        // Dragged onto the grid itself: refused, and the list stays.
        QVERIFY(pointer.drag(cellOnScreen(grid, 1, 1), cellOnScreen(grid, 3, 1) + QPoint(0, 60)));
        QVERIFY(pointer.done());
        QTRY_VERIFY(!window->DraggingOut());
        QCOMPARE(grid.RowCount(), 3);

        // Dragged out to a folder: every path arrives, and the list is emptied.
        Peer folder;
        QVERIFY(folder.start(peerArgs("target")));
        QVERIFY(pointer.drag(cellOnScreen(grid, 2, 1), IntoPeer));
        QVERIFY2(folder.waitFor("file " + paths.last()), qPrintable(folder.out));
        QVERIFY(pointer.done());
        QStringList delivered;
        for (const QString& path : paths)
            delivered << "file " + path;
        QVERIFY2(folder.out.contains(delivered.join('\n') + '\n'), qPrintable(folder.out));
        QTRY_COMPARE(grid.RowCount(), 0);
        QVERIFY(!window->DraggingOut());
    }
};

QTEST_MAIN(TestXcbIdeasDragDrop)
#include "xcb_ideasdragdrop.moc"
