#pragma once
// The two tables every workload compares, filled the same way: our grid and Qt's stock
// table (a QStandardItemModel shown in a QTableView), both 800 x 600 with `Cols` columns.

#include "components/grid/TessixGrid.h"

#include <QStandardItemModel>
#include <QTableView>
#include <memory>
#include <vector>

namespace bench {

constexpr int Rows = 100000;
constexpr int Cols = 10;

// Our grid with `Cols` columns (keys "c1".."c10").
std::unique_ptr<TessixGrid> makeGrid();

// Qt's stock table. Cells are written with setData, its fast path (setItem signals a layout
// change per item, which makes filling quadratic).
struct QtTable {
    QStandardItemModel model{0, Cols};
    QTableView view;
    QtTable();
    void set(int r, int c, const QVariant& v) { model.setData(model.index(r, c), v); }
};

QString shortText(int r, int c); // "R<r>C<c>"
// The same pseudo-random data on both sides, `count` entries.
std::vector<QString> randomWords(int count = Rows);
std::vector<int> randomNumbers(int count = Rows);

// Writes shortText into every cell of the rows the table has (our side inside an update
// pair, Qt's with updates off).
void fillShortTexts(TessixGrid& grid);
void fillShortTexts(QtTable& table);

} // namespace bench
