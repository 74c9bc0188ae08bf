#pragma once
// Painting the rows: only the rows that intersect the exposed area are visited, so a grid
// of a million rows paints as fast as one of a thousand. Per row: RowDynamicFormat, then
// per cell its look (own or column default, then CellDynamicFormat / CellDynamicText),
// background, selection, check box, icon, text or custom drawing, grid lines; then the
// focus rectangle. The header is painted by GridHeaderView.

#include "core/GridInternal.h"

#include "components/grid/FontObject.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <optional>
#include <utility>

class QPainter;
class GridViewport;
struct GridContext;

class GridPainter {
public:
    explicit GridPainter(const GridContext& context) : m_context(context) {}

    // Paints the viewport area `exposed` (viewport coordinates).
    void paint(QPainter& p, const GridViewport& viewport, const QRect& exposed);

private:
    struct CellPaint; // resolved look of one cell for one drawing
    struct RowPaint;  // RowDynamicFormat outputs

    void paintRow(QPainter& p, const GridViewport& viewport, int row, const QRect& exposed);
    void paintCell(QPainter& p, int row, int col, const QRect& rect, const RowPaint& rowFormat);
    void paintContents(QPainter& p, const CellPaint& cell, const QRect& rect);
    void paintCheckBox(QPainter& p, const QRect& box, int state);
    void paintFocusRect(QPainter& p, const GridViewport& viewport);
    void paintBackground(QPainter& p, const GridViewport& viewport, const QRect& area);
    QColor rowBackground(int row) const;
    // The device font of a cell's font; most cells share one, so the last one is kept.
    const QFont& deviceFont(const FontData& font);

    const GridContext& m_context;
    std::optional<std::pair<FontData, QFont>> m_lastFont;
};
