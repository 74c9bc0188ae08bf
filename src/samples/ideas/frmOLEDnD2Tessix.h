#pragma once

#include "components/grid/GridEvents.h"

#include <QPoint>
#include <QWidget>

#include <optional>

class QLabel;
class TessixGrid;

// "OLE Drag-n-drop: Dragging Files into Tessix": a small file-collecting tool. Files dropped
// from the file manager are listed by full path (the same file may come twice); dragging any
// cell out to a folder hands the whole list over as a file drop, so the file manager copies
// every listed file there, and once it took them the list is emptied. Text is refused, and so
// is the window's own list dropped back onto it.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmOLEDnD2Tessix : public QWidget {
    Q_OBJECT
public:
    explicit frmOLEDnD2Tessix(QWidget* parent = nullptr);

    // True from the start of a drag out of the grid until that drag has ended.
    bool DraggingOut() const { return m_draggingOut; }

    QLabel* Label1;
    QLabel* Label2;
    TessixGrid* grd;

private:
    void Form_Load();
    void grd_OLEDragOver(OLEDragOverArgs& args);
    void grd_OLEDragDrop(OLEDragDropArgs& args);
    void grd_CellMouseDown(CellMouseArgs& args);
    void grd_CellMouseMove(CellMouseArgs& args);
    void grd_OLEStartDrag(OLEStartDragArgs& args);
    void grd_OLECompleteDrag(OLECompleteDragArgs& args);

    bool m_draggingOut = false;
    // Where the left button went down on a listed file; a drag out starts only from there,
    // once the pointer has moved the platform's drag distance (a click stays a click).
    std::optional<QPoint> m_pressedOnFile;
};
