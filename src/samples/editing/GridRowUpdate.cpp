#include "samples/editing/GridRowUpdate.h"

#include "components/grid/TessixGrid.h"

std::vector<Variant> GridRowValues(const TessixGrid& grid, int row) {
    std::vector<Variant> values;
    for (int col = 1; col <= grid.ColCount(); ++col)
        values.push_back(grid.CellValue(row, col));
    return values;
}

db::RowUpdate GridRowUpdate(const TessixGrid& grid, int row, const QString& table,
                            const QString& keyField, const Variant& key,
                            const std::vector<Variant>& stored) {
    db::RowUpdate update{table, {}, keyField, key};
    for (int col = 1; col <= grid.ColCount(); ++col) {
        const size_t i = size_t(col - 1);
        update.fields.push_back({grid.ColKey(col), grid.CellValue(row, col), std::nullopt,
                                 i < stored.size() ? std::optional(stored[i]) : std::nullopt});
    }
    return update;
}
