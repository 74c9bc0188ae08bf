#pragma once
// What a unit of the grid works with instead of the widget: the parts it may use, the
// outbound events and the few things it may ask of the widget (a repaint; the scroll area
// it lives in for the viewport, the scroll bars, the focus and the style). GridPrivate owns
// every part and builds the one context they share; each unit reads from it only what its
// job needs.

#include "core/GridInternal.h"

#include "view/GridViewport.h"

class QAbstractScrollArea;
class ComboLists;
class GridCurrentCell;
class GridEventSink;
class GridFrozenColumns;
class GridGeometry;
class GridHeader;
class GridHeaderView;
class GridImageLists;
class GridNavigation;
class GridScrollBars;
class GridSelection;
class GridSizing;
class GridSort;
class GridStore;
struct GridLook;
struct GridOptions;

// What the units may ask of the widget beyond its Qt side.
class GridHost {
public:
    virtual ~GridHost() = default;
    // Schedules a repaint (held while updating); layout = scroll ranges and the hot cell too.
    virtual void repaint(bool layout) = 0;
    // Brackets a batch of changes: repaints are held until the outermost end.
    virtual void beginUpdate() = 0;
    virtual void endUpdate() = 0;
    // Brings the scroll ranges up to date now, also inside a batch.
    virtual void updateScrollRanges() = 0;
    // True while the rows are being painted: nothing may add or remove rows then.
    virtual bool painting() const = 0;
};

struct GridContext {
    QAbstractScrollArea& area;
    GridHost& host;
    GridEventSink& events;
    // what the grid holds
    GridStore& store;
    GridSort& sort;
    GridLook& look;
    GridOptions& options;
    GridImageLists& images;
    ComboLists& comboLists;
    // where things are and how they show
    GridGeometry& geometry;
    GridHeader& header;
    GridHeaderView& headerView;
    GridSizing& sizing;
    GridScrollBars& scrollBars;
    GridFrozenColumns& frozen;
    // the current cell and the selection
    GridSelection& selection;
    GridNavigation& navigation;
    GridCurrentCell& current;

    // Content <-> viewport mapping as the view stands now.
    GridViewport viewport() const;
    void repaint(bool layout = false) const { host.repaint(layout); }
};
