#include "samples/editing/GridRowUpdate.h"

#include "components/grid/TessixGrid.h"

db::RowUpdate GridRowUpdate(const TessixGrid& grid, int row, const QString& table,
                            const QString& keyField, const Variant& key) {
    db::RowUpdate update{table, {}, keyField, key};
    for (int col = 1; col <= grid.ColCount(); ++col)
        update.fields.push_back({grid.ColKey(col), grid.CellValue(row, col), std::nullopt});
    return update;
}
