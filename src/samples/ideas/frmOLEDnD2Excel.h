#pragma once

#include "components/grid/GridEvents.h"

#include <QWidget>

class QLabel;
class QPushButton;
class TessixGrid;

// "OLE Drag-n-drop: Dragging Tessix cells to MS Excel": a multi-select grid of 50 rows and 9
// columns ("R1C1" to "R50C9") whose selection drags out into a spreadsheet or any program
// that takes text, one value per cell; "Selection Example" selects a shape that is not a
// rectangle to show that its gaps arrive as empty cells.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmOLEDnD2Excel : public QWidget {
    Q_OBJECT
public:
    explicit frmOLEDnD2Excel(QWidget* parent = nullptr);

    // The grid's selection as a spreadsheet pastes it: one line per row of the selection's
    // bounding box, each ending with CR LF, and one tab-separated field per column of it,
    // the cell's text when selected and empty otherwise. "" when nothing is selected.
    static QString SelectionAsText(TessixGrid& grid);

    QLabel* Label1;
    QLabel* Label2;
    TessixGrid* Tessix1;
    QPushButton* cmdSelExmpl;

private:
    void Form_Load();
    void cmdSelExmpl_Click();
    void Tessix1_StartDrag();
    void Tessix1_OLEStartDrag(OLEStartDragArgs& args);
};
