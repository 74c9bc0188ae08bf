#include "ShotPages.h"

#include "GridGallery.h"
#include "OutlineGallery.h"
#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "launcher/frmMain.h"
#include "launcher/frmTip.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "samples/features/frmCustomDraw.h"
#include "samples/features/frmMemMng.h"
#include "samples/full/frmMyCustomers.h"

#include <QFile>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

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

// "My Customers" on a copy of the shipped customer list (a save must not reach the shipped
// file), without its tip window.
frmMyCustomers* customersWindow() {
    static QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("CustList.txt"));
    QFile::remove(copy);
    QFile::copy(DataFolder() + QStringLiteral("/CustList.txt"), copy);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    platform::MemorySettingsStore settings;
    settings.save(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, QStringLiteral("0"));
    platform::ScopedSettingsStore scope(settings);
    const QString previous = DataFolder();
    SetDataFolder(dir.path());
    auto* window = new frmMyCustomers;
    SetDataFolder(previous);
    return window;
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

} // namespace

std::vector<ShotPage> AllShotPages() {
    return {
        {QStringLiteral("frmMain"), [] { return static_cast<QWidget*>(new frmMain); }},
        {QStringLiteral("frmMain-editing"),
         [] { return launcherWithGroup(QStringLiteral("Editing Databases")); }},
        {QStringLiteral("frmTip"), [] { return tipWindow(); }},
        {QStringLiteral("grid-gallery"), [] { return makeGridGallery(); }},
        {QStringLiteral("grid-outline-gallery"), [] { return makeOutlineGallery(); }},
        {QStringLiteral("message-boxes"), [] { return messageBoxes(); }},
        {QStringLiteral("frmMyCustomers"), [] { return static_cast<QWidget*>(customersWindow()); }},
        {QStringLiteral("frmMyCustomers-grouped"),
         [] {
             frmMyCustomers* window = customersWindow();
             window->optGrpCountries->setChecked(true);
             return static_cast<QWidget*>(window);
         }},
        {QStringLiteral("frmCustomDraw"), [] { return customDrawWindow(); }},
        {QStringLiteral("frmMemMng"), [] { return memoryManagerWindow(); }},
    };
}

#include "ShotPages.moc"
