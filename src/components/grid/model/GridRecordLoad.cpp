#include "model/GridRecordLoad.h"

#include "components/grid/GridRecordSource.h"
#include "core/GridContext.h"
#include "model/GridCellWrite.h"
#include "model/GridStore.h"

#include <algorithm>
#include <vector>

namespace {

// Where one field's values go.
struct FieldTarget {
    int field;
    int col;
    bool yesNo;      // a yes/no field
    bool checkBoxes; // the column shows check boxes
};

class Batch {
public:
    explicit Batch(GridHost& host) : m_host(host) { m_host.beginUpdate(); }
    ~Batch() { m_host.endUpdate(); }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

private:
    GridHost& m_host;
};

bool isYesNo(const GridRecordSource& records, int field) {
    return records.FieldType(field) == VarType::Boolean;
}

// One column per field; a name another field already took gives a column without a key.
std::vector<int> makeColumns(GridStore& store, const GridRecordSource& records) {
    std::vector<int> cols;
    for (int f = 0; f < records.FieldCount(); ++f) {
        const QString name = records.FieldName(f);
        GridColumn* col = store.AddCol(name, name);
        if (!col)
            col = store.AddCol({}, name);
        if (isYesNo(records, f)) {
            col->SetCheckBoxVisible(true);
            col->SetCheckBoxAlign(CheckBoxCenter);
            col->SetSortType(SortTypeCheckState);
        }
        cols.push_back(col->index());
    }
    return cols;
}

// Fields matched to columns by key; a column takes the first field of its name only.
std::vector<int> matchColumns(const GridStore& store, const GridRecordSource& records) {
    std::vector<int> cols;
    for (int f = 0; f < records.FieldCount(); ++f) {
        const int col = store.ColIndex(records.FieldName(f));
        const bool taken = std::find(cols.begin(), cols.end(), col) != cols.end();
        cols.push_back(taken ? 0 : col);
    }
    return cols;
}

std::vector<FieldTarget> targetsOf(const GridStore& store, const GridRecordSource& records,
                                   const std::vector<int>& cols) {
    std::vector<FieldTarget> targets;
    for (int f = 0; f < int(cols.size()); ++f) {
        const int col = cols[size_t(f)];
        if (col == 0)
            continue;
        const GridColumn* column = store.ColObject(col);
        targets.push_back({f, col, isYesNo(records, f), column && column->CheckBoxVisible()});
    }
    return targets;
}

void writeField(GridStore& store, int row, const FieldTarget& target, const Variant& value) {
    if (target.yesNo && target.checkBoxes) {
        // Unchecked is every new cell's state: only a checked box needs a cell of its own.
        if (value.type() == VarType::Boolean && value.toBool())
            store.SetCellCheckState(row, target.col, CheckChecked);
    } else if (target.checkBoxes) {
        writeCellValue(store, row, target.col, value); // the box shows the value
    } else {
        store.SetCellValue(row, target.col, value);
    }
}

} // namespace

bool loadRecords(GridStore& store, GridHost& host, GridRecordSource& records,
                 std::optional<int> mode, bool rowKeys) {
    if (mode && (*mode < LoadColumnsOnly || *mode > LoadAfterRows))
        return false;
    const Batch batch(host);
    const bool makeCols = mode == LoadColumnsOnly || (!mode && store.ColCount() == 0);
    if (mode != LoadAfterRows)
        store.Clear(mode == LoadColumnsOnly);
    const std::vector<int> cols =
        makeCols ? makeColumns(store, records) : matchColumns(store, records);
    if (mode == LoadColumnsOnly)
        return true;
    const std::vector<FieldTarget> targets = targetsOf(store, records, cols);
    if (targets.empty())
        return true; // no column takes a field: there is nothing to show
    if (!records.MoveFirst())
        return false;
    while (!records.Eof()) {
        const int row = store.AddRow();
        if (rowKeys)
            store.SetRowKey(row, QString::number(records.AbsolutePosition()));
        const Variant* values = records.RecordValues();
        for (const FieldTarget& target : targets)
            writeField(store, row, target, values[target.field]);
        if (!records.MoveNext())
            return false;
    }
    return true;
}
