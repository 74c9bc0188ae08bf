#pragma once
// Painting the rows: only the rows that intersect the exposed area are visited, so a grid
// of a million rows paints as fast as one of a thousand. Per row: RowDynamicFormat, then
// per cell its look (own or column default, then CellDynamicFormat / CellDynamicText),
// background, selection, check box, icon, text or custom drawing, grid lines; then the
// focus rectangle. The header is painted by GridHeader.

#include "components/grid/CellTextLayout.h"
#include "components/grid/FontObject.h"
#include "components/grid/GridTypes.h"
#include "components/iconlist/IconList.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

class QPainter;
class TessixGrid;

// The grid-wide look members (colours are OLE colours).
struct GridLook {
    OleColor backColor = 0x80000005;          // window background
    OleColor foreColor = 0x80000008;          // window text
    OleColor backColorOddRows = DefaultColor; // DefaultColor: the grid's BackColor
    OleColor backColorEvenRows = DefaultColor;
    QPixmap backgroundPicture; // tiled; null = none
    int borderStyle = 3;       // 0 none, 2 thin (1 px), 3 sunken 3-D
    int gridLines = GridLinesBoth;
    OleColor gridLinesColor = 0x00D8D8D8;
    int dragGridLines = GridLinesNone;    // accepted and kept; the lines while dragging are ours
    OleColor selBackColor = 0x8000000D;   // highlight
    OleColor selForeColor = DefaultColor; // DefaultColor: see selectionTextColor()
    OleColor selBackColorNoFocus = 0x00D9D9D9;
    OleColor selForeColorNoFocus = DefaultColor;
    int selAlpha = 92; // 255 = opaque
    OleColor focusRectColor1 = 0x00000000;
    OleColor focusRectColor2 = 0x00FFFFFF; // differs from color 1: a dotted line
    int focusRectThickness = 1;
    bool showFocusRect = true;
    bool highlightSelCells = true;
    bool highlightSelIcons = false;
    bool useOSStyleContents = true;
    bool showControlsInAllCells = false;
    bool grayIconsWhenDisabled = true;
    bool showRowText = false;
    int rowTextStartCol = 1;
    int dynamicFormattingEvents = 0;
};

class GridPainter {
public:
    explicit GridPainter(TessixGrid& grid) : m_grid(grid) {}

    // Paints the viewport area `exposed` (viewport coordinates).
    void paint(QPainter& p, const QRect& exposed);

    // The image list that serves icons of column `col`: column k uses list k, columns beyond
    // the last list the last one, the row-text column the first one. Each column thus keeps
    // its own list's numbering.
    const IconList* imageListFor(int col) const;

    // Size of a check box as the style draws it.
    QSize checkBoxSize() const;

private:
    struct CellPaint; // resolved look of one cell for one drawing
    struct RowPaint;  // RowDynamicFormat outputs

    void paintRow(QPainter& p, int row, const QRect& exposed);
    void paintCell(QPainter& p, int row, int col, const QRect& rect, const RowPaint& rowFormat);
    void paintContents(QPainter& p, const CellPaint& cell, const QRect& rect);
    void paintCheckBox(QPainter& p, const QRect& box, int state);
    void paintFocusRect(QPainter& p);
    void paintBackground(QPainter& p, const QRect& area);
    QColor rowBackground(int row) const;
    // The device font of a cell's font; most cells share one, so the last one is kept.
    const QFont& deviceFont(const FontData& font);

    TessixGrid& m_grid;
    std::optional<std::pair<FontData, QFont>> m_lastFont;
};
