#include "model/GridCellWrite.h"

#include "model/GridStore.h"

namespace {

void showInCheckBox(GridStore& store, int row, int col, const Variant& value) {
    if (!store.CellCheckBoxVisible(row, col))
        return;
    const int current = store.CellCheckState(row, col);
    const bool threeState = store.CellStyleFlags(row, col) & ThreeStateStyleFlag;
    const int state = checkStateForValue(value, threeState, current);
    if (state != current)
        store.SetCellCheckState(row, col, state);
}

} // namespace

int checkStateForValue(const Variant& value, bool threeState, int current) {
    if (value.isEmpty() || value.isNull())
        return current;
    bool ok = false;
    const double number =
        value.type() == VarType::Boolean ? (value.toBool() ? -1 : 0) : value.toDouble(&ok);
    if (value.type() != VarType::Boolean && !ok)
        return current;
    if (number == 0)
        return CheckUnchecked;
    return number == 2 && threeState ? CheckGrayed : CheckChecked;
}

void writeCellValue(GridStore& store, int row, const ColRef& col, const Variant& value) {
    // The check-box upkeep costs nothing until some look shows a check box.
    if (store.SetCellValue(row, col, value) && store.hasCheckBoxLooks())
        showInCheckBox(store, row, store.ColIndex(col), value);
}

void writeCellText(GridStore& store, int row, const ColRef& col, const QString& text) {
    if (store.SetCellText(row, col, text) && store.hasCheckBoxLooks())
        showInCheckBox(store, row, store.ColIndex(col), Variant(text));
}
