#pragma once
// The tables the workloads compare, filled the same way: our grid and Qt's stock table (a
// QStandardItemModel shown in a QTableView) or tree (the model shown in a QTreeView), all
// 800 x 600 with `Cols` columns unless told otherwise.

#include "components/grid/TessixGrid.h"

#include <QStandardItemModel>
#include <QTableView>
#include <QTreeView>
#include <memory>
#include <vector>

namespace bench {

constexpr int Rows = 100000;
constexpr int Cols = 10;

// Our grid with `Cols` columns (keys "c1".."c10"), or with `cols` columns.
std::unique_ptr<TessixGrid> makeGrid();
std::unique_ptr<TessixGrid> makeGridOf(int cols);

// Qt's stock table. Cells are written with setData, its fast path (setItem signals a layout
// change per item, which makes filling quadratic).
struct QtTable {
    QStandardItemModel model{0, Cols};
    QTableView view;
    QtTable();
    void set(int r, int c, const QVariant& v) { model.setData(model.index(r, c), v); }
};

// Qt's stock tree, with our grid's row height and column width so both sides show (and
// paint) the same rows. Rows are uniform in height, as a program showing many rows sets.
struct QtTree {
    QStandardItemModel model;
    QTreeView view;
    explicit QtTree(int cols = Cols);
};

QString shortText(int r, int c); // "R<r>C<c>"
// The same pseudo-random data on both sides, `count` entries.
std::vector<QString> randomWords(int count = Rows);
std::vector<int> randomNumbers(int count = Rows);

// shortText of every cell of `rows` rows of `cols` columns, row by row: made before a timed
// fill, so the figures measure the tables rather than text formatting.
std::vector<QString> shortTexts(int rows, int cols = Cols);
// Writes texts (as made by shortTexts for the table's row count) into every cell; our side
// inside an update pair, Qt's with updates off.
void fill(TessixGrid& grid, const std::vector<QString>& texts);
void fill(QtTable& table, const std::vector<QString>& texts);
void fill(QtTree& tree, const std::vector<QString>& texts);

} // namespace bench
