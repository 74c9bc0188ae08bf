#include "samples/ideas/frmOLEDnD2Excel.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "samples/ideas/StackedForm.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace {

constexpr int SampleRows = 50;
constexpr int SampleCols = 9;

// A block of the example's selection: rows first..last, the listed columns.
struct SelectedBlock {
    int firstRow;
    int lastRow;
    std::initializer_list<int> cols;
};

// A hollow frame two cells thick, and a small hook below it.
const SelectedBlock ExampleSelection[] = {
    {2, 3, {2, 3, 4, 5, 6, 7, 8}}, {4, 8, {2, 3, 7, 8}}, {9, 10, {2, 3, 4, 5, 6, 7, 8}},
    {12, 12, {7, 8, 9}},           {13, 13, {7}},
};

} // namespace

frmOLEDnD2Excel::frmOLEDnD2Excel(QWidget* parent)
    : QWidget(parent),
      Label1(new QLabel(
          QStringLiteral("In this demo you can drag several cells into an Excel sheet. To do "
                         "it, simply select several cells in the grid below (its multiselect "
                         "mode has been turned on) and drag them into an open Excel workbook."),
          this)),
      Label2(new QLabel(QStringLiteral("The Selection Example button demonstrates that you can "
                                       "drag into Excel not only rectangular blocks of cells."),
                        this)),
      Tessix1(new TessixGrid(this)),
      cmdSelExmpl(new QPushButton(QStringLiteral("Selection Example"), this)) {
    setWindowTitle(QStringLiteral("OLE Drag-n-drop: Dragging Tessix cells to MS Excel"));
    // The grid takes what the window gains; the button stays under it at the left.
    QVBoxLayout* layout = makeStackedForm(this, 7800, 6600, {Label1, Label2});
    layout->addWidget(Label1);
    layout->addWidget(Tessix1, 1);
    layout->addWidget(Label2);
    layout->addWidget(cmdSelExmpl, 0, Qt::AlignLeft);

    connect(cmdSelExmpl, &QPushButton::clicked, this, &frmOLEDnD2Excel::cmdSelExmpl_Click);
    connect(Tessix1, &TessixGrid::StartDrag, this, &frmOLEDnD2Excel::Tessix1_StartDrag);
    connect(Tessix1, &TessixGrid::OLEStartDrag, this, &frmOLEDnD2Excel::Tessix1_OLEStartDrag);

    Form_Load();
}

void frmOLEDnD2Excel::Form_Load() {
    Tessix1->BeginUpdate();
    ApplyGridLook(Tessix1);
    Tessix1->SetMultiSelect(true);
    Tessix1->SetSortOnHeaderClick(false);
    Tessix1->SetDefaultRowHeight(
        Tessix1->GetOptimalRowHeight({}, 1, 0, false, 0, /*comboButtons=*/true));
    Tessix1->SetColCount(SampleCols);
    Tessix1->SetRowCount(SampleRows);
    for (int row = 1; row <= SampleRows; ++row)
        for (int col = 1; col <= SampleCols; ++col)
            Tessix1->SetCellValue(row, col, QStringLiteral("R%1C%2").arg(row).arg(col));
    Tessix1->AutoWidthCols();
    Tessix1->EndUpdate();
    ShowTipOfTheDay(this);
}

QString frmOLEDnD2Excel::SelectionAsText(TessixGrid& grid) {
    int firstRow = 0, lastRow = 0, firstCol = 0, lastCol = 0;
    grid.SelItems().GetRows(&firstRow, &lastRow, &firstCol, &lastCol);
    if (firstRow == 0)
        return {};
    QString text;
    for (int row = firstRow; row <= lastRow; ++row) {
        QStringList fields;
        for (int col = firstCol; col <= lastCol; ++col)
            fields << (grid.CellSelected(row, col) ? grid.CellValue(row, col).toString()
                                                   : QString());
        text += fields.join(u'\t') + QStringLiteral("\r\n");
    }
    return text;
}

void frmOLEDnD2Excel::cmdSelExmpl_Click() {
    Tessix1->BeginUpdate();
    Tessix1->VScrollBar().SetValue(0);
    Tessix1->ClearSelection();
    for (const SelectedBlock& block : ExampleSelection)
        for (int row = block.firstRow; row <= block.lastRow; ++row)
            for (int col : block.cols)
                Tessix1->SetCellSelected(row, col, true);
    Tessix1->EndUpdate();
    Tessix1->setFocus();
}

void frmOLEDnD2Excel::Tessix1_StartDrag() {
    if (Tessix1->SelItems().Count() != 0)
        Tessix1->OLEDrag();
}

void frmOLEDnD2Excel::Tessix1_OLEStartDrag(OLEStartDragArgs& args) {
    args.data.SetData(SelectionAsText(*Tessix1), DataFormatText);
    args.allowedEffects = DropEffectCopy;
}
