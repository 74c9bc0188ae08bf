#pragma once
// A shown grid for the input tests: fixed size, 20-pixel rows, 60-pixel columns; cell (r, c)
// holds the text "r,c". Helpers click and press keys through the real widget.

#include "GridTestAccess.h"
#include "components/grid/TessixGrid.h"

#include <QStringList>
#include <QTest>

struct InputTestGrid {
    TessixGrid grid;

    InputTestGrid(int rows, int cols, QSize size = QSize(400, 300)) {
        grid.BeginUpdate();
        grid.SetDefaultRowHeight(20);
        grid.SetColCount(cols);
        for (int c = 1; c <= cols; ++c)
            grid.SetColWidth(c, 60);
        grid.SetRowCount(rows);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= cols; ++c)
                grid.SetCellValue(r, c, QString("%1,%2").arg(r).arg(c));
        grid.EndUpdate();
        grid.resize(size);
        grid.show();
        if (!QTest::qWaitForWindowExposed(&grid))
            qWarning("the test grid was not exposed");
    }

    QWidget* viewport() { return grid.viewport(); }
    QPoint cellPoint(int row, int col) const {
        return viewportOf(grid).cellRect(row, col).center();
    }
    QPoint headerPoint(int col) const {
        const QRect item = viewportOf(grid).headerItemRect(col);
        return QPoint(item.left() + item.width() / 2, item.height() / 2);
    }
    // The divider at the right edge of a column's header item.
    QPoint dividerPoint(int col) const {
        const QRect item = viewportOf(grid).headerItemRect(col);
        return QPoint(item.right(), item.height() / 2);
    }

    void click(int row, int col, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(viewport(), Qt::LeftButton, mods, cellPoint(row, col));
    }
    void key(int key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(&grid, Qt::Key(key), mods);
    }
    QString current() const { return QString("%1,%2").arg(grid.CurRow()).arg(grid.CurCol()); }

    // The selection as "r,c r,c ..." (row items show column 0).
    QString selection() {
        QStringList items;
        for (const GridCellPos& item : grid.SelItems().GetRows())
            items << QString("%1,%2").arg(item.row).arg(item.col);
        return items.join(' ');
    }
    // Column 1's texts from the first row down, to see the row order.
    QString rowOrder() const {
        QStringList texts;
        for (int r = 1; r <= grid.RowCount(); ++r)
            texts << grid.CellValue(r, 1).toString();
        return texts.join(' ');
    }
};
