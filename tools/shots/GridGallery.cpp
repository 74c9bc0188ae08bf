#include "GridGallery.h"

#include "GalleryLook.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"
#include "platform/Colors.h"

#include <QPainter>

namespace {

void fillHeaderIcons(IconList& list) {
    list.AddImage("product", paintedIcon([](QPainter& p) { // a parcel
                      p.setPen(QPen(QColor(120, 80, 40), 1));
                      p.setBrush(QColor(214, 170, 110));
                      p.drawRect(QRectF(2.5, 4.5, 11, 9));
                      p.drawLine(QPointF(8, 4.5), QPointF(8, 13.5));
                      p.drawLine(QPointF(2.5, 7.5), QPointF(13.5, 7.5));
                  }));
    list.AddImage("region", paintedIcon([](QPainter& p) { // a globe
                      p.setPen(QPen(QColor(30, 90, 160), 1.2));
                      p.setBrush(QColor(170, 210, 245));
                      p.drawEllipse(QRectF(2, 2, 12, 12));
                      p.setBrush(Qt::NoBrush);
                      p.drawEllipse(QRectF(5.5, 2, 5, 12));
                      p.drawLine(QPointF(2, 8), QPointF(14, 8));
                  }));
    list.AddImage("qty", paintedIcon([](QPainter& p) { // stacked bars
                      p.setPen(Qt::NoPen);
                      p.setBrush(QColor(90, 110, 130));
                      p.drawRect(QRectF(2, 10, 12, 3));
                      p.drawRect(QRectF(4, 6, 8, 3));
                      p.drawRect(QRectF(6, 2, 4, 3));
                  }));
    list.AddImage("price", paintedIcon([](QPainter& p) { // a coin
                      p.setPen(QPen(QColor(170, 120, 0), 1));
                      p.setBrush(QColor(250, 200, 60));
                      p.drawEllipse(QRectF(2, 2, 12, 12));
                      p.setPen(QPen(QColor(140, 95, 0), 1.4));
                      p.drawLine(QPointF(8, 4.5), QPointF(8, 11.5));
                      p.drawLine(QPointF(6, 6.5), QPointF(10, 6.5));
                      p.drawLine(QPointF(6, 9.5), QPointF(10, 9.5));
                  }));
    list.AddImage(
        "paid", paintedIcon([](QPainter& p) { // a tick
            p.setPen(QPen(QColor(40, 150, 60), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
        }));
    list.AddImage(
        "trend", paintedIcon([](QPainter& p) { // a rising line
            p.setPen(QPen(QColor(200, 60, 60), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(
                QPolygonF({QPointF(2, 12), QPointF(6, 8), QPointF(9, 10), QPointF(14, 3)}));
        }));
}

void fillCellIcons(IconList& list) {
    const auto tile = [](QColor colour, QChar letter) {
        return paintedIcon([=](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawRoundedRect(QRectF(1, 1, 14, 14), 3, 3);
            QFont f(QStringLiteral("Liberation Sans"));
            f.setPixelSize(10);
            f.setBold(true);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QString(letter));
        });
    };
    list.AddImage("hardware", tile(QColor(70, 110, 170), QChar('H')));
    list.AddImage("software", tile(QColor(60, 150, 110), QChar('S')));
    list.AddImage("service", tile(QColor(220, 130, 40), QChar('V')));
    list.AddImage("group", folderIcon());
}

struct Item {
    const char* product;
    const char* kind;
    int qty;
    double price;
    bool paid;
    const char* trend; // six values 0..9
    const char* note;  // row text, may be empty
};

// Six bars scaled to the cell, drawn from the values stored as text.
void drawTrend(CustomDrawCellArgs& a, const QString& values) {
    QPainter& p = a.painter;
    const QStringList parts = values.split(' ', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return;
    const QRect area = a.rect().adjusted(6, 4, -7, -5);
    const double step = double(area.width()) / parts.size();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < parts.size(); ++i) {
        const int v = parts[i].toInt();
        const double h = std::max(1.0, area.height() * v / 9.0);
        const QColor colour = i == parts.size() - 1 ? QColor(46, 125, 200) : QColor(150, 185, 220);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(area.left() + i * step + 1, area.bottom() + 1 - h, step - 3, h),
                          1.5, 1.5);
    }
}

} // namespace

QWidget* makeGridGallery() {
    auto* grid = new TessixGrid;
    grid->resize(760, 420);
    grid->setWindowTitle(QStringLiteral("Tessix grid gallery"));
    auto* headerIcons = new IconList(QSize(16, 16), grid);
    auto* cellIcons = new IconList(QSize(16, 16), grid);
    fillHeaderIcons(*headerIcons);
    fillCellIcons(*cellIcons);

    grid->BeginUpdate();
    setGalleryLook(*grid);
    grid->Header().SetImageList(headerIcons);
    grid->SetImageList(cellIcons);
    grid->SetDefaultRowHeight(grid->GetOptimalRowHeight({}, 1, 0, true) + 4);

    const auto addCol = [&](const char* key, const char* text, int width, const char* iconKey) {
        GridColumn* c = grid->AddCol(key, text, width);
        c->SetHeaderIcon(headerIcons->ItemIndex(iconKey));
        return c;
    };
    GridColumn* product = addCol("product", "Product", 190, "product");
    product->SetCellIconAlign(IconAlignLeft);
    addCol("region", "Region", 110, "region");
    GridColumn* qty = addCol("qty", "Quantity", 100, "qty");
    qty->SetCellAlignment(AlignRight);
    qty->SetHeaderAlignH(AlignRight);
    qty->SetDefaultSortOrder(SortDescending);
    GridColumn* price = addCol("price", "Unit\r\nprice", 90, "price");
    price->SetCellAlignment(AlignRight);
    price->SetCellFormatString(QStringLiteral("$#,##0.00"));
    price->SetHeaderAlignH(AlignRight);
    GridColumn* paid = addCol("paid", "Paid", 60, "paid");
    paid->SetCheckBoxVisible(true);
    paid->SetCheckBoxAlign(CheckBoxCenter);
    paid->SetHeaderAlignH(AlignCenter);
    GridColumn* trend = addCol("trend", "Last 6 months", 160, "trend");
    trend->SetCellType(CellTypeCustomDraw);
    grid->Header().AutoHeight();

    // Row text: a note under the row, from the Region column on, wrapped.
    GridColumn* notes = grid->ColObject(grid->RowTextCol());
    notes->SetCellForeColor(RGB(70, 90, 140));
    notes->SetCellTextFlags(TextFlagWordBreak | TextFlagEditControl | TextFlagEndEllipsis);
    notes->SetCellIndentLeft(4);
    FontObject noteFont = grid->CreateFont({.Size = 8.5, .Italic = true});
    noteFont.SetName(QStringLiteral("Arial"));
    notes->SetCellFont(noteFont);
    grid->SetShowRowText(true);
    grid->SetRowTextStartCol("region");

    const std::vector<std::pair<const char*, std::vector<Item>>> groups = {
        {"Europe",
         {{"Workstation 5400", "hardware", 12, 1849.0, true, "3 4 4 6 5 8", ""},
          {"Office suite licence", "software", 140, 89.9, true, "6 6 7 7 8 9",
           "Volume licence renewed for the Lyon and Turin offices; seats move with the staff "
           "members and can be reassigned once a quarter."},
          {"On-site support", "service", 6, 420.0, false, "2 3 2 4 3 3", ""},
          {"Docking station", "hardware", 35, 215.5, false, "5 4 6 5 7 6", ""}}},
        {"North America",
         {{"Field tablet", "hardware", 48, 699.0, true, "1 2 4 5 7 9",
           "Rugged model for the survey teams. Two units returned under warranty."},
          {"Backup service", "service", 20, 35.0, true, "4 4 5 4 5 5", ""},
          {"CAD package", "software", 9, 1290.0, false, "7 6 5 5 4 3", ""}}},
        {"Asia Pacific",
         {{"Label printer", "hardware", 17, 329.0, true, "2 2 3 5 6 6", ""},
          {"Translation service", "service", 4, 980.0, false, "5 7 6 8 7 9",
           "Quarterly manuals in Japanese and Korean; the next batch is due before the "
           "trade fair in Osaka."}}},
    };
    const int groupRowHeight = grid->GetOptimalRowHeight({}, 1) + 4;
    int selectedRow = 0;
    for (const auto& [caption, items] : groups) {
        AddRowArgs band;
        band.group = true;
        band.height = groupRowHeight;
        const int g = grid->AddRow(band);
        grid->SetCellValue(g, grid->RowTextCol(), QString::fromUtf8(caption));
        grid->SetCellIcon(g, grid->RowTextCol(), cellIcons->ItemIndex("group"));
        grid->SetCellBackColor(g, grid->RowTextCol(), RGB(232, 237, 245));
        grid->SetCellForeColor(g, grid->RowTextCol(), RGB(30, 45, 70));
        grid->SetCellTextFlags(g, grid->RowTextCol(), TextFlagSingleLine | TextFlagEndEllipsis);
        FontObject bandFont = grid->CellFont(g, grid->RowTextCol());
        bandFont.SetBold(true);
        bandFont.SetItalic(false);
        for (const Item& it : items) {
            const int r = grid->AddRow();
            grid->SetCellValue(r, "product", QString::fromUtf8(it.product));
            grid->SetCellIcon(r, "product", cellIcons->ItemIndex(it.kind));
            grid->SetCellValue(r, "region", QString::fromUtf8(caption));
            grid->SetCellValue(r, "qty", it.qty);
            grid->SetCellValue(r, "price", it.price);
            grid->SetCellCheckState(r, "paid", it.paid ? CheckChecked : CheckUnchecked);
            grid->SetCellValue(r, "trend", QString::fromUtf8(it.trend));
            grid->SetCellValue(r, grid->RowTextCol(), QString::fromUtf8(it.note));
            if (QByteArray(it.product) == "Field tablet")
                selectedRow = r;
        }
    }
    QObject::connect(grid, &TessixGrid::CustomDrawCell, grid, [grid](CustomDrawCellArgs& a) {
        drawTrend(a, grid->CellValue(a.row, a.col).toString());
    });
    QObject::connect(grid, &TessixGrid::RequestCustomDrawCellSize, grid,
                     [grid](CustomDrawCellSizeArgs& a) {
                         a.width = 120;
                         a.height = grid->DefaultRowHeight();
                     });
    for (int r = 1; r <= grid->RowCount(); ++r)
        if (!grid->RowIsGroup(r))
            grid->AutoHeightRow(r, grid->DefaultRowHeight());
    grid->StretchCol("trend");
    // Two sort criteria, so the header shows numbered marks.
    grid->SetColSortIndex("qty", 1);
    grid->SetColSortIndex("price", 2);
    grid->Sort();
    grid->SetRowMode(true);
    for (int r = 1; r <= grid->RowCount(); ++r)
        if (grid->CellValue(r, "product").toString() == QLatin1String("Field tablet"))
            selectedRow = r;
    grid->SetCellSelected(selectedRow, 1, true);
    grid->SetCurCell(selectedRow, "qty");
    grid->EndUpdate();
    return grid;
}
