#include "OutlineGallery.h"

#include "GalleryLook.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <vector>

namespace {

TessixGrid* newGrid() {
    auto* grid = new TessixGrid;
    setGalleryLook(*grid);
    return grid;
}

struct Node {
    const char* name;
    const char* size;
    const char* modified;
    std::vector<Node> children = {};
    bool expanded = true;
    bool lazy = false; // a button, but the children are loaded when it opens
};

int addNode(TessixGrid& grid, const Node& node, int parent, const IconList& icons) {
    AddRowArgs args;
    args.parentRow = parent;
    const int row = grid.AddRow(args);
    const bool folder = !node.children.empty() || node.lazy;
    grid.SetCellValue(row, 1, QString::fromUtf8(node.name));
    grid.SetCellIcon(row, 1, icons.ItemIndex(folder ? "folder" : "file"));
    grid.SetCellValue(row, 2, QString::fromUtf8(node.size));
    grid.SetCellValue(row, 3, QString::fromUtf8(node.modified));
    for (const Node& child : node.children)
        addNode(grid, child, row, icons);
    if (folder)
        grid.SetRowTreeButton(row, TreeButtonShown);
    grid.SetRowExpanded(row, node.expanded);
    return row;
}

TessixGrid* outline() {
    TessixGrid* grid = newGrid();
    auto* icons = new IconList(QSize(16, 16), grid);
    icons->AddImage("folder", folderIcon());
    icons->AddImage("file", fileIcon());
    grid->SetImageList(icons);
    grid->BeginUpdate();
    grid->AddCol("name", "Name", 190)->SetCellIconAlign(IconAlignLeft);
    grid->AddCol("size", "Size", 70)->SetCellAlignment(AlignRight);
    grid->AddCol("modified", "Modified", 90);
    grid->SetTreeCol(1);
    const std::vector<Node> tree = {
        {"Documents",
         "",
         "",
         {{"Reports",
           "",
           "",
           {{"Q1 summary.pdf", "412 KB", "2024-04-02"},
            {"Q2 summary.pdf", "388 KB", "2024-07-01"},
            {"Budget with a rather long name.xlsx", "96 KB", "2024-07-15"}}},
          {"Letters",
           "",
           "",
           {{"Landlord.odt", "18 KB", "2023-11-20"}, {"Bank.odt", "22 KB", "2024-01-08"}},
           false},
          {"Drafts", "", "", {}, false, true}}},
        {"Pictures",
         "",
         "",
         {{"Holidays",
           "",
           "",
           {{"Beach.jpg", "2.1 MB", "2023-08-12"}, {"Harbour.jpg", "1.8 MB", "2023-08-13"}}},
          {"Scans", "", "", {{"Passport.png", "640 KB", "2022-05-30"}}}}},
        {"Music", "", "", {{"Albums", "", "", {{"Track 01.ogg", "6.3 MB", "2021-02-14"}}}}, false},
        {"Notes.txt", "2 KB", "2024-07-20"},
    };
    for (const Node& node : tree)
        addNode(*grid, node, 0, *icons);
    grid->SetRowMode(true);
    const int current = grid->FindRow(1, QStringLiteral("Q2 summary.pdf"));
    grid->SetCellSelected(current, 1, true);
    grid->SetCurCell(current, 1);
    grid->EndUpdate();
    return grid;
}

TessixGrid* grouped() {
    TessixGrid* grid = newGrid();
    grid->BeginUpdate();
    grid->AddCol("customer", "Customer", 150);
    grid->AddCol("country", "Country", 80);
    grid->AddCol("status", "Status", 70);
    GridColumn* amount = grid->AddCol("amount", "Amount", 80);
    amount->SetCellAlignment(AlignRight);
    amount->SetCellFormatString(QStringLiteral("$#,##0.00"));
    grid->SetTreeCol(1);
    struct Order {
        const char* customer;
        const char* country;
        const char* status;
        double amount;
    };
    const Order orders[] = {
        {"Alder & Sons", "Germany", "Open", 1250.0},
        {"Birchwood Ltd", "France", "Closed", 310.5},
        {"Cedar Supplies", "Germany", "Closed", 88.0},
        {"Dunmore Farms", "Ireland", "Open", 4020.0},
        {"Elmhurst Co", "France", "Open", 760.25},
        {"Fernhill Bakery", "Germany", "Open", 45.9},
        {"Glenrock Mills", "Ireland", "Closed", 990.0},
        {"Hawthorn Inc", "France", "Open", 1500.0},
        {"Ivywood Books", "Germany", "Closed", 212.0},
        {"Juniper Tools", "France", "Closed", 67.4},
    };
    for (const Order& o : orders) {
        const int row = grid->AddRow();
        grid->SetCellValue(row, "customer", QString::fromUtf8(o.customer));
        grid->SetCellValue(row, "country", QString::fromUtf8(o.country));
        grid->SetCellValue(row, "status", QString::fromUtf8(o.status));
        grid->SetCellValue(row, "amount", o.amount);
    }
    grid->SortObject().Add("country");
    grid->SortObject().Add("status");
    grid->Group();
    // One inner band folded, so both button states show.
    for (int row = 1; row <= grid->RowCount(); ++row)
        if (grid->RowIsGroup(row) && grid->ParentRow(row) != 0 &&
            grid->CellValue(grid->ParentRow(row), grid->RowTextCol()).toString() ==
                QLatin1String("Germany") &&
            grid->CellValue(row, grid->RowTextCol()).toString() == QLatin1String("Closed"))
            grid->SetRowExpanded(row, false);
    grid->EndUpdate();
    return grid;
}

// More rows and columns than fit, scrolled halfway both ways.
TessixGrid* scrolled() {
    TessixGrid* grid = newGrid();
    grid->BeginUpdate();
    for (int c = 1; c <= 12; ++c)
        grid->AddCol({}, QStringLiteral("Column %1").arg(c), 80);
    grid->SetRowCount(60);
    for (int r = 1; r <= grid->RowCount(); ++r)
        for (int c = 1; c <= grid->ColCount(); ++c)
            grid->SetCellValue(r, c, QStringLiteral("R%1C%2").arg(r).arg(c));
    grid->EndUpdate();
    return grid;
}

} // namespace

QWidget* makeOutlineGallery() {
    auto* page = new QWidget;
    page->setWindowTitle(QStringLiteral("Tessix grid outline gallery"));
    page->resize(1120, 400);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(titled(QStringLiteral("Outline"), outline()), 37);
    layout->addWidget(titled(QStringLiteral("Grouped by country and status"), grouped()), 37);
    TessixGrid* bars = scrolled();
    auto* barsValues = new QLabel;
    layout->addWidget(titled(QStringLiteral("Both scroll bars"), bars, barsValues), 26);
    // The bars' ranges follow the shown size: scroll once the page is laid out.
    QObject::connect(bars, &TessixGrid::ScrollBarVisibilityChanged, barsValues, [=] {
        for (GridScrollBar* bar : {&bars->VScrollBar(), &bars->HScrollBar()})
            bar->SetValue(bar->Max() / 2);
        barsValues->setText(QStringLiteral("VScrollBar %1 of %2, HScrollBar %3 of %4")
                                .arg(bars->VScrollBar().Value())
                                .arg(bars->VScrollBar().Max())
                                .arg(bars->HScrollBar().Value())
                                .arg(bars->HScrollBar().Max()));
    });
    return page;
}
