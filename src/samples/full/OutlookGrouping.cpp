#include "samples/full/OutlookGrouping.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"

#include <QWidget>

namespace {

const QString DragCol = QStringLiteral("drag");
const QString FieldCol = QStringLiteral("field");
const QString OrderCol = QStringLiteral("order");
const QString Ascending = QStringLiteral("asc");
constexpr int CriteriaCount = 3;

} // namespace

GroupingCriteria::GroupingCriteria(TessixGrid* grid, IconList* grips, QWidget* window)
    : QObject(window), m_grid(grid), m_grips(grips), m_window(window) {
    connect(grid, &TessixGrid::RequestEdit, this, &GroupingCriteria::grdGrp_RequestEdit);
    connect(grid, &TessixGrid::BeforeCommitEdit, this, &GroupingCriteria::grdGrp_BeforeCommitEdit);
    connect(grid, &TessixGrid::AfterCommitEdit, this, &GroupingCriteria::grdGrp_AfterCommitEdit);
    connect(grid, &TessixGrid::CellMouseDown, this, &GroupingCriteria::grdGrp_CellMouseDown);
    connect(grid, &TessixGrid::CellMouseMove, this, &GroupingCriteria::grdGrp_CellMouseMove);
    connect(grid, &TessixGrid::CellMouseUp, this, &GroupingCriteria::grdGrp_CellMouseUp);
}

void GroupingCriteria::Setup(const TessixGrid& columnChooser) {
    TessixGrid& grid = *m_grid;
    grid.BeginUpdate();
    ApplyGridLook(&grid);
    GridHeader& header = grid.Header();
    header.SetUseOSStyle(false);
    header.SetHotTracking(false);
    header.SetButtons(false);
    header.SetDragColumns(false);
    header.SetFlat(true);
    header.SetSeparatorColor(SysButtonShadow);
    grid.SetImageList(m_grips);

    grid.SetShowFocusRect(true);
    grid.SetHighlightSelCells(false);
    grid.SetGridLines(GridLinesNone);
    grid.SetBackColor(RGB(255, 255, 255));
    grid.SetShowControlsInAllCells(true);
    grid.SetUseOSStyleContents(false);
    grid.SetDefaultRowHeight(grid.GetOptimalRowHeight({}, 1, 0, false, 0, true));

    ComboList* fields = grid.ComboLists().Add(FieldCol);
    fields->AddItem(NoField, NoField);
    for (int row = 1; row <= columnChooser.RowCount(); ++row)
        fields->AddItem(columnChooser.CellText(row, 1), columnChooser.RowTag(row));
    fields->SetDropDownItems(fields->ItemCount());
    ComboList* orders = grid.ComboLists().Add(OrderCol);
    orders->AddItem(QStringLiteral("Ascending"), Ascending);
    orders->AddItem(QStringLiteral("Descending"), QStringLiteral("desc"));

    GridColumn* drag = grid.AddCol(DragCol, {}, 19);
    drag->SetAllowSizing(false);
    drag->SetCellIcon(1);
    const auto criterionColumn = [&](const QString& key, const QString& header,
                                     const QString& value) {
        GridColumn* col = grid.AddCol(key, header, 80);
        col->SetAllowSizing(false);
        col->SetCellType(CellTypeCombo);
        col->SetCellComboList(key);
        col->SetDefaultValue(value);
        col->SetCellForeColor(SysGrayText);
        col->SetCellVAlignment(VAlignCenter);
        col->SetCellIndentLeft(2);
        grid.ComboLists().Item(key)->SetDropDownWidth(grid.ColWidth(key));
    };
    criterionColumn(FieldCol, QStringLiteral("Field"), NoField);
    criterionColumn(OrderCol, QStringLiteral("Order"), Ascending);
    grid.SetRowCount(CriteriaCount);
    grid.EndUpdate();
}

void GroupingCriteria::ApplyTo(TessixGrid& list) const {
    SortObject& criteria = list.SortObject();
    criteria.Clear();
    for (int row = 1; row <= m_grid->RowCount(); ++row) {
        const QString field = m_grid->CellValue(row, FieldCol).toString();
        if (field == NoField)
            continue;
        const int order = m_grid->CellValue(row, OrderCol).toString() == Ascending ? SortAscending
                                                                                   : SortDescending;
        criteria.Add(field, order, list.ColSortType(field));
    }
    if (criteria.Count() == 0)
        list.Ungroup();
    else
        list.Group();
}

void GroupingCriteria::Reset() {
    m_grid->BeginUpdate();
    for (int row = 1; row <= m_grid->RowCount(); ++row) {
        m_grid->SetCellValue(row, FieldCol, NoField);
        m_grid->SetCellValue(row, OrderCol, Ascending);
        SetCriterionLook(row);
    }
    m_grid->EndUpdate();
}

// Both cells grey while the criterion is inactive.
void GroupingCriteria::SetCriterionLook(int row) {
    const OleColor color =
        m_grid->CellValue(row, FieldCol).toString() == NoField ? SysGrayText : SysWindowText;
    m_grid->SetCellForeColor(row, FieldCol, color);
    m_grid->SetCellForeColor(row, OrderCol, color);
}

void GroupingCriteria::StartCriterionDrag() {
    if (m_dragging)
        return;
    m_window->setCursor(Qt::SizeVerCursor);
    m_grid->BeginUpdate();
    m_grid->SetRowMode(true);
    m_focusColor1 = m_grid->FocusRectColor1();
    m_focusColor2 = m_grid->FocusRectColor2();
    m_grid->SetFocusRectColor1(RGB(255, 0, 0));
    m_grid->SetFocusRectColor2(RGB(255, 0, 0));
    m_grid->EndUpdate();
    m_dragging = true;
}

void GroupingCriteria::EndCriterionDrag() {
    m_window->unsetCursor();
    m_dragging = false;
    m_grid->BeginUpdate();
    m_grid->SetRowMode(false);
    m_grid->SetFocusRectColor1(m_focusColor1);
    m_grid->SetFocusRectColor2(m_focusColor2);
    m_grid->EndUpdate();
}

void GroupingCriteria::grdGrp_RequestEdit(RequestEditArgs& args) {
    if (args.col == m_grid->ColIndex(DragCol))
        args.cancel = true;
}

void GroupingCriteria::grdGrp_BeforeCommitEdit(BeforeCommitEditArgs& args) {
    if (args.col != m_grid->ColIndex(FieldCol) || args.newValue.toString() == NoField)
        return;
    for (int row = 1; row <= m_grid->RowCount(); ++row) {
        if (row != args.row &&
            m_grid->CellValue(row, FieldCol).toString() == args.newValue.toString()) {
            MsgBox(QStringLiteral("'") + args.newText +
                       QStringLiteral("' field is already present in the field list.\r\n"
                                      "Try to select another value."),
                   vbCritical, m_window->windowTitle());
            args.result = CommitDiscard;
            return;
        }
    }
}

void GroupingCriteria::grdGrp_AfterCommitEdit(int row, int col, const Variant&) {
    if (col == m_grid->ColIndex(FieldCol))
        SetCriterionLook(row);
}

// A press on the grip picks the criterion up; it is not a click on the cell, so the grid
// leaves the current row to the drag.
void GroupingCriteria::grdGrp_CellMouseDown(CellMouseArgs& args) {
    if (args.button != MouseLeft || args.row == 0 || args.col != m_grid->ColIndex(DragCol))
        return;
    args.doDefault = false;
    m_grid->SetCurCell(args.row, FieldCol);
    StartCriterionDrag();
}

// The dragged criterion travels with the pointer, one exchange per row crossed.
void GroupingCriteria::grdGrp_CellMouseMove(CellMouseArgs& args) {
    if (!m_dragging)
        return;
    const int from = m_grid->CurRow();
    const int to = args.row;
    if (to == from || to == 0 || from == 0)
        return;
    m_grid->BeginUpdate();
    for (const QString& key : {FieldCol, OrderCol}) {
        const Variant value = m_grid->CellValue(to, key);
        m_grid->SetCellValue(to, key, m_grid->CellValue(from, key));
        m_grid->SetCellValue(from, key, value);
        const OleColor back = m_grid->CellBackColor(to, key);
        m_grid->SetCellBackColor(to, key, m_grid->CellBackColor(from, key));
        m_grid->SetCellBackColor(from, key, back);
        const OleColor fore = m_grid->CellForeColor(to, key);
        m_grid->SetCellForeColor(to, key, m_grid->CellForeColor(from, key));
        m_grid->SetCellForeColor(from, key, fore);
    }
    m_grid->SetCurRow(to);
    m_grid->EndUpdate();
}

void GroupingCriteria::grdGrp_CellMouseUp(CellMouseArgs&) {
    if (m_dragging)
        EndCriterionDrag();
}
