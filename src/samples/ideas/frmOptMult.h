#pragma once

#include "components/grid/FontObject.h"
#include "components/grid/GridEvents.h"
#include "runtime/Currency.h"

#include <QWidget>

class HyperlinkLabel;
class IconList;
class QLabel;
class TessixGrid;

// "Option Multiselect Demo": the grid as a menu of a car-rental desk's extras. Each row
// shows an option's picture, its bold title of one or more lines, its price per day and,
// under the title, its description; a click on a row adds it to the selection or takes it
// out without touching the others, and the label under the grid shows the total of the
// selected prices. "Remove Selection" clears it. The window has a fixed size.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmOptMult : public QWidget {
    Q_OBJECT
public:
    explicit frmOptMult(QWidget* parent = nullptr);

    // "$" and the amount with two decimals in the user's decimal separator ("$13.75").
    static QString FormatPrice(Currency amount);

    QLabel* Label1;
    TessixGrid* grdMenu;
    QLabel* lblTotal;
    HyperlinkLabel* hlinkClear;
    IconList* IconList1;

private:
    void Form_Load();
    void FillOptions();
    void FitItemColumn();
    void UpdateTotal();
    void ShowTotal(Currency amount);
    void grdMenu_CellMouseDown(CellMouseArgs& args);
    void grdMenu_ScrollBarThicknessChanged(int bar, int value);
    void hlinkClear_Click();

    FontObject m_titleFont;
    FontObject m_descriptionFont;
};
