#pragma once
// What the grid gallery pages share: the grids' look, and icons painted in code so that the
// pages need no picture files.

#include <QPixmap>
#include <functional>

class QPainter;
class TessixGrid;

// Font, frame, grid lines, odd/even rows, selection and focus rectangle.
void setGalleryLook(TessixGrid& grid);

// A 16 x 16 icon painted in code, antialiased on a transparent ground.
QPixmap paintedIcon(const std::function<void(QPainter&)>& draw);
QPixmap folderIcon();
// A document with a folded corner.
QPixmap fileIcon();
