#include "GalleryLook.h"

#include "components/grid/TessixGrid.h"
#include "platform/Colors.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

void setGalleryLook(TessixGrid& grid) {
    FontObject font = grid.Font();
    font.SetName(QStringLiteral("Arial"));
    font.SetSize(9);
    grid.SetBorderStyle(2);
    grid.SetGridLines(GridLinesBoth);
    grid.SetGridLinesColor(RGB(226, 230, 236));
    grid.SetBackColorOddRows(RGB(255, 255, 255));
    grid.SetBackColorEvenRows(RGB(246, 249, 253));
    grid.SetSelBackColor(RGB(204, 232, 255));
    grid.SetSelForeColor(RGB(0, 0, 0));
    grid.SetSelAlpha(255);
    grid.SetFocusRectColor1(RGB(40, 110, 190));
    grid.SetFocusRectColor2(RGB(40, 110, 190));
}

QWidget* titled(const QString& title, QWidget* content, QWidget* below) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(title));
    layout->addWidget(content, 1);
    if (below)
        layout->addWidget(below);
    return box;
}

QPixmap paintedIcon(const std::function<void(QPainter&)>& draw) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pm;
}

QPixmap folderIcon() {
    return paintedIcon([](QPainter& p) {
        p.setPen(QPen(QColor(170, 130, 30), 1));
        p.setBrush(QColor(245, 205, 95));
        p.drawPolygon(QPolygonF({QPointF(1.5, 4.5), QPointF(6, 4.5), QPointF(7.5, 6),
                                 QPointF(14.5, 6), QPointF(14.5, 13.5), QPointF(1.5, 13.5)}));
    });
}

QPixmap fileIcon() {
    return paintedIcon([](QPainter& p) {
        p.setPen(QPen(QColor(100, 110, 130), 1));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(3.5, 1.5), QPointF(9.5, 1.5), QPointF(12.5, 4.5),
                                 QPointF(12.5, 14.5), QPointF(3.5, 14.5)}));
        p.drawPolyline(QPolygonF({QPointF(9.5, 1.5), QPointF(9.5, 4.5), QPointF(12.5, 4.5)}));
    });
}
