#include "Tables.h"

#include "core/GridPrivate.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <random>

namespace bench {

namespace {

// Our grid's row height and column width, which the Qt views take over.
struct GridDefaults {
    int rowHeight;
    int colWidth;
};

GridDefaults gridDefaults() {
    const TessixGrid grid;
    return {grid.DefaultRowHeight(), grid.internals().store.DefaultColWidth()};
}

// Rows of the grid's default height (Qt's own follows the font and the style).
class GridRowHeight : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_height};
    }

private:
    int m_height = gridDefaults().rowHeight;
};

} // namespace

std::unique_ptr<TessixGrid> makeGrid() {
    return makeGridOf(Cols);
}

std::unique_ptr<TessixGrid> makeGridOf(int cols) {
    auto grid = std::make_unique<TessixGrid>();
    grid->resize(800, 600);
    for (int c = 1; c <= cols; ++c)
        grid->AddCol(QStringLiteral("c%1").arg(c));
    return grid;
}

QtTable::QtTable() {
    view.resize(800, 600);
    view.setModel(&model);
    // The same cell geometry as our grid's defaults and no row header, so both sides show
    // (and paint) the same number of cells.
    const GridDefaults defaults = gridDefaults();
    view.verticalHeader()->hide();
    view.verticalHeader()->setMinimumSectionSize(1);
    view.verticalHeader()->setDefaultSectionSize(defaults.rowHeight);
    view.horizontalHeader()->setDefaultSectionSize(defaults.colWidth);
}

QtTree::QtTree(int cols) : model(0, cols) {
    view.resize(800, 600);
    view.setModel(&model);
    view.setUniformRowHeights(true);
    view.setItemDelegate(new GridRowHeight(&view));
    view.header()->setDefaultSectionSize(gridDefaults().colWidth);
}

QString shortText(int r, int c) {
    return QStringLiteral("R%1C%2").arg(r).arg(c);
}

std::vector<QString> randomWords(int count) {
    std::mt19937 gen(12345);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::vector<QString> words(static_cast<size_t>(count));
    for (QString& w : words) {
        w.resize(8);
        for (QChar& ch : w)
            ch = QChar(letter(gen));
    }
    return words;
}

std::vector<int> randomNumbers(int count) {
    std::mt19937 gen(54321);
    std::uniform_int_distribution<int> number(0, 1000000);
    std::vector<int> numbers(static_cast<size_t>(count));
    for (int& n : numbers)
        n = number(gen);
    return numbers;
}

std::vector<QString> shortTexts(int rows, int cols) {
    std::vector<QString> texts;
    texts.reserve(size_t(rows) * size_t(cols));
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            texts.push_back(shortText(r, c));
    return texts;
}

void fill(TessixGrid& grid, const std::vector<QString>& texts) {
    const int rows = grid.RowCount();
    grid.BeginUpdate();
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= Cols; ++c)
            grid.SetCellValue(r, c, texts[size_t(r - 1) * Cols + size_t(c - 1)]);
    grid.EndUpdate();
}

namespace {

void fillModel(QStandardItemModel& model, QWidget& view, const std::vector<QString>& texts) {
    const int rows = model.rowCount();
    view.setUpdatesEnabled(false);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Cols; ++c)
            model.setData(model.index(r, c), texts[size_t(r) * Cols + size_t(c)]);
    view.setUpdatesEnabled(true);
}

} // namespace

void fill(QtTable& table, const std::vector<QString>& texts) {
    fillModel(table.model, table.view, texts);
}

void fill(QtTree& tree, const std::vector<QString>& texts) {
    fillModel(tree.model, tree.view, texts);
}

} // namespace bench
