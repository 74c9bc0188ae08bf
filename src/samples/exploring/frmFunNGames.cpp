#include "samples/exploring/frmFunNGames.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"
#include "controls/StatusBar.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "runtime/DateMath.h"
#include "runtime/Numeric.h"
#include "runtime/Random.h"
#include "samples/exploring/FunNGamesCurrentCell.h"
#include "samples/exploring/FunNGamesData.h"
#include "samples/exploring/FunNGamesOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Seed = 112;
constexpr int RowHeight = 30;
constexpr int ProgressStep = 50;
// How often a long fill lets the window repaint.
constexpr qint64 ProgressPaintMs = 100;
constexpr int KeyF3 = 114;
constexpr int KeyF5 = 116;
constexpr int VisibleColumnsInfo = 17;
const QString LayoutSection = QStringLiteral("Layout");
const QString ColumnsSettingKey = QStringLiteral("Columns");
const QString SortSettingKey = QStringLiteral("Sort");
const QString HideColumnKey = QStringLiteral("hide_col");
const QString ShowAllKey = QStringLiteral("show_all");

// The busy pointer for the lifetime of the scope.
struct BusyPointer {
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

frmFunNGames::frmFunNGames(QWidget* parent)
    : QWidget(parent, Qt::Window), grdThis(new TessixGrid),
      ilsIcons(new IconList(QSize(24, 24), this)), picOptions(new QScrollArea), Options(nullptr),
      CurrentCell(new FunNGamesCurrentCell(grdThis)), txtRows(new QLineEdit(QStringLiteral("100"))),
      cmdRepopulate(new QPushButton(QStringLiteral("Repopulate"))),
      cmdEmpty(new QPushButton(QStringLiteral("&Clear"))),
      chkRandomHeight(new QCheckBox(QStringLiteral("Random Row Heights"))),
      cmdAutoRowHeight(new QPushButton(QStringLiteral("Fit &Heights"))),
      chkVisible(new QCheckBox(QStringLiteral("Show Odd Rows only"))),
      cmdSetCellValue(new QPushButton(QStringLiteral("Set Cell Value"))),
      cmdShowCellValue(new QPushButton(QStringLiteral("Show Cell Value"))),
      cmdSaveLayout(new QPushButton(QStringLiteral("Save Layout"))),
      cmdRestoreLayout(new QPushButton(QStringLiteral("Restore Layout"))),
      chkTraceMouse(new QCheckBox(QStringLiteral("Trace Mouse"))), StatusBar1(new StatusBar) {
    setWindowTitle(QStringLiteral("Fun-n-Games with Tessix"));
    setFont(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}.toQFont());
    Options = new FunNGamesOptions(grdThis, FunNGamesData::BackgroundPicture());
    chkRandomHeight->setChecked(true);

    // The grid takes what the panel leaves; the panel scrolls when the window is too low.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* work = new QHBoxLayout;
    work->setContentsMargins(2, 4, 6, 4);
    work->setSpacing(8);
    work->addWidget(grdThis, 1);
    work->addWidget(BuildPanel());
    layout->addLayout(work, 1);
    layout->addWidget(StatusBar1);
    resize(TwipsToPixelsX(11475), TwipsToPixelsY(9195));

    ConnectHandlers();
    Form_Load();
}

frmFunNGames::~frmFunNGames() = default;

QWidget* frmFunNGames::BuildPanel() {
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(Options);
    column->addWidget(CurrentCell);

    auto* populate = new QGridLayout;
    auto* rowsLabel = new QLabel(QStringLiteral("Number of rows:"));
    rowsLabel->setBuddy(txtRows);
    populate->addWidget(rowsLabel, 0, 0);
    populate->addWidget(txtRows, 0, 1);
    populate->addWidget(cmdRepopulate, 1, 0);
    populate->addWidget(cmdEmpty, 1, 1);
    populate->addWidget(chkRandomHeight, 2, 0, 1, 2);
    column->addWidget(OptionGroup(QStringLiteral("Populate Grid"), populate));

    auto* other = new QGridLayout;
    other->addWidget(cmdAutoRowHeight, 0, 0);
    other->addWidget(chkVisible, 0, 1);
    other->addWidget(cmdSetCellValue, 1, 0);
    other->addWidget(cmdShowCellValue, 1, 1);
    other->addWidget(cmdSaveLayout, 2, 0);
    other->addWidget(cmdRestoreLayout, 2, 1);
    other->addWidget(chkTraceMouse, 3, 0, 1, 2);
    column->addWidget(OptionGroup(QStringLiteral("Other Features"), other));
    column->addStretch(1);

    picOptions->setFrameShape(QFrame::NoFrame);
    picOptions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    picOptions->setWidgetResizable(true);
    picOptions->setWidget(panel);
    // The design's width, or what the panel needs in the desktop's font when that is wider.
    picOptions->setFixedWidth(
        std::max(TwipsToPixelsX(3975), panel->minimumSizeHint().width() +
                                           picOptions->verticalScrollBar()->sizeHint().width()));
    return picOptions;
}

void frmFunNGames::ConnectHandlers() {
    connect(cmdRepopulate, &QPushButton::clicked, this, &frmFunNGames::cmdRepopulate_Click);
    connect(txtRows, &QLineEdit::returnPressed, this, &frmFunNGames::cmdRepopulate_Click);
    connect(cmdEmpty, &QPushButton::clicked, this, &frmFunNGames::cmdEmpty_Click);
    connect(cmdAutoRowHeight, &QPushButton::clicked, this, &frmFunNGames::cmdAutoRowHeight_Click);
    connect(chkVisible, &QCheckBox::toggled, this, &frmFunNGames::chkVisible_Click);
    connect(cmdSetCellValue, &QPushButton::clicked, this, &frmFunNGames::cmdSetCellValue_Click);
    connect(cmdShowCellValue, &QPushButton::clicked, this, &frmFunNGames::cmdShowCellValue_Click);
    connect(cmdSaveLayout, &QPushButton::clicked, this, &frmFunNGames::cmdSaveLayout_Click);
    connect(cmdRestoreLayout, &QPushButton::clicked, this, &frmFunNGames::cmdRestoreLayout_Click);
    connect(chkTraceMouse, &QCheckBox::toggled, this, &frmFunNGames::chkTraceMouse_Click);

    connect(grdThis, &TessixGrid::CurCellChange, this,
            [this](int row, int col) { grdThis_CurCellChange(row, col); });
    connect(grdThis, &TessixGrid::RequestEdit, this, &frmFunNGames::grdThis_RequestEdit);
    connect(grdThis, &TessixGrid::BeforeCommitEdit, this, &frmFunNGames::grdThis_BeforeCommitEdit);
    connect(grdThis, &TessixGrid::KeyDown, this, &frmFunNGames::grdThis_KeyDown);
    connect(grdThis, &TessixGrid::TextEditKeyDown, this, &frmFunNGames::grdThis_TextEditKeyDown);
    connect(grdThis, &TessixGrid::ColHeaderClick, this, &frmFunNGames::grdThis_ColHeaderClick);
    connect(grdThis, &TessixGrid::ColMouseEnter, this, &frmFunNGames::grdThis_ColMouseEnter);
    connect(grdThis, &TessixGrid::ColMouseLeave, this, &frmFunNGames::grdThis_ColMouseLeave);
    connect(grdThis, &TessixGrid::CellMouseMove, this, &frmFunNGames::grdThis_CellMouseMove);
    connect(grdThis, &TessixGrid::BeforeContextMenu, this,
            &frmFunNGames::grdThis_BeforeContextMenu);
    connect(grdThis, &TessixGrid::ContextMenuClick, this, &frmFunNGames::grdThis_ContextMenuClick);
}

void frmFunNGames::Form_Load() {
    vb::Randomize(Seed);
    grdThis->BeginUpdate();
    grdThis->SetSelBackColorNoFocus(RGB(224, 192, 160));
    grdThis->SetSelForeColorNoFocus(RGB(255, 255, 255));
    grdThis->SetHighlightSelIcons(true);
    grdThis->SetDefaultRowHeight(RowHeight);
    grdThis->SetShowControlsInAllCells(true);

    Options->optBorderThin->setChecked(true);
    Options->cmbFocusRectThickness->setCurrentIndex(1);
    Options->cmbKeyPressBehaviour->setCurrentIndex(TypingModeAppend);
    Options->cmbGridLines->setCurrentIndex(GridLinesBoth);
    Options->cmbGridLineDrag->setCurrentIndex(GridLinesNone);
    Options->cmbFocusRect->setCurrentIndex(0);
    // Every option, also those left at their design state, so the grid shows what the panel
    // says.
    Options->PushToGrid();

    FunNGamesData::LoadIcons(*ilsIcons);
    grdThis->SetImageList(ilsIcons);
    FunNGamesData::AddTypeComboList(*grdThis, *ilsIcons);
    FunNGamesData::AddColumns(*grdThis);
    grdThis->SetKeyPressSearchCol(grdThis->ColIndex(QStringLiteral("type")));
    PopulateGrid();
    grdThis->EndUpdate();

    Options->CheckOSStyleAvailability();
    Options->CheckAlphaBlendAvailability();
    MakeNumericTextBox(txtRows, 0);
    ShowTipOfTheDay(this);
}

void frmFunNGames::PopulateGrid() {
    bool ok = false;
    const qint64 rows = txtRows->text().toLongLong(&ok);
    if (!ok || rows < 0 || rows > MaxRows) {
        MsgBox(QStringLiteral("Illegal number of rows!"), vbCritical);
        return;
    }
    m_populating = true;
    StatusBar1->SetText(QStringLiteral("Reserving memory..."));
    cmdEmpty_Click();
    if (rows == 0) {
        StatusBar1->SetText(QString());
        m_populating = false;
        return;
    }
    grdThis->SetRowCount(int(rows));
    StatusBar1->SetText(QStringLiteral("Populating the grid..."));

    const FunNGamesData::RowContext context{FunNGamesData::Columns::of(*grdThis),
                                            ilsIcons->ImageCount(), chkRandomHeight->isChecked(),
                                            vb::Year(vb::Date()), FunNGamesData::SpecialRowFont()};
    m_progressClock.start();
    for (int row = 1; row <= grdThis->RowCount(); ++row) {
        FunNGamesData::FillRow(*grdThis, row, context);
        if (row % ProgressStep == 0)
            ShowProgress(QStringLiteral("Setting cell properties: %1 of %2 rows")
                             .arg(row)
                             .arg(grdThis->RowCount()));
    }
    m_populating = false;
    grdThis->SetCurCell(1, 1);
    // Already on (1, 1), the grid raises no change; the status line describes the new cell.
    grdThis_CurCellChange(grdThis->CurRow(), grdThis->CurCol());
}

void frmFunNGames::ShowProgress(const QString& text) {
    StatusBar1->SetText(text);
    if (m_progressClock.elapsed() < ProgressPaintMs)
        return;
    // Let the window repaint and show the count; clicks and keys wait for the fill to end.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_progressClock.restart();
}

void frmFunNGames::closeEvent(QCloseEvent* event) {
    if (m_populating) {
        m_closeRequested = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void frmFunNGames::cmdRepopulate_Click() {
    const BusyPointer busy;
    grdThis->BeginUpdate();
    for (int col = 1; col <= grdThis->ColCount(); ++col)
        grdThis->SetColSortIndex(col, 0);
    PopulateGrid();
    grdThis->EndUpdate();
    // "Show Odd Rows only" holds for the new rows too.
    if (chkVisible->isChecked())
        chkVisible_Click();
    if (m_closeRequested)
        QTimer::singleShot(0, this, &QWidget::close);
}

void frmFunNGames::cmdEmpty_Click() {
    grdThis->Clear();
    // The grid raises no change when it empties; the panel must not describe a gone cell.
    if (grdThis->CurRow() == 0)
        grdThis_CurCellChange(0, 0);
}

void frmFunNGames::cmdAutoRowHeight_Click() {
    const BusyPointer busy;
    grdThis->AutoHeightRows();
}

void frmFunNGames::chkVisible_Click() {
    const bool show = !chkVisible->isChecked();
    grdThis->BeginUpdate();
    for (int row = 2; row <= grdThis->RowCount(); row += 2)
        grdThis->SetRowVisible(row, show);
    grdThis->EndUpdate();
}

void frmFunNGames::grdThis_CurCellChange(int row, int col) {
    const bool ok = row != 0 && col != 0;
    cmdSetCellValue->setEnabled(ok);
    cmdShowCellValue->setEnabled(ok);
    CurrentCell->ShowCell(row, col);
    if (!ok) {
        StatusBar1->SetText(QStringLiteral("The active cell is out of the grid"));
        return;
    }
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    grdThis->GetCellRect(row, col, left, top, width, height);
    StatusBar1->SetText(QStringLiteral("Current Cell >>   Row:%1 Col:%2   Top:%3 Left:%4 "
                                       "Width:%5 Height:%6")
                            .arg(row)
                            .arg(col)
                            .arg(top)
                            .arg(left)
                            .arg(width)
                            .arg(height));
}

void frmFunNGames::cmdShowCellValue_Click() {
    const Variant value = grdThis->CellValue(grdThis->CurRow(), grdThis->CurCol());
    if (value.isEmpty()) {
        MsgBox(QStringLiteral("Cell value is missing"));
        return;
    }
    MsgBox(QStringLiteral("Value: ") + value.toString() + QStringLiteral("\r\nType: ") +
           value.typeName());
}

void frmFunNGames::cmdSetCellValue_Click() {
    const int row = grdThis->CurRow();
    const int col = grdThis->CurCol();
    if (row == 0 || col == 0)
        return;
    const QString key = grdThis->ColKey(col);
    const Variant value = grdThis->CellValue(row, col);
    Variant next;
    if (key == QLatin1String("check3d") || key == QLatin1String("checkflat")) {
        // A box the program only gave a state has no value yet: it counts as its state.
        const int current = value.isEmpty() ? grdThis->CellCheckState(row, col) : value.toLong();
        // The flat box toggles: a checked box of any value becomes 0, an unchecked one -1.
        next = key == QLatin1String("check3d") ? Variant((current + 1) % 3)
                                               : Variant(current == 0 ? -1 : 0);
    } else if (key == QLatin1String("type")) {
        next = float(vb::Int(vb::Rnd() * ilsIcons->ImageCount()) + 1);
    } else {
        next = float(vb::Int(vb::Rnd() * 100) + 1);
    }
    grdThis->SetCellValue(row, col, next);
}

void frmFunNGames::grdThis_RequestEdit(RequestEditArgs& args) {
    const QString key = grdThis->ColKey(args.col);
    if (key == QLatin1String("filename")) {
        args.maxLength = 12;
    } else if (key == QLatin1String("date")) {
        MsgBox(QStringLiteral("We protect formatted cells from editing in the code."));
        args.cancel = true;
    } else if (key == QLatin1String("icon")) {
        args.cancel = true;
    } else if (key == QLatin1String("cur")) {
        // The plain number to edit rather than the formatted amount.
        args.text = grdThis->CellValue(args.row, args.col).toString();
    }
}

void frmFunNGames::grdThis_BeforeCommitEdit(BeforeCommitEditArgs& args) {
    const QString key = grdThis->ColKey(args.col);
    if (key == QLatin1String("filename")) {
        if (!(grdThis->CellValue(args.row, args.col) != args.newValue))
            return;
        const int answer = MsgBox(QStringLiteral("Are you sure to change the filename to '") +
                                      args.newText + QStringLiteral("'?"),
                                  vbQuestion | (args.canStay ? vbYesNoCancel : vbYesNo));
        args.result = answer == vbYes ? CommitStore : answer == vbNo ? CommitDiscard : CommitStay;
    } else if (key == QLatin1String("check3d") && args.row == 1 &&
               args.newValue == Variant(CheckGrayed)) {
        MsgBox(QStringLiteral("This is a 3-state checkbox, but you can't change its state to "
                              "grayed.\r\n(We implemented this check-up in the BeforeCommitEdit "
                              "event for the first row in the code.)"));
        args.result = CommitDiscard;
    }
}

void frmFunNGames::grdThis_KeyDown(KeyDownArgs& args) {
    if (args.keyCode == KeyF5)
        grdThis->Sort();
}

void frmFunNGames::grdThis_TextEditKeyDown(TextEditKeyDownArgs& args) {
    if (args.keyCode == KeyF3 && grdThis->ColKey(args.col) == QLatin1String("filename"))
        grdThis->CommitEdit();
}

void frmFunNGames::grdThis_ColHeaderClick(ColHeaderClickArgs& args) {
    if (grdThis->ColKey(args.col) != QLatin1String("descr"))
        return;
    MsgBox(QStringLiteral("We protect in the code this column from sorting!"));
    args.doDefault = false;
}

void frmFunNGames::grdThis_ColMouseEnter(int col) {
    StatusBar1->SetText(
        col == 0 ? QStringLiteral("The mouse pointer has just entered into the no column area")
                 : QStringLiteral("The mouse pointer has just entered into the '") +
                       grdThis->ColHeaderText(col) + QStringLiteral("' column"));
}

void frmFunNGames::grdThis_ColMouseLeave(int col) {
    StatusBar1->SetText(col == 0
                            ? QStringLiteral("The mouse pointer has just left the no column area")
                            : QStringLiteral("The mouse pointer has just left the '") +
                                  grdThis->ColHeaderText(col) + QStringLiteral("' column"));
}

void frmFunNGames::chkTraceMouse_Click() {
    if (chkTraceMouse->isChecked())
        grdThis->setFocus();
}

void frmFunNGames::grdThis_CellMouseMove(CellMouseArgs& args) {
    if (!chkTraceMouse->isChecked() || args.row == 0 || args.col == 0)
        return;
    if (args.row != grdThis->CurRow() || args.col != grdThis->CurCol())
        grdThis->SetCurCell(args.row, args.col);
}

void frmFunNGames::grdThis_BeforeContextMenu(BeforeContextMenuArgs& args) {
    if (args.area != MenuAreaHeader && args.area != MenuAreaNoColumn)
        return;
    GridContextMenu& menu = grdThis->ContextMenu(args.area);
    menu.Clear();
    if (args.area == MenuAreaHeader)
        menu.AddItem(QStringLiteral("Hide This Column"), true, 0, HideColumnKey);
    // Enabled only while some column is hidden.
    menu.AddItem(QStringLiteral("Show All Columns"),
                 grdThis->GetInfo(VisibleColumnsInfo) < grdThis->ColCount(), 0, ShowAllKey);
}

void frmFunNGames::grdThis_ContextMenuClick(int area, int /*row*/, int col, int item) {
    if (area != MenuAreaHeader && area != MenuAreaNoColumn)
        return;
    const QString key = grdThis->ContextMenu(area).ItemKey(item);
    if (key == HideColumnKey) {
        grdThis->SetColVisible(col, false);
    } else if (key == ShowAllKey) {
        for (int c = 1; c <= grdThis->ColCount(); ++c)
            grdThis->SetColVisible(c, true);
    }
}

void frmFunNGames::cmdSaveLayout_Click() {
    SaveSetting(SettingsApp, LayoutSection, ColumnsSettingKey, grdThis->ColLayout());
    SaveSetting(SettingsApp, LayoutSection, SortSettingKey, grdThis->SortLayout());
}

void frmFunNGames::cmdRestoreLayout_Click() {
    const QString columns = GetSetting(SettingsApp, LayoutSection, ColumnsSettingKey);
    const QString sort = GetSetting(SettingsApp, LayoutSection, SortSettingKey);
    // Nothing saved yet: the grid stays as it is.
    bool restored = columns.isEmpty() || grdThis->SetColLayout(columns);
    restored = (sort.isEmpty() || grdThis->SetSortLayout(sort)) && restored;
    if (!restored)
        MsgBox(QStringLiteral("The saved layout does not fit this grid's columns (it may come "
                              "from an older version) and was not restored."),
               vbExclamation);
    // Widths and places changed under the current cell.
    grdThis_CurCellChange(grdThis->CurRow(), grdThis->CurCol());
}
