#include "samples/viewing/frmVirtual.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "runtime/Numeric.h"
#include "runtime/Random.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int FewestRows = 100;
constexpr int RowsRange = 300; // so the limit lies between 100 and 400
constexpr int ColumnWidth = 120;

} // namespace

frmVirtual::frmVirtual(QWidget* parent)
    : QWidget(parent),
      Label1{new QLabel(QStringLiteral("Currently added rows:"), this),
             new QLabel(QStringLiteral("Maximum number of rows:"), this),
             new QLabel(QStringLiteral("The grid below requests data to display only when they "
                                       "appear in the viewport."),
                        this),
             new QLabel(QStringLiteral("Scroll the grid using the scroll bar or with the Key Down "
                                       "or Page Down keys to see this."),
                        this)},
      lblInfo(new QLabel(this)), lblTarget(new QLabel(this)),
      cmdClear(new QPushButton(QStringLiteral("&Reset"), this)), grdVirtual(new TessixGrid(this)) {
    setWindowTitle(QStringLiteral("Virtual Mode Demonstration - adds rows as required"));
    setFont(FontObject(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}).toQFont());

    // A fixed layout: the explanation, the two counts and the button at the top, the grid
    // (409 x 256 pixels) below them; the window takes the size they need.
    const QFont captionFont =
        FontObject(FontData{QStringLiteral("Arial"), 9, true, false}).toQFont();
    auto* counts = new QGridLayout;
    counts->setHorizontalSpacing(8);
    for (int line = 0; line < 2; ++line) {
        Label1[size_t(line)]->setFont(captionFont);
        counts->addWidget(Label1[size_t(line)], line, 0);
    }
    counts->addWidget(lblInfo, 0, 1);
    counts->addWidget(lblTarget, 1, 1);
    counts->setColumnStretch(2, 1);
    counts->addWidget(cmdClear, 0, 3, 2, 1, Qt::AlignVCenter);
    cmdClear->setMinimumWidth(89);
    grdVirtual->setFixedSize(409, 256);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(10, 8, 9, 6);
    layout->setSpacing(4);
    for (QLabel* line : {Label1[2], Label1[3]}) {
        line->setWordWrap(true);
        layout->addWidget(line);
    }
    layout->addSpacing(6);
    layout->addLayout(counts);
    layout->addSpacing(4);
    layout->addWidget(grdVirtual);

    connect(cmdClear, &QPushButton::clicked, this, &frmVirtual::cmdClear_Click);
    connect(grdVirtual, &TessixGrid::RequestNewRow, this, &frmVirtual::grdVirtual_RequestNewRow);
    connect(grdVirtual, &TessixGrid::RequestRowData, this, &frmVirtual::grdVirtual_RequestRowData);

    Form_Load();
}

void frmVirtual::Form_Load() {
    ResetVirtualGrid();
    grdVirtual->BeginUpdate();
    ApplyGridLook(grdVirtual);
    grdVirtual->AddCol({}, QStringLiteral("Column-1"), ColumnWidth);
    grdVirtual->AddCol({}, QStringLiteral("Column-2"), ColumnWidth);
    grdVirtual->SetGridLines(GridLinesNone);
    grdVirtual->SetVirtualMode(true);
    grdVirtual->SetSortOnHeaderClick(false);
    grdVirtual->SetDefaultRowHeight(grdVirtual->GetOptimalRowHeight());
    grdVirtual->EndUpdate();
}

void frmVirtual::ResetVirtualGrid() {
    MaxRows = int(vb::RoundHalfEven(vb::Rnd() * RowsRange + FewestRows));
    lblTarget->setText(QString::number(MaxRows));
    grdVirtual->Clear();
}

void frmVirtual::cmdClear_Click() {
    ResetVirtualGrid();
}

void frmVirtual::grdVirtual_RequestNewRow(RequestNewRowArgs& args) {
    if (args.row > MaxRows)
        args.noMoreRows = true;
    else
        lblInfo->setText(QString::number(args.row));
}

void frmVirtual::grdVirtual_RequestRowData(int row) {
    for (int col = 1; col <= 2; ++col)
        grdVirtual->SetCellValue(row, col, QStringLiteral("Row %1; Column %2").arg(row).arg(col));
}
