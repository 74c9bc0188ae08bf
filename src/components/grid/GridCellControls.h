#pragma once
// Where the in-cell controls sit and how the drop-down button looks. Painting and hit
// testing both use these, so a click lands on exactly what was drawn.

#include "components/grid/GridColumn.h"

#include <QRect>
#include <QSize>

class QPainter;
class QWidget;

// The cell's contents area: the cell inside its indents and clear of its grid lines.
QRect cellContentRect(const CellStyle& look, const QRect& cell, int gridLines);

// Size of a check box as the widget's style draws it.
QSize checkBoxSize(const QWidget& widget);

// The check box of a cell with the given contents area (CheckBoxAlign: left, centre, right),
// centred vertically.
QRect checkBoxRect(const CellStyle& look, const QRect& content, QSize box);

// The drop-down button of a combo cell: a strip at the cell's right edge.
QRect comboButtonRect(const QRect& cell);

// Draws the drop-down button: the style's button with a down arrow, or a flat one.
void paintComboButton(QPainter& p, const QRect& button, const QWidget& widget, bool osStyle);
