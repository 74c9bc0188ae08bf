#include "Tables.h"

#include "core/GridPrivate.h"

#include <QHeaderView>
#include <random>

namespace bench {

std::unique_ptr<TessixGrid> makeGrid() {
    auto grid = std::make_unique<TessixGrid>();
    grid->resize(800, 600);
    for (int c = 1; c <= Cols; ++c)
        grid->AddCol(QStringLiteral("c%1").arg(c));
    return grid;
}

QtTable::QtTable() {
    view.resize(800, 600);
    view.setModel(&model);
    // The same cell geometry as our grid's defaults and no row header, so both sides show
    // (and paint) the same number of cells.
    TessixGrid defaults;
    view.verticalHeader()->hide();
    view.verticalHeader()->setMinimumSectionSize(1);
    view.verticalHeader()->setDefaultSectionSize(defaults.DefaultRowHeight());
    view.horizontalHeader()->setDefaultSectionSize(defaults.internals().store.DefaultColWidth());
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

std::vector<QString> shortTexts(int rows) {
    std::vector<QString> texts;
    texts.reserve(size_t(rows) * Cols);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= Cols; ++c)
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

void fill(QtTable& table, const std::vector<QString>& texts) {
    const int rows = table.model.rowCount();
    table.view.setUpdatesEnabled(false);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Cols; ++c)
            table.set(r, c, texts[size_t(r) * Cols + size_t(c)]);
    table.view.setUpdatesEnabled(true);
}

} // namespace bench
