#pragma once
// How a tree shows in a cell: each level indents the contents by one step, and a row with a
// tree button shows it in the step of its own level. The tree column's cells show it, and so
// does a group row's caption when the row has a button or a level (bands, drive rows).
// Painting, fitting and clicks all place the button here.

#include "core/GridInternal.h"

#include <QRect>

class QPainter;
class QWidget;
struct GridContext;

constexpr int TreeIndentStep = 16; // pixels per level, the button's step included

// Whether the cell shows the tree (its indent and button).
bool showsTree(const GridContext& context, int row, int col);
// The width the tree takes at the left of the cell's contents (0 when it shows none).
int treeIndent(const GridContext& context, int row, int col);
// The button of a row with the given level inside the cell's contents area.
QRect treeButtonRect(const QRect& content, int level);
// The expand (closed) or collapse (open) mark, as the style draws tree branches.
void paintTreeButton(QPainter& p, const QRect& button, bool expanded, const QWidget& widget);
