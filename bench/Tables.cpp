#include "Tables.h"

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

void fillShortTexts(TessixGrid& grid) {
    const int rows = grid.RowCount();
    grid.BeginUpdate();
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= Cols; ++c)
            grid.SetCellValue(r, c, shortText(r, c));
    grid.EndUpdate();
}

void fillShortTexts(QtTable& table) {
    const int rows = table.model.rowCount();
    table.view.setUpdatesEnabled(false);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Cols; ++c)
            table.set(r, c, shortText(r + 1, c + 1));
    table.view.setUpdatesEnabled(true);
}

} // namespace bench
