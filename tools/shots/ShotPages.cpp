#include "ShotPages.h"

#include "FrozenGallery.h"
#include "GridGallery.h"
#include "OutlineGallery.h"
#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "launcher/frmMain.h"
#include "launcher/frmTip.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "runtime/Random.h"
#include "samples/editing/frmUpdDB_AddEditDel.h"
#include "samples/editing/frmUpdDB_FieldLevel.h"
#include "samples/editing/frmUpdDB_GridLevel.h"
#include "samples/editing/frmUpdDB_RowKeysRS.h"
#include "samples/editing/frmUpdDB_RowLevel.h"
#include "samples/exploring/frmCustomizeHeader.h"
#include "samples/exploring/frmFrozenColsTester.h"
#include "samples/exploring/frmFunNGames.h"
#include "samples/exploring/frmScrlBars.h"
#include "samples/exploring/frmSelItems.h"
#include "samples/features/frmCustomDraw.h"
#include "samples/features/frmCustomSort.h"
#include "samples/features/frmMemMng.h"
#include "samples/features/frmMultiColSort.h"
#include "samples/full/frmFolderSizeManager.h"
#include "samples/full/frmMyCustomers.h"
#include "samples/full/frmOutlookDemo.h"
#include "samples/full/frmPropertyGrid.h"
#include "samples/ideas/frmCellDynamicFmt.h"
#include "samples/ideas/frmOLEDnD2Excel.h"
#include "samples/ideas/frmOLEDnD2Tessix.h"
#include "samples/ideas/frmOptMult.h"
#include "samples/viewing/frmVMFORS.h"
#include "samples/viewing/frmViewRecordset.h"
#include "samples/viewing/frmVirtual.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

namespace {

// The launcher with the group of that caption expanded.
QWidget* launcherWithGroup(const QString& caption) {
    auto* launcher = new frmMain;
    TessixGrid* grid = launcher->grdDemos;
    for (int row = 1; row <= grid->RowCount(); ++row)
        if (grid->RowIsGroup(row) && grid->CellValue(row, grid->RowTextCol()).toString() == caption)
            launcher->ExpandGroup(row);
    return launcher;
}

// Stands in for a sample window: the tip window reads its tips from the section named after
// the window's class.
class ShotSample : public QWidget {
    Q_OBJECT
public:
    ShotSample() { setWindowTitle(QStringLiteral("My Customers")); }
};

// The tip window for the first tip of "My Customers", read from a copy of the shipped tips
// file (the tip window writes back which tip it showed).
QWidget* tipWindow() {
    static QTemporaryDir dir;
    const QString shipped = DataFolder() + QStringLiteral("/TessixDemo.tips");
    const QString copy = dir.filePath(QStringLiteral("TessixDemo.tips"));
    QFile::remove(copy);
    QFile::copy(shipped, copy);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    const QString from = QStringLiteral("frmMyCustomers");
    const QString to = QString::fromLatin1(ShotSample::staticMetaObject.className());
    const QString count = ReadIniString(copy, from, QStringLiteral("TipsCount"), {});
    WriteIniString(copy, to, QStringLiteral("TipsCount"), count);
    for (int tip = 1; tip <= count.toInt(); ++tip)
        WriteIniString(copy, to, QString::number(tip),
                       ReadIniString(copy, from, QString::number(tip), {}));

    const QString previous = TipsFilePath();
    SetTipsFilePath(copy);
    ShotSample sample;
    frmTip& tip = frmTip::Instance();
    tip.Exec(&sample);
    SetTipsFilePath(previous);
    return &tip;
}

// A window made without its tip window.
template <class Make> auto withoutTips(Make make) {
    platform::MemorySettingsStore settings;
    settings.save(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, QStringLiteral("0"));
    platform::ScopedSettingsStore scope(settings);
    return make();
}

// A window on a copy of its data file from the Data folder (an edit must not reach the
// user's file), without its tip window.
template <class Window> Window* windowOnDataCopy(const QString& fileName) {
    static QTemporaryDir dir;
    const QString copy = dir.filePath(fileName);
    QFile::remove(copy);
    QFile::copy(DataFolder() + u'/' + fileName, copy);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    const QString previous = DataFolder();
    SetDataFolder(dir.path());
    auto* window = withoutTips([] { return new Window; });
    SetDataFolder(previous);
    return window;
}

// "My Customers" on a copy of the shipped customer list.
frmMyCustomers* customersWindow() {
    return windowOnDataCopy<frmMyCustomers>(QStringLiteral("CustList.txt"));
}

// One box of each kind, as the program shows them, side by side.
QWidget* messageBoxes() {
    auto* page = new QWidget;
    page->setWindowTitle(QStringLiteral("Message boxes"));
    auto* layout = new QGridLayout(page);
    const platform::MessageBoxRequest requests[] = {
        {QStringLiteral("Do you want to save the changes?"), QStringLiteral("Question"),
         vbYesNoCancel | vbQuestion},
        {QStringLiteral("The list was saved."), QStringLiteral("Information"),
         vbOKOnly | vbInformation},
        {QStringLiteral("Some lines could not be read."), QStringLiteral("Warning"),
         vbOKCancel | vbExclamation},
        {QStringLiteral("The file could not be written."), QStringLiteral("Error"),
         vbRetryCancel | vbCritical},
    };
    int i = 0;
    for (const platform::MessageBoxRequest& request : requests) {
        QMessageBox* box = platform::makeMessageBox(request, page).release();
        box->setWindowFlags(Qt::Widget); // shown inside the page, not as a window
        layout->addWidget(box, i / 2, i % 2);
        ++i;
    }
    return page;
}

// A click of the left button at a point of the grid's viewport.
void clickViewport(TessixGrid* grid, const QPointF& point, Qt::KeyboardModifiers modifiers = {}) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, point, grid->viewport()->mapToGlobal(point), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          modifiers);
        QApplication::sendEvent(grid->viewport(), &event);
    }
}

// A click on a column's header item, as the user makes it (with Shift, Ctrl or Alt to add the
// column to the sort).
void clickHeader(TessixGrid* grid, const QString& key, Qt::KeyboardModifiers modifiers = {}) {
    int left = 0;
    for (int pos = 1; pos < grid->ColPos(key); ++pos)
        left += grid->ColWidth(grid->ColAtPos(pos));
    clickViewport(grid, QPointF(left + grid->ColWidth(key) / 2, grid->Header().Height() / 2),
                  modifiers);
}

// A click in the middle of a cell.
void clickCell(TessixGrid* grid, int row, const QString& key) {
    int left = 0, top = 0, width = 0, height = 0;
    grid->GetCellRect(row, key, left, top, width, height);
    clickViewport(grid, QPointF(left + width / 2, top + height / 2));
}

// The window shown and laid out, so clicks land where the user sees the headers.
template <class Window> Window* shownWindow() {
    vb::Randomize(7); // the same sample data in every picture
    auto* window = new Window;
    window->show();
    QApplication::processEvents();
    return window;
}

// "Custom Sorting" sorted by IP address.
frmCustomSort* customSortWindow() {
    auto* window = shownWindow<frmCustomSort>();
    clickHeader(window->Tessix1, QStringLiteral("ip"));
    return window;
}

// "Multi Columns Sort Demo" sorted by company, sum and date.
frmMultiColSort* multiColSortWindow() {
    auto* window = shownWindow<frmMultiColSort>();
    clickHeader(window->Tessix1, QStringLiteral("company"));
    clickHeader(window->Tessix1, QStringLiteral("sum"), Qt::ShiftModifier);
    clickHeader(window->Tessix1, QStringLiteral("date"), Qt::ControlModifier);
    return window;
}

// "Folder Size Manager" over a made-up tree given as its volume, expanded two levels deep.
QWidget* folderSizeWindow() {
    static QTemporaryDir tree; // lives while the pictures are taken
    const auto file = [](const QString& path, qint64 size) {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.resize(size); // sparse: no disk taken
    };
    const QString root = tree.path() + u'/';
    file(root + "Projects/tessix/build/libgrid.a", 48'000'000);
    file(root + "Projects/tessix/src/grid.cpp", 1'200'000);
    file(root + "Projects/tessix/README.md", 12'000);
    file(root + "Projects/website/index.html", 40'000);
    file(root + "Projects/notes.txt", 900);
    file(root + "Music/album/track01.flac", 31'000'000);
    file(root + "Music/album/track02.flac", 29'500'000);
    file(root + "Videos/holiday.mkv", 2'400'000'000);
    file(root + "Documents/letter.odt", 24'000);
    QDir().mkpath(root + "Empty/inside");
    file(root + "swapfile", 120'000'000);
    auto* window = new frmFolderSizeManager(nullptr, QStringList{root});
    window->resize(640, 360);
    window->show();
    QApplication::processEvents();
    TessixGrid* grid = window->Tessix1;
    const auto expand = [grid](int row) {
        grid->SetCurCell(row, 1);
        QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::KeypadModifier);
        QApplication::sendEvent(grid, &plus);
    };
    expand(1);
    for (int row = 1; row <= grid->RowCount(); ++row)
        if (grid->CellValue(row, "Name").toString() == "Projects")
            expand(row);
    return window;
}

// "Tessix Custom Draw Demo" held mid-animation: the bar at 40 %, the pie at 144 degrees.
QWidget* customDrawWindow() {
    auto* window = new frmCustomDraw;
    window->Timer1->stop();
    window->Tessix2->SetCellValue(1, 2, Variant(40));
    window->Tessix2->SetCellValue(2, 2, Variant(144));
    return window;
}

// "Memory Manager Tester" after two runs of the same size, without and with a reserve.
QWidget* memoryManagerWindow() {
    auto* window = new frmMemMng;
    window->txtRows->setText(QStringLiteral("20000"));
    for (const char* reserve : {"0", "1000"}) {
        window->txtRowsChunk->setText(QString::fromLatin1(reserve));
        window->cmdRepopulate->click();
    }
    return window;
}

// "Playing with Scroll Bars" after a drag of the vertical scroll box, a line down by the
// horizontal bar's arrow and the vertical bar switched off, as the log lists them.
QWidget* scrollBarsWindow() {
    auto* window = new frmScrlBars;
    window->show();
    QApplication::processEvents();
    QScrollBar* vertical = window->Tessix1->verticalScrollBar();
    vertical->setSliderDown(true);
    for (int position : {40, 120, 200})
        vertical->setSliderPosition(position);
    vertical->setSliderDown(false);
    window->Tessix1->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    window->chkVScrlBarEnabled->setChecked(false);
    window->optVSBDispMode[ScrollBarAlways]->setChecked(true);
    return window;
}

// "Selected Items" with a block of cells selected with Shift and the arrow keys, as the
// list shows them.
QWidget* selectedItemsWindow() {
    auto* window = new frmSelItems;
    TessixGrid* grid = window->Tessix1;
    grid->setFocus();
    grid->SetCurCell(3, 2);
    for (int code : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right}) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::ShiftModifier);
        QApplication::sendEvent(grid, &press);
    }
    return window;
}

// A database window on a copy of the sample database (the user's copy stays untouched).
template <class Window> Window* databaseWindow() {
    return windowOnDataCopy<Window>(QStringLiteral("Test.db"));
}

// "Outlook Style Grid Demonstration" on a fixed day, without its tip window.
frmOutlookDemo* outlookWindow() {
    auto* window = withoutTips([] { return new frmOutlookDemo(nullptr, QDate(2026, 12, 10)); });
    window->show();
    QApplication::processEvents();
    return window;
}

// Chooses the entry of that value in a combo cell with the keyboard, as the user does.
void chooseEntry(TessixGrid* grid, int row, const QString& col, const QString& value) {
    grid->SetCurCell(row, col);
    const ComboList* list = grid->ComboLists().Item(grid->ColObject(col)->CellComboList());
    const int steps = list->FindItem(value) - list->FindItem(grid->CellValue(row, col));
    const auto key = [](QWidget* to, int code) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(to, &press);
    };
    key(grid, Qt::Key_F4);
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup)
        return;
    for (int i = 0; i < std::abs(steps); ++i)
        key(popup, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    key(popup, Qt::Key_Return);
}

// The messages in bands by date, newest first, and by sender; the second band collapsed.
QWidget* outlookGroupedWindow() {
    frmOutlookDemo* window = outlookWindow();
    chooseEntry(window->grdGrp, 1, QStringLiteral("field"), QStringLiteral("received"));
    chooseEntry(window->grdGrp, 1, QStringLiteral("order"), QStringLiteral("desc"));
    chooseEntry(window->grdGrp, 2, QStringLiteral("field"), QStringLiteral("from"));
    window->chkGroupRowsExpanded->setChecked(true);
    window->cmdApplyGrouping->click();
    TessixGrid* grid = window->grdMain;
    int bands = 0;
    for (int row = 1; row <= grid->RowCount(); ++row)
        if (grid->RowIsGroup(row) && grid->ParentRow(row) == 0 && ++bands == 2)
            grid->SetRowExpanded(row, false);
    return window;
}

// Types a text into a cell as the user does: the cell made current, the characters, Enter.
void typeIntoCell(TessixGrid* grid, int row, const QString& col, const QString& text) {
    grid->SetCurCell(row, col);
    for (const QChar ch : text + u'\r') {
        const int key = ch == u'\r' ? int(Qt::Key_Return) : int(ch.toUpper().unicode());
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier, ch == u'\r' ? QString() : QString(ch));
            // The first key opens the editor, which takes the focus for the rest.
            QWidget* focus = QApplication::focusWidget();
            QApplication::sendEvent(focus ? focus : grid, &event);
        }
    }
}

// A click on a cell's check box.
void clickCheckBox(TessixGrid* grid, int row, const QString& col) {
    grid->SetCurCell(row, col); // scrolled into view first
    clickCell(grid, row, col);
}

// A database editing window on a copy of the sample database, shown and then edited as
// given so that its output log has lines.
template <class Window> Window* editingWindow(const std::function<void(Window&)>& edit) {
    Window* window = databaseWindow<Window>();
    window->show();
    QApplication::processEvents();
    edit(*window);
    return window;
}

// "Dragging Files into Tessix" with files collected from two folders, dropped as a file
// manager drops them.
QWidget* droppedFilesWindow() {
    auto* window = withoutTips([] { return shownWindow<frmOLEDnD2Tessix>(); });
    QList<QUrl> files;
    for (const char* path :
         {"/home/anna/Documents/Quarterly report.odt", "/home/anna/Documents/Budget 2026.ods",
          "/home/anna/Pictures/Café.jpg", "/home/anna/Pictures/Team photo 100%.png"})
        files << QUrl::fromLocalFile(QString::fromUtf8(path));
    QMimeData mime;
    mime.setUrls(files);
    QWidget* viewport = window->grd->viewport();
    const QPoint at(40, 40);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    return window;
}

// The playground with its header popup menu open over the "Type" header, after "Icon" was
// hidden through the same menu. A grab shows no popup, so the page paints the menu the grid
// would show onto the window's picture.
QWidget* funHeaderMenuPage() {
    std::unique_ptr<frmFunNGames> window(withoutTips([] { return shownWindow<frmFunNGames>(); }));
    TessixGrid* grid = window->grdThis;
    const auto headerPoint = [grid](const QString& key) {
        int left = 0;
        for (int pos = 1; pos < grid->ColPos(key); ++pos)
            left += grid->ColVisible(grid->ColAtPos(pos)) ? grid->ColWidth(grid->ColAtPos(pos)) : 0;
        return QPoint(left + grid->ColWidth(key) / 2, grid->Header().Height() / 2);
    };
    const auto rightClick = [grid](const QPoint& at) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &event);
    };
    QMenu menu;
    GridContextMenu::setChooser([&](int, const GridContextMenu& items) {
        // First the hiding, then the menu as it shows over "Type".
        if (grid->ColVisible(QStringLiteral("icon")))
            return 1;
        for (int i = 1; i <= items.ItemCount(); ++i)
            menu.addAction(items.ItemText(i))->setEnabled(items.ItemEnabled(i));
        return 0;
    });
    rightClick(headerPoint(QStringLiteral("icon")));
    const QPoint at = headerPoint(QStringLiteral("type"));
    rightClick(at);
    GridContextMenu::setChooser({});
    grid->SetCurCell(3, 3);
    QApplication::processEvents();

    QPixmap picture = window->grab();
    menu.adjustSize();
    {
        QPainter painter(&picture);
        menu.render(&painter, grid->viewport()->mapTo(window.get(), at));
    }
    auto* page = new QLabel;
    page->setPixmap(picture);
    page->resize(picture.deviceIndependentSize().toSize());
    return page;
}

} // namespace

std::vector<ShotPage> AllShotPages() {
    return {
        {QStringLiteral("frmMain"), [] { return static_cast<QWidget*>(new frmMain); }},
        {QStringLiteral("frmMain-editing"),
         [] { return launcherWithGroup(QStringLiteral("Editing Databases")); }},
        {QStringLiteral("frmTip"), [] { return tipWindow(); }},
        {QStringLiteral("grid-gallery"), [] { return makeGridGallery(); }},
        {QStringLiteral("grid-outline-gallery"), [] { return makeOutlineGallery(); }},
        {QStringLiteral("grid-frozen-gallery"), [] { return makeFrozenGallery(); }},
        {QStringLiteral("message-boxes"), [] { return messageBoxes(); }},
        {QStringLiteral("frmMyCustomers"), [] { return static_cast<QWidget*>(customersWindow()); }},
        {QStringLiteral("frmMyCustomers-grouped"),
         [] {
             frmMyCustomers* window = customersWindow();
             window->optGrpCountries->setChecked(true);
             return static_cast<QWidget*>(window);
         }},
        {QStringLiteral("frmCustomSort"), [] { return static_cast<QWidget*>(customSortWindow()); }},
        {QStringLiteral("frmCustomSort-filtered"),
         [] {
             frmCustomSort* window = customSortWindow();
             clickHeader(window->Tessix1, QStringLiteral("mem"));
             window->chkFiltMem->setChecked(true);
             return static_cast<QWidget*>(window);
         }},
        {QStringLiteral("frmMultiColSort"),
         [] { return static_cast<QWidget*>(multiColSortWindow()); }},
        {QStringLiteral("frmMultiColSort-onlyicons"),
         [] {
             frmMultiColSort* window = multiColSortWindow();
             window->optSortInfoOnlyIcon->setChecked(true);
             return static_cast<QWidget*>(window);
         }},
        {QStringLiteral("frmFolderSizeManager"), [] { return folderSizeWindow(); }},
        {QStringLiteral("frmCustomDraw"), [] { return customDrawWindow(); }},
        {QStringLiteral("frmMemMng"), [] { return memoryManagerWindow(); }},
        {QStringLiteral("frmSelItems"), [] { return selectedItemsWindow(); }},
        {QStringLiteral("frmScrlBars"), [] { return scrollBarsWindow(); }},
        {QStringLiteral("frmPropertyGrid"),
         [] { return static_cast<QWidget*>(new frmPropertyGrid); }},
        {QStringLiteral("frmPropertyGrid-categorized"),
         [] {
             auto* window = new frmPropertyGrid;
             window->optViewCategorized->setChecked(true);
             return static_cast<QWidget*>(window);
         }},
        {QStringLiteral("frmVirtual"),
         [] { return static_cast<QWidget*>(shownWindow<frmVirtual>()); }},
        {QStringLiteral("frmViewRecordset"),
         [] {
             auto* window = databaseWindow<frmViewRecordset>();
             window->cmdFillPredef->click();
             return static_cast<QWidget*>(window);
         }},
        {QStringLiteral("frmViewRecordset-2queries"),
         [] {
             auto* window = databaseWindow<frmViewRecordset>();
             window->cmd2Queries->click();
             return static_cast<QWidget*>(window);
         }},
        {QStringLiteral("frmVMFORS"),
         [] { return static_cast<QWidget*>(databaseWindow<frmVMFORS>()); }},
        {QStringLiteral("frmUpdDB_RowKeysRS"),
         [] { return static_cast<QWidget*>(databaseWindow<frmUpdDB_RowKeysRS>()); }},
        {QStringLiteral("frmUpdDB_AddEditDel"),
         [] { return static_cast<QWidget*>(databaseWindow<frmUpdDB_AddEditDel>()); }},
        {QStringLiteral("frmOutlookDemo"), [] { return static_cast<QWidget*>(outlookWindow()); }},
        {QStringLiteral("frmOutlookDemo-grouped"), [] { return outlookGroupedWindow(); }},
        {QStringLiteral("frmUpdDB_FieldLevel"),
         [] {
             return static_cast<QWidget*>(
                 editingWindow<frmUpdDB_FieldLevel>([](frmUpdDB_FieldLevel& window) {
                     typeIntoCell(window.Tessix1, 2, QStringLiteral("Phone"),
                                  QStringLiteral("(597) 781-6300"));
                     clickCheckBox(window.Tessix1, 3, QStringLiteral("Has Discount"));
                     window.Tessix1->SetCurCell(1, 1);
                 }));
         }},
        {QStringLiteral("frmUpdDB_RowLevel"),
         [] {
             return static_cast<QWidget*>(
                 editingWindow<frmUpdDB_RowLevel>([](frmUpdDB_RowLevel& window) {
                     typeIntoCell(window.Tessix1, 2, QStringLiteral("Phone"),
                                  QStringLiteral("(597) 781-6300"));
                     clickCheckBox(window.Tessix1, 2, QStringLiteral("Has Discount"));
                     window.Tessix1->SetCurCell(4, 1);
                 }));
         }},
        {QStringLiteral("frmUpdDB_GridLevel"),
         [] {
             return static_cast<QWidget*>(
                 editingWindow<frmUpdDB_GridLevel>([](frmUpdDB_GridLevel& window) {
                     typeIntoCell(window.Tessix1, 2, QStringLiteral("Phone"),
                                  QStringLiteral("(597) 781-6300"));
                     clickCheckBox(window.Tessix1, 4, QStringLiteral("Has Discount"));
                     // Saved, so that closing the page asks nothing.
                     window.cmdSaveChanges->click();
                     window.Tessix1->SetCurCell(1, 1);
                 }));
         }},
        {QStringLiteral("frmOptMult"),
         [] {
             auto* window = withoutTips([] { return shownWindow<frmOptMult>(); });
             for (int row : {2, 5, 8})
                 clickCell(window->grdMenu, row, QStringLiteral("Item"));
             return static_cast<QWidget*>(window);
         }},
        {QStringLiteral("frmCellDynamicFmt"),
         [] { return static_cast<QWidget*>(shownWindow<frmCellDynamicFmt>()); }},
        {QStringLiteral("frmCellDynamicFmt-highlighted"),
         [] {
             auto* window = shownWindow<frmCellDynamicFmt>();
             window->chkHlRowsUSA->setChecked(true);
             window->chkHlCellsSales->setChecked(true);
             window->optCntryShort->setChecked(true);
             window->optFmtRegional->setChecked(true);
             return static_cast<QWidget*>(window);
         }},
        {QStringLiteral("frmOLEDnD2Excel"),
         [] {
             auto* window = withoutTips([] { return shownWindow<frmOLEDnD2Excel>(); });
             window->cmdSelExmpl->click();
             return static_cast<QWidget*>(window);
         }},
        {QStringLiteral("frmOLEDnD2Tessix"), [] { return droppedFilesWindow(); }},
        {QStringLiteral("frmCustomizeHeader"),
         [] {
             // Column 2 current, its word wrap and centred text on the panel, and the header
             // fitted to its two lines.
             auto* window = shownWindow<frmCustomizeHeader>();
             window->Tessix1->SetCurCell(2, 2);
             window->cmdAutoHeight->click();
             return static_cast<QWidget*>(window);
         }},
        {QStringLiteral("frmFrozenColsTester"),
         [] {
             // Scrolled right, so the scrolling columns pass under the frozen edge.
             auto* window = shownWindow<frmFrozenColsTester>();
             window->Tessix1->HScrollBar().SetValue(100);
             return static_cast<QWidget*>(window);
         }},
        {QStringLiteral("frmFunNGames"),
         [] {
             // Row 5 current: its bold Times New Roman on the "Current Cell" group.
             auto* window = withoutTips([] { return shownWindow<frmFunNGames>(); });
             window->grdThis->SetCurCell(5, 3);
             return static_cast<QWidget*>(window);
         }},
        {QStringLiteral("frmFunNGames-header-menu"), [] { return funHeaderMenuPage(); }},
    };
}

#include "ShotPages.moc"
