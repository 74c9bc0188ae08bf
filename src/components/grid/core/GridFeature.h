#pragma once
// A part of the grid that follows the widget's life: store changes, layout changes, input
// events and drawing over the rows. GridPrivate keeps the features in a fixed order and hands
// each of these to every feature in turn, so a new part plugs in by joining that list,
// without code in the widget.

#include "core/GridInternal.h"

class QKeyEvent;
class QMouseEvent;
class QPainter;
class QRect;
class QWheelEvent;
class GridViewport;
struct GridChange;

class GridFeature {
public:
    virtual ~GridFeature() = default;

    // A change of the store other than a cell or row attribute (rows and columns that come,
    // go, move, fold or resize), before the geometry takes it in.
    virtual void storeChanged(const GridChange&) {}
    // Rows or columns moved on screen under a still pointer (a new layout, a scroll).
    virtual void layoutChanged() {}

    // Input, in viewport coordinates. A feature that handles the event returns true; the
    // features after it do not see it.
    virtual bool mousePress(QMouseEvent*) { return false; }
    virtual bool mouseMove(QMouseEvent*) { return false; }
    virtual bool mouseRelease(QMouseEvent*) { return false; }
    virtual bool mouseDoubleClick(QMouseEvent*) { return false; }
    virtual bool wheel(QWheelEvent*) { return false; }
    virtual bool keyPress(QKeyEvent*) { return false; }
    virtual void pointerLeft() {}
    virtual void focusChanged(bool /*hasFocus*/) {}

    // Drawing over the rows area after the cells and the focus rectangle.
    virtual void paintOver(QPainter&, const GridViewport&, const QRect& /*exposed*/) {}
};
