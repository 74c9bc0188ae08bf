#include "view/GridVirtualRows.h"

#include "core/GridContext.h"
#include "core/GridEventSink.h"
#include "input/GridNavigation.h"
#include "model/GridStore.h"
#include "view/GridGeometry.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>

namespace {

// One turn of the event loop's worth of requests while Ctrl+End loads the rest: the grid
// stays responsive however many rows the program has.
constexpr int BatchMs = 15;

} // namespace

GridVirtualRows::GridVirtualRows(const GridContext& context) : m_context(context) {}

void GridVirtualRows::setEnabled(bool on) {
    if (on == m_enabled)
        return;
    m_enabled = on;
    ++m_generation;
    m_toEnd = false;
    m_context.host.updateScrollRanges();
    queueFill();
}

void GridVirtualRows::storeChanged(const GridChange& change) {
    // An emptied grid asks again from its first row.
    if (change.kind != GridChange::RowsReset || m_context.store.RowCount() != 0)
        return;
    m_exhausted = false;
    m_toEnd = false;
    ++m_generation;
    queueFill();
}

bool GridVirtualRows::unmet(const Need& need) const {
    return need.all || m_context.store.RowCount() < need.rows ||
           m_context.geometry.totalHeight() <= need.height;
}

GridVirtualRows::Need GridVirtualRows::viewNeed() const {
    const GridViewport viewport = m_context.viewport();
    return {0, viewport.scroll().y() + viewport.rowsArea().height(), false};
}

void GridVirtualRows::fetch(Need need) {
    if (!moreMayCome() || m_busy || m_context.host.painting() || !unmet(need))
        return;
    QScopedValueRollback busy(m_busy, true);
    const quint64 generation = m_generation;
    GridEventSink& events = m_context.events;
    GridStore& store = m_context.store;
    QElapsedTimer clock;
    clock.start();
    // One batch: the scroll ranges and the repaint follow once, at its end.
    m_context.host.beginUpdate();
    while (unmet(need) && (!need.all || clock.elapsed() < BatchMs)) {
        RequestNewRowArgs args{store.RowCount() + 1};
        events.RequestNewRow(args);
        if (generation != m_generation)
            break; // emptied or switched off by the handler
        const int row = args.noMoreRows ? 0 : store.AddRow();
        if (row == 0) {
            m_exhausted = true;
            break;
        }
        events.RequestRowData(row);
        if (generation != m_generation)
            break;
    }
    m_context.host.endUpdate();
    if (m_exhausted) {
        m_context.host.updateScrollRanges(); // nothing more to scroll on to
        // The count is final till the grid is emptied: no spare room for rows to come.
        store.releaseSpareRows();
        m_context.geometry.releaseSpareRows();
    }
}

void GridVirtualRows::queueFill() {
    if (!moreMayCome() || std::exchange(m_fillQueued, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_fillQueued = false;
        if (m_busy || m_context.host.painting()) {
            queueFill(); // after the request or the paint under way
            return;
        }
        fetch(viewNeed());
    });
}

bool GridVirtualRows::keyPress(QKeyEvent* e) {
    if (!moreMayCome() || !m_context.area.isEnabled())
        return false;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (e->key() == Qt::Key_End && ctrl) {
        if (!m_toEnd) {
            m_toEnd = true;
            m_endModifiers = e->modifiers();
            queueFetchAllStep();
        }
        return true; // handled once the rows are in
    }
    m_toEnd = false; // the user went on to something else
    const int cur = m_context.navigation.CurRow();
    if (e->key() == Qt::Key_Down && !ctrl) {
        fetch({cur + 1});
    } else if (e->key() == Qt::Key_PageDown && !ctrl) {
        // A page below the view, so the move can go a whole page.
        const Need view = viewNeed();
        fetch({cur + 1, view.height + m_context.viewport().rowsArea().height()});
    }
    return false;
}

bool GridVirtualRows::mousePress(QMouseEvent*) {
    m_toEnd = false;
    return false;
}

void GridVirtualRows::queueFetchAllStep() {
    // Dropped when the grid is emptied or the mode changes meanwhile.
    QTimer::singleShot(0, this, [this, generation = m_generation] {
        if (generation == m_generation)
            fetchAllStep();
    });
}

void GridVirtualRows::fetchAllStep() {
    if (!m_toEnd)
        return;
    if (moreMayCome()) {
        if (!m_busy && !m_context.host.painting())
            fetch({0, -1, true});
        if (moreMayCome()) {
            queueFetchAllStep();
            return;
        }
    }
    // Every row is in: the key goes its normal way now.
    m_toEnd = false;
    QCoreApplication::postEvent(&m_context.area,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_End, m_endModifiers));
}
