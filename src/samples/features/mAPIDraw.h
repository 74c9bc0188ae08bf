#pragma once
// Drawing by the rules of the classic drawing calls the custom-draw samples are written
// against: boxes whose right and bottom edges are exclusive, regions and shapes bounded by
// such a box, pie sectors given by two points on their radials, and OLE colours turned into
// plain RGB values. Everything draws on the painter a grid hands to its custom-draw events.

#include <QColor>
#include <QPoint>
#include <QRect>

class QPainter;

namespace mAPIDraw {

// A box in pixels; right and bottom are exclusive, as in the grid's cell rectangles.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    QRect toRect() const { return QRect(left, top, right - left, bottom - top); }
};

// The plain 0x00BBGGRR value of an OLE colour, system colours (0x800000nn) resolved from
// the desktop's palette. 0 when the value is no OLE colour: a top byte other than 0x00,
// 0x02 (palette-relative RGB) or 0x80, or an unknown system colour index.
quint32 OleColorToRGB(quint32 oleColor);

// Fills the box; an empty or inverted box fills nothing.
void FillBox(QPainter& painter, const Box& box, const QColor& color);
// Fills the elliptic region bounded by the box.
void FillEllipse(QPainter& painter, const Box& box, const QColor& color);
// The ellipse in the box, outlined with the painter's pen and filled with its brush; the
// outline stays inside the box.
void Ellipse(QPainter& painter, const Box& box);
// The sector of the ellipse in the box that runs counter-clockwise from the radial through
// `start` to the radial through `end` (a whole ellipse when both radials are the same),
// with the painter's pen and brush.
void Pie(QPainter& painter, const Box& box, QPoint start, QPoint end);

// Counter-clockwise angle in degrees (0 at three o'clock, 0 to 360) of `point` seen from the
// centre of the box; the start and the span of a Pie come from it.
double RadialAngle(const Box& box, QPoint point);

} // namespace mAPIDraw
