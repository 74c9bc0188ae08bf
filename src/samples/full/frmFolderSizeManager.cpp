#include "samples/full/frmFolderSizeManager.h"

#include "app/Global.h"
#include "components/grid/GridColumn.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"
#include "controls/StatusBar.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "runtime/Format.h"
#include "samples/full/mAPIFileSystem.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QPointer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace fs = mAPIFileSystem;

namespace {

const QString NameCol = QStringLiteral("Name");
const QString SizeCol = QStringLiteral("Size");
const QString PercentCol = QStringLiteral("Percent");
const QString ErrorCol = QStringLiteral("Error");
const QString LoadedCol = QStringLiteral("Loaded");
const QString FullPathCol = QStringLiteral("FullPath");
const QString AccessDenied = QStringLiteral("Access denied");

// The diagram's colours: frame, background and bar.
const QColor FrameColor(139, 69, 19);
const QColor BackgroundColor(255, 228, 196);
const QColor BarColor(244, 164, 96);

// A rectangle given as left, top, right, bottom (right and bottom exclusive).
QRect edges(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

} // namespace

frmFolderSizeManager::frmFolderSizeManager(QWidget* parent, std::optional<QStringList> roots)
    : QWidget(parent), Tessix1(new TessixGrid(this)), imlThis(new IconList(QSize(16, 16), this)),
      StatusBar1(new StatusBar(this)) {
    setWindowTitle(QStringLiteral("Folder Size Manager"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 480);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Tessix1, 1);
    layout->addWidget(StatusBar1);

    imlThis->AddImage(QStringLiteral("drive"), ":/full/Drive.svg");
    imlThis->AddImage(QStringLiteral("folder"), ":/full/Folder.svg");
    imlThis->AddImage(QStringLiteral("files"), ":/full/Files.svg");

    connect(Tessix1, &TessixGrid::BeforeExpandRow, this,
            &frmFolderSizeManager::Tessix1_BeforeExpandRow);
    connect(Tessix1, &TessixGrid::CellDynamicText, this,
            &frmFolderSizeManager::Tessix1_CellDynamicText);
    connect(Tessix1, &TessixGrid::CustomDrawCell, this,
            &frmFolderSizeManager::Tessix1_CustomDrawCell);
    connect(Tessix1, &TessixGrid::CellMouseUp, this, &frmFolderSizeManager::Tessix1_CellMouseUp);

    Tessix1->BeginUpdate();
    SetupGrid();
    LoadDrives(roots ? *roots : fs::GetDriveStrings());
    Tessix1->SortByCol(NameCol);
    Tessix1->EndUpdate();
    ShowTipOfTheDay(this);
}

frmFolderSizeManager::~frmFolderSizeManager() = default;

void frmFolderSizeManager::closeEvent(QCloseEvent* event) {
    // A scan under way lets input run: it stops at its next folder and unwinds.
    if (m_scanning)
        fs::ScanCancelled = true;
    QWidget::closeEvent(event);
}

void frmFolderSizeManager::SetupGrid() {
    Tessix1->BeginUpdate();
    ApplyGridLook(Tessix1);
    Tessix1->SetGridLines(0);
    Tessix1->SetSelBackColor(RGB(255, 228, 181));
    Tessix1->SetSelForeColor(RGB(0, 0, 0));
    Tessix1->SetFocusRectColor1(RGB(160, 160, 160));
    Tessix1->SetFocusRectColor2(RGB(160, 160, 160));
    Tessix1->SetImageList(imlThis);
    Tessix1->SetRowMode(true);
    Tessix1->SetEditable(false);
    Tessix1->SetTreeCol(1);
    Tessix1->SetSortOnHeaderClick(false);
    Tessix1->SetDynamicFormattingEvents(DynamicCellText);
    Tessix1->SetDefaultRowHeight(Tessix1->GetOptimalRowHeight());

    Tessix1->AddCol(NameCol, QStringLiteral("Folder name"), 300);
    GridColumn* size = Tessix1->AddCol(SizeCol, QStringLiteral("Size"), 70);
    size->SetHeaderAlignH(AlignRight);
    size->SetDefaultSortOrder(SortDescending);
    size->SetCellAlignment(AlignRight);
    GridColumn* percent = Tessix1->AddCol(PercentCol, QStringLiteral("Diagram"), 120);
    percent->SetHeaderAlignH(AlignCenter);
    percent->SetDefaultSortOrder(SortDescending);
    percent->SetCellType(CellTypeCustomDraw);
    Tessix1->AddCol(ErrorCol, QStringLiteral("Scan Error"), 100);
    GridColumn* loaded = Tessix1->AddCol(LoadedCol);
    loaded->SetVisible(false);
    loaded->SetDefaultValue(false);
    Tessix1->AddCol(FullPathCol)->SetVisible(false);
    Tessix1->EndUpdate();
}

void frmFolderSizeManager::LoadDrives(const QStringList& roots) {
    if (roots.isEmpty()) {
        MsgBox(QStringLiteral("No drives were found!"), vbCritical, windowTitle());
        return;
    }
    for (const QString& root : roots) {
        QString caption = root;
        if (const QString label = fs::GetVolumeLabel(root); !label.isEmpty())
            caption += QStringLiteral(" (") + label + u')';
        double total = 0, free = 0;
        fs::GetDiskSpace(root, total, free);
        caption += QStringLiteral("  ") + FormatSize(quint64(free)) + QStringLiteral(" free of ") +
                   FormatSize(quint64(total));
        const bool listable = fs::CanListFolder(root);
        AddItemRow(Kind::Drive, 0, caption, 0, root, listable && fs::HasSubfolders(root),
                   listable ? QString() : AccessDenied);
    }
}

int frmFolderSizeManager::AddItemRow(Kind kind, int parentRow, const QString& name, quint64 size,
                                     const QString& fullPath, bool hasSubfolders,
                                     const QString& errorText) {
    AddRowArgs args;
    args.parentRow = parentRow;
    const int row = Tessix1->AddRow(args);
    if (kind == Kind::Drive) {
        const int text = Tessix1->RowTextCol();
        Tessix1->SetRowIsGroup(row, true);
        Tessix1->SetCellIcon(row, text, imlThis->ItemIndex(QStringLiteral("drive")));
        Tessix1->SetCellValue(row, text, name);
        Tessix1->CellFont(row, text).SetBold(true);
        Tessix1->SetCellVAlignment(row, text, VAlignCenter);
    } else {
        const QString icon =
            kind == Kind::Folder ? QStringLiteral("folder") : QStringLiteral("files");
        Tessix1->SetCellIcon(row, NameCol, imlThis->ItemIndex(icon));
        Tessix1->SetCellValue(row, NameCol, name);
        Tessix1->SetCellValue(row, SizeCol, Variant(double(size)));
    }
    Tessix1->SetCellValue(row, FullPathCol, fullPath);
    if (!errorText.isEmpty())
        Tessix1->SetCellValue(row, ErrorCol, errorText);
    if (hasSubfolders) {
        Tessix1->SetRowTreeButton(row, 2);
        Tessix1->SetRowExpanded(row, false);
    } else {
        Tessix1->SetRowTreeButton(row, 1);
    }
    return row;
}

bool frmFolderSizeManager::ExpandFolder(int row) {
    fs::ScanCancelled = false;
    Tessix1->BeginUpdate();
    const QString dir = fs::WithSlash(Tessix1->CellValue(row, FullPathCol).toString());
    const std::vector<fs::FolderEntry> entries = fs::ListFolder(dir);
    quint64 filesTotal = 0;
    for (const fs::FolderEntry& entry : entries)
        filesTotal += entry.folder ? 0 : entry.size;
    quint64 total = filesTotal;
    int n = 0;
    bool complete = true;
    for (const fs::FolderEntry& entry : entries) {
        if (!entry.folder)
            continue;
        const QString path = dir + entry.name + u'/';
        quint64 size = 0;
        bool hasSub = false;
        QString error;
        if (fs::CanListFolder(path)) {
            hasSub = fs::HasSubfolders(path);
            size = fs::GetFolderSize(path);
            total += size;
        } else {
            error = AccessDenied;
        }
        complete = !fs::ScanCancelled;
        AddItemRow(Kind::Folder, row, entry.name, size, path, hasSub,
                   complete ? error : CancelledText);
        ++n;
        if (!complete)
            break;
    }
    Tessix1->SortChildRows(row);
    // Added after the sort, so it stays last.
    AddItemRow(Kind::Files, row, QStringLiteral("[Files]"), filesTotal, QString(), false, {});
    ++n;
    if (total != 0)
        for (int child = row + 1; child <= row + n; ++child) {
            const double share =
                100.0 * Tessix1->CellValue(child, SizeCol).toDouble() / double(total);
            Tessix1->SetCellValue(child, PercentCol,
                                  int(std::clamp(std::nearbyint(share), 0.0, 100.0)));
        }
    Tessix1->SetCellValue(row, ErrorCol, complete ? QString() : CancelledText);
    Tessix1->EndUpdate();
    return complete;
}

void frmFolderSizeManager::removeChildren(int row) {
    const auto inSubtree = [&](int r) {
        for (int p = Tessix1->ParentRow(r); p >= row; p = Tessix1->ParentRow(p))
            if (p == row)
                return true;
        return false;
    };
    Tessix1->BeginUpdate();
    while (row < Tessix1->RowCount() && inSubtree(row + 1))
        Tessix1->RemoveRow(row + 1);
    Tessix1->EndUpdate();
}

void frmFolderSizeManager::Tessix1_BeforeExpandRow(int row, bool expand) {
    if (!expand || m_scanning || Tessix1->CellValue(row, LoadedCol).toBool())
        return;
    // What a cancelled scan listed goes: the row is measured again from the start.
    removeChildren(row);
    m_scanning = true;
    QPointer<frmFolderSizeManager> alive(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StatusBar1->SetText(ScanningText);
    const bool complete = ExpandFolder(row); // lets input run: the window may close meanwhile
    QApplication::restoreOverrideCursor();
    if (!alive)
        return;
    m_scanning = false;
    StatusBar1->SetText(QString());
    Tessix1->SetCellValue(row, LoadedCol, complete);
}

QString frmFolderSizeManager::FormatSize(quint64 value) {
    constexpr quint64 Gb = 1ull << 30, Mb = 1ull << 20, Kb = 1024;
    const double v = double(value);
    if (value > Gb)
        return vb::Format(v / double(Gb), QStringLiteral("0.00 Gb"));
    if (value > Mb)
        return vb::Format(v / double(Mb), QStringLiteral("0.00 Mb"));
    if (value > Kb)
        return vb::Format(v / double(Kb), QStringLiteral("0.00 Kb"));
    return vb::Format(v, QStringLiteral("0 bytes"));
}

void frmFolderSizeManager::Tessix1_CellDynamicText(CellDynamicTextArgs& args) {
    if (args.col == Tessix1->ColIndex(SizeCol) && !args.value.isEmpty())
        args.text = FormatSize(quint64(args.value.toDouble()));
}

void frmFolderSizeManager::Tessix1_CustomDrawCell(CustomDrawCellArgs& args) {
    if (args.col != Tessix1->ColIndex(PercentCol))
        return;
    const int p = Tessix1->CellValue(args.row, PercentCol).toLong();
    const int w = int(std::nearbyint(((args.right - args.left) - 4) * p / 100.0));
    if (w < 0)
        return;
    QPainter& painter = args.painter;
    painter.fillRect(edges(args.left + 1, args.top + 1, args.right - 1, args.bottom - 1),
                     FrameColor);
    const QRect inside = edges(args.left + 2, args.top + 2, args.right - 2, args.bottom - 2);
    painter.fillRect(inside, BackgroundColor);
    painter.fillRect(edges(inside.left(), inside.top(), inside.left() + w, args.bottom - 2),
                     BarColor);
    painter.setPen(Qt::black);
    painter.drawText(inside, Qt::AlignHCenter | Qt::AlignTop, QString::number(p) + u'%');
}

void frmFolderSizeManager::Tessix1_CellMouseUp(CellMouseArgs& args) {
    if (args.button == MouseRight)
        args.doDefault = false;
}
