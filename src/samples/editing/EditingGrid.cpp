#include "samples/editing/EditingGrid.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "db/Recordset.h"
#include "platform/MessageBox.h"

namespace {

// GetOptimalRowHeight's fourth argument: room for a check box.
constexpr bool WithCheckBoxes = true;

} // namespace

bool FillEditingGrid(TessixGrid* grid, db::Recordset& records) {
    grid->BeginUpdate();
    ApplyGridLook(grid);
    grid->SetDefaultRowHeight(grid->GetOptimalRowHeight({}, 1, 0, WithCheckBoxes));
    const bool filled = grid->FillFromRS(records);
    grid->AutoWidthCols();
    grid->SetSortOnHeaderClick(false);
    grid->EndUpdate();
    if (!filled)
        MsgBox(records.LastError().Description, vbCritical);
    return filled;
}

db::Field* AssignRowRecordField(const TessixGrid* grid, int row, db::Recordset& records,
                                const QString& key, const Variant& value) {
    db::Field* field = records.Fields().Item(key);
    return records.SetAbsolutePosition(grid->RowTag(row).toLong()) && field &&
                   field->SetValue(value)
               ? field
               : nullptr;
}
