// Sorting a small list by several columns, as the multi-column sort sample does when the
// user adds a third column to the sort: 100 orders (company, sum, date) sorted by all three
// at once, with the frame that shows the result.

#include "Bench.h"

#include "Painting.h"
#include "Tables.h"

#include <QDate>
#include <random>

namespace {

using namespace bench;

constexpr int Orders = 100;

struct Order {
    QString company;
    float sum = 0;
    QDate date;
};

std::vector<Order> orders() {
    std::mt19937 gen(2024);
    std::uniform_int_distribution<int> company(0, 9), hundreds(1, 100), daysBack(0, 400);
    std::vector<Order> list;
    for (int i = 0; i < Orders; ++i)
        list.push_back({QStringLiteral("Company %1").arg(company(gen)), float(100 * hundreds(gen)),
                        QDate(2026, 12, 10).addDays(-daysBack(gen))});
    return list;
}

double tessixMultiSort() {
    auto grid = makeGridOf(3);
    grid->SetRowCount(Orders);
    const std::vector<Order> list = orders();
    for (int r = 1; r <= Orders; ++r) {
        const Order& o = list[size_t(r - 1)];
        grid->SetCellValue(r, 1, o.company);
        grid->SetCellValue(r, 2, Variant(o.sum));
        grid->SetCellValue(r, 3, Variant(o.date));
    }
    showSettled(*grid);
    // The sort a click with Ctrl on the third header makes: all three keys, ascending.
    return msWithNextPaint(
        *grid, [&] { grid->SetSortLayout(QStringLiteral("TXS1;3;k:c1,0,0;k:c2,0,0;k:c3,0,0")); });
}

double qtMultiSort() {
    QtTable t;
    t.model.setRowCount(Orders);
    const std::vector<Order> list = orders();
    for (int r = 0; r < Orders; ++r) {
        const Order& o = list[size_t(r)];
        t.set(r, 0, o.company);
        t.set(r, 1, o.sum);
        t.set(r, 2, o.date);
    }
    showSettled(t.view);
    // Qt's model sorts stably by one column: the keys from the last to the first.
    return msWithNextPaint(t.view, [&] {
        for (int col = 2; col >= 0; --col)
            t.model.sort(col);
    });
}

const bool registered = registerWorkloads({
    {"multi_sort_100", "ms", 5, tessixMultiSort, qtMultiSort},
});

} // namespace
