#include "core/GridPrivate.h"

#include "core/GridEventSink.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <utility>

GridViewport GridContext::viewport() const {
    return GridViewport(
        geometry, QPoint(area.horizontalScrollBar()->value(), area.verticalScrollBar()->value()),
        header.shownHeight(), area.viewport()->size());
}

GridPrivate::GridPrivate(QAbstractScrollArea& area, GridEventSink& events)
    : sort(store), comboLists([this] { return store.fontData(); }, [this] { repaint(false); }),
      context{area,    *this,      events,     store,     sort,       look,
              options, images,     comboLists, geometry,  header,     headerView,
              sizing,  scrollBars, frozen,     selection, navigation, current},
      geometrySource(context), geometry(geometrySource), header(context), headerView(context),
      sizing(context), scrollBars(context), frozen(context),
      vScrollBar(scrollBars, ScrollBarVertical), hScrollBar(scrollBars, ScrollBarHorizontal),
      grouping(store, events), selectionSource(context), selection(selectionSource, events),
      navigation(selectionSource, events), current(context), painter(context), outline(context),
      virtualRows(context), input(context), dragDrop(context), clipboard(context), editor(context),
      m_area(area), m_features{&virtualRows, &input, &editor, &scrollBars, &frozen} {
    store.setChangeHandler([this](const GridChange& c) { onStoreChange(c); });
    store.setComboTextFn([this](const QString& list, const Variant& value) {
        return comboLists.entryText(list, value);
    });
    sort.setCustomSort(
        [&events](int col, int row1, int row2, const Variant& v1, const Variant& v2, int& result) {
            CustomSortArgs args{col, row1, row2, v1, v2, result};
            events.CustomSort(args);
            result = args.result;
        });
    sort.setSortHooks([&events] { events.BeforeSort(); },
                      [this, &events] {
                          events.AfterSort();
                          repaint(true);
                      });
    input.setCellActions({&outline, &editor, &clipboard});
    navigation.setBeforeCellChange(
        [this](int row, int col) { editor.currentCellMoving(row, col); });
    updateScrollRanges();
}

GridPrivate::~GridPrivate() {
    // The store's handlers call back into the parts: silence them before the parts go.
    store.setChangeHandler({});
    store.setComboTextFn({});
}

// ----- Store changes -> features, geometry and repaints -----

void GridPrivate::onStoreChange(const GridChange& change) {
    // Cell writes come by the million and concern no feature: only rows and columns that
    // come, go or move are handed on (the current cell and an open editor follow them).
    if (change.kind != GridChange::Cell && change.kind != GridChange::Row)
        for (GridFeature* feature : m_features)
            feature->storeChanged(change);
    switch (change.kind) {
    case GridChange::Cell:
        // A whole-viewport update: Qt merges them into one paint of the visible rows, and
        // finding the cell's rectangle could force a geometry rebuild per write.
        repaint(false);
        return;
    case GridChange::Row:
        repaint(false);
        return;
    case GridChange::RowHeight:
    case GridChange::RowVisibility:
        geometry.rowHeightChanged(change.row);
        repaint(true);
        return;
    case GridChange::RowsVisibility:
        geometry.rowsHeightChanged(change.row, change.count);
        repaint(true);
        return;
    case GridChange::RowsInserted:
        if (change.row == store.RowCount() - change.count + 1)
            geometry.rowsAppended(change.count); // a log growing row by row stays O(log n)
        else
            geometry.invalidateRows();
        repaint(true);
        return;
    case GridChange::RowsRemoved:
        geometry.rowsRemoved(change.row, change.count); // no rebuild per removal
        repaint(true);
        return;
    case GridChange::RowsReordered:
    case GridChange::RowsReset:
        geometry.invalidateRows();
        repaint(true);
        return;
    case GridChange::Columns:
    case GridChange::Column:
        geometry.invalidateColumns();
        sizing.applyStretch();
        repaint(true);
        return;
    case GridChange::Font:
        repaint(true); // the header's height follows the grid font until set
        return;
    }
}

// ----- Batching and repainting -----

void GridPrivate::repaint(bool layout) {
    if (updating()) {
        m_pendingRepaint = true;
        m_pendingLayout = m_pendingLayout || layout;
        store.setCellChangesCovered(true); // till endUpdate, cell writes need not call here
        return;
    }
    if (layout)
        layoutChanged();
    m_area.viewport()->update();
}

void GridPrivate::layoutChanged() {
    updateScrollRanges();
    for (GridFeature* feature : m_features)
        feature->layoutChanged();
}

void GridPrivate::endUpdate() {
    if (m_updateDepth == 0 || --m_updateDepth > 0)
        return;
    store.setCellChangesCovered(false);
    if (m_pendingLayout)
        layoutChanged();
    if (m_pendingRepaint || m_pendingLayout)
        m_area.viewport()->update();
    m_pendingRepaint = m_pendingLayout = false;
}

void GridPrivate::Refresh() {
    repaint(true);
    if (!updating())
        m_area.viewport()->repaint();
}

void GridPrivate::RedrawCell(int row, int col) {
    const QRect r = context.viewport().shownCellRect(row, col);
    if (updating())
        m_pendingRepaint = true;
    else if (!r.isEmpty())
        m_area.viewport()->update(r);
}

void GridPrivate::updateScrollRanges() {
    const GridViewport viewport = context.viewport();
    const QSize area = viewport.rowsArea().size();
    QScrollBar* v = m_area.verticalScrollBar();
    // While a virtual grid may get more rows, the user can scroll a page past the last one
    // (which asks for the rows there).
    const int more =
        virtualRows.moreMayCome() && geometry.totalHeight() > area.height() ? area.height() : 0;
    v->setRange(0, std::max(0, geometry.totalHeight() - area.height()) + more);
    v->setPageStep(std::max(1, area.height()));
    v->setSingleStep(std::max(1, store.DefaultRowHeight()));
    QScrollBar* h = m_area.horizontalScrollBar();
    h->setRange(0, viewport.scrollXMax());
    h->setPageStep(viewport.scrollXPage());
    h->setSingleStep(20);
}

// ----- The widget's events -----

void GridPrivate::paint(QPainter& p, const QRect& exposed) {
    QScopedValueRollback painting(m_painting, true);
    const GridViewport viewport = context.viewport();
    painter.paint(p, viewport, exposed);
    for (GridFeature* feature : m_features)
        feature->paintOver(p, viewport, exposed);
}

void GridPrivate::resized() {
    sizing.applyStretch();
    layoutChanged();
    // Until its first resize, which comes as it shows, the grid's size is not final: a
    // current cell set meanwhile (a window's load) is brought into view at its real size.
    if (!std::exchange(m_resizedOnce, true))
        current.ensureVisible(navigation.current());
}

void GridPrivate::scrolled() {
    for (GridFeature* feature : m_features)
        feature->layoutChanged();
    m_area.viewport()->update();
}

void GridPrivate::styleChanged() {
    scrollBars.styleChanged();
    if (std::exchange(m_styleQueued, true))
        return;
    // Style and palette changes come in bursts: one event once they are in.
    QTimer::singleShot(0, &m_area, [this] {
        m_styleQueued = false;
        context.events.OSStyleChange();
    });
}

void GridPrivate::focusChanged(bool hasFocus) {
    for (GridFeature* feature : m_features)
        feature->focusChanged(hasFocus);
    m_area.viewport()->update(); // selection colours depend on the focus
}

template <typename Event>
bool GridPrivate::toFeatures(bool (GridFeature::*handler)(Event*), Event* e) {
    return std::any_of(m_features.begin(), m_features.end(),
                       [&](GridFeature* feature) { return (feature->*handler)(e); });
}

bool GridPrivate::mousePress(QMouseEvent* e) {
    return toFeatures(&GridFeature::mousePress, e);
}

bool GridPrivate::mouseMove(QMouseEvent* e) {
    return toFeatures(&GridFeature::mouseMove, e);
}

bool GridPrivate::mouseRelease(QMouseEvent* e) {
    return toFeatures(&GridFeature::mouseRelease, e);
}

bool GridPrivate::mouseDoubleClick(QMouseEvent* e) {
    return toFeatures(&GridFeature::mouseDoubleClick, e);
}

bool GridPrivate::wheel(QWheelEvent* e) {
    return toFeatures(&GridFeature::wheel, e);
}

bool GridPrivate::keyPress(QKeyEvent* e) {
    return toFeatures(&GridFeature::keyPress, e);
}

void GridPrivate::pointerLeft() {
    for (GridFeature* feature : m_features)
        feature->pointerLeft();
}
