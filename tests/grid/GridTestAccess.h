#pragma once
// The grid's parts as its tests reach them.

#include "components/grid/TessixGrid.h"
#include "core/GridPrivate.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

// The content <-> viewport mapping as the grid shows now.
inline GridViewport viewportOf(const TessixGrid& grid) {
    return grid.internals().context.viewport();
}

// A double click as the window system delivers it: press, release, the double-click press,
// release (the last release is the one a grid could take for a click).
inline void systemDoubleClick(QWidget* viewport, const QPoint& at) {
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QMouseEvent press(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
}
