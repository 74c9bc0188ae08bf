// Virtual rows: a source of a million rows (4 columns of text) scrolled page by page to its
// end, each page shown (the event loop's turn that gets its rows and paints them), against
// Qt's table over a model that fetches more rows when the view reaches its end. And the heap
// a fetched row holds.

#include "Bench.h"

#include "Painting.h"
#include "Tables.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <array>

namespace {

using namespace bench;

constexpr int SourceRows = 1000000;
constexpr int SourceCols = 4;
// Rows Qt's model adds per fetchMore, as in Qt's own examples of incremental fetching.
constexpr int QtFetchBatch = 100;

// Our grid asking for the rows: the handler writes each row's texts.
std::unique_ptr<TessixGrid> virtualGrid(int rows) {
    auto grid = makeGridOf(SourceCols);
    TessixGrid* g = grid.get();
    QObject::connect(g, &TessixGrid::RequestNewRow,
                     [rows](RequestNewRowArgs& args) { args.noMoreRows = args.row > rows; });
    QObject::connect(g, &TessixGrid::RequestRowData, [g](int row) {
        for (int c = 1; c <= SourceCols; ++c)
            g->SetCellValue(row, c, shortText(row, c));
    });
    return grid;
}

// The same texts made as Qt's view asks for more.
class FetchingModel final : public QAbstractTableModel {
public:
    explicit FetchingModel(int rows) : m_total(rows) {}
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : SourceCols;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return m_rows[size_t(index.row())][size_t(index.column())];
    }
    bool canFetchMore(const QModelIndex& parent) const override {
        return !parent.isValid() && int(m_rows.size()) < m_total;
    }
    void fetchMore(const QModelIndex& parent) override {
        if (parent.isValid())
            return;
        const int first = int(m_rows.size());
        const int count = std::min(QtFetchBatch, m_total - first);
        beginInsertRows({}, first, first + count - 1);
        for (int r = first; r < first + count; ++r) {
            std::array<QString, SourceCols> texts;
            for (int c = 0; c < SourceCols; ++c)
                texts[size_t(c)] = shortText(r + 1, c + 1);
            m_rows.push_back(std::move(texts));
        }
        endInsertRows();
    }

private:
    int m_total;
    std::vector<std::array<QString, SourceCols>> m_rows;
};

// Milliseconds per page of paging down to the end of the shown view, each page with its
// turn of the event loop: with the paint of each page, or (painted false) the fetching and
// the scrolling alone, the view's updates switched off.
double msPerPage(QAbstractScrollArea& view, bool painted) {
    showSettled(view);
    view.viewport()->setUpdatesEnabled(painted);
    QScrollBar* bar = view.verticalScrollBar();
    int pages = 0;
    const double ms = elapsedMs([&] {
        for (;;) {
            const int before = bar->value();
            bar->setValue(before + bar->pageStep());
            QApplication::processEvents();
            if (bar->value() == before)
                break;
            ++pages;
        }
    });
    return ms / std::max(1, pages);
}

double tessixVirtualScroll(bool painted) {
    auto grid = virtualGrid(SourceRows);
    grid->SetVirtualMode(true);
    const double ms = msPerPage(*grid, painted);
    return grid->RowCount() == SourceRows ? ms : -1;
}

double qtVirtualScroll(bool painted) {
    FetchingModel model(SourceRows);
    QTableView view;
    view.resize(800, 600);
    view.setModel(&model);
    const double ms = msPerPage(view, painted);
    return model.rowCount() == SourceRows ? ms : -1;
}

// What any scroll area pays per page whatever it shows: the event loop's turn, the scroll
// bar's repaint and the window's flush. A bare area, paged through as many pages as our grid
// over the same source, its viewport painting nothing but its background.
double bareAreaScroll() {
    auto grid = virtualGrid(SourceRows);
    grid->SetVirtualMode(true);
    showSettled(*grid);
    const int page = grid->verticalScrollBar()->pageStep();
    QAbstractScrollArea area;
    area.resize(grid->size());
    area.viewport()->setAutoFillBackground(true);
    area.verticalScrollBar()->setRange(0, SourceRows * grid->DefaultRowHeight() - page);
    area.verticalScrollBar()->setPageStep(page);
    return msPerPage(area, true);
}

// Heap bytes per row: the rows a virtual grid fetched, or the same rows written into a grid.
constexpr int BytesRows = 100000;

// Ctrl+End, and the turns of the event loop until the current cell is on the last row: a
// virtual grid has then fetched every row (the source refused the next one), and either grid
// has painted its last page.
void toLastRow(TessixGrid& grid) {
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(&grid, &end);
    while (grid.RowCount() < BytesRows || grid.CurRow() != BytesRows)
        QApplication::processEvents();
}

double tessixVirtualBytes() {
    auto grid = virtualGrid(BytesRows);
    showSettled(*grid);
    const double before = heapBytes();
    grid->SetVirtualMode(true);
    toLastRow(*grid);
    return (heapBytes() - before) / BytesRows;
}

double filledGridBytes() {
    auto grid = makeGridOf(SourceCols);
    showSettled(*grid);
    const double before = heapBytes();
    grid->BeginUpdate();
    grid->SetRowCount(BytesRows);
    for (int r = 1; r <= BytesRows; ++r)
        for (int c = 1; c <= SourceCols; ++c)
            grid->SetCellValue(r, c, shortText(r, c));
    grid->EndUpdate();
    toLastRow(*grid); // in the same state as the virtual grid
    return (heapBytes() - before) / BytesRows;
}

const bool registered = registerWorkloads({
    // A million pages' worth of paints takes a minute a run: one counted run each.
    {"virtual_scroll", "ms/page", 1, [] { return tessixVirtualScroll(true); },
     [] { return qtVirtualScroll(true); },
     "1 000 000 rows paged down to the end, each page painted; qt: QTableView over a model "
     "with fetchMore"},
    {"virtual_scroll_floor", "ms/page", 1, [] { return tessixVirtualScroll(true); }, bareAreaScroll,
     "the qt column is the floor: a bare scroll area paged as far, painting only its "
     "background"},
    {"virtual_fetch", "ms/page", 3, [] { return tessixVirtualScroll(false); },
     [] { return qtVirtualScroll(false); },
     "as virtual_scroll, the pages not painted: fetching and scrolling alone"},
    {"virtual_row_bytes", "bytes", 3, tessixVirtualBytes, filledGridBytes,
     "right-hand figure: the same rows written into our grid directly, not Qt"},
});

} // namespace
