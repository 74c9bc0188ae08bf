#include "FrozenGallery.h"

#include "GalleryLook.h"
#include "components/grid/TessixGrid.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

const char* const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const char* const Regions[] = {"North", "South", "East", "West"};

TessixGrid* monthlyTable(bool grouped) {
    auto* grid = new TessixGrid;
    setGalleryLook(*grid);
    grid->BeginUpdate();
    grid->SetFrozenCols(2);
    grid->AddCol("code", "Code", 50);
    grid->AddCol("region", "Region", 70);
    for (const char* month : Months) {
        GridColumn* col = grid->AddCol(QString::fromLatin1(month), QString::fromLatin1(month), 64);
        col->SetCellAlignment(AlignRight);
        col->SetCellFormatString(QStringLiteral("#,##0"));
    }
    for (int r = 1; r <= 24; ++r) {
        const int row = grid->AddRow();
        grid->SetCellValue(row, "code", QStringLiteral("P-%1").arg(100 + r));
        grid->SetCellValue(row, "region", QString::fromLatin1(Regions[r % 4]));
        for (int m = 0; m < 12; ++m)
            grid->SetCellValue(row, 3 + m, double((r * 37 + m * 53) % 900 + 100));
    }
    if (grouped) {
        grid->SetGridLines(GridLinesNone);
        grid->SetDrawFrozenEdgeAlways(true);
        grid->SetFrozenEdgeWidth(3);
        grid->SetFrozenEdgeColor(0x8000000D); // the highlight colour
        grid->SortObject().Add("region");
        grid->Group();
    } else {
        grid->SetCellSelected(5, 10, true);
        grid->SetCurCell(5, 10);
    }
    grid->EndUpdate();
    return grid;
}

} // namespace

QWidget* makeFrozenGallery() {
    auto* page = new QWidget;
    page->setWindowTitle(QStringLiteral("Tessix grid frozen columns gallery"));
    page->resize(1000, 380);
    auto* layout = new QHBoxLayout(page);
    TessixGrid* table = monthlyTable(false);
    TessixGrid* bands = monthlyTable(true);
    auto* values = new QLabel;
    layout->addWidget(titled(QStringLiteral("Two frozen columns, scrolled right"), table, values),
                      1);
    layout->addWidget(
        titled(QStringLiteral("Grouped, no grid lines, the edge drawn always"), bands), 1);
    // The scroll ranges follow the shown size: scroll once the page is laid out, the table
    // to where a column slides half under the frozen area, the bands to the end.
    QObject::connect(table, &TessixGrid::ScrollBarVisibilityChanged, values, [=] {
        const int monthWidth = table->ColWidth("Jan");
        table->HScrollBar().SetValue(table->HScrollBar().Max() / monthWidth * monthWidth -
                                     monthWidth / 2);
        values->setText(QStringLiteral("FrozenCols %1, HScrollBar %2 of %3, page %4")
                            .arg(table->FrozenCols())
                            .arg(table->HScrollBar().Value())
                            .arg(table->HScrollBar().Max())
                            .arg(table->HScrollBar().LargeChange()));
    });
    QObject::connect(bands, &TessixGrid::ScrollBarVisibilityChanged, bands,
                     [=] { bands->HScrollBar().SetValue(bands->HScrollBar().Max()); });
    return page;
}
