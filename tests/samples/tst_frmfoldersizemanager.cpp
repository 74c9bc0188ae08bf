// The folder size manager on fixture trees in a temporary folder, given as its volume: the
// volume row, expanding folders (sizes, shares, the order, "[Files]" last, buttons only where
// there are subfolders), the size texts, the diagram cells, Esc and closing mid-scan.

#include "SampleWindowTest.h"

#include "app/Global.h"
#include "controls/StatusBar.h"
#include "samples/full/frmFolderSizeManager.h"
#include "samples/full/mAPIFileSystem.h"

#include "FixtureTree.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>

class TestFrmFolderSizeManager : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<QTemporaryDir> tmp;
    QPointer<frmFolderSizeManager> window;

    QString root() const { return tmp->path() + '/'; }
    TessixGrid& grid() { return *window->Tessix1; }

    void open() {
        window = new frmFolderSizeManager(nullptr, QStringList{root()});
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    }
    // Expands a row as the user does, with the keypad's plus.
    void expand(int row) {
        grid().SetCurCell(row, 1);
        QTest::keyClick(&grid(), Qt::Key_Plus, Qt::KeypadModifier);
    }
    int rowNamed(const QString& name) {
        for (int row = 1; row <= grid().RowCount(); ++row)
            if (grid().CellValue(row, "Name").toString() == name)
                return row;
        return 0;
    }
    // The children of a row: "name size percent", in the grid's order.
    QStringList children(int row) {
        QStringList out;
        for (int r = row + 1; r <= grid().RowCount() && grid().ParentRow(r) == row; ++r)
            out << QString("%1 %2 %3")
                       .arg(grid().CellValue(r, "Name").toString(),
                            grid().CellValue(r, "Size").toString(),
                            grid().CellValue(r, "Percent").toString());
        return out;
    }

private Q_SLOTS:
    void init() {
        services = std::make_unique<IsolatedServices>();
        services->settings.save(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, "0");
        tmp = std::make_unique<QTemporaryDir>();
        mAPIFileSystem::ScanCancelled = false;
    }
    void cleanup() {
        delete window.data();
        QVERIFY2(services->boxes.unexpected().isEmpty(),
                 qPrintable(services->boxes.unexpected().join("; ")));
        services.reset();
        tmp.reset();
    }

    void volumeRow();
    void expandingFolders();
    void sizeTexts_data();
    void sizeTexts();
    void diagramCells();
    void escCutsTheScanShort();
    void closingMidScan();
};

void TestFrmFolderSizeManager::volumeRow() {
    QVERIFY(makeFile(root() + "only-files/a", 5));
    open();
    QCOMPARE(grid().RowCount(), 1);
    QVERIFY(grid().RowIsGroup(1));
    const QString caption = grid().CellValue(1, grid().RowTextCol()).toString();
    QVERIFY2(caption.startsWith(root()) && caption.contains(" free of "), qPrintable(caption));
    QCOMPARE(grid().RowTreeButton(1), 2);
    QVERIFY(!grid().RowExpanded(1));
    QCOMPARE(window->windowTitle(), QString("Folder Size Manager"));
}

void TestFrmFolderSizeManager::expandingFolders() {
    QVERIFY(makeFile(root() + "x/b-ten/f", 10));
    QVERIFY(makeFile(root() + "x/a-thirty/f", 30));
    QVERIFY(makeFile(root() + "x/files1", 25));
    QVERIFY(makeFile(root() + "x/files2", 35));
    QVERIFY(makeFile(root() + "only-files/f", 7));
    QDir().mkpath(root() + "empty-sub/inner");
    open();
    expand(1);
    QVERIFY(grid().RowExpanded(1));
    QCOMPARE(grid().CellValue(1, "Loaded").toBool(), true);
    // Sizes measured, the grid's order (by name), "[Files]" last with the volume's own files.
    QCOMPARE(children(1),
             QStringList({"empty-sub 0 0", "only-files 7 7", "x 100 93", "[Files] 0 0"}));
    // Buttons only where there are subfolders.
    QCOMPARE(grid().RowTreeButton(rowNamed("only-files")), 1);
    QCOMPARE(grid().RowTreeButton(rowNamed("x")), 2);
    QCOMPARE(grid().RowTreeButton(rowNamed("[Files]")), 1);

    const int x = rowNamed("x");
    expand(x);
    QCOMPARE(children(x), QStringList({"a-thirty 30 30", "b-ten 10 10", "[Files] 60 60"}));
    // An empty subfolder only: both rows 0 bytes, shares left empty.
    const int empty = rowNamed("empty-sub");
    expand(empty);
    QCOMPARE(children(empty), QStringList({"inner 0 ", "[Files] 0 "}));

    // Collapsing and expanding again reads nothing anew.
    QVERIFY(makeFile(root() + "x/files3", 1000));
    const int xNow = rowNamed("x"); // moved down by the rows above it
    grid().SetRowExpanded(xNow, false);
    expand(xNow);
    QCOMPARE(children(xNow), QStringList({"a-thirty 30 30", "b-ten 10 10", "[Files] 60 60"}));
    QCOMPARE(window->StatusBar1->Text(), QString());
}

void TestFrmFolderSizeManager::sizeTexts_data() {
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("text");
    const QString d = QLocale().decimalPoint();
    QTest::newRow("0") << quint64(0) << "0 bytes";
    QTest::newRow("1024") << quint64(1024) << "1024 bytes";
    QTest::newRow("1025") << quint64(1025) << "1" + d + "00 Kb";
    QTest::newRow("2^20") << (quint64(1) << 20) << "1024" + d + "00 Kb";
    QTest::newRow("2^30") << (quint64(1) << 30) << "1024" + d + "00 Mb";
    QTest::newRow("5 000 000 000") << quint64(5000000000ULL) << "4" + d + "66 Gb";
}

void TestFrmFolderSizeManager::sizeTexts() {
    QFETCH(quint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(frmFolderSizeManager::FormatSize(bytes), text);
}

void TestFrmFolderSizeManager::diagramCells() {
    QVERIFY(makeFile(root() + "half/f", 50));
    QVERIFY(makeFile(root() + "none/sub/f", 0));
    QVERIFY(makeFile(root() + "rest", 50));
    open();
    expand(1);
    const int half = rowNamed("half");
    const QRect cell = viewportOf(grid()).cellRect(half, grid().ColIndex("Percent"));
    QImage image(grid().viewport()->size(), QImage::Format_RGB32);
    grid().viewport()->render(&image);
    const int midY = cell.center().y();
    // Frame, then the bar over the left half and the background over the right.
    QCOMPARE(QColor(image.pixel(cell.left() + 1, midY)), QColor(139, 69, 19));
    QCOMPARE(QColor(image.pixel(cell.left() + 4, cell.bottom() - 3)), QColor(244, 164, 96));
    QCOMPARE(QColor(image.pixel(cell.right() - 4, cell.bottom() - 3)), QColor(255, 228, 196));
    // Nothing beyond the cell.
    QVERIFY(QColor(image.pixel(cell.right() + 1, midY)) != QColor(139, 69, 19));
    // 0 %: the frame and the background, no bar.
    const QRect none = viewportOf(grid()).cellRect(rowNamed("none"), grid().ColIndex("Percent"));
    QCOMPARE(grid().CellValue(rowNamed("none"), "Percent").toLong(), 0);
    QCOMPARE(QColor(image.pixel(none.left() + 1, none.center().y())), QColor(139, 69, 19));
    QCOMPARE(QColor(image.pixel(none.left() + 3, none.bottom() - 3)), QColor(255, 228, 196));
    // Too narrow for a bar: nothing drawn.
    grid().SetColWidth("Percent", 3);
    grid().viewport()->render(&image);
    const QRect narrow = viewportOf(grid()).cellRect(half, grid().ColIndex("Percent"));
    QVERIFY(QColor(image.pixel(narrow.left() + 1, narrow.center().y())) != QColor(139, 69, 19));
}

void TestFrmFolderSizeManager::escCutsTheScanShort() {
    for (int i = 0; i < 5; ++i)
        QVERIFY(makeFile(root() + QString("d%1/f").arg(i), 10));
    open();
    // Esc waits in the queue; the scan's first look at pending input finds it.
    QTest::qWait(40);
    QKeyEvent* esc = new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::postEvent(window.data(), esc);
    expand(1);
    QCOMPARE(grid().CellValue(1, "Loaded").toBool(), false); // measured again next time
    QCOMPARE(grid().CellValue(1, "Error").toString(), frmFolderSizeManager::CancelledText);
    QCOMPARE(window->StatusBar1->Text(), QString());
    QVERIFY(children(1).size() < 6);
    // The next expansion measures the row again, from the start.
    grid().SetRowExpanded(1, false);
    expand(1);
    QCOMPARE(children(1).size(), 6);
    QCOMPARE(grid().CellValue(1, "Loaded").toBool(), true);
    QCOMPARE(grid().CellValue(1, "Error").toString(), QString());
    QCOMPARE(children(1).first(), QString("d0 10 20"));
}

void TestFrmFolderSizeManager::closingMidScan() {
    for (int i = 0; i < 5; ++i)
        QVERIFY(makeFile(root() + QString("d%1/f").arg(i), 10));
    open();
    QTest::qWait(40);
    QTimer::singleShot(0, window.data(), &QWidget::close);
    expand(1);
    QVERIFY(mAPIFileSystem::ScanCancelled);
    // The window goes once the scan has unwound.
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestFrmFolderSizeManager)
#include "tst_frmfoldersizemanager.moc"
