// Row and cell storage workloads: adding rows, filling cells, sorting, work after a sort,
// memory per row/cell.

#include "Bench.h"

#include "Tables.h"

#include <random>

namespace {

using namespace bench;

double tessixAddRows(int wantFreeRows) {
    auto grid = makeGrid();
    if (wantFreeRows >= 0)
        grid->SetMemMngWantFreeRows(wantFreeRows);
    return elapsedMs([&] {
        grid->BeginUpdate();
        for (int r = 0; r < Rows; ++r)
            grid->AddRow();
        grid->EndUpdate();
    });
}

double qtAddRows() {
    QtTable t;
    return elapsedMs([&] {
        t.view.setUpdatesEnabled(false);
        for (int r = 0; r < Rows; ++r)
            t.model.insertRow(t.model.rowCount());
        t.view.setUpdatesEnabled(true);
    });
}

double tessixFill() {
    auto grid = makeGrid();
    grid->SetRowCount(Rows);
    const std::vector<QString> texts = shortTexts(Rows);
    return elapsedMs([&] { fill(*grid, texts); });
}

double qtFill() {
    QtTable t;
    t.model.setRowCount(Rows);
    const std::vector<QString> texts = shortTexts(Rows);
    return elapsedMs([&] { fill(t, texts); });
}

template <typename T>
std::unique_ptr<TessixGrid> gridWithColumn(const std::vector<T>& data, int sortType) {
    auto grid = makeGrid();
    grid->ColObject(1)->SetSortType(sortType);
    grid->SetRowCount(int(data.size()));
    for (int r = 1; r <= grid->RowCount(); ++r)
        grid->SetCellValue(r, 1, data[size_t(r - 1)]);
    return grid;
}

// After a sort the model's items carry stale row hints, and tearing it down takes minutes
// (quadratic): sorted models are left to the end of the process instead.
template <typename T> QtTable* qtWithColumn(const std::vector<T>& data) {
    auto* t = new QtTable;
    t->model.setRowCount(int(data.size()));
    for (int r = 0; r < t->model.rowCount(); ++r)
        t->set(r, 0, data[size_t(r)]);
    return t;
}

template <typename T> double tessixSort(const std::vector<T>& data, int sortType) {
    auto grid = gridWithColumn(data, sortType);
    return elapsedMs([&] { grid->SortByCol(1); });
}

template <typename T> double qtSort(const std::vector<T>& data) {
    QtTable* t = qtWithColumn(data);
    return elapsedMs([&] { t->model.sort(0); });
}

// Work on a sorted table: removing or rewriting `AfterSortOps` rows at pseudo-random places.
// Qt's model slows down quadratically there (each removal or write after a sort looks its
// items' rows up linearly), so its side does a tenth of the work and is scaled up.
constexpr int AfterSortOps = 10000;
constexpr int QtAfterSortScale = 10;

std::vector<int> opRows(int ops) {
    std::mt19937 gen(777);
    std::vector<int> rows;
    for (int i = 0; i < ops; ++i) // a position among the rows left at that point
        rows.push_back(std::uniform_int_distribution<int>(0, Rows - 1 - i)(gen));
    return rows;
}

double tessixAfterSort(bool remove) {
    auto grid = gridWithColumn(randomNumbers(), SortTypeNumber);
    grid->SortByCol(1);
    const std::vector<int> rows = opRows(AfterSortOps);
    const std::vector<QString> texts = randomWords(AfterSortOps);
    return elapsedMs([&] {
        for (int i = 0; i < AfterSortOps; ++i) {
            if (remove)
                grid->RemoveRow(rows[size_t(i)] + 1);
            else
                grid->SetCellValue(rows[size_t(i)] + 1, 2, texts[size_t(i)]);
        }
    });
}

double qtAfterSort(bool remove) {
    QtTable* t = qtWithColumn(randomNumbers());
    t->model.sort(0);
    const int ops = AfterSortOps / QtAfterSortScale;
    const std::vector<int> rows = opRows(ops);
    const std::vector<QString> texts = randomWords(ops);
    return QtAfterSortScale * elapsedMs([&] {
               for (int i = 0; i < ops; ++i) {
                   if (remove)
                       t->model.removeRow(rows[size_t(i)]);
                   else
                       t->set(rows[size_t(i)], 1, texts[size_t(i)]);
               }
           });
}

// Heap bytes per unit of what `grow` adds, after `setup` made the table.
template <typename Setup, typename Grow> double bytesPer(double units, Setup setup, Grow grow) {
    auto table = setup();
    const double before = heapBytes();
    grow(*table);
    return (heapBytes() - before) / units;
}

double tessixBytesPerEmptyRow() {
    return bytesPer(Rows, makeGrid, [](TessixGrid& g) { g.SetRowCount(Rows); });
}

double qtBytesPerEmptyRow() {
    return bytesPer(
        Rows, [] { return std::make_unique<QtTable>(); },
        [](QtTable& t) { t.model.setRowCount(Rows); });
}

double tessixBytesPerCell() {
    return bytesPer(
        double(Rows) * Cols,
        [] {
            auto g = makeGrid();
            g->SetRowCount(Rows);
            return g;
        },
        [](TessixGrid& g) { fill(g, shortTexts(Rows)); });
}

double qtBytesPerCell() {
    return bytesPer(
        double(Rows) * Cols,
        [] {
            auto t = std::make_unique<QtTable>();
            t->model.setRowCount(Rows);
            return t;
        },
        [](QtTable& t) { fill(t, shortTexts(Rows)); });
}

const bool registered = registerWorkloads({
    {"add_rows", "ms", 5, [] { return tessixAddRows(-1); }, qtAddRows},
    {"add_rows_reserve", "ms", 5, [] { return tessixAddRows(10000); }, qtAddRows},
    {"fill", "ms", 3, tessixFill, qtFill},
    {"sort_text", "ms", 5, [] { return tessixSort(randomWords(), SortTypeTextCase); },
     [] { return qtSort(randomWords()); }},
    {"sort_number", "ms", 5, [] { return tessixSort(randomNumbers(), SortTypeNumber); },
     [] { return qtSort(randomNumbers()); }},
    {"remove_after_sort", "ms", 3, [] { return tessixAfterSort(true); },
     [] { return qtAfterSort(true); }, "qt: 1 000 removals timed, x10"},
    {"update_after_sort", "ms", 3, [] { return tessixAfterSort(false); },
     [] { return qtAfterSort(false); }, "qt: 1 000 writes timed, x10"},
    {"bytes_per_empty_row", "bytes", 3, tessixBytesPerEmptyRow, qtBytesPerEmptyRow},
    {"bytes_per_cell", "bytes", 3, tessixBytesPerCell, qtBytesPerCell},
});

} // namespace
