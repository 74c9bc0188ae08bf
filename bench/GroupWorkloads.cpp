// Band workloads: grouping flat rows by one or two columns, and painting the grouped rows.

#include "Bench.h"

#include "Painting.h"
#include "Tables.h"

#include <map>

namespace {

using namespace bench;

constexpr int OuterValues = 50; // column 1
constexpr int InnerValues = 10; // column 2

// Short texts, with band values in the first two columns spread pseudo-randomly over the
// rows, so grouping has to reorder them.
std::vector<QString> bandedTexts() {
    std::vector<QString> texts = shortTexts(Rows);
    const std::vector<int> numbers = randomNumbers();
    for (size_t r = 0; r < size_t(Rows); ++r) {
        const int n = numbers[r];
        texts[r * Cols] = QStringLiteral("Region %1").arg(n % OuterValues, 2, 10, QChar('0'));
        texts[r * Cols + 1] = QStringLiteral("Kind %1").arg(n / OuterValues % InnerValues);
    }
    return texts;
}

std::unique_ptr<TessixGrid> flatGrid() {
    auto grid = makeGrid();
    grid->SetRowCount(Rows);
    fill(*grid, bandedTexts());
    return grid;
}

// Bands by the first `levels` columns.
void group(TessixGrid& grid, int levels) {
    grid.SortObject().Clear();
    for (int c = 1; c <= levels; ++c)
        grid.SortObject().Add(c, SortAscending, SortTypeByValue);
    grid.Group();
}

std::unique_ptr<QtTree> flatTree() {
    auto tree = std::make_unique<QtTree>();
    tree->model.setRowCount(Rows);
    fill(*tree, bandedTexts());
    return tree;
}

// What a Qt program does to show bands: the rows taken out of the flat model, ordered by
// their band values (the map keeps the bands in order and each band's rows in theirs), a
// parent item per band holding its rows, captioned with its count and spanning the row.
void group(QtTree& tree, int levels) {
    QStandardItemModel& model = tree.model;
    tree.view.setUpdatesEnabled(false);
    std::vector<QList<QStandardItem*>> rows(size_t(model.rowCount()));
    // Last row first: taking the first would shift all the others each time.
    for (int r = model.rowCount(); r-- > 0;)
        rows[size_t(r)] = model.takeRow(r);
    std::map<QStringList, std::vector<size_t>> members;
    for (size_t r = 0; r < rows.size(); ++r) {
        QStringList key;
        for (int level = 0; level < levels; ++level)
            key.append(rows[r][level]->text());
        members[key].push_back(r);
    }

    struct Band {
        QStandardItem* item;
        int count;
    };
    std::vector<Band> bands;
    std::vector<size_t> open; // the bands holding the current one, outermost first
    QList<QStandardItem*> top;
    const QStringList* previous = nullptr;
    for (const auto& [key, band] : members) {
        int from = 0;
        while (previous && from < levels && (*previous)[from] == key[from])
            ++from;
        open.resize(size_t(from));
        for (int level = from; level < levels; ++level) {
            auto* item = new QStandardItem(key[level]);
            if (level == 0)
                top.append(item);
            else
                bands[open.back()].item->appendRow(item);
            open.push_back(bands.size());
            bands.push_back({item, 0});
        }
        for (size_t r : band)
            bands[open.back()].item->appendRow(rows[r]);
        for (size_t b : open)
            bands[b].count += int(band.size());
        previous = &key;
    }
    for (const Band& b : bands)
        b.item->setText(QStringLiteral("%1 (%2 items)").arg(b.item->text()).arg(b.count));
    model.invisibleRootItem()->appendRows(top);
    for (const Band& b : bands)
        tree.view.setFirstColumnSpanned(b.item->row(), b.item->index().parent(), true);
    tree.view.setUpdatesEnabled(true);
}

double tessixGroup(int levels) {
    auto grid = flatGrid();
    showSettled(*grid);
    return elapsedMs([&] { group(*grid, levels); });
}

double qtGroup(int levels) {
    auto tree = flatTree();
    showSettled(tree->view);
    return elapsedMs([&] { group(*tree, levels); });
}

// Both levels of bands expanded.
double tessixPaintGrouped() {
    auto grid = flatGrid();
    group(*grid, 2);
    return paintFrame(*grid);
}

double qtPaintGrouped() {
    auto tree = flatTree();
    group(*tree, 2);
    tree->view.expandAll();
    return paintFrame(tree->view);
}

const bool registered = registerWorkloads({
    {"group_build", "ms", 5, [] { return tessixGroup(1); }, [] { return qtGroup(1); }},
    {"group_build_2", "ms", 5, [] { return tessixGroup(2); }, [] { return qtGroup(2); }},
    {"paint_grouped", "ms", 3, tessixPaintGrouped, qtPaintGrouped},
});

} // namespace
