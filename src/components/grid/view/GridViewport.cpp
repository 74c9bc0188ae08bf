#include "view/GridViewport.h"

#include "view/GridGeometry.h"

#include <algorithm>

QRect GridViewport::rowsArea() const {
    return QRect(0, m_rowsTop, m_size.width(), std::max(0, m_size.height() - m_rowsTop));
}

QRect GridViewport::fromContent(const QRect& content) const {
    return content.isEmpty() ? QRect() : content.translated(toViewport());
}

QRect GridViewport::cellRect(int row, int col) const {
    return fromContent(m_geometry.cellRect(row, col));
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
    return QRect(m_geometry.colLeft(col) - m_scroll.x(), 0, width, m_rowsTop);
}

int GridViewport::columnsRight() const {
    return m_geometry.totalWidth() - m_scroll.x();
}

std::pair<int, int> GridViewport::cellAt(const QPoint& pos) const {
    if (inHeader(pos))
        return {0, colAt(pos.x())};
    return m_geometry.cellAt(pos - toViewport());
}

int GridViewport::colAt(int x) const {
    return m_geometry.colAt(x + m_scroll.x());
}

std::pair<int, int> GridViewport::rowsIn(const QRect& area) const {
    const int toContent = -toViewport().y();
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
    if (left < 0)
        return m_scroll.x();
    return scrolledToShow(m_scroll.x(), rowsArea().width(), left, left + m_geometry.colWidth(col));
}

int GridViewport::scrolledToShow(int value, int page, int start, int end) {
    if (start < value)
        return start;
    if (end > value + page)
        return std::min(start, end - page);
    return value;
}
