#include "samples/features/mAPIDraw.h"

#include "platform/Colors.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace mAPIDraw {

namespace {

constexpr quint32 SystemColorFlag = 0x80000000u;
constexpr quint32 PaletteRgbFlag = 0x02000000u;
constexpr quint32 LastSystemColor = 30; // menu bar, the last of the desktop's colours

// Shapes are smoothed: at 1x their edges look like the classic ones, at 2x they stay sharp.
// The box is in whole pixels; the outline's centre runs half a pixel inside it.
QRectF outlineRect(const Box& box) {
    return QRectF(box.left + 0.5, box.top + 0.5, box.right - box.left - 1.0,
                  box.bottom - box.top - 1.0);
}

} // namespace

quint32 OleColorToRGB(quint32 oleColor) {
    const quint32 kind = oleColor & 0xFF000000u;
    if (kind == SystemColorFlag)
        return (oleColor & 0x00FFFFFFu) <= LastSystemColor ? ::OleColorToRGB(oleColor) : 0;
    if (kind == 0 || kind == PaletteRgbFlag)
        return oleColor & 0x00FFFFFFu;
    return 0;
}

void FillBox(QPainter& painter, const Box& box, const QColor& color) {
    if (box.right > box.left && box.bottom > box.top)
        painter.fillRect(box.toRect(), color);
}

void FillEllipse(QPainter& painter, const Box& box, const QColor& color) {
    if (box.right <= box.left || box.bottom <= box.top)
        return;
    QPainterPath path;
    path.addEllipse(QRectF(box.toRect()));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, color);
    painter.restore();
}

void Ellipse(QPainter& painter, const Box& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawEllipse(outlineRect(box));
    painter.restore();
}

double RadialAngle(const Box& box, QPoint point) {
    const double cx = (box.left + box.right) / 2.0;
    const double cy = (box.top + box.bottom) / 2.0;
    const double degrees = std::atan2(cy - point.y(), point.x() - cx) * 180.0 / std::numbers::pi;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

void Pie(QPainter& painter, const Box& box, QPoint start, QPoint end) {
    const double from = RadialAngle(box, start);
    double span = RadialAngle(box, end) - from;
    if (span <= 0)
        span += 360.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Qt counts angles in sixteenths of a degree, counter-clockwise from three o'clock.
    painter.drawPie(outlineRect(box), int(std::lround(from * 16)), int(std::lround(span * 16)));
    painter.restore();
}

} // namespace mAPIDraw
