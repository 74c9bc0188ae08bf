#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TessixGrid;
struct BeforeColDragArgs;
struct ColHeaderDragOverArgs;

// "Frozen Columns Tester": a 7-column grid that starts with two frozen columns; the user drags
// columns across the frozen edge (which the panel may forbid, with a message), adds and
// removes columns, and sets the grid lines and the edge's width and colour.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmFrozenColsTester : public QWidget {
    Q_OBJECT
public:
    explicit frmFrozenColsTester(QWidget* parent = nullptr);

    QLabel* lblSampleDescr;
    TessixGrid* Tessix1;
    QWidget* Picture1;
    QComboBox* cmbGridLines;
    QCheckBox* chkDrawAlways;
    QPushButton* cmdAddCol;
    QPushButton* cmdRemoveCol;
    QCheckBox* chkAllowDrag;
    QCheckBox* chkDispWarn;
    QGroupBox* Frame1;
    QLineEdit* txtEdgeW;
    QPushButton* cmdSetEdgeW;
    QLabel* lblColor;
    QPushButton* cmdSelEdgeColor;

private:
    void Form_Load();
    void cmbGridLines_Click();
    void chkDrawAlways_Click();
    void cmdAddCol_Click();
    void cmdRemoveCol_Click();
    void cmdSetEdgeW_Click();
    void cmdSelEdgeColor_Click();
    void Tessix1_BeforeColDrag(BeforeColDragArgs& args);
    void Tessix1_ColHeaderDragOver(ColHeaderDragOverArgs& args);
    void ShowEdgeColor();
};
