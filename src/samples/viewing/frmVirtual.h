#pragma once

#include "components/grid/GridEvents.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class TessixGrid;

// "Virtual Mode Demonstration": a grid in virtual mode that asks for each row only when it
// has to show it, answered with generated texts up to a row limit drawn at random between
// 100 and 400; "&Reset" draws a new limit and empties the grid, which starts asking again.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmVirtual : public QWidget {
    Q_OBJECT
public:
    explicit frmVirtual(QWidget* parent = nullptr);

    // "Currently added rows:", "Maximum number of rows:" and the two lines explaining it.
    std::array<QLabel*, 4> Label1;
    QLabel* lblInfo;
    QLabel* lblTarget;
    QPushButton* cmdClear;
    TessixGrid* grdVirtual;

private:
    void Form_Load();
    void ResetVirtualGrid();
    void cmdClear_Click();
    void grdVirtual_RequestNewRow(RequestNewRowArgs& args);
    void grdVirtual_RequestRowData(int row);

    int MaxRows = 0; // the rows the window is willing to supply
};
