#pragma once
// The column header as it shows: its items (text, icon, sort mark) measured and painted
// from the `Header` object's settings and the column objects, and the pointer state the
// input unit sets (the hot and the pressed item).

#include "core/GridInternal.h"

#include <QFont>
#include <QRect>

class QPainter;
class GridViewport;
struct GridContext;

class GridHeaderView {
public:
    explicit GridHeaderView(const GridContext& context) : m_context(context) {}

    // Height of one line of the header font with the item padding.
    int oneLineHeight() const;
    // Height of the tallest shown item (multi-line texts, icons), at least one line.
    int tallestItemHeight() const;
    // Width an item needs for its text, icon and sort mark (fitting column widths); while
    // header clicks sort, also room for the mark a click brings.
    int itemWidth(int col) const;

    int hotCol() const { return m_hotCol; }
    void setHotCol(int col);
    int pressedCol() const { return m_pressedCol; }
    void setPressedCol(int col);

    // Paints the header band of the viewport.
    void paint(QPainter& p, const GridViewport& viewport) const;

private:
    struct Item;
    Item itemFor(int col) const;
    int itemHeight(int col) const;
    void paintItem(QPainter& p, const QRect& rect, int col) const;
    void paintSortMark(QPainter& p, const QRect& rect, int order, int position, bool hot) const;
    // The mark of a sort position among count sort keys, in the current style (0: none).
    int markWidth(int position, int count) const;
    int sortMarkWidth(int col) const; // the mark the item shows now
    int itemWidthWithMark(int col, int mark) const;
    QFont font() const;

    const GridContext& m_context;
    int m_hotCol = 0;
    int m_pressedCol = 0;
};
