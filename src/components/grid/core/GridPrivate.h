#pragma once
// The inside of the grid widget: every part, the context they share and the features the
// widget's events go to. The widget (TessixGrid) owns one and forwards its Qt events and
// members here; it stays a facade of one-line forwards.
//
// Built over any QAbstractScrollArea and any event sink, so tests can drive the parts with
// a plain scroll area and a recording sink instead of a shown grid.

#include "core/GridInternal.h"

#include "components/grid/GridComboLists.h"
#include "components/grid/GridHeader.h"
#include "components/grid/GridScrollBar.h"
#include "components/iconlist/IconList.h"
#include "core/GridContext.h"
#include "core/GridFeature.h"
#include "core/GridSettings.h"
#include "core/GridSpaces.h"
#include "input/GridClipboard.h"
#include "input/GridCurrentCell.h"
#include "input/GridDragDrop.h"
#include "input/GridEditor.h"
#include "input/GridInput.h"
#include "input/GridNavigation.h"
#include "input/GridOutline.h"
#include "input/GridSelection.h"
#include "model/GridGrouping.h"
#include "model/GridSort.h"
#include "model/GridStore.h"
#include "view/GridFrozenColumns.h"
#include "view/GridGeometry.h"
#include "view/GridHeaderView.h"
#include "view/GridImageLists.h"
#include "view/GridPainter.h"
#include "view/GridScrollBars.h"
#include "view/GridSizing.h"
#include "view/GridVirtualRows.h"

#include <vector>

class QAbstractScrollArea;
class QFocusEvent;
class QPaintEvent;

class GridPrivate final : public GridHost {
public:
    GridPrivate(QAbstractScrollArea& area, GridEventSink& events);
    ~GridPrivate() override;
    GridPrivate(const GridPrivate&) = delete;
    GridPrivate& operator=(const GridPrivate&) = delete;

    // The parts, in the order they are built (and destroyed the other way round).
    GridStore store;
    GridSort sort;
    ::SortObject sortObject;
    GridLook look;
    GridOptions options;
    GridImageLists images;
    ComboLists comboLists;
    GridContext context;
    GridGeometrySource geometrySource;
    GridGeometry geometry;
    GridHeader header; // goes before the store its font falls back on
    GridHeaderView headerView;
    GridSizing sizing;
    GridScrollBars scrollBars;
    GridFrozenColumns frozen;
    GridScrollBar vScrollBar;
    GridScrollBar hScrollBar;
    GridGrouping grouping;
    GridSelectionSource selectionSource;
    GridSelection selection;
    GridNavigation navigation;
    GridCurrentCell current;
    GridPainter painter;
    GridOutline outline;
    GridVirtualRows virtualRows;
    GridInput input;
    GridDragDrop dragDrop;
    GridClipboard clipboard;
    GridEditor editor; // goes first: it watches the widget

    // ----- The widget's events -----
    void paint(QPainter& p, const QRect& exposed);
    void resized();
    void scrolled();
    void focusChanged(bool hasFocus);
    // The desktop's style or palette changed: OSStyleChange once the changes are in.
    void styleChanged();
    // Each goes to the features in order; false when none handled it.
    bool mousePress(QMouseEvent* e);
    bool mouseMove(QMouseEvent* e);
    bool mouseRelease(QMouseEvent* e);
    bool mouseDoubleClick(QMouseEvent* e);
    bool wheel(QWheelEvent* e);
    bool keyPress(QKeyEvent* e);
    void pointerLeft();

    // ----- Batching and repainting -----
    bool updating() const { return m_updateDepth > 0; }
    void Refresh();
    void RedrawCell(int row, int col);

    // GridHost
    void repaint(bool layout) override;
    void beginUpdate() override { ++m_updateDepth; }
    void endUpdate() override;
    void updateScrollRanges() override;
    bool painting() const override { return m_painting; }

private:
    void onStoreChange(const GridChange& change);
    // Scroll ranges and the hot cell under a still pointer follow a new layout.
    void layoutChanged();
    template <typename Event> bool toFeatures(bool (GridFeature::*handler)(Event*), Event* e);

    QAbstractScrollArea& m_area;
    // Store changes, layout changes, input and overlays go to these, in this order: the
    // virtual rows first (the rows a key moves onto are there before it is handled), then the
    // input unit (the current cell follows its row before the editor places itself), the
    // scroll bars (they report once the layout is in); the frozen edge is drawn over the rows.
    std::vector<GridFeature*> m_features;
    int m_updateDepth = 0;
    bool m_pendingRepaint = false;
    bool m_pendingLayout = false;
    bool m_styleQueued = false;
    bool m_resizedOnce = false; // see resized()
    bool m_painting = false;
};
