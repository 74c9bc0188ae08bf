// Workloads of the shown table: painting, fitting row heights, reading a selection.

#include "Bench.h"

#include "Painting.h"
#include "Tables.h"

#include "core/GridPrivate.h"

#include <QHeaderView>

namespace {

using namespace bench;

// frozen: the first two columns stay while the view is scrolled right to its end.
double tessixPaint(int rows, bool frozen = false) {
    auto grid = makeGrid();
    if (frozen)
        grid->SetFrozenCols(2);
    grid->SetRowCount(rows);
    fill(*grid, shortTexts(rows));
    return paintFrame(*grid, frozen);
}

double qtPaint(int rows, bool scrolledRight = false) {
    QtTable t;
    t.model.setRowCount(rows);
    fill(t, shortTexts(rows));
    return paintFrame(t.view, scrolledRight);
}

// Word-wrapped text of a few lines in every cell of 10 000 rows, columns narrow enough that
// all of them are in view (Qt measures only the columns in view).
constexpr int WrapRows = 10000;
constexpr int WrapColWidth = 70;

QString wrappedText(int r, int c) {
    return QStringLiteral("row %1 column %2 holds some words to wrap").arg(r).arg(c);
}

double tessixAutoHeight() {
    auto grid = makeGrid();
    for (int c = 1; c <= Cols; ++c) {
        grid->SetColWidth(c, WrapColWidth);
        grid->ColObject(c)->SetCellTextFlags(TextFlagWordBreak);
    }
    grid->SetRowCount(WrapRows);
    grid->BeginUpdate();
    for (int r = 1; r <= WrapRows; ++r)
        for (int c = 1; c <= Cols; ++c)
            grid->SetCellValue(r, c, wrappedText(r, c));
    grid->EndUpdate();
    return elapsedMs([&] { grid->AutoHeightRows(); });
}

double qtAutoHeight() {
    QtTable t;
    t.view.setWordWrap(true);
    t.view.horizontalHeader()->setDefaultSectionSize(WrapColWidth);
    t.model.setRowCount(WrapRows);
    for (int r = 0; r < WrapRows; ++r)
        for (int c = 0; c < Cols; ++c)
            t.set(r, c, wrappedText(r + 1, c + 1));
    return elapsedMs([&] { t.view.resizeRowsToContents(); });
}

// Every cell of 50 000 rows x 10 columns selected.
constexpr int SelRows = 50000;

double tessixSelectionRead() {
    auto grid = makeGrid();
    grid->SetRowCount(SelRows);
    grid->SetMultiSelect(true);
    grid->internals().selection.selectAll();
    qsizetype count = 0;
    const double ms = elapsedMs([&] { count = grid->SelItems().GetRows().size(); });
    return count == qsizetype(SelRows) * Cols ? ms : -1;
}

double qtSelectionRead() {
    QtTable t;
    t.model.setRowCount(SelRows);
    t.view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    t.view.selectAll();
    qsizetype count = 0;
    const double ms = elapsedMs([&] { count = t.view.selectionModel()->selectedIndexes().size(); });
    return count == qsizetype(SelRows) * Cols ? ms : -1;
}

const bool registered = registerWorkloads({
    {"paint_1k", "ms", 3, [] { return tessixPaint(1000); }, [] { return qtPaint(1000); }},
    {"paint_1m", "ms", 1, [] { return tessixPaint(1000000); }, [] { return qtPaint(1000000); }},
    {"paint_frozen", "ms", 1, [] { return tessixPaint(1000000, true); },
     [] { return qtPaint(1000000, true); },
     "2 frozen columns, scrolled right; Qt's table has none: its side is scrolled right alone"},
    {"auto_height", "ms", 3, tessixAutoHeight, qtAutoHeight},
    {"selection_read", "ms", 5, tessixSelectionRead, qtSelectionRead},
});

} // namespace
