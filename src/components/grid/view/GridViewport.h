#pragma once
// The one mapping between content coordinates (0, 0 = top-left of the first row and column)
// and the viewport: the header band at the top, the rows below it, both scrolled by the
// scroll bars. Every conversion goes through here (cells, header items, the focus
// rectangle, the editor, tooltips, hit tests, drop positions, scrolling into view), so an
// area that does not scroll (frozen columns) changes this object alone.
//
// A value made for the view as it stands (GridContext::viewport()); cheap to make.

#include "core/GridInternal.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <utility>

class GridGeometry;

class GridViewport {
public:
    GridViewport(const GridGeometry& geometry, QPoint scroll, int rowsTop, QSize size);

    QPoint scroll() const { return m_scroll; } // the scroll bars' values
    int rowsTop() const { return m_rowsTop; }  // where rows start (the header's height)
    QRect headerArea() const { return QRect(0, 0, m_size.width(), m_rowsTop); }
    QRect rowsArea() const;
    bool inHeader(const QPoint& pos) const { return pos.y() < m_rowsTop; }

    // The two column areas, each the viewport's full height: the frozen columns at the
    // left, which never scroll horizontally, and the scrolling area right of them (the
    // whole width when nothing is frozen). What shows in one is clipped to it.
    int frozenWidth() const { return m_frozenWidth; } // content = viewport width of the frozen area
    QRect frozenArea() const;
    QRect scrollingArea() const;
    // The area a column shows in.
    QRect columnArea(int col) const;
    // The area a cell shows in: its column's; a row-text cell that starts in the frozen
    // area (a group row, row text under a frozen column) spans both.
    QRect cellArea(int row, int col) const;

    // Content -> viewport. Rectangles of what is not shown come back empty. A rectangle in
    // the scrolling area keeps its size even where it slides under the frozen area; one
    // spanning both areas ends where its scrolled part ends.
    QRect fromContent(const QRect& content) const;
    QRect cellRect(int row, int col) const; // col may be the row-text column
    // The part of the cell that shows: cellRect within its column's area and the rows.
    QRect shownCellRect(int row, int col) const;
    QRect rowRect(int row) const;
    QRect rowTextRect(int row) const;
    QRect headerItemRect(int col) const;
    int columnsRight() const; // viewport x just beyond the last shown column

    // Viewport -> content.
    // {row, col} under a point as GridGeometry::cellAt; {0, header column} on the header.
    std::pair<int, int> cellAt(const QPoint& pos) const;
    int colAt(int x) const; // shown column under viewport x, 0 when none
    // The first and last shown rows intersecting a viewport area; (0, -1) when none.
    std::pair<int, int> rowsIn(const QRect& area) const;

    // The row at the top of the rows area, 0 when none.
    int topRow() const;

    // Scroll values that bring a row (vertical) or a column (horizontal) into view, moving
    // as little as possible; the start wins when it is longer than the page. The current
    // value when it shows already or is not shown at all (a frozen column always shows).
    int scrollYToShow(int row) const;
    int scrollXToShow(int col) const;
    // The horizontal scroll range and page: only the columns right of the frozen area
    // scroll, through the width the frozen area leaves.
    int scrollXMax() const;
    int scrollXPage() const;

private:
    static int scrolledToShow(int value, int page, int start, int end);
    int toContentX(int x) const {
        return m_frozenWidth > 0 && x < m_frozenWidth ? x : x + m_scroll.x();
    }
    // Viewport [left, right) of a content span [left, right).
    std::pair<int, int> toViewportX(int left, int right) const;
    int frozenRight() const; // the frozen area's right edge, within the viewport

    const GridGeometry& m_geometry;
    QPoint m_scroll;
    int m_rowsTop = 0;
    QSize m_size;
    int m_frozenWidth = 0;
};
