#include "view/GridViewport.h"

#include "components/grid/GridTypes.h"
#include "view/GridGeometry.h"

#include <algorithm>

GridViewport::GridViewport(const GridGeometry& geometry, QPoint scroll, int rowsTop, QSize size)
    : m_geometry(geometry), m_scroll(scroll), m_rowsTop(rowsTop), m_size(size),
      m_frozenWidth(geometry.frozenWidth()) {}

QRect GridViewport::rowsArea() const {
    return QRect(0, m_rowsTop, m_size.width(), std::max(0, m_size.height() - m_rowsTop));
}

int GridViewport::frozenRight() const {
    return std::min(m_frozenWidth, m_size.width());
}

QRect GridViewport::frozenArea() const {
    return QRect(0, 0, frozenRight(), m_size.height());
}

QRect GridViewport::scrollingArea() const {
    return QRect(frozenRight(), 0, m_size.width() - frozenRight(), m_size.height());
}

QRect GridViewport::columnArea(int col) const {
    return m_geometry.colFrozen(col) ? frozenArea() : scrollingArea();
}

QRect GridViewport::cellArea(int row, int col) const {
    if (col != RowTextColIndex)
        return columnArea(col);
    const QRect text = m_geometry.rowTextRect(row);
    return !text.isEmpty() && text.left() < m_frozenWidth ? QRect(QPoint(0, 0), m_size)
                                                          : scrollingArea();
}

std::pair<int, int> GridViewport::toViewportX(int left, int right) const {
    const int scrolled = m_scroll.x();
    if (right <= m_frozenWidth) // frozen only
        return {left, right};
    if (left >= m_frozenWidth) // scrolling only
        return {left - scrolled, right - scrolled};
    // Both: the scrolled part slides under the frozen area.
    return {left, std::max(m_frozenWidth, right - scrolled)};
}

QRect GridViewport::fromContent(const QRect& content) const {
    if (content.isEmpty())
        return QRect();
    const auto [left, right] = toViewportX(content.left(), content.right() + 1);
    return QRect(left, content.top() + m_rowsTop - m_scroll.y(), right - left, content.height());
}

QRect GridViewport::cellRect(int row, int col) const {
    return fromContent(m_geometry.cellRect(row, col));
}

QRect GridViewport::shownCellRect(int row, int col) const {
    return cellRect(row, col) & cellArea(row, col) & rowsArea();
}

QRect GridViewport::rowRect(int row) const {
    return fromContent(m_geometry.rowRect(row));
}

QRect GridViewport::rowTextRect(int row) const {
    return fromContent(m_geometry.rowTextRect(row));
}

QRect GridViewport::headerItemRect(int col) const {
    const int width = m_geometry.colWidth(col);
    if (width <= 0)
        return QRect();
    const int left = m_geometry.colLeft(col);
    const auto [x, right] = toViewportX(left, left + width);
    return QRect(x, 0, right - x, m_rowsTop);
}

int GridViewport::columnsRight() const {
    const int total = m_geometry.totalWidth();
    return toViewportX(0, total).second;
}

std::pair<int, int> GridViewport::cellAt(const QPoint& pos) const {
    if (inHeader(pos))
        return {0, colAt(pos.x())};
    return m_geometry.cellAt(QPoint(toContentX(pos.x()), pos.y() - m_rowsTop + m_scroll.y()));
}

int GridViewport::colAt(int x) const {
    return m_geometry.colAt(toContentX(x));
}

std::pair<int, int> GridViewport::rowsIn(const QRect& area) const {
    const int toContent = m_scroll.y() - m_rowsTop;
    return m_geometry.rowsIn(area.top() + toContent, area.bottom() + 1 + toContent);
}

int GridViewport::topRow() const {
    return m_geometry.rowAt(m_scroll.y());
}

int GridViewport::scrollYToShow(int row) const {
    const int height = m_geometry.rowHeight(row);
    if (height <= 0)
        return m_scroll.y();
    const int top = m_geometry.rowTop(row);
    return scrolledToShow(m_scroll.y(), rowsArea().height(), top, top + height);
}

int GridViewport::scrollXToShow(int col) const {
    const int left = m_geometry.colLeft(col);
    if (left < 0 || m_geometry.colFrozen(col))
        return m_scroll.x();
    // Scroll values count from the first scrolling column.
    const int start = left - m_frozenWidth;
    return scrolledToShow(m_scroll.x(), scrollXPage(), start, start + m_geometry.colWidth(col));
}

int GridViewport::scrollXMax() const {
    return std::max(0, m_geometry.totalWidth() - std::max(m_size.width(), m_frozenWidth));
}

int GridViewport::scrollXPage() const {
    return std::max(1, m_size.width() - m_frozenWidth);
}

int GridViewport::scrolledToShow(int value, int page, int start, int end) {
    if (start < value)
        return start;
    if (end > value + page)
        return std::min(start, end - page);
    return value;
}
