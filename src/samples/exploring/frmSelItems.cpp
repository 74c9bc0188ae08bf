#include "samples/exploring/frmSelItems.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "platform/Clock.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int RowCountDigits = 5;

const char* const TestCommands[] = {
    "Clear selection",
    "Remove the 2nd row",
    "Insert a new row before the 2nd one",
    "Issue Tessix's SetCurCell(3, 1) method",
    "Remove the 1st column",
    "Insert a new column before the 2nd one",
};

QString trueFalse(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QCheckBox* checkBox(const char* caption, bool checked) {
    auto* box = new QCheckBox(QString::fromLatin1(caption));
    box->setChecked(checked);
    return box;
}

// A label that comes and goes during long work; its row keeps its place.
QLabel* busyLabel(const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text));
    QSizePolicy keepPlace = label->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    label->setSizePolicy(keepPlace);
    label->hide();
    return label;
}

// Long work on the user-interface thread: the label and the busy pointer show, and are
// painted before the work starts; input waits until it is over.
class BusyWhile {
public:
    explicit BusyWhile(QLabel* label) : m_label(label) {
        m_label->show();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~BusyWhile() {
        m_label->hide();
        QApplication::restoreOverrideCursor();
    }
    BusyWhile(const BusyWhile&) = delete;
    BusyWhile& operator=(const BusyWhile&) = delete;

private:
    QLabel* m_label;
};

} // namespace

frmSelItems::frmSelItems(QWidget* parent)
    : QWidget(parent, Qt::Window), Tessix1(new TessixGrid),
      txtRowCount(new QLineEdit(QStringLiteral("750"))),
      cmdSetRowCount(new QPushButton(QStringLiteral("Set"))),
      lblPopulGrid(busyLabel("Populating the grid...")),
      chkMultisel(checkBox("Multiselection mode", true)), chkRowMode(checkBox("Row mode", false)),
      cmdTestCmds(new QPushButton(QStringLiteral("Test Commands"))), mnuTestCmds(new QMenu(this)),
      lstSelEvents(new QListWidget),
      chkMonitorBeforeAfter(checkBox("BeforeSelectionChange/AfterSelectionChange", true)),
      chkMonitorCellSel(checkBox("CellSelectionChange", false)),
      lblWarnCellSelChange(
          new QLabel(QStringLiteral("(Attn: raised for every selected/deselected cell!)"))),
      chkMonitorCurCellChange(checkBox("CurCellChange", true)),
      cmdClearEventLog(new QPushButton(QStringLiteral("Clear Event Log"))),
      lstSelectedItems(new QListWidget), chkSorted(checkBox("Sorted", true)),
      chkUpdateSelList(checkBox("Autorefresh", true)),
      cmdShowSelectedItems(new QPushButton(QStringLiteral("Update Manually"))),
      lblGotIn(new QLabel(QStringLiteral("Got in:"))),
      lblPopulListbox(busyLabel("Populating the listbox...")) {
    setWindowTitle(QStringLiteral("Selected Items"));
    setFont(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}.toQFont());
    resize(TwipsToPixelsX(14400), TwipsToPixelsY(7800));
    cmdShowSelectedItems->setEnabled(false);

    const int margin = TwipsToPixelsX(120);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    auto* description = new QLabel(QStringLiteral(
        "This form demonstrates how you can work with the selected cells in Tessix. Select the "
        "cells in the test grid in different modes using the keyboard or mouse, issue the test "
        "commands from the menu opened when you click the Test Commands button and see what "
        "selection related events are triggered. The selected item list is populated with the "
        "specialized SelItems property."));
    description->setWordWrap(true);
    layout->addWidget(description);

    auto* frames = new QHBoxLayout;
    layout->addLayout(frames, 1);

    auto* testGrid = new QGroupBox(QStringLiteral("Test Grid"));
    auto* testLayout = new QVBoxLayout(testGrid);
    auto* rows = new QHBoxLayout;
    auto* rowsLabel = new QLabel(QStringLiteral("Number of rows:"));
    rowsLabel->setBuddy(txtRowCount);
    txtRowCount->setFixedWidth(TwipsToPixelsX(750));
    rows->addWidget(rowsLabel);
    rows->addWidget(txtRowCount);
    rows->addWidget(cmdSetRowCount);
    rows->addWidget(lblPopulGrid);
    rows->addStretch(1);
    testLayout->addLayout(rows);
    auto* modes = new QHBoxLayout;
    modes->addWidget(chkMultisel);
    modes->addWidget(chkRowMode);
    modes->addStretch(1);
    modes->addWidget(cmdTestCmds);
    testLayout->addLayout(modes);
    testLayout->addWidget(new QLabel(QStringLiteral("(use CTRL, SHIFT and/or drag select)")));
    testLayout->addWidget(Tessix1, 1);
    frames->addWidget(testGrid, 7);

    auto* monitoring = new QGroupBox(QStringLiteral("Selection Events Monitoring"));
    auto* monitorLayout = new QVBoxLayout(monitoring);
    monitorLayout->addWidget(lstSelEvents, 1);
    monitorLayout->addWidget(chkMonitorBeforeAfter);
    monitorLayout->addWidget(chkMonitorCellSel);
    lblWarnCellSelChange->setIndent(TwipsToPixelsX(300));
    monitorLayout->addWidget(lblWarnCellSelChange);
    monitorLayout->addWidget(chkMonitorCurCellChange);
    monitorLayout->addWidget(cmdClearEventLog, 0, Qt::AlignRight);
    frames->addWidget(monitoring, 6);

    auto* selected = new QGroupBox(QStringLiteral("Selected Items"));
    auto* selectedLayout = new QVBoxLayout(selected);
    selectedLayout->addWidget(lstSelectedItems, 1);
    selectedLayout->addWidget(chkSorted);
    auto* refresh = new QHBoxLayout;
    refresh->addWidget(chkUpdateSelList);
    refresh->addWidget(cmdShowSelectedItems);
    selectedLayout->addLayout(refresh);
    selectedLayout->addWidget(lblGotIn);
    selectedLayout->addWidget(lblPopulListbox);
    frames->addWidget(selected, 3);

    connect(cmdSetRowCount, &QPushButton::clicked, this, &frmSelItems::cmdSetRowCount_Click);
    connect(chkMultisel, &QCheckBox::stateChanged, this, &frmSelItems::chkMultisel_Click);
    connect(chkRowMode, &QCheckBox::stateChanged, this, &frmSelItems::chkRowMode_Click);
    connect(chkMonitorCellSel, &QCheckBox::stateChanged, this,
            &frmSelItems::chkMonitorCellSel_Click);
    connect(chkUpdateSelList, &QCheckBox::stateChanged, this, &frmSelItems::chkUpdateSelList_Click);
    connect(chkSorted, &QCheckBox::stateChanged, this, &frmSelItems::chkSorted_Click);
    connect(cmdTestCmds, &QPushButton::clicked, this, &frmSelItems::cmdTestCmds_Click);
    connect(cmdClearEventLog, &QPushButton::clicked, this, &frmSelItems::cmdClearEventLog_Click);
    connect(cmdShowSelectedItems, &QPushButton::clicked, this,
            &frmSelItems::cmdShowSelectedItems_Click);
    connect(Tessix1, &TessixGrid::BeforeSelectionChange, this,
            &frmSelItems::Tessix1_BeforeSelectionChange);
    connect(Tessix1, &TessixGrid::AfterSelectionChange, this,
            &frmSelItems::Tessix1_AfterSelectionChange);
    connect(Tessix1, &TessixGrid::CurCellChange, this,
            [this](int row, int col, int, int) { Tessix1_CurCellChange(row, col); });

    Form_Load();
}

void frmSelItems::Form_Load() {
    mnuTestCmd << nullptr;
    for (int index = 1; index <= int(std::size(TestCommands)); ++index) {
        QAction* item = mnuTestCmds->addAction(QString::fromLatin1(TestCommands[index - 1]));
        connect(item, &QAction::triggered, this, [this, index] { mnuTestCmd_Click(index); });
        mnuTestCmd << item;
    }
    MakeNumericTextBox(txtRowCount, RowCountDigits);

    Tessix1->BeginUpdate();
    ApplyGridLook(Tessix1);
    Tessix1->SetEditable(false);
    Tessix1->SetSortOnHeaderClick(false);
    Tessix1->SetRowMode(chkRowMode->isChecked());
    Tessix1->SetMultiSelect(chkMultisel->isChecked());
    Tessix1->SetDefaultRowHeight(Tessix1->GetOptimalRowHeight());
    Tessix1->SetColCount(5);
    Tessix1->SetRowCount(txtRowCount->text().toInt());
    numberRows(1, Tessix1->RowCount());
    Tessix1->EndUpdate();
}

void frmSelItems::numberRows(int from, int to) {
    for (int row = from; row <= to; ++row)
        Tessix1->SetCellValue(row, 1, Variant(row));
}

void frmSelItems::cmdSetRowCount_Click() {
    const BusyWhile busy(lblPopulGrid);
    // An empty box asks for no rows.
    const int wanted = txtRowCount->text().toInt();
    const int old = Tessix1->RowCount();
    if (old < wanted) {
        Tessix1->BeginUpdate();
        Tessix1->SetRowCount(wanted);
        numberRows(old + 1, wanted);
        Tessix1->EndUpdate();
    } else {
        Tessix1->SetRowCount(wanted);
    }
    // Rows dropped with their selection leave the listing behind otherwise.
    refreshIfAutomatic();
}

void frmSelItems::chkMultisel_Click() {
    Tessix1->SetMultiSelect(chkMultisel->isChecked());
}

void frmSelItems::chkRowMode_Click() {
    Tessix1->SetRowMode(chkRowMode->isChecked());
    // The items change kind (rows or cells) even where the grid reports no change.
    refreshIfAutomatic();
}

void frmSelItems::chkMonitorCellSel_Click() {
    if (chkMonitorCellSel->isChecked())
        m_cellSelConnection = connect(Tessix1, &TessixGrid::CellSelectionChange, this,
                                      &frmSelItems::Tessix1_CellSelectionChange);
    else
        disconnect(m_cellSelConnection);
}

void frmSelItems::chkUpdateSelList_Click() {
    cmdShowSelectedItems->setEnabled(!chkUpdateSelList->isChecked());
    // Back on, the listing catches up with what changed while it was off.
    refreshIfAutomatic();
}

void frmSelItems::chkSorted_Click() {
    refreshIfAutomatic();
}

void frmSelItems::refreshIfAutomatic() {
    if (chkUpdateSelList->isChecked())
        cmdShowSelectedItems_Click();
}

void frmSelItems::cmdTestCmds_Click() {
    mnuTestCmds->popup(cmdTestCmds->mapToGlobal(QPoint(0, cmdTestCmds->height())));
}

void frmSelItems::mnuTestCmd_Click(int index) {
    // A command the grid cannot carry out (the 2nd row of a one-row grid) does nothing.
    switch (index) {
    case 1:
        Tessix1->ClearSelection();
        break;
    case 2:
        Tessix1->RemoveRow(2);
        break;
    case 3: {
        AddRowArgs before;
        before.insertBefore = 2;
        Tessix1->AddRow(before);
        break;
    }
    case 4:
        Tessix1->SetCurCell(3, 1);
        break;
    case 5:
        Tessix1->RemoveCol(1);
        break;
    case 6:
        Tessix1->AddCol({}, {}, -1, SortTypeByValue, 2);
        break;
    default:
        return;
    }
    refreshIfAutomatic();
}

void frmSelItems::cmdClearEventLog_Click() {
    lstSelEvents->clear();
}

void frmSelItems::cmdShowSelectedItems_Click() {
    GridSelItems& items = Tessix1->SelItems();
    items.SetSorted(chkSorted->isChecked());
    const quint32 t0 = GetTickCount();
    const QVector<GridCellPos> selection = items.GetRows();
    const quint32 t1 = GetTickCount();
    lblGotIn->setText(QStringLiteral("Got in: %1 msec").arg(t1 - t0));

    const BusyWhile busy(lblPopulListbox);
    QStringList lines;
    if (items.Count() == 0) {
        lines << QStringLiteral("No selected cells");
    } else {
        const qsizetype listed = std::min<qsizetype>(selection.size(), MaxListed);
        lines.reserve(listed + 3);
        const bool rows = Tessix1->RowMode();
        for (qsizetype i = 0; i < listed; ++i) {
            const GridCellPos& item = selection[i];
            lines << (rows ? QStringLiteral("Row: %1").arg(item.row)
                           : QStringLiteral("Cell: (%1, %2)").arg(item.row).arg(item.col));
        }
        if (selection.size() > MaxListed)
            lines << QStringLiteral("Two many items...") << QStringLiteral("The rest of items")
                  << QStringLiteral("are not displayed.");
    }
    // One repaint for the whole list, not one per line.
    lstSelectedItems->setUpdatesEnabled(false);
    lstSelectedItems->clear();
    lstSelectedItems->addItems(lines);
    lstSelectedItems->setUpdatesEnabled(true);
}

void frmSelItems::Tessix1_BeforeSelectionChange() {
    if (chkMonitorBeforeAfter->isChecked())
        AddLogLine(lstSelEvents, QStringLiteral("BeforeSelectionChange"));
}

void frmSelItems::Tessix1_AfterSelectionChange(bool bSelContentsChanged) {
    if (chkMonitorBeforeAfter->isChecked())
        AddLogLine(lstSelEvents, QStringLiteral("AfterSelectionChange: bSelContentsChanged=") +
                                     trueFalse(bSelContentsChanged));
    refreshIfAutomatic();
}

void frmSelItems::Tessix1_CellSelectionChange(int lRow, int lCol, bool bSelected) {
    AddLogLine(lstSelEvents, QStringLiteral("CellSelectionChange: lRow=%1, lCol=%2, bSelected=%3")
                                 .arg(lRow)
                                 .arg(lCol)
                                 .arg(trueFalse(bSelected)));
}

void frmSelItems::Tessix1_CurCellChange(int lRow, int lCol) {
    if (chkMonitorCurCellChange->isChecked())
        AddLogLine(lstSelEvents,
                   QStringLiteral("CurCellChange: lRow=%1, lCol=%2").arg(lRow).arg(lCol));
}
