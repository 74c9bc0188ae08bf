#pragma once
// What the grid gallery pages share: the grids' look, and icons painted in code so that the
// pages need no picture files.

#include <QPixmap>
#include <functional>

class QPainter;
class QString;
class QWidget;
class TessixGrid;

// Font, frame, grid lines, odd/even rows, selection and focus rectangle.
void setGalleryLook(TessixGrid& grid);

// The content under a caption, with an optional widget under it (values shown as text).
QWidget* titled(const QString& title, QWidget* content, QWidget* below = nullptr);

// A 16 x 16 icon painted in code, antialiased on a transparent ground.
QPixmap paintedIcon(const std::function<void(QPainter&)>& draw);
QPixmap folderIcon();
// A document with a folded corner.
QPixmap fileIcon();
