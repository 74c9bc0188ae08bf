#include "samples/ideas/frmOLEDnD2Tessix.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "samples/ideas/StackedForm.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString FileNameCol = QStringLiteral("filename");

} // namespace

frmOLEDnD2Tessix::frmOLEDnD2Tessix(QWidget* parent)
    : QWidget(parent),
      Label1(new QLabel(QStringLiteral("This is a simple dialog that can be used to copy several "
                                       "files from different folders to another folder at once."),
                        this)),
      Label2(new QLabel(
          QStringLiteral("To see how it works, drag several files from Windows Explorer to the "
                         "grid, select another folder in Explorer and drag any cell of Tessix "
                         "to this folder. All the files listed in the grid will be copied into "
                         "the new folder."),
          this)),
      grd(new TessixGrid(this)) {
    setWindowTitle(QStringLiteral("OLE Drag-n-drop: Dragging Files into Tessix"));
    // The texts at the top, the list taking what the window gains.
    QVBoxLayout* layout = makeStackedForm(this, 7200, 5400, {Label1, Label2});
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(grd, 1);

    connect(grd, &TessixGrid::OLEDragOver, this, &frmOLEDnD2Tessix::grd_OLEDragOver);
    connect(grd, &TessixGrid::OLEDragDrop, this, &frmOLEDnD2Tessix::grd_OLEDragDrop);
    connect(grd, &TessixGrid::CellMouseDown, this, &frmOLEDnD2Tessix::grd_CellMouseDown);
    connect(grd, &TessixGrid::CellMouseMove, this, &frmOLEDnD2Tessix::grd_CellMouseMove);
    connect(grd, &TessixGrid::OLEStartDrag, this, &frmOLEDnD2Tessix::grd_OLEStartDrag);
    connect(grd, &TessixGrid::OLECompleteDrag, this, &frmOLEDnD2Tessix::grd_OLECompleteDrag);

    Form_Load();
}

void frmOLEDnD2Tessix::Form_Load() {
    grd->BeginUpdate();
    ApplyGridLook(grd);
    grd->SetOLEDropMode(1);
    grd->SetEditable(false);
    grd->SetDefaultRowHeight(grd->GetOptimalRowHeight({}, 1, 0, false, 0, /*comboButtons=*/true));
    grd->AddCol(FileNameCol, QStringLiteral("Filename"));
    grd->EndUpdate();
    ShowTipOfTheDay(this);
}

void frmOLEDnD2Tessix::grd_OLEDragOver(OLEDragOverArgs& args) {
    if (!args.data.GetFormat(DataFormatFiles) || m_draggingOut)
        args.effect = DropEffectNone;
    else
        args.effect &= DropEffectCopy;
}

void frmOLEDnD2Tessix::grd_OLEDragDrop(OLEDragDropArgs& args) {
    if (!args.data.GetFormat(DataFormatFiles))
        return;
    grd->BeginUpdate();
    for (const QString& path : args.data.Files())
        grd->SetCellValue(grd->AddRow(), FileNameCol, path);
    grd->AutoWidthCol(FileNameCol);
    grd->EndUpdate();
}

void frmOLEDnD2Tessix::grd_CellMouseDown(CellMouseArgs& args) {
    if (args.button == MouseLeft && args.row > 0 && args.col > 0)
        m_pressedOnFile = QPoint(args.x, args.y);
    else
        m_pressedOnFile.reset();
}

void frmOLEDnD2Tessix::grd_CellMouseMove(CellMouseArgs& args) {
    if (args.button != MouseLeft || !m_pressedOnFile || grd->RowCount() == 0)
        return;
    if ((QPoint(args.x, args.y) - *m_pressedOnFile).manhattanLength() <
        QApplication::startDragDistance())
        return;
    m_pressedOnFile.reset(); // one drag per press
    m_draggingOut = true;
    grd->OLEDrag();
}

void frmOLEDnD2Tessix::grd_OLEStartDrag(OLEStartDragArgs& args) {
    args.data.SetData({}, DataFormatFiles);
    for (int row = 1; row <= grd->RowCount(); ++row)
        args.data.Files().Add(grd->CellValue(row, FileNameCol).toString());
    args.allowedEffects = DropEffectCopy;
}

void frmOLEDnD2Tessix::grd_OLECompleteDrag(OLECompleteDragArgs& args) {
    m_draggingOut = false;
    if (args.effect != DropEffectNone)
        grd->Clear(false);
}
