#pragma once
// Where the in-cell controls sit, how the drop-down button looks and when it shows.
// Painting and hit testing both use these, so a click lands on exactly what was drawn.

#include "core/GridInternal.h"

#include "components/grid/GridColumn.h"

#include <QRect>
#include <QSize>
#include <utility>

class IconList;
class QPainter;
class QWidget;
struct GridContext;

// Whether the user may edit a cell: the grid editable and enabled, an ordinary cell of an
// ordinary row, not custom-drawn.
bool editableCell(const GridContext& context, int row, int col);
// Whether a combo cell shows its drop-down button: in the current cell, or in every combo
// cell with ShowControlsInAllCells, while the cell is editable.
bool comboButtonShown(const GridContext& context, int row, int col);
// The icon of the combo entry a cell's value matches, from that list's own image list.
std::pair<const IconList*, int> comboEntryIcon(const GridContext& context, int row, int col);

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
