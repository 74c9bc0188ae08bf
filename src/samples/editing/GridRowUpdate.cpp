#include "samples/editing/GridRowUpdate.h"

#include "components/grid/TessixGrid.h"

namespace {

bool isBlank(const Variant& value) {
    return value.isEmpty() || value.isNull() || value.isText(u"");
}

} // namespace

bool CellValueChanged(const Variant& before, const Variant& after) {
    // Any comparison with Null is false, so a Null cell given a text would not count.
    if (isBlank(before) || isBlank(after))
        return isBlank(before) != isBlank(after);
    return before != after;
}

db::RowUpdate GridRowUpdate(const TessixGrid& grid, int row, const QString& table,
                            const QString& keyField, const Variant& key) {
    db::RowUpdate update{table, {}, keyField, key};
    for (int col = 1; col <= grid.ColCount(); ++col)
        update.fields.push_back({grid.ColKey(col), grid.CellValue(row, col), std::nullopt});
    return update;
}
