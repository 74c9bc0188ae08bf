// Outline workloads: building trees of parents and children, expanding and collapsing all
// parents with the frame that follows.

#include "Bench.h"

#include "Painting.h"
#include "Tables.h"

namespace {

using namespace bench;

constexpr int TreeCols = 5;

struct TreeShape {
    int parents;
    int children; // of each parent
    int rows() const { return parents * (children + 1); }
};

constexpr TreeShape Bushy{1000, 100};
constexpr TreeShape Wide{1, 100000};

// Indents and buttons in the first column, as Qt's tree shows its branches there.
std::unique_ptr<TessixGrid> treeGrid() {
    auto grid = makeGridOf(TreeCols);
    grid->SetTreeCol(1);
    return grid;
}

// Each parent followed by its children, TreeCols texts per row; returns the parents' rows.
std::vector<int> buildTree(TessixGrid& grid, TreeShape shape, const std::vector<QString>& texts) {
    std::vector<int> parents;
    size_t text = 0;
    AddRowArgs child;
    const auto addRow = [&](int parent) {
        child.parentRow = parent;
        const int row = grid.AddRow(child);
        for (int c = 1; c <= TreeCols; ++c)
            grid.SetCellValue(row, c, texts[text++]);
        return row;
    };
    grid.BeginUpdate();
    for (int p = 0; p < shape.parents; ++p) {
        parents.push_back(addRow(0));
        for (int i = 0; i < shape.children; ++i)
            addRow(parents.back());
    }
    grid.EndUpdate();
    return parents;
}

// Each parent's children go under it before it joins the model, Qt's cheapest way.
void buildTree(QtTree& tree, TreeShape shape, const std::vector<QString>& texts) {
    size_t text = 0;
    const auto row = [&] {
        QList<QStandardItem*> items;
        for (int c = 0; c < TreeCols; ++c)
            items.append(new QStandardItem(texts[text++]));
        return items;
    };
    tree.view.setUpdatesEnabled(false);
    for (int p = 0; p < shape.parents; ++p) {
        const QList<QStandardItem*> parent = row();
        for (int i = 0; i < shape.children; ++i)
            parent.first()->appendRow(row());
        tree.model.appendRow(parent);
    }
    tree.view.setUpdatesEnabled(true);
}

// Both sides shown, so the build pays for whatever a shown view does on new rows.
double tessixBuild(TreeShape shape) {
    auto grid = treeGrid();
    const std::vector<QString> texts = shortTexts(shape.rows(), TreeCols);
    showSettled(*grid);
    return elapsedMs([&] { buildTree(*grid, shape, texts); });
}

double qtBuild(TreeShape shape) {
    QtTree tree(TreeCols);
    const std::vector<QString> texts = shortTexts(shape.rows(), TreeCols);
    showSettled(tree.view);
    return elapsedMs([&] { buildTree(tree, shape, texts); });
}

// The bushy tree with every parent in the other state first; then all of them set.
double tessixExpandAll(bool expand) {
    auto grid = treeGrid();
    const std::vector<int> parents = buildTree(*grid, Bushy, shortTexts(Bushy.rows(), TreeCols));
    const auto setAll = [&](bool expanded) {
        grid->BeginUpdate();
        for (int row : parents)
            grid->SetRowExpanded(row, expanded);
        grid->EndUpdate();
    };
    setAll(!expand);
    return msWithNextPaint(*grid, [&] { setAll(expand); });
}

double qtExpandAll(bool expand) {
    QtTree tree(TreeCols);
    buildTree(tree, Bushy, shortTexts(Bushy.rows(), TreeCols));
    if (!expand)
        tree.view.expandAll();
    return msWithNextPaint(tree.view, [&] {
        if (expand)
            tree.view.expandAll();
        else
            tree.view.collapseAll();
    });
}

const bool registered = registerWorkloads({
    {"tree_build", "ms", 5, [] { return tessixBuild(Bushy); }, [] { return qtBuild(Bushy); }},
    {"tree_build_wide", "ms", 5, [] { return tessixBuild(Wide); }, [] { return qtBuild(Wide); }},
    {"tree_expand_all", "ms", 5, [] { return tessixExpandAll(true); },
     [] { return qtExpandAll(true); }},
    {"tree_collapse_all", "ms", 5, [] { return tessixExpandAll(false); },
     [] { return qtExpandAll(false); }},
});

} // namespace
